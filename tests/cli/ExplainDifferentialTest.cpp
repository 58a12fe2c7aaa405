// The no-result explanation against its definition on random worlds. The
// changes worth trying are listed here again from the condition's JSON form,
// each applied by editing that JSON and reading it back with the condition
// reader; the explanation must list exactly those whose reference search
// stores a result, in order. Each reach must equal the best total of the tree
// over every set the reference preparation admits, found by trying them all.

#include "search/RandomWorld.h"

#include "cli/ConditionJson.h"
#include "cli/ExplainCommand.h"
#include "cli/JsonFormat.h"
#include "reference/ReferencePreparation.h"
#include "reference/ReferenceSearch.h"
#include "search/NoResultExplainThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace zeku::test {
namespace {

using nlohmann::json;

constexpr int kExplainedWorlds = 120 / static_cast<int>(kSanitizerDivisor);

// Thresholds for every tree of the world, some between the wanted points and
// 0 (so that lowering has somewhere to go), some beyond them, some negative.
void addSkillTrees(RandomWorld& world, uint64_t seed)
{
    TestRandom random(seed * 6151 + 11);
    for (uint16_t id : world.trees) {
        std::vector<int16_t> thresholds;
        for (int n = random.range(0, 3); n > 0; --n)
            thresholds.push_back(static_cast<int16_t>(random.range(1, 14)));
        for (int n = random.range(0, 2); n > 0; --n)
            thresholds.push_back(static_cast<int16_t>(-random.range(1, 8)));
        world.master.tree(id, thresholds);
    }
}

bool storesAResult(const MasterData& master, const json& conditionJson)
{
    SearchCondition condition;
    std::string error;
    if (!conditionFromJson(conditionJson, master, condition, error)) {
        ADD_FAILURE() << "the reader refuses a changed condition: " << error << "\n" << conditionJson.dump();
        return false;
    }
    condition.maxResults = 1;
    return !runSearch(&runReferenceSearch, master, condition).results.empty();
}

struct Candidate {
    json line; // as the command line prints it
    json edited; // the condition with the change
};

// Every change of the fixed list that applies, from the JSON alone.
std::vector<Candidate> candidateChanges(const json& base, const SkillCatalogue& skills)
{
    std::vector<Candidate> out;
    auto add = [&](json line, const std::function<void(json&)>& edit) {
        json edited = base;
        edit(edited);
        line["kind"] = "change";
        out.push_back({line, edited});
    };
    const json& wanted = base["skills"];
    if (wanted.size() > 1)
        for (std::size_t i = 0; i < wanted.size(); ++i)
            add({{"change", "drop"}, {"tree", wanted[i][0]}}, [i](json& j) { j["skills"].erase(i); });
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const int points = wanted[i][1];
        std::optional<int> nearest;
        for (const SkillTree& tree : skills.trees())
            if (tree.id == wanted[i][0].get<int>())
                for (const SkillActivation& a : tree.activations) {
                    const int t = a.threshold;
                    const bool between = points > 0 ? (t > 0 && t < points) : (t < 0 && t > points);
                    if (between && (!nearest || std::abs(points - t) < std::abs(points - *nearest)))
                        nearest = t;
                }
        if (nearest)
            add({{"change", "lower"}, {"tree", wanted[i][0]}, {"points", *nearest}},
                [i, p = *nearest](json& j) { j["skills"][i][1] = p; });
    }
    for (const auto& [key, name] :
         {std::pair{"use_excluded_items", "excluded_items"}, std::pair{"use_excluded_skills", "excluded_skills"},
          std::pair{"require_s_parts", "s_parts"}})
        if (base[key].get<bool>())
            add({{"change", "switch_off"}, {"switch", name}}, [key = key](json& j) { j[key] = false; });
    if (base["min_defence"].get<int>() > 0)
        add({{"change", "min_defence"}}, [](json& j) { j["min_defence"] = 0; });
    if (base["rarity"].get<int>() != 0)
        add({{"change", "rarity"}}, [](json& j) { j["rarity"] = 0; });
    if (!base["jewels"].get<bool>())
        add({{"change", "jewels_on"}}, [](json& j) { j["jewels"] = true; });
    else if (!base.value("exact_jewels", false))
        add({{"change", "exact_jewels_on"}}, [](json& j) { j["exact_jewels"] = true; });
    const char* const holders[] = {"weapon", "head", "body", "arm", "waist", "leg"};
    for (const char* holder : holders)
        if (base["fixed"].contains(holder))
            add({{"change", "unfix_piece"}, {"part", holder}}, [holder](json& j) { j["fixed"].erase(holder); });
    for (const char* holder : holders)
        if (base["fixed"].contains(holder) && !base["fixed"][holder]["jewels"].empty())
            add({{"change", "unfix_jewels"}, {"part", holder}},
                [holder](json& j) { j["fixed"][holder]["jewels"] = json::array(); });
    return out;
}

