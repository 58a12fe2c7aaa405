// zeku-search: the search from the command line.
//
//   zeku-search [--dat DIR]                       catalogue counts
//   zeku-search [--dat DIR] [--progress] [--user DIR] [--save TITLE [--comment TEXT]] CONDITION.json|-
//   zeku-search [--dat DIR] --bench [FILTER]      built-in conditions, time and signature each
//   zeku-search [--dat DIR] --bench-exact [FILTER]  the same with jewels, greedy and exact side by side
//   zeku-search [--dat DIR] [--user DIR] [--progress] --addable CONDITION.json|-   skills that still fit
//   zeku-search [--dat DIR] --fits FILE|-   what else one set can activate ({"condition", "set"})
//   zeku-search [--dat DIR] [--user DIR] [--progress] --explain CONDITION.json|-   why nothing fits
//   zeku-search --help | --version
//
// Results go to standard output as JSON Lines; the last line of standard error
// is a JSON object with the outcome and the five progress counters.

#include "cli/CommandLine.h"
#include "cli/AddableCommand.h"
#include "cli/ConditionJson.h"
#include "cli/ExplainCommand.h"
#include "cli/InputText.h"
#include "cli/JsonFormat.h"
#include "cli/NoticeQueue.h"
#include "cli/ResultLineWriter.h"
#include "cli/SearchBench.h"
#include "platform/Cp932.h"
#include "report/FormatCount.h"
#include "search/EquipFindThread.h"
#include "userfiles/SearchHistory.h"
#include "userfiles/StorableText.h"
#include "userfiles/UserFolder.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

using namespace zeku;

std::atomic<int> g_interrupted{0};

extern "C" void onInterrupt(int)
{
    g_interrupted.store(1);
}

struct Options {
    std::string datDir; // empty: resolved as the desktop program does
    std::string userDir;
    std::string conditionFile;
    bool progress = false;
    bool bench = false;
    bool benchExact = false;
    bool help = false;
    bool version = false;
    bool unknownOption = false; // its message points at --help instead of the usage
    bool addable = false;
    bool fits = false;
    bool explain = false;
    std::optional<std::string> saveTitle;
    std::string saveComment;
};

constexpr const char* kUsage =
    "usage: zeku-search [--dat DIR] [--progress] [--user DIR] [--save TITLE [--comment TEXT]] "
    "CONDITION.json|-\n       zeku-search [--dat DIR] --bench|--bench-exact [FILTER]"
    "\n       zeku-search [--dat DIR] [--user DIR] [--progress] --addable CONDITION.json|-"
    "\n       zeku-search [--dat DIR] --fits FILE|-"
    "\n       zeku-search [--dat DIR] [--user DIR] [--progress] --explain CONDITION.json|-";

bool parseArguments(int argc, char** argv, Options& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            target = argv[++i];
            return true;
        };
        if (arg == "--dat") {
            if (!value(options.datDir))
                return false;
        } else if (arg == "--user") {
            if (!value(options.userDir))
                return false;
        } else if (arg == "--save") {
            std::string title;
            if (!value(title))
                return false;
            options.saveTitle = title;
        } else if (arg == "--comment") {
            if (!value(options.saveComment))
                return false;
        } else if (arg == "--progress") {
            options.progress = true;
        } else if (arg == "--bench" || arg == "--bench-exact") {
            options.bench = true;
            options.benchExact = arg == "--bench-exact";
        } else if (arg == "--help" || arg == "--version") {
            (arg == "--help" ? options.help : options.version) = true;
            return true;
        } else if (arg == "--fits") {
            options.fits = true;
        } else if (arg == "--addable") {
            options.addable = true;
        } else if (arg == "--explain") {
            options.explain = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
            error = cli::unknownOptionMessage("zeku-search", arg);
            options.unknownOption = true;
            return false;
        } else if (options.conditionFile.empty()) {
            options.conditionFile = arg;
        } else {
            error = "more than one condition file";
            return false;
        }
    }
    if (!options.saveTitle && !options.saveComment.empty()) {
        error = "--comment goes with --save";
        return false;
    }
    if ((options.addable || options.fits) && options.saveTitle) {
        error = options.addable ? "--save does not go with --addable" : "--save does not go with --fits";
        return false;
    }
    if (options.addable && options.fits) {
        error = "--addable does not go with --fits";
        return false;
    }
    if (options.explain && (options.saveTitle || options.addable || options.fits)) {
        error = options.addable ? "--addable does not go with --explain"
                : options.fits  ? "--fits does not go with --explain"
                                : "--save does not go with --explain";
        return false;
    }
    if ((options.saveTitle || options.progress || options.addable || options.fits || options.explain) &&
        options.conditionFile.empty()) {
        error = "no condition file given";
        return false;
    }
    return true;
}

