#pragma once
// The main window's fixed equipment: the set edited in the manual editor, shown
// in the piece list and the jewel list with a check per row, and "全てチェック".
// Only checked rows are part of a search; a jewel row counts only with its piece.

#include "search/EquipSet.h"

#include <cstdint>

class QObject;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class FixedEquipmentLists final {
public:
    explicit FixedEquipmentLists(Ui::CSearchDlg& ui);
    void connectControls(QObject* context);

    const EquipSet& set() const { return m_fixed; }
    // Replaces the fixed equipment and shows it, every row it fills checked.
    void replace(const EquipSet& set);
    // The checked rows: the fixed part of the condition a search runs with.
    EquipSet checkedSet() const;
    // Pieces another sex or job cannot wear leave the set.
    void fitSex(int sex);
    void fitJob(int job);
    // Unchecks a row (0 the weapon, then the parts): both lists, or the jewels only.
    void uncheckRow(int row, bool jewelsOnly);

private:
    void refresh();
    bool rowHoldsItem(int row) const;
    bool rowHasJewels(int row) const;
    bool allRowsChecked() const;
    void onEquipToggled(int row, bool checked);
    void onJewelToggled(int row, bool checked);
    void onCheckAll();

    Ui::CSearchDlg& m_ui;
    EquipSet m_fixed;
};

} // namespace zeku
