#pragma once
// The format bar's own controls: font and size drop-downs, Apply, bold,
// italic, underline and rule. They go in front of whatever the bar already
// holds and insert through the active document's editor (nothing without one).

#include <functional>

class QAction;
class QComboBox;
class QToolBar;

namespace tagloom {

class EditorOperations;

struct FormatBarControls {
    QComboBox *font = nullptr;
    QComboBox *size = nullptr;
    QAction *apply = nullptr;
    QAction *bold = nullptr;
    QAction *italic = nullptr;
    QAction *underline = nullptr;
    QAction *rule = nullptr;
};

// `activeEditor` gives the active document's editor, or nullptr.
FormatBarControls addFormatControls(QToolBar *bar, std::function<EditorOperations *()> activeEditor);

} // namespace tagloom
