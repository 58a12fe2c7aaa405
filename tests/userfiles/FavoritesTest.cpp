#include "platform/FolderLock.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/Favorites.h"
#include "userfiles/StoredPath.h"

#include "StoredDataFixture.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sameEquipment;
using zeku::test::sj;
using zeku::test::writeFileBytes;

namespace {

class FavoritesTest : public zeku::test::StoredDataFixture {
protected:
    FavoriteIndex loadIndex()
    {
        FavoriteIndex index(m_folder);
        EXPECT_TRUE(index.load());
        return index;
    }

    std::filesystem::path fileOf(int position)
    {
        FavoriteIndex index = loadIndex();
        return index.path(position) ? nativePath(m_folder, *index.path(position)) : std::filesystem::path();
    }

    std::size_t favouriteFileCount() const
    {
        std::size_t n = 0;
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.favoriteFolder()))
            n += entry.path().filename() != "index.dat" && entry.path().filename() != kFolderLockName;
        return n;
    }
};

TEST_F(FavoritesTest, SavedFilesAndIndexMatchGoldenFiles)
{
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexMale, kJobBlade, fullSet(), "", sj("初回の装備")));
    m_clock.set(LocalTime{2026, 12, 7, 9, 30, 16, 0});
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexFemale, kJobGunner, EquipSet(), sj("ソウル"), ""));

    EXPECT_EQ(readFileBytes(m_folder.favoriteFolder() / "index.dat"), readFileBytes(golden("favorite/index.dat")));
    EXPECT_EQ(readFileBytes(m_folder.favoriteFolder() / "20261207093015123_剣士装備(男).dat"),
              readFileBytes(golden("favorite/full.dat")));
    EXPECT_EQ(readFileBytes(m_folder.favoriteFolder() / "20261207093016000_ソウル.dat"),
              readFileBytes(golden("favorite/empty.dat")));
}

TEST_F(FavoritesTest, GoldenFilesLoadBack)
{
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexMale, kJobBlade, fullSet(), "", sj("初回の装備")));
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexFemale, kJobGunner, EquipSet(), sj("ソウル"), ""));
    writeFileBytes(fileOf(0), readFileBytes(golden("favorite/full.dat")));
    writeFileBytes(fileOf(1), readFileBytes(golden("favorite/empty.dat")));

    auto full = loadFavorite(m_folder, m_master, 0);
    ASSERT_TRUE(full);
    EXPECT_TRUE(sameEquipment(full->equipment, fullSet()));
    EXPECT_EQ(full->equipment.totals().values(), fullSet().totals().values());
    EXPECT_EQ(full->title, sj("剣士装備(男)"));
    EXPECT_EQ(full->comment, sj("初回の装備"));
    EXPECT_EQ(full->sex, kSexMale);
    EXPECT_EQ(full->job, kJobBlade);
    EXPECT_FALSE(full->missing);

    auto empty = loadFavorite(m_folder, m_master, 1);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(sameEquipment(empty->equipment, EquipSet()));
    EXPECT_EQ(empty->sex, kSexFemale);
    EXPECT_EQ(empty->job, kJobGunner);

    EXPECT_FALSE(loadFavorite(m_folder, m_master, 2));
    EXPECT_FALSE(loadFavorite(m_folder, m_master, -1));
    std::filesystem::remove(fileOf(1));
    EXPECT_FALSE(loadFavorite(m_folder, m_master, 1));
}

TEST_F(FavoritesTest, DefaultTitlesAndIndexNumbersComeFromTheRightPlaces)
{
    EXPECT_EQ(defaultFavoriteTitle(kJobGunner, kSexFemale), sj("ガンナー装備(女)"));
    EXPECT_EQ(defaultFavoriteTitle(kJobBlade, 0), sj("剣士装備"));
    EXPECT_EQ(defaultFavoriteTitle(0, kSexMale), sj("(男)"));

    // Only a waist piece for women and gunners: the index takes its values, not
    // the sex and job the favourite records.
    EquipSet waistOnly;
    waistOnly.setPiece(PartWaist, piece(PartWaist, "Belt", kSexFemale));
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexMale, kJobBlade, waistOnly, "w", ""));
    FavoriteIndex index = loadIndex();
    EXPECT_EQ(index.sex(0), kSexFemale);
    EXPECT_EQ(index.job(0), kJobGunner);
    auto loaded = loadFavorite(m_folder, m_master, 0);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->sex, kSexMale);
    EXPECT_EQ(loaded->job, kJobBlade);

    // First non-zero values head to leg: Alpha Cap (male, blade) wins over Belt.
    EXPECT_EQ(pieceSexOf(fullSet()), kSexMale);
    EXPECT_EQ(pieceJobOf(fullSet()), kJobBlade);

    // The leg is the only sexed piece: the index takes the leg's sex.
    EquipSet legSexed;
    legSexed.setPiece(PartBody, piece(PartBody, "Plate"));
    legSexed.setPiece(PartLeg, piece(PartLeg, sj("表グリーヴ"), kSexMale));
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexFemale, kJobGunner, legSexed, "l", ""));
    EXPECT_EQ(loadIndex().sex(1), kSexMale);
    EXPECT_EQ(pieceSexOf(legSexed), kSexMale);
}

