#include "vocabulary/ui/side_panel.h"

#include "base/ui/typed_combo_box.h"
#include "base/data_folder.h"
#include "base/list_file.h"
#include "base/ui/messages.h"
#include "base/ui/multi_row_tabs.h"
#include "vocabulary/script_objects.h"
#include "document/editor_operations.h"
#include "document/insertion.h"

#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {

void addObjectNodes(QTreeWidgetItem *parent, QTreeWidget *tree, const std::vector<ScriptObject> &nodes)
{
    for (const ScriptObject &node : nodes) {
        const QStringList text{QString::fromLatin1(node.text)};
        auto *item = parent ? new QTreeWidgetItem(parent, text) : new QTreeWidgetItem(tree, text);
        addObjectNodes(item, tree, node.children);
    }
}

} // namespace

SidePanel::SidePanel(std::function<EditorOperations *()> activeEditor, QWidget *parent)
    : QDockWidget(QStringLiteral("Code Controller"), parent),
      m_activeEditor(std::move(activeEditor)),
      m_dataFolder(dataFolder())
{
    setObjectName(QStringLiteral("CodeController"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    m_pages = new QTabWidget(this);
    m_pages->setTabPosition(QTabWidget::South);

    m_events = new QListWidget(m_pages);
    // Double-clicks are taken from the viewport: an empty list has no item
    // to emit itemDoubleClicked, yet must still say so.
    m_events->viewport()->installEventFilter(this);

    m_objects = new QTreeWidget(m_pages);
    m_objects->setHeaderHidden(true);
    m_objects->setEditTriggers(QAbstractItemView::NoEditTriggers);
    addObjectNodes(nullptr, m_objects, scriptObjects());
    connect(m_objects, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { insertLine(item->text(0)); });

    m_snippets = makeTable(true);
    m_snippets->setDragDropMode(QAbstractItemView::InternalMove);
    m_snippets->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_snippets, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("&Add Item"), this, [this] {
            const int row = m_snippets->rowCount();
            m_snippets->insertRow(row);
            m_snippets->setItem(row, 0, new QTableWidgetItem);
            m_snippets->setItem(row, 1, new QTableWidgetItem);
        });
        menu.addAction(QStringLiteral("&Delete Item"), this, [this] {
            const int row = m_snippets->currentRow();
            if (row < 1) // the header row stays
                return;
            for (int c = 0; c < 2; ++c)
                if (QTableWidgetItem *item = m_snippets->item(row, c))
                    item->setText(QString());
        });
        menu.addSeparator();
        menu.addAction(QStringLiteral("&Insert Selected"), this, [this] { insertSelectedSecondCell(m_snippets); });
        menu.exec(m_snippets->viewport()->mapToGlobal(at));
    });

    m_characters = makeTable(false);
    m_colors = makeTable(false);
    m_results = new QPlainTextEdit(m_pages);
    m_results->setReadOnly(true);

    m_pages->addTab(m_events, QStringLiteral("Events"));
    m_pages->addTab(m_objects, QStringLiteral("Objects"));
    m_pages->addTab(makeTagsPage(), QStringLiteral("Tags"));
    m_pages->addTab(m_snippets, QStringLiteral("Snippets"));
    m_pages->addTab(m_characters, QStringLiteral("Characters"));
    m_pages->addTab(m_results, QStringLiteral("Results"));
    m_pages->addTab(m_colors, QStringLiteral("Named Colors"));
    // Seven names do not fit one row of the narrow panel: they wrap.
    setWidget(withMultiRowTabs(m_pages));
}

QWidget *SidePanel::makeTagsPage()
{
    auto *page = new QWidget(m_pages);
    m_tagBox = new QComboBox(page);
    makeTypedComboBox(m_tagBox); // typing looks names up, it adds none
    m_tagBox->addItems(attributeTagNames());
    m_tagBox->setEditText(QStringLiteral("Select a Tag..."));
    m_attributes = new QListWidget(page);
    m_attributes->setSortingEnabled(true);
    connect(m_tagBox, &QComboBox::currentTextChanged, this, &SidePanel::loadAttributes);

    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_tagBox);
    layout->addWidget(m_attributes, 1);
    return page;
}

