#pragma once
// The file work of the main window: the search history (results saved and
// loaded by the file worker, whose final notice the window handles), the
// favourite of the selected result, and every other save the window makes
// (the session, the language choice), which run off the UI thread through
// BackgroundFileTask. While any of them runs the window is disabled, under
// the wait window "処理中" when it takes a moment; the UI thread never waits.

#include "ui/dialogs/BackgroundFileTask.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CFileOperationThread;
class CMessageDlg;
class CSimulatorApp;
class ConditionForm;
class NoticeSink;
class ResultWorkspace;

class ResultFiles final : public QObject {
public:
    // `idle` runs each time a piece of file work has ended and been handled.
    ResultFiles(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, ResultWorkspace& workspace,
                ConditionForm& form, NoticeSink& workerNotices, std::function<void()> idle);
    // A history worker still running is joined by its own destructor.
    ~ResultFiles() override;
    void connectControls();

    // True from the start of a file operation until its end was handled.
    bool running() const;
    CMessageDlg* waitingWindow() const;
    void fillHistoryList(int select);
    // Reacts to the history worker's final notice.
    void handleNotice(int32_t code, int32_t param);
    // Runs `work` off the UI thread with this window disabled; `finished` gets its outcome.
    void runInBackground(const QString& waitLine, BackgroundFileTask::Work work,
                         std::function<void(bool succeeded)> finished);

private:
    void onShowHistory();
    void onSaveResults();
    void onAddFavorite();
    void startFileWorker(std::unique_ptr<CFileOperationThread> worker);
    void showWaitingWindow(const QString& line1);
    void closeWaitingWindow();
    void finishLoad(bool succeeded);
    void finishSave(bool succeeded);

    CSimulatorApp& m_app;
    Ui::CSearchDlg& m_ui;
    QWidget& m_window;
    ResultWorkspace& m_workspace;
    ConditionForm& m_form;
    NoticeSink& m_workerNotices;
    std::function<void()> m_idle;
    std::unique_ptr<CFileOperationThread> m_fileWorker;
    bool m_fileWorkerBusy = false;
    std::unique_ptr<CMessageDlg> m_waitWindow;
    // The control that had the focus before the wait window disabled the
    // window: it gets the focus back, rather than the first control.
    QPointer<QWidget> m_focusBeforeWait;
    int m_tasksRunning = 0;
    QPointer<BackgroundFileTask> m_task;
};

} // namespace zeku
