#pragma once
// "JavaScript Builder": the window in which event scripts are to be put
// together from actions. It writes nothing yet: its action menu and OK do
// nothing, and Cancel hides it.

#include <QDialog>

class QPushButton;
class QToolButton;

namespace tagloom {

class JavaScriptBuilderDialog : public QDialog {
    Q_OBJECT
public:
    explicit JavaScriptBuilderDialog(QWidget *parent = nullptr);

    QToolButton *addActionButton() const { return m_addAction; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

private:
    QWidget *buildActions();
    QWidget *buildProperties();

    QToolButton *m_addAction = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace tagloom
