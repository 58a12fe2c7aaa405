#pragma once
// Shared fixtures of the search tests: in-memory catalogues, a runner that
// captures everything a search reports, and a compact text form of result
// sets so that expected results read like the combinations they stand for.

#include "data/MasterData.h"
#include "search/CombinationSearch.h"
#include "search/SearchCondition.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace zeku::test {

using SearchFunction = SearchOutcome (*)(SearchCondition&, const SearchRun&);

// One implementation of the search the behaviour tests run against.
struct SearchImplementation {
    std::string name;
    SearchFunction run = nullptr;
};

// The optimised engine and the reference implementation.
std::vector<SearchImplementation> searchImplementations();

// Lets failure messages name the implementation instead of dumping its bytes.
inline void PrintTo(const SearchImplementation& implementation, std::ostream* out)
{
    *out << implementation.name;
}

// Names parameterised tests after the implementation.
struct ImplementationName {
    std::string operator()(const ::testing::TestParamInfo<SearchImplementation>& info) const { return info.param.name; }
};

// Optional fields of a test piece.
struct PieceShape {
    uint16_t slots = 0;
    uint16_t defence = 0;
    uint16_t sex = 0;
    uint16_t job = 0;
    uint16_t rarity = 1;
};

// Master data built in memory. Add every item before taking references:
// the catalogues are vectors and move their records while they grow.
class TestMaster {
public:
    TestMaster() : m_master(std::make_unique<MasterData>()) {}

    void piece(int part, const std::string& name, std::vector<SkillPoint> skills, PieceShape shape = {});
    void jewel(const std::string& name, std::vector<SkillPoint> skills, uint16_t slots, uint16_t rarity = 1);
    // A skill tree whose activations have these thresholds, named "<id>:<threshold>".
    void tree(uint16_t id, const std::vector<int16_t>& thresholds);

    // The first piece of `part` with that name (and sex, when given).
    const EquipItem& findPiece(int part, const std::string& name, int sex = -1) const;
    const Jewel& findJewel(const std::string& name) const;
    const WeaponSlotItem* weapon(uint16_t slots) const { return m_master->weaponSlots().forSlots(slots); }
    const MasterData& data() const { return *m_master; }

private:
    std::unique_ptr<MasterData> m_master;
};

// A male blade user's condition without filters.
SearchCondition makeCondition(std::vector<SkillPoint> wanted, bool useJewels);

// "W2(J1)|H1|-|A1(J2,J3)|-|-": weapon by slot count, then the five pieces by
// name, each with its jewels in slot order; "-" for an empty position.
std::string describeSet(const EquipSet& set);
// "1:5 9:-1": the set's skill totals by tree id.
std::string describeTotals(const EquipSet& set);

// A jewel exact fitting may place, by the rule itself: it has a slot size, is
// not excluded, and moves some wanted tree the wanted way (the first wish on
// that tree decides). The placement checks of the differential tests use it.
bool jewelAllowed(const Jewel& jewel, const SearchCondition& condition);

// Everything one search run reported.
struct SearchCapture {
    SearchOutcome outcome = OutcomeRunning;
    std::vector<std::string> results; // describeSet of each result, in order
    std::vector<std::string> resultTotals; // describeTotals of each result
    std::vector<EquipSet> resultSets; // each result in full
    std::vector<int32_t> notices; // codes in posting order
    uint64_t total = 0;
    uint64_t done = 0;
    uint64_t rawTotal = 0;
    uint64_t rawDone = 0;
    uint64_t resultCount = 0;
    std::vector<SkillPoint> wantedAfter; // the wanted list as the search left it

    // The notices without the time-driven FindProgress ones.
    std::vector<int32_t> noticesWithoutProgress() const;
};

// Sees each notice as it is posted, with the run's counters and cancel flag.
using NoticeHook = std::function<void(int32_t code, const SearchProgress& progress, std::atomic<int32_t>& cancel)>;

// Runs `search` on a copy of `condition` with a fresh store and counters.
SearchCapture runSearch(SearchFunction search, const MasterData& master, const SearchCondition& condition,
                        const NoticeHook& hook = {});

// Base of the parameterised behaviour tests: runs the implementation under test.
class SearchBehaviour : public ::testing::TestWithParam<SearchImplementation> {
protected:
    SearchCapture search(const TestMaster& master, const SearchCondition& condition, const NoticeHook& hook = {})
    {
        return runSearch(GetParam().run, master.data(), condition, hook);
    }
};

// The wanted list as "tree:points" entries, for readable comparisons.
std::vector<std::string> describeWanted(const std::vector<SkillPoint>& wanted);

} // namespace zeku::test
