#include "userfiles/Favorites.h"

#include "platform/AppIdentity.h"
#include "platform/Clock.h"
#include "platform/Cp932.h"
#include "platform/ErrorReport.h"
#include "platform/LenientNumber.h"
#include "platform/TextFile.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/ItemNumberTable.h"
#include "userfiles/LineParser.h"
#include "userfiles/SavedEntryLoader.h"
#include "userfiles/StorableText.h"
#include "userfiles/StoredPath.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <new>

namespace zeku {
namespace {

constexpr std::array<const char*, kPartCount> kPartKeys = {"Head", "Body", "Arm", "Waist", "Leg"};

// "," and each jewel name, in placing order.
std::string jewelFields(const JewelSlots& slots)
{
    std::string text;
    for (const Jewel* jewel : slots.jewels)
        text += "," + jewel->name;
    return text;
}

// "(男)" for sex 1, "(女)" for sex 2, nothing otherwise: how missing pieces and
// default titles name the sex.
std::string missingSexSuffix(uint16_t sex)
{
    if (sex == kSexMale)
        return utf8ToCp932Lossy("(男)");
    if (sex == kSexFemale)
        return utf8ToCp932Lossy("(女)");
    return {};
}

FavoriteSet buildFavorite(uint16_t sex, uint16_t job, const EquipSet& set, const std::string& title,
                          const std::string& comment)
{
    FavoriteSet favorite;
    favorite.sex = sex;
    favorite.job = job;
    favorite.title = title.empty() ? defaultFavoriteTitle(job, sex) : title;
    favorite.comment = comment;
    favorite.equipment = set;
    return favorite;
}

// Reads one "Weapon" line: the weapon-slot item, then its jewels.
void readWeapon(const MasterData& master, const std::vector<std::string>& fields, FavoriteSet& favorite)
{
    if (fields.empty())
        return;
    const WeaponSlotItem* weapon = findWeaponSlotItem(master, fields[0]);
    if (!weapon) {
        favorite.missingNames.push_back(fields[0]);
        return;
    }
    favorite.equipment.setWeapon(weapon);
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (const Jewel* jewel = findJewelByName(master, fields[i]))
            favorite.equipment.addWeaponJewels({jewel});
        else
            favorite.missingNames.push_back(fields[i]);
    }
}

// Reads one part line: "name,sex[,jewel...]".
void readPiece(const MasterData& master, int part, const std::vector<std::string>& fields, FavoriteSet& favorite)
{
    if (fields.size() < 2)
        return;
    const uint16_t sex = parseLenientUInt16(fields[1]);
    const EquipItem* piece = findPieceByName(master, part, fields[0], sex);
    if (!piece) {
        favorite.missingNames.push_back(fields[0] + missingSexSuffix(sex));
        return;
    }
    favorite.equipment.setPiece(part, piece);
    for (std::size_t i = 2; i < fields.size(); ++i) {
        if (const Jewel* jewel = findJewelByName(master, fields[i]))
            favorite.equipment.addPieceJewels(part, {jewel});
        else
            favorite.missingNames.push_back(fields[i]);
    }
}

// Reports why `favorite` cannot be written so that it reads back; false when it can.
bool refusedForStorage(const FavoriteSet& favorite)
{
    std::optional<UserMessage> refusal = indexTextRefusal(favorite.title, favorite.comment);
    if (!refusal)
        if (const std::string* name = firstUnstorableItemName(favorite.equipment))
            refusal = unstorableItemMessage(*name);
    if (!refusal)
        return false;
    errorReporter().reportMessage(*refusal);
    return true;
}

// Creates the favourites folder and a new file "<stamp>_<title>.dat" holding `text`.
std::optional<NewUserFile> writeFavoriteFile(const UserFolder& folder, const std::string& stamp,
                                             const FavoriteSet& favorite)
{
    if (!ensureFolder(folder.favoriteFolder()))
        return std::nullopt;
    return writeNewUserFile(folder, kStoredFavoriteFolder, stamp + "_" + safeFileTitle(favorite.title),
                            [&](SafeTextWriter& writer) { writer.write(favoriteFileText(favorite)); });
}

} // namespace

std::string defaultFavoriteTitle(uint16_t job, uint16_t sex)
{
    std::string title;
    if (job == kJobBlade)
        title = utf8ToCp932Lossy("剣士装備");
    else if (job == kJobGunner)
        title = utf8ToCp932Lossy("ガンナー装備");
    return title + missingSexSuffix(sex);
}

uint16_t pieceSexOf(const EquipSet& set)
{
    for (int part = 0; part < kPartCount; ++part)
        if (const EquipItem* piece = set.piece(part); piece && piece->sex != kSexBoth)
            return piece->sex;
    return 0;
}

uint16_t pieceJobOf(const EquipSet& set)
{
    for (int part = 0; part < kPartCount; ++part)
        if (const EquipItem* piece = set.piece(part); piece && piece->job != kJobBoth)
            return piece->job;
    return 0;
}

std::string favoriteFileText(const FavoriteSet& favorite)
{
    const EquipSet& set = favorite.equipment;
    std::string text = std::string("Version=") + kVersionText + "\n\n";
    text += "Sex=" + std::to_string(favorite.sex) + "\n";
    text += "Job=" + std::to_string(favorite.job) + "\n";
    text += "Weapon=";
    if (set.weapon())
        text += set.weapon()->name + jewelFields(set.weaponSlots());
    text += "\n";
    for (int part = 0; part < kPartCount; ++part) {
        text += kPartKeys[part];
        text += "=";
        if (const EquipItem* piece = set.piece(part))
            text += piece->name + "," + std::to_string(piece->sex) + jewelFields(set.pieceSlots(part));
        text += "\n";
    }
    return text;
}

