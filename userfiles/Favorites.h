#pragma once
// Favourites: complete equipment sets the user keeps under a title, one small
// file each in "user\Favorite\", listed by FavoriteIndex in the user's order.
//
// Writes keep this order: the favourite's file, then the index, and for an
// overwrite only then the deletion of the old file. A new file never replaces an
// existing one, and every file goes through a temporary file, so a failed step
// leaves the earlier file and index as they were.

#include "data/MasterData.h"
#include "search/EquipSet.h"
#include "userfiles/SavedEntryLoader.h"
#include "userfiles/UserFolder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zeku {

// One favourite in memory; owns its contents.
struct FavoriteSet {
    EquipSet equipment;
    std::string title; // CP932
    std::string comment; // CP932
    std::string storedPath; // of its file, as the index lists it (set by loadFavorite)
    uint16_t sex = 0; // 0 unspecified, 1 male, 2 female
    uint16_t job = 0; // 0 unspecified, 1 blade user, 2 gunner
    bool missing = false;
    std::vector<std::string> missingNames; // names the catalogues no longer have, in the order met
};

// The title a favourite gets when none is given, from job and sex ("剣士装備(男)").
std::string defaultFavoriteTitle(uint16_t job, uint16_t sex);

// The first non-zero sex value, and job value, among the pieces head to leg; 0 when none.
uint16_t pieceSexOf(const EquipSet& set);
uint16_t pieceJobOf(const EquipSet& set);

// The text of a favourite file (CP932, "\n" line ends as written before translation).
std::string favoriteFileText(const FavoriteSet& favorite);

// Writes a new favourite file and appends it to the index. True when both were written.
bool saveNewFavorite(const UserFolder& folder, uint16_t sex, uint16_t job, const EquipSet& set,
                     const std::string& title, const std::string& comment);

// Writes the favourite at `position` to a new file, replaces the index entry in
// place, and deletes the old file only once the index was written. The entry
// must still be the one whose file is `expectedPath` (what the caller loaded);
// otherwise nothing changes and kFavoriteMovedMessage is reported.
bool overwriteFavorite(const UserFolder& folder, int position, const std::string& expectedPath, uint16_t sex,
                       uint16_t job, const EquipSet& set, const std::string& title, const std::string& comment);
inline constexpr const char* kFavoriteMovedMessage =
    "お気に入りデータが他のウィンドウで変更されたため上書きできませんでした。\n一覧を読み込み直してください。";

// Reads the lines of a favourite file into `out`: 0 when they form a
// favourite, else the 1-based line at fault (kNoSingleDamagedLine for a file
// without any line). Names the catalogues lack are collected, not fatal.
int readFavorite(const NextLine& nextLine, const MasterData& master, FavoriteSet& out);

// Reads the favourite at `position`; nullptr when the index entry or its file is
// missing, or (reported with file and line) when the file is damaged.
std::unique_ptr<FavoriteSet> loadFavorite(const UserFolder& folder, const MasterData& master, int position);

// The missing-items message of a favourite (UTF-8); empty when nothing is missing.
std::string missingItemsMessage(const FavoriteSet& favorite);
// Shows that message through the error reporter when it is not empty.
void reportMissingItems(const FavoriteSet& favorite);

} // namespace zeku
