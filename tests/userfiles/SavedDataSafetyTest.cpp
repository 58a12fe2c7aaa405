// What keeps saved data from being lost: texts the lines cannot hold are
// refused, index paths stay inside the user folder, and what killed saves left
// behind is cleared by the next save.

#include "platform/FolderLock.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/ItemListFiles.h"
#include "userfiles/Favorites.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/SearchHistory.h"
#include "userfiles/StorableText.h"
#include "userfiles/StoredPath.h"

#include "StoredDataFixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace zeku;
using zeku::test::folderEntries;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sj;
using zeku::test::writeFileBytes;

namespace {

class SavedDataSafetyTest : public zeku::test::StoredDataFixture {
protected:
    // A store holding the single result `set` (the full set by default).
    std::unique_ptr<SearchResultStore> oneResult(const EquipSet* set = nullptr)
    {
        auto store = std::make_unique<SearchResultStore>();
        store->append(set ? *set : fullSet(), m_master.skills());
        return store;
    }

    // Points history entry 0 at `stored`.
    void listHistory(const std::string& stored)
    {
        std::filesystem::create_directories(m_folder.historyFolder());
        writeFileBytes(m_folder.historyFolder() / "index.dat", crlf({"Version=0.047", "", "t=" + stored}));
    }
};

// The refusal rule is exact: a title and comment are refused when the index
// would not give them back unchanged, and otherwise only by the policy below.
TEST_F(SavedDataSafetyTest, RefusedTextsAreExactlyThoseTheIndexCannotGiveBack)
{
    const std::vector<std::string> texts = {
        "", "plain", sj("#1 火力装備"), "#1", ";x", "a;b", "a#b", "a=b", "=", "Version", "version", "Version2",
        "a,b", ",", " lead", "trail ", "in side", "a\tb", "a\nb", "a\rb", std::string("a\0b", 3), "\x7f", "\t",
        sj("全角　空白"), sj("　全角"), sj("表"), sj("ソ=")};
    std::filesystem::create_directories(m_folder.historyFolder());
    for (const std::string& title : texts) {
        for (const std::string& comment : {std::string(), std::string("memo"), title}) {
            SavedFileIndex index = SavedFileIndex::forHistory(m_folder);
            index.append("before", "", "user\\SearchHistory\\b.dat");
            index.append(title, comment, "user\\SearchHistory\\x.dat");
            index.append("after", "", "user\\SearchHistory\\a.dat");
            ASSERT_TRUE(index.save());
            SavedFileIndex back = SavedFileIndex::forHistory(m_folder);
            ASSERT_TRUE(back.load());
            const bool readsBack = back.count() == 3 && *back.title(1) == title && *back.comment(1) == comment &&
                                   *back.path(1) == "user\\SearchHistory\\x.dat";
            const std::string refusal = indexTextRefusal(title, comment);
            // Control characters, and commas in a title (the input dialog's old rule),
            // are refused although the key of a line could hold them.
            const bool byPolicy = refusal == "改行やタブなどの制御文字は使用できません。" ||
                                  (refusal == "カンマ記号は使用できません。" && comment.find(',') == std::string::npos);
            EXPECT_EQ(refusal.empty(), readsBack && !byPolicy)
                << "title [" << title << "] comment [" << comment << "]: " << refusal;
        }
    }
    EXPECT_EQ(indexTextRefusal("a", "b,c"), "カンマ記号は使用できません。");
}

TEST_F(SavedDataSafetyTest, RefusedSavesWriteNothing)
{
    RecordingErrorReporter reporter;
    const auto results = oneResult();
    EXPECT_FALSE(saveSearchHistory(m_folder, SearchCondition(), *results, "a=b", ""));
    EXPECT_FALSE(saveNewFavorite(m_folder, 1, 1, fullSet(), sj("#1 火力装備"), ""));

    // A catalogue name with a comma or outer blanks would not read back either.
    addJewel("Comma,Jewel", 1, {{1, 1}});
    addPiece(PartArm, " Spaced Arm", kSexBoth, kJobBoth, 1, 5, {});
    EquipSet withJewel = fullSet();
    withJewel.setPiece(PartBody, piece(PartBody, "Plate"));
    withJewel.addPieceJewels(PartBody, {jewel("Comma,Jewel")});
    EXPECT_FALSE(saveSearchHistory(m_folder, SearchCondition(), *oneResult(&withJewel), "jewel", ""));
    SearchCondition excluding;
    excluding.excludedItems.add(*piece(PartArm, " Spaced Arm"));
    EXPECT_FALSE(saveSearchHistory(m_folder, excluding, *results, "arm", ""));
    EquipSet withArm = fullSet();
    withArm.setPiece(PartArm, piece(PartArm, " Spaced Arm"));
    EXPECT_FALSE(saveNewFavorite(m_folder, 1, 1, withArm, "arm", ""));

    ASSERT_EQ(reporter.messages.size(), 5u);
    EXPECT_EQ(reporter.messages[0], "イコール記号はタイトルに使用できません。");
    EXPECT_EQ(reporter.messages[1], "タイトルの先頭に「;」と「#」は使用できません。");
    EXPECT_EQ(reporter.messages[2].rfind("「Comma,Jewel」", 0), 0u);
    EXPECT_EQ(reporter.messages[3].rfind("「 Spaced Arm」", 0), 0u);
    EXPECT_EQ(reporter.messages[4], reporter.messages[3]);
    EXPECT_TRUE(reporter.fileErrors.empty());
    // Nothing but empty indexes: no entry, no file, no temporary.
    for (const auto& folder : {m_folder.historyFolder(), m_folder.favoriteFolder()})
        if (std::filesystem::exists(folder))
            EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"index.dat"});
}

