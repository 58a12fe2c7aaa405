#include "ui/lists/CRequireSkillListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"

namespace zeku {

CRequireSkillListCtrl::CRequireSkillListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("検索スキル"));
}

void CRequireSkillListCtrl::setUp(const SkillCatalogue& skills)
{
    m_skills = &skills;
    setFullRowSelect(false);
    setSwitches(true, false);
    m_table.clearColumns();
    using Entry = const SkillListEntry*;
    m_table.beginGroup(0x01);
    m_table.addColumn(tr("スキル値"), Qt::AlignLeft, 160).text = [](const Entry& e, int) { return toQString(e->text); };
    m_table.beginGroup(0x02);
    auto& activated = m_table.addColumn(tr("発動スキル"), Qt::AlignLeft, 180);
    activated.text = [](const Entry& e, int) { return toQString(e->activatedName); };
    activated.colors = [](const Entry& e, int, CellColors& c) {
        if (e->bad)
            c.text = colors::kNegativeText;
    };
    attachTable(&m_table);
}

void CRequireSkillListCtrl::setWantedSkills(const std::vector<SkillPoint>& wanted)
{
    m_table.rows().clear();
    m_entries.clear();
    for (const SkillPoint& point : wanted) {
        auto entry = std::make_unique<SkillListEntry>();
        entry->treeId = point.treeId;
        entry->points = point.points;
        const std::string* name = m_skills->treeName(point.treeId);
        entry->text = (name ? *name : std::string()) + signedText(point.points).toStdString();
        entry->activatedName = m_skills->activatedSkillName(point.treeId, point.points);
        entry->bad = !entry->activatedName.empty() && point.points < 0;
        m_table.rows().push_back(entry.get());
        m_entries.push_back(std::move(entry));
    }
    refreshRows();
}

bool CRequireSkillListCtrl::quickMenuRules(int row, QuickMenu& menu) const
{
    // The tree name is the first-column text up to the sign of the points.
    const std::string& text = m_table.rows()[static_cast<std::size_t>(row)]->text;
    std::size_t end = text.find('+');
    if (end == std::string::npos)
        end = text.find('-');
    menu.registration.skillTreeName = text.substr(0, end);
    menu.excludeEnabled = true;
    return true;
}

} // namespace zeku