// The best jewels of `list` can add (directed by `sign`) in `free` slots of
// one holder: every multiset of them that fits, tried.
int bestJewels(const std::vector<std::pair<int, int>>& list, std::size_t from, int free)
{
    int best = 0;
    for (std::size_t i = from; i < list.size(); ++i)
        if (list[i].first >= 1 && list[i].first <= free)
            best = std::max(best, list[i].second + bestJewels(list, i, free - list[i].first));
    return best;
}

// Brute force: per part the fixed piece, or nothing, or each piece of the
// reference preparation's groups, every choice combined with the others.
std::vector<int> bruteForceReach(const SearchCondition& base, const MasterData& master)
{
    SearchCondition copy(base);
    reference::PreparedCandidates prepared;
    reference::ReferencePreparation preparation(copy, master, prepared);
    preparation.prepareArmour();
    if (copy.useJewels)
        preparation.prepareJewels();
    std::vector<int> out;
    for (const SkillPoint& w : base.wanted) {
        const int sign = w.points < 0 ? -1 : 1;
        std::vector<std::pair<int, int>> jewels; // (size, directed points)
        if (const reference::JewelList* list = base.useJewels ? prepared.jewelListOf(w.treeId) : nullptr)
            for (const reference::JewelCandidate& c : list->candidates) {
                int points = 0;
                for (const SkillPoint* r : c.relevant)
                    points += r->treeId == w.treeId ? r->points : 0;
                jewels.emplace_back(c.jewel->slots, sign * points);
            }
        std::map<int, int> fill; // free slots -> best jewels, each tried in full once
        auto jewelsIn = [&](int free) {
            if (!fill.count(free))
                fill[free] = bestJewels(jewels, 0, free);
            return fill[free];
        };
        auto groupPoints = [&](const std::vector<const SkillPoint*>& relevant) {
            for (const SkillPoint* p : relevant)
                if (p->treeId == w.treeId)
                    return sign * p->points;
            return 0;
        };
        auto jewelPoints = [&](const std::vector<const Jewel*>& placed) {
            int sum = 0;
            for (const Jewel* j : placed)
                for (const SkillPoint& p : j->skills)
                    sum += p.treeId == w.treeId ? sign * p.points : 0;
            return sum;
        };
        // Each part's choices as directed totals (piece, its jewels, its free slots filled).
        std::vector<std::vector<int>> choices(kPartCount);
        for (int part = 0; part < kPartCount; ++part) {
            if (const EquipItem* fixedPiece = base.fixed.piece(part)) {
                const JewelSlots& slots = base.fixed.pieceSlots(part);
                const SkillPoint* first = pointsOf(fixedPiece->skills, w.treeId);
                choices[part].push_back((first ? sign * first->points : 0) + jewelPoints(slots.jewels) +
                                        jewelsIn(fixedPiece->slots - slots.used));
                continue;
            }
            choices[part].push_back(0);
            for (const reference::Group* group : prepared.groups[part])
                for (const EquipItem* piece : group->pieces)
                    choices[part].push_back(groupPoints(group->relevant) + jewelsIn(piece->slots));
        }
        const JewelSlots& weaponSlots = base.fixed.weaponSlots();
        const int weapon = jewelPoints(weaponSlots.jewels) + jewelsIn(weaponSlots.freeSlots());
        int best = INT32_MIN;
        for (int a : choices[0])
            for (int b : choices[1])
                for (int c : choices[2])
                    for (int d : choices[3])
                        for (int e : choices[4])
                            best = std::max(best, weapon + a + b + c + d + e);
        out.push_back(sign * best);
    }
    return out;
}