TEST_F(SavedDataSafetyTest, TitleTooLongForAFileNameSavesWhole)
{
    for (const std::string& title : {std::string(300, 't'), sj(std::string(200, 'x') + "長い題名"),
                                     std::string(120, '\xB1')}) { // half-width katakana: 3 bytes each in UTF-8
        ASSERT_TRUE(saveSearchHistory(m_folder, SearchCondition(), *oneResult(), title, "c"));
        SavedFileIndex index = SavedFileIndex::forHistory(m_folder);
        ASSERT_TRUE(index.load());
        EXPECT_EQ(*index.title(index.count() - 1), title);
        EXPECT_TRUE(loadSearchHistory(m_folder, m_master, index.count() - 1));
        EXPECT_LE(nativePath(m_folder, *index.path(index.count() - 1)).filename().string().size(), 255u - 30u);
    }
}

TEST_F(SavedDataSafetyTest, IndexPathsStayInsideTheUserFolder)
{
    // A valid history file outside the user folder must never be read.
    const std::string valid = readFileBytes(golden("history/full.dat"));
    writeFileBytes(m_temp / "outside.dat", valid);
    std::filesystem::create_directories(m_folder.historyFolder() / "folder.dat");
    writeFileBytes(m_folder.historyFolder() / "in.dat", valid);
    RecordingErrorReporter reporter;
    for (const std::string& stored : {"user\\..\\outside.dat", "user\\SearchHistory\\..\\..\\outside.dat",
                                      "..\\outside.dat", "outside.dat", "/etc/passwd", "user\\C:\\outside.dat",
                                      "user/./SearchHistory/in.dat", "user\\SearchHistory\\folder.dat", "user"}) {
        listHistory(stored);
        EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 0)) << stored;
    }
    EXPECT_EQ(reporter.fileErrors.size(), 9u);
    EXPECT_NE(reporter.fileErrors[0].find("index.dat: 「user\\..\\outside.dat」"), std::string::npos);
    EXPECT_NE(reporter.fileErrors[7].find("folder.dat: "), std::string::npos);

    // Both separators and any case of "user" stay valid inside.
    for (const std::string& stored : {"user\\SearchHistory\\in.dat", "USER/SearchHistory/in.dat"}) {
        listHistory(stored);
        EXPECT_TRUE(loadSearchHistory(m_folder, m_master, 0)) << stored;
    }
    EXPECT_EQ(confinedStoredPath("/home/u/zeku", "user\\Favorite\\x.dat"),
              std::filesystem::path("/home/u/zeku/Favorite/x.dat"));

    // The favourite reader and the organiser's delete obey the same rule.
    std::filesystem::create_directories(m_folder.favoriteFolder());
    writeFileBytes(m_temp / "fav.dat", readFileBytes(golden("favorite/full.dat")));
    writeFileBytes(m_folder.favoriteFolder() / "index.dat",
                   crlf({"Version=0.047", "", "t=1,1,user\\..\\fav.dat"}));
    EXPECT_FALSE(loadFavorite(m_folder, m_master, 0));
    EXPECT_FALSE(removeStoredFile(m_folder, "user\\..\\fav.dat"));
    EXPECT_TRUE(std::filesystem::exists(m_temp / "fav.dat"));
    EXPECT_EQ(reporter.fileErrors.size(), 10u);
}

