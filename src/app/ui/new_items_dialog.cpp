#include "app/ui/new_items_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {

// File names laid out in two columns that follow the view's width.
class TwoColumnList : public QListWidget {
public:
    explicit TwoColumnList(QWidget *parent) : QListWidget(parent)
    {
        setViewMode(QListView::ListMode);
        setFlow(QListView::LeftToRight);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setUniformItemSizes(true);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
    }

protected:
    // The list lays out rows as if a vertical scroll bar were always there,
    // so two cells must fit beside it (and a pixel or two of rounding).
    void resizeEvent(QResizeEvent *event) override
    {
        const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
        const int cell = (maximumViewportSize().width() - scrollBar) / 2 - 2;
        setGridSize(QSize(qMax(1, cell), fontMetrics().height() + 6));
        QListWidget::resizeEvent(event);
    }
};

// Sorted as the user reads them, whatever the letter case.
QStringList filesIn(const QString &folder, const QStringList &patterns)
{
    return QDir(folder).entryList(patterns, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace

NewItemsDialog::NewItemsDialog(QString dataFolder, std::function<void(const QString &)> openTemplate,
                               QWidget *parent)
    : QDialog(parent), m_dataFolder(std::move(dataFolder)), m_openTemplate(std::move(openTemplate))
{
    setWindowTitle(QStringLiteral("New Items"));
    m_pages = new QTabWidget(this);
    m_pages->addTab(new QWidget(m_pages), QStringLiteral("Skeletons"));

    m_templates = new TwoColumnList(m_pages);
    connect(m_templates, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { openTemplateItem(item->text()); });
    m_pages->addTab(m_templates, QStringLiteral("Templates"));
    m_pages->addTab(buildExamplesPage(), QStringLiteral("Examples"));

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
    resize(420, 320);
}

// Look only: the page lists the pages of the working folder but nothing on it acts.
QWidget *NewItemsDialog::buildExamplesPage()
{
    auto *page = new QWidget(m_pages);
    m_categories = new QListWidget(page);
    m_exampleFiles = new QListWidget(page);
    auto *note = new QLabel(QStringLiteral("Please click a category for a general summary of the type of files "
                                           "you may expect to find within the chosen category."),
                            page);
    note->setWordWrap(true);

    auto *grid = new QGridLayout(page);
    grid->addWidget(new QLabel(QStringLiteral("Category:"), page), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Examples:"), page), 0, 1);
    grid->addWidget(m_categories, 1, 0);
    grid->addWidget(m_exampleFiles, 1, 1);
    grid->addWidget(note, 2, 0, 1, 2);
    return page;
}

QString NewItemsDialog::templatesFolder() const
{
    return m_dataFolder + QStringLiteral("/Supplies/Templates");
}

void NewItemsDialog::showEvent(QShowEvent *event)
{
    refreshTemplates();
    refreshExamples();
    m_pages->setCurrentIndex(0);
    QDialog::showEvent(event);
}

void NewItemsDialog::reject()
{
    QDialog::reject();
    m_pages->setCurrentIndex(0);
}

void NewItemsDialog::refreshTemplates()
{
    m_templates->clear();
    m_templates->addItems(filesIn(templatesFolder(), {QStringLiteral("*.htm")}));
}

void NewItemsDialog::refreshExamples()
{
    m_exampleFiles->clear();
    m_exampleFiles->addItems(filesIn(QDir::currentPath(), {QStringLiteral("*.htm"), QStringLiteral("*.html")}));
}

void NewItemsDialog::openTemplateItem(const QString &name)
{
    // Hide first so the new document window, not this dialog, ends up active.
    accept();
    if (m_openTemplate)
        m_openTemplate(templatesFolder() + QLatin1Char('/') + name);
}

} // namespace tagloom
