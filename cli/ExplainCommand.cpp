#include "cli/ExplainCommand.h"

#include "cli/CommandLine.h"
#include "cli/NoticeQueue.h"
#include "platform/Cp932.h"
#include "search/NoResultExplainThread.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace zeku {
namespace {

const char* outcomeName(ExplainOutcome outcome)
{
    switch (outcome) {
    case ExplainOutcome::Cancelled:
        return "cancelled";
    case ExplainOutcome::OutOfMemory:
        return "out_of_memory";
    case ExplainOutcome::HasResults:
        return "has_results";
    default:
        return "finished";
    }
}

const char* changeKindName(ChangeKind kind)
{
    switch (kind) {
    case ChangeKind::Drop:
        return "drop";
    case ChangeKind::Lower:
        return "lower";
    case ChangeKind::SwitchOff:
        return "switch_off";
    case ChangeKind::MinDefence:
        return "min_defence";
    case ChangeKind::Rarity:
        return "rarity";
    case ChangeKind::JewelsOn:
        return "jewels_on";
    case ChangeKind::ExactJewelsOn:
        return "exact_jewels_on";
    case ChangeKind::UnfixPiece:
        return "unfix_piece";
    case ChangeKind::UnfixJewels:
        return "unfix_jewels";
    }
    return "";
}

const char* switchName(ConditionSwitch which)
{
    switch (which) {
    case ConditionSwitch::ExcludedItems:
        return "excluded_items";
    case ConditionSwitch::ExcludedSkills:
        return "excluded_skills";
    case ConditionSwitch::SParts:
        return "s_parts";
    }
    return "";
}

const char* holderName(int32_t holder)
{
    static const char* const names[kPartCount] = {"head", "body", "arm", "waist", "leg"};
    return holder == EquipPosition::Weapon ? "weapon" : names[holder];
}

} // namespace

nlohmann::ordered_json reachToJson(const SkillReach& reach, const SkillCatalogue& skills)
{
    nlohmann::ordered_json line;
    line["kind"] = "reach";
    line["tree"] = reach.treeId;
    const std::string* name = skills.treeName(reach.treeId);
    line["tree_name"] = name ? cp932ToUtf8(*name) : std::string();
    line["wanted"] = reach.wanted;
    line["reach"] = reach.reach;
    line["met"] = reach.met;
    return line;
}

nlohmann::ordered_json changeToJson(const ConditionChange& change)
{
    nlohmann::ordered_json line;
    line["kind"] = "change";
    line["change"] = changeKindName(change.kind);
    switch (change.kind) {
    case ChangeKind::Drop:
        line["tree"] = change.treeId;
        break;
    case ChangeKind::Lower:
        line["tree"] = change.treeId;
        line["points"] = change.points;
        break;
    case ChangeKind::SwitchOff:
        line["switch"] = switchName(change.which);
        break;
    case ChangeKind::UnfixPiece:
    case ChangeKind::UnfixJewels:
        line["part"] = holderName(change.holder);
        break;
    default:
        break;
    }
    return line;
}

int runExplainCommand(const SearchCondition& condition, const MasterData& master, bool progress,
                      std::atomic<int>& interrupted)
{
    NoticeQueue notices;
    CNoResultExplainThread explainer(master, condition, notices);
    const bool showProgress = progress && ::isatty(STDERR_FILENO);
    explainer.start();
    bool cancelRequested = false;
    for (;;) {
        const std::optional<Notice> notice = notices.take(std::chrono::milliseconds(100));
        if (!cancelRequested && interrupted.exchange(0)) {
            explainer.requestCancel();
            cancelRequested = true;
        }
        if (!notice)
            continue;
        if (notice->code == ExplainFindsSets || notice->code == ExplainFindsNone) {
            if (showProgress)
                std::fprintf(stderr, "\r%llu / %llu searches   ", static_cast<unsigned long long>(explainer.done()),
                             static_cast<unsigned long long>(explainer.total()));
            continue;
        }
        break;
    }
    explainer.wait();
    if (showProgress)
        std::fputc('\n', stderr);

    const std::vector<ConditionChange> answer = explainer.answer();
    std::string lines;
    if (explainer.outcome() != ExplainOutcome::HasResults) {
        for (const SkillReach& reach : explainer.reaches())
            lines += reachToJson(reach, master.skills()).dump() + '\n';
        for (const ConditionChange& change : answer)
            lines += changeToJson(change).dump() + '\n';
    }
    // Ctrl-C while printing stops the printing and ends as a cancel.
    const bool printed = cli::writeStandardOutput(lines, interrupted);
    const bool written = cli::finishStandardOutput("zeku-search");

    nlohmann::ordered_json summary;
    summary["outcome"] = printed || !written ? outcomeName(explainer.outcome()) : "cancelled";
    summary["changes"] = answer.size();
    std::fprintf(stderr, "%s\n", summary.dump().c_str());
    return explainer.outcome() == ExplainOutcome::OutOfMemory || !written ? 1 : 0;
}

} // namespace zeku
