#pragma once
// The main search window. It composes its parts, each with one role:
//   ConditionForm (WantedSkillEditor, FixedEquipmentLists)  the condition area;
//   MainSearchRun      the search worker and its progress window;
//   ResultWorkspace    the results on display and their views;
//   ResultFiles        history, favourites and every save, off the UI thread;
//   FollowUpWindows    "追加スキル検索", set fits, "見つからない理由";
//   EditingDialogs     the list editors, manual editor and organiser;
//   MainWindowFrame, MainWindowSession, LanguageMenu  layout, session, language.
// The window owns its menus and takes the workers' notices on the UI thread in
// posting order; it never waits for a worker: a close while one runs goes on
// when its final notice arrives.

#include "search/EquipFindThread.h"
#include "search/EquipSet.h"
#include "search/NoResultExplanation.h"
#include "search/SearchCondition.h"
#include "search/SearchResultStore.h"
#include "search/SearchTypes.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/WindowAnchoring.h"
#include "ui/platform/QtNoticeSink.h"
#include "userfiles/FileOperationThread.h"
#include "userfiles/SessionFile.h"

#include <QDialog>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CMessageDlg;
class CSimulatorApp;
class ConditionForm;
class EditingDialogs;
class FollowUpWindows;
class LanguageMenu;
class MainWindowFrame;
class MainWindowSession;
class ResultFiles;
class ResultWorkspace;
class MainSearchRun;

class CSearchDlg : public QDialog {
    Q_OBJECT

public:
    // The smallest size the window can be made.
    static constexpr int kMinWidth = 820;
    static constexpr int kMinHeight = 630;
    // Rows of the set view (weapon, five pieces, totals); rows of skill totals
    // shown at the opening size, and kept at any size.
    static constexpr int kSetViewRows = 7;
    static constexpr int kTotalsRowsAtOpening = 8;
    static constexpr int kTotalsRowsAtLeast = 3;

    // Workers post their notices to `workerNotices` when given (tests hold
    // and hand them on through handleNotice), else straight to this window.
    explicit CSearchDlg(CSimulatorApp& app, QWidget* parent = nullptr, NoticeSink* workerNotices = nullptr);
    // A search still running is asked to stop; the workers' own destructors join them.
    ~CSearchDlg() override;

    // State behind the controls (for the windows this one opens, and tests).
    const std::vector<SkillPoint>& wantedSkills() const;
    const EquipSet& fixedSet() const;
    // The condition of the results on display: the last search started from
    // this window, or the one stored with the history entry loaded.
    const SearchCondition& currentCondition() const;
    // The condition the controls describe now, as a search from this window
    // would run it; a maximum count of 0 (or none) is the default count.
    SearchCondition conditionFromControls() const;
    const SearchResultStore* currentResults() const;
    bool resultsStored() const;
    // True from the start of a search until its final notice was handled.
    bool searchRunning() const;
    // True from the start of a file operation until its end was handled.
    bool fileOperationRunning() const;
    CFindProcessDlg* progressWindow() const;
    CMessageDlg* waitingWindow() const;

    void setSex(int sex);
    void setJob(int job);
    void setRarityCode(RarityFilterCode code);
    // Replaces the fixed equipment and refreshes the fixed lists.
    void replaceFixedSet(const EquipSet& set);
    // Replaces the wanted skills and shows them (selecting `select` when >= 0).
    void replaceWantedSkills(const std::vector<SkillPoint>& wanted, int select = -1);

    // The question asked before results not stored are discarded, in the
    // windows' language.
    static QString discardQuestion();

    // Brings back the frame and condition the last window left in the user
    // folder (a missing, foreign or damaged file changes nothing) and keeps
    // them there again when this window closes.
    void restoreSession();
    // A frame at least partly off every screen, moved onto the primary one.
    static QRect frameOnScreen(const QRect& frame, const QSize& minimum);

    // Reacts to one worker notice, as they arrive in posting order.
    void handleNotice(const Notice& notice);

public Q_SLOTS:
    void done(int result) override;

protected:
    // The store a new search fills; tests hand one that runs out of memory early.
    virtual std::unique_ptr<SearchResultStore> newResultStore();
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The window's context menu: the version window (F1) and "言語".
    void addWindowMenu();
    void onSearch();
    void onSearchEnded(int32_t code);
    // Keeps the session and closes, once no worker runs.
    void finishClosing();

    CSimulatorApp& m_app;
    std::unique_ptr<Ui::CSearchDlg> m_ui;
    QtNoticeSink m_notices;
    NoticeSink* m_workerNotices;
    std::unique_ptr<MainWindowFrame> m_frame;
    std::unique_ptr<ConditionForm> m_form;
    std::unique_ptr<ResultWorkspace> m_workspace;
    std::unique_ptr<ResultFiles> m_files;
    std::unique_ptr<MainSearchRun> m_run;
    std::unique_ptr<FollowUpWindows> m_followUps;
    std::unique_ptr<EditingDialogs> m_editors;
    std::unique_ptr<LanguageMenu> m_language;
    std::unique_ptr<MainWindowSession> m_session;
    // A close agreed to, waiting for the search to stop or the session to be kept.
    bool m_closing = false;
    int m_closeResult = QDialog::Rejected;
    // A close asked for while file work ran: tried again once it has ended.
    std::optional<int> m_closeAfterFileWork;
};

} // namespace zeku
