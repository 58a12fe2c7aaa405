#pragma once
// The working part shared by the excluded-item and S-part editors: a left list
// of the items not in the user's list, a right list of those in it, one set of
// filters over both, and the buttons that move entries between them. Each
// editor dialog hands it the ids of its own controls.

#include "data/MasterData.h"
#include "ui/lists/CItemListCtrl.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

class QDialog;
class QComboBox;
class QLineEdit;
class QLabel;
class QCheckBox;
class QPushButton;
class QRadioButton;

namespace zeku {

// The controls of one editor. Radio groups list (control id, filter value).
struct TwoListItemEditorIds {
    int leftList = 0, rightList = 0, leftTotals = 0, rightTotals = 0;
    std::vector<std::pair<int, int>> sexRadios; // value 0 all, 1 male, 2 female
    std::vector<std::pair<int, int>> jobRadios; // value 0 all, 1 blade user, 2 gunner
    std::vector<std::pair<int, int>> kindRadios; // value 0-4 parts, 5 jewels, 6 all
    int rarityCombo = 0, nameEdit = 0, nameClear = 0;
    int add = 0, remove = 0, addAll = 0, removeAll = 0;
    int reload = 0, saveToFile = 0, ok = 0, cancel = 0;
};

class TwoListItemEditor : public QObject {
    Q_OBJECT
public:
    // Kind value of the "全て" kind radio.
    static constexpr int kAllKindsValue = 6;

    TwoListItemEditor(QDialog* dialog, TwoListItemEditorIds ids);

    // Fills the lists: every catalogue piece (and, when `jewelListed` is given,
    // every jewel) goes right when the user list holds it, left otherwise.
    // Then shows everything and sets the save check box from `saveFlag`.
    void fill(const MasterData& master, const std::function<bool(const EquipItem&)>& pieceListed,
              const std::function<bool(const Jewel&)>* jewelListed, int32_t saveFlag);

    CItemListCtrl* left() const { return m_left; }
    CItemListCtrl* right() const { return m_right; }
    // The state of "ファイルに保存する" as a save flag.
    int32_t saveFlag() const;

private:
    // Filters both lists with the chosen kind, sex, job, rarity and name.
    void refilter();
    // Moves the selected (or all shown) entries from `from` to `to` and focuses `to`.
    void move(CItemListCtrl* from, CItemListCtrl* to, bool all);
    void updateMoveButtons();
    void updateTotals();
    int checkedValue(const std::vector<std::pair<int, int>>& radios) const;
    void connectRadios(const std::vector<std::pair<int, int>>& radios);

    QDialog* m_dialog;
    TwoListItemEditorIds m_ids;
    CItemListCtrl* m_left;
    CItemListCtrl* m_right;
    QComboBox* m_rarity;
    QLineEdit* m_name;
    QLabel* m_leftTotals;
    QLabel* m_rightTotals;
    QCheckBox* m_saveToFile;
};

} // namespace zeku
