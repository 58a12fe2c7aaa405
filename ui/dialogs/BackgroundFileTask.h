#pragma once
// One piece of file work started from a window (a save that takes the folder
// lock, a load) run off the UI thread, so that a folder another process holds
// locked never freezes the window.
//
// The owner is disabled at once, so nothing else rewrites the same files; when
// the work takes longer than a moment the wait window "処理中" appears over it.
// When the work ends its outcome comes back to the UI thread as one queued
// call: the wait window goes, the owner is enabled with the focus where it was,
// and `finished` runs. The UI thread never waits for the work and the work
// never waits for the UI. Errors the work reports reach the user through the
// error reporter, which never blocks a worker either.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <thread>

class QWidget;

namespace zeku {

class CMessageDlg;

class BackgroundFileTask final : public QObject {
    Q_OBJECT

public:
    using Work = std::function<bool()>;
    using Finished = std::function<void(bool succeeded)>;

    // How long the work may run before the wait window appears.
    static constexpr int kWaitWindowDelayMs = 300;

    // Starts `work` on a thread of its own. `work` must not touch widgets: hand
    // it copies. `finished` runs on the UI thread when `owner` still exists.
    // The task deletes itself after that; the returned pointer is for tests.
    static BackgroundFileTask* start(QWidget* owner, const QString& waitLine, Work work, Finished finished);

    // The number of tasks whose work has not yet been handed back; a window
    // that closes waits (without blocking) until it is 0.
    static int running();
    // Runs `then` on the UI thread once no task is running: at once when none
    // is, else after the last one has been handed back.
    static void whenIdle(std::function<void()> then);

    // The wait window while it is up (for tests and the window walk).
    CMessageDlg* waitWindow() const { return m_waitWindow.get(); }

    ~BackgroundFileTask() override;

private:
    BackgroundFileTask(QWidget* owner, QString waitLine, Finished finished);
    void showWaitWindow();
    void onWorkEnded(bool succeeded);
    // Tasks over one owner nest: the first disables it, the last enables it.
    static void holdOwner(QWidget& owner);
    static bool releaseOwner(QWidget& owner);

    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_focusBefore;
    QString m_waitLine;
    Finished m_finished;
    QTimer m_waitDelay;
    std::unique_ptr<CMessageDlg> m_waitWindow;
    std::thread m_thread;
};

} // namespace zeku
