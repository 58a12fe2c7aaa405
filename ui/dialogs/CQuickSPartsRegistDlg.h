#pragma once
// "Ｓ防具登録": adds one piece to the S-part list, from a right-click on a list.

#include "data/EquipItem.h"
#include "ui/dialogs/StandingLists.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CQuickSPartsRegistDlg;
}

namespace zeku {

class CheckListModel;

class CQuickSPartsRegistDlg : public QDialog {
    Q_OBJECT
public:
    // One row for `piece`; `piece` and `lists` must outlive the dialog.
    CQuickSPartsRegistDlg(const EquipItem& piece, const StandingLists& lists, QWidget* parent = nullptr);
    ~CQuickSPartsRegistDlg() override;

private:
    // Adds the piece when its row is checked, writes SParts.dat when it was new, ends with OK.
    void registerChecked();

    std::unique_ptr<Ui::CQuickSPartsRegistDlg> m_ui;
    const EquipItem& m_piece;
    StandingLists m_lists;
    CheckListModel* m_model = nullptr;
};

} // namespace zeku
