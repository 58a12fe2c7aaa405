#pragma once
// What one search looks for. The main window fills it, the worker gets a deep
// copy, and the history files store it.

#include "search/EquipSet.h"
#include "search/ItemSets.h"

#include <cstdint>
#include <vector>

namespace zeku {

// Signed rarity filter: 0 any, -n at most n, 100+n at least n, any other n
// exactly n. Read only through rarityWish(), written only through rarityCode().
using RarityFilterCode = int16_t;

// The rarity codes the rarity choices offer: -1..-kRarityAtMostTop "n or
// lower", 1..kRarityOnlyTop "n only", 100+2..100+kRarityAtLeastTop "n or
// higher", and 0 for all (also the separator rows).
constexpr int kRarityAtMostTop = 7;
constexpr int kRarityOnlyTop = 8;
constexpr int kRarityAtLeastBottom = 2;
constexpr int kRarityAtLeastTop = 8;
constexpr int kRarityAtLeastBase = 100;

// What a rarity code asks of a piece's rarity.
enum class RarityBound { Any, AtMost, Only, AtLeast };
struct RarityWish {
    RarityBound bound = RarityBound::Any;
    int rarity = 0; // the n of the bound; 0 for Any
};

constexpr RarityWish rarityWish(RarityFilterCode code)
{
    if (code == 0)
        return {RarityBound::Any, 0};
    if (code < 0)
        return {RarityBound::AtMost, -static_cast<int>(code)};
    if (code > kRarityAtLeastBase)
        return {RarityBound::AtLeast, code - kRarityAtLeastBase};
    return {RarityBound::Only, code};
}

constexpr RarityFilterCode rarityCode(RarityBound bound, int rarity)
{
    switch (bound) {
    case RarityBound::AtMost:
        return static_cast<RarityFilterCode>(-rarity);
    case RarityBound::Only:
        return static_cast<RarityFilterCode>(rarity);
    case RarityBound::AtLeast:
        return static_cast<RarityFilterCode>(kRarityAtLeastBase + rarity);
    case RarityBound::Any:
        break;
    }
    return 0;
}

// True when a piece of rarity `rarity` passes `code`.
constexpr bool rarityPasses(RarityFilterCode code, uint16_t rarity)
{
    const RarityWish wish = rarityWish(code);
    switch (wish.bound) {
    case RarityBound::AtMost:
        return rarity <= wish.rarity;
    case RarityBound::Only:
        return rarity == wish.rarity;
    case RarityBound::AtLeast:
        return rarity >= wish.rarity;
    case RarityBound::Any:
        break;
    }
    return true;
}

// True for a code some rarity choice offers; other codes are searched one way
// and described another, so no condition takes them.
constexpr bool isOfferedRarityCode(int code)
{
    return (code >= -kRarityAtMostTop && code <= kRarityOnlyTop) ||
           (code >= kRarityAtLeastBase + kRarityAtLeastBottom && code <= kRarityAtLeastBase + kRarityAtLeastTop);
}

// The count of a search whose window, file or command line gives none (or 0).
constexpr uint32_t kDefaultMaxResults = 10000;
// The engine's own reading of a maximum count of 0: the search stops, with
// OutcomeLimitReached, at the first set it would store, and stores nothing.
// It asks only whether any set fits. No search a window, file or command line
// starts runs with it: a 0 there starts the search with kDefaultMaxResults.
constexpr uint32_t kStopAtFirstResult = 0;

struct SearchCondition {
    uint16_t sex = 0; // 1 male, 2 female; 0 only when reset
    uint16_t job = 0; // 1 blade user, 2 gunner; 0 only when reset
    RarityFilterCode rarity = 0;
    uint16_t minDefence = 0; // 0: no limit
    bool useJewels = false;
    bool useExcludedItems = false;
    bool useExcludedSkills = false;
    bool requireSParts = false;
    // With jewels on: a combination passes when some placement of jewels
    // meets the wish (ExactJewelFit.h) instead of the greedy fitting.
    bool exactJewels = false;
    uint32_t maxResults = kDefaultMaxResults; // kStopAtFirstResult: see there
    std::vector<SkillPoint> wanted; // (tree id, required threshold), never empty when searching
    EquipSet fixed;
    ExclusionSet excludedItems; // filled only when useExcludedItems
    ExcludedSkillList excludedSkills; // filled only when useExcludedSkills
    SPartSet sParts; // filled only when requireSParts

    SearchCondition() = default;
    SearchCondition(const SearchCondition& other) { copyFrom(other); }
    SearchCondition& operator=(const SearchCondition& other)
    {
        if (this != &other)
            copyFrom(other);
        return *this;
    }

    // Exact fitting places jewels: without jewels a search is never exact,
    // whatever `exactJewels` holds. Every reader and writer asks this.
    bool usesExactJewels() const { return useJewels && exactJewels; }

    void reset();
    // Resets, then copies every field; the fixed set is rebuilt so its totals are recomputed.
    void copyFrom(const SearchCondition& source);
};

} // namespace zeku
