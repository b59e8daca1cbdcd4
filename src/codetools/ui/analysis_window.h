#pragma once
// The "HTML Document Analysis" tool window: the findings of the last run in a
// three-column list. A run happens each time the window goes from hidden to
// visible, over the analysis working file in the data folder.

#include <QWidget>

class QTableWidget;

namespace tagloom {

class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisWindow(QString dataFolder, QWidget *parent = nullptr);

    // Shows the window (running the analysis) or, when it is up, raises it.
    void showOrRaise();
    QTableWidget *results() const { return m_results; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void run();

    QString m_dataFolder;
    QTableWidget *m_results = nullptr;
};

} // namespace tagloom
