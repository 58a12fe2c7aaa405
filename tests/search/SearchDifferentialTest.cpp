// The engine against the reference on random catalogues and conditions: both
// must end the same way, with the same counters, results, notices (apart from
// the time-driven progress ones) and reordered wanted list.

#include "search/SearchTestSupport.h"

#include "reference/ReferenceSearch.h"
#include "search/AllocationProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace zeku::test {
namespace {

// Sanitizer builds run an order of magnitude slower; they get fewer seeds.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kSanitizerDivisor = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr uint64_t kSanitizerDivisor = 4;
#else
constexpr uint64_t kSanitizerDivisor = 1;
#endif
#else
constexpr uint64_t kSanitizerDivisor = 1;
#endif
constexpr uint64_t kRandomSeeds = 300 / kSanitizerDivisor;
constexpr uint64_t kAbandonedSeeds = 120 / kSanitizerDivisor;

// splitmix64: small, fast and the same on every platform.
class TestRandom {
public:
    explicit TestRandom(uint64_t seed) : m_state(seed) {}

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint64_t>(hi - lo + 1)); }
    bool percent(int p) { return range(1, 100) <= p; }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[static_cast<std::size_t>(range(0, static_cast<int>(items.size()) - 1))]; }

private:
    uint64_t m_state;
};

struct RandomWorld {
    TestMaster master;
    SearchCondition condition;
    std::string summary; // what the condition asks, for failure messages
};

std::vector<SkillPoint> randomSkills(TestRandom& random, const std::vector<uint16_t>& trees, int count)
{
    std::vector<SkillPoint> skills;
    for (int i = 0; i < count; ++i) {
        SkillPoint p;
        p.treeId = random.pick(trees);
        p.points = static_cast<int16_t>(random.percent(25) ? random.range(-4, -1) : random.range(1, 6));
        if (random.percent(3))
            p.points = 0;
        skills.push_back(p);
    }
    if (!skills.empty() && random.percent(8)) // the same tree twice
        skills.push_back({skills.front().treeId, static_cast<int16_t>(random.range(-3, 4))});
    return skills;
}

void buildCatalogue(TestRandom& random, TestMaster& master, const std::vector<uint16_t>& trees)
{
    for (int part = 0; part < kPartCount; ++part) {
        const int pieces = random.range(8, 20);
        for (int i = 0; i < pieces; ++i) {
            PieceShape shape;
            shape.slots = static_cast<uint16_t>(random.range(0, 3));
            shape.defence = static_cast<uint16_t>(random.range(5, 40));
            shape.sex = static_cast<uint16_t>(random.percent(70) ? 0 : random.range(1, 2));
            shape.job = static_cast<uint16_t>(random.percent(70) ? 0 : random.range(1, 2));
            shape.rarity = static_cast<uint16_t>(random.range(1, 8));
            // Same-named pieces of different sex do occur in the data.
            const std::string name = "p" + std::to_string(part) + "_" + std::to_string(shape.sex ? i / 2 : i);
            master.piece(part, name, randomSkills(random, trees, random.range(1, 4)), shape);
        }
    }
    const int jewels = random.range(6, 15);
    for (int i = 0; i < jewels; ++i) {
        const uint16_t slots = static_cast<uint16_t>(random.percent(7) ? 0 : random.range(1, 3));
        std::vector<SkillPoint> skills;
        skills.push_back({random.pick(trees), static_cast<int16_t>(random.percent(20) ? -random.range(1, 4)
                                                                                         : random.range(1, 2 + 2 * slots))});
        if (random.percent(60))
            skills.push_back({random.pick(trees), static_cast<int16_t>(random.range(-3, 3))});
        if (random.percent(8))
            skills.push_back({skills.front().treeId, static_cast<int16_t>(random.range(-2, 2))});
        master.jewel("j" + std::to_string(i), skills, slots, static_cast<uint16_t>(random.range(1, 8)));
    }
}

std::vector<const Jewel*> jewelsThatFit(TestRandom& random, const MasterData& data, int freeSlots)
{
    std::vector<const Jewel*> chosen;
    const auto& all = data.jewels().items();
    for (int tries = random.range(0, 3); tries > 0; --tries) {
        const Jewel& jewel = all[static_cast<std::size_t>(random.range(0, static_cast<int>(all.size()) - 1))];
        if (jewel.slots > 0 && jewel.slots <= freeSlots) {
            chosen.push_back(&jewel);
            freeSlots -= jewel.slots;
        }
    }
    return chosen;
}

const EquipItem& randomPiece(TestRandom& random, const MasterData& data)
{
    const auto& items = data.equip(random.range(0, kPartCount - 1)).items();
    return items[static_cast<std::size_t>(random.range(0, static_cast<int>(items.size()) - 1))];
}

