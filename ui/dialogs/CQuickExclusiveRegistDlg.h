#pragma once
// "除外登録": adds one piece, the jewels of one holder, or the activations of
// one skill tree to the exclusion lists, from a right-click on a list. The
// user ticks the rows to register; rows already registered change nothing.

#include "data/SkillCatalogue.h"
#include "ui/dialogs/StandingLists.h"
#include "ui/lists/QuickRegistration.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class CQuickExclusiveRegistDlg;
}

namespace zeku {

class CheckListModel;

class CQuickExclusiveRegistDlg : public QDialog {
    Q_OBJECT
public:
    // One row per item of `what`: the piece, each distinct jewel, each
    // activation of the named tree. `skills` and `lists` must outlive the dialog.
    CQuickExclusiveRegistDlg(const SkillCatalogue& skills, const QuickRegistration& what, const StandingLists& lists,
                             QWidget* parent = nullptr);
    ~CQuickExclusiveRegistDlg() override;

    // Number of rows listed.
    int rowCount() const { return static_cast<int>(m_rows.size()); }

private:
    struct Row {
        const EquipItem* piece = nullptr;
        const Jewel* jewel = nullptr;
        const SkillActivation* skill = nullptr;
    };

    // Adds the checked rows to the lists, writes what changed, ends with OK.
    void registerChecked();
    void updateRegisterButton();

    std::unique_ptr<Ui::CQuickExclusiveRegistDlg> m_ui;
    StandingLists m_lists;
    std::vector<Row> m_rows;
    CheckListModel* m_model = nullptr;
};

} // namespace zeku
