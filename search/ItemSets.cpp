#include "search/ItemSets.h"

namespace zeku {

std::string itemKey(const EquipItem& piece)
{
    if (piece.sex == kSexBoth)
        return piece.name;
    return piece.name + "_" + std::to_string(piece.sex);
}

namespace {

template <typename Map>
bool sameKeys(const Map& a, const Map& b)
{
    if (a.size() != b.size())
        return false;
    for (const auto& entry : a)
        if (b.count(entry.first) == 0)
            return false;
    return true;
}

} // namespace

void SPartSet::clear()
{
    for (PieceMap& map : m_pieces)
        map.clear();
}

void SPartSet::add(const EquipItem& piece)
{
    m_pieces[piece.part].emplace(itemKey(piece), &piece);
}

bool SPartSet::contains(const EquipItem& piece) const
{
    return m_pieces[piece.part].count(itemKey(piece)) != 0;
}

std::size_t SPartSet::total() const
{
    std::size_t sum = 0;
    for (const PieceMap& map : m_pieces)
        sum += map.size();
    return sum;
}

void SPartSet::copyFrom(const SPartSet& source)
{
    if (this == &source)
        return;
    SPartSet::clear();
    for (int part = 0; part < kPartCount; ++part)
        for (const auto& entry : source.m_pieces[part])
            m_pieces[part].emplace(entry.first, entry.second);
}

bool SPartSet::equals(const SPartSet& other) const
{
    for (int part = 0; part < kPartCount; ++part)
        if (!sameKeys(m_pieces[part], other.m_pieces[part]))
            return false;
    return true;
}

void ExclusionSet::clear()
{
    SPartSet::clear();
    m_jewels.clear();
}

void ExclusionSet::add(const Jewel& jewel)
{
    m_jewels.emplace(jewel.name, &jewel);
}

bool ExclusionSet::contains(const Jewel& jewel) const
{
    return m_jewels.count(jewel.name) != 0;
}

std::size_t ExclusionSet::total() const
{
    return SPartSet::total() + m_jewels.size();
}

void ExclusionSet::copyFrom(const ExclusionSet& source)
{
    if (this == &source)
        return;
    SPartSet::copyFrom(source);
    m_jewels = source.m_jewels;
}

bool ExclusionSet::equals(const ExclusionSet& other) const
{
    return SPartSet::equals(other) && sameKeys(m_jewels, other.m_jewels);
}

void ExcludedSkillList::add(uint16_t treeId, int16_t threshold, std::string name)
{
    m_entries.push_back(SkillActivation{treeId, threshold, std::move(name)});
}

bool ExcludedSkillList::contains(uint16_t treeId, int16_t threshold) const
{
    for (const SkillActivation& e : m_entries)
        if (e.treeId == treeId && e.threshold == threshold)
            return true;
    return false;
}

bool ExcludedSkillList::reachedBy(const SkillPoint& wanted) const
{
    for (const SkillActivation& e : m_entries) {
        if (e.treeId != wanted.treeId)
            continue;
        if ((e.threshold > 0 && wanted.points >= e.threshold) || (e.threshold < 0 && wanted.points <= e.threshold))
            return true;
    }
    return false;
}

bool ExcludedSkillList::equals(const ExcludedSkillList& other) const
{
    if (m_entries.size() != other.m_entries.size())
        return false;
    for (const SkillActivation& e : m_entries)
        if (!other.contains(e.treeId, e.threshold))
            return false;
    return true;
}

} // namespace zeku
