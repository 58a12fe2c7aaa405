// The additional-skill search against its definition on random catalogues and
// conditions: a candidate is in the answer exactly when the full reference
// search with its changed condition stores a result. Thread counts vary with
// the seed, so the answer must not depend on them.

#include "search/RandomWorld.h"

#include "reference/ReferenceSearch.h"
#include "search/AddableFindThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

namespace zeku::test {
namespace {

constexpr int kWorlds = 200 / static_cast<int>(kSanitizerDivisor);

// Skill trees for the world's tree ids: a few positive thresholds (sometimes
// the same one twice), sometimes a negative one, sometimes a second tree with
// the same id, and two trees no item carries points in.
void addSkillTrees(RandomWorld& world, uint64_t seed)
{
    TestRandom random(seed * 104729 + 3);
    std::vector<uint16_t> ids = world.trees;
    ids.push_back(61);
    ids.push_back(62);
    for (uint16_t id : ids) {
        std::vector<int16_t> thresholds;
        for (int n = random.range(1, 4); n > 0; --n)
            thresholds.push_back(static_cast<int16_t>(random.range(3, 16)));
        if (random.percent(30))
            thresholds.push_back(static_cast<int16_t>(-random.range(3, 10)));
        world.master.tree(id, thresholds);
        if (random.percent(5))
            world.master.tree(id, {static_cast<int16_t>(random.range(1, 20))});
    }
}

bool excludedReached(const SearchCondition& c, uint16_t treeId, int16_t points)
{
    for (const SkillActivation& e : c.excludedSkills.entries())
        if (e.treeId == treeId &&
            ((e.threshold > 0 && points >= e.threshold) || (e.threshold < 0 && points <= e.threshold)))
            return true;
    return false;
}

std::string describe(uint16_t treeId, int16_t points, bool raise)
{
    return std::to_string(treeId) + ":" + std::to_string(points) + (raise ? " raise" : " add");
}

// The definition, candidate by candidate, with the full reference search.
std::vector<std::string> expectedAnswer(const RandomWorld& world)
{
    const SearchCondition& base = world.condition;
    std::map<uint16_t, const SkillTree*> firstTrees;
    for (const SkillTree& tree : world.master.data().skills().trees())
        firstTrees.emplace(tree.id, &tree);
    std::vector<std::string> out;
    for (const auto& [id, tree] : firstTrees) {
        std::set<int16_t> thresholds;
        for (const SkillActivation& a : tree->activations)
            if (a.threshold > 0)
                thresholds.insert(a.threshold);
        for (int16_t p : thresholds) {
            SearchCondition changed(base);
            auto wanted = std::find_if(changed.wanted.begin(), changed.wanted.end(),
                                       [id = id](const SkillPoint& w) { return w.treeId == id; });
            const bool raise = wanted != changed.wanted.end();
            if (raise && (wanted->points <= 0 || wanted->points >= p))
                continue;
            if (base.useExcludedSkills && excludedReached(base, id, p))
                continue;
            if (raise)
                wanted->points = p;
            else
                changed.wanted.push_back({id, p});
            if (!runSearch(&runReferenceSearch, world.master.data(), changed).results.empty())
                out.push_back(describe(id, p, raise));
        }
    }
    return out;
}

std::vector<std::string> describeAnswer(const std::vector<AddableCandidate>& answer)
{
    std::vector<std::string> out;
    for (const AddableCandidate& c : answer)
        out.push_back(describe(c.tree->id, c.points, c.kind == AddableKind::Raise));
    return out;
}

// A world whose condition "検索" would accept.
std::unique_ptr<RandomWorld> acceptedWorld(uint64_t seed)
{
    std::unique_ptr<RandomWorld> world = makeWorld(seed);
    addSkillTrees(*world, seed);
    for (const SkillPoint& w : world->condition.wanted)
        if (world->condition.useExcludedSkills && excludedReached(world->condition, w.treeId, w.points))
            return nullptr;
    return world;
}

TEST(AddableDifferential, AnswerIsEveryCandidateWhoseFullSearchStoresAResult)
{
    int worlds = 0, mismatches = 0, withAnswer = 0, partial = 0;
    for (uint64_t seed = 1; worlds < kWorlds && mismatches < 5; ++seed) {
        std::unique_ptr<RandomWorld> world = acceptedWorld(seed);
        if (!world)
            continue;
        ++worlds;
        RecordingNoticeSink notices;
        CAddableFindThread finder(world->master.data(), world->condition, notices,
                                  AddableOptions{1 + static_cast<int>(seed % 3), false});
        finder.start();
        finder.wait();
        const std::vector<std::string> expected = expectedAnswer(*world);
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + world->summary);
        EXPECT_EQ(finder.outcome(), OutcomeCompleted);
        EXPECT_EQ(finder.done(), finder.candidates().size());
        const std::vector<std::string> answer = describeAnswer(finder.answer());
        EXPECT_EQ(answer, expected);
        mismatches += answer == expected ? 0 : 1;
        // One verdict notice per candidate, the final notice last.
        const std::vector<Notice> posted = notices.notices();
        ASSERT_EQ(posted.size(), finder.candidates().size() + 1);
        EXPECT_EQ(posted.back().code, AddableFinished);
        withAnswer += expected.empty() ? 0 : 1;
        partial += !expected.empty() && expected.size() < finder.candidates().size() ? 1 : 0;
    }
    // The worlds must keep producing answers that are neither empty nor everything.
    EXPECT_GT(withAnswer, kWorlds / 4);
    EXPECT_GT(partial, kWorlds / 8);
}

// Worlds built around one edge each, which random worlds seldom hit: the
// named candidate must be in the answer, and the answer is the reference's.
TEST(AddableDifferential, EdgeWorldsAnswerAsTheReference)
{
    const auto fixedWeapon = [](RandomWorld& w, bool jewelFixed) {
        w.master.tree(1, {10});
        w.master.tree(2, {3});
        w.master.piece(PartHead, "H", {{1, 10}}); // no slots anywhere but the weapon's
        w.master.jewel("J2", {{2, 3}}, 1);
        w.condition = makeCondition({{1, 10}}, !jewelFixed);
        w.condition.fixed.setWeapon(w.master.weapon(1));
        if (jewelFixed)
            w.condition.fixed.addWeaponJewels({&w.master.findJewel("J2")});
    };
    const struct {
        const char* name;
        std::function<void(RandomWorld&)> build;
        const char* addable;
    } rows[] = {
        {"only a jewel in the fixed weapon's free slot reaches tree 2", [&](RandomWorld& w) { fixedWeapon(w, false); },
         "2:3 add"},
        {"only the jewel fixed in the weapon's slot reaches tree 2", [&](RandomWorld& w) { fixedWeapon(w, true); },
         "2:3 add"},
        {"the threshold equals the most points tree 2 can reach",
         [](RandomWorld& w) {
             w.master.tree(1, {10});
             w.master.tree(2, {5, 6});
             w.master.piece(PartHead, "H", {{1, 10}});
             w.master.piece(PartBody, "B", {{2, 5}});
             w.condition = makeCondition({{1, 10}}, false);
         },
         "2:5 add"},
        {"a raise whose threshold equals the most points reachable",
         [](RandomWorld& w) {
             w.master.tree(1, {4, 9});
             w.master.piece(PartHead, "H", {{1, 4}}, PieceShape{1});
             w.master.piece(PartBody, "B", {{1, 3}});
             w.master.jewel("J1", {{1, 2}}, 1);
             w.condition = makeCondition({{1, 4}}, true);
         },
         "1:9 raise"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RandomWorld world;
        row.build(world);
        RecordingNoticeSink notices;
        CAddableFindThread finder(world.master.data(), world.condition, notices, AddableOptions{2, false});
        finder.start();
        finder.wait();
        EXPECT_EQ(finder.outcome(), OutcomeCompleted);
        const std::vector<std::string> answer = describeAnswer(finder.answer());
        EXPECT_EQ(answer, expectedAnswer(world));
        EXPECT_TRUE(std::find(answer.begin(), answer.end(), row.addable) != answer.end()) << row.addable;
    }
}

// Cancels from the first verdict notice: the answer keeps only decided
// candidates, each decided as an uncancelled run decides it.
class CancellingSink final : public NoticeSink {
public:
    void post(const Notice& notice) override
    {
        if (finder && notice.code == AddableRejected)
            finder->requestCancel();
        last = notice.code;
    }
    CAddableFindThread* finder = nullptr;
    std::atomic<int32_t> last{-1};
};

TEST(AddableDifferential, CancelKeepsTheCandidatesAlreadyDecided)
{
    int cancelled = 0;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        std::unique_ptr<RandomWorld> world = acceptedWorld(seed);
        if (!world)
            continue;
        RecordingNoticeSink full;
        CAddableFindThread whole(world->master.data(), world->condition, full, AddableOptions{2, false});
        whole.start();
        whole.wait();
        CancellingSink sink;
        CAddableFindThread finder(world->master.data(), world->condition, sink, AddableOptions{2, false});
        sink.finder = &finder;
        finder.start();
        finder.wait();
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::vector<std::string> all = describeAnswer(whole.answer());
        for (const std::string& kept : describeAnswer(finder.answer()))
            EXPECT_NE(std::find(all.begin(), all.end(), kept), all.end()) << kept;
        if (finder.outcome() == OutcomeCancelled) {
            ++cancelled;
            EXPECT_LT(finder.done(), finder.candidates().size());
            EXPECT_EQ(sink.last.load(), AddableCancelled);
        } else {
            EXPECT_EQ(finder.outcome(), OutcomeCompleted);
        }
    }
    EXPECT_GT(cancelled, 5);
}

} // namespace
} // namespace zeku::test
