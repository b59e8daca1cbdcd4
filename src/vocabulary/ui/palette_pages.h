#pragma once
// Fills the palette strip's toolbars from the palette tables: picture and
// caption buttons, drop-downs and the ColdFusion tag box. Every insert acts
// on the active document's editor and does nothing when there is none.

#include <QString>
#include <functional>

namespace tagloom {

class EditorOperations;
class PaletteStrip;

struct PaletteHooks {
    std::function<EditorOperations *()> activeEditor; // nullptr: no document window open
    // Whether the tag dialog behind a command id ("Palette.Common.Image")
    // exists yet, and running it. Entries whose command is missing are disabled.
    std::function<bool(const QString &commandId)> hasCommand;
    std::function<void(const QString &commandId)> runCommand;
};

// Adds every page's buttons to `strip` once. Command availability is read
// here, so call it after the commands are registered. Buttons and drop-down
// items carry their entry id as object name.
void fillPalettePages(PaletteStrip *strip, const PaletteHooks &hooks);

} // namespace tagloom
