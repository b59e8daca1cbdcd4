#pragma once
// The one-time import of the earlier version's settings: ten values read
// from the machine-wide key Software\Quenby\Tagloom 4, written into the
// per-user settings root for each ticked item, then "V4 Done".

#include <QString>
#include <QStringList>
#include <array>

namespace tagloom {

class SettingsStore;

// The import dialog's items, in list order; item 0 imports nothing.
inline constexpr int V4ImportItemCount = 10;
const QStringList &v4ImportItemLabels();

// True when "V4 Done" of the settings root is exactly "True".
bool v4AlreadyImported(const SettingsStore &user);

// Writes the ticked items from `machine` (may be null, or lack the key: the
// values are then empty, flags off and texts empty) and "V4 Done" = "True".
void importV4Settings(const SettingsStore *machine, SettingsStore &user,
                      const std::array<bool, V4ImportItemCount> &ticked);

} // namespace tagloom
