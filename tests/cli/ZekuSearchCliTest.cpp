// Runs the built zeku-search on generated master data and checks its output,
// its error handling, cancel and the saving of a search into the history.

#include "cli/AddableCommand.h"
#include "cli/ConditionJson.h"
#include "cli/JsonFormat.h"
#include "cli/NoticeQueue.h"
#include "cli/ResultLineWriter.h"
#include "cli/SearchBench.h"
#include "platform/AllocationProbe.h"
#include "platform/Cp932.h"
#include "search/AddableFindThread.h"
#include "search/CombinationSearch.h"
#include "search/SetFits.h"
#include "tools/SampleDataGenerator.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/SearchHistory.h"

#include "CliTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// An address-space limit cannot be combined with AddressSanitizer.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEKU_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ZEKU_UNDER_ASAN 1
#endif

namespace {

namespace fs = std::filesystem;
using namespace zeku;

using namespace zeku::clitest;

// One working folder with generated data in dat/, shared by all tests.
class ZekuSearchCli : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/zeku_search_cli_XXXXXX";
        s_dir = mkdtemp(pattern);
        ASSERT_TRUE(writeSampleData(s_dir / "dat", kDefaultSampleSeed, 1).ok);
        s_master = new MasterData;
        ASSERT_TRUE(s_master->load(s_dir / "dat").ok());
    }
    static void TearDownTestSuite()
    {
        delete s_master;
        delete s_large;
        s_large = nullptr;
        std::error_code ec;
        fs::remove_all(s_dir, ec);
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(s_dir / "user", ec);
    }

    static ToolRun run(const std::string& tool, const std::string& args, const std::string& input = "")
    {
        return runTool(s_dir, tool, args, input);
    }
    static ToolRun search(const std::string& args, const std::string& input = "")
    {
        return run(ZEKU_SEARCH_TOOL, args, input);
    }

    static void writeCondition(const std::string& name, const nlohmann::json& condition)
    {
        std::ofstream(s_dir / name, std::ios::binary) << condition.dump();
    }

    // A built-in bench condition whose name starts with `prefix`, as JSON.
    static nlohmann::ordered_json benchCondition(const std::string& prefix, uint32_t maxResults)
    {
        for (const BenchCondition& b : benchConditions(*s_master))
            if (b.name.rfind(prefix, 0) == 0) {
                nlohmann::ordered_json j = conditionToJson(b.condition);
                j["max_results"] = maxResults;
                return j;
            }
        ADD_FAILURE() << "no bench condition " << prefix;
        return {};
    }

    // The last line of standard error, parsed.
    static nlohmann::json summary(const ToolRun& r)
    {
        const std::vector<std::string> err = lines(r.err);
        return err.empty() ? nlohmann::json() : nlohmann::json::parse(err.back(), nullptr, false);
    }

    // The bench condition whose name starts with `prefix` on data three times
    // the sample's size (in dat3), written to long.json. The 5-skill wish
    // searches for several seconds, the 3-skill one's additional skills take
    // several seconds to decide.
    static SearchCondition writeLongCondition(const std::string& prefix)
    {
        if (!s_large) {
            EXPECT_TRUE(writeSampleData(s_dir / "dat3", kDefaultSampleSeed, 3).ok);
            s_large = new MasterData;
            EXPECT_TRUE(s_large->load(s_dir / "dat3").ok());
        }
        SearchCondition condition;
        for (const BenchCondition& b : benchConditions(*s_large))
            if (b.name.rfind(prefix, 0) == 0)
                condition = b.condition;
        writeCondition("long.json", conditionToJson(condition));
        return condition;
    }

    // zeku-search with `args`, run in the working folder and sent SIGINT
    // after 0.7 seconds; status -1 when it did not exit by itself.
    static ToolRun interrupted(std::vector<const char*> args)
    {
        const fs::path out = s_dir / "cancel_out.txt", err = s_dir / "cancel_err.txt";
        args.insert(args.begin(), ZEKU_SEARCH_TOOL);
        args.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            ::chdir(s_dir.c_str());
            const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(o, 1);
            ::dup2(e, 2);
            ::execv(ZEKU_SEARCH_TOOL, const_cast<char* const*>(args.data()));
            _exit(127);
        }
        EXPECT_GE(child, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        ::kill(child, SIGINT);
        int raw = 0;
        ::waitpid(child, &raw, 0);
        return ToolRun{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readAll(out), readAll(err)};
    }

    // A --fits input: a one-skill wish (its sets keep free slots for more)
    // and its first result line.
    static void writeFitsInput(const std::string& name)
    {
        nlohmann::ordered_json condition = benchCondition("3 skills, jewels", 1);
        condition["skills"] = nlohmann::ordered_json::array({condition["skills"][0]});
        writeCondition("one.json", condition);
        const ToolRun found = search("one.json");
        ASSERT_EQ(lines(found.out).size(), 1u) << found.err;
        nlohmann::ordered_json input;
        input["condition"] = condition;
        input["set"] = nlohmann::ordered_json::parse(found.out);
        writeCondition(name, input);
    }

    // zeku-search with `args` and its standard output into a pipe of one page
    // that is read no further than the first byte: the results print only
    // after the work is done, so the tool is then printing, soon blocked on
    // the full pipe. SIGINT follows; status -1 unless it exits by itself
    // within 10 seconds. The rest of the output is drained and dropped.
    static ToolRun interruptedWhilePrinting(std::vector<std::string> args)
    {
        const fs::path err = s_dir / "cancel_err.txt";
        int ends[2];
        EXPECT_EQ(::pipe(ends), 0);
        ::fcntl(ends[0], F_SETPIPE_SZ, 4096);
        args.insert(args.begin(), ZEKU_SEARCH_TOOL);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            ::chdir(s_dir.c_str());
            ::dup2(ends[1], 1);
            ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            ::close(ends[0]);
            ::execv(ZEKU_SEARCH_TOOL, argv.data());
            _exit(127);
        }
        ::close(ends[1]);
        char first = 0;
        EXPECT_EQ(::read(ends[0], &first, 1), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(child, SIGINT);
        int raw = 0;
        pid_t ended = 0;
        for (int wait = 0; wait < 200 && ended == 0; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ended = ::waitpid(child, &raw, WNOHANG);
        }
        if (ended == 0) { // still blocked: read the rest so that it can end
            char drain[65536];
            while (::read(ends[0], drain, sizeof drain) > 0) {
            }
            ::waitpid(child, &raw, 0);
        }
        ::close(ends[0]);
        return ToolRun{ended != 0 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "", readAll(err)};
    }

    static fs::path s_dir;
    static MasterData* s_master;
    static MasterData* s_large; // dat3, made by writeLongCondition()
};

