#include "userfiles/StartupSettings.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sj;
using zeku::test::TempDir;
using zeku::test::writeFileBytes;

namespace {

SkillCatalogue makeSkills()
{
    SkillCatalogue skills;
    skills.addTree({12, sj("攻撃"), {{12, 10, sj("攻撃力UP【小】")}, {12, 15, sj("攻撃力UP【中】")}}});
    skills.addTree({5, sj("体力"), {{5, 10, sj("体力+20")}, {5, -10, sj("体力-10")}, {5, -15, sj("体力-20")}}});
    skills.addTree({3, sj("匠"), {{3, 10, sj("匠")}}});
    return skills;
}

std::filesystem::path goldenFile(const char* name)
{
    return std::filesystem::path(ZEKU_TEST_DATA_DIR) / "startup" / name;
}

struct EntryView {
    uint16_t treeId;
    int16_t points;
    uint32_t useCount;
    bool operator==(const EntryView&) const = default;
};

std::ostream& operator<<(std::ostream& os, const EntryView& e)
{
    return os << "(" << e.treeId << ", " << e.points << ", " << e.useCount << ")";
}

std::vector<EntryView> entriesOf(const FavoriteSkillSet& set)
{
    std::vector<EntryView> out;
    for (const FavoriteSkillEntry& e : set.entries)
        out.push_back({e.treeId, e.threshold, e.useCount});
    return out;
}

StartupSettings loadFrom(const std::string& bytes, const SkillCatalogue& skills)
{
    TempDir dir;
    UserFolder folder(dir.path());
    writeFileBytes(folder.startupFile(), bytes);
    StartupSettings settings;
    settings.load(folder, skills);
    return settings;
}

} // namespace

TEST(StartupSettings, RecordCountsSearchesIntoTheActivatedSkill)
{
    const SkillCatalogue skills = makeSkills();
    StartupSettings settings;
    settings.recordFavoriteSkills(1, {{12, 10}}, skills);
    ASSERT_EQ(entriesOf(settings.favoriteSkills(1)), (std::vector<EntryView>{{12, 10, 1}}));
    EXPECT_EQ(settings.favoriteSkills(1).entries[0].name, sj("攻撃力UP【小】"));

    settings.recordFavoriteSkills(1, {{12, 10}}, skills);
    // 12 points activate the 10-point skill and count into its entry.
    settings.recordFavoriteSkills(1, {{12, 12}}, skills);
    EXPECT_EQ(entriesOf(settings.favoriteSkills(1)), (std::vector<EntryView>{{12, 10, 3}}));
    EXPECT_TRUE(settings.favoriteSkills(2).entries.empty());
}

TEST(StartupSettings, RecordTakesTheNearestThresholdBeyondInactivePoints)
{
    const SkillCatalogue skills = makeSkills();
    struct Case {
        SkillPoint wanted;
        int16_t recorded;
    };
    const std::vector<Case> cases = {
        {{12, 8}, 10}, {{12, 20}, 15}, {{5, -12}, -10}, {{5, -8}, -10}, {{5, -30}, -15}, {{5, 3}, 10},
    };
    for (const Case& c : cases) {
        StartupSettings settings;
        settings.recordFavoriteSkills(1, {c.wanted}, skills);
        EXPECT_EQ(entriesOf(settings.favoriteSkills(1)), (std::vector<EntryView>{{c.wanted.treeId, c.recorded, 1}}))
            << "wanted " << c.wanted.points;
    }
}

TEST(StartupSettings, RecordSkipsWhatNoActivationStandsFor)
{
    const SkillCatalogue skills = makeSkills();
    StartupSettings settings;
    // Zero points, beyond the highest threshold, no negative threshold, unknown tree.
    settings.recordFavoriteSkills(2, {{12, 0}, {3, -5}, {99, 10}}, skills);
    EXPECT_TRUE(settings.favoriteSkills(2).entries.empty());
    settings.recordFavoriteSkills(2, {{12, 40}}, skills);
    EXPECT_EQ(entriesOf(settings.favoriteSkills(2)), (std::vector<EntryView>{{12, 15, 1}}));
}

TEST(StartupSettings, AddFavoriteAppendsOnlyActivatingPoints)
{
    const SkillCatalogue skills = makeSkills();
    FavoriteSkillSet set;
    StartupSettings::addFavorite(set, 12, 5, skills);
    EXPECT_TRUE(set.entries.empty());
    StartupSettings::addFavorite(set, 12, 15, skills);
    StartupSettings::addFavorite(set, 5, -10, skills);
    StartupSettings::addFavorite(set, 12, 15, skills);
    EXPECT_EQ(entriesOf(set), (std::vector<EntryView>{{12, 15, 2}, {5, -10, 1}}));
}

