#include "ui/platform/WindowWorker.h"

#include <QCoreApplication>

namespace zeku {

namespace {
int g_stopping = 0; // UI thread only
}

WorkerRelay::WorkerRelay(IsFinal isFinal, Handler handler)
    : m_isFinal(std::move(isFinal)), m_handler(std::move(handler)),
      m_sink(this, [this](const Notice& notice) { onNotice(notice); })
{
}

int WorkerRelay::stopping()
{
    return g_stopping;
}

void WorkerRelay::release(std::shared_ptr<void> worker, const std::function<void()>& stop)
{
    m_handler = nullptr;
    if (!m_running || !worker) {
        // Never started, or ended: deleting the worker joins nothing that runs.
        // Notices still queued for this relay are dropped with it.
        worker.reset();
        delete this;
        return;
    }
    stop();
    m_orphan = std::move(worker);
    ++g_stopping;
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &WorkerRelay::endAtQuit);
}

void WorkerRelay::onNotice(const Notice& notice)
{
    const bool final = m_isFinal(notice);
    if (final)
        m_running = false;
    if (m_orphan) {
        if (final) {
            // Its threads have posted their last notice: the join is immediate.
            m_orphan.reset();
            --g_stopping;
            deleteLater();
        }
        return;
    }
    if (m_handler)
        m_handler(notice);
}

void WorkerRelay::endAtQuit()
{
    // The event loop has ended and no window is left to freeze; the worker was
    // asked to stop already and does within moments.
    if (m_orphan) {
        m_orphan.reset();
        --g_stopping;
    }
}

} // namespace zeku
