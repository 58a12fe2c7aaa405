#pragma once
// Search-history files: a finished search with its condition, standing lists
// and every combination, one file per entry in "user\SearchHistory\", listed by
// the folder's index.
//
// A save writes the history file first (a new file, never replacing one) and
// only then the index; a failure leaves the index as it was.

#include "data/MasterData.h"
#include "search/SearchCondition.h"
#include "search/SearchResultStore.h"
#include "userfiles/SavedEntryLoader.h"
#include "userfiles/StoredSearch.h"
#include "userfiles/UserFolder.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zeku {

class SafeTextWriter;

// Writes the history file of `condition` and `results` (version header through
// [Records], then [Option] and [NameRank] when needed); `master` is the
// catalogue the items come from, to mark those whose names it repeats.
void writeSearchHistory(SafeTextWriter& writer, const SearchCondition& condition, const SearchResultStore& results,
                        const MasterData& master);

// Writes [DataBase] (the fixed set's items) and [Condition] of `condition` as
// a history file holds them. Throws UnstorableItemName like the full writer.
void writeConditionSections(SafeTextWriter& writer, const SearchCondition& condition);

// Saves a new history entry and appends it to the index. True when both the
// file and the index were written; failures are reported.
bool saveSearchHistory(const UserFolder& folder, const MasterData& master, const SearchCondition& condition,
                       const SearchResultStore& results, const std::string& title, const std::string& comment);

// Reads the lines of a history file into `out`. False at the first malformed
// section; then `failedLine` (when given) receives its 1-based line. Names the
// master data lacks are collected in out.missingItems.
bool readSearchHistory(const NextLine& nextLine, const MasterData& master, StoredSearch& out,
                       int* failedLine = nullptr);

// The file's version number from its "Version=" value: "0.047" gives 47, a
// value without "." 0, and one whose number does not fit kDamagedVersion.
int historyVersionNumber(std::string_view value);
inline constexpr int kDamagedVersion = -1;

// Reads the entry at `position` of the history index; nullptr when the index or
// the entry is missing, or (reported with the file's name and line) when the
// entry's path leaves the user folder, the file cannot be opened or is malformed.
std::unique_ptr<StoredSearch> loadSearchHistory(const UserFolder& folder, const MasterData& master, int position);

} // namespace zeku