TEST_F(FavoritesTest, MissingItemsAreCollectedAndTheRestLoads)
{
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexMale, kJobBlade, EquipSet(), "m", ""));
    writeFileBytes(fileOf(0), crlf({"Version=0.047", "", "Sex=1", "Job=2", sj("Weapon=武器スロット２,攻撃珠,消えた珠"),
                                    sj("Head=Gone Cap,1,攻撃珠,防御珠"),
                                    "Body=Alpha Cap,0", // a head piece is no body piece
                                    sj("Arm=能力アーム,2"), // stored sex 2, catalogue sex 0
                                    sj("Waist=Belt,0,表珠"), // stored sex 0 accepts any sex
                                    "Leg=OnlyName", "Other=x,1"}));
    auto favorite = loadFavorite(m_folder, m_master, 0);
    ASSERT_TRUE(favorite);
    EXPECT_TRUE(favorite->missing);
    EXPECT_EQ(favorite->missingNames,
              (std::vector<std::string>{sj("消えた珠"), sj("Gone Cap(男)"), "Alpha Cap", sj("能力アーム(女)")}));
    const EquipSet& set = favorite->equipment;
    EXPECT_EQ(set.weapon(), weapon(2));
    EXPECT_EQ(set.weaponSlots().jewels, (std::vector<const Jewel*>{jewel(sj("攻撃珠"))}));
    EXPECT_EQ(set.piece(PartHead), nullptr); // and its jewels were not read
    EXPECT_EQ(set.piece(PartArm), nullptr);
    EXPECT_EQ(set.piece(PartWaist), piece(PartWaist, "Belt", kSexFemale));
    EXPECT_EQ(set.pieceSlots(PartWaist).jewels, (std::vector<const Jewel*>{jewel(sj("表珠"))}));
    EXPECT_EQ(set.piece(PartLeg), nullptr);
    EXPECT_EQ(favorite->job, kJobGunner);

    RecordingErrorReporter reporter;
    reportMissingItems(*favorite);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "以下のアイテム情報が見つからない為\nお気に入りデータを復元できませんでした。\n\n"
                                    "消えた珠\r\nGone Cap(男)\r\nAlpha Cap\r\n能力アーム(女)\r\n");
    FavoriteSet complete;
    reportMissingItems(complete);
    EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST_F(FavoritesTest, MissingWeaponDropsItsJewels)
{
    ASSERT_TRUE(saveNewFavorite(m_folder, kSexMale, kJobBlade, EquipSet(), "m", ""));
    writeFileBytes(fileOf(0), crlf({"Sex=1", "Job=1", sj("Weapon=武器スロット９,攻撃珠"),
                                    "Head=", "Body=", "Arm=", "Waist=", "Leg="}));
    auto favorite = loadFavorite(m_folder, m_master, 0);
    ASSERT_TRUE(favorite);
    EXPECT_EQ(favorite->missingNames, std::vector<std::string>{sj("武器スロット９")});
    EXPECT_EQ(favorite->equipment.weapon(), nullptr);
}

TEST_F(FavoritesTest, IndexOrderIsSaveOrderAndLoadsFollowIt)
{
    for (int i = 0; i < 4; ++i) {
        EquipSet set;
        set.setPiece(PartBody, piece(PartBody, "Plate"));
        set.addPieceJewels(PartBody, std::vector<const Jewel*>(static_cast<std::size_t>(i), jewel(sj("攻撃珠"))));
        m_clock.set(LocalTime{2026, 1, 1, 0, 0, 0, 4 - i}); // file names sort the other way
        ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, set, "t" + std::to_string(i), ""));
    }
    FavoriteIndex index = loadIndex();
    ASSERT_EQ(index.count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(*index.title(i), "t" + std::to_string(i));
        auto favorite = loadFavorite(m_folder, m_master, i);
        ASSERT_TRUE(favorite);
        EXPECT_EQ(favorite->equipment.pieceSlots(PartBody).jewels.size(), static_cast<std::size_t>(i));
    }
}

