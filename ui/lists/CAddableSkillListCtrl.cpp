#include "ui/lists/CAddableSkillListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/TextConvert.h"

#include <algorithm>

namespace zeku {

CAddableSkillListCtrl::CAddableSkillListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("追加できるスキル"));
}

void CAddableSkillListCtrl::setUp(JewelText jewels)
{
    setSwitches(false, true);
    using Entry = const AddableCandidate*;
    // Candidate order is tree id, then points: the pointer order within the list.
    auto candidateOrder = [](const Entry& a, const Entry& b, int) { return compareNumbers(a - b, 0); };
    m_table.clearColumns();
    m_table.setStrictOrder(true);
    m_table.beginGroup(0x01);
    auto& tree = m_table.addColumn(tr("スキル系統"), Qt::AlignLeft, 120);
    tree.text = [](const Entry& e, int) { return toQString(e->tree->name); };
    tree.comparer = candidateOrder;
    m_table.beginGroup(0x02);
    auto& skill = m_table.addColumn(tr("発動スキル"), Qt::AlignLeft, 160);
    skill.text = [](const Entry& e, int) { return toQString(e->skill->name); };
    skill.comparer = [candidateOrder](const Entry& a, const Entry& b, int s) {
        if (int c = compareNames(a->skill->name, b->skill->name))
            return c;
        return candidateOrder(a, b, s);
    };
    m_table.beginGroup(0x04);
    auto& points = m_table.addColumn(tr("ポイント"), Qt::AlignRight, 64);
    points.text = [](const Entry& e, int) { return QString::number(e->points); };
    points.comparer = [candidateOrder](const Entry& a, const Entry& b, int s) {
        if (int c = compareNumbers(a->points, b->points))
            return c;
        return candidateOrder(a, b, s);
    };
    m_table.beginGroup(0x08);
    auto& kind = m_table.addColumn(tr("種類"), Qt::AlignLeft, 60);
    kind.text = [](const Entry& e, int) { return e->kind == AddableKind::Raise ? tr("上昇") : tr("追加"); };
    kind.comparer = [candidateOrder](const Entry& a, const Entry& b, int s) {
        if (int c = compareNumbers(static_cast<int>(a->kind), static_cast<int>(b->kind)))
            return c;
        return candidateOrder(a, b, s);
    };
    if (jewels) {
        m_table.beginGroup(0x10);
        auto& placed = m_table.addColumn(tr("装飾品"), Qt::AlignLeft, 240);
        placed.text = [jewels](const Entry& e, int) { return jewels(e); };
        placed.comparer = [jewels, candidateOrder](const Entry& a, const Entry& b, int s) {
            if (int c = compareNumbers(jewels(a).compare(jewels(b)), 0))
                return c;
            return candidateOrder(a, b, s);
        };
    }
    attachTable(&m_table);
    resetSortState();
}

void CAddableSkillListCtrl::addCandidate(const AddableCandidate* candidate)
{
    std::vector<const AddableCandidate*>& rows = m_table.rows();
    if (sortGroup() == 0)
        rows.insert(std::upper_bound(rows.begin(), rows.end(), candidate), candidate);
    else
        rows.push_back(candidate);
    updateRowCount();
}

void CAddableSkillListCtrl::clearRows()
{
    m_table.rows().clear();
    refreshRows();
}

} // namespace zeku
