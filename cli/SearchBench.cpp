#include "cli/SearchBench.h"

#include "cli/JsonFormat.h"
#include "cli/ResultLineWriter.h"
#include "search/CombinationSearch.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <map>

namespace zeku {
namespace {

// A wish as users make it: skills that pieces tend to carry together. Starts
// with the tree most pieces raise, then repeatedly adds the tree that shares
// the most pieces with those chosen; each at its smallest positive threshold.
std::vector<SkillPoint> themedSkills(const MasterData& master)
{
    std::map<uint16_t, int> pieceCount;
    std::map<std::pair<uint16_t, uint16_t>, int> together;
    for (int part = 0; part < kPartCount; ++part) {
        for (const EquipItem& piece : master.equip(part).items()) {
            std::vector<uint16_t> raised;
            for (const SkillPoint& p : piece.skills)
                if (p.points > 0 && std::find(raised.begin(), raised.end(), p.treeId) == raised.end())
                    raised.push_back(p.treeId);
            for (uint16_t a : raised) {
                ++pieceCount[a];
                for (uint16_t b : raised)
                    if (a != b)
                        ++together[{a, b}];
            }
        }
    }
    auto lowestThreshold = [&](uint16_t treeId) -> int16_t {
        const SkillTree* tree = master.skills().findTree(treeId);
        int16_t threshold = 0;
        if (tree)
            for (const SkillActivation& a : tree->activations)
                if (a.threshold > 0 && (threshold == 0 || a.threshold < threshold))
                    threshold = a.threshold;
        return threshold;
    };
    std::vector<uint16_t> chosen;
    while (chosen.size() < 7) {
        uint16_t best = 0;
        long bestScore = -1;
        for (const auto& [tree, count] : pieceCount) {
            if (std::find(chosen.begin(), chosen.end(), tree) != chosen.end() || lowestThreshold(tree) == 0)
                continue;
            long score = chosen.empty() ? count : 0;
            for (uint16_t c : chosen) {
                auto it = together.find({tree, c});
                score += it == together.end() ? 0 : it->second;
            }
            if (score > bestScore) {
                bestScore = score;
                best = tree;
            }
        }
        if (bestScore < 0)
            break;
        chosen.push_back(best);
    }
    std::vector<SkillPoint> skills;
    for (uint16_t tree : chosen)
        skills.push_back(SkillPoint{tree, lowestThreshold(tree)});
    return skills;
}

SearchCondition baseCondition(const std::vector<SkillPoint>& skills, std::size_t count, bool jewels)
{
    SearchCondition c;
    c.sex = kSexMale;
    c.job = kJobBlade;
    c.useJewels = jewels;
    c.maxResults = 1000000;
    c.wanted.assign(skills.begin(), skills.begin() + static_cast<std::ptrdiff_t>(std::min(count, skills.size())));
    return c;
}

uint64_t fnv1a(uint64_t hash, const std::string& text)
{
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace

std::vector<BenchCondition> benchConditions(const MasterData& master)
{
    const std::vector<SkillPoint> skills = themedSkills(master);
    std::vector<BenchCondition> out;
    out.push_back({"3 skills, no jewels", baseCondition(skills, 3, false)});
    out.push_back({"4 skills, no jewels", baseCondition(skills, 4, false)});
    out.push_back({"3 skills, jewels", baseCondition(skills, 3, true)});
    {
        BenchCondition b{"4 skills, jewels, 2-slot weapon", baseCondition(skills, 4, true)};
        b.condition.fixed.setWeapon(master.weaponSlots().forSlots(2));
        out.push_back(std::move(b));
    }
    {
        BenchCondition b{"5 skills, jewels, 3-slot weapon", baseCondition(skills, 5, true)};
        b.condition.fixed.setWeapon(master.weaponSlots().forSlots(3));
        out.push_back(std::move(b));
    }
    {
        BenchCondition b{"6 skills, jewels, 3-slot weapon", baseCondition(skills, 6, true)};
        b.condition.fixed.setWeapon(master.weaponSlots().forSlots(3));
        out.push_back(std::move(b));
    }
    {
        BenchCondition b{"7 skills, jewels, 3-slot weapon", baseCondition(skills, 7, true)};
        b.condition.fixed.setWeapon(master.weaponSlots().forSlots(3));
        out.push_back(std::move(b));
    }
    {
        // A fixed head piece: the first head piece that fits and carries points.
        BenchCondition b{"5 skills, jewels, fixed head", baseCondition(skills, 5, true)};
        b.condition.fixed.setWeapon(master.weaponSlots().forSlots(1));
        for (const EquipItem& piece : master.equip(PartHead).items())
            if (piece.sex != kSexFemale && piece.job != kJobGunner && !piece.skills.empty() && piece.slots > 0) {
                b.condition.fixed.setPiece(PartHead, &piece);
                break;
            }
        out.push_back(std::move(b));
    }
    {
        // Exclusions: every tenth piece of each part and every fifth jewel.
        BenchCondition b{"5 skills, jewels, exclusions", baseCondition(skills, 5, true)};
        b.condition.fixed.setWeapon(master.weaponSlots().forSlots(3));
        b.condition.useExcludedItems = true;
        for (int part = 0; part < kPartCount; ++part)
            for (std::size_t i = 0; i < master.equip(part).size(); i += 10)
                b.condition.excludedItems.add(master.equip(part).items()[i]);
        for (std::size_t i = 0; i < master.jewels().size(); i += 5)
            b.condition.excludedItems.add(master.jewels().items()[i]);
        out.push_back(std::move(b));
    }
    return out;
}

BenchResult runBenchCondition(const MasterData& master, const SearchCondition& condition)
{
    SearchCondition copy(condition);
    SearchResultStore store;
    SearchProgress progress;
    std::atomic<int32_t> cancel{0};
    SearchRun run;
    run.master = &master;
    run.store = &store;
    run.progress = &progress;
    run.cancel = &cancel;

    // Processor time of this thread: steadier than wall time on a busy machine.
    auto cpuSeconds = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    };
    const double start = cpuSeconds();
    BenchResult r;
    r.outcome = runCombinationSearch(copy, run);
    r.seconds = cpuSeconds() - start;
    r.results = store.count();
    r.total = progress.total.load();
    r.done = progress.done.load();
    r.rawTotal = progress.rawTotal.load();
    r.rawDone = progress.rawDone.load();

    uint64_t hash = 14695981039346656037ull;
    ResultLineWriter lines(master);
    std::string line;
    for (int32_t i = 0; i < store.count(); ++i) {
        line.clear();
        lines.appendLine(store, i, line);
        hash = fnv1a(hash, line);
    }
    char counters[160];
    std::snprintf(counters, sizeof counters, "%d %d %llu %llu %llu %llu", r.outcome, r.results,
                  static_cast<unsigned long long>(r.total), static_cast<unsigned long long>(r.done),
                  static_cast<unsigned long long>(r.rawTotal), static_cast<unsigned long long>(r.rawDone));
    r.signature = fnv1a(hash, counters);
    return r;
}

int runSearchBench(const MasterData& master, const std::string& filter)
{
    std::printf("%-34s %10s %14s %14s %9s  %s\n", "condition", "cpu s", "combinations", "per second", "results",
                "signature");
    for (const BenchCondition& b : benchConditions(master)) {
        if (b.name.find(filter) == std::string::npos)
            continue;
        const BenchResult r = runBenchCondition(master, b.condition);
        const double perSecond = r.seconds > 0 ? static_cast<double>(r.done) / r.seconds : 0.0;
        std::printf("%-34s %10.3f %14llu %14.0f %9d  %016llx\n", b.name.c_str(), r.seconds,
                    static_cast<unsigned long long>(r.done), perSecond, r.results,
                    static_cast<unsigned long long>(r.signature));
        std::fflush(stdout);
    }
    return 0;
}

int runExactBench(const MasterData& master, const std::string& filter)
{
    std::printf("%-34s %9s %9s %6s %9s %9s  %s\n", "condition", "cpu s", "exact s", "ratio", "results", "exact",
                "exact signature");
    for (const BenchCondition& b : benchConditions(master)) {
        if (!b.condition.useJewels || b.name.find(filter) == std::string::npos)
            continue;
        const BenchResult greedy = runBenchCondition(master, b.condition);
        SearchCondition exactCondition(b.condition);
        exactCondition.exactJewels = true;
        const BenchResult exact = runBenchCondition(master, exactCondition);
        const double ratio = greedy.seconds > 0 ? exact.seconds / greedy.seconds : 0.0;
        std::printf("%-34s %9.3f %9.3f %6.2f %9d %9d  %016llx\n", b.name.c_str(), greedy.seconds, exact.seconds, ratio,
                    greedy.results, exact.results, static_cast<unsigned long long>(exact.signature));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace zeku
