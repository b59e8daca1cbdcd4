#pragma once
// The "Check Site Links" window: the findings of the site link check over one
// folder in a sortable table (File, Line, Kind, Reference, Message), their
// count in the caption. The check runs off the user-interface thread; a
// double-click opens the file at the finding's line.

#include "base/background_job.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tagloom {

struct LinkCheckReport;

class LinkCheckWindow : public QWidget {
    Q_OBJECT
public:
    // Opens `path` (absolute) with the caret at `line` and `column` (from 1).
    using OpenAt = std::function<void(const QString &path, int line, int column)>;
    explicit LinkCheckWindow(OpenAt openAt, QWidget *parent = nullptr);
    ~LinkCheckWindow() override;

    // Starts a check of `folder`; its findings replace the table when it is
    // done. A check still under way is dropped.
    void check(const QString &folder);
    bool isChecking() const { return m_checking; }
    QString folder() const { return m_folder; }
    QTableWidget *results() const { return m_results; }
    QLabel *status() const { return m_status; }
    // What a double-click on the row does.
    void openRow(int row);

signals:
    void checkFinished();

private:
    void showReport(const LinkCheckReport &report);

    OpenAt m_openAt;
    QTableWidget *m_results = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_again = nullptr;
    QString m_folder;
    BackgroundJob m_job;
    int m_generation = 0; // tells the current check's result from a dropped one's
    bool m_checking = false;
};

} // namespace tagloom
