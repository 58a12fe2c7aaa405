// Runs the built zeku-data on the data set in tests/cli/data and checks what it
// prints and how it exits.

#include "CliTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

using namespace zeku::clitest;

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t n = 0;
    for (std::size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1))
        ++n;
    return n;
}

// A scratch working folder holding copies of dat/ and user/.
class ZekuDataCli : public ::testing::Test {
protected:
    ZekuDataCli()
    {
        char pattern[] = "/tmp/zeku_data_cli_XXXXXX";
        m_dir = mkdtemp(pattern);
        fs::copy(fs::path(ZEKU_CLI_DATA_DIR), m_dir, fs::copy_options::recursive);
    }
    ~ZekuDataCli() override
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    // Runs the tool in the scratch folder with `args` (already quoted as needed).
    ToolRun run(const std::string& args) const { return runTool(m_dir, ZEKU_DATA_TOOL, args); }

    fs::path m_dir;
};

const std::string kUsage =
    "usage: zeku-data [--dat DIR] [--user DIR] ((history | favorites) [show N [--json]] | paths)\n";
const std::string kReadFailed = "データの読み込み処理で異常が発生しました\n";

TEST_F(ZekuDataCli, HistoryListsTheIndex)
{
    ToolRun r = run("history");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "0\tテスト検索\tメモ付き\n1\t壊れた\t\n");
    EXPECT_EQ(r.err, "");

    // Another user folder, given explicitly; dat is not needed for a listing.
    fs::rename(m_dir / "user", m_dir / "elsewhere");
    r = run("--dat missing --user elsewhere history");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out).size(), 2u);
}

TEST_F(ZekuDataCli, HistoryShowPrintsConditionThenEachRestoredResult)
{
    ToolRun r = run("history show 0");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_EQ(r.out.rfind("■基本条件\n剣士(女)\nレア制限なし\n", 0), 0u);
    // The condition text ends with "なし", then the empty line, then the first clip text.
    EXPECT_NE(r.out.find("■固定装備\nなし\n\nZEKU 0.047 装備クリップ\n\n武器スロット２"), std::string::npos);
    // Two of the three combinations resolve; each clip text is followed by an empty line.
    EXPECT_EQ(occurrences(r.out, "装備クリップ"), 2u);
    EXPECT_NE(r.out.find("攻撃力UP【小】\n\nZEKU 0.047 装備クリップ　剣士(女)用\n"), std::string::npos);
    const std::string end = "\nなし\n\n\n"; // the last clip text: no skills, CR LF, then the empty line
    ASSERT_GE(r.out.size(), end.size());
    EXPECT_EQ(r.out.substr(r.out.size() - end.size()), end);
    EXPECT_EQ(r.err, "以下のアイテム情報が見つからない為\n検索結果の一部が復元できませんした。\n\n消えたヘルム\n\n"
                     "復元できなかった検索結果：1件\n");
}

TEST_F(ZekuDataCli, HistoryShowJson)
{
    ToolRun r = run("--dat dat --user user history show 0 --json");
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], R"({"sex":2,"job":1,"rarity":0,"min_defence":0,"jewels":true,"max_results":100,)"
                      R"("skills":[[1,10]],"fixed":{},"use_excluded_items":false,"excluded_items":{"head":[],)"
                      R"("body":[],"arm":[],"waist":[],"leg":[],"jewels":["防御珠"]},"use_excluded_skills":false,)"
                      R"("excluded_skills":[],"require_s_parts":false,"s_parts":{"head":[],"body":[],"arm":[],)"
                      R"("waist":[],"leg":[]}})");
    // Head 10 + waist 9 defence; weapon 2 + head 1 + waist 1 slots, three used;
    // attack 5 + 1 + 1 + 3 reaches the 10-point skill.
    EXPECT_EQ(out[1], R"({"no":1,"weapon":{"name":"武器スロット２","jewels":["攻撃珠"]},)"
                      R"("head":{"name":"テストヘルム","sex":0,"jewels":["攻撃珠"]},"body":null,"arm":null,)"
                      R"("waist":{"name":"テストコイル","sex":0,"jewels":["防御珠"]},"leg":null,)"
                      R"("defence":19,"slots":4,"used":3,"free":1,"skills":1})");
    const nlohmann::json second = nlohmann::json::parse(out[2]);
    EXPECT_EQ(second["no"], 2);
    EXPECT_EQ(second["head"]["sex"], 2);
    EXPECT_EQ(second["head"]["jewels"].size(), 2u);
    EXPECT_TRUE(second["weapon"].is_null());
    EXPECT_NE(r.err.find("消えたヘルム\n"), std::string::npos);
}

