#include "search/SearchCondition.h"

namespace zeku {

void SearchCondition::reset()
{
    sex = 0;
    job = 0;
    rarity = 0;
    minDefence = 0;
    useJewels = false;
    useExcludedItems = false;
    useExcludedSkills = false;
    requireSParts = false;
    exactJewels = false;
    maxResults = kDefaultMaxResults;
    wanted.clear();
    fixed.clear();
    excludedItems.clear();
    excludedSkills.clear();
    sParts.clear();
}

void SearchCondition::copyFrom(const SearchCondition& source)
{
    if (this == &source)
        return;
    reset();
    sex = source.sex;
    job = source.job;
    rarity = source.rarity;
    minDefence = source.minDefence;
    useJewels = source.useJewels;
    useExcludedItems = source.useExcludedItems;
    useExcludedSkills = source.useExcludedSkills;
    requireSParts = source.requireSParts;
    exactJewels = source.exactJewels;
    maxResults = source.maxResults;
    wanted = source.wanted;
    fixed.copyFrom(source.fixed);
    excludedItems.copyFrom(source.excludedItems);
    excludedSkills.copyFrom(source.excludedSkills);
    sParts.copyFrom(source.sParts);
}

} // namespace zeku
