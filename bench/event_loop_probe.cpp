#include "event_loop_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <ctime>
#include <deque>

namespace tagloom::bench {

namespace {

qint64 processCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

} // namespace

StallProbe::StallProbe()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
    m_clock.start();
    m_timer.start();
    reset();
}

void StallProbe::reset()
{
    m_lastNs = m_clock.nsecsElapsed();
    m_worstNs = 0;
}

void StallProbe::tick()
{
    const qint64 now = m_clock.nsecsElapsed();
    m_worstNs = std::max(m_worstNs, now - m_lastNs);
    m_lastNs = now;
}

double StallProbe::worstGapMs() const
{
    // A gap still open counts too.
    return std::max(m_worstNs, m_clock.nsecsElapsed() - m_lastNs) / 1e6;
}

double runUntil(const std::function<bool()> &done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!done())
            QThread::usleep(500);
    }
    return clock.nsecsElapsed() / 1e6;
}

double runUntilQuiet(int limitMs)
{
    constexpr qint64 kWindowNs = 300'000'000;
    constexpr qint64 kStepNs = 50'000'000;
    QElapsedTimer clock;
    clock.start();
    std::deque<std::pair<qint64, qint64>> samples; // (wall, cpu)
    samples.emplace_back(0, processCpuNs());
    qint64 nextSample = kStepNs;
    while (clock.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(1000);
        const qint64 wall = clock.nsecsElapsed();
        if (wall < nextSample)
            continue;
        nextSample = wall + kStepNs;
        samples.emplace_back(wall, processCpuNs());
        while (samples.size() > 2 && samples.back().first - samples[1].first >= kWindowNs)
            samples.pop_front();
        const auto &[wall0, cpu0] = samples.front();
        const qint64 span = wall - wall0;
        if (span >= kWindowNs && (samples.back().second - cpu0) * 10 < span)
            return wall0 / 1e6;
    }
    return clock.nsecsElapsed() / 1e6;
}

PaintCounter::PaintCounter(QObject *watched) : QObject(watched)
{
    watched->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return false;
}

} // namespace tagloom::bench
