// The bytes the command-line tools print and save, compared with golden files
// kept from an earlier build: searches on the bundled sample data (jewels,
// fixed pieces, exclusions, the result limit, additional skills), the history
// files they save, and zeku-data's views of the stored favourites and history.

#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace zeku::clitest;

const fs::path kGolden = ZEKU_GOLDEN_DIR;

class GoldenOutput : public ::testing::Test {
protected:
    GoldenOutput()
    {
        char pattern[] = "/tmp/zeku_golden_XXXXXX";
        m_dir = mkdtemp(pattern);
        fs::copy(fs::path(ZEKU_CLI_DATA_DIR), m_dir, fs::copy_options::recursive);
    }
    ~GoldenOutput() override
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    ToolRun run(const std::string& tool, const std::string& args) const { return runTool(m_dir, tool, args); }

    // The one history file a --save wrote (its name carries the time).
    fs::path savedHistory() const
    {
        for (const auto& entry : fs::directory_iterator(m_dir / "user2" / "SearchHistory"))
            if (entry.path().filename() != "index.dat" && entry.path().filename() != ".lock" /* the folder lock */)
                return entry.path();
        return {};
    }

    fs::path m_dir;
};

TEST_F(GoldenOutput, SearchesPrintAndSaveTheGoldenBytes)
{
    // Each case: <name>.json the condition, .jsonl the printed lines, .summary the
    // last line of standard error, _history.dat the saved history file (if kept).
    // An --addable case prints the additional skills and saves nothing.
    const struct {
        const char* name;
        bool history;
        bool addable = false;
    } cases[] = {
        {"jewels_weapon", false}, {"exclusions", false}, {"fixed", true}, {"limit", true}, {"addable", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ec;
        fs::remove_all(m_dir / "user2", ec);
        const std::string condition = (kGolden / (std::string(c.name) + ".json")).string();
        const std::string mode = c.addable ? "--addable" : "--save golden --comment c";
        const ToolRun r = run(ZEKU_SEARCH_TOOL, "--dat '" + std::string(ZEKU_SAMPLE_DAT_DIR) + "' --user user2 " +
                                                    mode + " '" + condition + "'");
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, readAll(kGolden / (std::string(c.name) + ".jsonl")));
        const std::vector<std::string> err = lines(r.err);
        ASSERT_FALSE(err.empty());
        EXPECT_EQ(err.back() + "\n", readAll(kGolden / (std::string(c.name) + ".summary")));
        if (c.history) {
            EXPECT_EQ(readAll(savedHistory()), readAll(kGolden / (std::string(c.name) + "_history.dat")));
        }
    }
}

TEST_F(GoldenOutput, StoredDataViewsPrintTheGoldenBytes)
{
    const struct {
        const char* args;
        const char* golden;
    } cases[] = {
        {"history show 0 --json", "history0.jsonl"},    {"history show 0", "history0.txt"},
        {"favorites show 0 --json", "favorite0.jsonl"}, {"favorites show 1 --json", "favorite1.jsonl"},
        {"favorites show 0", "favorite0.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const ToolRun r = run(ZEKU_DATA_TOOL, std::string("--dat dat --user user ") + c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, readAll(kGolden / c.golden));
    }
}

} // namespace
