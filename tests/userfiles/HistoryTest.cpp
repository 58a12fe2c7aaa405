#include "platform/TextFile.h"
#include "userfiles/LineParser.h"
#include "userfiles/NotationCheck.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/HistoryOptionScan.h"
#include "userfiles/SearchHistory.h"
#include "userfiles/SessionFile.h"
#include "userfiles/StoredPath.h"

#include "StoredDataFixture.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sameEquipment;
using zeku::test::sj;
using zeku::test::writeFileBytes;

namespace {

// Lines of `text` (CR LF or LF) as a line source.
NextLine linesOf(const std::string& text)
{
    auto stream = std::make_shared<std::istringstream>(text);
    return [stream](std::string& line) {
        if (!std::getline(*stream, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    };
}

// A combination of six empty holders.
const std::string kNothing = "0,0,0,0,0,0,0,0,0,0,0,0";

class HistoryTest : public zeku::test::StoredDataFixture {
protected:
    // The condition the golden history file holds.
    SearchCondition goldenCondition() const
    {
        SearchCondition condition;
        // Distinct values, so that a writer or reader that swaps two keys fails.
        condition.sex = 1;
        condition.job = 2;
        condition.rarity = 105;
        condition.minDefence = 50;
        condition.useJewels = true;
        condition.useExcludedItems = true;
        condition.useExcludedSkills = false; // the list is stored all the same
        condition.requireSParts = false; // likewise
        condition.maxResults = 200;
        condition.wanted = {{1, 10}, {2, -10}};
        condition.fixed.setWeapon(weapon(2));
        condition.fixed.addWeaponJewels({jewel(sj("攻撃珠"))});
        condition.fixed.setPiece(PartHead, piece(PartHead, "Alpha Cap", kSexMale));
        condition.excludedItems.add(*piece(PartBody, "Plate"));
        condition.excludedItems.add(*piece(PartWaist, "Belt", kSexFemale));
        condition.excludedItems.add(*jewel(sj("表珠")));
        condition.excludedSkills.add(3, 15);
        condition.excludedSkills.add(1, -10);
        condition.sParts.add(*piece(PartLeg, sj("表グリーヴ"), kSexMale));
        condition.sParts.add(*piece(PartHead, sj("ソウルヘルム")));
        return condition;
    }

    // The three results of the golden file, in result order.
    std::vector<EquipSet> goldenResults() const
    {
        EquipSet second;
        second.setWeapon(weapon(2));
        second.addWeaponJewels({jewel(sj("攻撃珠"))});
        second.setPiece(PartHead, piece(PartHead, sj("ソウルヘルム")));
        second.addPieceJewels(PartHead, {jewel(sj("表珠"))});
        second.setPiece(PartBody, piece(PartBody, "Plate"));
        second.addPieceJewels(PartBody, {jewel(sj("攻撃珠"))});
        EquipSet third;
        third.setPiece(PartHead, piece(PartHead, sj("ソウルヘルム"), kSexFemale));
        return {fullSet(), second, third};
    }

    void fill(SearchResultStore& store, const std::vector<EquipSet>& sets)
    {
        for (const EquipSet& set : sets)
            store.append(set, m_master.skills());
    }

    // Installs `text` as the history file of index entry 0.
    void installHistory(const std::string& text)
    {
        std::filesystem::create_directories(m_folder.historyFolder());
        writeFileBytes(m_folder.historyFolder() / "h.dat", text);
        writeFileBytes(m_folder.historyFolder() / "index.dat",
                       crlf({"Version=0.047", "", "title=user\\SearchHistory\\h.dat,comment"}));
    }

    std::unique_ptr<StoredSearch> read(const std::string& text)
    {
        auto search = std::make_unique<StoredSearch>();
        if (!readSearchHistory(linesOf(text), m_master, *search))
            return nullptr;
        return search;
    }

    // A well-formed file around the given [Condition] lines and [Records] lines.
    static std::string fileWith(std::initializer_list<std::string> condition,
                                std::initializer_list<std::string> records = {"Count=1", "0,0,3,0,0,0,0,0,0,0,0,0"})
    {
        std::string text = crlf({"Version=0.047", "[DataBase]", "Count=1", "113=Alpha Cap", "[Condition]"});
        text += crlf(condition);
        text += crlf({"[Records]"});
        text += crlf(records);
        return text;
    }
};

TEST_F(HistoryTest, SavedFileMatchesGoldenFile)
{
    SearchResultStore results;
    fill(results, goldenResults());
    ASSERT_TRUE(
        saveSearchHistory(m_folder, m_master, goldenCondition(), results, sj("全部入り"), sj("固定と除外あり")));
    EXPECT_EQ(readFileBytes(m_folder.historyFolder() / "20261207093015123_全部入り.dat"),
              readFileBytes(golden("history/full.dat")));

    m_clock.set(LocalTime{2026, 12, 7, 9, 30, 15, 124});
    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, goldenCondition(), results, sj("短い"), ""));
    EXPECT_EQ(readFileBytes(m_folder.historyFolder() / "index.dat"), readFileBytes(golden("history/index.dat")));
}

TEST_F(HistoryTest, ExactJewelOptionFollowsTheRecordsAndLoadsBack)
{
    SearchResultStore results;
    fill(results, goldenResults());
    SearchCondition exact = goldenCondition();
    exact.exactJewels = true;
    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, exact, results, "t", ""));
    // The default file's bytes, then the option: older readers skip it.
    EXPECT_EQ(readFileBytes(m_folder.historyFolder() / "20261207093015123_t.dat"),
              readFileBytes(golden("history/full.dat")) + "[Option]\r\nExactJewel=1\r\n");
    auto search = loadSearchHistory(m_folder, m_master, 0);
    ASSERT_TRUE(search);
    EXPECT_TRUE(search->condition.exactJewels);
    // The key counts only inside its section.
    auto outside = read(fileWith({"Sex=1", "Job=1", "Rare=0", "Def=0", "MaxDisp=10", "Jewel=1", "ExclusiveItem=0",
                                  "ExclusiveSkill=0", "SParts=0"},
                                 {"Count=1", "0,0,3,0,0,0,0,0,0,0,0,0", "ExactJewel=1", "[Option]", "ExactJewel=0"}));
    ASSERT_TRUE(outside);
    EXPECT_FALSE(outside->condition.exactJewels);
}

