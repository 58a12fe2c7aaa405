// Exact jewel fitting against the reference, whose placement tries every
// multiset of jewels per holder: on random catalogues and conditions, with
// jewels and the exact test on, both must keep the same pieces in the same
// order with the same counters, and every placement shown must be valid by a
// check written here from the rule itself.

#include "search/RandomWorld.h"
#include "search/SearchTestSupport.h"

#include "reference/ReferenceSearch.h"
#include "search/PlacementSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <thread>

namespace zeku::test {
namespace {

constexpr uint64_t kExactSeeds = 240 / kSanitizerDivisor;

// The weapon and pieces of a result, without jewels.
std::string describePieces(const EquipSet& set)
{
    std::string text = set.weapon() ? "W" + std::to_string(set.weapon()->slots) : "-";
    for (int part = 0; part < kPartCount; ++part)
        text += "|" + (set.piece(part) ? set.piece(part)->name : std::string("-"));
    return text;
}

// Why a result's placement breaks the rule, or an empty text.
std::string placementFault(const EquipSet& set, const SearchCondition& c)
{
    auto checkHolder = [&](const JewelSlots& slots, const std::vector<const Jewel*>& fixed) -> std::string {
        if (slots.used > slots.capacity)
            return "over capacity";
        if (slots.jewels.size() < fixed.size() || !std::equal(fixed.begin(), fixed.end(), slots.jewels.begin()))
            return "fixed jewels lost";
        for (std::size_t i = fixed.size(); i < slots.jewels.size(); ++i)
            if (!jewelAllowed(*slots.jewels[i], c))
                return "jewel not allowed: " + slots.jewels[i]->name;
        return "";
    };
    if (set.weapon() != c.fixed.weapon())
        return "weapon changed";
    std::string fault = checkHolder(set.weaponSlots(), c.fixed.weaponSlots().jewels);
    for (int part = 0; part < kPartCount && fault.empty(); ++part) {
        if (c.fixed.piece(part) && set.piece(part) != c.fixed.piece(part))
            return "fixed piece changed";
        if (set.piece(part))
            fault = checkHolder(set.pieceSlots(part),
                                c.fixed.piece(part) ? c.fixed.pieceSlots(part).jewels : std::vector<const Jewel*>{});
    }
    if (!fault.empty())
        return fault;
    // The wish on the totals the search tests: each piece's first entry per
    // wanted tree, every point of every jewel.
    for (const SkillPoint& w : c.wanted) {
        int total = 0;
        auto addJewels = [&](const JewelSlots& slots) {
            for (const Jewel* jewel : slots.jewels)
                for (const SkillPoint& p : jewel->skills)
                    total += p.treeId == w.treeId ? p.points : 0;
        };
        addJewels(set.weaponSlots());
        for (int part = 0; part < kPartCount; ++part) {
            if (!set.piece(part))
                continue;
            addJewels(set.pieceSlots(part));
            for (const SkillPoint& wish : c.wanted)
                if (const SkillPoint* p = pointsOf(set.piece(part)->skills, wish.treeId); p && wish.treeId == w.treeId)
                    total += p->points;
        }
        if (!((w.points > 0 && total >= w.points) || (w.points < 0 && total <= w.points)))
            return "wish " + std::to_string(w.treeId) + ":" + std::to_string(w.points) + " not met (" +
                   std::to_string(total) + ")";
    }
    if (c.useExcludedSkills)
        for (const SkillActivation& e : c.excludedSkills.entries()) {
            const int total = set.totals().valueOf(e.treeId);
            if ((e.threshold > 0 && total >= e.threshold) || (e.threshold < 0 && total <= e.threshold))
                return "excluded skill " + std::to_string(e.treeId) + " active";
        }
    return "";
}

std::string firstDifference(const SearchCapture& engine, const SearchCapture& reference, const SearchCondition& c)
{
    std::ostringstream text;
    if (engine.outcome != reference.outcome)
        text << "outcome " << engine.outcome << " vs " << reference.outcome << "\n";
    if (engine.done != reference.done || engine.rawDone != reference.rawDone || engine.total != reference.total ||
        engine.rawTotal != reference.rawTotal || engine.resultCount != reference.resultCount)
        text << "counters differ: done " << engine.done << " vs " << reference.done << ", raw done " << engine.rawDone
             << " vs " << reference.rawDone << ", results " << engine.resultCount << " vs " << reference.resultCount
             << "\n";
    if (engine.resultSets.size() != reference.resultSets.size())
        text << "result count " << engine.resultSets.size() << " vs " << reference.resultSets.size() << "\n";
    for (std::size_t i = 0; i < std::min(engine.resultSets.size(), reference.resultSets.size()); ++i)
        if (describePieces(engine.resultSets[i]) != describePieces(reference.resultSets[i])) {
            text << "result " << i + 1 << ": " << engine.results[i] << " vs " << reference.results[i] << "\n";
            break;
        }
    for (const auto* run : {&engine, &reference})
        for (std::size_t i = 0; i < run->resultSets.size(); ++i)
            if (const std::string fault = placementFault(run->resultSets[i], c); !fault.empty()) {
                text << (run == &engine ? "engine" : "reference") << " result " << i + 1 << " " << run->results[i]
                     << ": " << fault << "\n";
                break;
            }
    if (engine.noticesWithoutProgress() != reference.noticesWithoutProgress())
        text << "notice sequences differ\n";
    if (describeWanted(engine.wantedAfter) != describeWanted(reference.wantedAfter))
        text << "wanted order differs\n";
    return text.str();
}

// Every third world without excluded skills gets one on a tree some jewel
// touches besides the wish, at a low threshold, so that placements often
// have to go around it.
void excludeSideEffect(RandomWorld& world, uint64_t seed)
{
    SearchCondition& c = world.condition;
    if (seed % 3 != 0 || c.useExcludedSkills)
        return;
    for (const Jewel& jewel : world.master.data().jewels().items())
        for (const SkillPoint& p : jewel.skills) {
            const bool wanted = std::any_of(c.wanted.begin(), c.wanted.end(),
                                            [&](const SkillPoint& w) { return w.treeId == p.treeId; });
            if (!wanted && p.points != 0 && jewelAllowed(jewel, c)) {
                c.useExcludedSkills = true;
                c.excludedSkills.add(p.treeId, static_cast<int16_t>(p.points > 0 ? 2 : -2));
                return;
            }
        }
}

// Compares the engine with the reference on the worlds of seeds 1..`seeds`.
void compareWithReference(uint64_t seeds)
{
    int mismatches = 0, withResults = 0, beyondGreedy = 0, excludedWithResults = 0;
    for (uint64_t seed = 1; seed <= seeds && mismatches < 5; ++seed) {
        std::unique_ptr<RandomWorld> world = makeWorld(seed);
        SearchCondition& c = world->condition;
        c.useJewels = true;
        excludeSideEffect(*world, seed);
        const SearchCapture greedy = runSearch(&runCombinationSearch, world->master.data(), c);
        c.exactJewels = true;
        const SearchCapture engine = runSearch(&runCombinationSearch, world->master.data(), c);
        const SearchCapture reference = runSearch(&runReferenceSearch, world->master.data(), c);
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + world->summary);
        const std::string difference = firstDifference(engine, reference, c);
        EXPECT_EQ(difference, "");
        mismatches += difference.empty() ? 0 : 1;
        withResults += reference.results.empty() ? 0 : 1;
        std::vector<std::string> greedyPieces, exactPieces;
        for (const EquipSet& set : greedy.resultSets)
            greedyPieces.push_back(describePieces(set));
        for (const EquipSet& set : engine.resultSets)
            exactPieces.push_back(describePieces(set));
        beyondGreedy += greedyPieces != exactPieces ? 1 : 0;
        excludedWithResults += c.useExcludedSkills && !reference.results.empty() ? 1 : 0;
    }
    // The worlds must exercise what the exact test changes.
    EXPECT_GT(withResults, static_cast<int>(seeds / 4));
    EXPECT_GT(beyondGreedy, static_cast<int>(seeds / 20));
    EXPECT_GT(excludedWithResults, 3);
}

TEST(ExactDifferential, EngineMatchesBruteForcePlacementOnRandomCatalogues)
{
    compareWithReference(kExactSeeds);
}

// A memo of 16 entries is emptied every eight answers, many times a search.
// One that is not really emptied fills up and its probes never end, so the
// comparison runs under a deadline that ends the whole test program.
TEST(ExactDifferential, AMemoEmptiedManyTimesKeepsMatchingTheReference)
{
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread deadline([&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (!done.wait_for(lock, std::chrono::minutes(3), [&] { return finished; })) {
            std::fprintf(stderr, "the searches with a 16-entry memo did not end within 3 minutes\n");
            std::_Exit(1);
        }
    });
    PlacementSolver::setMemoEntries(16);
    compareWithReference(kExactSeeds / 2);
    PlacementSolver::setMemoEntries(PlacementSolver::kMemoEntries);
    {
        std::lock_guard<std::mutex> lock(mutex);
        finished = true;
    }
    done.notify_one();
    deadline.join();
}

// The shown placement by its rule, written out by hand: holders with the most
// free slots first, equal ones head to leg and then the weapon; each takes
// jewels only while a goal is unmet, and a jewel whose removal leaves every
// goal met is left out.
TEST(ExactDifferential, ShownPlacementFollowsTheHolderOrderAndLeavesOutSpareJewels)
{
    struct Holder {
        int part;
        const char* name;
        uint16_t slots;
    };
    struct PlacementCase {
        const char* name;
        uint16_t weaponSlots;
        std::vector<Holder> pieces;
        int16_t wanted; // on tree 1, which each "A" (one slot) raises by 1
        const char* expected;
    };
    const std::vector<PlacementCase> cases = {
        // Three A fill the head; the third is spare: 2 exactly meets the wish.
        {"SpareJewelExactlyAtTheThreshold", 0, {{PartHead, "H3", 3}}, 2, "-|H3(A,A)|-|-|-|-"},
        {"MoreFreeSlotsFirst", 0, {{PartHead, "H1", 1}, {PartBody, "B2", 2}}, 1, "-|H1|B2(A)|-|-|-"},
        {"EqualHoldersHeadBeforeBody", 0, {{PartHead, "H1", 1}, {PartBody, "B1", 1}}, 1, "-|H1(A)|B1|-|-|-"},
        {"EqualHoldersLegBeforeWeapon", 1, {{PartLeg, "L1", 1}}, 1, "W1|-|-|-|-|L1(A)"},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestMaster master;
        for (const Holder& holder : c.pieces)
            master.piece(holder.part, holder.name, {}, {.slots = holder.slots});
        master.jewel("A", {{1, 1}}, 1);
        SearchCondition condition = makeCondition({{1, c.wanted}}, true);
        condition.exactJewels = true;
        if (c.weaponSlots)
            condition.fixed.setWeapon(master.weapon(c.weaponSlots));
        for (const Holder& holder : c.pieces)
            condition.fixed.setPiece(holder.part, &master.findPiece(holder.part, holder.name));
        EXPECT_EQ(runSearch(&runCombinationSearch, master.data(), condition).results,
                  std::vector<std::string>{c.expected});
    }
}

} // namespace
} // namespace zeku::test