fs::path ZekuSearchCli::s_dir;
MasterData* ZekuSearchCli::s_master = nullptr;
MasterData* ZekuSearchCli::s_large = nullptr;

TEST_F(ZekuSearchCli, WithoutConditionPrintsTheCatalogueCounts)
{
    const ToolRun r = search("--dat dat");
    EXPECT_EQ(r.status, 0);
    std::ostringstream expected;
    expected << "skill trees\t" << s_master->skills().trees().size() << "\n";
    const char* parts[] = {"head", "body", "arm", "waist", "leg"};
    for (int part = 0; part < kPartCount; ++part)
        expected << parts[part] << " pieces\t" << s_master->equip(part).size() << "\n";
    expected << "jewels\t" << s_master->jewels().size() << "\nweapon slot items\t3\n";
    EXPECT_EQ(r.out, expected.str());
}

TEST_F(ZekuSearchCli, PrintsTheEngineResultsInOrderAndTheCountersLast)
{
    const nlohmann::ordered_json condition = benchCondition("4 skills, jewels", 100000);
    writeCondition("c.json", condition);
    const ToolRun r = search("c.json");
    ASSERT_EQ(r.status, 0) << r.err;

    // The same search in this process.
    SearchCondition direct;
    for (const BenchCondition& b : benchConditions(*s_master))
        if (b.name.rfind("4 skills, jewels", 0) == 0)
            direct = b.condition;
    direct.maxResults = 100000;
    SearchResultStore store;
    SearchProgress progress;
    std::atomic<int32_t> cancel{0};
    SearchRun runInfo{s_master, &store, &progress, &cancel, nullptr};
    ASSERT_EQ(runCombinationSearch(direct, runInfo), OutcomeCompleted);

    const std::vector<std::string> out = lines(r.out);
    ASSERT_EQ(out.size(), static_cast<std::size_t>(store.count()));
    ASSERT_GT(out.size(), 0u);
    for (int32_t i = 0; i < store.count(); ++i)
        EXPECT_EQ(out[static_cast<std::size_t>(i)], resultToJson(store.fullSet(i), *s_master, i + 1).dump());

    const nlohmann::json s = summary(r);
    EXPECT_EQ(s["outcome"], "finished");
    EXPECT_EQ(s["results"], store.count());
    EXPECT_EQ(s["total"], progress.total.load());
    EXPECT_EQ(s["done"], progress.total.load());
    EXPECT_EQ(s["raw_total"], progress.rawTotal.load());
    EXPECT_EQ(s["raw_done"], progress.rawTotal.load());

    // Run to run, and from standard input, the output is the same.
    EXPECT_EQ(search("c.json").out, r.out);
    EXPECT_EQ(search("-", condition.dump()).out, r.out);
}

TEST_F(ZekuSearchCli, RecordLinesAreTheLinesOfTheirFullSets)
{
    // A line written from a stored record (its kept numbers, the writer's name
    // cache) is the line of the full set the store builds from it (numbers
    // computed afresh). Search results, plus sets the search never makes: no
    // weapon and one piece from outside the catalogues whose name needs
    // escaping, and a piece with more jewels than a record holds.
    SearchCondition condition;
    for (const BenchCondition& b : benchConditions(*s_master))
        if (b.name.rfind("4 skills, jewels, 2-slot", 0) == 0)
            condition = b.condition;
    SearchResultStore store;
    SearchProgress progress;
    std::atomic<int32_t> cancel{0};
    SearchRun runInfo{s_master, &store, &progress, &cancel, nullptr};
    runCombinationSearch(condition, runInfo);
    ASSERT_GT(store.count(), 100);
    EquipItem outside = s_master->equip(PartArm).items()[3];
    outside.name = "Q\"uote\\ \t" + outside.name;
    outside.slots = 40;
    EquipSet odd;
    odd.setPiece(PartArm, &outside);
    odd.addPieceJewels(PartArm, std::vector<const Jewel*>(20, &s_master->jewels().items()[0]));
    store.append(odd, s_master->skills()); // kept whole
    odd.setPiece(PartArm, &outside); // the same piece without jewels: a plain record
    store.append(odd, s_master->skills());

    ResultLineWriter writer(*s_master);
    for (int32_t i = 0; i < store.count(); ++i) {
        std::string line;
        writer.appendLine(store, i, line);
        ASSERT_EQ(line, resultToJson(store.fullSet(i), *s_master, i + 1).dump() + "\n") << "result " << i;
    }
}

