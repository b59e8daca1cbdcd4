#include "tags/ui/cfml_builder_dialog.h"

#include "base/ui/messages.h"
#include "tags/cfml_builder.h"
#include "tags/ui/expression_editor.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace tagloom {

CfmlBuilderDialog::CfmlBuilderDialog(ActiveEditor activeEditor, QString dataFolder, QWidget *parent)
    : MarkupDialog(QStringLiteral("CFML Expression Builder"), std::move(activeEditor), parent),
      m_dataFolder(std::move(dataFolder))
{
    setObjectName(QStringLiteral("TColdForm"));
    setWindowFlag(Qt::WindowStaysOnTopHint, false);

    m_editor = new ExpressionEditor(this);
    m_editor->setObjectName(QStringLiteral("RichEdit1"));
    m_editor->setTabChangesFocus(true);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->header()->hide();
    buildTree();
    m_tree->expandAll();
    // A click or Enter on a leaf; loading the same list twice does no harm.
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { chooseCategory(item->text(0)); });
    connect(m_tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) { chooseCategory(item->text(0)); });

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->addItem(cfmlChooseTypePrompt());
    // Every click adds a line, so double clicks must not activate as well:
    // the list takes its clicks and Enter itself.
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) { pickEntry(m_list->row(item)); });
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);

    auto *lists = new QHBoxLayout;
    lists->addWidget(m_tree, 1);
    lists->addWidget(m_list, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_editor, 1);
    layout->addWidget(buildOperatorButtons());
    layout->addLayout(lists, 2);
    addButtonRow(layout);
    setFocusProxy(m_editor);
    resize(520, 420);
}

QWidget *CfmlBuilderDialog::buildOperatorButtons()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (const CfmlOperator &op : cfmlOperators()) {
        const QString caption = QString::fromLatin1(op.caption);
        auto *button = new QPushButton(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")), row);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 16);
        button->setMaximumWidth(button->minimumWidth() + 12);
        connect(button, &QPushButton::clicked, this, [this, text = QString::fromLatin1(op.text)] { addPiece(text); });
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return row;
}

void CfmlBuilderDialog::buildTree()
{
    for (const QString &root : cfmlRoots()) {
        auto *rootItem = new QTreeWidgetItem(m_tree, {root});
        for (const CfmlCategory &c : cfmlCategories())
            if (root == QLatin1String(c.root))
                new QTreeWidgetItem(rootItem, {QString::fromLatin1(c.leaf)});
    }
}

void CfmlBuilderDialog::chooseCategory(const QString &caption)
{
    const std::optional<QString> file = cfmlCategoryFile(m_dataFolder, caption);
    if (!file)
        return;
    m_list->clear();
    const Result<QStringList> entries = loadCfmlCategory(*file);
    if (!entries) {
        showMessage(this, MessageKind::Error, QString(), entries.error);
        return;
    }
    m_list->addItems(*entries);
}

void CfmlBuilderDialog::pickEntry(int row)
{
    if (m_list->count() == 0) {
        showMessage(this, MessageKind::Warning, QString(), cfmlSelectTypeWarning());
        return;
    }
    if (const QListWidgetItem *item = m_list->item(row))
        addPiece(item->text());
}

void CfmlBuilderDialog::addPiece(const QString &piece)
{
    insert(m_editor, cfmlPieceInsertion(piece));
}

bool CfmlBuilderDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease && m_list->count() == 0) {
        pickEntry(0);
        return true;
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            pickEntry(m_list->currentRow());
            return true;
        }
    }
    return MarkupDialog::eventFilter(watched, event);
}

MarkupOutcome CfmlBuilderDialog::markup() const
{
    return MarkupOutcome::inserting(cfmlExpressionInsertion(m_editor->toPlainText()));
}

void CfmlBuilderDialog::afterCancel() { m_editor->clear(); }

} // namespace tagloom
