#include "tags/ui/table_dialog.h"

#include "base/ui/up_down_edit.h"
#include "tags/ui/field_rows.h"
#include "tags/ui/grid_cells.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {
constexpr int FixedColumnWidth = 16;
constexpr int CellWidth = 64;
} // namespace

TableDialog::TableDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Create a Table..."), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TTableForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    const TableFields defaults;
    m_columns = rows.addUpDown("EditCols", "Columns:", 1, MaxTableSize);
    m_rows = rows.addUpDown("EditRows", "Rows:", 1, MaxTableSize);
    m_border = rows.addText("EditBorder", "Border Width:");
    m_height = rows.addText("EditHeight", "Height:");
    m_width = rows.addText("EditWidth", "Width:");
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("Grid2"));
    m_grid->setTabKeyNavigation(true);
    // The row header is the narrow fixed column; the column header is only
    // there to drag columns by.
    m_grid->verticalHeader()->setFixedWidth(FixedColumnWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->verticalHeader()->minimumSectionSize() + 4);
    m_grid->horizontalHeader()->setDefaultSectionSize(CellWidth);
    makeSectionsMovable(m_grid, true);
    m_grid->setMinimumSize(300, 150);

    m_columns->setTextValue(defaults.EditCols);
    m_rows->setTextValue(defaults.EditRows);
    m_border->setText(defaults.EditBorder);
    m_height->setText(defaults.EditHeight);
    m_width->setText(defaults.EditWidth);
    showGrid(defaults.Grid2);
    connect(m_columns, &UpDownEdit::textValueChanged, this,
            [this](const QString &text) { resizeGrid(applyColumnsText, text); });
    connect(m_rows, &UpDownEdit::textValueChanged, this,
            [this](const QString &text) { resizeGrid(applyRowsText, text); });

    auto *top = new QHBoxLayout;
    top->addWidget(fieldsBox);
    top->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    addButtonRow(layout);
    setFocusProxy(m_columns);
}

TableGrid TableDialog::gridAsShown() const
{
    TableGrid grid = m_cells; // the hidden cells stay
    for (int row = 0; row < m_grid->rowCount(); ++row)
        for (int column = 0; column < m_grid->columnCount(); ++column)
            grid.setCell(row, column + 1, shownCellText(m_grid, row, column));
    return grid;
}

void TableDialog::showGrid(const TableGrid &grid)
{
    m_cells = grid;
    m_grid->clearContents();
    unmoveSections(m_grid->verticalHeader());
    unmoveSections(m_grid->horizontalHeader());
    m_grid->setRowCount(grid.rowCount());
    m_grid->setColumnCount(grid.columnCount() - 1);
    QStringList blank;
    for (int row = 0; row < grid.rowCount(); ++row)
        blank.append(QString());
    m_grid->setVerticalHeaderLabels(blank);
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int column = 1; column < grid.columnCount(); ++column)
            setCellText(m_grid, row, column - 1, grid.cell(row, column));
}

void TableDialog::resizeGrid(bool (*apply)(TableGrid &, const QString &), const QString &text)
{
    // A text that is no size (or one too large to build) leaves the grid.
    TableGrid grid = gridAsShown();
    if (apply(grid, text))
        showGrid(grid);
}

TableFields TableDialog::fields() const
{
    TableFields f;
    f.EditCols = m_columns->textValue();
    f.EditRows = m_rows->textValue();
    f.EditBorder = m_border->text();
    f.EditHeight = m_height->text();
    f.EditWidth = m_width->text();
    f.Grid2 = gridAsShown();
    return f;
}

MarkupOutcome TableDialog::markup() const { return MarkupOutcome::inserting(tableMarkup(fields())); }

void TableDialog::afterInsert() { resetSizes(); }

void TableDialog::afterCancel() { resetSizes(); }

void TableDialog::resetSizes()
{
    TableFields f = fields();
    resetTableFields(f);
    {
        const QSignalBlocker quietColumns(m_columns);
        const QSignalBlocker quietRows(m_rows);
        m_columns->setTextValue(f.EditCols);
        m_rows->setTextValue(f.EditRows);
    }
    m_border->setText(f.EditBorder);
    m_height->setText(f.EditHeight);
    m_width->setText(f.EditWidth);
    showGrid(f.Grid2);
}

} // namespace tagloom