TEST(ExplainDifferential, ChangesAndReachesFollowTheirDefinitions)
{
    int explained = 0, withResults = 0, withChanges = 0, someStoreNone = 0, lowered = 0, unmet = 0;
    for (uint64_t seed = 1; explained < kExplainedWorlds && seed < 2000; ++seed) {
        std::unique_ptr<RandomWorld> world = makeWorld(seed);
        addSkillTrees(*world, seed);
        if (seed % 4 == 0 && world->condition.minDefence > 0)
            world->condition.minDefence = 1; // the least limit there is
        if (seed % 5 == 0)
            world->condition.exactJewels = world->condition.useJewels; // explained in exact mode
        const MasterData& master = world->master.data();
        const json baseJson = json::parse(conditionToJson(world->condition).dump());
        SearchCondition base;
        std::string error;
        if (!conditionFromJson(baseJson, master, base, error))
            continue; // "検索" would refuse it too
        bool sameFixed = true; // same-named pieces of one sex cannot be told apart by name
        for (int part = 0; part < kPartCount; ++part)
            sameFixed = sameFixed && base.fixed.piece(part) == world->condition.fixed.piece(part);
        if (!sameFixed)
            continue;
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + world->summary);

        RecordingNoticeSink notices;
        const FirstResultOptions threads{1 + static_cast<int>(seed % 3), false};
        CNoResultExplainThread explainer(master, base, notices, threads);
        explainer.start();
        explainer.wait();
        if (storesAResult(master, baseJson)) {
            ++withResults;
            EXPECT_EQ(explainer.outcome(), ExplainOutcome::HasResults);
            EXPECT_TRUE(explainer.answer().empty());
            EXPECT_EQ(notices.notices().back().code, ExplainHasResults);
            continue;
        }
        ++explained;
        ASSERT_EQ(explainer.outcome(), ExplainOutcome::Finished);
        EXPECT_EQ(explainer.done(), explainer.total());

        std::vector<json> expected;
        const std::vector<Candidate> candidates = candidateChanges(baseJson, master.skills());
        for (const Candidate& c : candidates) {
            lowered += c.line["change"] == "lower" ? 1 : 0;
            if (storesAResult(master, c.edited))
                expected.push_back(c.line);
        }
        std::vector<json> answer;
        for (const ConditionChange& change : explainer.answer())
            answer.push_back(json::parse(changeToJson(change).dump()));
        EXPECT_EQ(answer, expected);
        EXPECT_EQ(explainer.changes().size(), candidates.size());
        withChanges += expected.empty() ? 0 : 1;
        someStoreNone += expected.size() < candidates.size() ? 1 : 0;

        const std::vector<int> reach = bruteForceReach(base, master);
        ASSERT_EQ(explainer.reaches().size(), base.wanted.size());
        for (std::size_t i = 0; i < reach.size(); ++i) {
            const SkillReach& r = explainer.reaches()[i];
            EXPECT_EQ(r.treeId, base.wanted[i].treeId);
            EXPECT_EQ(r.reach, reach[i]) << "wanted " << base.wanted[i].treeId << ":" << base.wanted[i].points;
            const int wanted = base.wanted[i].points;
            const bool met = wanted > 0 ? reach[i] >= wanted : reach[i] <= wanted;
            EXPECT_EQ(r.met, met);
            unmet += met ? 0 : 1;
        }
    }
    // The worlds must keep every branch busy.
    EXPECT_EQ(explained, kExplainedWorlds);
    EXPECT_GT(withResults, 10);
    EXPECT_GT(withChanges, kExplainedWorlds / 4);
    EXPECT_GT(someStoreNone, kExplainedWorlds / 4);
    EXPECT_GT(lowered, kExplainedWorlds / 4);
    EXPECT_GT(unmet, kExplainedWorlds / 8);
}

} // namespace
} // namespace zeku::test
