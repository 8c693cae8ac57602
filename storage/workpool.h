#pragma once

#include <QEventLoop>

#include <functional>

// The program's objects live on the GUI thread and are used only there. Work that would hold up the
// window (checksums, copies synced to disk, catalogue files written and synced) runs on other threads
// while the calling thread keeps serving its events, so the window repaints and answers; the metadata
// extractor is a process watched through the event loop. Everything shared is guarded by standard
// mutexes, which the thread sanitizer sees.
//
// The jobs must not touch what the calling thread may change while it serves its events: they get
// paths and plain values, and write only their own results.
class WorkPool
{
public:
    // The number of threads used at once: the machine's cores, unless set.
    static int threadCount();
    // 0 sizes the pool to the machine again; tests compare a pool of one thread with the full one.
    static void setThreadCount(int count);

    // Runs job(0) ... job(count - 1), each once, on up to threadCount() threads, taking the indexes in
    // order. The calling thread serves its events while it waits (when it has an event loop) and calls
    // progress(done) there as jobs finish. Returns when every job has run. A caller that must not be
    // replaced meanwhile leaves clicks and keys waiting (QEventLoop::ExcludeUserInputEvents).
    static void forEach(int count, const std::function<void(int)> &job,
                        const std::function<void(int)> &progress = std::function<void(int)>(),
                        QEventLoop::ProcessEventsFlags flags = QEventLoop::AllEvents);

    // Runs one job on another thread and waits for it as forEach does.
    static void run(const std::function<void()> &job);
};
