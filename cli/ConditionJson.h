#pragma once
// Reads a search condition from the JSON the command-line search takes.
//
//   {"sex": 1|2, "job": 1|2, "rarity": code, "min_defence": n, "jewels": bool,
//    "exact_jewels": bool, "max_results": n, "skills": [[tree_id, points], ...],
//    "fixed": {"weapon": {"slots": 1|2|3, "jewels": [...]},
//              "head"|"body"|"arm"|"waist"|"leg": {"name": ..., "sex": n, "jewels": [...]}},
//    "use_excluded_items": bool, "excluded_items": {"head": [[name, sex], ...], ..., "jewels": [...]},
//    "use_excluded_skills": bool, "excluded_skills": [[tree_id, points], ...],
//    "require_s_parts": bool, "s_parts": {"head": [[name, sex], ...], ...}}
//
// sex, job and skills are required; jewels defaults to true, as the main
// window starts with jewels on. exact_jewels (default false) judges jewels by
// every placement instead of the greedy fitting and needs jewels on. Names are UTF-8.
// A fixed piece may give "variant" and a holder "jewel_variants", as a result
// line does (ResultLineWriter.h); a repeated jewel name without them stands
// for the first jewel of that name with which the holder's jewels fit.

#include "data/MasterData.h"
#include "search/SearchCondition.h"

#include <nlohmann/json.hpp>
#include <string>

namespace zeku {

// Fills `out` from `input`. On a problem returns false and sets `error` to one
// line naming it; every name in the file is checked, also in lists whose
// switch is off.
bool conditionFromJson(const nlohmann::json& input, const MasterData& master, SearchCondition& out, std::string& error);

// Fills `out` from one set written as a result line of zeku-search prints it
// ("weapon" and the five parts, each null or with name, sex and jewels, and
// "variant" and "jewel_variants" where the line has them; other keys are
// ignored). A piece the condition `wearer` cannot wear (another sex or job)
// is refused. On a problem returns false and sets `error`.
bool setFromJson(const nlohmann::json& input, const MasterData& master, const SearchCondition& wearer, EquipSet& out,
                 std::string& error);

} // namespace zeku
