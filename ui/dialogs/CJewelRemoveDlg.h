#pragma once
// "装飾品解除": the user ticks which jewels of one holder (weapon or piece) to
// take out. Every jewel is its own row, repeats included.

#include "data/EquipItem.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class CJewelRemoveDlg;
}

namespace zeku {

class CheckListModel;

class CJewelRemoveDlg : public QDialog {
    Q_OBJECT
public:
    // One row per jewel of `jewels`, in the holder's order.
    explicit CJewelRemoveDlg(const std::vector<const Jewel*>& jewels, QWidget* parent = nullptr);
    ~CJewelRemoveDlg() override;

    // After OK: the jewel of every ticked row, in row order.
    const std::vector<const Jewel*>& removed() const { return m_removed; }

private:
    void rowToggled();
    void checkAllClicked(bool checked);
    void accept() override;

    std::unique_ptr<Ui::CJewelRemoveDlg> m_ui;
    std::vector<const Jewel*> m_jewels;
    std::vector<const Jewel*> m_removed;
    CheckListModel* m_model;
};

} // namespace zeku