// Count notices that arrive while one waits are folded into it; the others
// keep their order, and a count notice taken lets the next one in.
TEST(NoticeQueue, CountNoticesWaitingAreFoldedAndOthersKeepTheirOrder)
{
    NoticeQueue queue;
    const auto post = [&](int32_t code) { queue.post(Notice{NoticeKind::Search, code, 0}); };
    const auto takeAll = [&] {
        std::vector<int32_t> codes;
        while (std::optional<Notice> notice = queue.take(std::chrono::milliseconds(0)))
            codes.push_back(notice->code);
        return codes;
    };
    for (int32_t code : {FindStarted, FindHitCount, FindProgress, FindHitCount, FindLimitReached, FindHitCount})
        post(code);
    EXPECT_EQ(takeAll(), (std::vector<int32_t>{FindStarted, FindHitCount, FindLimitReached}));
    post(FindProgress);
    post(FindFinished);
    EXPECT_EQ(takeAll(), (std::vector<int32_t>{FindProgress, FindFinished}));
}

TEST_F(ZekuSearchCli, StopsAtTheResultLimit)
{
    writeCondition("c.json", benchCondition("3 skills, jewels", 5));
    const ToolRun r = search("c.json");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.out).size(), 5u);
    EXPECT_EQ(summary(r)["outcome"], "limit");
    EXPECT_EQ(summary(r)["results"], 5);
}

TEST_F(ZekuSearchCli, RefusesBadInputWithOneLineAndStatus2)
{
    const nlohmann::ordered_json good = benchCondition("3 skills, jewels", 10);
    const uint16_t tree = good["skills"][0][0];
    const std::string pieceName = cp932ToUtf8(s_master->equip(PartHead).items().front().name);
    std::string wideJewel;
    for (const Jewel& jewel : s_master->jewels().items())
        if (jewel.slots >= 2)
            wideJewel = cp932ToUtf8(jewel.name);
    ASSERT_FALSE(wideJewel.empty());
    std::string longName;
    for (int i = 0; i < 80; ++i)
        longName += "兜";
    auto with = [&](const char* key, nlohmann::ordered_json value) {
        nlohmann::ordered_json j = good;
        j[key] = std::move(value);
        return j.dump();
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{\"sex\": 1,", "malformed"},
        {"[1, 2]", "object"},
        {with("sex", 3), "\"sex\""},
        {with("job", "blade"), "\"job\""},
        {with("rarity", "high"), "\"rarity\""},
        {with("rarity", 15), "no rarity choice"},
        {with("rarity", 150), "no rarity choice"},
        {with("rarity", 101), "no rarity choice"},
        {with("rarity", -8), "no rarity choice"},
        {with("rarity", 9), "no rarity choice"},
        {with("rarity", 109), "no rarity choice"},
        {with("skills", nlohmann::ordered_json::array()), "empty"},
        {with("skills", {{tree, 10}, {tree, 15}}), "twice"},
        {with("skills", {{tree, 0}}), "0 points"},
        {with("fixed", {{"weapon", {{"slots", 4}}}}), "slot count"},
        {with("fixed", {{"head", {{"name", "存在しない兜"}, {"sex", 0}}}}), "存在しない兜"},
        {with("fixed", {{"weapon", {{"slots", 2}, {"jewels", {"無い珠"}}}}}), "無い珠"},
        {with("skills", {{tree, 10}, {65000, 5}}), "unknown skill tree 65000"},
        {with("excluded_skills", {{65001, 5}}), "unknown skill tree 65001"},
        {with("fixed", {{"weapon", {{"slots", 1}, {"jewels", {wideJewel}}}}}), "do not fit"},
        {[&] {
             nlohmann::ordered_json j = good;
             j["jewels"] = false;
             j["exact_jewels"] = true;
             return j.dump();
         }(),
         "\"exact_jewels\" needs"},
        // A list whose switch is off is still checked.
        {with("s_parts", {{"head", nlohmann::ordered_json::array({nlohmann::ordered_json::array({pieceName, 7})})}}),
         pieceName},
        // An echoed value is cut after 80 characters, whole ones, and marked.
        {with("fixed", {{"head", {{"name", longName + "兜"}, {"sex", 0}}}}), "\"" + longName + "…\""},
        {with("fixed", {{"head", {{"name", longName}, {"sex", 0}}}}), "\"" + longName + "\""},
        // Input past 16 MiB is refused unread, and nesting past 32 levels unparsed.
        {std::string((16 << 20) + 1, ' '), "larger than 16 MiB"},
        {std::string(33, '[') + std::string(33, ']'), "deeper than 32"},
        {std::string(32, '[') + std::string(32, ']'), "object"},
        {std::string(10'000'000, '['), "deeper than 32"},
    };
    for (const auto& [input, mention] : cases) {
        const ToolRun r = search("-", input);
        EXPECT_EQ(r.status, 2) << input;
        EXPECT_EQ(r.out, "") << input;
        EXPECT_EQ(lines(r.err).size(), 1u) << input << "\n" << r.err;
        EXPECT_NE(r.err.find(mention), std::string::npos) << input << "\n" << r.err;
    }

    // A wanted skill that reaches an excluded skill of its tree, only while the switch is on.
    nlohmann::ordered_json conflict = good;
    conflict["excluded_skills"] = {{tree, good["skills"][0][1]}};
    conflict["use_excluded_skills"] = false;
    EXPECT_EQ(search("-", conflict.dump()).status, 0);
    conflict["use_excluded_skills"] = true;
    const ToolRun refused = search("-", conflict.dump());
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("excluded skill"), std::string::npos);

    EXPECT_EQ(search("missing.json").status, 2);

    // Exactly 16 MiB is read; an endless input is refused in every mode.
    std::string padded = good.dump();
    padded.resize(16 << 20, ' ');
    EXPECT_EQ(search("-", padded).status, 0);
    for (const char* mode : {"", "--addable ", "--explain ", "--fits "}) {
        const ToolRun r = search(std::string(mode) + "/dev/zero");
        EXPECT_EQ(r.status, 2) << mode;
        EXPECT_EQ(r.err, "/dev/zero is larger than 16 MiB, more than any condition needs\n") << mode;
    }
}

