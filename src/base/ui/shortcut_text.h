#pragma once
// Shortcut texts as kept in the settings store: optional "Shift+", "Ctrl+",
// "Alt+" followed by a key name ("N", "F3", "Ins", "Del", "PgUp", "BkSp",
// "Enter", "Space", ...). The empty text, or one that names no key, is no
// shortcut.

#include <QKeySequence>
#include <QString>

namespace tagloom {

QKeySequence shortcutFromText(const QString &text);
// The stored text of a key combination ("Shift+Ctrl+F3"); the empty text for
// no key or a key without a name.
QString shortcutToText(QKeyCombination combination);

} // namespace tagloom
