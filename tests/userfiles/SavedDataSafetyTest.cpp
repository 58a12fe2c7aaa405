// What keeps saved data from being lost: texts the lines cannot hold are
// refused, index paths stay inside the user folder, and what killed saves left
// behind is cleared by the next save.

#include "platform/FolderLock.h"
#include "platform/TextFile.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/ItemListFiles.h"
#include "userfiles/Favorites.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/SearchHistory.h"
#include "userfiles/StorableText.h"
#include "userfiles/StoredPath.h"

#include "StoredDataFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
        "",      "plain",  sj("#1 火力装備"), "#1",         ";x",       "a;b",    "a#b",
        "a=b",   "=",      "Version",         "version",    "Version2", "a,b",    ",",
        " lead", "trail ", "in side",         "a\tb",       "a\nb",     "a\rb",   std::string("a\0b", 3),
        "\x7f",  "\t",     sj("全角　空白"),  sj("　全角"), sj("表"),   sj("ソ=")};
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
            const auto refusal = indexTextRefusal(title, comment);
            // Control characters, and commas in a title (the input dialog's old rule),
            // are refused although the key of a line could hold them.
            const bool byPolicy =
                refusal && (refusal->id == MessageId::TextHasControlCharacter ||
                            (refusal->id == MessageId::TextHasComma && comment.find(',') == std::string::npos));
            EXPECT_EQ(!refusal, readsBack && !byPolicy)
                << "title [" << title << "] comment [" << comment << "]: " << (refusal ? refusal->text : "");
        }
    }
    EXPECT_EQ(indexTextRefusal("a", "b,c").value().text, "カンマ記号は使用できません。");
    // DEL reads back unchanged, so only the policy refuses it.
    EXPECT_EQ(indexTextRefusal("a\x7f", "").value().text, "改行やタブなどの制御文字は使用できません。");
    EXPECT_EQ(indexTextRefusal("a", "\x7f").value().text, "改行やタブなどの制御文字は使用できません。");
}

TEST_F(SavedDataSafetyTest, RefusedSavesWriteNothing)
{
    RecordingErrorReporter reporter;
    const auto results = oneResult();
    EXPECT_FALSE(saveSearchHistory(m_folder, m_master, SearchCondition(), *results, "a=b", ""));
    EXPECT_FALSE(saveNewFavorite(m_folder, 1, 1, fullSet(), sj("#1 火力装備"), ""));

    // A catalogue name with a comma or outer blanks would not read back either.
    addJewel("Comma,Jewel", 1, {{1, 1}});
    addPiece(PartArm, " Spaced Arm", kSexBoth, kJobBoth, 1, 5, {});
    addPiece(PartArm, "Trailing Arm ", kSexBoth, kJobBoth, 1, 5, {});
    EquipSet withJewel = fullSet();
    withJewel.setPiece(PartBody, piece(PartBody, "Plate"));
    withJewel.addPieceJewels(PartBody, {jewel("Comma,Jewel")});
    EXPECT_FALSE(saveSearchHistory(m_folder, m_master, SearchCondition(), *oneResult(&withJewel), "jewel", ""));
    SearchCondition excluding;
    excluding.excludedItems.add(*piece(PartArm, " Spaced Arm"));
    EXPECT_FALSE(saveSearchHistory(m_folder, m_master, excluding, *results, "arm", ""));
    EquipSet withArm = fullSet();
    withArm.setPiece(PartArm, piece(PartArm, " Spaced Arm"));
    EXPECT_FALSE(saveNewFavorite(m_folder, 1, 1, withArm, "arm", ""));
    // A trailing blank is trimmed away on reading just the same, by both save paths.
    SearchCondition trailing;
    trailing.sParts.add(*piece(PartArm, "Trailing Arm "));
    EXPECT_FALSE(saveSearchHistory(m_folder, m_master, trailing, *results, "trail", ""));
    withArm.setPiece(PartArm, piece(PartArm, "Trailing Arm "));
    EXPECT_FALSE(saveNewFavorite(m_folder, 1, 1, withArm, "trail", ""));

    ASSERT_EQ(reporter.messages.size(), 7u);
    EXPECT_EQ(reporter.messages[5].rfind("「Trailing Arm 」", 0), 0u);
    EXPECT_EQ(reporter.messages[6], reporter.messages[5]);
    EXPECT_EQ(reporter.messages[0], "イコール記号はタイトルに使用できません。");
    EXPECT_EQ(reporter.messages[1], "タイトルの先頭に「;」と「#」は使用できません。");
    EXPECT_EQ(reporter.messages[2].rfind("「Comma,Jewel」", 0), 0u);
    EXPECT_EQ(reporter.messages[3].rfind("「 Spaced Arm」", 0), 0u);
    EXPECT_EQ(reporter.messages[4], reporter.messages[3]);
    EXPECT_TRUE(reporter.fileErrors.empty());
    // Nothing but empty indexes: no entry, no file, no temporary.
    for (const auto& folder : {m_folder.historyFolder(), m_folder.favoriteFolder()})
        if (std::filesystem::exists(folder)) {
            EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"index.dat"});
        }
}

