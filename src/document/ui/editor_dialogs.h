#pragma once
// The dialogs of the editor commands: Find, Find and Replace (our own, with
// the options and buttons of the platform ones) and the program's single
// goto-line dialog.

#include "document/text_search.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tagloom {

class CodeEditor;

// Find (with direction) or Find and Replace: our own modeless dialog with the
// options of the platform ones. It keeps its texts and options between uses.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Find, Replace };
    SearchDialog(Kind kind, QWidget *parent);

    // Shows the dialog in front with the search text focused and selected,
    // so that typing replaces it whichever control was used last.
    void present();

    QString findText() const;
    QString replaceText() const;
    SearchOptions options() const; // the replace dialog always searches forwards
    void setFindText(const QString &text);
    void setReplaceText(const QString &text);
    void setOptions(bool matchCase, bool wholeWord, bool up = false);

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

private:
    Kind m_kind;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
};

// "Goto Line Number...": one for the whole program; the text lasts as long
// as the program.
class GotoLineDialog : public QDialog {
    Q_OBJECT
public:
    static GotoLineDialog &instance();
    void showFor(CodeEditor *editor, std::function<CodeEditor *()> activeEditor);
    QLineEdit *lineEdit() const { return m_edit; }
    // OK: true when the text was a number and the caret moved (or there was
    // no document left to move it in).
    bool applyText();

private:
    GotoLineDialog();
    QLineEdit *m_edit = nullptr;
    QPointer<CodeEditor> m_shownFor;
    std::function<CodeEditor *()> m_activeEditor;
};

} // namespace tagloom
