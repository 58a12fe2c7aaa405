#pragma once
// One search-history entry in memory: the condition of a finished search and
// every combination it found, in item numbers of its own dictionary.

#include "search/SearchCondition.h"
#include "search/SearchResultStore.h"
#include "userfiles/ItemNumberTable.h"
#include "userfiles/StoredCombinations.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zeku {

struct StoredSearch {
    std::string title; // from the index entry (CP932)
    std::string comment; // from the index entry (CP932)
    ItemNumberTable items;
    SearchCondition condition; // with its three standing lists
    NumberedCombination fixed; // the condition's fixed pieces
    uint32_t combinationCount = 0;
    StoredCombinations combinations; // in result order
    std::vector<std::string> missingItems; // names the master data no longer has
};

// Resolves every stored combination into a record of `store`, in stored order;
// only those that resolve completely are appended. `skills` counts their
// activated skills. Throws std::bad_alloc when memory runs out.
void restoreResults(const StoredSearch& search, const SkillCatalogue& skills, SearchResultStore& store);

// The missing-items message of a stored search (UTF-8), followed by the number
// of records that did not resolve when `droppedRecords` is not 0; empty when
// nothing is missing or dropped.
std::string missingItemsMessage(const StoredSearch& search, std::size_t droppedRecords = 0);
// Shows that message through the error reporter when it is not empty.
void reportMissingItems(const StoredSearch& search, std::size_t droppedRecords = 0);

} // namespace zeku
