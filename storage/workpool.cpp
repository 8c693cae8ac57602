#include "workpool.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

static std::atomic<int> s_threadCount{0};

int WorkPool::threadCount()
{
    const int count = s_threadCount.load();
    return count > 0 ? count : qMax(1, QThread::idealThreadCount());
}

void WorkPool::setThreadCount(int count)
{
    s_threadCount.store(qMax(0, count));
}

namespace {

// What the workers and the waiting thread share.
struct Batch
{
    std::mutex mutex;
    std::condition_variable finished;
    int next = 0;
    int done = 0;
};

} // namespace

void WorkPool::forEach(int count, const std::function<void(int)> &job, const std::function<void(int)> &progress,
                       QEventLoop::ProcessEventsFlags flags)
{
    if (count <= 0)
        return;
    Batch batch;
    // Workers wake the waiting thread's event loop; the wake-up carries no data, the counts are read
    // under the mutex.
    QAbstractEventDispatcher *dispatcher =
        QCoreApplication::instance() ? QAbstractEventDispatcher::instance(QThread::currentThread()) : nullptr;
    const auto work = [&batch, &job, count, dispatcher] {
        for (;;) {
            int index;
            {
                std::lock_guard<std::mutex> lock(batch.mutex);
                if (batch.next >= count)
                    return;
                index = batch.next++;
            }
            job(index);
            {
                std::lock_guard<std::mutex> lock(batch.mutex);
                ++batch.done;
            }
            batch.finished.notify_all();
            if (dispatcher)
                dispatcher->wakeUp();
        }
    };
    std::vector<std::thread> threads;
    const int wanted = qMin(count, threadCount());
    threads.reserve(size_t(wanted));
    for (int i = 0; i < wanted; ++i)
        threads.emplace_back(work);

    int reported = 0;
    for (;;) {
        int done;
        {
            std::unique_lock<std::mutex> lock(batch.mutex);
            if (!dispatcher)
                batch.finished.wait(lock, [&batch, reported] { return batch.done > reported; });
            done = batch.done;
        }
        if (done > reported) {
            reported = done;
            if (progress)
                progress(done);
        }
        if (done >= count)
            break;
        // Returns as soon as a worker wakes it, or with any event of the window.
        if (dispatcher)
            QCoreApplication::processEvents(flags | QEventLoop::WaitForMoreEvents);
    }
    for (std::thread &thread : threads)
        thread.join();
}

void WorkPool::run(const std::function<void()> &job)
{
    forEach(1, [&job](int) { job(); });
}
