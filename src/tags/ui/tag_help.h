#pragma once
// Get Help for Current Tag: the reference page of the element named by the
// selection, or, when nothing is selected, by the word at the caret (which
// stays selected), opened with the desktop's handler for HTML pages.

class QString;
class QWidget;

namespace tagloom {

class CodeEditor;

// Nothing happens for a word that names no element; a page that cannot be
// opened is an error box over `messageParent`.
void showTagHelp(CodeEditor *editor, const QString &dataFolder, QWidget *messageParent);

} // namespace tagloom
