#pragma once
// The candidate preparation of the reference search: pieces grouped under
// their text contribution keys in a 17-bucket hash map, ranked jewel lists per
// wanted skill, and the exchange-sorted wanted list. Internal to the
// reference; see ReferenceSearch.h.

#include "data/MasterData.h"
#include "search/SearchCondition.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace zeku::reference {

// A threshold of 0 is never met.
inline bool thresholdMet(int16_t threshold, int16_t total)
{
    return (threshold > 0 && total >= threshold) || (threshold < 0 && total <= threshold);
}

// Swaps entries i < j whenever `after(v[i], v[j])` says v[i] belongs behind v[j].
template <typename T, typename After>
void exchangeSort(std::vector<T>& v, After after)
{
    for (std::size_t i = 0; i < v.size(); ++i)
        for (std::size_t j = i + 1; j < v.size(); ++j)
            if (after(v[i], v[j]))
                std::swap(v[i], v[j]);
}

struct Group {
    bool fixed = false;
    std::vector<const EquipItem*> pieces;
    JewelSlots placed;
    JewelSlots fixedJewels;
    std::vector<const SkillPoint*> relevant;
};

struct JewelCandidate {
    const Jewel* jewel = nullptr;
    float score = 0.0f;
    float penalty = 0.0f;
    std::vector<const SkillPoint*> relevant;
};

struct JewelList {
    std::vector<JewelCandidate> candidates;
    uint16_t treeId = 0;
    uint16_t smallestSlots = 65535;
    float bestRatio = 0.0f;
};

// What the preparation hands to the enumeration.
struct PreparedCandidates {
    std::vector<std::unique_ptr<Group>> registry; // every group, fixed ones included
    std::array<std::vector<Group*>, kPartCount> groups;
    std::map<uint16_t, JewelList> jewelLists;
    uint64_t total = 1;
    uint64_t rawTotal = 1;

    const JewelList* jewelListOf(uint16_t treeId) const
    {
        auto it = jewelLists.find(treeId);
        return it == jewelLists.end() ? nullptr : &it->second;
    }
};

// Builds the candidates step by step; each call is one step of the preparation.
class ReferencePreparation {
public:
    ReferencePreparation(SearchCondition& condition, const MasterData& master, PreparedCandidates& out)
        : m_condition(condition), m_master(master), m_out(out)
    {
    }

    // Groups the pieces of every unfixed part and computes the progress totals.
    void prepareArmour();
    // Builds the ranked jewel list of every wanted tree that a jewel serves.
    void prepareJewels();
    // Reorders the wanted list: skills hard to reach with jewels first.
    void sortWanted();

private:
    const SkillPoint* wantedEntry(uint16_t treeId) const;
    std::string contributionKey(const std::vector<const SkillPoint*>& collected, uint16_t slots) const;
    bool pieceFilteredOut(const EquipItem& piece) const;
    void insertCandidate(JewelList& list, JewelCandidate candidate);
    int compareWanted(const SkillPoint& a, const SkillPoint& b) const;

    SearchCondition& m_condition;
    const MasterData& m_master;
    PreparedCandidates& m_out;
};

} // namespace zeku::reference