void buildCondition(TestRandom& random, RandomWorld& world, const std::vector<uint16_t>& trees)
{
    const MasterData& data = world.master.data();
    SearchCondition& c = world.condition;
    c.sex = static_cast<uint16_t>(random.range(1, 2));
    c.job = static_cast<uint16_t>(random.range(1, 2));
    if (random.percent(30))
        c.rarity = random.pick(std::vector<int16_t>{-5, -7, 3, 4, 103, 105});
    std::vector<uint16_t> pool = trees;
    // At most one wanted bad skill: they are rare in real searches.
    const int count = random.percent(85) ? random.range(2, 4) : 5;
    const int negative = random.percent(30) ? random.range(0, count - 1) : -1;
    for (int n = 0; n < count && pool.size() > 1; ++n) {
        const std::size_t at = static_cast<std::size_t>(random.range(0, static_cast<int>(pool.size()) - 1));
        const int16_t points = static_cast<int16_t>(n == negative ? -random.range(3, 7) : random.range(3, 12));
        c.wanted.push_back({pool[at], points});
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(at));
    }
    c.useJewels = random.percent(55);
    if (random.percent(30)) {
        c.fixed.setWeapon(data.weaponSlots().forSlots(static_cast<uint16_t>(random.range(1, 3))));
        c.fixed.addWeaponJewels(jewelsThatFit(random, data, c.fixed.weaponSlots().capacity));
    }
    for (int n = random.percent(30) ? random.range(1, 2) : 0; n > 0; --n) {
        const EquipItem& piece = randomPiece(random, data);
        c.fixed.setPiece(piece.part, &piece);
        c.fixed.addPieceJewels(piece.part, jewelsThatFit(random, data, piece.slots));
    }
    if (random.percent(25)) {
        c.useExcludedItems = true;
        for (int n = random.range(1, 4); n > 0; --n)
            c.excludedItems.add(randomPiece(random, data));
        for (int n = random.range(0, 2); n > 0; --n)
            c.excludedItems.add(random.pick(data.jewels().items()));
    }
    if (random.percent(20)) {
        c.useExcludedSkills = true;
        for (int n = random.range(1, 3); n > 0; --n)
            c.excludedSkills.add(random.pick(pool), static_cast<int16_t>(random.percent(50) ? random.range(3, 10)
                                                                                           : -random.range(3, 10)));
    }
    if (random.percent(25))
        c.minDefence = static_cast<uint16_t>(random.range(10, 80));
    if (random.percent(20)) {
        c.requireSParts = true;
        for (int n = random.range(2, 8); n > 0; --n)
            c.sParts.add(randomPiece(random, data));
    }
    if (random.percent(30))
        c.maxResults = static_cast<uint32_t>(random.range(1, 12));

    std::ostringstream text;
    text << "wanted";
    for (const SkillPoint& w : c.wanted)
        text << " " << w.treeId << ":" << w.points;
    text << "; sex " << c.sex << " job " << c.job << " rarity " << c.rarity << " jewels " << c.useJewels
         << " minDefence " << c.minDefence << " max " << c.maxResults << " excludedItems "
         << (c.useExcludedItems ? c.excludedItems.total() : 0) << " excludedSkills "
         << (c.useExcludedSkills ? c.excludedSkills.total() : 0) << " sParts "
         << (c.requireSParts ? c.sParts.total() : 0) << "; fixed " << describeSet(c.fixed);
    world.summary = text.str();
}

std::unique_ptr<RandomWorld> makeWorld(uint64_t seed)
{
    TestRandom random(seed * 7919 + 17);
    auto world = std::make_unique<RandomWorld>();
    std::vector<uint16_t> trees;
    for (int n = random.range(5, 9); static_cast<int>(trees.size()) < n;) {
        const uint16_t id = static_cast<uint16_t>(random.range(1, 60));
        if (std::find(trees.begin(), trees.end(), id) == trees.end())
            trees.push_back(id);
    }
    buildCatalogue(random, world->master, trees);
    buildCondition(random, *world, trees);
    return world;
}

// The first difference between the two runs, or an empty text.
std::string firstDifference(const SearchCapture& engine, const SearchCapture& reference)
{
    std::ostringstream text;
    if (engine.outcome != reference.outcome)
        text << "outcome " << engine.outcome << " vs " << reference.outcome << "\n";
    const std::pair<const char*, std::pair<uint64_t, uint64_t>> counters[] = {
        {"total", {engine.total, reference.total}},
        {"done", {engine.done, reference.done}},
        {"rawTotal", {engine.rawTotal, reference.rawTotal}},
        {"rawDone", {engine.rawDone, reference.rawDone}},
        {"resultCount", {engine.resultCount, reference.resultCount}},
    };
    for (const auto& [name, values] : counters)
        if (values.first != values.second)
            text << name << " " << values.first << " vs " << values.second << "\n";
    const std::size_t common = std::min(engine.results.size(), reference.results.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (engine.results[i] != reference.results[i] || engine.resultTotals[i] != reference.resultTotals[i]) {
            text << "result " << i + 1 << ": " << engine.results[i] << " [" << engine.resultTotals[i] << "] vs "
                 << reference.results[i] << " [" << reference.resultTotals[i] << "]\n";
            break;
        }
    }
    if (engine.results.size() != reference.results.size()) {
        text << "result count " << engine.results.size() << " vs " << reference.results.size();
        const auto& longer = engine.results.size() > reference.results.size() ? engine : reference;
        text << "; first extra: " << longer.results[common] << "\n";
    }
    if (engine.noticesWithoutProgress() != reference.noticesWithoutProgress())
        text << "notice sequences differ (" << engine.noticesWithoutProgress().size() << " vs "
             << reference.noticesWithoutProgress().size() << " notices)\n";
    if (describeWanted(engine.wantedAfter) != describeWanted(reference.wantedAfter))
        text << "wanted order differs\n";
    return text.str();
}