void printCounts(const MasterData& master)
{
    static const char* const partNames[kPartCount] = {"head", "body", "arm", "waist", "leg"};
    std::printf("skill trees\t%zu\n", master.skills().trees().size());
    for (int part = 0; part < kPartCount; ++part)
        std::printf("%s pieces\t%zu\n", partNames[part], master.equip(part).size());
    std::printf("jewels\t%zu\n", master.jewels().size());
    std::printf("weapon slot items\t%zu\n", master.weaponSlots().items().size());
}

std::string formatDuration(double seconds)
{
    long total = static_cast<long>(seconds + 0.5);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    return buffer;
}

// One refreshed line on a terminal: done / total, percent, time left, hits.
class ProgressLine {
public:
    explicit ProgressLine(bool enabled) : m_enabled(enabled && ::isatty(STDERR_FILENO)) {}

    void update(const SearchProgress& progress, bool force)
    {
        if (!m_enabled)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (!force && now - m_lastDraw < std::chrono::milliseconds(500))
            return;
        m_lastDraw = now;
        const uint64_t done = progress.done.load(), total = progress.total.load();
        const double fraction = total ? static_cast<double>(done) / static_cast<double>(total) : 0.0;
        const double elapsed = std::chrono::duration<double>(now - m_start).count();
        std::string left = fraction > 0 ? formatDuration(elapsed / fraction - elapsed) : "--:--:--";
        std::fprintf(stderr, "\r%s / %s  %5.1f%%  remaining %s  hits %s   ", formatCount(done).c_str(),
                     formatCount(total).c_str(), fraction * 100.0, left.c_str(),
                     formatCount(progress.resultCount.load()).c_str());
        m_drawn = true;
    }

    void finish()
    {
        if (m_drawn)
            std::fputc('\n', stderr);
    }

private:
    bool m_enabled;
    bool m_drawn = false;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point m_lastDraw{};
};

// The --save title and comment in CP932, as the history index will hold them;
// false with the reason when they cannot be stored so that they read back.
bool storableSaveTexts(const Options& options, std::string& title, std::string& comment, std::string& error)
{
    std::string offending;
    const std::optional<std::string> t = utf8ToCp932Strict(*options.saveTitle, &offending);
    const std::optional<std::string> c = t ? utf8ToCp932Strict(options.saveComment, &offending) : std::nullopt;
    if (!t || !c) {
        error = "--save: \"" + offending + "\" cannot be stored (code page 932 lacks it)";
        return false;
    }
    title = *t;
    comment = *c;
    if (const auto refusal = indexTextRefusal(title, comment)) {
        error = "--save: " + refusal->text;
        return false;
    }
    return true;
}

// Prints the result lines; false when Ctrl-C stopped the printing (or the
// output failed, which finishStandardOutput reports).
bool printResultLines(const MasterData& master, const SearchResultStore& store)
{
    constexpr std::size_t kChunk = 1 << 16;
    ResultLineWriter writer(master);
    std::string chunk;
    for (int32_t i = 0; i < store.count(); ++i) {
        writer.appendLine(store, i, chunk);
        if (chunk.size() >= kChunk) {
            if (!cli::writeStandardOutput(chunk, g_interrupted))
                return g_interrupted.load() == 0;
            chunk.clear();
        }
    }
    return cli::writeStandardOutput(chunk, g_interrupted) || g_interrupted.load() == 0;
}

