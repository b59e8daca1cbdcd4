#pragma once
// The "HTML Document Analysis" tool window: the findings of the last run in a
// three-column list. A run happens each time the window goes from hidden to
// visible, over the analysis working file in the data folder, and again when
// the rule table ("HTML 4" or "HTML 5") is changed; the choice is kept in
// the settings.

#include <QWidget>

class QComboBox;
class QTableWidget;

namespace tagloom {

class SettingsStore;

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    // `settings` (may be null: the choice is then not kept) must outlive the window.
    AnalysisWindow(QString dataFolder, SettingsStore *settings, QWidget *parent = nullptr);

    // Shows the window (running the analysis) or, when it is up, raises it.
    void showOrRaise();
    QTableWidget *results() const { return m_results; }
    QComboBox *rulesBox() const { return m_rules; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void run();
    void rulesChosen();

    QString m_dataFolder;
    SettingsStore *m_settings;
    QComboBox *m_rules = nullptr;
    QTableWidget *m_results = nullptr;
};

} // namespace tagloom