TEST_F(SavedDataSafetyTest, TitleTooLongForAFileNameSavesWhole)
{
    for (const std::string& title : {std::string(300, 't'), sj(std::string(200, 'x') + "長い題名"),
                                     std::string(120, '\xB1')}) { // half-width katakana: 3 bytes each in UTF-8
        ASSERT_TRUE(saveSearchHistory(m_folder, m_master, SearchCondition(), *oneResult(), title, "c"));
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
    // A FIFO would block the reader forever if it were opened.
    ASSERT_EQ(mkfifo((m_folder.historyFolder() / "fifo.dat").c_str(), 0644), 0);
    // A link is never followed, even to a valid file inside.
    std::filesystem::create_symlink("in.dat", m_folder.historyFolder() / "link.dat");
    for (const char* stored :
         {"user\\..\\outside.dat", "user\\SearchHistory\\..\\..\\outside.dat", "..\\outside.dat", "outside.dat",
          "/etc/passwd", "user\\C:\\outside.dat", "user/./SearchHistory/in.dat", "user\\SearchHistory\\folder.dat",
          "user", "user\\SearchHistory\\fifo.dat", "user\\SearchHistory\\link.dat"}) {
        listHistory(stored);
        EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 0)) << stored;
    }
    EXPECT_EQ(reporter.fileErrors.size(), 11u);
    EXPECT_NE(reporter.fileErrors[10].find("link.dat: 通常のファイルではありません。"), std::string::npos);
    EXPECT_NE(reporter.fileErrors[9].find("fifo.dat: "), std::string::npos);
    EXPECT_NE(reporter.fileErrors[0].find("index.dat: 「user\\..\\outside.dat」"), std::string::npos);
    EXPECT_NE(reporter.fileErrors[7].find("folder.dat: "), std::string::npos);

    // Both separators and any case of "user" stay valid inside.
    for (const char* stored : {"user\\SearchHistory\\in.dat", "USER/SearchHistory/in.dat"}) {
        listHistory(stored);
        EXPECT_TRUE(loadSearchHistory(m_folder, m_master, 0)) << stored;
    }
    EXPECT_EQ(confinedStoredPath("/home/u/zeku", "user\\Favorite\\x.dat"),
              std::filesystem::path("/home/u/zeku/Favorite/x.dat"));

    // The favourite reader and the organiser's delete obey the same rule.
    std::filesystem::create_directories(m_folder.favoriteFolder());
    writeFileBytes(m_temp / "fav.dat", readFileBytes(golden("favorite/full.dat")));
    writeFileBytes(m_folder.favoriteFolder() / "index.dat", crlf({"Version=0.047", "", "t=1,1,user\\..\\fav.dat"}));
    EXPECT_FALSE(loadFavorite(m_folder, m_master, 0));
    EXPECT_FALSE(removeStoredFile(m_folder, "user\\..\\fav.dat"));
    EXPECT_TRUE(std::filesystem::exists(m_temp / "fav.dat"));
    // The user folder itself is no stored file.
    EXPECT_FALSE(removeStoredFile(m_folder, "user"));
    EXPECT_FALSE(removeStoredFile(m_folder, "user\\"));
    EXPECT_TRUE(std::filesystem::is_directory(m_folder.favoriteFolder()));
    EXPECT_EQ(reporter.fileErrors.size(), 12u);
}

