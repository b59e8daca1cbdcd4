#pragma once
// The base of every modeless dialog that writes mark-up. A dialog is made
// once, on first use, and kept with its fields; it stays on top. OK asks for
// the active document at that moment, inserts the result of the dialog's
// generator through the one insertion helper (in edit mode the text replaces
// the selection instead) and hides; without a document window it inserts
// nothing and stays open with its fields. The generator's messages come first, each after a beep; a refusal
// inserts nothing and leaves the dialog open with its fields. Subclasses only
// build their fields and turn them into mark-up.

#include "tags/markup_outcome.h"

#include <QDialog>
#include <functional>

class QBoxLayout;
class QPushButton;

namespace tagloom {

class EditorOperations;

class MarkupDialog : public QDialog {
    Q_OBJECT
public:
    // `activeEditor` gives the active document's editor, or nullptr.
    using ActiveEditor = std::function<EditorOperations *()>;

    MarkupDialog(const QString &title, ActiveEditor activeEditor, QWidget *parent = nullptr);

    // Edit mode: OK replaces the selection (the tag the dialog was opened on).
    void setEditMode(bool on) { m_editMode = on; }
    bool isEditMode() const { return m_editMode; }

    // Opened from a menu or a palette: never in edit mode.
    void openFromMenu();
    // Shown for a tag to edit: a hidden dialog starts from its show-time
    // defaults, a visible one keeps its fields; edit mode is set after.
    void openForEdit();

    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

    // Shows the dialog on top with the focus in its first field. A hidden
    // dialog first takes its show-time defaults.
    void showOnTop();

protected:
    // The fields as each showing starts them; by default they keep their
    // values.
    virtual void resetFields() {}
    // Runs when OK is pressed, before markup(): a dialog may still ask for
    // missing values here.
    virtual void beforeMarkup() {}
    // Runs after OK inserted the mark-up and hid the dialog.
    virtual void afterInsert() {}
    // Runs after Cancel (or Escape) hid the dialog.
    virtual void afterCancel() {}
    // Where OK's text goes, asked only once the text is there: by default the
    // active document's editor; a dialog that makes a page of its own opens a
    // new document here. nullptr: nothing is inserted and the dialog waits.
    virtual EditorOperations *insertionTarget();

    void reject() override;
    // The mark-up of the fields as they stand, in the dialog's insertion
    // mode, with the messages to show first (or a refusal).
    virtual MarkupOutcome markup() const = 0;
    // Adds the OK and Cancel buttons, right-aligned, to the end of `layout`.
    void addButtonRow(QBoxLayout *layout);

private:
    void okClicked();

    ActiveEditor m_activeEditor;
    bool m_editMode = false;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace tagloom
