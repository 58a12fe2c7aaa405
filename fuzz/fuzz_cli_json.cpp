// The JSON that zeku-search reads (a condition, or --fits's condition and set)
// from arbitrary bytes, against the sample master data. Whatever the readers
// accept must hold only records of the catalogue, and must read back as itself
// once written again: a condition through conditionToJson, a set through its
// result line.

#include "FuzzSupport.h"

#include "cli/ConditionJson.h"
#include "cli/InputText.h"
#include "cli/JsonFormat.h"
#include "cli/ResultLineWriter.h"

#include <string>

using namespace zeku;

namespace {

const MasterData& sampleCatalogue()
{
    static const MasterData* master = [] {
        auto* loaded = new MasterData;
        if (!loaded->load(std::filesystem::path(ZEKU_SOURCE_DIR) / "dat").ok())
            fuzz::invariantFailed("the sample master data does not load", __FILE__, __LINE__);
        return loaded;
    }();
    return *master;
}

// The condition `condition` written and read again is the same condition.
void checkConditionReadsBack(const SearchCondition& condition, const MasterData& master)
{
    const nlohmann::ordered_json written = conditionToJson(condition, &master);
    SearchCondition again;
    std::string error;
    ZEKU_FUZZ_CHECK(conditionFromJson(nlohmann::json::parse(written.dump()), master, again, error));
    ZEKU_FUZZ_CHECK(conditionToJson(again, &master) == written);
}

// The set `set` written as a result line and read again is the same set.
void checkSetReadsBack(const EquipSet& set, const SearchCondition& wearer, const MasterData& master)
{
    const std::string line = resultLine(set, master, std::nullopt);
    EquipSet again;
    std::string error;
    ZEKU_FUZZ_CHECK(setFromJson(nlohmann::json::parse(line), master, wearer, again, error));
    ZEKU_FUZZ_CHECK(resultLine(again, master, std::nullopt) == line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const MasterData& master = sampleCatalogue();
    const std::string text(reinterpret_cast<const char*>(data), size);
    nlohmann::json input;
    std::string error;
    if (!cli::parseInputJson(text, "input", input, error)) {
        ZEKU_FUZZ_CHECK(!error.empty());
        return 0;
    }
    // The input as a condition, and as --fits's pair of a condition and a set.
    SearchCondition condition;
    if (conditionFromJson(input, master, condition, error)) {
        fuzz::checkSetBelongsTo(condition.fixed, master);
        checkConditionReadsBack(condition, master);
    }
    if (!input.is_object() || !input.contains("condition") || !input.contains("set"))
        return 0;
    if (!conditionFromJson(input["condition"], master, condition, error))
        return 0;
    EquipSet set;
    if (setFromJson(input["set"], master, condition, set, error)) {
        fuzz::checkSetBelongsTo(set, master);
        checkSetReadsBack(set, condition, master);
    }
    return 0;
}
