#include "site/ui/link_check_window.h"

#include "site/link_check.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {

enum Column { FileColumn, LineColumn, KindColumn, ReferenceColumn, MessageColumn, ColumnCount };

constexpr int NumberRole = Qt::UserRole;    // the line or the row's place, for sorting
constexpr int PathRole = Qt::UserRole + 1;  // the file's absolute path
constexpr int ColumnRole = Qt::UserRole + 2; // the finding's column

// Sorts by the number it carries (a line), not by its text.
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(const QString &text, qint64 number) : QTableWidgetItem(text) { setData(NumberRole, number); }
    bool operator<(const QTableWidgetItem &other) const override
    {
        return data(NumberRole).toLongLong() < other.data(NumberRole).toLongLong();
    }
};

// Sorts by its path, then by the place the check gave it (its position in
// the page).
class FileItem : public QTableWidgetItem {
public:
    FileItem(const QString &path, int place) : QTableWidgetItem(path) { setData(NumberRole, place); }
    bool operator<(const QTableWidgetItem &other) const override
    {
        if (const int byName = text().compare(other.text()))
            return byName < 0;
        return data(NumberRole).toInt() < other.data(NumberRole).toInt();
    }
};

const QString Title = QStringLiteral("Check Site Links");

} // namespace

LinkCheckWindow::LinkCheckWindow(OpenAt openAt, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_openAt(std::move(openAt))
{
    setObjectName(QStringLiteral("LinkCheckWindow"));
    setWindowTitle(Title);
    resize(760, 360);
    m_results = new QTableWidget(0, ColumnCount, this);
    m_results->setObjectName(QStringLiteral("LinkCheckResults"));
    m_results->setHorizontalHeaderLabels({QStringLiteral("File"), QStringLiteral("Line"), QStringLiteral("Kind"),
                                          QStringLiteral("Reference"), QStringLiteral("Message")});
    m_results->setColumnWidth(FileColumn, 180);
    m_results->setColumnWidth(LineColumn, 50);
    m_results->setColumnWidth(KindColumn, 60);
    m_results->setColumnWidth(ReferenceColumn, 180);
    m_results->horizontalHeader()->setStretchLastSection(true);
    m_results->verticalHeader()->hide();
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setSortingEnabled(true);
    connect(m_results, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { openRow(row); });

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LinkCheckStatus"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_again = new QPushButton(QStringLiteral("Check &Again"), this);
    connect(m_again, &QPushButton::clicked, this, [this] {
        if (!m_folder.isEmpty())
            check(m_folder);
    });
    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_again);
    bottom->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_results);
    layout->addLayout(bottom);
}

LinkCheckWindow::~LinkCheckWindow()
{
    m_job.cancel();
}

void LinkCheckWindow::check(const QString &folder)
{
    m_job.cancel();
    m_folder = folder;
    m_checking = true;
    m_again->setEnabled(false);
    m_results->setRowCount(0);
    setWindowTitle(Title);
    m_status->setText(QStringLiteral("Checking %1 ...").arg(QDir::toNativeSeparators(folder)));
    const int generation = ++m_generation;
    m_job = BackgroundJob::start(
        this, [folder](const BackgroundJob::CancelFlag &cancel) { return checkSiteLinks(folder, &cancel); },
        [this, generation](Result<LinkCheckReport> &&report) {
            if (generation != m_generation) // a later check took its place
                return;
            m_checking = false;
            m_again->setEnabled(true);
            if (report)
                showReport(*report);
            else
                m_status->setText(report.error);
            emit checkFinished();
        });
}

void LinkCheckWindow::showReport(const LinkCheckReport &report)
{
    const QDir root(report.folder);
    m_results->setSortingEnabled(false);
    m_results->setRowCount(int(report.findings.size()));
    for (int row = 0; row < report.findings.size(); ++row) {
        const LinkFinding &f = report.findings[row];
        auto *file = new FileItem(f.file, row);
        file->setData(PathRole, root.filePath(f.file));
        file->setData(ColumnRole, f.column);
        m_results->setItem(row, FileColumn, file);
        m_results->setItem(row, LineColumn, new NumberItem(f.line > 0 ? QString::number(f.line) : QString(), f.line));
        m_results->setItem(row, KindColumn, new QTableWidgetItem(QLatin1String(linkFindingKindName(f.kind))));
        m_results->setItem(row, ReferenceColumn, new QTableWidgetItem(f.reference));
        m_results->setItem(row, MessageColumn, new QTableWidgetItem(f.message));
    }
    m_results->setSortingEnabled(true);
    m_results->sortItems(FileColumn);

    const qsizetype count = report.findings.size();
    setWindowTitle(QStringLiteral("%1 - %2 finding%3").arg(Title).arg(count).arg(QLatin1String(count == 1 ? "" : "s")));
    QString status = QStringLiteral("%1: %2 files, %3 pages and style sheets checked; %4 broken, %5 letter case, "
                                    "%6 orphans, %7 remote")
                         .arg(QDir::toNativeSeparators(report.folder))
                         .arg(report.files)
                         .arg(report.pages)
                         .arg(report.count(LinkFindingKind::Broken))
                         .arg(report.count(LinkFindingKind::CaseMismatch))
                         .arg(report.count(LinkFindingKind::Orphan))
                         .arg(report.count(LinkFindingKind::Remote));
    if (const int unread = report.count(LinkFindingKind::Unread))
        status += QStringLiteral(", %1 not read").arg(unread);
    m_status->setText(status);
}

void LinkCheckWindow::openRow(int row)
{
    const QTableWidgetItem *file = m_results->item(row, FileColumn);
    const QTableWidgetItem *line = m_results->item(row, LineColumn);
    if (!file || !line || !m_openAt)
        return;
    m_openAt(file->data(PathRole).toString(), std::max(1, line->data(NumberRole).toInt()),
             std::max(1, file->data(ColumnRole).toInt()));
}

} // namespace tagloom
