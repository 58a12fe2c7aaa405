// zeku-search --explain on the bundled sample data: the golden lines of a
// condition that finds nothing, nothing to explain when it finds sets, and
// the search's refusals for bad conditions and option mixes.

#include "CliTestSupport.h"

#include "cli/ExplainCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace zeku::clitest;

const fs::path kGolden = ZEKU_GOLDEN_DIR;

// A working folder of its own: runTool keeps standard input and output there.
const fs::path& workFolder()
{
    static const fs::path dir = [] {
        char pattern[] = "/tmp/zeku_explain_cli_XXXXXX";
        return fs::path(mkdtemp(pattern));
    }();
    return dir;
}

ToolRun search(const std::string& args, const std::string& input = "")
{
    return runTool(workFolder(), ZEKU_SEARCH_TOOL, "--dat '" + std::string(ZEKU_SAMPLE_DAT_DIR) + "' " + args, input);
}

TEST(ExplainCommand, PrintsTheGoldenLinesAndRefusesAsASearchDoes)
{
    const std::string golden = (kGolden / "explain.json").string();
    const ToolRun r = search("--explain '" + golden + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, readAll(kGolden / "explain.jsonl"));
    ASSERT_FALSE(lines(r.err).empty());
    EXPECT_EQ(lines(r.err).back() + "\n", readAll(kGolden / "explain.summary"));

    // The same wish without the exclusions finds sets: nothing to explain.
    std::string finds = readAll(kGolden / "explain.json");
    finds.replace(finds.find("\"use_excluded_items\":true"), 25, "\"use_excluded_items\":false");
    finds.replace(finds.find("\"min_defence\":30"), 16, "\"min_defence\":0");
    finds.replace(finds.find("\"rarity\":-6"), 11, "\"rarity\":0");
    const ToolRun hasResults = search("--explain -", finds);
    EXPECT_EQ(hasResults.status, 0);
    EXPECT_EQ(hasResults.out, "");
    EXPECT_EQ(hasResults.err, "{\"outcome\":\"has_results\",\"changes\":0}\n");

    for (const std::string& input : {std::string("{\"sex\": 1,"), std::string("{\"sex\":1,\"job\":1,\"skills\":[]}"),
                                     std::string("{\"sex\":1,\"job\":1,\"skills\":[[37,10],[37,15]]}")}) {
        const ToolRun plain = search("-", input), explain = search("--explain -", input);
        EXPECT_EQ(explain.status, 2) << input;
        EXPECT_EQ(explain.err, plain.err) << input;
        EXPECT_EQ(explain.out, "") << input;
    }
    EXPECT_EQ(search("--explain --save t '" + golden + "'").status, 2);
    EXPECT_EQ(search("--explain --addable '" + golden + "'").status, 2);
    EXPECT_EQ(search("--explain").status, 2);
    std::error_code ec;
    fs::remove_all(workFolder(), ec);
}

// Every change --explain can print is listed where the README and the manual
// page list the changes.
TEST(ExplainCommand, EveryChangeNameIsDocumented)
{
    const fs::path source = fs::path(ZEKU_SAMPLE_DAT_DIR).parent_path();
    const std::string readme = readAll(source / "README.md"), manual = readAll(source / "cli/man/zeku-search.1");
    const std::size_t readmeStart = readme.find("`--explain` answers"), manualStart = manual.find(".B \\-\\-explain");
    ASSERT_NE(readmeStart, std::string::npos);
    ASSERT_NE(manualStart, std::string::npos);
    const std::string readmeList = readme.substr(readmeStart), manualList = manual.substr(manualStart);
    for (int kind = 0; kind <= static_cast<int>(zeku::ChangeKind::UnfixJewels); ++kind) {
        zeku::ConditionChange change;
        change.kind = static_cast<zeku::ChangeKind>(kind);
        change.holder = zeku::EquipPosition::Weapon;
        const std::string name = zeku::changeToJson(change)["change"];
        EXPECT_NE(readmeList.find('"' + name + '"'), std::string::npos) << name;
        // As the manual marks names up: ".RB ( drop \", \" lower )".
        const bool marked = manualList.find("( " + name + " ") != std::string::npos ||
                            manualList.find("\" " + name + " )") != std::string::npos;
        EXPECT_TRUE(marked) << name;
    }
}

} // namespace
