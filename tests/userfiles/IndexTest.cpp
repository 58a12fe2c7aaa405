#include "userfiles/FavoriteIndex.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/StoredPath.h"

#include "StoredDataFixture.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sj;
using zeku::test::writeFileBytes;

namespace {

class IndexTest : public zeku::test::StoredDataFixture {
protected:
    IndexTest() { std::filesystem::create_directories(m_folder.historyFolder()); }
};

TEST_F(IndexTest, HistoryIndexMatchesGoldenFile)
{
    SavedFileIndex index = SavedFileIndex::forHistory(m_folder);
    ASSERT_TRUE(index.load());
    EXPECT_EQ(
        index.append(sj("全部入り"), sj("固定と除外あり"), sj("user\\SearchHistory\\20261207093015123_全部入り.dat")),
        1);
    EXPECT_EQ(index.append(sj("短い"), "", sj("user\\SearchHistory\\20261207093015124_短い.dat")), 2);
    ASSERT_TRUE(index.save());
    EXPECT_EQ(readFileBytes(index.indexFile()), readFileBytes(golden("history/index.dat")));

    SavedFileIndex reread = SavedFileIndex::forHistory(m_folder);
    ASSERT_TRUE(reread.load());
    ASSERT_EQ(reread.count(), 2);
    EXPECT_EQ(*reread.title(0), sj("全部入り"));
    EXPECT_EQ(*reread.comment(0), sj("固定と除外あり"));
    EXPECT_EQ(*reread.path(1), sj("user\\SearchHistory\\20261207093015124_短い.dat"));
    EXPECT_EQ(*reread.comment(1), "");
    EXPECT_EQ(reread.title(2), nullptr);
    EXPECT_EQ(reread.path(-1), nullptr);
}

TEST_F(IndexTest, FavoriteIndexMatchesGoldenFileAndKeepsNumbers)
{
    std::filesystem::create_directories(m_folder.favoriteFolder());
    writeFileBytes(m_folder.favoriteFolder() / "index.dat", readFileBytes(golden("favorite/index.dat")));
    FavoriteIndex index(m_folder);
    ASSERT_TRUE(index.load());
    ASSERT_EQ(index.count(), 2);
    EXPECT_EQ(*index.title(0), sj("剣士装備(男)"));
    EXPECT_EQ(index.sex(0), 1);
    EXPECT_EQ(index.job(0), 1);
    EXPECT_EQ(*index.comment(0), sj("初回の装備"));
    EXPECT_EQ(*index.path(1), sj("user\\Favorite\\20261207093016000_ソウル.dat"));
    EXPECT_EQ(*index.comment(1), "");

    std::filesystem::remove(index.indexFile());
    ASSERT_TRUE(index.save());
    EXPECT_EQ(readFileBytes(index.indexFile()), readFileBytes(golden("favorite/index.dat")));
}

TEST_F(IndexTest, ReadingSkipsWhatIsNoEntry)
{
    std::filesystem::create_directories(m_folder.favoriteFolder());
    writeFileBytes(m_folder.historyFolder() / "index.dat",
                   crlf({"Version=0.047", "", "; a comment", "a=p1,one,two", "b=", "  c=p3  "}));
    SavedFileIndex history = SavedFileIndex::forHistory(m_folder);
    ASSERT_TRUE(history.load());
    ASSERT_EQ(history.count(), 2); // "b=" has no field
    EXPECT_EQ(*history.comment(0), "one"); // a comma in a comment keeps the text before it
    EXPECT_EQ(*history.path(1), "p3");

    // A favourites line needs sex, job and path.
    writeFileBytes(m_folder.favoriteFolder() / "index.dat",
                   crlf({"Version=0.047", "", "short=1,2", "ok=2,1,p,c", "Version=1,1,x"}));
    FavoriteIndex favorites(m_folder);
    ASSERT_TRUE(favorites.load());
    ASSERT_EQ(favorites.count(), 1);
    EXPECT_EQ(*favorites.title(0), "ok");
    EXPECT_EQ(favorites.sex(0), 2);
    EXPECT_EQ(favorites.job(0), 1);
}

TEST_F(IndexTest, MissingIndexIsCreatedEmptyOnlyWhereTheFolderExists)
{
    SavedFileIndex history = SavedFileIndex::forHistory(m_folder);
    ASSERT_TRUE(history.load());
    EXPECT_EQ(history.count(), 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(history.indexFile()));

    FavoriteIndex favorites(m_folder); // user/Favorite does not exist
    EXPECT_FALSE(favorites.load());
    EXPECT_FALSE(std::filesystem::exists(m_folder.favoriteFolder()));
}

TEST_F(IndexTest, MovingAFavouriteKeepsItsNumbersInStep)
{
    FavoriteIndex index(m_folder);
    index.append("a", "ca", "pa", 1, 1);
    index.append("b", "cb", "pb", 2, 0);
    index.append("c", "", "pc", 0, 2);

    // Up on row 2: copy before row 1, then remove the old place (now row 3).
    ASSERT_TRUE(index.insertCopy(2, 1));
    ASSERT_TRUE(index.removeEntry(3));
    EXPECT_TRUE(index.isConsistent());
    ASSERT_EQ(index.count(), 3);
    EXPECT_EQ(*index.title(1), "c");
    EXPECT_EQ(index.sex(1), 0);
    EXPECT_EQ(index.job(1), 2);
    EXPECT_EQ(*index.title(2), "b");
    EXPECT_EQ(index.sex(2), 2);

    // Down again: copy after the next row, remove the entry.
    ASSERT_TRUE(index.insertCopy(1, 3));
    ASSERT_TRUE(index.removeEntry(1));
    EXPECT_EQ(*index.title(1), "b");
    EXPECT_EQ(*index.title(2), "c");
    EXPECT_EQ(index.job(2), 2);

    EXPECT_FALSE(index.insertCopy(3, 0));
    EXPECT_FALSE(index.insertCopy(0, 4));
    EXPECT_FALSE(index.removeEntry(3));

    // A plain append through the base keeps the lists in step too.
    SavedFileIndex& base = index;
    base.append("d", "", "pd");
    EXPECT_TRUE(index.isConsistent());
    EXPECT_EQ(index.sex(3), 0);
}

TEST(StoredPath, MapsTheStoredFormIntoTheUserFolder)
{
    UserFolder folder("/data/u");
    EXPECT_EQ(nativePath(folder, "user\\SearchHistory\\a.dat"), std::filesystem::path("/data/u/SearchHistory/a.dat"));
    EXPECT_EQ(nativePath(folder, "User\\Favorite\\\\b.dat"), std::filesystem::path("/data/u/Favorite/b.dat"));
    EXPECT_EQ(nativePath(folder, "other\\c.dat"), std::filesystem::path("other/c.dat"));
    // "ソ" is 0x83 0x5C in CP932: its second byte is no separator.
    const std::string stored = sj("user\\Favorite\\1_ソウル表.dat");
    ASSERT_NE(stored.find("\x83\x5C"), std::string::npos);
    EXPECT_EQ(nativePath(folder, stored), std::filesystem::path("/data/u/Favorite/1_ソウル表.dat"));
}

TEST(StoredPath, TitlesBecomeSafeFileNames)
{
    EXPECT_EQ(safeFileTitle("a\\b/c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_EQ(safeFileTitle("tab\tnl\n\x7f"), "tab_nl__");
    EXPECT_EQ(safeFileTitle(".."), "..");
    // Trail bytes 0x5C and 0x7C of double-byte characters stay as they are.
    const std::string title = sj("ソ表ポ");
    EXPECT_EQ(safeFileTitle(title), title);
}

TEST(StoredPath, NewFilesNeverReplaceExistingOnes)
{
    zeku::test::TempDir temp;
    UserFolder folder(temp / "user");
    std::filesystem::create_directories(folder.historyFolder());
    auto first = createNewUserFile(folder, kStoredHistoryFolder, "stamp_t");
    auto second = createNewUserFile(folder, kStoredHistoryFolder, "stamp_t");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->stored, "user\\SearchHistory\\stamp_t.dat");
    EXPECT_EQ(second->stored, "user\\SearchHistory\\stamp_t_2.dat");
    EXPECT_EQ(second->native, folder.historyFolder() / "stamp_t_2.dat");
    // A folder of that name counts as taken as well.
    std::filesystem::create_directories(folder.historyFolder() / "stamp_t_3.dat");
    EXPECT_EQ(createNewUserFile(folder, kStoredHistoryFolder, "stamp_t")->stored, "user\\SearchHistory\\stamp_t_4.dat");
}

} // namespace
