#include "codetools/ui/analysis_window.h"

#include "base/data_folder.h"
#include "base/file_io.h"
#include "base/ui/messages.h"
#include "base/ui/window_placement.h"
#include "codetools/document_analysis.h"
#include "settings/app_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tagloom {

namespace {

const char *const kRuleNames[] = {"HTML 4", "HTML 5"};

} // namespace

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

    m_rules = new QComboBox(this);
    m_rules->setObjectName(QStringLiteral("RulesBox"));
    for (const char *name : kRuleNames)
        m_rules->addItem(QLatin1String(name));
    if (m_hooks.settings)
        m_rules->setCurrentText(m_hooks.settings().value(Setting::AnalysisRules));
    connect(m_rules, &QComboBox::currentIndexChanged, this, &AnalysisWindow::rulesChosen);
    auto *label = new QLabel(QStringLiteral("Rules:"), this);
    label->setBuddy(m_rules);
    m_skipServerCode = new QCheckBox(QStringLiteral("Skip server-side code"), this);
    m_skipServerCode->setObjectName(QStringLiteral("SkipServerCode"));
    connect(m_skipServerCode, &QCheckBox::toggled, this, [this](bool on) {
        if (m_hooks.remember)
            m_hooks.remember(Setting::SkipServerCode, on ? QStringLiteral("True") : QString());
        if (isVisible())
            run();
    });
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(label);
    bar->addWidget(m_rules);
    bar->addSpacing(12);
    bar->addWidget(m_skipServerCode);
    bar->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_results, 1);
}

void AnalysisWindow::rulesChosen()
{
    if (m_hooks.remember)
        m_hooks.remember(Setting::AnalysisRules, m_rules->currentText());
    if (isVisible())
        run();
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
    options.rules = m_rules->currentIndex() == 1 ? AnalysisRules::Html5 : AnalysisRules::Html4;
    options.dataFolder = m_dataFolder;
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
