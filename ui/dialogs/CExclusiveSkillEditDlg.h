#pragma once
// "除外スキル編集": the activated skills a search result must not activate.
// The left list shows every activatable skill not excluded, the right list the
// excluded ones; the caller takes the right list back after OK.

#include "data/SkillCatalogue.h"
#include "search/ItemSets.h"
#include "userfiles/UserFolder.h"

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class CExclusiveSkillEditDlg;
}

namespace zeku {

struct ListFileStamp;

class CExclusiveSkillListCtrl;

class CExclusiveSkillEditDlg : public QDialog {
    Q_OBJECT
public:
    // Shows `list` against `skills` (which must outlive the dialog); entries
    // that match no activatable skill are not shown. `saveToFile` is the
    // remembered save flag.
    CExclusiveSkillEditDlg(const SkillCatalogue& skills, const ExcludedSkillList& list, int32_t saveToFile,
                           QWidget* parent = nullptr);
    ~CExclusiveSkillEditDlg() override;

    // After OK: the state of "ファイルに保存する" (1 save, 0 not).
    int32_t saveToFile() const;
    // The right list as an excluded-skill list: tree id ascending, points
    // descending, names empty.
    ExcludedSkillList editedList() const;

    // The protocol with the caller, as for the item editors: OK replaces
    // `list`, writes ExclusiveSkill.dat when the flag is set and remembers the
    // flag; "ファイル再読込" reloads `list` and reopens; Cancel changes nothing.
    // With a `stamp`, the save asks first when another window changed the file.
    static int editList(const SkillCatalogue& skills, const UserFolder& folder, ExcludedSkillList& list,
                        int32_t& saveFlag, QWidget* parent = nullptr, ListFileStamp* stamp = nullptr);

private:
    void refilter();
    void move(CExclusiveSkillListCtrl* from, CExclusiveSkillListCtrl* to, bool all);
    void updateMoveButtons();
    void updateTotals();

    std::unique_ptr<Ui::CExclusiveSkillEditDlg> m_ui;
};

} // namespace zeku