// The organiser's quick look at the option agrees with the full reader on
// where the key counts: saved files, and hand-edited sections around it.
TEST_F(HistoryTest, OptionScanAgreesWithTheReader)
{
    const std::string condition = "SParts=0";
    const std::string plain = fileWith({"Jewel=1", condition});
    // Exact fitting needs jewels: with them off the option is read as off.
    const std::string jewelsOff = fileWith({"Jewel=0", condition}) + crlf({"[Option]", "ExactJewel=1"});
    EXPECT_FALSE(read(jewelsOff)->condition.exactJewels);
    EXPECT_TRUE(read(plain + crlf({"[Option]", "ExactJewel=1"}))->condition.exactJewels);
    const std::vector<std::string> texts = {
        jewelsOff,
        plain,
        plain + crlf({"[Option]", "ExactJewel=1"}),
        plain + crlf({"[Option]", "ExactJewel=0"}),
        plain + crlf({"[Option]", "ExactJewel=1", "ExactJewel=0"}),
        plain + crlf({"[Option]", "ExactJewel=2"}),
        plain + crlf({"[Option]", "; note", "", "ExactJewel=1"}),
        plain + crlf({"[Option]", "[Later]", "ExactJewel=1"}),
        plain + crlf({"[Option] ", "ExactJewel=1"}),
        plain + crlf({"[Option]", "ExactJewel="}),
        plain + crlf({"ExactJewel=1"}),
        crlf({"[Option]", "ExactJewel=1"}) + plain,
        fileWith({"Jewel=1", condition},
                 {"Count=1", "0,0,3,0,0,0,0,0,0,0,0,0", "ExactJewel=1", "[Option]", "ExactJewel=0"}),
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(i);
        auto search = read(texts[i]);
        ASSERT_TRUE(search);
        installHistory(texts[i]);
        SavedFileIndex index = SavedFileIndex::forHistory(m_folder);
        ASSERT_TRUE(index.load());
        EXPECT_EQ(historyEntryUsesExactJewels(index, 0), search->condition.exactJewels);
    }
    // A file that is gone counts as not exact, quietly.
    std::filesystem::remove(m_folder.historyFolder() / "h.dat");
    SavedFileIndex index = SavedFileIndex::forHistory(m_folder);
    ASSERT_TRUE(index.load());
    EXPECT_FALSE(historyEntryUsesExactJewels(index, 0));
}

TEST_F(HistoryTest, SavedConditionAndResultsLoadBackFieldByField)
{
    // The golden condition and its mirror image: every value and switch differs.
    SearchCondition mirrored = goldenCondition();
    mirrored.sex = 2;
    mirrored.job = 1;
    mirrored.rarity = 7;
    mirrored.minDefence = 3;
    mirrored.maxResults = 9;
    mirrored.useJewels = false;
    mirrored.useExcludedItems = false;
    mirrored.useExcludedSkills = true;
    mirrored.requireSParts = true;
    const std::vector<EquipSet> results = goldenResults();
    int position = 0;
    for (const SearchCondition& saved : {goldenCondition(), mirrored}) {
        SCOPED_TRACE(position);
        SearchResultStore store;
        fill(store, results);
        m_clock.set(LocalTime{2026, 12, 7, 9, 30, 16, position});
        ASSERT_TRUE(saveSearchHistory(m_folder, m_master, saved, store, "t", ""));
        auto search = loadSearchHistory(m_folder, m_master, position++);
        ASSERT_TRUE(search);
        const SearchCondition& got = search->condition;
        EXPECT_EQ(got.sex, saved.sex);
        EXPECT_EQ(got.job, saved.job);
        EXPECT_EQ(got.rarity, saved.rarity);
        EXPECT_EQ(got.minDefence, saved.minDefence);
        EXPECT_EQ(got.maxResults, saved.maxResults);
        EXPECT_EQ(got.useJewels, saved.useJewels);
        EXPECT_EQ(got.useExcludedItems, saved.useExcludedItems);
        EXPECT_EQ(got.useExcludedSkills, saved.useExcludedSkills);
        EXPECT_EQ(got.requireSParts, saved.requireSParts);
        EXPECT_TRUE(sameEquipment(got.fixed, saved.fixed));
        EXPECT_TRUE(got.excludedItems.equals(saved.excludedItems));
        EXPECT_TRUE(got.excludedSkills.equals(saved.excludedSkills));
        EXPECT_TRUE(got.sParts.equals(saved.sParts));
        SearchResultStore restored;
        restoreResults(*search, m_master.skills(), restored);
        ASSERT_EQ(restored.count(), static_cast<int32_t>(results.size()));
        for (int32_t i = 0; i < restored.count(); ++i)
            EXPECT_TRUE(sameEquipment(restored.fullSet(i), results[static_cast<std::size_t>(i)])) << "result " << i;
    }
}