TEST_F(ZekuSearchCli, BothToolsAnswerHelpVersionAndUnknownOptions)
{
    for (const auto& [tool, name] :
         {std::pair{ZEKU_SEARCH_TOOL, "zeku-search"}, std::pair{ZEKU_DATA_TOOL, "zeku-data"}}) {
        // --help wins over what follows it; the text names every option.
        const ToolRun help = run(tool, "--help --frobnicate");
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_EQ(help.err, "") << name;
        EXPECT_EQ(help.out.rfind(std::string("usage: ") + name, 0), 0u) << name;
        for (const char* option : {"--dat DIR", "--user DIR", "--help", "--version"})
            EXPECT_NE(help.out.find(option), std::string::npos) << name << " " << option;

        const ToolRun version = run(tool, "--version");
        EXPECT_EQ(version.status, 0) << name;
        EXPECT_EQ(version.out, std::string(name) + " 0.047\n");

        const ToolRun unknown = run(tool, "--frobnicate c.json");
        EXPECT_EQ(unknown.status, 2) << name;
        EXPECT_EQ(unknown.out, "") << name;
        EXPECT_EQ(unknown.err,
                  std::string(name) + ": unknown option --frobnicate (" + name + " --help lists the options)\n");
    }
    EXPECT_NE(run(ZEKU_SEARCH_TOOL, "--help").out.find("--addable CONDITION.json|-"), std::string::npos);
}

TEST_F(ZekuSearchCli, AddablePrintsTheAnswerInOrderAndRefusesAsASearchDoes)
{
    const nlohmann::ordered_json condition = benchCondition("3 skills, jewels", 10);
    writeCondition("c.json", condition);
    const ToolRun r = search("--addable c.json");
    ASSERT_EQ(r.status, 0) << r.err;

    SearchCondition direct;
    for (const BenchCondition& b : benchConditions(*s_master))
        if (b.name == "3 skills, jewels")
            direct = b.condition;
    RecordingNoticeSink notices;
    CAddableFindThread finder(*s_master, direct, notices);
    finder.start();
    finder.wait();
    std::vector<std::string> expected;
    for (const AddableCandidate& c : finder.answer())
        expected.push_back(addableToJson(c).dump());
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(lines(r.out), expected);
    const nlohmann::json s = summary(r);
    EXPECT_EQ(s["outcome"], "finished");
    EXPECT_EQ(s["candidates"], finder.candidates().size());
    EXPECT_EQ(s["addable"], expected.size());

    // Bad conditions: the search's message and status.
    nlohmann::ordered_json empty = condition, conflict = condition;
    empty["skills"] = nlohmann::ordered_json::array();
    conflict["excluded_skills"] = {condition["skills"][0]};
    conflict["use_excluded_skills"] = true;
    for (const std::string& input : {std::string("{\"sex\": 1,"), empty.dump(), conflict.dump()}) {
        const ToolRun plain = search("-", input), addable = search("--addable -", input);
        EXPECT_EQ(addable.status, 2) << input;
        EXPECT_EQ(addable.err, plain.err) << input;
        EXPECT_EQ(addable.out, "") << input;
    }
    EXPECT_EQ(search("--addable --save t c.json").status, 2);
    EXPECT_EQ(search("--addable").status, 2);
}

TEST_F(ZekuSearchCli, MissingMasterFileGivesItsMessage)
{
    const ToolRun r = search("--dat nowhere -", "{}");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("スキルデータファイルがありません"), std::string::npos);
}

TEST_F(ZekuSearchCli, InterruptCancelsAndPrintsTheResultsSoFar)
{
    const SearchCondition wish = writeLongCondition("5 skills, jewels, 3-slot");
    const ToolRun r = interrupted({"--dat", "dat3", "long.json"});
    EXPECT_EQ(r.status, 0);
    const nlohmann::json s = summary(r);
    EXPECT_EQ(s["outcome"], "cancelled") << r.err;
    EXPECT_LT(s["done"].get<uint64_t>(), s["total"].get<uint64_t>());
    EXPECT_EQ(lines(r.out).size(), s["results"].get<std::size_t>());

    // The lines are the search's first results, byte for byte.
    const auto printed = s["results"].get<uint32_t>();
    if (printed == 0)
        return;
    nlohmann::ordered_json condition = conditionToJson(wish);
    condition["max_results"] = printed;
    writeCondition("first.json", condition);
    EXPECT_TRUE(search("--dat dat3 first.json").out == r.out);
}

