#include "cli/AddableCommand.h"

#include "cli/CommandLine.h"
#include "cli/JsonFormat.h"
#include "cli/NoticeQueue.h"
#include "platform/Cp932.h"
#include "search/AddableFindThread.h"
#include "search/SetFits.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace zeku {

nlohmann::ordered_json addableToJson(const AddableCandidate& candidate)
{
    nlohmann::ordered_json line;
    line["tree"] = candidate.tree->id;
    line["tree_name"] = cp932ToUtf8(candidate.tree->name);
    line["points"] = candidate.points;
    line["skill"] = cp932ToUtf8(candidate.skill->name);
    line["kind"] = candidate.kind == AddableKind::Raise ? "raise" : "add";
    return line;
}

int runFitsCommand(const SearchCondition& condition, const EquipSet& set, const MasterData& master,
                   std::atomic<int>& interrupted)
{
    const std::vector<SetFit> fits = fittingCandidates(condition, set, master, &interrupted);
    // The Ctrl-C that cut the answer short is taken back: only another one stops the printing.
    const bool cancelled = interrupted.exchange(0) != 0;
    std::string lines;
    for (const SetFit& fit : fits) {
        nlohmann::ordered_json line = addableToJson(fit.candidate);
        nlohmann::ordered_json names = nlohmann::ordered_json::array();
        // The weapon first, then head to leg, as a result line lists them.
        for (int holder : kWeaponFirstPositions)
            for (const Jewel* jewel : fit.jewels[holder])
                names.push_back(cp932ToUtf8(jewel->name));
        line["jewels"] = names;
        lines += line.dump() + '\n';
    }
    const bool printed = cli::writeStandardOutput(lines, interrupted);
    const bool written = cli::finishStandardOutput("zeku-search");

    nlohmann::ordered_json summary;
    summary["outcome"] = cancelled || (!printed && written) ? "cancelled" : "finished";
    summary["fits"] = fits.size();
    std::fprintf(stderr, "%s\n", summary.dump().c_str());
    return written ? 0 : 1;
}

int runAddableCommand(const SearchCondition& condition, const MasterData& master, bool progress,
                      std::atomic<int>& interrupted)
{
    NoticeQueue notices;
    CAddableFindThread finder(master, condition, notices);
    const bool showProgress = progress && ::isatty(STDERR_FILENO);
    const std::size_t total = finder.candidates().size();
    std::size_t found = 0;
    finder.start();
    bool cancelRequested = false;
    for (;;) {
        const std::optional<Notice> notice = notices.take(std::chrono::milliseconds(100));
        if (!cancelRequested && interrupted.exchange(0)) {
            finder.requestCancel();
            cancelRequested = true;
        }
        if (!notice)
            continue;
        if (notice->code == AddableFound || notice->code == AddableRejected) {
            found += notice->code == AddableFound ? 1 : 0;
            if (showProgress)
                std::fprintf(stderr, "\r%llu / %zu candidates  addable %zu   ",
                             static_cast<unsigned long long>(finder.done()), total, found);
            continue;
        }
        break;
    }
    finder.wait();
    if (showProgress)
        std::fputc('\n', stderr);

    const std::vector<AddableCandidate> answer = finder.answer();
    std::string lines;
    for (const AddableCandidate& candidate : answer)
        lines += addableToJson(candidate).dump() + '\n';
    // Ctrl-C while printing stops the printing and ends as a cancel.
    const bool printed = cli::writeStandardOutput(lines, interrupted);
    const bool written = cli::finishStandardOutput("zeku-search");

    nlohmann::ordered_json summary;
    summary["outcome"] = printed || !written ? outcomeName(finder.outcome()) : "cancelled";
    summary["candidates"] = total;
    summary["addable"] = answer.size();
    std::fprintf(stderr, "%s\n", summary.dump().c_str());
    return finder.outcome() == OutcomeOutOfMemory || !written ? 1 : 0;
}

} // namespace zeku
