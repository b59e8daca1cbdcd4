#pragma once
// File choosers with the favourite folders the settings store keeps.

#include "base/ui/file_dialogs.h"

namespace tagloom {

class SettingsStore;

// chooseFile with the favourite folders kept in `store` (none when null);
// folders the user adds are written back.
QString chooseFileWithFavourites(QWidget *parent, FileDialogRequest request, SettingsStore *store);

} // namespace tagloom
