#include "search/WorkingSet.h"

#include <algorithm>

namespace zeku {

WorkingSet::WorkingSet(const SearchCondition& condition, PreparedSearch& prep)
    : m_prep(prep), m_totals(prep.slotTree.size(), 0)
{
    for (const SkillPoint& w : condition.wanted)
        m_wantedThreshold.push_back(w.points);

    uint16_t largestCapacity = 0;
    const EquipSet& fixed = condition.fixed;

    Holder& weapon = m_holders[EquipPosition::Weapon];
    weapon.capacity = fixed.weapon() ? fixed.weapon()->slots : 0;
    weapon.fixedJewels = &fixed.weaponSlots().jewels;
    weapon.used = fixed.weaponSlots().used;
    for (const Jewel* jewel : fixed.weaponSlots().jewels)
        addJewelPoints(*jewel);
    largestCapacity = weapon.capacity;

    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = fixed.piece(part);
        if (!piece)
            continue;
        CandidateGroup group;
        group.fixed = true;
        group.pieces.push_back(piece);
        group.capacity = piece->slots;
        group.fixedJewels = fixed.pieceSlots(part).jewels;
        for (std::size_t i = 0; i < condition.wanted.size(); ++i) {
            if (const SkillPoint* p = pointsOf(piece->skills, condition.wanted[i].treeId)) {
                group.relevantPoints.push_back(*p);
                group.relevantSlots.push_back(SlotPoints{prep.slotOfWanted[i], p->points});
            }
        }
        prep.groups.push_back(std::move(group));
    }
    // Fixed groups were appended above; point at them only now that the
    // registry no longer grows.
    std::size_t nextFixed = prep.groups.size();
    for (int part = kPartCount - 1; part >= 0; --part)
        if (fixed.piece(part))
            --nextFixed, m_entry[part] = static_cast<int32_t>(nextFixed);
    for (int part = 0; part < kPartCount; ++part) {
        if (m_entry[part] < 0)
            continue;
        const CandidateGroup& group = prep.groups[static_cast<std::size_t>(m_entry[part])];
        m_entryFixed[part] = true;
        Holder& h = m_holders[part];
        h.capacity = group.capacity;
        h.used = fixed.pieceSlots(part).used;
        h.fixedJewels = &group.fixedJewels;
        addSlots(group.relevantSlots);
        for (const Jewel* jewel : group.fixedJewels)
            addJewelPoints(*jewel);
    }

    for (const CandidateGroup& group : prep.groups)
        largestCapacity = std::max(largestCapacity, group.capacity);
    for (Holder& h : m_holders)
        h.placed.reserve(largestCapacity);
}

void WorkingSet::addSlots(const std::vector<SlotPoints>& points)
{
    for (const SlotPoints& p : points)
        m_totals[static_cast<std::size_t>(p.slot)] = add16(m_totals[static_cast<std::size_t>(p.slot)], p.points);
}

void WorkingSet::subtractSlots(const std::vector<SlotPoints>& points)
{
    for (const SlotPoints& p : points)
        m_totals[static_cast<std::size_t>(p.slot)] = sub16(m_totals[static_cast<std::size_t>(p.slot)], p.points);
}

void WorkingSet::addJewelPoints(const Jewel& jewel)
{
    for (const SkillPoint& d : jewel.skills) {
        auto it = std::find(m_prep.slotTree.begin(), m_prep.slotTree.end(), d.treeId);
        if (it != m_prep.slotTree.end()) {
            std::size_t slot = static_cast<std::size_t>(it - m_prep.slotTree.begin());
            m_totals[slot] = add16(m_totals[slot], d.points);
        }
    }
}

void WorkingSet::setPart(int part, int32_t group)
{
    if (m_entry[part] >= 0)
        subtractSlots(m_prep.groups[static_cast<std::size_t>(m_entry[part])].relevantSlots);
    m_entry[part] = group;
    Holder& h = m_holders[part];
    h.used = 0;
    h.placed.clear();
    if (group >= 0) {
        const CandidateGroup& g = m_prep.groups[static_cast<std::size_t>(group)];
        h.capacity = g.capacity;
        addSlots(g.relevantSlots);
    } else {
        h.capacity = 0;
    }
}

void WorkingSet::removeContribution(int part)
{
    subtractSlots(m_prep.groups[static_cast<std::size_t>(m_entry[part])].relevantSlots);
    for (int32_t j : m_holders[part].placed)
        subtractSlots(m_prep.jewels[static_cast<std::size_t>(j)].wantedPoints);
}

void WorkingSet::addContribution(int part)
{
    addSlots(m_prep.groups[static_cast<std::size_t>(m_entry[part])].relevantSlots);
    for (int32_t j : m_holders[part].placed)
        addSlots(m_prep.jewels[static_cast<std::size_t>(j)].wantedPoints);
}

bool WorkingSet::wantedSkillsMet() const
{
    const std::size_t n = m_wantedThreshold.size();
    const int16_t* slots = m_prep.slotOfWanted.data();
    for (std::size_t i = 0; i < n; ++i)
        if (!thresholdMet(m_wantedThreshold[i], m_totals[static_cast<std::size_t>(slots[i])]))
            return false;
    return true;
}

void WorkingSet::placeJewel(int h, int32_t j)
{
    const PreparedJewel& jewel = m_prep.jewels[static_cast<std::size_t>(j)];
    Holder& holder = m_holders[h];
    holder.placed.push_back(j);
    holder.used = static_cast<uint16_t>(holder.used + jewel.slots);
    addSlots(jewel.wantedPoints);
    m_anyPlaced = true;
}

int32_t WorkingSet::takeLastPlaced(int h)
{
    Holder& holder = m_holders[h];
    const int32_t j = holder.placed.back();
    holder.placed.pop_back();
    const PreparedJewel& jewel = m_prep.jewels[static_cast<std::size_t>(j)];
    holder.used = static_cast<uint16_t>(holder.used - jewel.slots);
    subtractSlots(jewel.wantedPoints);
    return j;
}

void WorkingSet::resetPlacedJewels()
{
    if (!m_anyPlaced)
        return;
    for (int h = 0; h < kHolderCount; ++h)
        while (!m_holders[h].placed.empty())
            takeLastPlaced(h);
    m_anyPlaced = false;
}

void WorkingSet::holderJewels(int h, std::vector<const Jewel*>& out) const
{
    out.clear();
    const Holder& holder = m_holders[h];
    if (holder.fixedJewels)
        out.insert(out.end(), holder.fixedJewels->begin(), holder.fixedJewels->end());
    for (int32_t j : holder.placed)
        out.push_back(m_prep.jewels[static_cast<std::size_t>(j)].jewel);
}

} // namespace zeku