TEST_F(SavedDataSafetyTest, DamagedFavoriteFilesAreReported)
{
    std::filesystem::create_directories(m_folder.favoriteFolder());
    writeFileBytes(m_folder.favoriteFolder() / "index.dat", crlf({"Version=0.047", "", "t=1,1,user\\Favorite\\f.dat"}));
    // The golden favourite: version, empty line, Sex, Job, Weapon, Head ... Leg.
    const std::string full = readFileBytes(golden("favorite/full.dat"));
    auto firstLines = [&](int lines) {
        std::size_t end = 0;
        for (int i = 0; i < lines; ++i)
            end = full.find("\r\n", end) + 2;
        return full.substr(0, end);
    };
    struct Case {
        std::string text;
        const char* cause; // what the message says after the file name
    };
    const Case cases[] = {
        {std::string(), "保存データとして読み込めない内容です。"},
        {"\r\r\r", "1行目"},
        {"junk\n\x01\xff", "2行目"},
        {firstLines(7), "7行目"}, // cut after the body line
        {firstLines(9) + "Head=\r\n", "10行目"}, // a key twice
        {full + std::string(kMaxTextLineBytes + 1, ','), "11行目"},
        {firstLines(1) + std::string(kMaxTextLineBytes + 1, 'x'), "2行目"},
    };
    RecordingErrorReporter reporter;
    for (const Case& c : cases) {
        writeFileBytes(m_folder.favoriteFolder() / "f.dat", c.text);
        EXPECT_FALSE(loadFavorite(m_folder, m_master, 0)) << c.cause;
        ASSERT_FALSE(reporter.fileErrors.empty());
        EXPECT_NE(reporter.fileErrors.back().find(std::string("f.dat: ") + c.cause), std::string::npos)
            << reporter.fileErrors.back();
    }
    EXPECT_EQ(reporter.fileErrors.size(), std::size(cases));
    writeFileBytes(m_folder.favoriteFolder() / "f.dat", readFileBytes(golden("favorite/empty.dat")));
    EXPECT_TRUE(loadFavorite(m_folder, m_master, 0));
    writeFileBytes(m_folder.favoriteFolder() / "f.dat", full);
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

    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, SearchCondition(), *oneResult(), "first", ""));
    const std::filesystem::path history = m_folder.historyFolder();
    writeFileBytes(history / ("index.dat" + deadTemp), std::string(4096, 'x'));
    writeFileBytes(history / ("20260101_killed.dat" + deadTemp), "partial");
    writeFileBytes(history / "20260101_killed.dat", "");
    writeFileBytes(history / ("index.dat" + liveTemp), "a save still running");
    writeFileBytes(history / "notes.txt", "");
    writeFileBytes(m_folder.root() / ("SParts.dat" + deadTemp), "partial");

    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, SearchCondition(), *oneResult(), "second", ""));
    EXPECT_EQ(folderEntries(history),
              (std::vector<std::string>{"20261207093015123_first.dat", "20261207093015123_second.dat", "index.dat",
                                        "index.dat" + liveTemp, "notes.txt"}));
    // The user folder's own lists are cleared by their next save.
    EXPECT_TRUE(std::filesystem::exists(m_folder.root() / ("SParts.dat" + deadTemp)));
    ASSERT_TRUE(saveSPartList(m_folder, SPartSet()));
    EXPECT_FALSE(std::filesystem::exists(m_folder.root() / ("SParts.dat" + deadTemp)));
}

TEST_F(SavedDataSafetyTest, TheFolderLockIsTakenOrTheSaveRefused)
{
    const std::filesystem::path history = m_folder.historyFolder();
    const std::filesystem::path lock = history / kFolderLockName;
    const std::filesystem::path outside = m_temp / "outside";
    std::filesystem::create_directories(history);
    RecordingErrorReporter reporter;

    // A ".lock" that is a folder is locked as the folder: the save goes ahead,
    // and while it is held nobody else gets it.
    std::filesystem::create_directory(lock);
    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, SearchCondition(), *oneResult(), "folder", ""));
    {
        const FolderLock held(history);
        ASSERT_TRUE(held.held());
        const int other = ::open(lock.c_str(), O_RDONLY);
        ASSERT_GE(other, 0);
        EXPECT_NE(::flock(other, LOCK_EX | LOCK_NB), 0);
        ::close(other);
    }
    std::filesystem::remove(lock);

    // A symbolic link there, dangling or not, is never followed: the save is refused.
    writeFileBytes(outside, "keep");
    const std::string indexBefore = readFileBytes(history / "index.dat");
    for (const std::filesystem::path& target : {outside, m_temp / "absent"}) {
        std::filesystem::create_symlink(target, lock);
        EXPECT_FALSE(saveSearchHistory(m_folder, m_master, SearchCondition(), *oneResult(), "link", "")) << target;
        EXPECT_FALSE(saveSPartList(UserFolder(history), SPartSet())) << target;
        std::filesystem::remove(lock);
    }
    EXPECT_EQ(readFileBytes(outside), "keep");
    EXPECT_FALSE(std::filesystem::exists(m_temp / "absent"));
    EXPECT_EQ(readFileBytes(history / "index.dat"), indexBefore);
    EXPECT_FALSE(std::filesystem::exists(history / "SParts.dat"));
    ASSERT_EQ(reporter.fileErrors.size(), 4u);
    EXPECT_NE(reporter.fileErrors[0].find(".lock: "), std::string::npos) << reporter.fileErrors[0];
}