TEST_F(HistoryTest, ItemsWhoseNamesRepeatComeBackAsSaved)
{
    // A jewel named twice, 3 slots then 1, and a head piece twice for men,
    // without slots then with 3: a name alone finds the first of each.
    addJewel(sj("重複珠"), 3, {{1, 3}});
    addJewel(sj("重複珠"), 1, {{1, 1}});
    addPiece(PartHead, sj("重複ヘルム"), kSexMale, kJobBoth, 0, 5, {{1, 1}});
    addPiece(PartHead, sj("重複ヘルム"), kSexMale, kJobBoth, 3, 6, {{1, 2}});
    const Jewel* small = &m_master.jewels().items().back();
    const Jewel* large = small - 1;
    const EquipItem* slotted = &m_master.equip(PartHead).items().back();
    EquipSet repeats;
    repeats.setPiece(PartHead, slotted);
    ASSERT_TRUE(repeats.addPieceJewels(PartHead, {small, small, small}));
    repeats.setPiece(PartBody, piece(PartBody, "Plate"));
    ASSERT_TRUE(repeats.addPieceJewels(PartBody, {large}));
    const std::vector<EquipSet> sets = {repeats, fullSet(), goldenResults()[1]};
    SearchCondition condition = goldenCondition();
    condition.fixed.setPiece(PartHead, slotted);
    ASSERT_TRUE(condition.fixed.addPieceJewels(PartHead, {small}));
    SearchResultStore store;
    fill(store, sets);
    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, condition, store, "t", ""));
    // Last, the ranks of the items a name alone would not find: the fixed
    // head (number 3) and its jewel (4); the 3-slot jewel is the first of its name.
    const std::string saved = readFileBytes(m_folder.historyFolder() / "20261207093015123_t.dat");
    const std::string ranks = crlf({"[NameRank]", "113=1", "604=1"});
    ASSERT_GT(saved.size(), ranks.size());
    EXPECT_EQ(saved.substr(saved.size() - ranks.size()), ranks);

    auto search = loadSearchHistory(m_folder, m_master, 0);
    ASSERT_TRUE(search);
    EXPECT_TRUE(search->missingItems.empty());
    EXPECT_TRUE(sameEquipment(search->condition.fixed, condition.fixed));
    SearchResultStore restored;
    restoreResults(*search, m_master.skills(), restored);
    ASSERT_EQ(restored.count(), static_cast<int32_t>(sets.size()));
    for (int32_t i = 0; i < restored.count(); ++i)
        EXPECT_TRUE(sameEquipment(restored.fullSet(i), sets[static_cast<std::size_t>(i)])) << "result " << i;
    // A rank the catalogue no longer has leaves the item missing, not another one in its place.
    installHistory(saved.substr(0, saved.size() - ranks.size()) + crlf({"[NameRank]", "113=7", "604=1"}));
    auto stale = loadSearchHistory(m_folder, m_master, 0);
    ASSERT_TRUE(stale);
    EXPECT_EQ(stale->missingItems, std::vector<std::string>{sj("重複ヘルム")});
}