TEST_F(ZekuSearchCli, InterruptedAddablePrintsWhatWasDecidedAndEndsCancelled)
{
    const SearchCondition wish = writeLongCondition("4 skills, jewels, 2-slot");
    const ToolRun r = interrupted({"--dat", "dat3", "--addable", "long.json"});
    EXPECT_EQ(r.status, 0);
    const nlohmann::json s = summary(r);
    EXPECT_EQ(s["outcome"], "cancelled") << r.err;
    const std::vector<std::string> printed = lines(r.out);
    EXPECT_EQ(printed.size(), s["addable"].get<std::size_t>());

    // The lines are candidates in candidate order, each one whose search finds a set.
    RecordingNoticeSink notices;
    const CAddableFindThread finder(*s_large, wish, notices); // not started: the candidates only
    const std::vector<AddableCandidate>& candidates = finder.candidates();
    EXPECT_EQ(s["candidates"], candidates.size());
    std::size_t next = 0;
    for (const std::string& line : printed) {
        while (next < candidates.size() && addableToJson(candidates[next]).dump() != line)
            ++next;
        ASSERT_LT(next, candidates.size()) << line;
        SearchCondition changed = candidateCondition(wish, candidates[next++]);
        changed.maxResults = kStopAtFirstResult;
        SearchResultStore store;
        SearchProgress progress;
        std::atomic<int32_t> cancel{0};
        SearchRun run{s_large, &store, &progress, &cancel, nullptr};
        EXPECT_EQ(runCombinationSearch(changed, run), OutcomeLimitReached) << line;
    }
}

TEST_F(ZekuSearchCli, AddableOutOfMemoryEndsWithStatus1AndSaysSo)
{
    SearchCondition condition;
    for (const BenchCondition& b : benchConditions(*s_master))
        if (b.name == "3 skills, jewels")
            condition = b.condition;
    std::atomic<int> interrupt{0};
    // The first allocation a candidate's search must survive fails.
    armAllocationFailure(1);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int status = runAddableCommand(condition, *s_master, false, interrupt);
    const ToolRun r{status, ::testing::internal::GetCapturedStdout(), ::testing::internal::GetCapturedStderr()};
    armAllocationFailure(0);
    EXPECT_EQ(r.status, 1);
    const nlohmann::json s = summary(r);
    EXPECT_EQ(s["outcome"], "out_of_memory") << r.err;
    EXPECT_EQ(lines(r.out).size(), s["addable"].get<std::size_t>());
}

TEST_F(ZekuSearchCli, OutOfMemoryWhileStoringPrintsEveryResultStoredSoFar)
{
#ifdef ZEKU_UNDER_ASAN
    GTEST_SKIP() << "the sanitizers' shadow memory does not fit under an address-space limit";
#endif
    // Two skills with jewels: far more results than 30 MB of address space holds.
    // One malloc arena: the worker thread's own would not fit under the limit.
    nlohmann::ordered_json condition = benchCondition("3 skills, jewels", 999999);
    condition["skills"].erase(2);
    writeCondition("many.json", condition);
    const ToolRun limited =
        run("sh", "-c \"ulimit -v 30000 && MALLOC_ARENA_MAX=1 exec '" ZEKU_SEARCH_TOOL "' many.json\"");
    EXPECT_EQ(limited.status, 1) << limited.err;
    const nlohmann::json s = summary(limited);
    ASSERT_EQ(s["outcome"], "out_of_memory") << limited.err;
    const auto stored = s["results"].get<uint32_t>();
    EXPECT_GT(stored, 0u);
    EXPECT_EQ(lines(limited.out).size(), stored);

    // They are the first results of the search, byte for byte.
    condition["max_results"] = stored;
    writeCondition("many.json", condition);
    const ToolRun full = search("many.json");
    EXPECT_EQ(summary(full)["outcome"], "limit");
    EXPECT_TRUE(full.out == limited.out);
}

TEST_F(ZekuSearchCli, SavedSearchIsListedAndShownByZekuData)
{
    writeCondition("c.json", benchCondition("4 skills, jewels", 100000));
    const ToolRun saved = search("--save 保存テスト --comment 夜の検索 c.json");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::size_t results = lines(saved.out).size();

    const ToolRun listed = run(ZEKU_DATA_TOOL, "history");
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "0\t保存テスト\t夜の検索\n");

    const ToolRun shown = run(ZEKU_DATA_TOOL, "history show 0 --json");
    EXPECT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> out = lines(shown.out);
    ASSERT_EQ(out.size(), results + 1);
    // The restored results are the saved ones, line by line.
    EXPECT_EQ(std::vector<std::string>(out.begin() + 1, out.end()), lines(saved.out));
    EXPECT_EQ(nlohmann::json::parse(out[0])["skills"].dump(), benchCondition("4 skills, jewels", 1)["skills"].dump());
    EXPECT_FALSE(nlohmann::json::parse(out[0]).contains("exact_jewels"));
}

