#include "base/background_job.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

using namespace tagloom;

namespace {

bool runEventsUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return done();
}

TEST(BackgroundJob, WorksOffThisThreadAndAnswersOnIt)
{
    QObject context;
    QThread *workThread = nullptr;
    QThread *doneThread = nullptr;
    int result = 0;
    BackgroundJob::start(
        &context,
        [&workThread](const BackgroundJob::CancelFlag &) {
            workThread = QThread::currentThread();
            return 6 * 7;
        },
        [&](int &&value) {
            doneThread = QThread::currentThread();
            result = value;
        });
    EXPECT_EQ(result, 0); // only through the event loop
    ASSERT_TRUE(runEventsUntil([&] { return result != 0; }));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(doneThread, QThread::currentThread());
    EXPECT_NE(workThread, QThread::currentThread());
}

TEST(BackgroundJob, ResultForAContextThatIsGoneIsDropped)
{
    auto context = std::make_unique<QObject>();
    std::atomic<bool> worked{false};
    bool answered = false;
    auto result = std::make_shared<int>(1);
    std::weak_ptr<int> watch = result;
    BackgroundJob::start(
        context.get(),
        [&worked, result](const BackgroundJob::CancelFlag &) mutable {
            worked = true;
            return std::move(result);
        },
        [&answered](std::shared_ptr<int> &&) { answered = true; });
    result.reset();
    context.reset();
    ASSERT_TRUE(runEventsUntil([&] { return worked.load() && watch.expired(); }));
    EXPECT_FALSE(answered);
}

TEST(BackgroundJob, CancelStopsTheWorkAtItsNextStep)
{
    QObject context;
    int steps = -1;
    const BackgroundJob job = BackgroundJob::start(
        &context,
        [](const BackgroundJob::CancelFlag &cancelled) {
            int done = 0;
            while (!cancelled && done < 1000000) {
                QThread::msleep(1);
                ++done;
            }
            return done;
        },
        [&steps](int &&done) { steps = done; });
    QThread::msleep(20);
    job.cancel();
    ASSERT_TRUE(runEventsUntil([&] { return steps >= 0; }));
    EXPECT_LT(steps, 1000000);
}

} // namespace
