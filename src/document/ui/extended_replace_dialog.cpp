#include "document/ui/extended_replace_dialog.h"

#include "base/ui/file_dialogs.h"
#include "base/ui/messages.h"
#include "base/ui/window_placement.h"
#include "document/extended_replace.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tagloom {

namespace {

constexpr qint64 MinimumRunMs = 2500;
const char *const CounterCaptions[4] = {"Files Read:", "Bytes Written:", "Bytes Read:", "Occurences:"};

PromptAnswer answerFor(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    case QMessageBox::YesToAll: return PromptAnswer::All;
    default: return PromptAnswer::Cancel; // Cancel, or the box closed
    }
}

} // namespace

// A magnifier sweeping over a page, so a run is visibly busy even while it
// waits out its minimum time.
class SearchAnimation : public QWidget {
public:
    explicit SearchAnimation(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(48, 40);
        m_timer.setInterval(80);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_frame = (m_frame + 1) % 16;
            update();
        });
    }
    void start() { m_timer.start(); }
    void stop()
    {
        m_timer.stop();
        m_frame = 0;
        update();
    }
    bool isRunning() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(palette().color(QPalette::WindowText));
        p.setBrush(palette().color(QPalette::Base));
        p.drawRect(6, 4, 22, 30);
        for (int y = 10; y < 30; y += 5)
            p.drawLine(10, y, 24, y);
        const int step = m_frame < 8 ? m_frame : 16 - m_frame;
        const QPointF centre(14 + step * 2, 12 + step);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 6, 6);
        p.drawLine(centre + QPointF(4, 4), centre + QPointF(10, 10));
    }

private:
    QTimer m_timer;
    int m_frame = 0;
};

ExtendedReplaceDialog::ExtendedReplaceDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Extended Find and Replace"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    setAcceptDrops(true);
    buildLayout();
    resetFields();
}

void ExtendedReplaceDialog::buildLayout()
{
    m_findEdit = new QLineEdit(this);
    m_replaceEdit = new QLineEdit(this);
    auto *texts = new QGridLayout;
    texts->addWidget(new QLabel(QStringLiteral("Find:"), this), 0, 0);
    texts->addWidget(m_findEdit, 0, 1);
    texts->addWidget(new QLabel(QStringLiteral("Replace:"), this), 1, 0);
    texts->addWidget(m_replaceEdit, 1, 1);

    auto *filesGroup = new QGroupBox(QStringLiteral("Files to Find and Replace &with:"), this);
    m_fileList = new QListWidget(filesGroup);
    m_fileList->installEventFilter(this);
    filesGroup->setFocusProxy(m_fileList);
    m_selectButton = new QPushButton(QStringLiteral("&Select"), filesGroup);
    m_clearButton = new QPushButton(QStringLiteral("&Clear"), filesGroup);
    m_selectButton->setAutoDefault(false);
    m_clearButton->setAutoDefault(false);
    auto *fileButtons = new QVBoxLayout;
    fileButtons->addWidget(m_selectButton);
    fileButtons->addWidget(m_clearButton);
    fileButtons->addStretch();
    auto *filesLayout = new QHBoxLayout(filesGroup);
    filesLayout->addWidget(m_fileList, 1);
    filesLayout->addLayout(fileButtons);

    auto *optionsGroup = new QGroupBox(QStringLiteral("Options:"), this);
    auto makeCheck = [optionsGroup](const char *caption, const char *hint) {
        auto *box = new QCheckBox(QString::fromLatin1(caption), optionsGroup);
        box->setToolTip(QString::fromLatin1(hint));
        return box;
    };
    // Ticked means what the caption says: letter case must match.
    m_caseCheck = makeCheck("Case sensitive", "Differentiates uppercase from lowercase when performing a search.");
    m_wholeWordsCheck = makeCheck("Whole words only", "Selects the text only, if it is not part of another word.");
    m_promptCheck = makeCheck("Prompt on replace", "Prompts you before replacing each occurrence of the search string.");
    m_backupCheck = makeCheck("Backup original file", "Makes a backup copy of the original file.");
    auto *optionsLayout = new QVBoxLayout(optionsGroup);
    for (QCheckBox *box : {m_caseCheck, m_wholeWordsCheck, m_promptCheck, m_backupCheck})
        optionsLayout->addWidget(box);

    auto *resultsGroup = new QGroupBox(QStringLiteral("Results:"), this);
    auto *results = new QGridLayout(resultsGroup);
    for (int i = 0; i < 4; ++i) {
        m_counters[i] = new QLabel(resultsGroup);
        results->addWidget(new QLabel(QString::fromLatin1(CounterCaptions[i]), resultsGroup), i / 2, (i % 2) * 2);
        results->addWidget(m_counters[i], i / 2, (i % 2) * 2 + 1);
    }
    m_progress = new QProgressBar(resultsGroup);
    m_progress->setRange(0, 100);
    m_progress->setTextVisible(false);
    m_percent = new QLabel(resultsGroup);
    results->addWidget(new QLabel(QStringLiteral("Progress:"), resultsGroup), 2, 0);
    results->addWidget(m_progress, 2, 1, 1, 2);
    results->addWidget(m_percent, 2, 3);

    m_animation = new SearchAnimation(this);
    m_replaceButton = new QPushButton(QStringLiteral("&Replace"), this);
    m_replaceButton->setDefault(true);
    m_closeButton = new QPushButton(QStringLiteral("&C&lose"), this);
    m_closeButton->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_animation);
    buttons->addStretch();
    buttons->addWidget(m_replaceButton);
    buttons->addWidget(m_closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addWidget(filesGroup, 1);
    layout->addWidget(optionsGroup);
    layout->addWidget(resultsGroup);
    layout->addLayout(buttons);

    connect(m_selectButton, &QPushButton::clicked, this, &ExtendedReplaceDialog::selectFiles);
    connect(m_clearButton, &QPushButton::clicked, this, [this] {
        if (!m_running)
            m_fileList->clear();
    });
    connect(m_replaceButton, &QPushButton::clicked, this, &ExtendedReplaceDialog::runReplace);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::hide);
}

