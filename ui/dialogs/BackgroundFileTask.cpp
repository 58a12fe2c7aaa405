#include "ui/dialogs/BackgroundFileTask.h"

#include "ui/dialogs/CMessageDlg.h"
#include "ui/platform/GuiErrorReporter.h"

#include <QWidget>

#include <atomic>

namespace zeku {

namespace {
std::atomic<int> g_running{0};
}

BackgroundFileTask::BackgroundFileTask(QWidget* owner, QString waitLine, Finished finished)
    : m_owner(owner), m_waitLine(std::move(waitLine)), m_finished(std::move(finished))
{
    m_waitDelay.setSingleShot(true);
    m_waitDelay.setInterval(kWaitWindowDelayMs);
    connect(&m_waitDelay, &QTimer::timeout, this, &BackgroundFileTask::showWaitWindow);
}

BackgroundFileTask* BackgroundFileTask::start(QWidget* owner, const QString& waitLine, Work work, Finished finished)
{
    // Not a child of the owner: closing the owner must never wait for the work.
    auto* task = new BackgroundFileTask(owner, waitLine, std::move(finished));
    ++g_running;
    if (owner) {
        task->m_focusBefore = owner->focusWidget();
        owner->setEnabled(false);
    }
    task->m_waitDelay.start();
    task->m_thread = std::thread([task, work = std::move(work)] {
        const bool succeeded = work();
        // The thread's last act: after this it only returns. It reaches the
        // window after the boxes of the errors the work reported.
        GuiErrorReporter::postAfterReports(task, [task, succeeded] { task->onWorkEnded(succeeded); });
    });
    return task;
}

int BackgroundFileTask::running()
{
    return g_running.load();
}

BackgroundFileTask::~BackgroundFileTask()
{
    // Only reached from onWorkEnded, after the thread posted its outcome.
    if (m_thread.joinable())
        m_thread.join();
}

void BackgroundFileTask::showWaitWindow()
{
    if (!m_owner)
        return;
    m_waitWindow = std::make_unique<CMessageDlg>(m_owner);
    m_waitWindow->showMessage(tr("処理中"), m_waitLine, tr("しばらくお待ちください。"));
}

void BackgroundFileTask::onWorkEnded(bool succeeded)
{
    m_waitDelay.stop();
    m_waitWindow.reset();
    if (m_owner) {
        m_owner->setEnabled(true);
        if (m_focusBefore && m_focusBefore->isEnabled())
            m_focusBefore->setFocus();
    }
    --g_running;
    if (m_owner && m_finished)
        m_finished(succeeded);
    deleteLater();
}

} // namespace zeku