TEST_F(HistoryTest, GoldenFileLoadsBack)
{
    installHistory(readFileBytes(golden("history/full.dat")));
    auto search = loadSearchHistory(m_folder, m_master, 0);
    ASSERT_TRUE(search);
    EXPECT_EQ(search->title, "title");
    EXPECT_EQ(search->comment, "comment");
    EXPECT_TRUE(search->missingItems.empty());

    const SearchCondition expected = goldenCondition();
    const SearchCondition& got = search->condition;
    EXPECT_EQ(got.sex, 1);
    EXPECT_EQ(got.job, 2);
    EXPECT_EQ(got.rarity, 105);
    EXPECT_EQ(got.minDefence, 50);
    EXPECT_EQ(got.maxResults, 200u);
    EXPECT_TRUE(got.useJewels && got.useExcludedItems);
    EXPECT_FALSE(got.useExcludedSkills);
    EXPECT_FALSE(got.requireSParts);
    ASSERT_EQ(got.wanted.size(), 2u);
    EXPECT_EQ(got.wanted[1].treeId, 2);
    EXPECT_EQ(got.wanted[1].points, -10);
    EXPECT_TRUE(sameEquipment(got.fixed, expected.fixed));
    EXPECT_TRUE(got.excludedItems.equals(expected.excludedItems));
    EXPECT_TRUE(got.excludedSkills.equals(expected.excludedSkills));
    EXPECT_EQ(got.excludedSkills.entries()[0].treeId, 3); // list order kept
    EXPECT_TRUE(got.sParts.equals(expected.sParts));

    EXPECT_EQ(search->combinationCount, 3u);
    SearchResultStore restored;
    restoreResults(*search, m_master.skills(), restored);
    const std::vector<EquipSet> results = goldenResults();
    ASSERT_EQ(restored.count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(sameEquipment(restored.fullSet(i), results[static_cast<std::size_t>(i)])) << "result " << i;
    // The female helmet was stored with sex digit 2 and is not the first of its name.
    EXPECT_EQ(restored.fullSet(2).piece(PartHead), piece(PartHead, sj("ソウルヘルム"), kSexFemale));
}

TEST_F(HistoryTest, ConditionEndsWhereTheFileVersionSays)
{
    installHistory(readFileBytes(golden("history/v042.dat")));
    auto v42 = loadSearchHistory(m_folder, m_master, 0);
    ASSERT_TRUE(v42);
    EXPECT_EQ(v42->condition.sex, 2);
    EXPECT_EQ(v42->condition.rarity, -3);
    EXPECT_EQ(v42->condition.maxResults, 500u);
    EXPECT_TRUE(v42->condition.useExcludedSkills);
    EXPECT_FALSE(v42->condition.requireSParts); // the SParts line is outside the section
    EXPECT_TRUE(v42->condition.excludedItems.containsJewelName(sj("攻撃珠")));
    EXPECT_TRUE(v42->condition.excludedSkills.contains(2, -10));
    ASSERT_EQ(v42->combinations.size(), 2u);
    SearchResultStore restored;
    restoreResults(*v42, m_master.skills(), restored);
    ASSERT_EQ(restored.count(), 2);
    EXPECT_EQ(restored.fullSet(0).weapon(), weapon(1));
    EXPECT_EQ(restored.fullSet(1).pieceSlots(PartHead).jewels, std::vector<const Jewel*>{jewel(sj("攻撃珠"))});

    installHistory(readFileBytes(golden("history/v039.dat")));
    auto v39 = loadSearchHistory(m_folder, m_master, 0);
    ASSERT_TRUE(v39);
    EXPECT_EQ(v39->condition.minDefence, 10);
    EXPECT_EQ(v39->condition.wanted.size(), 2u);
    EXPECT_EQ(v39->condition.fixed.piece(PartHead), piece(PartHead, "Alpha Cap", kSexMale));
    EXPECT_EQ(v39->condition.maxResults, kDefaultMaxResults); // MaxDisp follows the section end
    EXPECT_FALSE(v39->condition.useJewels);
    ASSERT_EQ(v39->combinations.size(), 1u);

    // The same 0.039 layout read as a current file runs into "[Records]" inside [Condition].
    std::string current = readFileBytes(golden("history/v039.dat"));
    current.replace(current.find("0.039"), 5, "0.047");
    EXPECT_FALSE(read(current));
}

TEST_F(HistoryTest, VersionNumbers)
{
    EXPECT_EQ(historyVersionNumber("0.047"), 47);
    EXPECT_EQ(historyVersionNumber("1.2"), 1002);
    EXPECT_EQ(historyVersionNumber("47"), 0);
    EXPECT_EQ(historyVersionNumber(""), 0);
    EXPECT_EQ(historyVersionNumber("x.y"), 0);
    // A number too large for the version is no version (the file is damaged).
    EXPECT_EQ(historyVersionNumber("2147483.647"), 2147483647);
    EXPECT_EQ(historyVersionNumber("2147483.648"), kDamagedVersion);
    EXPECT_EQ(historyVersionNumber("99999999999.047"), kDamagedVersion);
    EXPECT_EQ(historyVersionNumber("0.99999999999"), kDamagedVersion);
    EXPECT_EQ(historyVersionNumber("-1.047"), kDamagedVersion);

    // No version line: the condition ends after FixParts.
    auto search = read(crlf({"[DataBase]", "Count=0", "[Condition]", "Sex=2", "FixParts=" + kNothing, "MaxDisp=5",
                             "[Records]", "Count=1", kNothing}));
    ASSERT_TRUE(search);
    EXPECT_EQ(search->condition.sex, 2);
    EXPECT_EQ(search->condition.maxResults, kDefaultMaxResults);
}

TEST_F(HistoryTest, MalformedSectionsFailTheWholeLoad)
{
    const std::string endOfCondition = "SParts=0";
    struct Case {
        const char* what;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"empty line in [Condition]", fileWith({"Sex=1", "", endOfCondition})},
        {"comment line in [Condition]", fileWith({"Sex=1", "; note", endOfCondition})},
        {"unknown key in [Condition]", fileWith({"Sex=1", "Colour=3", endOfCondition})},
        {"key without field in [Condition]", fileWith({"Sex=", endOfCondition})},
        {"odd Skill fields", fileWith({"Skill=1,10,2", endOfCondition})},
        {"[Condition] cut short", crlf({"Version=0.047", "[Condition]", "Sex=1"})},
        {"Count=0 in [Records]", fileWith({endOfCondition}, {"Count=0"})},
        {"negative count in [Records]", fileWith({endOfCondition}, {"Count=-1", "0,0"})},
        {"no Count in [Records]", fileWith({endOfCondition}, {"Number=1", "0,0"})},
        {"empty line in [Records]", fileWith({endOfCondition}, {"Count=2", "0,0", "", "0,0"})},
        {"comment line in [Records]", fileWith({endOfCondition}, {"Count=2", "# x", "0,0", "0,0"})},
        {"[Records] cut short", fileWith({endOfCondition}, {"Count=3", "0,0", "0,0"})},
        {"empty line in [DataBase]", crlf({"[DataBase]", "Count=2", "113=Alpha Cap", "", "205=Plate"})},
        {"comment line in [DataBase]", crlf({"[DataBase]", "Count=2", "#113=Alpha Cap", "205=Plate"})},
        {"empty key in [DataBase]", crlf({"[DataBase]", "Count=1", "=Plate"})},
        {"no Count in [DataBase]", crlf({"[DataBase]", "113=Alpha Cap"})},
        {"[DataBase] cut short", crlf({"[DataBase]", "Count=2", "113=Alpha Cap"})},
        {"bad Count line in [ExclusiveItem]", crlf({"[ExclusiveItem]", "20=Plate"})},
        // Lines that would silently change or drop results.
        {"record cut short", fileWith({endOfCondition}, {"Count=1", "0,0,3,0,0,0,0,0,0,0"})},
        {"record with a seventh group", fileWith({endOfCondition}, {"Count=1", kNothing + ",0,0"})},
        {"item number past 16 bits", fileWith({endOfCondition}, {"Count=1", "0,0,65539,0,0,0,0,0,0,0,0,0"})},
        {"absurd jewel count", fileWith({endOfCondition}, {"Count=1", "0,0,3,99,0,0,0,0,0,0,0,0"})},
        {"jewel count that swallows holders", fileWith({endOfCondition}, {"Count=1", "0,0,3,2,0,0,0,0,0,0,0,0"})},
        {"jewels on an empty holder", fileWith({endOfCondition}, {"Count=1", "0,1,3,3,0,0,0,0,0,0,0,0,0"})},
        {"signed number in a record", fileWith({endOfCondition}, {"Count=1", "0,0,+3,0,0,0,0,0,0,0,0,0"})},
        {"FixParts cut short", fileWith({"FixParts=0,0", endOfCondition})},
        {"unknown kind digit", crlf({"[DataBase]", "Count=1", "908=Plate"})},
        {"item key past 16 bits", crlf({"[DataBase]", "Count=1", "2065536=Plate"})},
        {"item key without number", crlf({"[DataBase]", "Count=1", "20=Plate"})},
        {"kind digit 7", crlf({"[DataBase]", "Count=1", "708=Plate"})},
        {"jewel number 0 in a record", fileWith({endOfCondition}, {"Count=1", "0,0,3,1,0,0,0,0,0,0,0,0,0"})},
        {"version too large", "Version=99999999999.047\r\n" + fileWith({endOfCondition}).substr(15)},
        {"version twice", "Version=0.047\r\n" + fileWith({endOfCondition})},
        {"[Records] twice", fileWith({endOfCondition}) + crlf({"[Records]", "Count=1", kNothing})},
        {"[Condition] twice", fileWith({endOfCondition}) + crlf({"[Condition]", endOfCondition})},
        {"[ExclusiveSkill] twice",
         fileWith({endOfCondition}) + crlf({"[ExclusiveSkill]", "Count=0", "[ExclusiveSkill]", "Count=0"})},
        // Rarity codes no rarity choice offers, each next to an offered one.
        {"rarity 15", fileWith({"Rare=15", endOfCondition})},
        {"rarity 150", fileWith({"Rare=150", endOfCondition})},
        {"rarity 9", fileWith({"Rare=9", endOfCondition})},
        {"rarity -8", fileWith({"Rare=-8", endOfCondition})},
        {"rarity 101", fileWith({"Rare=101", endOfCondition})},
        {"rarity 109", fileWith({"Rare=109", endOfCondition})},
        {"rank that is no number", fileWith({endOfCondition}) + crlf({"[NameRank]", "113=x"})},
        {"rank past 16 bits", fileWith({endOfCondition}) + crlf({"[NameRank]", "113=65536"})},
        {"rank with no item key", fileWith({endOfCondition}) + crlf({"[NameRank]", "Count=1"})},
        {"[NameRank] twice", fileWith({endOfCondition}) + crlf({"[NameRank]", "[NameRank]"})},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(read(c.text)) << c.what;

    // The well-formed neighbours of those cases load.
    EXPECT_TRUE(read(fileWith({"Sex=1", endOfCondition})));
    for (const char* rare : {"Rare=0", "Rare=8", "Rare=-7", "Rare=102", "Rare=108"})
        EXPECT_TRUE(read(fileWith({rare, endOfCondition}))) << rare;
    EXPECT_TRUE(read(fileWith({endOfCondition}) + crlf({"[NameRank]", "113=0", "[Later]", "x"})));
    int failedLine = 0;
    StoredSearch damaged;
    EXPECT_FALSE(
        readSearchHistory(linesOf(fileWith({"Sex=1", "Rare=150", endOfCondition})), m_master, damaged, &failedLine));
    EXPECT_EQ(failedLine, 7);
    EXPECT_TRUE(read(crlf({"[DataBase]", "Count=0", "[Records]", "Count=1", kNothing})));
    EXPECT_TRUE(read(fileWith({endOfCondition}, {"Count=1", "1,3,9,9,9,2,1,65535,0,0,0,0,0,0,0,0"})));
    // A section this version does not know, after [Records], is skipped.
    EXPECT_TRUE(read(fileWith({endOfCondition}) + crlf({"[Option]", "ExactJewel=1"})));

    // Through the file: a damaged entry is reported with its file and line, and
    // so is a file that holds no search at all.
    RecordingErrorReporter reporter;
    installHistory(cases[0].text);
    EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 0));
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("h.dat: 7行目"), std::string::npos) << reporter.fileErrors[0];
    // Damage on the first line is reported as line 1, and an over-long line
    // as soon as it is met.
    installHistory("Version=99999999999.047\r\n" + fileWith({endOfCondition}).substr(15));
    EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 0));
    EXPECT_NE(reporter.fileErrors.back().find("h.dat: 1行目"), std::string::npos) << reporter.fileErrors.back();
    installHistory(crlf({"Version=0.047", "[DataBase]", "Count=0", std::string(kMaxTextLineBytes + 1, '0')}));
    EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 0));
    EXPECT_NE(reporter.fileErrors.back().find("h.dat: 4行目"), std::string::npos) << reporter.fileErrors.back();
    reporter.fileErrors.resize(1);
    for (const std::string& nothing : {std::string(), std::string("\r\r\r"), std::string("\x01junk\xff\n")}) {
        installHistory(nothing);
        EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 0));
        EXPECT_NE(reporter.fileErrors.back().find("h.dat: "), std::string::npos);
    }
    EXPECT_EQ(reporter.fileErrors.size(), 4u);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(HistoryTest, AFileOf999999ResultsLoadsWholeOrFailsWhenDamaged)
{
    // The golden file's header and its three records repeated to 999,999.
    const std::string file = readFileBytes(golden("history/full.dat"));
    const std::string header = file.substr(0, file.find("[Records]"));
    const std::string records[] = {"1,2,2,2,3,1,4,5,0,0,0,6,1,7,8,0\r\n", "1,1,2,9,1,7,5,1,2,0,0,0,0,0,0\r\n",
                                   "0,0,10,0,0,0,0,0,0,0,0,0\r\n"};
    constexpr int kCount = 999999;
    std::string body;
    for (int i = 0; i < kCount; ++i)
        body += records[i % 3];
    auto withRecords = [&](int count, const std::string& lines) {
        return header + "[Records]\r\nCount=" + std::to_string(count) + "\r\n" + lines;
    };

    auto whole = read(withRecords(kCount, body));
    ASSERT_TRUE(whole);
    SearchResultStore restored;
    restoreResults(*whole, m_master.skills(), restored);
    ASSERT_EQ(restored.count(), kCount);
    const std::vector<EquipSet> expected = goldenResults();
    for (int i : {0, 1, 2, 10000, 10001, kCount - 1})
        EXPECT_TRUE(sameEquipment(restored.fullSet(i), expected[static_cast<std::size_t>(i % 3)])) << i;

    // Damaged copies fail as a whole, as a short file does.
    const std::string cutMidLine = body.substr(0, body.size() / 2 + 7);
    std::string blankLine = body;
    blankLine.insert(body.find("\r\n", body.size() / 2) + 2, "\r\n");
    EXPECT_FALSE(read(withRecords(kCount, cutMidLine))) << "cut in the middle of a line";
    EXPECT_FALSE(read(withRecords(kCount, body.substr(0, body.size() - records[2].size())))) << "last line missing";
    EXPECT_FALSE(read(withRecords(kCount, blankLine))) << "empty line inside";
    // A record that names an item the data base lacks is dropped on restore.
    std::string unknownItem = body;
    unknownItem.replace(body.size() - records[2].size(), records[2].size(), "0,0,99,0,0,0,0,0,0,0,0,0\r\n");
    auto partial = read(withRecords(kCount, unknownItem));
    ASSERT_TRUE(partial);
    SearchResultStore fewer;
    restoreResults(*partial, m_master.skills(), fewer);
    EXPECT_EQ(fewer.count(), kCount - 1);
}

