#pragma once
// The JSON form of a search condition, as the command-line tools read and print
// it, and the words of their summaries. Every text is UTF-8; keys come in a
// fixed order. Result lines are written by ResultLineWriter.h.
//
// Condition (the input format of zeku-search):
//   {"sex", "job", "rarity", "min_defence", "jewels", "max_results", "skills": [[tree_id, points], ...],
//    "fixed": {"weapon": {"slots", "jewels"}, "head"..."leg": {"name", "sex", "jewels"}} (fixed positions only),
//    "use_excluded_items", "excluded_items": {"head"..."leg": [[name, sex], ...], "jewels": [name, ...]},
//    "use_excluded_skills", "excluded_skills": [[tree_id, points], ...],
//    "require_s_parts", "s_parts": {"head"..."leg": [[name, sex], ...]}}

#include "data/MasterData.h"
#include "search/SearchCondition.h"
#include "search/SearchTypes.h"

#include <nlohmann/json.hpp>

namespace zeku {

// The JSON keys of the five parts, head to leg.
extern const char* const kJsonPartKeys[kPartCount];

// Every list the condition holds is written, whatever its switch; the entries
// of a set's part are sorted by item key bytes, jewels by name.
// With `master` (the catalogue of the fixed items), a fixed piece or jewel
// whose name the catalogue repeats carries its rank, as in a result line.
nlohmann::ordered_json conditionToJson(const SearchCondition& condition, const MasterData* master = nullptr);

// The "outcome" of a summary: "finished", "cancelled", "limit" or "out_of_memory".
const char* outcomeName(SearchOutcome outcome);

} // namespace zeku