TEST_F(FavoritesTest, SameTitleInTheSameMillisecondGetsItsOwnFile)
{
    EquipSet first;
    first.setPiece(PartBody, piece(PartBody, "Plate"));
    ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, first, "same", "1"));
    ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, fullSet(), "same", "2"));
    FavoriteIndex index = loadIndex();
    ASSERT_EQ(index.count(), 2);
    EXPECT_NE(*index.path(0), *index.path(1));
    EXPECT_TRUE(sameEquipment(loadFavorite(m_folder, m_master, 0)->equipment, first));
    EXPECT_TRUE(sameEquipment(loadFavorite(m_folder, m_master, 1)->equipment, fullSet()));
}

TEST_F(FavoritesTest, OverwriteKeepsThePositionAndReplacesTheFile)
{
    ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, EquipSet(), "a", ""));
    ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, EquipSet(), "b", ""));
    ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, EquipSet(), "c", ""));
    const std::filesystem::path oldFile = fileOf(1);

    m_clock.set(LocalTime{2027, 2, 3, 4, 5, 6, 789});
    ASSERT_TRUE(
        overwriteFavorite(m_folder, 1, *loadIndex().path(1), kSexFemale, kJobGunner, fullSet(), "new", sj("上書き")));
    FavoriteIndex index = loadIndex();
    ASSERT_EQ(index.count(), 3);
    EXPECT_EQ(*index.title(0), "a");
    EXPECT_EQ(*index.title(1), "new");
    EXPECT_EQ(*index.title(2), "c");
    EXPECT_EQ(*index.comment(1), sj("上書き"));
    EXPECT_EQ(index.sex(1), kSexMale); // from the pieces
    // The overwrite name has seconds but no milliseconds.
    EXPECT_EQ(*index.path(1), "user\\Favorite\\20270203040506_new.dat");
    EXPECT_FALSE(std::filesystem::exists(oldFile));
    auto loaded = loadFavorite(m_folder, m_master, 1);
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(sameEquipment(loaded->equipment, fullSet()));
    EXPECT_EQ(loaded->sex, kSexFemale);

    // Overwriting again in the same second with the same title must not delete
    // the file it has just written.
    ASSERT_TRUE(overwriteFavorite(m_folder, 1, *loadIndex().path(1), 1, 1, EquipSet(), "new", ""));
    EXPECT_EQ(*loadIndex().path(1), "user\\Favorite\\20270203040506_new_2.dat");
    EXPECT_FALSE(std::filesystem::exists(m_folder.favoriteFolder() / "20270203040506_new.dat"));
    auto again = loadFavorite(m_folder, m_master, 1);
    ASSERT_TRUE(again);
    EXPECT_TRUE(sameEquipment(again->equipment, EquipSet()));
    EXPECT_EQ(favouriteFileCount(), 3u);

    EXPECT_FALSE(overwriteFavorite(m_folder, 3, "", 1, 1, EquipSet(), "x", ""));
    EXPECT_EQ(favouriteFileCount(), 3u);
}

TEST_F(FavoritesTest, SaveIntoAnUnwritableFolderFails)
{
    RecordingErrorReporter reporter;
    writeFileBytes(m_temp / "plain", "a file, not a folder");
    UserFolder blocked(m_temp / "plain" / "user");
    EXPECT_FALSE(saveNewFavorite(blocked, 1, 1, fullSet(), "t", ""));
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("Favorite"), std::string::npos);

    // A file that cannot be written: reported, nothing left behind, index unchanged.
    ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, EquipSet(), "kept", ""));
    const std::string indexBefore = readFileBytes(m_folder.favoriteFolder() / "index.dat");
    {
        zeku::test::FileSizeLimit fullDisk(20);
        EXPECT_FALSE(saveNewFavorite(m_folder, 1, 1, EquipSet(), "y", ""));
    }
    EXPECT_EQ(reporter.fileErrors.size(), 2u);
    EXPECT_EQ(readFileBytes(m_folder.favoriteFolder() / "index.dat"), indexBefore);
    EXPECT_EQ(favouriteFileCount(), 1u);
}

TEST_F(FavoritesTest, TitlesWithForbiddenCharactersStayInTheFolder)
{
    const std::string title = sj("../up:ソ*\"?<>|");
    ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, EquipSet(), title, ""));
    FavoriteIndex index = loadIndex();
    EXPECT_EQ(*index.title(0), title);
    EXPECT_EQ(*index.path(0), sj("user\\Favorite\\20261207093015123_.._up_ソ______.dat"));
    EXPECT_EQ(fileOf(0).parent_path(), m_folder.favoriteFolder());
    EXPECT_TRUE(loadFavorite(m_folder, m_master, 0));
}

} // namespace
