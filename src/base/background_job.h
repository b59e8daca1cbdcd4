#pragma once
// Long work off the user-interface thread. `work` runs on a thread of the
// program's pool and returns a result; `done` receives that result on the
// thread that started the job, unless `context` is gone by then, in which
// case the result is dropped (and destroyed on that thread all the same).
// The work should look at the job's cancel flag between its steps; a
// cancelled job still ends, with whatever its work returns.

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <type_traits>
#include <utility>

namespace tagloom {

class BackgroundJob {
public:
    using CancelFlag = std::atomic<bool>;

    // `work` is called as work(const CancelFlag &); `done` as done(Result &&).
    template <typename Work, typename Done>
    static BackgroundJob start(QObject *context, Work work, Done done);

    // Asks the work to stop at its next step.
    void cancel() const
    {
        if (m_cancel)
            m_cancel->store(true);
    }
    bool isStarted() const { return m_cancel != nullptr; }

private:
    std::shared_ptr<CancelFlag> m_cancel;
};

template <typename Work, typename Done>
BackgroundJob BackgroundJob::start(QObject *context, Work work, Done done)
{
    using Result = std::decay_t<std::invoke_result_t<Work &, const CancelFlag &>>;
    BackgroundJob job;
    job.m_cancel = std::make_shared<CancelFlag>(false);
    // Lives on the starting thread until it has handed the result over.
    auto *relay = new QObject;
    relay->moveToThread(context->thread());
    auto state = std::make_shared<std::pair<Work, Done>>(std::move(work), std::move(done));
    QThreadPool::globalInstance()->start([state, relay, guard = QPointer<QObject>(context), cancel = job.m_cancel] {
        auto result = std::make_shared<Result>(state->first(*cancel));
        // Nothing of the result stays with this thread once it is posted.
        QMetaObject::invokeMethod(
            relay,
            [state, relay, guard, result = std::move(result)]() mutable {
                if (guard)
                    state->second(std::move(*result));
                result.reset();
                delete relay;
            },
            Qt::QueuedConnection);
    });
    return job;
}

} // namespace tagloom
