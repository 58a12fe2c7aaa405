#pragma once
// The window "追加スキル検索": runs the additional-skill search for the main
// window's condition and lists the skills that still fit, as they are found.
// "条件に追加" (or a double-click) hands the selected row to the main window,
// which adds it to the wanted skills as "追加" does; "中止" cancels and keeps
// what was decided; "閉じる" cancels too and closes when the search has
// ended. The UI thread never waits for the search: it ends on its final notice.
// After "条件に追加" the owner hands the new condition to restart(), and the
// list is built again for it.

#include "search/AddableFindThread.h"
#include "ui/main/WindowAnchoring.h"
#include "ui/platform/WindowWorker.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class CAddableSkillDlg;
}

namespace zeku {

class CAddableSkillDlg : public QDialog {
    Q_OBJECT

public:
    // Starts the search at once; `master` must outlive the dialog, `base` is copied.
    CAddableSkillDlg(const MasterData& master, const SearchCondition& base, QWidget* parent = nullptr);
    ~CAddableSkillDlg() override;

    // Searches again for `base` (copied): a search still running is stopped
    // first; the list's selected place is selected again once rows reach it.
    void restart(const SearchCondition& base);
    // True until the search's final notice arrived (and while a restart waits for it).
    bool searchRunning() const { return m_running || m_nextBase.has_value(); }
    const CAddableFindThread& finder() const { return *m_finder; }

public Q_SLOTS:
    // A search still running is cancelled, and the window closes with
    // `result` when its final notice arrives.
    void done(int result) override;

Q_SIGNALS:
    // The user chose to want `skill` (tree id and points).
    void addRequested(zeku::SkillPoint skill);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void start(const SearchCondition& base);
    void onStop();
    void onNotice(const Notice& notice);
    void onAddToCondition();
    void updateButtons();
    void showCount();

    const MasterData& m_master;
    std::unique_ptr<Ui::CAddableSkillDlg> m_ui;
    WindowAnchoring m_anchoring;
    bool m_layoutRecorded = false;
    // The condition of the next search, while the running one stops for it.
    std::optional<SearchCondition> m_nextBase;
    int m_keepRow = -1; // the selected place to select again after a restart
    bool m_stopping = false; // "中止" pressed, the final notice not yet there
    bool m_running = true;
    std::optional<int> m_closeResult; // done() came while the search ran
    int m_found = 0;
    WindowWorker<CAddableFindThread> m_finder; // last: its notices reach the members above
};

} // namespace zeku
