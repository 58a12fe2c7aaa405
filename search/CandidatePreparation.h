#pragma once
// Candidate preparation: turns the catalogues and a search condition into the
// small, dense structures the enumeration walks.
//
// Pieces that pass the filters and add the same points to the wanted skills
// (and, with jewels, have the same slot count) are merged into one
// CandidateGroup: the enumeration tries one candidate per group and expands a
// group into its pieces only when a combination is accepted. Groups are tried
// in the order of a 17-bucket string hash of their contribution key, which
// decides the order of results.
//
// Skill points are kept per "tree slot": the position of a wanted tree in the
// list of distinct wanted trees, so that totals are a short dense array.

#include "data/MasterData.h"
#include "search/SearchCondition.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zeku {

// One wanted tree's points as the search sees them.
struct SlotPoints {
    int16_t slot = 0; // tree slot
    int16_t points = 0;
};

// One candidate for one part: pieces that are interchangeable for this search.
struct CandidateGroup {
    bool fixed = false;
    std::vector<const EquipItem*> pieces; // catalogue order
    uint16_t capacity = 0; // slots jewels may be placed in
    std::vector<const Jewel*> fixedJewels; // a fixed piece's own jewels
    std::vector<SkillPoint> relevantPoints; // first piece's entries for the wanted skills, wanted order
    std::vector<SlotPoints> relevantSlots; // the same, by tree slot
};

// One jewel prepared for one wanted tree.
struct JewelCandidate {
    int32_t jewel = 0; // index into the prepared jewels
    float score = 0.0f; // wanted points per slot, sign-corrected for bad skills
    float penalty = 0.0f; // unwanted negative points per slot (<= 0)
};

// The jewels that serve one wanted tree, best first.
struct SkillJewelList {
    uint16_t treeId = 0;
    std::vector<JewelCandidate> candidates;
    uint16_t smallestSlots = 65535;
    float bestRatio = 0.0f;
    bool ratioSet = false;
};

// A jewel as the fitting needs it: its slot size and its points in wanted trees.
struct PreparedJewel {
    const Jewel* jewel = nullptr;
    uint16_t slots = 0;
    uint16_t rarity = 0;
    std::vector<SlotPoints> wantedPoints; // every entry in a wanted tree, jewel order
};

// Everything preparation builds for one search.
struct PreparedSearch {
    // Distinct wanted trees; wanted entries refer to them by slot.
    std::vector<uint16_t> slotTree;
    std::vector<int16_t> slotOfWanted; // per wanted entry (current wanted order)

    std::vector<CandidateGroup> groups; // registry: every group of this search
    std::vector<int32_t> partGroups[kPartCount]; // per part, the groups in trial order
    uint64_t total = 1;
    uint64_t rawTotal = 1;

    // Jewels (only when the condition uses them).
    std::vector<PreparedJewel> jewels;
    std::vector<SkillJewelList> jewelLists;
    std::vector<int32_t> listOfSlot; // tree slot -> index into jewelLists, or -1
};

// The bucket a contribution key falls in: h = h * 33 + byte, mod 17.
uint32_t contributionBucket(const std::string& key);

// The contribution key of a piece: "<%03d:%d>" per wanted tree it has points
// in, then "<S:%d>" with its slot count when jewels are used.
std::string contributionKey(const std::vector<SkillPoint>& relevant, bool useJewels, uint16_t slots);

// Builds the armour candidates and the progress totals. Throws std::bad_alloc.
void prepareArmour(const SearchCondition& condition, const MasterData& master, PreparedSearch& out);

// Builds the jewel lists and reorders the condition's wanted list (jewels used
// only). Throws std::bad_alloc.
void prepareJewels(SearchCondition& condition, const MasterData& master, PreparedSearch& out);

} // namespace zeku
