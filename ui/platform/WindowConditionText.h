#pragma once
// The condition text as the windows show it: the core's text with its fixed
// words in the windows' language (the Japanese words without a translation),
// data names as they are.

#include "report/ConditionText.h"

#include <QString>

namespace zeku {

// The condition text's fixed words in the windows' current language.
ConditionWords windowConditionWords();

// The text of `condition` in the windows' current language.
QString windowConditionText(const SearchCondition& condition, const SkillCatalogue& skills);

} // namespace zeku