TEST_F(ZekuSearchCli, ExactSearchIsSavedWithItsOptionAndShownBack)
{
    nlohmann::ordered_json condition = benchCondition("4 skills, jewels", 100000);
    condition["exact_jewels"] = true;
    writeCondition("c.json", condition);
    const ToolRun saved = search("--save 全組合せ c.json");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const ToolRun shown = run(ZEKU_DATA_TOOL, "history show 0 --json");
    EXPECT_EQ(shown.status, 0) << shown.err;
    const std::vector<std::string> out = lines(shown.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(nlohmann::json::parse(out[0]).value("exact_jewels", false), true);
    EXPECT_EQ(std::vector<std::string>(out.begin() + 1, out.end()), lines(saved.out));
}

TEST_F(ZekuSearchCli, FitsPrintsTheCandidatesOfOneResultLine)
{
    // One wanted skill: its sets keep free slots for more.
    nlohmann::ordered_json condition = benchCondition("3 skills, jewels", 3);
    condition["skills"] = nlohmann::ordered_json::array({condition["skills"][0]});
    writeCondition("c.json", condition);
    const ToolRun found = search("c.json");
    ASSERT_EQ(found.status, 0);
    ASSERT_FALSE(lines(found.out).empty());
    nlohmann::ordered_json input;
    input["condition"] = condition;
    input["set"] = nlohmann::ordered_json::parse(lines(found.out).front());
    const ToolRun fits = search("--fits -", input.dump());
    ASSERT_EQ(fits.status, 0) << fits.err;
    // The line read back is the set the search printed; the answer is the core's for it.
    SearchCondition c;
    EquipSet set;
    std::string error;
    ASSERT_TRUE(conditionFromJson(input["condition"], *s_master, c, error)) << error;
    ASSERT_TRUE(setFromJson(input["set"], *s_master, c, set, error)) << error;
    const std::vector<SetFit> expected = fittingCandidates(c, set, *s_master);
    const std::vector<std::string> out = lines(fits.out);
    ASSERT_EQ(out.size(), expected.size());
    ASSERT_FALSE(out.empty());
    for (std::size_t i = 0; i < out.size(); ++i) {
        const nlohmann::json line = nlohmann::json::parse(out[i]);
        EXPECT_EQ(line["tree"], expected[i].candidate.tree->id);
        EXPECT_EQ(line["points"], expected[i].candidate.points);
        EXPECT_TRUE(line["jewels"].is_array());
    }
    // A set whose pieces the catalogue lacks is refused, and so is a piece of
    // the other sex or job, naming its part.
    const uint16_t sex = condition["sex"], job = condition["job"];
    const EquipItem* otherSex = nullptr;
    const EquipItem* otherJob = nullptr;
    for (const EquipItem& piece : s_master->equip(PartArm).items()) {
        if (!otherSex && piece.sex != 0 && piece.sex != sex && codeFits(piece.job, job))
            otherSex = &piece;
        if (!otherJob && piece.job != 0 && piece.job != job && codeFits(piece.sex, sex))
            otherJob = &piece;
    }
    ASSERT_TRUE(otherSex && otherJob);
    for (const EquipItem* unwearable : {otherSex, otherJob}) {
        nlohmann::ordered_json other = input;
        other["set"]["arm"] = {{"name", cp932ToUtf8(unwearable->name)}, {"sex", unwearable->sex}, {"jewels", {}}};
        const ToolRun refusedPiece = search("--fits -", other.dump());
        EXPECT_EQ(refusedPiece.status, 2) << unwearable->sex << " " << unwearable->job;
        EXPECT_NE(refusedPiece.err.find("\"set.arm\" is a piece for"), std::string::npos) << refusedPiece.err;
    }
    input["set"]["head"] = {{"name", "存在しない兜"}, {"sex", 0}, {"jewels", nlohmann::ordered_json::array()}};
    const ToolRun refused = search("--fits -", input.dump());
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("存在しない兜"), std::string::npos);
}

