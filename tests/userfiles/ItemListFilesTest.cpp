#include "userfiles/ItemListFiles.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sj;
using zeku::test::FileSizeLimit;
using zeku::test::folderEntries;
using zeku::test::TempDir;
using zeku::test::writeFileBytes;

namespace {

std::filesystem::path golden(const std::string& name)
{
    return std::filesystem::path(ZEKU_TEST_DATA_DIR) / "userfiles" / name;
}

// Lines joined with CR LF, each line ended, as the files hold them.
std::string crlf(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class ItemListFilesTest : public ::testing::Test {
protected:
    ItemListFilesTest() : m_folder(m_temp / "user")
    {
        addPiece(PartHead, "Alpha Cap", kSexMale);
        addPiece(PartHead, sj("ソウルヘルム"));
        addPiece(PartHead, sj("ソウルヘルム"), kSexFemale);
        addPiece(PartHead, "XYZ");
        addPiece(PartHead, "ABCD", kSexMale);
        addPiece(PartHead, "ABCE");
        addPiece(PartHead, "ABC");
        addPiece(PartBody, "Plate");
        addPiece(PartArm, sj("能力アーム"));
        addPiece(PartWaist, "Belt");
        addPiece(PartLeg, sj("表グリーヴ"), kSexMale);
        for (const char* name : {"防御珠", "表珠", "表珠改"}) {
            Jewel jewel;
            jewel.name = sj(name);
            m_master.mutableJewels().addItem(jewel);
        }
    }

    void addPiece(PartKind part, const std::string& name, uint16_t sex = 0)
    {
        EquipItem item;
        item.name = name;
        item.sex = sex;
        m_master.mutableEquip(part).addItem(item);
    }

    // The catalogue record of `part` with that name and sex.
    const EquipItem& piece(PartKind part, const std::string& name, uint16_t sex = 0) const
    {
        for (const EquipItem& item : m_master.equip(part).items())
            if (item.name == name && item.sex == sex)
                return item;
        throw std::logic_error("no such piece in the test catalogue");
    }

    const Jewel& jewel(const std::string& name) const
    {
        for (const Jewel& j : m_master.jewels().items())
            if (j.name == name)
                return j;
        throw std::logic_error("no such jewel in the test catalogue");
    }

    // The pieces the golden ExclusiveItem.dat and SParts.dat hold.
    void addGoldenPieces(SPartSet& set) const
    {
        set.add(piece(PartHead, "Alpha Cap", kSexMale));
        set.add(piece(PartHead, sj("ソウルヘルム")));
        set.add(piece(PartHead, sj("ソウルヘルム"), kSexFemale));
        set.add(piece(PartArm, sj("能力アーム")));
        set.add(piece(PartLeg, sj("表グリーヴ"), kSexMale));
    }

    ExclusionSet goldenExclusions() const
    {
        ExclusionSet set;
        addGoldenPieces(set);
        set.add(jewel(sj("防御珠")));
        set.add(jewel(sj("表珠")));
        return set;
    }

    ExclusionSet loadExclusions(const std::string& fileBytes)
    {
        writeFileBytes(m_folder.exclusiveItemFile(), fileBytes);
        ExclusionSet set;
        EXPECT_TRUE(loadExclusionList(m_folder, m_master, set));
        return set;
    }

    SPartSet loadSParts(const std::string& fileBytes)
    {
        writeFileBytes(m_folder.sPartsFile(), fileBytes);
        SPartSet set;
        EXPECT_TRUE(loadSPartList(m_folder, m_master, set));
        return set;
    }

    ExcludedSkillList loadSkills(const std::string& fileBytes)
    {
        writeFileBytes(m_folder.exclusiveSkillFile(), fileBytes);
        ExcludedSkillList list;
        EXPECT_TRUE(loadExcludedSkills(m_folder, list));
        return list;
    }

    TempDir m_temp;
    UserFolder m_folder;
    MasterData m_master;
};

} // namespace

// --- Layouts, byte for byte -------------------------------------------------

TEST_F(ItemListFilesTest, ExclusionListIsWrittenInTheGoldenLayout)
{
    // The user folder does not exist yet: the save creates it.
    ASSERT_TRUE(saveExclusionList(m_folder, goldenExclusions()));
    EXPECT_EQ(readFileBytes(m_folder.exclusiveItemFile()), readFileBytes(golden("ExclusiveItem.dat")));
    EXPECT_EQ(folderEntries(m_folder.root()), std::vector<std::string>{"ExclusiveItem.dat"});
}

TEST_F(ItemListFilesTest, SPartListIsWrittenInTheGoldenLayout)
{
    SPartSet set;
    addGoldenPieces(set);
    ASSERT_TRUE(saveSPartList(m_folder, set));
    EXPECT_EQ(readFileBytes(m_folder.sPartsFile()), readFileBytes(golden("SParts.dat")));
}

TEST_F(ItemListFilesTest, EmptyListsStillWriteEveryHeader)
{
    ASSERT_TRUE(saveExclusionList(m_folder, ExclusionSet{}));
    EXPECT_EQ(readFileBytes(m_folder.exclusiveItemFile()), readFileBytes(golden("ExclusiveItem_empty.dat")));
    ASSERT_TRUE(saveSPartList(m_folder, SPartSet{}));
    EXPECT_EQ(readFileBytes(m_folder.sPartsFile()), readFileBytes(golden("SParts_empty.dat")));
    ASSERT_TRUE(saveExcludedSkills(m_folder, ExcludedSkillList{}));
    EXPECT_EQ(readFileBytes(m_folder.exclusiveSkillFile()), crlf({"Version=0.047", "", "[Skill]"}));

    ExclusionSet items;
    items.add(jewel(sj("表珠")));
    SPartSet parts;
    parts.add(piece(PartHead, "XYZ"));
    ExcludedSkillList skills;
    skills.add(1, 1);
    EXPECT_TRUE(loadExclusionList(m_folder, m_master, items));
    EXPECT_TRUE(loadSPartList(m_folder, m_master, parts));
    EXPECT_TRUE(loadExcludedSkills(m_folder, skills));
    EXPECT_EQ(items.total(), 0u);
    EXPECT_EQ(parts.total(), 0u);
    EXPECT_EQ(skills.total(), 0u);
}

TEST_F(ItemListFilesTest, ExcludedSkillsAreWrittenInListOrderWithSignedThresholds)
{
    ExcludedSkillList list;
    list.add(12, -10, sj("名前は書かれない"));
    list.add(65535, 3);
    list.add(7, 5);
    list.add(12, -10);
    list.add(300, -32768);
    ASSERT_TRUE(saveExcludedSkills(m_folder, list));
    EXPECT_EQ(readFileBytes(m_folder.exclusiveSkillFile()), readFileBytes(golden("ExclusiveSkill.dat")));
}

// --- Round trips ------------------------------------------------------------

TEST_F(ItemListFilesTest, GoldenFilesReadBackIntoTheSameSets)
{
    std::filesystem::create_directories(m_folder.root());
    std::filesystem::copy_file(golden("ExclusiveItem.dat"), m_folder.exclusiveItemFile());
    std::filesystem::copy_file(golden("SParts.dat"), m_folder.sPartsFile());
    std::filesystem::copy_file(golden("ExclusiveSkill.dat"), m_folder.exclusiveSkillFile());

    ExclusionSet items;
    ASSERT_TRUE(loadExclusionList(m_folder, m_master, items));
    EXPECT_TRUE(items.equals(goldenExclusions()));
    // Entries point at the catalogue's own records.
    EXPECT_EQ(items.pieces(PartHead).at(sj("ソウルヘルム") + "_2"), &piece(PartHead, sj("ソウルヘルム"), kSexFemale));
    EXPECT_EQ(items.jewels().at(sj("表珠")), &jewel(sj("表珠")));

    SPartSet parts, expected;
    addGoldenPieces(expected);
    ASSERT_TRUE(loadSPartList(m_folder, m_master, parts));
    EXPECT_TRUE(parts.equals(expected));

    ExcludedSkillList skills;
    ASSERT_TRUE(loadExcludedSkills(m_folder, skills));
    ASSERT_EQ(skills.total(), 5u);
    EXPECT_EQ(skills.entries()[1].treeId, 65535);
    EXPECT_EQ(skills.entries()[4].threshold, -32768);
    EXPECT_TRUE(skills.entries()[0].name.empty());

    // Saving what was read reproduces the files exactly.
    TempDir other;
    UserFolder again(other.path());
    ASSERT_TRUE(saveExclusionList(again, items));
    ASSERT_TRUE(saveSPartList(again, parts));
    ASSERT_TRUE(saveExcludedSkills(again, skills));
    EXPECT_EQ(readFileBytes(again.exclusiveItemFile()), readFileBytes(golden("ExclusiveItem.dat")));
    EXPECT_EQ(readFileBytes(again.sPartsFile()), readFileBytes(golden("SParts.dat")));
    EXPECT_EQ(readFileBytes(again.exclusiveSkillFile()), readFileBytes(golden("ExclusiveSkill.dat")));
}

TEST_F(ItemListFilesTest, LineFeedOnlyFilesAreRead)
{
    ExclusionSet set = loadExclusions("Version=0.047\n\n[Arm]\n" + sj("能力アーム") + "\n[Jewel]\n" + sj("防御珠"));
    EXPECT_EQ(set.total(), 2u);
    EXPECT_TRUE(set.contains(piece(PartArm, sj("能力アーム"))));
    EXPECT_TRUE(set.contains(jewel(sj("防御珠"))));
}

// --- Name matching ----------------------------------------------------------

TEST_F(ItemListFilesTest, StoredNameMatchesTheFirstPieceBeginningWithIt)
{
    // Head catalogue order: ..., XYZ, ABCD (male), ABCE, ABC.
    SPartSet set = loadSParts(crlf({"[Head]", "ABC"}));
    EXPECT_TRUE(set.contains(piece(PartHead, "ABCE")));
    EXPECT_EQ(set.total(), 1u);

    set = loadSParts(crlf({"[Head]", "ABC,1"}));
    EXPECT_TRUE(set.contains(piece(PartHead, "ABCD", kSexMale)));
    EXPECT_EQ(set.total(), 1u);

    // A catalogue name shorter than the stored one never matches.
    set = loadSParts(crlf({"[Head]", "ABCDE,1", "ABCEF", "ABCE", sj("ソ")}));
    EXPECT_EQ(set.total(), 2u);
    EXPECT_TRUE(set.contains(piece(PartHead, "ABCE")));
    EXPECT_TRUE(set.contains(piece(PartHead, sj("ソウルヘルム"))));
}

TEST_F(ItemListFilesTest, SexValueMustMatchAsSixteenBits)
{
    const std::string helm = sj("ソウルヘルム");
    ExclusionSet set = loadExclusions(crlf({"[Head]", helm + ",1"}));
    EXPECT_EQ(set.total(), 0u) << "no male-only helm exists";

    set = loadExclusions(crlf({"[Head]", helm + ",2"}));
    EXPECT_TRUE(set.contains(piece(PartHead, helm, kSexFemale)));
    EXPECT_FALSE(set.contains(piece(PartHead, helm)));

    // 65538 and -65534 both have the low 16 bits 2; "2x" reads as 2.
    for (const char* sex : {"65538", "-65534", "2x"}) {
        set = loadExclusions(crlf({"[Head]", helm + "," + sex}));
        EXPECT_TRUE(set.contains(piece(PartHead, helm, kSexFemale))) << sex;
        EXPECT_EQ(set.total(), 1u) << sex;
    }

    // An empty field is dropped, so the sex is the next field; "name," has none.
    set = loadExclusions(crlf({"[Head]", "Alpha Cap,,1", helm + ",", "XYZ,0,extra"}));
    EXPECT_EQ(set.total(), 3u);
    EXPECT_TRUE(set.contains(piece(PartHead, "Alpha Cap", kSexMale)));
    EXPECT_TRUE(set.contains(piece(PartHead, helm)));
    EXPECT_TRUE(set.contains(piece(PartHead, "XYZ")));
}

TEST_F(ItemListFilesTest, JewelsMatchByPrefixAndIgnoreTheNumber)
{
    // Jewel catalogue order: 防御珠, 表珠, 表珠改.
    ExclusionSet set = loadExclusions(crlf({"[Jewel]", sj("表"), sj("表珠改,7"), sj("表珠改X"), sj("防")}));
    EXPECT_EQ(set.jewels().size(), 3u);
    EXPECT_TRUE(set.contains(jewel(sj("表珠"))));
    EXPECT_TRUE(set.contains(jewel(sj("表珠改"))));
    EXPECT_TRUE(set.contains(jewel(sj("防御珠"))));
}

// --- Sections and line grammar ------------------------------------------------

TEST_F(ItemListFilesTest, EntriesGoToTheSectionTheyFollow)
{
    ExclusionSet set = loadExclusions(crlf({
        "Version=9.999",
        "XYZ", // before any section: ignored
        "[Leg]",
        sj("表グリーヴ,1"),
        "[Head]",
        "XYZ",
        "[Body]",
        "XYZ", // no body piece of that name
        "Plate",
        "[Jewel]",
        "Plate", // no jewel of that name
        sj("防御珠"),
    }));
    EXPECT_EQ(set.total(), 4u);
    EXPECT_TRUE(set.contains(piece(PartLeg, sj("表グリーヴ"), kSexMale)));
    EXPECT_TRUE(set.contains(piece(PartHead, "XYZ")));
    EXPECT_TRUE(set.contains(piece(PartBody, "Plate")));
    EXPECT_TRUE(set.contains(jewel(sj("防御珠"))));
}

TEST_F(ItemListFilesTest, HeadersAreRecognisedOnlyAsRead)
{
    // " [Head]" and "[Head] " are entries of the body section, and match nothing.
    SPartSet set = loadSParts(crlf({"[Body]", " [Head]", "[Head]\t", "Plate", "[head]", "Plate"}));
    EXPECT_EQ(set.total(), 1u);
    EXPECT_TRUE(set.contains(piece(PartBody, "Plate")));
}

TEST_F(ItemListFilesTest, CommentsBlankLinesAndVersionLinesAreSkipped)
{
    addPiece(PartHead, "Version Helm");
    ExclusionSet set = loadExclusions(crlf({
        "Version=0.047",
        "[Head]",
        ";XYZ",
        "#ABC",
        "   ",
        "\t",
        "  ;Plate",
        "Version",
        "Alpha Cap,1",
        "[Jewel]",
        "# " + sj("表珠"),
        "  " + sj("防御珠") + "  ",
    }));
    EXPECT_EQ(set.total(), 2u);
    EXPECT_TRUE(set.contains(piece(PartHead, "Alpha Cap", kSexMale)));
    EXPECT_TRUE(set.contains(jewel(sj("防御珠"))));
}

TEST_F(ItemListFilesTest, TheSameEntryTwiceIsLoadedOnce)
{
    ExclusionSet set =
        loadExclusions(crlf({"[Head]", "XYZ", "XYZ", "XY", "[Jewel]", sj("表珠"), sj("表珠"), "[Head]", "XYZ"}));
    EXPECT_EQ(set.pieces(PartHead).size(), 1u);
    EXPECT_EQ(set.jewels().size(), 1u);
}

TEST_F(ItemListFilesTest, JewelLineIsNoHeaderInTheSPartFile)
{
    const std::string file = crlf({"[Leg]", "[Jewel]", sj("表グリーヴ,1"), sj("表珠")});
    SPartSet set = loadSParts(file);
    // "[Jewel]" and the jewel name were read as leg entries and dropped; the
    // section stayed the legs.
    EXPECT_EQ(set.total(), 1u);
    EXPECT_TRUE(set.contains(piece(PartLeg, sj("表グリーヴ"), kSexMale)));

    // Proof that it is read as an entry: a leg piece whose name begins with it matches.
    addPiece(PartLeg, "[Jewel] Greaves");
    set = loadSParts(file);
    EXPECT_EQ(set.total(), 2u);
    EXPECT_TRUE(set.contains(piece(PartLeg, "[Jewel] Greaves")));

    // In the exclusion file the same line opens the jewel section.
    ExclusionSet items = loadExclusions(file);
    EXPECT_EQ(items.pieces(PartLeg).size(), 0u);
    EXPECT_EQ(items.jewels().size(), 1u);
}

TEST_F(ItemListFilesTest, LineWithoutANameIsSkipped)
{
    // "Plate=" has a key but no field.
    SPartSet set = loadSParts(crlf({"[Body]", "Plate=", ",,,", "[Head]", "y=XYZ"}));
    EXPECT_EQ(set.total(), 1u);
    EXPECT_TRUE(set.contains(piece(PartHead, "XYZ")));
}

TEST_F(ItemListFilesTest, MissingFileFailsAndEmptiesTheOutput)
{
    ExclusionSet items = goldenExclusions();
    SPartSet parts;
    addGoldenPieces(parts);
    ExcludedSkillList skills;
    skills.add(3, 3);
    EXPECT_FALSE(loadExclusionList(m_folder, m_master, items));
    EXPECT_FALSE(loadSPartList(m_folder, m_master, parts));
    EXPECT_FALSE(loadExcludedSkills(m_folder, skills));
    EXPECT_EQ(items.total(), 0u);
    EXPECT_EQ(parts.total(), 0u);
    EXPECT_EQ(skills.total(), 0u);
    EXPECT_FALSE(std::filesystem::exists(m_folder.root())) << "readers never create folders";
}

// --- Excluded skills ----------------------------------------------------------

TEST_F(ItemListFilesTest, ExcludedSkillLinesNeedATreeAndANonZeroThreshold)
{
    ExcludedSkillList list = loadSkills(crlf({
        "5,7", // before the header: still read
        "Version=0.047",
        "[Skill]",
        "12,0", // threshold 0: dropped
        "0,5", // tree 0: dropped
        "12,-10",
        "12,65536", // low 16 bits 0: dropped
        "12,65535", // low 16 bits -1
        "9", // one field: skipped
        "9,,", // one field after dropping empties
        "[Other]",
        "x,3", // tree reads as 0
        "4,2,extra",
        "12,-10", // duplicates stay
        ";12,5",
    }));
    ASSERT_EQ(list.total(), 5u);
    const auto& e = list.entries();
    EXPECT_EQ(e[0].treeId, 5);
    EXPECT_EQ(e[0].threshold, 7);
    EXPECT_EQ(e[1].treeId, 12);
    EXPECT_EQ(e[1].threshold, -10);
    EXPECT_EQ(e[2].threshold, -1);
    EXPECT_EQ(e[3].treeId, 4);
    EXPECT_EQ(e[3].threshold, 2);
    EXPECT_EQ(e[4].threshold, -10);
}

// --- Failed saves -------------------------------------------------------------

namespace {

struct SaveCase {
    const char* what;
    std::function<bool(const UserFolder&, ListFileStamp*)> save;
    std::function<std::filesystem::path(const UserFolder&)> file;
    // Reads the file as a window does at start-up (the list itself is not kept).
    std::function<bool(const UserFolder&, ListFileStamp*)> load;
};

std::vector<SaveCase> saveCases(const ExclusionSet& items, const SPartSet& parts, const ExcludedSkillList& skills,
                                const MasterData* master = nullptr)
{
    return {
        {"exclusions", [set = &items](const UserFolder& f, ListFileStamp* s) { return saveExclusionList(f, *set, s); },
         [](const UserFolder& f) { return f.exclusiveItemFile(); },
         [master](const UserFolder& f, ListFileStamp* s) {
             ExclusionSet read;
             return loadExclusionList(f, *master, read, s);
         }},
        {"s-parts", [set = &parts](const UserFolder& f, ListFileStamp* s) { return saveSPartList(f, *set, s); },
         [](const UserFolder& f) { return f.sPartsFile(); },
         [master](const UserFolder& f, ListFileStamp* s) {
             SPartSet read;
             return loadSPartList(f, *master, read, s);
         }},
        {"skills", [list = &skills](const UserFolder& f, ListFileStamp* s) { return saveExcludedSkills(f, *list, s); },
         [](const UserFolder& f) { return f.exclusiveSkillFile(); },
         [](const UserFolder& f, ListFileStamp* s) {
             ExcludedSkillList read;
             return loadExcludedSkills(f, read, s);
         }},
    };
}

} // namespace

TEST_F(ItemListFilesTest, SaveFailsWhenTheFolderCannotBeCreated)
{
    ExclusionSet items = goldenExclusions();
    SPartSet parts;
    ExcludedSkillList skills;
    writeFileBytes(m_temp / "blocker", "not a folder");
    UserFolder blocked(m_temp / "blocker" / "user");
    for (const SaveCase& c : saveCases(items, parts, skills)) {
        RecordingErrorReporter reporter;
        EXPECT_FALSE(c.save(blocked, nullptr)) << c.what;
        ASSERT_EQ(reporter.fileErrors.size(), 1u) << c.what;
        EXPECT_NE(reporter.fileErrors[0].find((m_temp / "blocker" / "user").string()), std::string::npos)
            << reporter.fileErrors[0];
    }
    EXPECT_EQ(readFileBytes(m_temp / "blocker"), "not a folder");
}

TEST_F(ItemListFilesTest, SaveFailsWhenTheTargetCannotBeReplaced)
{
    ExclusionSet items = goldenExclusions();
    SPartSet parts;
    ExcludedSkillList skills;
    for (const SaveCase& c : saveCases(items, parts, skills)) {
        // A folder sits where the file should be: the final rename fails.
        std::filesystem::create_directories(c.file(m_folder));
        writeFileBytes(c.file(m_folder) / "inside", "kept");
    }
    for (const SaveCase& c : saveCases(items, parts, skills)) {
        RecordingErrorReporter reporter;
        EXPECT_FALSE(c.save(m_folder, nullptr)) << c.what;
        ASSERT_EQ(reporter.fileErrors.size(), 1u) << c.what;
        EXPECT_EQ(reporter.fileErrors[0].rfind(c.file(m_folder).string() + ": ", 0), 0u) << reporter.fileErrors[0];
        EXPECT_EQ(readFileBytes(c.file(m_folder) / "inside"), "kept");
    }
    // No temporary file was left behind.
    EXPECT_EQ(folderEntries(m_folder.root()),
              (std::vector<std::string>{"ExclusiveItem.dat", "ExclusiveSkill.dat", "SParts.dat"}));
}

TEST_F(ItemListFilesTest, ASaveNoticesAnotherWindowsSaveSinceItsWindowRead)
{
    ExclusionSet items = goldenExclusions();
    SPartSet parts;
    addGoldenPieces(parts);
    ExcludedSkillList skills;
    skills.add(1, 1);
    const ExclusionSet noItems;
    const SPartSet noParts;
    const ExcludedSkillList noSkills;
    const std::vector<SaveCase> firstWindow = saveCases(items, parts, skills, &m_master);
    const std::vector<SaveCase> secondWindow = saveCases(noItems, noParts, noSkills, &m_master);
    RecordingErrorReporter reporter;
    for (std::size_t i = 0; i < firstWindow.size(); ++i) {
        const SaveCase& one = firstWindow[i];
        const SaveCase& two = secondWindow[i];
        ListFileStamp first, second;
        // Both windows read the list while there is no file yet.
        EXPECT_FALSE(one.load(m_folder, &first));
        EXPECT_FALSE(two.load(m_folder, &second));
        ASSERT_TRUE(one.save(m_folder, &first)) << one.what;
        ASSERT_TRUE(one.save(m_folder, &first)) << one.what; // its own save is no change
        const std::string written = readFileBytes(one.file(m_folder));

        EXPECT_FALSE(two.save(m_folder, &second)) << two.what;
        EXPECT_TRUE(second.changedElsewhere);
        EXPECT_EQ(readFileBytes(one.file(m_folder)), written);
        // Told to overwrite, it does; then the first window is the one behind.
        second.known = false;
        ASSERT_TRUE(two.save(m_folder, &second)) << two.what;
        EXPECT_NE(readFileBytes(one.file(m_folder)), written);
        EXPECT_FALSE(one.save(m_folder, &first)) << one.what;
        EXPECT_TRUE(first.changedElsewhere);
        // Read again, it saves.
        EXPECT_TRUE(one.load(m_folder, &first));
        EXPECT_TRUE(one.save(m_folder, &first)) << one.what;
        EXPECT_EQ(readFileBytes(one.file(m_folder)), written);
    }
    EXPECT_TRUE(reporter.fileErrors.empty());
}
