#pragma once
// The one way a window runs a worker that reports through notices (a search
// pool, a computation of its own thread) without ever waiting for it.
//
// The worker posts to sink(); each notice reaches the window's handler on the
// UI thread, in order, and the worker's last notice is its final one. The
// window reacts to that final notice: closing asks the worker to stop and
// finishes when the final notice comes, and only then is the worker deleted,
// which joins threads that have already ended.
//
// A window destroyed before its worker's final notice leaves the worker to
// its relay: the worker is asked to stop and deleted, with the relay, when
// its final notice arrives; the window's destructor never waits. A worker
// still stopping when the program's event loop has ended is joined then, so
// that none outlives the data it reads.

#include "platform/NoticeSink.h"
#include "ui/platform/QtNoticeSink.h"

#include <QObject>

#include <functional>
#include <memory>
#include <utility>

namespace zeku {

// The notice queue of one window's worker; lives as long as the worker does.
class WorkerRelay final : public QObject {
public:
    using Handler = std::function<void(const Notice&)>;
    using IsFinal = std::function<bool(const Notice&)>;

    WorkerRelay(IsFinal isFinal, Handler handler);

    NoticeSink& sink() { return m_sink; }
    // The worker was started: a final notice will come.
    void started() { m_running = true; }
    // Started and its final notice not yet handled.
    bool running() const { return m_running; }
    // The window goes. A running worker is asked to stop (`stop`) and kept
    // until its final notice; otherwise the worker and the relay go now.
    void release(std::shared_ptr<void> worker, const std::function<void()>& stop);

    // Workers whose windows are gone and whose final notice has not come yet.
    static int stopping();

private:
    void onNotice(const Notice& notice);
    void endAtQuit();

    IsFinal m_isFinal;
    Handler m_handler;
    QtNoticeSink m_sink;
    bool m_running = false;
    std::shared_ptr<void> m_orphan; // the worker, once its window is gone
};

// A window's handle on its worker. `Worker` has start() and requestCancel(),
// and its destructor joins its threads.
template <typename Worker>
class WindowWorker {
public:
    WindowWorker(WorkerRelay::IsFinal isFinal, WorkerRelay::Handler handler)
        : m_relay(new WorkerRelay(std::move(isFinal), std::move(handler)))
    {
    }
    ~WindowWorker()
    {
        Worker* worker = m_worker.get();
        m_relay->release(std::move(m_worker), [worker] { worker->requestCancel(); });
    }
    WindowWorker(const WindowWorker&) = delete;
    WindowWorker& operator=(const WindowWorker&) = delete;

    // Where the next worker posts.
    NoticeSink& sink() { return m_relay->sink(); }
    // Takes the next worker, made with sink(). The one before must never have
    // been started or have had its final notice handled: deleting it is immediate.
    void reset(std::unique_ptr<Worker> worker) { m_worker = std::move(worker); }
    void start()
    {
        m_relay->started();
        m_worker->start();
    }
    // Started, and its final notice not yet handled.
    bool running() const { return m_relay->running(); }
    Worker& operator*() const { return *m_worker; }
    Worker* operator->() const { return m_worker.get(); }

private:
    WorkerRelay* m_relay; // deletes itself through release()
    std::shared_ptr<Worker> m_worker;
};

} // namespace zeku
