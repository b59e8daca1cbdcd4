#pragma once
// "Download Timer": how long the active page takes to arrive over six
// connection types. The figures are worked out each time it is opened; OK
// only hides it.

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

namespace tagloom {

class DownloadTimerDialog : public QDialog {
    Q_OBJECT
public:
    explicit DownloadTimerDialog(QWidget *parent = nullptr);

    // Shows the estimate for a page of `bytes` bytes, on top.
    void showFor(qint64 bytes);

    QLabel *fileSize() const { return m_fileSize; }
    // The result panels, one per connection row.
    const QList<QLabel *> &results() const { return m_results; }
    QPushButton *okButton() const { return m_ok; }

private:
    QLabel *m_fileSize;
    QList<QLabel *> m_results;
    QPushButton *m_ok;
};

} // namespace tagloom
