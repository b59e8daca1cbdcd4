#pragma once
// The Insert Image Rollover dialog's mark-up: a linked picture that swaps to
// a second picture under the mouse, and the script block that performs the
// swap. OK runs in two steps: first the prompts for the two pictures (each an
// error box, then the picture chooser whose file fills that field), then,
// with the fields as the prompts left them, rolloverMarkup().

#include "tags/markup_outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tagloom {

// The dialog's fields, named after its controls (EditOriginal, ...).
struct RolloverFields {
    QString Original;
    QString Next; // "Replace With (on Rollover):"
    QString Hyperlink;
    QString Name;
};

enum class RolloverPicture { Original, Next };

// An empty picture field asks for a picture; the answer may be no picture.
struct RolloverPrompt {
    RolloverPicture picture;
    QString text; // shown as an error box before the chooser opens
};

// Original first, then Next; none when both are filled.
QList<RolloverPrompt> rolloverPrompts(const RolloverFields &fields);

// The anchor line: the name three times (the swap's two object expressions
// and the img's name); no preload call.
QString rolloverAnchor(const RolloverFields &fields);

// The fixed script block that defines MM_swapImgRestore, MM_preloadImages
// and MM_swapImage, one entry per line.
const QStringList &rolloverScriptLines();

// After the prompts: refused without a hyperlink or a name; otherwise the
// script block's lines and then the anchor line, below the caret line.
MarkupOutcome rolloverMarkup(const RolloverFields &fields);

} // namespace tagloom
