// "What else fits this set" against the reference's placement trial, which
// lists every multiset of jewels per holder: on results of random worlds,
// both must find the same candidates, and every placement shown must be
// valid by a check written here from the rule itself.

#include "search/RandomWorld.h"
#include "search/SearchTestSupport.h"

#include "reference/ReferencePlacement.h"
#include "search/SetFits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace zeku::test {
namespace {

constexpr uint64_t kFitSeeds = 200 / kSanitizerDivisor;

bool met(int16_t threshold, int total)
{
    return (threshold > 0 && total >= threshold) || (threshold < 0 && total <= threshold);
}

// The jewels a holder keeps: those the condition fixed into the same item.
std::vector<const Jewel*> keptJewels(const SearchCondition& c, const EquipSet& set, int holder)
{
    if (holder == kPartCount)
        return set.weapon() && set.weapon() == c.fixed.weapon() ? c.fixed.weaponSlots().jewels
                                                                : std::vector<const Jewel*>{};
    return set.piece(holder) && set.piece(holder) == c.fixed.piece(holder) ? c.fixed.pieceSlots(holder).jewels
                                                                           : std::vector<const Jewel*>{};
}

// The set with its kept jewels and `added` per holder.
EquipSet rebuilt(const SearchCondition& c, const EquipSet& set,
                 const std::vector<const Jewel*> (&added)[kPartCount + 1])
{
    EquipSet out;
    out.setWeapon(set.weapon());
    std::vector<const Jewel*> jewels = keptJewels(c, set, kPartCount);
    jewels.insert(jewels.end(), added[kPartCount].begin(), added[kPartCount].end());
    if (!out.addWeaponJewels(jewels))
        ADD_FAILURE() << "weapon jewels do not fit";
    for (int part = 0; part < kPartCount; ++part) {
        if (!set.piece(part))
            continue;
        out.setPiece(part, set.piece(part));
        jewels = keptJewels(c, set, part);
        jewels.insert(jewels.end(), added[part].begin(), added[part].end());
        if (!out.addPieceJewels(part, jewels))
            ADD_FAILURE() << "jewels do not fit part " << part;
    }
    return out;
}

// The reference's answer: candidates by (tree, points) that some placement reaches.
std::vector<std::pair<uint16_t, int16_t>> referenceFits(const SearchCondition& c, const EquipSet& set,
                                                        const MasterData& master)
{
    const std::vector<const Jewel*> none[kPartCount + 1];
    const EquipSet bare = rebuilt(c, set, none);
    std::vector<uint16_t> free;
    for (int part = 0; part < kPartCount; ++part)
        if (bare.piece(part))
            free.push_back(bare.pieceSlots(part).freeSlots());
    if (bare.weapon())
        free.push_back(bare.weaponSlots().freeSlots());
    std::vector<std::pair<uint16_t, int16_t>> out;
    for (const AddableCandidate& candidate : addableCandidates(c, master.skills())) {
        const SearchCondition changed = candidateCondition(c, candidate);
        std::vector<reference::TotalLimit> limits;
        bool possible = true;
        for (const SkillPoint& w : changed.wanted) {
            possible = possible && w.points != 0;
            limits.push_back({w.treeId, w.points > 0, w.points, bare.totals().valueOf(w.treeId)});
        }
        if (changed.useExcludedSkills)
            for (const SkillActivation& e : changed.excludedSkills.entries())
                if (e.threshold != 0)
                    limits.push_back({e.treeId, e.threshold<0, e.threshold> 0 ? e.threshold - 1 : e.threshold + 1,
                                      bare.totals().valueOf(e.treeId)});
        std::vector<const Jewel*> allowed;
        for (const Jewel& jewel : master.jewels().items())
            if (jewelAllowed(jewel, changed))
                allowed.push_back(&jewel);
        reference::PlacementTrial trial(allowed);
        if (possible && trial.find(free, limits))
            out.push_back({candidate.tree->id, candidate.points});
    }
    return out;
}

// `c` with one more piece fixed, one the set does not wear, holding a jewel
// of a wanted tree that would also fit the set's piece: the jewel belongs to
// the fixed piece and must not count for the set. `c` itself when no part
// allows it.
SearchCondition fixedElsewhere(const SearchCondition& c, const EquipSet& set, const MasterData& master)
{
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* worn = set.piece(part);
        if (!worn || c.fixed.piece(part))
            continue;
        for (const EquipItem& other : master.equip(part).items())
            for (const Jewel& jewel : master.jewels().items()) {
                const bool wanted = std::any_of(jewel.skills.begin(), jewel.skills.end(), [&](const SkillPoint& j) {
                    return std::any_of(c.wanted.begin(), c.wanted.end(),
                                       [&](const SkillPoint& w) { return w.treeId == j.treeId; });
                });
                if (&other == worn || !wanted || jewel.slots > std::min(other.slots, worn->slots))
                    continue;
                SearchCondition out = c;
                out.fixed.setPiece(part, &other);
                out.fixed.addPieceJewels(part, {&jewel});
                return out;
            }
    }
    return c;
}

