#pragma once
// The set being edited in "装備手動選択": the weapon slots, pieces and jewels
// chosen so far with the sex and job they fix, the set view and skill totals
// that show them, and the buttons that change them (choose, attach, remove,
// empty, clip text).

#include "data/MasterData.h"
#include "search/EquipSet.h"

#include <QObject>

#include <cstdint>
#include <functional>

class QWidget;

namespace Ui {
class CManualEditDlg;
}

namespace zeku {

class ManualEditItemPicker;

// The edited set, and its sex and job (kSexBoth / kJobBoth when not fixed).
struct EditedEquipSet {
    EquipSet set;
    uint16_t sex = kSexBoth;
    uint16_t job = kJobBoth;
};

class ManualEditSetPane final : public QObject {
    Q_OBJECT
public:
    // Wires the set's buttons of `ui`; the pieces come from what `picker`
    // has selected. Questions open over `dialog`.
    ManualEditSetPane(Ui::CManualEditDlg& ui, QWidget* dialog, const MasterData& master, EditedEquipSet& edited,
                      const ManualEditItemPicker& picker);

    // Runs after every change of the set, once it is drawn.
    void setChangedHandler(std::function<void()> changed) { m_changed = std::move(changed); }

    bool setIsEmpty() const;
    // Puts `set` with its sex and job in place of the edited one and shows it.
    void replaceSet(const EquipSet& set, uint16_t sex, uint16_t job);
    void updateLabels();
    void redrawSet(int selectRow = -1);

private:
    void choose();
    void attachJewel(int holder);
    void removeItem();
    void removeJewels();
    void removeAllJewels();
    void emptySet();
    void afterRemoval();
    void updateSetButtons();
    // Draws the set with `selectRow` selected, then tells the other panes.
    void showChange(int selectRow = -1);
    void copyClip();

    Ui::CManualEditDlg& m_ui;
    QWidget* m_dialog;
    const MasterData& m_master;
    EditedEquipSet& m_edited;
    const ManualEditItemPicker& m_picker;
    std::function<void()> m_changed;
};

} // namespace zeku
