#pragma once
// "Insert Navigation Menu...": a list of texts and addresses, edited in a
// grid of one row per item, written as a drop-down that loads the chosen
// page at once.

#include "tags/navigation_markup.h"
#include "tags/ui/markup_dialog.h"

class QLineEdit;
class QTableWidget;

namespace tagloom {

class UpDownEdit;

class NavigationDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit NavigationDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    // The rows in the order shown.
    NavigationFields fields() const;
    QTableWidget *grid() const { return m_grid; }

protected:
    MarkupOutcome markup() const override;
    void resetFields() override;
    void afterInsert() override;

private:
    // The grid holds `rows`, in that order, and a row stays selected.
    void showRows(const QList<NavigationRow> &rows);
    void itemsChanged(const QString &text);
    // The current row's texts into "Current Text:" and "Current Link:".
    void loadCurrentRow();

    UpDownEdit *m_items;
    QTableWidget *m_grid;
    QLineEdit *m_link;
    QLineEdit *m_text;
    QLineEdit *m_name;
};

} // namespace tagloom