TEST_F(SavedDataSafetyTest, AnIndexNotReadWholeIsNeverRewritten)
{
    std::filesystem::create_directories(m_folder.historyFolder());
    const std::string entries[] = {"a=user\\SearchHistory\\a.dat", "b=user\\SearchHistory\\b.dat"};
    std::string utf16;
    for (char c : "Version=0.047\r\n\r\n" + entries[0] + "\r\n" + entries[1] + "\r\n")
        utf16 += std::string{c, '\0'};
    const std::string damaged[] = {
        "Version=0.047\r\r" + entries[0] + "\r" + entries[1] + "\r", // CR-only line ends
        "\xff\xfe" + utf16, // UTF-16
        crlf({"Version=0.047", "", entries[0], std::string(kMaxTextLineBytes + 1, 'x'), entries[1]}),
    };
    RecordingErrorReporter reporter;
    for (const std::string& text : damaged) {
        writeFileBytes(m_folder.historyFolder() / "index.dat", text);
        EXPECT_FALSE(saveSearchHistory(m_folder, m_master, SearchCondition(), *oneResult(), "new", ""));
        EXPECT_EQ(readFileBytes(m_folder.historyFolder() / "index.dat"), text);
        EXPECT_EQ(folderEntries(m_folder.historyFolder()), std::vector<std::string>{"index.dat"});
    }
    ASSERT_EQ(reporter.fileErrors.size(), 3u);
    EXPECT_NE(reporter.fileErrors[0].find("index.dat: 1行目"), std::string::npos) << reporter.fileErrors[0];
    EXPECT_NE(reporter.fileErrors[2].find("index.dat: 4行目"), std::string::npos) << reporter.fileErrors[2];
}

TEST_F(SavedDataSafetyTest, OverwriteReplacesOnlyTheEntryItWasAskedFor)
{
    for (const char* title : {"a", "b", "c"})
        ASSERT_TRUE(saveNewFavorite(m_folder, 1, 1, EquipSet(), title, ""));
    // The dialogs are opened on "b"; meanwhile another window deletes "a".
    const auto asked = loadFavorite(m_folder, m_master, 1);
    ASSERT_TRUE(asked);
    FavoriteIndex other(m_folder);
    ASSERT_TRUE(other.loadForUpdate());
    const std::string fileOfC = *other.path(2);
    ASSERT_TRUE(other.removeEntry(0) && other.save());
    const std::string indexBefore = readFileBytes(m_folder.favoriteFolder() / "index.dat");

    RecordingErrorReporter reporter;
    EXPECT_FALSE(overwriteFavorite(m_folder, 1, asked->storedPath, 1, 1, fullSet(), "new", ""));
    EXPECT_EQ(readFileBytes(m_folder.favoriteFolder() / "index.dat"), indexBefore);
    EXPECT_TRUE(std::filesystem::exists(nativePath(m_folder, fileOfC)));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], kFavoriteMovedMessage);
    // At its new position the same entry is overwritten.
    EXPECT_TRUE(overwriteFavorite(m_folder, 0, asked->storedPath, 1, 1, fullSet(), "new", ""));
    FavoriteIndex after(m_folder);
    ASSERT_TRUE(after.load());
    EXPECT_EQ(*after.title(0), "new");
    EXPECT_EQ(*after.path(1), fileOfC);
}

TEST_F(SavedDataSafetyTest, ConcurrentFavouriteSavesFromSeveralProcessesAreAllListed)
{
    // With the lock file a folder (a save under another account can leave one).
    std::filesystem::create_directories(m_folder.favoriteFolder() / kFolderLockName);
    constexpr int kProcesses = 6;
    constexpr int kSavesEach = 5;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t child = fork();
        if (child == 0) {
            bool ok = true;
            for (int i = 0; i < kSavesEach; ++i)
                ok =
                    saveNewFavorite(m_folder, 1, 1, fullSet(), "p" + std::to_string(p) + "_" + std::to_string(i), "") &&
                    ok;
            _exit(ok ? 0 : 1);
        }
        ASSERT_GT(child, 0);
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    FavoriteIndex index(m_folder);
    ASSERT_TRUE(index.load());
    ASSERT_EQ(index.count(), kProcesses * kSavesEach);
    std::vector<std::string> titles;
    for (int i = 0; i < index.count(); ++i) {
        titles.push_back(*index.title(i));
        EXPECT_TRUE(loadFavorite(m_folder, m_master, i)) << *index.title(i);
    }
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(std::unique(titles.begin(), titles.end()), titles.end());
}

} // namespace
