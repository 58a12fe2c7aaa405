// The quick conditions that let the search skip work: the whole-slot bound
// and the linear form of the fitting bound. Each may only ever skip what
// cannot pass; the differential tests check whole searches, these check the
// pieces on cases small enough to reason about.

#include "search/CandidatePreparation.h"
#include "search/FitBound.h"
#include "search/SearchTestSupport.h"
#include "search/SlotBound.h"

#include "reference/ReferenceSearch.h"

#include <gtest/gtest.h>

#include <random>

namespace zeku::test {
namespace {

// Preparation as a search does it; `wanted` is left in search order.
struct Prepared {
    SearchCondition condition;
    PreparedSearch prep;
    std::vector<int16_t> thresholds;

    Prepared(const TestMaster& master, std::vector<SkillPoint> wanted)
        : condition(makeCondition(std::move(wanted), true))
    {
        prepareArmour(condition, master.data(), prep);
        prepareJewels(condition, master.data(), prep);
        for (const SkillPoint& w : condition.wanted)
            thresholds.push_back(w.points);
    }

    // Totals by tree slot from totals by tree id (other trees 0).
    std::vector<int16_t> totals(std::initializer_list<std::pair<uint16_t, int16_t>> byTree) const
    {
        std::vector<int16_t> out(prep.slotTree.size(), 0);
        for (const auto& [tree, points] : byTree)
            for (std::size_t s = 0; s < prep.slotTree.size(); ++s)
                if (prep.slotTree[s] == tree)
                    out[s] = points;
        return out;
    }
};

TEST(SlotBound, CountsTheFewestWholeJewelsPerDeficit)
{
    TestMaster master;
    master.piece(PartHead, "H", {{1, 1}});
    master.jewel("A1", {{1, 1}}, 1);
    master.jewel("A3", {{1, 3}}, 2);
    master.jewel("Big", {{1, 9}}, 3); // larger than any holder below: never placed
    master.jewel("B2", {{2, -2}}, 1);
    master.jewel("B5", {{2, -5}, {1, -1}}, 3);
    Prepared p(master, {{1, 10}, {2, -4}});
    SlotBound bound(p.prep, p.thresholds, p.prep.slotOfWanted, 2);

    // Tree 1 needs 4: A3 + A1, 3 slots (two A3 would be 4). Tree 2, wanted at
    // -4 and standing at 0, needs two B2 (B5 does not fit a 2-slot holder).
    EXPECT_EQ(bound.slotsNeeded(p.totals({{1, 6}, {2, 0}}).data()), 3u + 2u);
    // Met deficits need nothing, whichever way they are met.
    EXPECT_EQ(bound.slotsNeeded(p.totals({{1, 12}, {2, -7}}).data()), 0u);
    // Tree 1 needs 6: two A3.
    EXPECT_EQ(bound.slotsNeeded(p.totals({{1, 4}, {2, -4}}).data()), 4u);
    // Deficits beyond the table count as its last row: never more than needed.
    const uint32_t far = bound.slotsNeeded(p.totals({{1, -30000}, {2, -4}}).data());
    EXPECT_GT(far, 100u);
    EXPECT_LE(far, 20000u);
}

TEST(SlotBound, DeficitNoJewelServesIsBeyondAnyFreeSlots)
{
    TestMaster master;
    master.piece(PartHead, "H", {{1, 1}});
    master.jewel("A1", {{1, 1}}, 1);
    Prepared p(master, {{1, 3}, {5, 2}});
    SlotBound bound(p.prep, p.thresholds, p.prep.slotOfWanted, 3);
    EXPECT_GT(bound.slotsNeeded(p.totals({{1, 3}, {5, 1}}).data()), 6u * 65535u);
}

TEST(SlotBound, SkillsOneJewelServesTogetherNeedOnlyTheNeediestsSlots)
{
    TestMaster master;
    master.piece(PartHead, "H", {{1, 1}});
    master.jewel("A1", {{1, 1}}, 1);
    master.jewel("Both", {{1, 1}, {2, -1}}, 1);
    // Tree 2 wanted low: "Both" lowers it while raising tree 1, so A1 + Both
    // + Both close both deficits in 3 slots, not 3 + 2.
    Prepared lowering(master, {{1, 3}, {2, -2}});
    SlotBound joined(lowering.prep, lowering.thresholds, lowering.prep.slotOfWanted, 3);
    EXPECT_EQ(joined.slotsNeeded(lowering.totals({{1, 0}, {2, 0}}).data()), 3u);
    EXPECT_EQ(joined.slotsNeeded(lowering.totals({{1, 2}, {2, 0}}).data()), 2u);
    // Tree 2 wanted high: no jewel raises it, whatever tree 1 needs.
    Prepared raising(master, {{1, 3}, {2, 2}});
    SlotBound apart(raising.prep, raising.thresholds, raising.prep.slotOfWanted, 3);
    EXPECT_EQ(apart.slotsNeeded(raising.totals({{1, 0}, {2, 2}}).data()), 3u);
    EXPECT_GT(apart.slotsNeeded(raising.totals({{1, 3}, {2, 0}}).data()), 6u * 65535u);
}

// A few random jewel catalogues over trees 1..4, for the linear condition.
std::vector<std::unique_ptr<TestMaster>> randomJewelCatalogues(std::mt19937& random)
{
    std::vector<std::unique_ptr<TestMaster>> catalogues;
    for (int c = 0; c < 20; ++c) {
        auto master = std::make_unique<TestMaster>();
        master->piece(PartHead, "H", {{1, 1}});
        const int jewels = std::uniform_int_distribution<int>(2, 8)(random);
        for (int j = 0; j < jewels; ++j) {
            std::vector<SkillPoint> skills;
            const int entries = std::uniform_int_distribution<int>(1, 3)(random);
            for (int e = 0; e < entries; ++e)
                skills.push_back({static_cast<uint16_t>(std::uniform_int_distribution<int>(1, 4)(random)),
                                  static_cast<int16_t>(std::uniform_int_distribution<int>(-4, 5)(random))});
            master->jewel("J" + std::to_string(j), skills,
                          static_cast<uint16_t>(std::uniform_int_distribution<int>(1, 3)(random)));
        }
        catalogues.push_back(std::move(master));
    }
    return catalogues;
}

TEST(FitBound, LinearConditionHoldsWheneverTheOutlookMayFit)
{
    std::mt19937 random(20261207);
    auto points = [&](int low, int high) {
        return static_cast<int16_t>(std::uniform_int_distribution<int>(low, high)(random));
    };
    int mayFit = 0, rejectedByLinear = 0;
    for (const auto& master : randomJewelCatalogues(random)) {
        Prepared p(*master, {{1, points(1, 15)}, {2, points(-9, -1)}, {3, points(1, 12)}, {4, 0}});
        FitBound bound(p.prep, p.thresholds, p.prep.slotOfWanted);
        for (int trial = 0; trial < 400; ++trial) {
            std::vector<int16_t> base(p.prep.slotTree.size()), delta(p.prep.slotTree.size());
            for (std::size_t s = 0; s < base.size(); ++s) {
                base[s] = points(-12, 12);
                delta[s] = points(-5, 5);
            }
            FitCapacity capacity = bound.emptyCapacity();
            const int holders = std::uniform_int_distribution<int>(0, 4)(random);
            for (int h = 0; h < holders; ++h)
                bound.addHolder(capacity, static_cast<uint16_t>(std::uniform_int_distribution<int>(0, 3)(random)));
            const uint16_t extra = static_cast<uint16_t>(std::uniform_int_distribution<int>(1, 3)(random));
            FitCapacity withExtra = capacity;
            bound.addHolder(withExtra, extra);

            const double least = bound.leastGainUnits(base.data(), capacity);
            if (bound.outlook(base.data(), delta.data(), capacity) != FitBound::Outlook::Unreachable) {
                ++mayFit;
                EXPECT_GE(bound.gainUnits(delta.data()), least) << "trial " << trial;
            } else if (bound.gainUnits(delta.data()) < least) {
                ++rejectedByLinear;
            }
            // The subtree form: a later part's group brings its points and its
            // holder; if the whole may fit, the prefix alone passes the check
            // with the group's gain plus the holder's units.
            if (bound.outlook(base.data(), delta.data(), withExtra) != FitBound::Outlook::Unreachable) {
                EXPECT_GE(bound.gainUnits(delta.data()) + bound.holderUnits(extra), least) << "trial " << trial;
            }
        }
    }
    // Both answers must occur, or the checks above prove little.
    EXPECT_GT(mayFit, 100);
    EXPECT_GT(rejectedByLinear, 100);
}

// Totals near the 16-bit limit switch the bounds off; the search must still
// give exactly what the reference gives, wrapped totals and all.
TEST(SearchBounds, TotalsThatCouldWrapGiveTheReferenceResults)
{
    TestMaster master;
    master.piece(PartHead, "Huge", {{1, 30000}, {2, 1}}, {.slots = 1});
    master.piece(PartHead, "Small", {{1, 2}, {2, 1}}, {.slots = 2});
    master.piece(PartBody, "Push", {{1, 3000}}, {.slots = 1});
    master.piece(PartBody, "Pull", {{1, -2}, {2, 2}}, {.slots = 2});
    master.piece(PartArm, "Arm", {{2, 2}}, {.slots = 3});
    master.piece(PartLeg, "Leg", {{1, 1}}, {.slots = 1});
    master.jewel("A1", {{1, 1}}, 1);
    master.jewel("A4", {{1, 4}, {2, -1}}, 2);
    master.jewel("B2", {{2, 2}}, 1);
    for (const std::vector<SkillPoint>& wanted :
         {std::vector<SkillPoint>{{1, 5}, {2, 3}}, {{1, -3}, {2, 4}}, {{1, 30}, {2, 2}}}) {
        const SearchCondition condition = makeCondition(wanted, true);
        const SearchCapture engine = runSearch(&runCombinationSearch, master.data(), condition);
        const SearchCapture reference = runSearch(&runReferenceSearch, master.data(), condition);
        EXPECT_EQ(engine.results, reference.results);
        EXPECT_EQ(engine.resultTotals, reference.resultTotals);
        EXPECT_EQ(engine.done, reference.done);
        EXPECT_EQ(engine.rawDone, reference.rawDone);
        EXPECT_EQ(engine.outcome, reference.outcome);
    }
}

} // namespace
} // namespace zeku::test
