#pragma once
// "Insert Server Variables...": the one dialog behind the palettes' "Vars"
// buttons. Every showFor() reloads the kind's list and empties the field;
// OK inserts the variable as a line below the active document's caret line.

#include "tags/ui/markup_dialog.h"
#include "vocabulary/server_variables.h"

class QComboBox;

namespace tagloom {

class ServerVarsDialog : public MarkupDialog {
    Q_OBJECT
public:
    ServerVarsDialog(QString dataFolder, ActiveEditor activeEditor, QWidget *parent = nullptr);

    // Sets the kind, loads its names and shows the dialog. A list file that
    // cannot be read is reported; the field still takes a typed name.
    void showFor(ServerVariableKind kind);

    ServerVariableKind kind() const { return m_kind; }
    QComboBox *variableField() const { return m_field; }

protected:
    MarkupOutcome markup() const override;

private:
    QString m_dataFolder;
    ServerVariableKind m_kind = ServerVariableKind::Asp;
    QComboBox *m_field = nullptr;
};

} // namespace tagloom