int runSearch(const Options& options, const MasterData& master)
{
    std::string text, error;
    nlohmann::json input;
    if (!cli::readInputText(options.conditionFile, text, error) ||
        !cli::parseInputJson(text, options.conditionFile, input, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    text = std::string(); // the parsed copy is all that is needed
    SearchCondition condition;
    EquipSet set;
    if (options.fits) {
        // {"condition": {...}, "set": {...}}
        if (!input.is_object() || !input.contains("condition") || !input.contains("set")) {
            std::fprintf(stderr, "--fits needs an object with \"condition\" and \"set\"\n");
            return 2;
        }
        if (!conditionFromJson(input["condition"], master, condition, error) ||
            !setFromJson(input["set"], master, condition, set, error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
        return runFitsCommand(condition, set, master, g_interrupted);
    }
    if (!conditionFromJson(input, master, condition, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    std::string saveTitle, saveComment;
    if (options.saveTitle && !storableSaveTexts(options, saveTitle, saveComment, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 2;
    }
    if (options.addable)
        return runAddableCommand(condition, master, options.progress, g_interrupted);
    if (options.explain)
        return runExplainCommand(condition, master, options.progress, g_interrupted);

    SearchResultStore store;
    SearchProgress progress;
    NoticeQueue notices;
    ProgressLine line(options.progress);
    CEquipFindThread worker(master, condition, store, progress, notices);
    worker.start();
    bool cancelRequested = false;
    for (;;) {
        std::optional<Notice> notice = notices.take(std::chrono::milliseconds(100));
        // The Ctrl-C that cancels is taken back: only another one stops the printing.
        if (!cancelRequested && g_interrupted.exchange(0)) {
            worker.requestCancel();
            cancelRequested = true;
        }
        if (!notice)
            continue;
        if (notice->code == FindProgress || notice->code == FindHitCount)
            line.update(progress, false);
        if (notice->code == FindFinished || notice->code == FindCancelled || notice->code == FindLimitReached ||
            notice->code == FindOutOfMemory)
            break;
    }
    worker.wait();
    line.update(progress, true);
    line.finish();

    // Ctrl-C still stops the printing; the save below runs whenever it comes.
    const bool printed = printResultLines(master, store);
    // A full or closed output is a failure, but the save below still runs.
    const bool written = cli::finishStandardOutput("zeku-search");

    int status = worker.outcome() == OutcomeOutOfMemory || !written ? 1 : 0;
    if (options.saveTitle && store.count() == 0) {
        // A history entry without results could not be read back.
        std::fprintf(stderr, "nothing to save: the search found no results\n");
        status = 1;
    } else if (options.saveTitle) {
        const UserFolder user(options.userDir);
        // The history keeps the condition as the main window shows it, not the
        // worker's reordered copy.
        if (!saveSearchHistory(user, master, condition, store, saveTitle, saveComment)) {
            std::fprintf(stderr, "データの保存処理で異常が発生しました\n");
            status = 1;
        }
    }

    nlohmann::ordered_json summary;
    summary["outcome"] = printed ? outcomeName(worker.outcome()) : "cancelled";
    summary["results"] = store.count();
    summary["total"] = progress.total.load();
    summary["done"] = progress.done.load();
    summary["raw_total"] = progress.rawTotal.load();
    summary["raw_done"] = progress.rawDone.load();
    std::fprintf(stderr, "%s\n", summary.dump().c_str());
    return status;
}

// Runs the mode the options ask for; its exit status.
int runMode(Options& options)
{
    if (options.help || options.version) {
        if (options.help)
            std::fputs(cli::kZekuSearchHelp, stdout);
        else
            cli::printVersion("zeku-search");
        return 0;
    }
    cli::resolveFolders(options.datDir, options.userDir);
    // A search catches Ctrl-C from the start: pressed while the data loads,
    // it cancels the search before its first combination.
    const bool searching = !options.bench && !options.conditionFile.empty();
    if (searching)
        std::signal(SIGINT, onInterrupt);
    MasterData master;
    const MasterLoadResult loaded = master.load(options.datDir);
    if (!loaded.ok()) {
        std::fprintf(stderr, "%s (%s: %s)\n", loaded.message().c_str(), loaded.detail.file.c_str(),
                     loaded.detail.cause.c_str());
        return 2;
    }
    if (options.bench)
        return options.benchExact ? runExactBench(master, options.conditionFile)
                                  : runSearchBench(master, options.conditionFile);
    if (options.conditionFile.empty()) {
        printCounts(master);
        return 0;
    }
    try {
        return runSearch(options, master);
    } catch (const std::bad_alloc&) {
        // The searches report running out themselves; this is for what is left
        // (reading a condition, gathering the output).
        std::fprintf(stderr, "zeku-search: out of memory\n");
        return 1;
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string error;
    if (!parseArguments(argc, argv, options, error)) {
        if (options.unknownOption)
            std::fprintf(stderr, "%s\n", error.c_str());
        else
            std::fprintf(stderr, "zeku-search: %s\n%s\n", error.c_str(), kUsage);
        return 2;
    }
    cli::keepRunningWhenOutputCloses();
    return cli::statusAfterOutput("zeku-search", runMode(options), 1);
}
