#pragma once
// The main search window: the condition area (sex, job, rarity, defence,
// wanted skills, fixed equipment, the three standing-list switches, "検索")
// and the results area (result list, set view, skill totals, search history,
// favourites, clip, condition restore). It owns the current condition and
// results and at most one search worker and one file worker at a time, and
// takes their notices on the UI thread in posting order.

#include "search/EquipFindThread.h"
#include "search/EquipSet.h"
#include "search/NoResultExplanation.h"
#include "search/SearchCondition.h"
#include "search/SearchResultStore.h"
#include "search/SearchTypes.h"
#include "ui/main/WindowAnchoring.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/platform/QtNoticeSink.h"
#include "userfiles/FileOperationThread.h"
#include "userfiles/SessionFile.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QActionGroup;
class QCheckBox;
class QPushButton;
class QSizeGrip;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CMessageDlg;
class CSimulatorApp;

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
    ~CSearchDlg() override; // waits for both workers

    // State behind the controls (for the windows this one opens, and tests).
    const std::vector<SkillPoint>& wantedSkills() const { return m_wanted; }
    const EquipSet& fixedSet() const { return m_fixed; }
    // The condition of the results on display: the last search started from
    // this window, or the one stored with the history entry loaded.
    const SearchCondition& currentCondition() const { return m_resultsCondition; }
    // The condition the controls describe now, as a search from this window
    // would run it; a maximum count of 0 (or none) is the default count.
    SearchCondition conditionFromControls() const;
    const SearchResultStore* currentResults() const { return m_results.get(); }
    bool resultsStored() const { return m_stored; }
    // True from the start of a search until its final notice was handled.
    bool searchRunning() const { return m_searchRunning; }
    // True from the start of a file operation until its notice was handled.
    bool fileOperationRunning() const { return m_fileWorkerBusy; }
    CFindProcessDlg* progressWindow() const { return m_progressWindow; }
    CMessageDlg* waitingWindow() const { return m_waitWindow.get(); }

    // Operations shared by both areas.
    void setSex(int sex);
    void setJob(int job);
    void setRarityCode(RarityFilterCode code);
    // Sex, job, rarity, defence, count and the jewel boxes of a condition.
    void showBasicCondition(const SearchCondition& condition);
    // Replaces the fixed equipment and refreshes the fixed lists.
    void replaceFixedSet(const EquipSet& set);
    // Replaces the wanted skills and shows them (selecting `select` when >= 0).
    void replaceWantedSkills(const std::vector<SkillPoint>& wanted, int select = -1);
    // Wants `skill` as "追加" does: a wanted tree gets the new points, a new one is appended.
    void addWantedSkill(const SkillPoint& skill);
    void updateSkillButtons();
    void updateResultButtons();

    // The question asked before results not stored are discarded, in the
    // windows' language.
    static QString discardQuestion();

    // Brings back the frame and condition the last window left in the user
    // folder (a missing, foreign or damaged file changes nothing) and keeps
    // them there again when this window closes.
    void restoreSession();
    // The frame, condition and language choice this window would keep now.
    SessionState sessionState() const;
    // A frame at least partly off every screen, moved onto the primary one.
    static QRect frameOnScreen(const QRect& frame, const QSize& minimum);

    // Waits until neither worker runs, handling events meanwhile so that a
    // worker waiting for a message box or a notice can finish. A running
    // search is asked to stop first.
    void waitForWorkers();

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
    // Set-up.
    void connectControls();
    // Room for captions a translation made wider (the Japanese layout stays).
    void fitTranslatedCaptions();
    void recordLayout();
    void placeSizeGrip();
    // Gives the condition area its share of the height above the opening height.
    void shareHeightWithCondition(const QSize& size);
    // Shares the height beside the result list between the set view and the totals.
    void fitResultViews();
    // How much taller the window must be for the opening rows; 0 when it fits.
    int openingHeightGrowth() const;
    // Grows the window to that height, within the primary screen.
    void growToOpeningSize();

    // Condition area.
    void fillSkillTreeChooser();
    void fillActivatedSkillChooser();
    // The favourite skills' row of both choosers, in the windows' language.
    static QString favoritesCaption();
    void onSexClicked(int sex);
    void onJobClicked(int job);
    void onAddSkill();
    void onWantedSelectionChanged();
    void onAdjustSkill();
    void onRemoveSkill();
    void onRemoveAllSkills();
    void onPointsTextChanged();
    void refreshFixedLists();
    bool fixedRowHoldsItem(int row) const;
    bool fixedRowHasJewels(int row) const;
    bool allFixedRowsChecked() const;
    void onFixEquipToggled(int row, bool checked);
    void onFixJewelToggled(int row, bool checked);
    void onCheckAllFixed();
    void onSwitchClicked(QCheckBox* box, bool listEmpty, const QString& emptyMessage);
    // The check every search from this window makes first: the condition the
    // controls describe, or nothing after telling the user why it cannot run.
    std::optional<SearchCondition> readyCondition();
    bool excludedSkillConflict();
    uint32_t maxResultsFromControls() const;
    void onSearch();
    void onAddableSearch(); // "追加スキル検索", SearchDlgAddable.cpp
    // "このセットに追加できるスキル" on the result the list's menu opened on.
    void onSetFits();
    // "見つからない理由", SearchDlgExplain.cpp.
    void setUpExplainButton();
    void offerExplanation(bool offer);
    void onExplainNoResult();
    void applyConditionChange(const ConditionChange& change);

    // Results area.
    void onSearchNotice(int32_t code);
    void onFileNotice(int32_t code, int32_t param);
    void createProgressWindow();
    // Deletes the progress window; with `restore` this window comes back enabled.
    void closeProgressWindow(bool restore = true);
    void onProgressWindowFinished();
    // Minimises this window while a search or the manual editor has the
    // screen, remembering whether restoreMainWindow() brings it back maximised.
    void minimiseForWork();
    void restoreMainWindow();
    void showLatestProgress();
    void onThrottleTimeout();
    void showResultList();
    // Selects the first row of the result list, so that its set is shown.
    void showFirstResult();
    void emptyResultViews();
    void onResultSelectionChanged();
    const EquipSet* selectedResult() const;
    void fillHistoryList(int select);
    // True when nothing unstored is on display or the user agrees to discard it.
    bool mayDiscardResults();
    void onShowHistory();
    void onSaveResults();
    void onAddFavorite();
    void onClip();
    void onRestoreCondition();
    void startFileWorker(std::unique_ptr<CFileOperationThread> worker);
    void waitForFileWorker();
    void waitForSearchWorker();
    void showWaitingWindow(const QString& line1);
    void closeWaitingWindow();
    void showAbout();
    void saveSessionOnClose();
    // The context menu's "言語" (SearchDlgLanguage.cpp): the language the
    // program starts in from now on, kept in the session file at once.
    void addLanguageMenu();
    void showLanguageChoice();
    void chooseLanguage(const std::string& code);

    // Editing dialogs.
    void connectEditors();
    // Runs the manual editor on `set` with this window minimised; true on OK,
    // and then the edited set is in `edited` (when given).
    bool runManualEditor(uint16_t sex, uint16_t job, const EquipSet& set, bool fixedCondition,
                         EquipSet* edited = nullptr);
    void onEditFixedSet();

    CSimulatorApp& m_app;
    std::unique_ptr<Ui::CSearchDlg> m_ui;
    QSizeGrip* m_sizeGrip = nullptr;
    WindowAnchoring m_anchoring;
    bool m_layoutRecorded = false;
    static constexpr int kResultViewGap = 4;
    // The condition area takes this part (1/n) of the height gained above the opening height.
    static constexpr int kConditionGrowthDivisor = 3;
    int m_openingHeight = 0;
    // Room left for the window frame and title bar on the screen.
    static constexpr int kFrameAllowance = 40;
    bool m_keepSession = false;
    // The session as the window first appeared (placed and restored).
    std::optional<SessionState> m_openingSession;
    bool m_backMaximised = false;
    // The language chosen for the next start (a session file code; empty: the system's).
    std::string m_language;
    QActionGroup* m_languageChoices = nullptr;

    // Condition entry.
    std::vector<SkillPoint> m_wanted;
    EquipSet m_fixed;
    // The activated skill each row of the activated-skill chooser carries.
    std::vector<std::optional<SkillPoint>> m_chooserSkills;

    // Results.
    SearchCondition m_resultsCondition; // see currentCondition()
    std::unique_ptr<SearchResultStore> m_results;
    bool m_resultsCut = false; // the search of m_results stopped at the maximum count
    bool m_stored = false;
    SearchProgress m_progress;
    QtNoticeSink m_notices;
    NoticeSink* m_workerNotices;
    bool m_searchRunning = false;
    std::unique_ptr<CEquipFindThread> m_searchWorker;
    std::unique_ptr<CFileOperationThread> m_fileWorker;
    bool m_fileWorkerBusy = false;
    QPointer<CFindProcessDlg> m_progressWindow;
    QPushButton* m_explainButton = nullptr; // shown after a completed search without results
    std::unique_ptr<CMessageDlg> m_waitWindow;
    // The control that had the focus before the wait window disabled this
    // window: it gets the focus back, rather than the first control.
    QPointer<QWidget> m_focusBeforeWait;

    // At most two progress displays a second, however often the worker posts.
    QTimer m_throttle;
    bool m_progressPending = false;
};

} // namespace zeku