// What every finished run must satisfy, whichever implementation made it.
void expectConsistent(const SearchCapture& run, const SearchCondition& condition)
{
    ASSERT_FALSE(run.notices.empty());
    EXPECT_EQ(run.notices.front(), FindStarted);
    if (run.notices.size() > 1) {
        EXPECT_EQ(run.notices[1], FindProgress); // the first step always reports
    }
    EXPECT_LE(run.results.size(), condition.maxResults);
    if (run.outcome == OutcomeCompleted) {
        EXPECT_EQ(run.done, run.total);
        EXPECT_EQ(run.rawDone, run.rawTotal);
    }
    if (run.outcome == OutcomeLimitReached) {
        EXPECT_EQ(run.results.size(), condition.maxResults);
    }
}

TEST(SearchDifferential, EngineMatchesReferenceOnRandomCatalogues)
{
    int mismatches = 0;
    int withResults = 0;
    int limited = 0;
    for (uint64_t seed = 1; seed <= kRandomSeeds; ++seed) {
        std::unique_ptr<RandomWorld> world = makeWorld(seed);
        const SearchCapture engine = runSearch(&runCombinationSearch, world->master.data(), world->condition);
        const SearchCapture reference = runSearch(&runReferenceSearch, world->master.data(), world->condition);
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + world->summary);
        expectConsistent(reference, world->condition);
        expectConsistent(engine, world->condition);
        const std::string difference = firstDifference(engine, reference);
        EXPECT_EQ(difference, "");
        if (!difference.empty() && ++mismatches >= 5)
            break;
        withResults += reference.results.empty() ? 0 : 1;
        limited += reference.outcome == OutcomeLimitReached ? 1 : 0;
    }
    // The generator must keep producing searches that find something.
    EXPECT_GT(withResults, static_cast<int>(kRandomSeeds / 5));
    EXPECT_GT(limited, static_cast<int>(kRandomSeeds / 30));
}

// Ends a run early in one of the ways a search can be abandoned.
struct Interruption {
    const char* name;
    NoticeHook hook;
};

std::vector<Interruption> interruptions()
{
    return {
        {"cancel at start",
         [](int32_t code, const SearchProgress&, std::atomic<int32_t>& cancel) {
             if (code == FindStarted)
                 cancel = 1;
         }},
        {"cancel after the second hit",
         [hits = 0](int32_t code, const SearchProgress&, std::atomic<int32_t>& cancel) mutable {
             if (code == FindHitCount && ++hits == 2)
                 cancel = 1;
         }},
        {"cancel at the last step",
         [](int32_t code, const SearchProgress& progress, std::atomic<int32_t>& cancel) {
             if (code == FindProgress && progress.done == progress.total)
                 cancel = 1;
         }},
        {"memory runs out after the first hit",
         [](int32_t code, const SearchProgress&, std::atomic<int32_t>&) {
             if (code == FindHitCount)
                 armAllocationFailure(1);
         }},
    };
}

TEST(SearchDifferential, EngineMatchesReferenceWhenAbandoned)
{
    int mismatches = 0;
    for (uint64_t seed = 1; seed <= kAbandonedSeeds && mismatches < 5; ++seed) {
        std::unique_ptr<RandomWorld> world = makeWorld(seed);
        for (const Interruption& interruption : interruptions()) {
            // Each run gets its own copy of the hook, so stateful hooks start afresh.
            const SearchCapture engine =
                runSearch(&runCombinationSearch, world->master.data(), world->condition, NoticeHook(interruption.hook));
            armAllocationFailure(0);
            const SearchCapture reference =
                runSearch(&runReferenceSearch, world->master.data(), world->condition, NoticeHook(interruption.hook));
            armAllocationFailure(0);
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + interruption.name + ": " + world->summary);
            const std::string difference = firstDifference(engine, reference);
            EXPECT_EQ(difference, "");
            if (!difference.empty())
                ++mismatches;
        }
    }
}

} // namespace
} // namespace zeku::test