bool saveNewFavorite(const UserFolder& folder, uint16_t sex, uint16_t job, const EquipSet& set,
                     const std::string& title, const std::string& comment)
{
    try {
        const FavoriteSet favorite = buildFavorite(sex, job, set, title, comment);
        if (refusedForStorage(favorite))
            return false;
        if (!ensureFolder(folder.favoriteFolder()))
            return false;
        // Locked from here to the index's rename (see saveSearchHistory).
        FavoriteIndex index(folder);
        if (!index.loadForUpdate())
            return false;
        const auto file = writeFavoriteFile(folder, formatTimeStamp(localClock().now(), true), favorite);
        if (!file)
            return false;
        index.append(favorite.title, favorite.comment, file->stored, pieceSexOf(set), pieceJobOf(set));
        return savedOrUnlisted(index, *file);
    } catch (const std::bad_alloc&) {
        reportOutOfMemory();
        return false;
    }
}

bool overwriteFavorite(const UserFolder& folder, int position, const std::string& expectedPath, uint16_t sex,
                       uint16_t job, const EquipSet& set, const std::string& title, const std::string& comment)
{
    try {
        if (!ensureFolder(folder.favoriteFolder()))
            return false;
        FavoriteIndex index(folder);
        if (!index.loadForUpdate())
            return false;
        // The caller asked its questions without the lock; another window may
        // have removed or moved entries since. Only the entry it asked about
        // is replaced, never the one that moved into its place.
        if (!index.contains(position) || *index.path(position) != expectedPath) {
            errorReporter().reportMessage(UserMessage{MessageId::FavoriteChangedElsewhere, {}, kFavoriteMovedMessage});
            return false;
        }
        const std::string oldPath = *index.path(position);
        const FavoriteSet favorite = buildFavorite(sex, job, set, title, comment);
        if (refusedForStorage(favorite))
            return false;
        const auto file = writeFavoriteFile(folder, formatTimeStamp(localClock().now(), false), favorite);
        if (!file)
            return false;
        index.replaceEntry(position, favorite.title, favorite.comment, file->stored, pieceSexOf(set), pieceJobOf(set));
        if (!savedOrUnlisted(index, *file))
            return false;
        // The new file always has a name of its own, but never delete what was just written.
        if (nativePath(folder, oldPath) != file->native)
            removeStoredFile(folder, oldPath);
        return true;
    } catch (const std::bad_alloc&) {
        reportOutOfMemory();
        return false;
    }
}

int readFavorite(const NextLine& nextLine, const MasterData& master, FavoriteSet& out)
{
    // Every favourite file holds each of these keys once, the weapon and the
    // five parts even when empty: a file cut short, or one with a key twice,
    // would show pieces that are not what was saved.
    constexpr std::array<const char*, 3 + kPartCount> kKeys = {"Sex",  "Job", "Weapon", "Head",
                                                               "Body", "Arm", "Waist",  "Leg"};
    bool seen[kKeys.size()] = {};
    std::string line;
    ParsedLine parsed;
    int lineNumber = 0;
    while (nextLine(line)) {
        ++lineNumber;
        if (!parseUserFileLine(line, parsed) || parsed.key == "Version")
            continue;
        const auto found = std::find(kKeys.begin(), kKeys.end(), parsed.key);
        if (found == kKeys.end())
            continue;
        const auto key = static_cast<std::size_t>(found - kKeys.begin());
        if (seen[key])
            return lineNumber;
        seen[key] = true;
        const std::string value = parsed.fields.empty() ? std::string() : parsed.fields[0];
        if (key == 0)
            out.sex = parseLenientUInt16(value);
        else if (key == 1)
            out.job = parseLenientUInt16(value);
        else if (key == 2)
            readWeapon(master, parsed.fields, out);
        else
            readPiece(master, static_cast<int>(key) - 3, parsed.fields, out);
    }
    for (bool present : seen)
        if (!present)
            return lineNumber > 0 ? lineNumber : kNoSingleDamagedLine;
    out.missing = !out.missingNames.empty();
    return 0;
}

std::unique_ptr<FavoriteSet> loadFavorite(const UserFolder& folder, const MasterData& master, int position)
try {
    FavoriteIndex index(folder);
    auto favorite = std::make_unique<FavoriteSet>();
    if (!loadSavedEntry(index, position,
                        [&](const NextLine& nextLine) { return readFavorite(nextLine, master, *favorite); }))
        return nullptr;
    favorite->title = *index.title(position);
    favorite->comment = *index.comment(position);
    favorite->storedPath = *index.path(position);
    return favorite;
} catch (const std::bad_alloc&) {
    reportOutOfMemory();
    return nullptr;
}

std::string missingItemsMessage(const FavoriteSet& favorite)
{
    if (favorite.missingNames.empty())
        return {};
    std::string message = "以下のアイテム情報が見つからない為\n"
                          "お気に入りデータを復元できませんでした。\n\n";
    for (const std::string& name : favorite.missingNames)
        message += cp932ToUtf8(name) + "\r\n";
    return message;
}

void reportMissingItems(const FavoriteSet& favorite)
{
    if (favorite.missingNames.empty())
        return;
    UserMessage message{MessageId::FavoriteMissingItems, {}, missingItemsMessage(favorite)};
    for (const std::string& name : favorite.missingNames)
        message.args.push_back(cp932ToUtf8(name));
    errorReporter().reportMessage(message);
}

} // namespace zeku
