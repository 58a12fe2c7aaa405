#pragma once
// An equipment set as the plain text the clip buttons put on the clipboard:
// weapon and pieces with their slots and jewels, totals, activated skills, in
// columns that line up in a Japanese fixed-pitch font.

#include "data/SkillCatalogue.h"
#include "search/EquipSet.h"

#include <string>

namespace zeku {

// The clip text of `set` (CP932, every line ended by CR LF). Skill names come
// from `skills`; a tree missing from it is left out of the skill block.
std::string buildClipText(const EquipSet& set, const SkillCatalogue& skills);

} // namespace zeku
