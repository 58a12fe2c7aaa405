#pragma once
// The skill-point totals of one equipment set, one row per skill tree, with
// the points of each source (weapon jewels and the five pieces, jewel share in
// parentheses), the total and the skill it activates. Activated skills come first.

#include "data/SkillCatalogue.h"
#include "search/EquipSet.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/TextRow.h"

namespace zeku {

class CSkillListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    explicit CSkillListCtrl(QWidget* parent = nullptr);

    // Inserts the columns; `skills` must outlive the list.
    void setUp(const SkillCatalogue& skills);
    // Shows the totals of `set` (nullptr: no rows).
    void showSet(const EquipSet* set);

protected:
    bool quickMenuRules(int row, QuickMenu& menu) const override;

private:
    const SkillCatalogue* m_skills = nullptr;
    DataListTable<TextRow> m_table;
};

} // namespace zeku
