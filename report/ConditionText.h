#pragma once
// A search condition as plain text, section by section, for the condition
// confirmation and progress windows.

#include "data/SkillCatalogue.h"
#include "search/SearchCondition.h"

#include <string>

namespace zeku {

// Appends the description of `condition` to `out` (CP932, every line ended by
// CR LF). Tree and skill names come from `skills`. The entries of a part map
// of the exclusion and S-part sets are listed in byte order of their item keys
// so that the same condition always gives the same text.
void appendConditionText(const SearchCondition& condition, const SkillCatalogue& skills, std::string& out);

} // namespace zeku
