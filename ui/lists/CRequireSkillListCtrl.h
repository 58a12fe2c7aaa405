#pragma once
// The wanted skills of the search condition: tree and points, and the skill
// those points activate (red for a bad skill that is wanted).

#include "data/SkillCatalogue.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/SkillListEntry.h"

#include <memory>
#include <vector>

namespace zeku {

class CRequireSkillListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    explicit CRequireSkillListCtrl(QWidget* parent = nullptr);

    // Inserts the columns; `skills` must outlive the list.
    void setUp(const SkillCatalogue& skills);
    // Replaces the rows with the wanted skills, in their order, and refreshes.
    void setWantedSkills(const std::vector<SkillPoint>& wanted);
    // The shown entries, row by row.
    const std::vector<const SkillListEntry*>& getDataArray() const { return m_table.rows(); }

protected:
    bool quickMenuRules(int row, QuickMenu& menu) const override;

private:
    const SkillCatalogue* m_skills = nullptr;
    std::vector<std::unique_ptr<SkillListEntry>> m_entries;
    DataListTable<const SkillListEntry*> m_table;
};

} // namespace zeku
