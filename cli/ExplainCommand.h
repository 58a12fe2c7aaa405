#pragma once
// `zeku-search --explain`: why a condition finds no sets, on the command line.
//
// Prints JSON Lines: one per wanted skill, in wanted-list order,
//   {"kind": "reach", "tree": id, "tree_name": "...", "wanted": p, "reach": r, "met": bool}
// then one per single change that finds sets, in the order they are tried,
//   {"kind": "change", "change": "drop" | "lower" | "switch_off" | "min_defence" | "rarity" |
//    "jewels_on" | "exact_jewels_on" | "unfix_piece" | "unfix_jewels", ...}
// with "tree" (drop, lower), "points" (lower: the new points), "switch"
// (switch_off: "excluded_items" | "excluded_skills" | "s_parts") or "part"
// (unfix_piece, unfix_jewels: "weapon" | "head" | "body" | "arm" | "waist" | "leg").
// When the condition itself finds sets nothing is printed. The last line of
// standard error is
//   {"outcome": "finished" | "cancelled" | "has_results" | "out_of_memory", "changes": k}.

#include "data/MasterData.h"
#include "search/NoResultExplanation.h"
#include "search/SearchCondition.h"

#include <atomic>
#include <nlohmann/json.hpp>

namespace zeku {

nlohmann::ordered_json reachToJson(const SkillReach& reach, const SkillCatalogue& skills);
nlohmann::ordered_json changeToJson(const ConditionChange& change);

// Runs the explanation for `condition` (already read and checked) on every
// thread of the machine; `interrupted` turning non-zero cancels it (taking
// the flag back to 0, so that a second Ctrl-C stops the printing), and what
// was decided is printed. A progress line goes to a terminal's standard error
// when `progress`; Ctrl-C while printing stops the printing and ends as a
// cancel. Returns the exit status: 0, or 1 when memory ran out or the output
// was cut.
int runExplainCommand(const SearchCondition& condition, const MasterData& master, bool progress,
                      std::atomic<int>& interrupted);

} // namespace zeku
