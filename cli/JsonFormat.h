#pragma once
// JSON forms of a search condition and of an equipment set, as the command-line
// tools print them. Every text is UTF-8; keys come in a fixed order.
//
// Condition (the input format of zeku-search):
//   {"sex", "job", "rarity", "min_defence", "jewels", "max_results", "skills": [[tree_id, points], ...],
//    "fixed": {"weapon": {"slots", "jewels"}, "head"..."leg": {"name", "sex", "jewels"}} (fixed positions only),
//    "use_excluded_items", "excluded_items": {"head"..."leg": [[name, sex], ...], "jewels": [name, ...]},
//    "use_excluded_skills", "excluded_skills": [[tree_id, points], ...],
//    "require_s_parts", "s_parts": {"head"..."leg": [[name, sex], ...]}}
// Result:
//   {"no", "weapon": {"name", "jewels"} | null, "head"..."leg": {"name", "sex", "jewels"} | null,
//    "defence", "slots", "used", "free", "skills"}

#include "data/SkillCatalogue.h"
#include "search/EquipSet.h"
#include "search/SearchCondition.h"

#include <nlohmann/json.hpp>
#include <optional>

namespace zeku {

// The JSON keys of the five parts, head to leg.
extern const char* const kJsonPartKeys[kPartCount];

// Every list the condition holds is written, whatever its switch; the entries
// of a set's part are sorted by item key bytes, jewels by name.
nlohmann::ordered_json conditionToJson(const SearchCondition& condition);

// One result; "no" only when `no` is given. "skills" is the activated-skill count.
nlohmann::ordered_json resultToJson(const EquipSet& set, const SkillCatalogue& skills, std::optional<int> no);

} // namespace zeku