TEST_F(HistoryTest, StandingListsSkipWhatTheyCannotUse)
{
    auto search = read(crlf({
        "[ExclusiveItem]",
        "Count=6",
        "",
        "=Plate",
        "20=Plate",
        sj("60=表珠"),
        "20=Missing",
        "90=Plate",
        "20=late",
        "[ExclusiveSkill]",
        "Count=3",
        "5",
        "5,7",
        "#",
        "6,-8",
        "[SParts]",
        "Count=9",
        "12=Alpha Cap",
        "11=Alpha Cap",
        "21=Alpha Cap",
        sj("60=表珠"),
    }));
    ASSERT_TRUE(search);
    const SearchCondition& c = search->condition;
    // Six lines counted, of which "20=late" is the seventh and read as nothing.
    EXPECT_EQ(c.excludedItems.total(), 2u);
    EXPECT_TRUE(c.excludedItems.contains(*piece(PartBody, "Plate")));
    EXPECT_TRUE(c.excludedItems.contains(*jewel(sj("表珠"))));
    EXPECT_EQ(c.excludedSkills.total(), 1u); // "#" counted as the third line, "6,-8" is outside
    EXPECT_TRUE(c.excludedSkills.contains(5, 7));
    // Sex digit 2 does not find the male Alpha Cap, nor kind 2 a head piece; the
    // jewel line is no S part.
    EXPECT_EQ(c.sParts.total(), 1u);
    EXPECT_TRUE(c.sParts.contains(*piece(PartHead, "Alpha Cap", kSexMale)));
    EXPECT_TRUE(search->missingItems.empty()); // standing lists drop silently

    // A file that ends right after a list header counts as an empty list.
    EXPECT_TRUE(read(crlf({"[SParts]"})));
}

