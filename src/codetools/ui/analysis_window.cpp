#include "codetools/ui/analysis_window.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/messages.h"
#include "base/ui/window_placement.h"
#include "codetools/document_analysis.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tagloom {

AnalysisWindow::AnalysisWindow(QString dataFolder, AnalysisSettingsHooks hooks, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      m_dataFolder(std::move(dataFolder)), m_hooks(std::move(hooks))
{
    setWindowTitle(QStringLiteral("HTML Document Analysis"));
    resize(510, 223);
    m_results = new QTableWidget(0, 3, this);
    m_results->setHorizontalHeaderLabels({QStringLiteral("Invalid"), QStringLiteral("Message"), QStringLiteral("Type")});
    m_results->setColumnWidth(0, 85);
    m_results->setColumnWidth(1, 313);
    m_results->setColumnWidth(2, 76);
    m_results->verticalHeader()->hide();
    m_results->verticalHeader()->setDefaultSectionSize(16);
    m_results->horizontalHeader()->setSectionsMovable(true);
    m_results->verticalHeader()->setSectionsMovable(true);
    m_results->setShowGrid(false);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_skipServerCode = new QCheckBox(QStringLiteral("Skip server-side code"), this);
    m_skipServerCode->setObjectName(QStringLiteral("SkipServerCode"));
    connect(m_skipServerCode, &QCheckBox::toggled, this, [this](bool on) {
        if (m_hooks.remember)
            m_hooks.remember(Setting::SkipServerCode, on ? QStringLiteral("True") : QString());
        if (isVisible())
            run();
    });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_results, 1);
    auto *options = new QHBoxLayout;
    options->setContentsMargins(4, 0, 4, 2);
    options->addWidget(m_skipServerCode);
    options->addStretch(1);
    layout->addLayout(options);
}

void AnalysisWindow::showOrRaise()
{
    if (isVisible()) {
        raise();
        return;
    }
    showCentredOnScreen(this);
}

void AnalysisWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) // hidden to visible, not a restore from minimised
        run();
}

void AnalysisWindow::run()
{
    m_results->setRowCount(0);
    auto file = readWholeFile(m_dataFolder + QLatin1String(DataPath::AnalysisWork));
    if (!file) {
        showMessage(this, MessageKind::Error, QStringLiteral("Error"), file.error);
        return;
    }
    AnalysisOptions options;
    if (m_hooks.settings) {
        // Preferences may have changed it since the last run.
        const QSignalBlocker quiet(m_skipServerCode);
        m_skipServerCode->setChecked(m_hooks.settings().flag(Setting::SkipServerCode));
    }
    options.skipServerCode = m_skipServerCode->isChecked();
    const QVector<AnalysisRow> rows = analyseFile(*file, options);
    m_results->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        m_results->setItem(r, 0, new QTableWidgetItem(rows[r].invalid));
        m_results->setItem(r, 1, new QTableWidgetItem(rows[r].message));
        m_results->setItem(r, 2, new QTableWidgetItem(rows[r].type));
    }
}

} // namespace tagloom
