#pragma once
// "Create a Table...": a table laid out in an editable grid, cell texts
// included, written between two marker comments below the caret line. The
// dialog keeps its fields and cells between showings; OK and Cancel put the
// sizes back, never the cell texts.

#include "tags/table_markup.h"
#include "tags/ui/markup_dialog.h"

class QLineEdit;
class QTableWidget;

namespace tagloom {

class UpDownEdit;

class TableDialog : public MarkupDialog {
    Q_OBJECT
public:
    explicit TableDialog(ActiveEditor activeEditor, QWidget *parent = nullptr);

    // The grid's cells in the order shown.
    TableFields fields() const;
    // The grid's table columns: grid column N is widget column N - 1, the
    // fixed column 0 being the row header.
    QTableWidget *grid() const { return m_grid; }

protected:
    MarkupOutcome markup() const override;
    void afterInsert() override;
    void afterCancel() override;

private:
    TableGrid gridAsShown() const;
    // The widget shows `grid`, rows and columns in their first order.
    void showGrid(const TableGrid &grid);
    void resizeGrid(bool (*apply)(TableGrid &, const QString &), const QString &text);
    void resetSizes();

    UpDownEdit *m_columns;
    UpDownEdit *m_rows;
    QLineEdit *m_border;
    QLineEdit *m_height;
    QLineEdit *m_width;
    QTableWidget *m_grid;
    // The cells, also those outside the grid's present size, which show
    // again when it grows back over them.
    TableGrid m_cells;
};

} // namespace tagloom
