#include "ui/main/MainSearchRun.h"

#include "ui/app/CSimulatorApp.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/MainWindowFrame.h"

#include <QApplication>

namespace zeku {

namespace {

// Display refresh interval while progress notices arrive: two a second.
constexpr int kProgressIntervalMs = 500;

} // namespace

MainSearchRun::MainSearchRun(CSimulatorApp& app, QWidget& window, MainWindowFrame& frame, NoticeSink& workerNotices,
                             Ended ended)
    : m_app(app), m_window(window), m_frame(frame), m_workerNotices(workerNotices), m_ended(std::move(ended))
{
    m_throttle.setSingleShot(true);
    m_throttle.setInterval(kProgressIntervalMs);
    connect(&m_throttle, &QTimer::timeout, this, [this] { onThrottleTimeout(); });
}

MainSearchRun::~MainSearchRun()
{
    if (m_worker)
        m_worker->requestCancel();
    if (m_progressWindow)
        delete m_progressWindow.data();
}

void MainSearchRun::start(const SearchCondition& condition, SearchResultStore& store)
{
    m_condition = condition;
    m_progress.reset();
    // The previous search ended with its final notice; its thread has ended
    // right after posting it, so this join returns at once.
    m_worker.reset();
    m_worker = std::make_unique<CEquipFindThread>(m_app.master(), m_condition, store, m_progress, m_workerNotices);
    m_running = true;
    m_worker->start();
}

void MainSearchRun::requestStop()
{
    if (m_worker)
        m_worker->requestCancel();
}

void MainSearchRun::createProgressWindow()
{
    closeProgressWindow(false);
    auto* window = new CFindProcessDlg(&m_window, m_condition, m_app.skills());
    m_progressWindow = window;
    connect(window, &CFindProcessDlg::cancelRequested, this, [this] { handleNotice(FindCancelRequest); });
    connect(window, &QDialog::finished, this, [this] { closeProgressWindow(); });
    m_frame.minimiseForWork();
    window->startSearch(m_progress.total.load(), m_progress.rawTotal.load());
}

void MainSearchRun::closeProgressWindow(bool restore)
{
    if (!m_progressWindow)
        return;
    CFindProcessDlg* window = m_progressWindow;
    m_progressWindow = nullptr;
    window->disconnect(this);
    window->hide();
    window->deleteLater();
    if (restore)
        m_frame.restoreWindow();
}

void MainSearchRun::showLatestProgress()
{
    m_progressPending = false;
    if (!m_progressWindow)
        return;
    m_progressWindow->showProgress(m_progress.done.load(), m_progress.rawDone.load());
    m_progressWindow->showHits(m_progress.resultCount.load());
}

void MainSearchRun::onThrottleTimeout()
{
    if (m_progressPending) {
        showLatestProgress();
        m_throttle.start();
    }
}

void MainSearchRun::handleNotice(int32_t code)
{
    switch (code) {
    case FindStarted:
        createProgressWindow();
        return;
    case FindProgress:
    case FindHitCount:
        // The counters are read when shown, so a skipped notice loses nothing.
        m_progressPending = true;
        if (!m_throttle.isActive()) {
            showLatestProgress();
            m_throttle.start();
        }
        return;
    case FindCancelRequest:
        requestStop();
        return;
    case FindCancelled:
        m_running = false;
        m_throttle.stop();
        closeProgressWindow();
        m_frame.restoreWindow();
        m_ended(code);
        return;
    case FindFinished:
    case FindLimitReached:
    case FindOutOfMemory:
        showEnd(code);
        return;
    default:
        return;
    }
}

void MainSearchRun::showEnd(int32_t code)
{
    m_running = false;
    m_throttle.stop();
    // The information sound and the simple beep are one sound here.
    QApplication::beep();
    if (code == FindOutOfMemory && !m_progressWindow) {
        // Memory ran out while the candidates were prepared, before the
        // started notice: the window that tells it, and that enables the
        // main window again when closed, is opened now.
        createProgressWindow();
    }
    if (m_progressWindow) {
        showLatestProgress();
        if (code == FindLimitReached)
            m_progressWindow->showLimitReached();
        else if (code == FindOutOfMemory)
            m_progressWindow->showOutOfMemory();
        m_progressWindow->showNormal();
        m_progressWindow->raise();
        m_progressWindow->activateWindow();
    } else {
        m_frame.restoreWindow();
    }
    m_ended(code);
}

} // namespace zeku