// A catalogue that repeats names: a line names each item so that the readers
// take that item back, and a line of unique names has no rank keys.
TEST(RepeatedNames, ResultLinesAndConditionsReadBackTheItemsTheyName)
{
    MasterData master;
    auto addJewel = [&](const char* name, uint16_t slots) {
        Jewel jewel;
        jewel.name = utf8ToCp932Lossy(name);
        jewel.slots = slots;
        master.mutableJewels().addItem(jewel);
    };
    auto addHead = [&](const char* name, uint16_t sex, uint16_t slots) {
        EquipItem item;
        item.part = PartHead;
        item.name = utf8ToCp932Lossy(name);
        item.sex = sex;
        item.slots = slots;
        master.mutableEquip(PartHead).addItem(item);
    };
    master.mutableSkills().addTree(SkillTree{1, utf8ToCp932Lossy("攻撃"), {}});
    addJewel("重複珠", 3);
    addJewel("重複珠", 1);
    addJewel("単独珠", 1);
    addHead("重複ヘルム", 1, 0);
    addHead("重複ヘルム", 1, 3);
    addHead("重複ヘルム", 2, 3); // another sex: no repeat for the male pieces' readers
    addHead("単独ヘルム", 1, 3);
    const std::vector<Jewel>& jewels = master.jewels().items();
    const std::vector<EquipItem>& heads = master.equip(PartHead).items();
    SearchCondition wearer;
    wearer.sex = 1;
    wearer.job = 1;
    wearer.useJewels = true;
    wearer.wanted = {{1, 1}};

    struct Case {
        const EquipItem* head;
        std::vector<const Jewel*> jewels;
        const char* line;
    };
    const std::vector<Case> cases = {
        {&heads[1],
         {&jewels[1], &jewels[2]},
         R"({"weapon":null,"head":{"name":"重複ヘルム","sex":1,"variant":1,"jewels":["重複珠","単独珠"],)"
         R"("jewel_variants":[1,0]},"body":null,"arm":null,"waist":null,"leg":null,)"
         R"("defence":0,"slots":3,"used":2,"free":1,"skills":0})"},
        {&heads[1],
         {&jewels[0]},
         R"({"weapon":null,"head":{"name":"重複ヘルム","sex":1,"variant":1,"jewels":["重複珠"],)"
         R"("jewel_variants":[0]},"body":null,"arm":null,"waist":null,"leg":null,)"
         R"("defence":0,"slots":3,"used":3,"free":0,"skills":0})"},
        {&heads[3],
         {&jewels[2]},
         R"({"weapon":null,"head":{"name":"単独ヘルム","sex":1,"jewels":["単独珠"]},"body":null,"arm":null,)"
         R"("waist":null,"leg":null,"defence":0,"slots":3,"used":1,"free":2,"skills":0})"},
    };
    for (const Case& c : cases) {
        EquipSet set;
        set.setPiece(PartHead, c.head);
        ASSERT_TRUE(set.addPieceJewels(PartHead, c.jewels));
        const std::string line = resultLine(set, master, std::nullopt);
        EXPECT_EQ(line, c.line);
        EquipSet read;
        std::string error;
        ASSERT_TRUE(setFromJson(nlohmann::json::parse(line), master, wearer, read, error)) << error;
        EXPECT_EQ(read.piece(PartHead), c.head) << line;
        EXPECT_EQ(read.pieceSlots(PartHead).jewels, c.jewels) << line;
        // The same set fixed in a condition.
        SearchCondition fixed = wearer;
        fixed.fixed.copyFrom(set);
        SearchCondition back;
        ASSERT_TRUE(
            conditionFromJson(nlohmann::json::parse(conditionToJson(fixed, &master).dump()), master, back, error))
            << error;
        EXPECT_EQ(back.fixed.piece(PartHead), c.head) << line;
        EXPECT_EQ(back.fixed.pieceSlots(PartHead).jewels, c.jewels) << line;
    }
    // Without ranks a repeated jewel name stands for the first jewel of that
    // name that fits: the 1-slot one in a 1-slot holder.
    addHead("一穴ヘルム", 1, 1);
    EquipSet read;
    std::string error;
    const auto oneSlot = nlohmann::json::parse(R"({"head":{"name":"一穴ヘルム","sex":1,"jewels":["重複珠"]}})");
    ASSERT_TRUE(setFromJson(oneSlot, master, wearer, read, error)) << error;
    EXPECT_EQ(read.pieceSlots(PartHead).jewels, std::vector<const Jewel*>{&master.jewels().items()[1]});
}

TEST_F(ZekuSearchCli, SaveTextsTheIndexCannotHoldAreRefused)
{
    writeCondition("c.json", benchCondition("3 skills, jewels", 5));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--save 'a=b'", "イコール"},
        {"--save '#1 火力装備'", "先頭"},
        {"--save ';memo'", "先頭"},
        {"--save Version", "Version"},
        {"--save ' lead'", "空白"},
        {"--save 'two\nlines'", "制御文字"},
        {"--save \"$(printf 'tab\\there')\"", "制御文字"},
        {"--save 雪だるま☃", "☃"},
        {"--save ok --comment 'a,b'", "カンマ"},
        {"--save ok --comment 'trail '", "空白"},
        {"--save ok --comment ☃", "☃"},
    };
    for (const auto& [args, mention] : cases) {
        const ToolRun r = search(args + " c.json");
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(lines(r.err).size(), 1u) << args << "\n" << r.err;
        EXPECT_NE(r.err.find(mention), std::string::npos) << args << "\n" << r.err;
    }
    EXPECT_FALSE(fs::exists(s_dir / "user"));

    // What the index can hold is kept exactly, blanks inside and at the title's end included.
    ASSERT_EQ(search("--save 'a;b #c d ' --comment ' x=y' c.json").status, 0);
    EXPECT_EQ(run(ZEKU_DATA_TOOL, "history").out, "0\ta;b #c d \t x=y\n");
}