TEST_F(HistoryTest, SexDigitsAndMissingNamesInTheDataBase)
{
    auto search = read(crlf({
        "[DataBase]", "Count=6", "103=Alpha Cap", "123=Alpha Cap", sj("104=ソウルヘルム"), sj("1205=ソウルヘルム"),
        sj("606=消えた珠"), sj("007=武器スロット３"), "[Records]", "Count=4",
        "0,0,3,0,0,0,0,0,0,0,0,0", // Alpha Cap by sex digit 0
        "0,0,4,0,0,0,0,0,0,0,0,0", // the first helmet of that name
        "7,1,6,0,0,0,0,0,0,0,0,0,0", // a missing jewel drops the combination
        "7,0,5,0,0,0,0,0,0,0,0,0", // sex digit 2 found the female helmet
    }));
    ASSERT_TRUE(search);
    EXPECT_EQ(search->missingItems, (std::vector<std::string>{"Alpha Cap", sj("消えた珠")}));
    SearchResultStore restored;
    restoreResults(*search, m_master.skills(), restored);
    ASSERT_EQ(restored.count(), 3);
    EXPECT_EQ(restored.fullSet(0).piece(PartHead), piece(PartHead, "Alpha Cap", kSexMale));
    EXPECT_EQ(restored.fullSet(1).piece(PartHead), piece(PartHead, sj("ソウルヘルム")));
    EXPECT_EQ(restored.fullSet(2).weapon(), weapon(3));
    EXPECT_EQ(restored.fullSet(2).piece(PartHead), piece(PartHead, sj("ソウルヘルム"), kSexFemale));

    RecordingErrorReporter reporter;
    reportMissingItems(*search);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "以下のアイテム情報が見つからない為\n検索結果の一部が復元できませんした。\n\n"
                                    "Alpha Cap\r\n消えた珠\r\n");
    // With the number of records left out, also when no name is missing.
    EXPECT_EQ(missingItemsMessage(*search, 1), reporter.messages[0] + "\r\n復元できなかった検索結果：1件\r\n");
    EXPECT_EQ(missingItemsMessage(StoredSearch(), 2), "復元できなかった検索結果：2件\r\n");
    EXPECT_EQ(missingItemsMessage(StoredSearch(), 0), "");
}

