#pragma once
// The window "見つからない理由": for the condition of a search that found
// nothing, a table of the wanted skills with the most points each can reach
// ("スキル系統", "必要", "最大", "不足" marked where it falls short) and the list
// of single changes that make "検索" find sets, in plain words, as they are
// found. "この条件にする" (or a double-click) hands the selected change to
// the main window and closes; "中止" cancels and keeps what was decided;
// "閉じる" cancels too and closes when the explanation has ended. The UI
// thread never waits for it: the window reacts to its final notice.

#include "search/NoResultExplainThread.h"
#include "ui/platform/WindowWorker.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

namespace Ui {
class CNoResultReasonDlg;
}

namespace zeku {

// A change in the words the list shows ("攻撃 を外す", "除外アイテムを使わない").
QString changeText(const ConditionChange& change, const SkillCatalogue& skills);

class CNoResultReasonDlg : public QDialog {
    Q_OBJECT

public:
    // Starts at once; `master` must outlive the dialog, `condition` is copied.
    CNoResultReasonDlg(const MasterData& master, const SearchCondition& condition, QWidget* parent = nullptr);
    ~CNoResultReasonDlg() override;

    // True until the final notice arrived.
    bool searchRunning() const { return m_running; }
    const CNoResultExplainThread& explainer() const { return *m_explainer; }
    // The changes the list shows, in its order.
    const std::vector<ConditionChange>& listedChanges() const { return m_listed; }

public Q_SLOTS:
    // An explanation still running is cancelled, and the window closes with
    // `result` when its final notice arrives.
    void done(int result) override;

Q_SIGNALS:
    // The user chose to make `change` to the condition.
    void applyRequested(const zeku::ConditionChange& change);

private:
    void fillReaches();
    void onNotice(const Notice& notice);
    void showChanges(const std::vector<ConditionChange>& changes);
    // Says in the empty list why nothing is there: no single change helps, and
    // whether each wanted skill reaches its points alone.
    void addNoChangeNote();
    void onApply();
    void updateButtons();
    void showStatus();

    const SkillCatalogue& m_skills;
    std::unique_ptr<Ui::CNoResultReasonDlg> m_ui;
    std::vector<ConditionChange> m_listed;
    std::vector<std::size_t> m_listedIndex; // change index of each listed row, ascending
    bool m_running = true;
    std::optional<int> m_closeResult; // done() came while the explanation ran
    WindowWorker<CNoResultExplainThread> m_explainer; // last: its notices reach the members above
};

} // namespace zeku