TEST(SetFitsDifferential, CandidatesMatchTheReferenceAndEveryPlacementHolds)
{
    int checkedSets = 0, withFits = 0, mismatches = 0;
    for (uint64_t seed = 1; seed <= kFitSeeds && mismatches < 5; ++seed) {
        std::unique_ptr<RandomWorld> world = makeWorld(seed);
        // Activations to add or raise: the worlds come without any.
        for (uint16_t tree : world->trees)
            world->master.tree(tree, {2, 5, 8, 12, -5});
        SearchCondition& c = world->condition;
        c.useJewels = true;
        c.exactJewels = true;
        const SearchCapture run = runSearch(&runCombinationSearch, world->master.data(), c);
        if (run.resultSets.empty())
            continue;
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + world->summary);
        // The first and the last result, on the condition as the user gave it
        // and with a piece the set does not wear fixed.
        for (const EquipSet* set : {&run.resultSets.front(), &run.resultSets.back()})
            for (const SearchCondition& wish : {c, fixedElsewhere(c, *set, world->master.data())}) {
                const std::vector<SetFit> fits = fittingCandidates(wish, *set, world->master.data());
                std::vector<std::pair<uint16_t, int16_t>> got;
                for (const SetFit& fit : fits) {
                    got.push_back({fit.candidate.tree->id, fit.candidate.points});
                    const SearchCondition changed = candidateCondition(wish, fit.candidate);
                    const EquipSet placed = rebuilt(wish, *set, fit.jewels);
                    for (const auto& holder : fit.jewels)
                        for (const Jewel* jewel : holder)
                            EXPECT_TRUE(jewelAllowed(*jewel, changed)) << jewel->name;
                    for (const SkillPoint& w : changed.wanted)
                        EXPECT_TRUE(met(w.points, placed.totals().valueOf(w.treeId)))
                            << "candidate " << fit.candidate.tree->id << ":" << fit.candidate.points << " wish "
                            << w.treeId << ":" << w.points;
                    if (changed.useExcludedSkills) {
                        for (const SkillActivation& e : changed.excludedSkills.entries())
                            EXPECT_FALSE(met(e.threshold, placed.totals().valueOf(e.treeId)));
                    }
                }
                const auto expected = referenceFits(wish, *set, world->master.data());
                EXPECT_EQ(got, expected) << describeSet(*set);
                mismatches += got == expected ? 0 : 1;
                ++checkedSets;
                withFits += got.empty() ? 0 : 1;
            }
    }
    EXPECT_GT(checkedSets, static_cast<int>(kFitSeeds / 4));
    EXPECT_GT(withFits, checkedSets / 4);
}

} // namespace
} // namespace zeku::test
