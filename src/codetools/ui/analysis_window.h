#pragma once
// The "HTML Document Analysis" tool window: the findings of the last run in a
// three-column list. A run happens each time the window goes from hidden to
// visible, over the analysis working file in the data folder, and again when
// the rule table ("HTML 4" or "HTML 5") is changed or the "Skip server-side
// code" box is ticked or cleared; both choices are kept in the settings.

#include "settings/app_settings.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QTableWidget;

namespace tagloom {

// The analysis's choices as the settings keep them.
struct AnalysisSettingsHooks {
    std::function<AppSettings()> settings;                         // the settings in memory
    std::function<void(Setting, const QString &stored)> remember; // one setting, kept for good
};

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisWindow(QString dataFolder, AnalysisSettingsHooks hooks = {}, QWidget *parent = nullptr);

    // Shows the window (running the analysis) or, when it is up, raises it.
    void showOrRaise();
    QTableWidget *results() const { return m_results; }
    QComboBox *rulesBox() const { return m_rules; }
    QCheckBox *skipServerCodeBox() const { return m_skipServerCode; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void run();
    void rulesChosen();

    QString m_dataFolder;
    AnalysisSettingsHooks m_hooks;
    QComboBox *m_rules = nullptr;
    QCheckBox *m_skipServerCode = nullptr;
    QTableWidget *m_results = nullptr;
};

} // namespace tagloom