void SidePanel::loadAttributes(const QString &tag)
{
    // A partial or unknown name while typing has no file: the list stays as
    // it was rather than flickering empty between keystrokes.
    const Result<QStringList> names = readListFile(m_dataFolder + QLatin1String(DataPath::AttrFolder) + tag +
                                                   QLatin1String(".tlx"));
    if (!names)
        return;
    m_attributes->clear();
    m_attributes->addItems(*names);
}

bool SidePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_events->viewport() && event->type() == QEvent::MouseButtonDblClick)
        eventsDoubleClicked();
    return QDockWidget::eventFilter(watched, event);
}

void SidePanel::eventsDoubleClicked()
{
    if (m_events->count() == 0) {
        showMessage(this, MessageKind::Warning, QString(), QStringLiteral("No events available."));
        return;
    }
    const QListWidgetItem *item = m_events->currentItem();
    EditorOperations *editor = m_activeEditor ? m_activeEditor() : nullptr;
    if (!item || !item->isSelected() || !editor)
        return;
    insert(editor, lineInsertion(item->text()));
    // Back to typing: the editor, not the list, should take the next keys.
    if (auto *widget = dynamic_cast<QWidget *>(editor))
        widget->setFocus();
}

QTableWidget *SidePanel::makeTable(bool editable)
{
    auto *table = new QTableWidget(0, 2, m_pages);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setColumnWidth(0, editable ? 55 : 54);
    table->setColumnWidth(1, 80);
    table->horizontalHeader()->setStretchLastSection(true);
    if (!editable)
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    else
        table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    table->setTabKeyNavigation(true);
    connect(table, &QTableWidget::cellDoubleClicked, this, [this, table](int row, int) {
        if (row >= 1)
            insertSelectedSecondCell(table);
    });
    return table;
}

void SidePanel::fillTable(QTableWidget *table, const PairRows &rows)
{
    table->setRowCount(0);
    table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        auto *first = new QTableWidgetItem(rows.at(r).first);
        auto *second = new QTableWidgetItem(rows.at(r).second);
        if (r == 0) { // the header row: captions of the columns
            QFont bold = first->font();
            bold.setBold(true);
            for (QTableWidgetItem *item : {first, second}) {
                item->setFont(bold);
                item->setFlags(item->flags() & ~Qt::ItemIsEditable & ~Qt::ItemIsDragEnabled);
            }
        }
        table->setItem(r, 0, first);
        table->setItem(r, 1, second);
    }
}

void SidePanel::setTables(const VocabularyTables &tables)
{
    m_events->clear();
    m_events->addItems(tables.events);
    fillTable(m_snippets, tables.snippets);
    fillTable(m_characters, tables.characters);
    fillTable(m_colors, tables.namedColors);
}

PairRows SidePanel::snippetRows() const
{
    PairRows rows;
    for (int r = 0; r < m_snippets->rowCount(); ++r) {
        const QTableWidgetItem *a = m_snippets->item(r, 0);
        const QTableWidgetItem *b = m_snippets->item(r, 1);
        rows.append({a ? a->text() : QString(), b ? b->text() : QString()});
    }
    return rows;
}

void SidePanel::insertLine(const QString &text)
{
    insert(m_activeEditor ? m_activeEditor() : nullptr, lineInsertion(text));
}

void SidePanel::insertSelectedSecondCell(QTableWidget *table)
{
    const int row = table->currentRow();
    if (row < 1)
        return;
    const QTableWidgetItem *item = table->item(row, 1);
    insertLine(item ? item->text() : QString());
}

void SidePanel::showResults(const QString &text)
{
    m_pages->setCurrentWidget(m_results);
    m_results->setPlainText(text);
}

} // namespace tagloom
