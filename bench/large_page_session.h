#pragma once
// One user's session with a very large page in a real document window:
// open it, Ctrl+End, type a few characters, save. Each step is timed until
// its result is on screen (or on disk), and watched for how long the event
// loop stalled and how long the process kept working afterwards.

#include <QByteArray>
#include <QString>
#include <map>

namespace tagloom::bench {

struct StepFigures {
    double ms = 0;      // until the result was painted (saved, for Save)
    double stallMs = 0; // worst gap of a 10 ms timer from the step until quiet
    double busyMs = 0;  // until the process used under a tenth of a core
};

struct SessionFigures {
    std::map<QString, StepFigures> steps; // "open", "end", "type", "save"
    bool savedExactly = false; // the saved file is the page plus the typing
    QString problem;
};

// The page must end with CR LF; the typing goes at the end of its last line.
SessionFigures runLargePageSession(const QString &path, const QByteArray &page);

} // namespace tagloom::bench