TEST_F(HistoryTest, CombinationNotation)
{
    NumberedCombination empty = NumberedCombination::fromFields(std::vector<std::string>(12, "0"));
    for (const NumberedEntry& entry : empty.entries) {
        EXPECT_EQ(entry.item, 0);
        EXPECT_TRUE(entry.jewels.empty());
    }
    EXPECT_EQ(empty.notation(), "0,0,0,0,0,0,0,0,0,0,0,0");

    // A group whose jewels run past the end stops the reading; groups past the sixth are ignored.
    NumberedCombination cut = NumberedCombination::fromFields({"3", "2", "7", "7", "12", "3", "1"});
    EXPECT_EQ(cut.entries[0].jewels, (std::vector<uint16_t>{7, 7}));
    EXPECT_EQ(cut.entries[1].item, 0);
    std::vector<std::string> long_(16, "1");
    for (std::size_t i = 1; i < long_.size(); i += 2)
        long_[i] = "0";
    NumberedCombination seven = NumberedCombination::fromFields(long_);
    EXPECT_EQ(seven.notation(), "1,0,1,0,1,0,1,0,1,0,1,0");
    EXPECT_EQ(NumberedCombination::fromFields({"5", "-2", "9", "0"}).entries[1].item, 9);

    // Nothing fixed: FixParts of twelve zeros.
    auto search = read(fileWith({"FixParts=0,0,0,0,0,0,0,0,0,0,0,0", "SParts=1"}));
    ASSERT_TRUE(search);
    EXPECT_TRUE(sameEquipment(search->condition.fixed, EquipSet()));
}

