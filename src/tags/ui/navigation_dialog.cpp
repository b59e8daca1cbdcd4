#include "tags/ui/navigation_dialog.h"

#include "base/ui/file_dialogs.h"
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
enum Column { TextColumn = 0, LinkColumn = 1 };
constexpr int ColumnWidth = 128;
} // namespace

NavigationDialog::NavigationDialog(ActiveEditor activeEditor, QWidget *parent)
    : MarkupDialog(QStringLiteral("Insert Navigation Menu..."), std::move(activeEditor), parent)
{
    setObjectName(QStringLiteral("TNavigationForm"));
    auto *fieldsBox = new QWidget(this);
    FieldRows rows(fieldsBox);
    m_items = rows.addUpDown("EditItems", "Number of Items:", 1, 32767);

    m_grid = new QTableWidget(1, 2, fieldsBox);
    m_grid->setObjectName(QStringLiteral("NavGrid"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Text for Link"), QStringLiteral("Hyperlink/Address")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setTabKeyNavigation(false); // Tab goes on to the fields below

    m_grid->setColumnWidth(TextColumn, ColumnWidth);
    m_grid->setColumnWidth(LinkColumn, ColumnWidth);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    makeSectionsMovable(m_grid, true);
    m_grid->setMinimumHeight(140);
    rows.addWide("Text / Links List:", m_grid);

    m_link = rows.addText("EditLink", "Current Link:");
    connect(rows.addButton("&Browse..."), &QPushButton::clicked, this, [this] {
        FileDialogRequest request;
        request.title = QStringLiteral("Insert a Link...");
        request.filters = {QStringLiteral("All Files (*.*)|*.*")};
        if (chooseInto(m_link, request))
            setCellText(m_grid, m_grid->currentRow(), LinkColumn, m_link->text());
    });
    m_text = rows.addText("EditText", "Current Text:");
    m_name = rows.addText("EditName", "Name for Menu:");
    rows.layout()->setContentsMargins(0, 0, 0, 0);

    connect(m_items, &UpDownEdit::textValueChanged, this, &NavigationDialog::itemsChanged);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &NavigationDialog::loadCurrentRow);
    connect(m_text, &QLineEdit::textEdited, this,
            [this](const QString &text) { setCellText(m_grid, m_grid->currentRow(), TextColumn, text); });
    connect(m_link, &QLineEdit::textEdited, this,
            [this](const QString &text) { setCellText(m_grid, m_grid->currentRow(), LinkColumn, text); });
    // A cell typed into directly shows in the field below.
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (item->row() == m_grid->currentRow())
            loadCurrentRow();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fieldsBox);
    addButtonRow(layout);
    setFocusProxy(m_items);
    resetFields();
}

NavigationFields NavigationDialog::fields() const
{
    NavigationFields f;
    f.Items = m_items->textValue();
    f.Name = m_name->text();
    f.Rows.clear();
    for (int row = 0; row < m_grid->rowCount(); ++row)
        f.Rows.append({shownCellText(m_grid, row, TextColumn), shownCellText(m_grid, row, LinkColumn)});
    return f;
}

MarkupOutcome NavigationDialog::markup() const { return navigationMarkup(fields()); }

void NavigationDialog::showRows(const QList<NavigationRow> &rows)
{
    const int current = qMax(0, m_grid->verticalHeader()->visualIndex(m_grid->currentRow()));
    const QSignalBlocker quiet(m_grid);
    m_grid->clearContents();
    unmoveSections(m_grid->verticalHeader());
    m_grid->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        setCellText(m_grid, row, TextColumn, rows[row].Text);
        setCellText(m_grid, row, LinkColumn, rows[row].Link);
    }
    m_grid->setCurrentCell(qMin(current, m_grid->rowCount() - 1), TextColumn);
}

void NavigationDialog::itemsChanged(const QString &text)
{
    // A text that is no count (also the empty field while the user retypes
    // it) leaves the rows as they are.
    const std::optional<int> count = navigationItemCount(text);
    if (count && *count != m_grid->rowCount())
        showRows(resizedNavigationRows(fields().Rows, text));
}

void NavigationDialog::loadCurrentRow()
{
    const int row = m_grid->currentRow();
    const QTableWidgetItem *text = row < 0 ? nullptr : m_grid->item(row, TextColumn);
    const QTableWidgetItem *link = row < 0 ? nullptr : m_grid->item(row, LinkColumn);
    m_text->setText(text ? text->text() : QString());
    m_link->setText(link ? link->text() : QString());
}

void NavigationDialog::resetFields()
{
    m_name->clear();
    afterInsert();
    m_items->setTextValue(QStringLiteral("1"));
}

void NavigationDialog::afterInsert()
{
    // One empty data row, selected, and empty fields to type into it.
    showRows({NavigationRow{}});
    m_grid->setCurrentCell(0, TextColumn);
    loadCurrentRow();
}

} // namespace tagloom