TEST_F(ZekuDataCli, FailedHistoryLoadsExitWithOne)
{
    for (const char* args : {"history show 1", "history show 1 --json"}) {
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        // The damaged file is named with its line before the general message.
        const std::string named = std::string(args).find("show 1") != std::string::npos
                                      ? "user/SearchHistory/broken.dat: 3行目のデータが壊れています。\n"
                                      : "";
        EXPECT_EQ(r.err, named + kReadFailed) << args;
    }
}

TEST_F(ZekuDataCli, FavoritesListAndShow)
{
    ToolRun list = run("favorites");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "0\tお気に入り\t2\t1\tコメント\n1\t欠け\t0\t0\t\n");

    ToolRun text = run("favorites show 0");
    EXPECT_EQ(text.status, 0);
    const std::vector<std::string> out = lines(text.out);
    ASSERT_EQ(out.size(), 13u);
    EXPECT_EQ(out[0], "ZEKU 0.047 装備クリップ　剣士(女)用");
    EXPECT_EQ(out[2].rfind("武器スロット１", 0), 0u);
    EXPECT_EQ(out[9], "防御値:43　ｽﾛｯﾄ:●2○3　火:+0 水:+0 雷:+0 氷:+0 龍:+0");
    EXPECT_EQ(text.out.find('\r'), std::string::npos);
    EXPECT_EQ(text.err, "");

    ToolRun json = run("favorites show 1 --json");
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out, R"({"title":"欠け","comment":"","sex":1,"job":2,"set":{"weapon":null,"head":null,)"
                        R"("body":{"name":"テストメイル","sex":0,"jewels":[]},"arm":null,"waist":null,"leg":null,)"
                        R"("defence":20,"slots":2,"used":0,"free":2,"skills":0}})"
                        "\n");
    EXPECT_EQ(json.err,
              "以下のアイテム情報が見つからない為\nお気に入りデータを復元できませんでした。\n\n無いヘルム(男)\n");
}

TEST_F(ZekuDataCli, PositionsPastTheEndAreNamed)
{
    // Each listing has two entries, at positions 0 and 1.
    for (const auto& [args, message] : {std::pair{"favorites show 7", "no favorite entry 7 (there are 2)\n"},
                                        std::pair{"history show 2 --json", "no history entry 2 (there are 2)\n"}}) {
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 1) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, message) << args;
    }
    fs::remove_all(m_dir / "user");
    EXPECT_EQ(run("history show 0").err, "no history entry 0 (there are 0)\n");
}

TEST_F(ZekuDataCli, BadArgumentsGiveTheUsageLine)
{
    for (const char* args : {"", "status", "history show", "history show -1", "history show 1x", "history --json",
                             "favorites show 0 extra", "history list 0", "--dat", "history show 99999999999",
                             "paths --json", "paths extra"}) {
        ToolRun r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, kUsage) << args;
    }
}

TEST_F(ZekuDataCli, PathsPrintsTheFoldersInUse)
{
    ToolRun r = run("paths");
    EXPECT_EQ(r.status, 0);
    const std::string base = fs::canonical(m_dir).string();
    EXPECT_EQ(r.out, "dat\t" + base + "/dat\nuser\t" + base + "/user\n");
    r = run("--dat other/../mine --user /somewhere/else paths");
    EXPECT_EQ(r.out, "dat\t" + base + "/mine\nuser\t/somewhere/else\n");
}

TEST_F(ZekuDataCli, MissingMasterDataExitsWithTwo)
{
    fs::remove(m_dir / "dat" / "Jewel.xml");
    ToolRun r = run("history show 0");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "装飾品データファイルがありません\n");
    r = run("--dat nowhere favorites show 0 --json");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "スキルデータファイルがありません\n");
}

} // namespace