TEST_F(SavedDataSafetyTest, DamagedFavoriteFilesAreReported)
{
    std::filesystem::create_directories(m_folder.favoriteFolder());
    writeFileBytes(m_folder.favoriteFolder() / "index.dat", crlf({"Version=0.047", "", "t=1,1,user\\Favorite\\f.dat"}));
    RecordingErrorReporter reporter;
    for (const std::string& text : {std::string(), std::string("\r\r\r"), std::string("junk\n\x01\xff")}) {
        writeFileBytes(m_folder.favoriteFolder() / "f.dat", text);
        EXPECT_FALSE(loadFavorite(m_folder, m_master, 0));
    }
    ASSERT_EQ(reporter.fileErrors.size(), 3u);
    EXPECT_NE(reporter.fileErrors[2].find("f.dat: "), std::string::npos);
    writeFileBytes(m_folder.favoriteFolder() / "f.dat", readFileBytes(golden("favorite/empty.dat")));
    EXPECT_TRUE(loadFavorite(m_folder, m_master, 0));
}

TEST_F(SavedDataSafetyTest, NextSaveRemovesWhatKilledSavesLeft)
{
    // A process id that no longer runs.
    const pid_t dead = fork();
    if (dead == 0)
        _exit(0);
    ASSERT_GT(dead, 0);
    waitpid(dead, nullptr, 0);
    const std::string deadTemp = ".tmp" + std::to_string(dead) + "_0";
    const std::string liveTemp = ".tmp" + std::to_string(getpid()) + "_99";

    ASSERT_TRUE(saveSearchHistory(m_folder, SearchCondition(), *oneResult(), "first", ""));
    const std::filesystem::path history = m_folder.historyFolder();
    writeFileBytes(history / ("index.dat" + deadTemp), std::string(4096, 'x'));
    writeFileBytes(history / ("20260101_killed.dat" + deadTemp), "partial");
    writeFileBytes(history / "20260101_killed.dat", "");
    writeFileBytes(history / ("index.dat" + liveTemp), "a save still running");
    writeFileBytes(history / "notes.txt", "");
    writeFileBytes(m_folder.root() / ("SParts.dat" + deadTemp), "partial");

    ASSERT_TRUE(saveSearchHistory(m_folder, SearchCondition(), *oneResult(), "second", ""));
    EXPECT_EQ(folderEntries(history), (std::vector<std::string>{"20261207093015123_first.dat",
                                                                 "20261207093015123_second.dat", "index.dat",
                                                                 "index.dat" + liveTemp, "notes.txt"}));
    // The user folder's own lists are cleared by their next save.
    EXPECT_TRUE(std::filesystem::exists(m_folder.root() / ("SParts.dat" + deadTemp)));
    ASSERT_TRUE(saveSPartList(m_folder, SPartSet()));
    EXPECT_FALSE(std::filesystem::exists(m_folder.root() / ("SParts.dat" + deadTemp)));
}

} // namespace
