#pragma once
// The base of every modeless dialog that writes mark-up. A dialog is made
// once, on first use, and kept with its fields; it stays on top. OK asks for
// the active document at that moment, inserts the result of the dialog's
// generator through the one insertion helper (in edit mode the text replaces
// the selection instead) and hides; without a document window it inserts
// nothing. The generator's messages come first, each after a beep; a refusal
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

    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

    // Shows the dialog on top with the focus in its first field.
    void showOnTop();

protected:
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
