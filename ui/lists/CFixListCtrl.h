#pragma once
// The common part of the two fixed-equipment lists: six rows (weapon, head,
// body, arm, waist, leg) with a check box each, and the set they show.

#include "search/EquipSet.h"
#include "ui/lists/CheckListModel.h"
#include "ui/lists/ReportListView.h"

namespace zeku {

class CFixListCtrl : public ReportListView {
    Q_OBJECT
public:
    static constexpr int kRowCount = kHolderCount; // weapon first, then head to leg

    bool isChecked(int row) const { return m_model->isChecked(row); }
    // Sets the check of `row` (not announced as the user's).
    void setChecked(int row, bool checked) { m_model->setChecked(row, checked); }
    // The cell text of `row`, `column`.
    QString cellText(int row, int column) const { return m_model->cell(row, column); }
    // The set last shown (not owned).
    const EquipSet* shownSet() const { return m_set; }

Q_SIGNALS:
    // The user checked or unchecked `row`.
    void checkToggled(int row, bool checked);

protected:
    CFixListCtrl(std::vector<CheckListModel::Column> columns, QWidget* parent);

    // The jewels of the row's holder (weapon or piece), or nullptr when the
    // row holds nothing.
    const JewelSlots* slotsOfRow(int row) const;

    CheckListModel* m_model;
    const EquipSet* m_set = nullptr;
};

} // namespace zeku
