#pragma once
// The main window's search run: starts the search worker on a condition,
// follows its notices with the progress window (at most two displays a
// second, however often the worker posts), cancels it on request, and hands
// its final notice to the window. The window never waits for the worker: a
// close while it runs asks it to stop and goes on when the final notice comes.

#include "search/EquipFindThread.h"
#include "search/SearchCondition.h"
#include "search/SearchTypes.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace zeku {

class CFindProcessDlg;
class CSimulatorApp;
class MainWindowFrame;
class NoticeSink;
class SearchResultStore;

class MainSearchRun final : public QObject {
public:
    // `ended` gets the final notice's code once the progress window shows it.
    using Ended = std::function<void(int32_t code)>;

    MainSearchRun(CSimulatorApp& app, QWidget& window, MainWindowFrame& frame, NoticeSink& workerNotices, Ended ended);
    // Asks a running search to stop; the worker's own destructor then joins it.
    ~MainSearchRun() override;

    // Starts a search of `condition` into `store`, which outlives the run.
    void start(const SearchCondition& condition, SearchResultStore& store);
    // True from the start of a search until its final notice was handled.
    bool running() const { return m_running; }
    void requestStop();
    CFindProcessDlg* progressWindow() const { return m_progressWindow; }
    // Reacts to one notice of the search worker, as they arrive in posting order.
    void handleNotice(int32_t code);

private:
    void createProgressWindow();
    // Deletes the progress window; with `restore` the main window comes back enabled.
    void closeProgressWindow(bool restore = true);
    void showLatestProgress();
    void onThrottleTimeout();
    void showEnd(int32_t code);

    CSimulatorApp& m_app;
    QWidget& m_window;
    MainWindowFrame& m_frame;
    NoticeSink& m_workerNotices;
    Ended m_ended;
    SearchCondition m_condition;
    SearchProgress m_progress;
    std::unique_ptr<CEquipFindThread> m_worker;
    bool m_running = false;
    QPointer<CFindProcessDlg> m_progressWindow;
    QTimer m_throttle;
    bool m_progressPending = false;
};

} // namespace zeku
