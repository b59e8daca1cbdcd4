#pragma once
// "Convert Image to WBMP Format": a picture file and a file name to save the
// WBMP picture to. Modeless and on top; made once and kept.

#include <QDialog>

class QLineEdit;

namespace tagloom {

class WbmpDialog : public QDialog {
    Q_OBJECT
public:
    explicit WbmpDialog(QWidget *parent = nullptr);

    // Shows the dialog, centred on the screen when it was hidden.
    void openFromMenu();

public slots:
    void accept() override;
    void reject() override;

private:
    void browse();

    QLineEdit *m_source;
    QLineEdit *m_target;
};

} // namespace tagloom