// Writers started together, round after round, into one user folder: every
// save that reports success is listed and loads.
TEST_F(ZekuSearchCli, ConcurrentSavesAreAllListed)
{
    writeCondition("c.json", benchCondition("3 skills, jewels", 5));
    constexpr int kWriters = 4, kRounds = 5;
    for (int round = 0; round < kRounds; ++round) {
        std::vector<pid_t> children;
        for (int writer = 0; writer < kWriters; ++writer) {
            const std::string title = "r" + std::to_string(round) + "w" + std::to_string(writer);
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                ::chdir(s_dir.c_str());
                const int null = ::open("/dev/null", O_WRONLY);
                ::dup2(null, 1);
                ::dup2(null, 2);
                ::execl(ZEKU_SEARCH_TOOL, ZEKU_SEARCH_TOOL, "--save", title.c_str(), "c.json",
                        static_cast<char*>(nullptr));
                _exit(127);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int raw = 0;
            ::waitpid(child, &raw, 0);
            ASSERT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
        }
    }
    const UserFolder user(s_dir / "user");
    SavedFileIndex index = SavedFileIndex::forHistory(user);
    ASSERT_TRUE(index.load());
    EXPECT_EQ(index.count(), kWriters * kRounds);
    std::set<std::string> titles;
    for (int i = 0; i < index.count(); ++i) {
        titles.insert(*index.title(i));
        const auto loaded = loadSearchHistory(user, *s_master, i);
        ASSERT_TRUE(loaded) << *index.title(i);
        EXPECT_EQ(loaded->combinations.size(), 5u);
    }
    EXPECT_EQ(titles.size(), std::size_t(kWriters * kRounds));
    // Nothing but the entries' files, the index and the lock file.
    EXPECT_EQ(std::distance(fs::directory_iterator(user.historyFolder()), fs::directory_iterator()),
              kWriters * kRounds + 2);
}

// Output that cannot be written is a failure with a message; a save that
// follows the output still completes.
TEST_F(ZekuSearchCli, OutputThatCannotBeWrittenFailsButTheSaveStillRuns)
{
    writeCondition("c.json", benchCondition("3 skills, jewels", 5));
    writeCondition("none.json", benchCondition("3 skills, no jewels", 5));
    writeFitsInput("fits.json");
    int saves = 0;
    for (BrokenOutput how : {BrokenOutput::Full, BrokenOutput::Closed, BrokenOutput::ReaderGone}) {
        const std::vector<std::pair<std::string, std::vector<std::string>>> runs = {
            {ZEKU_SEARCH_TOOL, {"c.json"}},
            {ZEKU_SEARCH_TOOL, {"--addable", "c.json"}},
            {ZEKU_SEARCH_TOOL, {"--save", "cut" + std::to_string(saves++), "c.json"}},
            {ZEKU_SEARCH_TOOL, {"--explain", "none.json"}},
            {ZEKU_SEARCH_TOOL, {"--fits", "fits.json"}},
            {ZEKU_SEARCH_TOOL, {"--version"}},
            {ZEKU_SEARCH_TOOL, {"--bench", "3 skills, no jewels"}},
            {ZEKU_DATA_TOOL, {"history"}},
            {ZEKU_DATA_TOOL, {"history", "show", "0"}},
            {ZEKU_DATA_TOOL, {"--help"}},
        };
        for (const auto& [tool, args] : runs) {
            const ToolRun r = runWithBrokenOutput(s_dir, tool, args, how);
            EXPECT_EQ(r.status, 1) << args.front() << " " << static_cast<int>(how) << "\n" << r.err;
            EXPECT_NE(r.err.find("standard output"), std::string::npos) << r.err;
        }
    }
    // Each of the three saves was listed, cut output or not.
    EXPECT_EQ(lines(run(ZEKU_DATA_TOOL, "history").out).size(), 3u);
}

// Ctrl-C while the answer is printed: the printing stops, the last line of
// standard error says so, and a --save still stores every result.
TEST_F(ZekuSearchCli, InterruptWhilePrintingStopsAndStillSaves)
{
    writeFitsInput("fits.json");
    const ToolRun fits = interruptedWhilePrinting({"--fits", "fits.json"});
    EXPECT_EQ(fits.status, 0) << fits.err;
    EXPECT_EQ(summary(fits)["outcome"], "cancelled") << fits.err;

    writeCondition("c.json", benchCondition("3 skills, jewels", 10000));
    const ToolRun full = search("c.json");
    ASSERT_GT(full.out.size(), 65536u);
    const ToolRun r = interruptedWhilePrinting({"--save", "中断", "c.json"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(summary(r)["outcome"], "cancelled") << r.err;
    EXPECT_EQ(summary(r)["results"], lines(full.out).size());
    const ToolRun shown = run(ZEKU_DATA_TOOL, "history show 0 --json");
    ASSERT_EQ(shown.status, 0) << shown.err;
    std::vector<std::string> restored = lines(shown.out);
    ASSERT_FALSE(restored.empty());
    restored.erase(restored.begin()); // the condition line
    EXPECT_TRUE(restored == lines(full.out));
}

TEST_F(ZekuSearchCli, SaveNeedsResults)
{
    nlohmann::ordered_json none = benchCondition("3 skills, no jewels", 10);
    writeCondition("none.json", none);
    const ToolRun r = search("--save 空 none.json");
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(fs::exists(s_dir / "user" / "SearchHistory" / "index.dat"));
}

} // namespace

namespace {

TEST_F(ZekuSearchCli, BenchSignaturesAreStable)
{
    const ToolRun first = search("--bench \"fixed head\"");
    const ToolRun second = search("--bench \"fixed head\"");
    ASSERT_EQ(first.status, 0);
    const std::vector<std::string> a = lines(first.out), b = lines(second.out);
    ASSERT_EQ(a.size(), 2u); // header and the one condition
    ASSERT_EQ(b.size(), 2u);
    // The signature is the last column; timings in between may differ.
    EXPECT_EQ(a[1].substr(a[1].rfind(' ') + 1), b[1].substr(b[1].rfind(' ') + 1));
    EXPECT_EQ(a[1].substr(a[1].rfind(' ') + 1).size(), 16u);
}

} // namespace
