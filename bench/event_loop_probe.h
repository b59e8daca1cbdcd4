#pragma once
// Watching the user-interface thread from inside it: how long its event loop
// went without answering, and whether the process is still working.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace tagloom::bench {

// A 10 ms timer on the event loop; the worst gap between two of its ticks is
// the longest time the window could not have answered input.
class StallProbe : public QObject {
public:
    StallProbe();
    // Starts a new measurement from now.
    void reset();
    double worstGapMs() const;

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastNs = 0;
    qint64 m_worstNs = 0;
};

// Runs the event loop until `done` holds or `limitMs` passed; the time it took in ms.
double runUntil(const std::function<bool()> &done, int limitMs);
// Runs the event loop until the process (every thread of it) used less than
// a tenth of one core over 300 ms; the ms until that quiet stretch began.
double runUntilQuiet(int limitMs);

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject *watched);
    int paints() const { return m_paints; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_paints = 0;
};

} // namespace tagloom::bench
