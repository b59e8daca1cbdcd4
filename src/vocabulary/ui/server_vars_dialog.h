#pragma once
// "Insert Server Variables...": the one dialog behind the palettes' "Vars"
// buttons. A hidden, non-modal singleton; every showFor() reloads the kind's
// list and empties the field. OK inserts into whichever document is active
// at that moment, as a line below its caret line.

#include "vocabulary/server_variables.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QPushButton;

namespace tagloom {

class EditorOperations;

class ServerVarsDialog : public QDialog {
    Q_OBJECT
public:
    // `activeEditor` gives the active document's editor, or nullptr.
    ServerVarsDialog(QString dataFolder, std::function<EditorOperations *()> activeEditor,
                     QWidget *parent = nullptr);

    // Sets the kind, loads its names and shows the dialog. A list file that
    // cannot be read is reported; the field still takes a typed name.
    void showFor(ServerVariableKind kind);

    ServerVariableKind kind() const { return m_kind; }
    QComboBox *variableField() const { return m_field; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

private:
    void okClicked();

    QString m_dataFolder;
    std::function<EditorOperations *()> m_activeEditor;
    ServerVariableKind m_kind = ServerVariableKind::Asp;
    QComboBox *m_field = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace tagloom