TEST(StartupSettings, EntriesKeepTheFavouriteOrder)
{
    const SkillCatalogue skills = makeSkills();
    StartupSettings settings;
    settings.recordFavoriteSkills(1, {{12, 10}, {5, 10}, {12, 15}, {3, 10}}, skills);
    EXPECT_EQ(entriesOf(settings.favoriteSkills(1)),
              (std::vector<EntryView>{{3, 10, 1}, {5, 10, 1}, {12, 15, 1}, {12, 10, 1}}));
    settings.recordFavoriteSkills(1, {{12, 10}, {5, -10}}, skills);
    settings.recordFavoriteSkills(1, {{12, 10}, {5, 10}}, skills);
    EXPECT_EQ(entriesOf(settings.favoriteSkills(1)),
              (std::vector<EntryView>{{12, 10, 3}, {5, 10, 2}, {3, 10, 1}, {5, -10, 1}, {12, 15, 1}}));
}

TEST(StartupSettings, JobOtherThanOneIsTheGunnerSet)
{
    const SkillCatalogue skills = makeSkills();
    StartupSettings settings;
    settings.recordFavoriteSkills(2, {{12, 10}}, skills);
    settings.recordFavoriteSkills(0, {{12, 10}}, skills);
    EXPECT_EQ(&settings.favoriteSkills(0), &settings.favoriteSkills(2));
    EXPECT_EQ(entriesOf(settings.favoriteSkills(2)), (std::vector<EntryView>{{12, 10, 2}}));
    EXPECT_TRUE(settings.favoriteSkills(1).entries.empty());
}

TEST(StartupSettings, SaveWithoutFileWritesNineLines)
{
    TempDir dir;
    UserFolder folder(dir / "user" / "nested");
    StartupSettings settings;
    settings.load(folder, makeSkills());
    ASSERT_TRUE(settings.save(folder));
    EXPECT_EQ(readFileBytes(folder.startupFile()), readFileBytes(goldenFile("empty.dat")));
}

TEST(StartupSettings, SaveWritesAllSectionsInOrder)
{
    const SkillCatalogue skills = makeSkills();
    TempDir dir;
    UserFolder folder(dir.path());
    StartupSettings settings;
    settings.recordFavoriteSkills(1, {{12, 10}, {5, -10}}, skills);
    settings.recordFavoriteSkills(1, {{12, 11}, {12, 15}}, skills);
    settings.recordFavoriteSkills(2, {{5, -15}}, skills);
    settings.filterSkills(1) = {12, 5};
    ASSERT_TRUE(settings.save(folder));
    EXPECT_EQ(readFileBytes(folder.startupFile()), readFileBytes(goldenFile("filled.dat")));
}

TEST(StartupSettings, LoadReadsNamesBackFromTheCatalogue)
{
    TempDir dir;
    UserFolder folder(dir.path());
    std::filesystem::copy_file(goldenFile("filled.dat"), folder.startupFile());
    StartupSettings settings;
    settings.recordFavoriteSkills(2, {{3, 10}}, makeSkills()); // replaced by the load
    settings.load(folder, makeSkills());
    EXPECT_EQ(entriesOf(settings.favoriteSkills(1)), (std::vector<EntryView>{{12, 10, 2}, {5, -10, 1}, {12, 15, 1}}));
    EXPECT_EQ(settings.favoriteSkills(1).entries[1].name, sj("体力-10"));
    EXPECT_EQ(entriesOf(settings.favoriteSkills(2)), (std::vector<EntryView>{{5, -15, 1}}));
    EXPECT_EQ(settings.favoriteSkills(2).entries[0].name, sj("体力-20"));
    EXPECT_EQ(settings.filterSkills(1), (FilterSkillList{12, 5}));
    EXPECT_TRUE(settings.filterSkills(2).empty());
}

