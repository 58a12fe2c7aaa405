#pragma once
// "このセットに追加できるスキル": the additional-skill candidates one set (a
// result, the manual editor's set) can still activate with its jewels placed
// again, keeping every wanted skill, with the jewels of one placement that
// reaches each. The answer takes milliseconds, so it is worked out before the
// window shows. "条件に追加" (or a double-click) hands the selected row on,
// as the additional-skill window does; the window stays open for more, and
// answers again for the condition with that skill wanted too. The jewels of
// a row are counted ("名前2"), as the set view's totals count them.

#include "search/SetFits.h"

#include <QDialog>
#include <QString>

#include <memory>
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

Q_SIGNALS:
    // The user chose to want `skill` (tree id and points).
    void addRequested(zeku::SkillPoint skill);

private:
    // Works out the fitting candidates for m_condition and shows them.
    void fill();
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
};

} // namespace zeku
