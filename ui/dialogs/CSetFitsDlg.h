#pragma once
// "このセットに追加できるスキル": the additional-skill candidates one set (a
// result, the manual editor's set) can still activate with its jewels placed
// again, keeping every wanted skill, with the jewels of one placement that
// reaches each. The answer is worked out on a worker: the window opens at
// once and fills its list on the worker's final notice. "条件に追加" (or a
// double-click) hands the selected row on, as the additional-skill window
// does; the window stays open for more, and answers again for the condition
// with that skill wanted too. The jewels of a row are counted ("名前2"), as
// the set view's totals count them. Closing while it works stops the worker
// and finishes on its final notice; the UI thread never waits for it.

#include "search/SetFitsThread.h"
#include "ui/platform/WindowWorker.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class CSetFitsDlg;
}

namespace zeku {

class CSetFitsDlg : public QDialog {
    Q_OBJECT

public:
    // `master` must outlive the dialog; `condition` and `set` are copied.
    CSetFitsDlg(const MasterData& master, const SearchCondition& condition, const EquipSet& set,
                QWidget* parent = nullptr);
    ~CSetFitsDlg() override;

    // The fitting candidates in candidate order, as the list shows them unsorted.
    const std::vector<SetFit>& fits() const { return m_fits; }
    // True from the start of an answer until its final notice arrived.
    bool searchRunning() const { return m_finder.running(); }

public Q_SLOTS:
    // An answer still being worked out is stopped, and the window closes with
    // `result` when its final notice arrives.
    void done(int result) override;

Q_SIGNALS:
    // The user chose to want `skill` (tree id and points).
    void addRequested(zeku::SkillPoint skill);

private:
    // Starts working out the fitting candidates for m_condition.
    void startAnswer();
    void onNotice(const Notice& notice);
    // Shows the answer that arrived; then selects `row` again when given.
    void fill(int row);
    // On the first answer: wide enough for the widest "装飾品", as far as the screen allows.
    void widenForJewels();
    void onAddToCondition();
    void updateButtons();

    const MasterData& m_master;
    SearchCondition m_condition;
    const EquipSet m_set;
    std::unique_ptr<Ui::CSetFitsDlg> m_ui;
    std::vector<SetFit> m_fits;
    // The candidates again, side by side: the list's rows point into this
    // array, whose order is the candidate order the list sorts back to.
    std::vector<AddableCandidate> m_candidates;
    std::vector<QString> m_jewelTexts;
    int m_openingJewelWidth = 0; // the "装飾品" column's width before the first answer
    bool m_widened = false;
    int m_keepRow = -1; // the selected place to select again when the answer arrives
    std::optional<int> m_closeResult; // done() came while the answer was worked out
    WindowWorker<CSetFitsThread> m_finder; // last: its notices reach the members above
};

} // namespace zeku