TEST(StartupSettings, LoadWithoutFileLeavesEverythingEmpty)
{
    TempDir dir;
    StartupSettings settings;
    settings.filterSkills(1) = {4};
    settings.load(UserFolder(dir / "missing"), makeSkills());
    for (int job = 1; job <= 2; ++job) {
        EXPECT_EQ(settings.favoriteSkills(job).id, 0);
        EXPECT_EQ(settings.favoriteSkills(job).name, sj("よく使うスキル"));
        EXPECT_TRUE(settings.favoriteSkills(job).entries.empty());
        EXPECT_TRUE(settings.filterSkills(job).empty());
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

TEST(StartupSettings, LoadSortsEntriesAndKeepsOnesThatNoLongerActivate)
{
    const StartupSettings s = loadFrom("Version=9\n; comment\n  [FavoriteSkill2]  \nCount=3\n"
                                       "12,10,1\n12,3,7\n5,-10,4\n",
                                       makeSkills());
    EXPECT_EQ(entriesOf(s.favoriteSkills(2)), (std::vector<EntryView>{{12, 3, 7}, {5, -10, 4}, {12, 10, 1}}));
    EXPECT_EQ(s.favoriteSkills(2).entries[0].name, "");
}

TEST(StartupSettings, CountFollowedByTooFewEntriesConsumesTheNextHeader)
{
    const StartupSettings s = loadFrom("Version=0.047\r\n[FavoriteSkill1]\r\nCount=3\r\n12,10,2\r\n5,-10,1\r\n"
                                       "[FilterSkill1]\r\nCount=1\r\n7\r\n[FilterSkill2]\r\nCount=2\r\n8\r\n9\r\n",
                                       makeSkills());
    EXPECT_EQ(entriesOf(s.favoriteSkills(1)), (std::vector<EntryView>{{12, 10, 2}, {5, -10, 1}}));
    EXPECT_TRUE(s.filterSkills(1).empty());
    EXPECT_EQ(s.filterSkills(2), (FilterSkillList{8, 9}));
}

TEST(StartupSettings, DamagedSectionsStopAtTheirFirstInvalidLine)
{
    const SkillCatalogue skills = makeSkills();
    // A short entry stops the section; the reader goes on after that line.
    StartupSettings s =
        loadFrom("[FavoriteSkill1]\nCount=3\n12,10,2\n5,-10\n12,15,1\n[FilterSkill2]\nCount=1\n6\n", skills);
    EXPECT_EQ(entriesOf(s.favoriteSkills(1)), (std::vector<EntryView>{{12, 10, 2}}));
    EXPECT_EQ(s.filterSkills(2), (FilterSkillList{6}));

    // An empty line or a comment ends the entries; so does a missing Count line.
    s = loadFrom("[FilterSkill1]\nCount=3\n4\n\n5\n[FilterSkill2]\nNumber=1\n6\n[FavoriteSkill2]\nCount=\n12,10,1\n",
                 skills);
    EXPECT_EQ(s.filterSkills(1), (FilterSkillList{4}));
    EXPECT_TRUE(s.filterSkills(2).empty());
    EXPECT_TRUE(s.favoriteSkills(2).entries.empty());

    // A Count that runs past the end of the file keeps what was there.
    s = loadFrom("[FilterSkill1]\nCount=5\n4\n70000\n", skills);
    EXPECT_EQ(s.filterSkills(1), (FilterSkillList{4, static_cast<uint16_t>(70000)}));

    // A header right after a header is consumed as the failed Count line.
    s = loadFrom("[FilterSkill1]\n[FilterSkill2]\nCount=1\n6\n", skills);
    EXPECT_TRUE(s.filterSkills(1).empty());
    EXPECT_TRUE(s.filterSkills(2).empty());
}

TEST(StartupSettings, SaveIntoAnUnwritablePlaceReportsAndReturnsFalse)
{
    TempDir dir;
    writeFileBytes(dir / "user", "a file where the folder should be");
    RecordingErrorReporter reporter;
    StartupSettings settings;
    EXPECT_FALSE(settings.save(UserFolder(dir / "user")));
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("user"), std::string::npos);
}

TEST(StartupSettings, FailedReplaceLeavesWhatWasThere)
{
    TempDir dir;
    UserFolder folder(dir.path());
    // A folder in the file's place cannot be replaced by the written file.
    std::filesystem::create_directories(folder.startupFile());
    writeFileBytes(folder.startupFile() / "keep.txt", "kept");
    RecordingErrorReporter reporter;
    StartupSettings settings;
    EXPECT_FALSE(settings.save(folder));
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("Startup.dat"), std::string::npos);
    EXPECT_EQ(readFileBytes(folder.startupFile() / "keep.txt"), "kept");
    // No temporary file is left behind.
    EXPECT_EQ(zeku::test::folderEntries(dir.path()).size(), 1u);
}