void ExtendedReplaceDialog::resetFields()
{
    m_findEdit->clear();
    m_replaceEdit->clear();
    m_fileList->clear();
    for (QCheckBox *box : {m_caseCheck, m_wholeWordsCheck, m_promptCheck, m_backupCheck})
        box->setChecked(false);
    for (QLabel *counter : m_counters)
        counter->setText(QStringLiteral("0"));
    m_progress->setValue(0);
    m_percent->setText(QStringLiteral("0 %"));
}

void ExtendedReplaceDialog::showDialog()
{
    // A run in progress keeps its fields; showing only brings it forward.
    if (!m_running)
        resetFields();
    adjustSize();
    showCentredOnScreen(this);
    m_findEdit->setFocus();
}

QStringList ExtendedReplaceDialog::files() const
{
    QStringList list;
    for (int i = 0; i < m_fileList->count(); ++i)
        list.append(m_fileList->item(i)->text());
    return list;
}

void ExtendedReplaceDialog::setFiles(const QStringList &files)
{
    m_fileList->clear();
    m_fileList->addItems(files);
}

void ExtendedReplaceDialog::addDroppedPaths(const QStringList &paths)
{
    if (m_running)
        return;
    const QString caption = windowTitle();
    m_fileList->clear();
    for (const QString &path : paths) {
        setWindowTitle(path);
        m_fileList->addItems(filesFromDroppedPath(path));
    }
    setWindowTitle(caption);
}

void ExtendedReplaceDialog::selectFiles()
{
    if (m_running)
        return;
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Select Files");
    request.filters = {QStringLiteral("All Files (*)|*")};
    const QStringList chosen = chooseFiles(this, request);
    if (!chosen.isEmpty())
        setFiles(chosen);
}

void ExtendedReplaceDialog::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls() && !m_running)
        event->acceptProposedAction();
}

void ExtendedReplaceDialog::dropEvent(QDropEvent *event)
{
    QStringList paths;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    addDroppedPaths(paths);
}

bool ExtendedReplaceDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Filtered rather than a shortcut so the key works wherever the list has focus.
    if (watched == m_fileList && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        if (!m_running)
            delete m_fileList->currentItem();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool ExtendedReplaceDialog::isAnimating() const
{
    return m_animation->isRunning();
}

QString ExtendedReplaceDialog::counterText(int index) const
{
    return m_counters[index]->text();
}

QString ExtendedReplaceDialog::percentText() const
{
    return m_percent->text();
}

void ExtendedReplaceDialog::showCounters(const ExtendedReplace &run)
{
    const qint64 values[4] = {run.filesRead(), run.bytesWritten(), run.bytesRead(), run.occurrences()};
    for (int i = 0; i < 4; ++i)
        m_counters[i]->setText(QString::number(values[i]));
    m_progress->setValue(run.percent());
    m_percent->setText(QStringLiteral("%1 %").arg(m_progress->value()));
    QCoreApplication::processEvents();
}

void ExtendedReplaceDialog::waitUntilElapsed(const QElapsedTimer &clock, qint64 minimumMs)
{
    // Measured on the monotonic clock to the nanosecond, and looped because a
    // timer may fire a little early: the run never ends short of the minimum.
    const qint64 minimumNs = minimumMs * 1000000;
    for (qint64 remainingNs = minimumNs - clock.nsecsElapsed(); remainingNs > 0;
         remainingNs = minimumNs - clock.nsecsElapsed()) {
        QEventLoop loop;
        QTimer::singleShot(int((remainingNs + 999999) / 1000000), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void ExtendedReplaceDialog::runReplace()
{
    if (m_running)
        return;
    const QStringList listed = files();
    if (listed.isEmpty()) {
        showMessage(this, MessageKind::Warning, QStringLiteral("Warning"),
                    QStringLiteral("Please select files to search."));
        return;
    }
    m_running = true;
    m_replaceButton->setEnabled(false);
    m_animation->start();
    QElapsedTimer runClock;
    runClock.start();

    ReplaceOptions options;
    options.caseSensitive = m_caseCheck->isChecked();
    options.wholeWords = m_wholeWordsCheck->isChecked();
    options.prompt = m_promptCheck->isChecked();
    options.backup = m_backupCheck->isChecked();
    const QString search = m_findEdit->text();
    const QString replacement = m_replaceEdit->text();
    ExtendedReplace run(search, replacement, options);
    run.setFiles(listed);
    run.setProgressHandler([this, &run] { showCounters(run); });
    run.setPromptHandler([&](const QString &file, const QByteArray &line) {
        return answerFor(showMessage(this, MessageKind::Question, QStringLiteral("Confirm"),
                                     replacePromptText(search, replacement, file, line),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                         | QMessageBox::YesToAll));
    });
    showCounters(run);

    QStringList changed;
    for (const QString &file : listed) {
        const FileReport report = run.processFile(file);
        if (report.outcome == FileOutcome::Changed)
            changed.append(file);
        else if (report.outcome == FileOutcome::Failed)
            showMessage(this, MessageKind::Warning, QStringLiteral("Warning"), report.message);
        showCounters(run);
    }
    setFiles(changed);

    waitUntilElapsed(runClock, MinimumRunMs);
    m_animation->stop();
    m_replaceButton->setEnabled(true);
    m_running = false;
}

} // namespace tagloom
