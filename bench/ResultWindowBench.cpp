// A million results in the window and in the history: times the steps a user
// waits for after a search that stops at 999,999 results, and the peak memory.
//
//   zeku_bench_result_window [--scale K]
//
// It runs a two-skill search with jewels on generated data (scale 2 by default)
// up to 999,999 results, then fills the result list, sorts it by defence and
// back, follows a selection, saves the search to a scratch history and loads it
// back. Each step prints its processor time; the last line the peak resident
// memory. It uses only interfaces that older builds share, so the same file
// builds against an older tree for a side-by-side ratio.

#include "cli/SearchBench.h"
#include "platform/NoticeSink.h"
#include "search/CombinationSearch.h"
#include "tools/SampleDataGenerator.h"
#include "ui/lists/CFindResultListCtrl.h"
#include "userfiles/FileOperationThread.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace zeku;

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Runs `step` and prints its processor time.
template <typename Step>
void timed(const char* name, Step step)
{
    const double start = cpuSeconds();
    step();
    std::printf("%-28s %8.3f s cpu   peak so far %6ld MB\n", name, cpuSeconds() - start, peakKilobytes() / 1024);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    int scale = 2;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--scale") == 0)
            scale = std::atoi(argv[i + 1]);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const auto dir = std::filesystem::temp_directory_path() / ("zeku_result_window_" + std::to_string(::getpid()));
    writeSampleData(dir / "dat", kDefaultSampleSeed, scale);
    MasterData master;
    if (!master.load(dir / "dat").ok())
        return 1;

    // The themed "3 skills, jewels" wish cut to two skills: on scale 2 it stops at the limit.
    SearchCondition condition = benchConditions(master).at(2).condition;
    condition.wanted.resize(2);
    condition.maxResults = 999999;
    const SearchCondition saved = condition;

    auto store = std::make_unique<SearchResultStore>();
    SearchProgress progress;
    std::atomic<int32_t> cancel{0};
    SearchRun run;
    run.master = &master;
    run.store = store.get();
    run.progress = &progress;
    run.cancel = &cancel;
    timed("search and store", [&] { runCombinationSearch(condition, run); });
    std::printf("results %d\n", store->count());

    CFindResultListCtrl list;
    list.setUp(master.skills());
    timed("fill the list", [&] { list.showResults(store.get()); });
    list.selectSingleRow(store->count() / 2);
    timed("sort by defence", [&] { list.sortByHeader(1); });
    timed("sort by defence, reversed", [&] { list.sortByHeader(1); });
    timed("sort by skills", [&] { list.sortByHeader(5); });
    timed("selected set", [&] {
        for (int row = 0; row < 1000; ++row)
            list.resultAt(row)->totals();
    });

    RecordingNoticeSink sink;
    const UserFolder folder(dir / "user");
    timed("save to the history", [&] {
        CFileOperationThread worker(sink, folder, master);
        worker.setSave(saved, store.get(), "bench", "");
        worker.run();
    });
    list.showResults(nullptr);
    store.reset();
    timed("load from the history", [&] {
        CFileOperationThread worker(sink, folder, master);
        worker.setLoad(0);
        worker.run();
        store = worker.takeResults();
    });
    std::printf("loaded %d\n", store ? store->count() : -1);
    timed("fill the list again", [&] { list.showResults(store.get()); });
    std::printf("peak resident memory %ld MB\n", peakKilobytes() / 1024);
    std::filesystem::remove_all(dir);
    return 0;
}
