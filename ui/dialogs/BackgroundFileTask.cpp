#include "ui/dialogs/BackgroundFileTask.h"

#include "ui/dialogs/CMessageDlg.h"
#include "ui/platform/GuiErrorReporter.h"

#include <QWidget>

#include <QVariant>

#include <vector>

namespace zeku {

namespace {
// Touched on the UI thread only.
int g_running = 0;
std::vector<std::function<void()>> g_whenIdle;
// The dynamic property of an owner that counts the tasks over it.
constexpr const char* kTasksOverOwner = "zekuBackgroundFileTasks";
} // namespace

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
        holdOwner(*owner);
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
    return g_running;
}

void BackgroundFileTask::whenIdle(std::function<void()> then)
{
    if (g_running == 0)
        then();
    else
        g_whenIdle.push_back(std::move(then));
}

void BackgroundFileTask::holdOwner(QWidget& owner)
{
    const int tasks = owner.property(kTasksOverOwner).toInt();
    owner.setProperty(kTasksOverOwner, tasks + 1);
    if (tasks == 0)
        owner.setEnabled(false);
}

bool BackgroundFileTask::releaseOwner(QWidget& owner)
{
    const int tasks = owner.property(kTasksOverOwner).toInt() - 1;
    owner.setProperty(kTasksOverOwner, tasks);
    if (tasks > 0)
        return false;
    owner.setEnabled(true);
    return true;
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
    if (m_owner && releaseOwner(*m_owner) && m_focusBefore && m_focusBefore->isEnabled())
        m_focusBefore->setFocus();
    --g_running;
    if (m_owner && m_finished)
        m_finished(succeeded);
    deleteLater();
    if (g_running == 0) {
        std::vector<std::function<void()>> idle;
        idle.swap(g_whenIdle);
        for (const auto& then : idle)
            then();
    }
}

} // namespace zeku