// The flat record store against the per-holder combination it replaces: the
// same notation back and the same set (or the same failure) when resolved.
TEST_F(HistoryTest, FlatCombinationsMatchNumberedOnes)
{
    ItemNumberTable table;
    const std::string full = NumberedCombination::fromSet(fullSet(), table).notation();
    const std::vector<std::string> lines = {
        full,
        "0,0,0,0,0,0,0,0,0,0,0,0",
        "1,2,2,2,0,0,0,0,0,0,0,0,0,0", // weapon and its jewels only
        "0,0,3,1,99,0,0,0,0,0,0,0,0", // a jewel the table does not hold
        "0,0,0,0,0,0,0,0,0,0,77,0", // a leg piece the table does not hold
        "88,0,0,0,0,0,0,0,0,0,0,0", // a weapon-slot item the table does not hold
        full,
    };
    StoredCombinations flat;
    ParsedLine parsed;
    for (const std::string& line : lines) {
        ASSERT_TRUE(parseUserFileLine(line, parsed) && isWellFormedNotation(parsed.fields)) << line;
        flat.appendFields(parsed.fields);
    }
    ASSERT_EQ(flat.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i]);
        EXPECT_EQ(flat[i].notation(), lines[i]);
        parseUserFileLine(lines[i], parsed);
        EquipSet expected, actual;
        const bool resolves = NumberedCombination::fromFields(parsed.fields).resolve(table, expected);
        EXPECT_EQ(flat.resolve(i, table, actual), resolves);
        if (resolves) {
            EXPECT_TRUE(sameEquipment(actual, expected));
        }
    }
    EquipSet first;
    ASSERT_TRUE(flat.resolve(0, table, first));
    EXPECT_TRUE(sameEquipment(first, fullSet()));
}

TEST_F(HistoryTest, SavesInTheSameMillisecondGetTheirOwnFiles)
{
    SearchResultStore one;
    fill(one, {fullSet()});
    SearchResultStore two;
    fill(two, goldenResults());
    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, goldenCondition(), one, "same", ""));
    ASSERT_TRUE(saveSearchHistory(m_folder, m_master, goldenCondition(), two, "same", ""));
    SavedFileIndex index = SavedFileIndex::forHistory(m_folder);
    ASSERT_TRUE(index.load());
    ASSERT_EQ(index.count(), 2);
    EXPECT_EQ(*index.path(0), "user\\SearchHistory\\20261207093015123_same.dat");
    EXPECT_EQ(*index.path(1), "user\\SearchHistory\\20261207093015123_same_2.dat");
    EXPECT_EQ(loadSearchHistory(m_folder, m_master, 0)->combinations.size(), 1u);
    EXPECT_EQ(loadSearchHistory(m_folder, m_master, 1)->combinations.size(), 3u);
}

TEST_F(HistoryTest, FailedSavesLeaveTheIndexAlone)
{
    RecordingErrorReporter reporter;
    SearchResultStore results;
    fill(results, goldenResults());

    writeFileBytes(m_temp / "plain", "a file, not a folder");
    EXPECT_FALSE(
        saveSearchHistory(UserFolder(m_temp / "plain" / "user"), m_master, goldenCondition(), results, "t", ""));
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("SearchHistory"), std::string::npos);
}

// A fixed piece whose name holds a comma cannot be numbered into a line: both
// savers that write a condition refuse it by name and leave no file behind.
TEST_F(HistoryTest, UnstorableItemNameRefusesTheSaveByName)
{
    RecordingErrorReporter reporter;
    SearchResultStore results;
    fill(results, goldenResults());
    EquipItem comma = *piece(PartHead, "Alpha Cap", kSexMale);
    comma.name = sj("鉄,頭");
    SessionState session;
    session.condition = goldenCondition();
    session.condition.fixed.setPiece(PartHead, &comma);

    EXPECT_FALSE(saveSearchHistory(m_folder, m_master, session.condition, results, "t", ""));
    EXPECT_FALSE(saveSession(m_folder, session));
    ASSERT_EQ(reporter.messages.size(), 2u);
    for (const std::string& message : reporter.messages)
        EXPECT_NE(message.find("「鉄,頭」"), std::string::npos) << message;
    EXPECT_TRUE(reporter.fileErrors.empty());
    EXPECT_FALSE(std::filesystem::exists(m_folder.sessionFile()));
    if (std::filesystem::exists(m_folder.historyFolder())) {
        for (const auto& entry : std::filesystem::directory_iterator(m_folder.historyFolder())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name == "index.dat" || name == ".lock") << name;
        }
    }
}

TEST_F(HistoryTest, UnopenableEntryIsReported)
{
    RecordingErrorReporter reporter;
    installHistory(readFileBytes(golden("history/full.dat")));
    std::filesystem::remove(m_folder.historyFolder() / "h.dat");
    EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 0));
    ASSERT_EQ(reporter.fileErrors.size(), 1u);
    EXPECT_NE(reporter.fileErrors[0].find("h.dat"), std::string::npos);
    EXPECT_FALSE(loadSearchHistory(m_folder, m_master, 1)); // no such entry: silent
    EXPECT_EQ(reporter.fileErrors.size(), 1u);
}

} // namespace
