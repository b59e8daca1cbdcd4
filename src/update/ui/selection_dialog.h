#pragma once
// "Selection": the files a control file offers, every one ticked at first.

#include <QDialog>
#include <QVector>

class QListWidget;

namespace tagloom {

class SelectionDialog : public QDialog {
    Q_OBJECT
public:
    explicit SelectionDialog(const QStringList &descriptions, QWidget *parent = nullptr);
    // One flag per description: ticked after "Ok", none after "Cancel" or closing.
    QVector<bool> selection() const;

    // Shows the dialog modally and returns its selection.
    static QVector<bool> choose(const QStringList &descriptions, QWidget *parent);

private:
    QListWidget *m_list;
};

} // namespace tagloom
