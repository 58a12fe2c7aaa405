#pragma once
// The user's standing lists in memory: excluded pieces and jewels, S parts,
// and excluded activated skills. Sets refer to catalogue records, never own them.

#include "data/EquipItem.h"
#include "data/SkillCatalogue.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeku {

// The key of a piece inside the sets: its name, or "name_sex" for a piece that
// fits one sex only. Jewels are keyed by name alone.
std::string itemKey(const EquipItem& piece);

using PieceMap = std::unordered_map<std::string, const EquipItem*>;
using JewelMap = std::unordered_map<std::string, const Jewel*>;

// Five maps from item key to piece, one per part. Adding a key that is present
// keeps the existing entry.
class SPartSet {
public:
    void clear();
    void add(const EquipItem& piece);
    bool contains(const EquipItem& piece) const;
    std::size_t total() const;
    // Clears this set and adds every entry of `source`, part by part.
    void copyFrom(const SPartSet& source);
    bool equals(const SPartSet& other) const;

    const PieceMap& pieces(PartKind part) const { return m_pieces[part]; }

protected:
    std::array<PieceMap, kPartCount> m_pieces;
};

// The S-part shape plus a map from jewel name to jewel.
class ExclusionSet : public SPartSet {
public:
    void clear();
    using SPartSet::add;
    using SPartSet::contains;
    void add(const Jewel& jewel);
    bool contains(const Jewel& jewel) const;
    bool containsJewelName(const std::string& name) const { return m_jewels.count(name) != 0; }
    std::size_t total() const;
    void copyFrom(const ExclusionSet& source);
    bool equals(const ExclusionSet& other) const;

    const JewelMap& jewels() const { return m_jewels; }

private:
    JewelMap m_jewels;
};

// Excluded activated skills, identified by (tree id, threshold); names may be empty.
class ExcludedSkillList {
public:
    void clear() { m_entries.clear(); }
    void add(uint16_t treeId, int16_t threshold, std::string name = {});
    bool contains(uint16_t treeId, int16_t threshold) const;
    // True when `wanted` reaches an excluded skill of its tree: at or above a
    // positive threshold, at or below a negative one. Such a wish is refused.
    bool reachedBy(const SkillPoint& wanted) const;
    std::size_t total() const { return m_entries.size(); }
    void copyFrom(const ExcludedSkillList& source) { m_entries = source.m_entries; }
    bool equals(const ExcludedSkillList& other) const;

    const std::vector<SkillActivation>& entries() const { return m_entries; }
    std::vector<SkillActivation>& entries() { return m_entries; }

private:
    std::vector<SkillActivation> m_entries;
};

} // namespace zeku
