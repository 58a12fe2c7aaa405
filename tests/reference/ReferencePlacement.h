#pragma once
// The reference's exact jewel placement, written apart from the engine's:
// every multiset of the allowed jewels that fits each holder is listed, and
// the holders are tried one after another with each of their multisets (two
// multisets with the same points in every limited tree count once). Internal
// to the reference; see ReferenceSearch.h.

#include "data/EquipCatalogue.h"

#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace zeku::reference {

// A limit on one skill total: `base` plus the placed jewels' points in the
// tree must be at least `bound` (atLeast) or at most `bound`.
struct TotalLimit {
    uint16_t treeId = 0;
    bool atLeast = true;
    int32_t bound = 0;
    int32_t base = 0;
};

// Tries placements of a fixed list of jewels (any number of each) into
// holders. What fits a holder of a given size is listed once and kept.
class PlacementTrial {
public:
    explicit PlacementTrial(std::vector<const Jewel*> jewels) : m_jewels(std::move(jewels)) {}

    // Some placement into holders of the given free slots meets every limit.
    // With `placement`, one such placement is written there (per holder, its
    // jewels).
    bool find(const std::vector<uint16_t>& holderFree, const std::vector<TotalLimit>& limits,
              std::vector<std::vector<const Jewel*>>* placement = nullptr);

    using Sums = std::vector<int32_t>; // per limited tree
    // Per distinct sums, the first multiset listed with them; and per tree
    // the most and least any of them adds.
    struct Options {
        std::map<Sums, std::vector<const Jewel*>> multisets;
        Sums most, least;
    };

private:
    class Walk;
    // The holder sizes still to fill, and per limit what they must add.
    using State = std::pair<std::vector<uint16_t>, std::vector<int32_t>>;

    const Options& optionsFor(uint16_t free, const std::vector<uint16_t>& trees);
    void listMultisets(std::size_t from, int free, const std::vector<uint16_t>& trees,
                       std::vector<const Jewel*>& chosen, std::map<Sums, std::vector<const Jewel*>>& options) const;

    std::vector<const Jewel*> m_jewels;
    std::map<std::pair<uint16_t, std::vector<uint16_t>>, Options> m_options;
    std::map<std::vector<int32_t>, std::set<State>> m_failed; // by the kinds of limit (tree, direction)
};

} // namespace zeku::reference
