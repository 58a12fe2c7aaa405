#pragma once
// `zeku-search --addable`: the additional-skill search on the command line.
//
// Prints one JSON Lines object per addable candidate, in candidate order:
//   {"tree": id, "tree_name": "...", "points": p, "skill": "...", "kind": "add" | "raise"}
// and, as the last line of standard error,
//   {"outcome": "finished" | "cancelled" | "out_of_memory", "candidates": n, "addable": k}.

#include "data/MasterData.h"
#include "search/AddableCandidates.h"
#include "search/SearchCondition.h"

#include <atomic>
#include <nlohmann/json.hpp>

namespace zeku {

// One addable candidate as printed.
nlohmann::ordered_json addableToJson(const AddableCandidate& candidate);

// Runs the search for `condition` (already read and checked) on every thread
// of the machine; `interrupted` turning non-zero cancels it (taking the flag
// back to 0, so that a second Ctrl-C stops the printing), and what was
// decided is printed. A progress line goes to a terminal's standard error
// when `progress`; Ctrl-C while printing stops the printing and ends as a
// cancel. Returns the exit status: 0, or 1 when memory ran out or the output
// was cut.
int runAddableCommand(const SearchCondition& condition, const MasterData& master, bool progress,
                      std::atomic<int>& interrupted);

// `zeku-search --fits`: the candidates `set` can still activate for
// `condition` with its jewels placed again, one JSON line each with the
// jewels of one placement that reaches it, then on standard error
//   {"outcome": "finished" | "cancelled", "fits": k}.
// `interrupted` turning non-zero cancels it (taking the flag back to 0, so
// that a second Ctrl-C stops the printing), and what was decided is printed.
// Returns the exit status: 0, or 1 when the output was cut.
int runFitsCommand(const SearchCondition& condition, const EquipSet& set, const MasterData& master,
                   std::atomic<int>& interrupted);

} // namespace zeku
