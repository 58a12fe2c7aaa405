#include "data/MasterData.h"

#include "data/XmlFixtures.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::sj;
using zeku::test::TempDir;
using zeku::test::writeXml;
using zeku::test::xmlDocument;

namespace {

const char* const kMalformed = "<Equip><Data Name=\"broken\"></Equip>";

// A complete data folder: one tree, one piece per part (named after its file), one jewel.
void writeMasterFiles(const TempDir& dir)
{
    writeXml(dir, "SkillBase.xml",
             xmlDocument("<Skill><Data ID=\"1\" Name=\"攻撃\"><S Point=\"10\">攻撃UP</S></Data></Skill>"));
    for (const char* file : MasterData::kEquipFiles) {
        writeXml(dir, file,
                 xmlDocument(std::string("<Equip><Data Name=\"") + file +
                             "\"><Skill SID=\"1\" Point=\"2\"/>"
                             "</Data></Equip>"));
    }
    writeXml(dir, "Jewel.xml", xmlDocument("<Jewel><Data Name=\"攻撃珠\" Slot=\"1\"/></Jewel>"));
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

TEST(MasterData, LoadsAllFilesInPartOrder)
{
    TempDir dir;
    writeMasterFiles(dir);
    MasterData master;
    MasterLoadResult r = master.load(dir.path());
    ASSERT_TRUE(r.ok()) << r.detail.file << ": " << r.detail.cause;
    EXPECT_EQ(r.message(), "");
    EXPECT_EQ(master.skills().trees().size(), 1u);
    const char* const expected[kPartCount] = {"EquipHead.xml", "EquipBody.xml", "EquipArm.xml", "EquipWst.xml",
                                              "EquipLeg.xml"};
    for (int part = 0; part < kPartCount; ++part) {
        ASSERT_EQ(master.equip(part).size(), 1u);
        EXPECT_EQ(master.equip(part).part(), part);
        EXPECT_EQ(master.equip(part).items()[0].name, expected[part]);
        EXPECT_EQ(master.equip(part).items()[0].part, part);
    }
    ASSERT_EQ(master.jewels().size(), 1u);
    EXPECT_EQ(master.jewels().items()[0].name, sj("攻撃珠"));
    EXPECT_EQ(master.weaponSlots().items().size(), 3u);
}

TEST(MasterData, MissingSkillFileStopsBeforeAnythingElse)
{
    TempDir dir; // nothing else is needed: the other files are never opened
    MasterData master;
    MasterLoadResult r = master.load(dir.path());
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.failure, MasterFailure::Skills);
    EXPECT_EQ(r.message(), "スキルデータファイルがありません");
    EXPECT_TRUE(endsWith(r.detail.file, "SkillBase.xml")) << r.detail.file;
    EXPECT_FALSE(r.detail.cause.empty());
}

TEST(MasterData, MissingEquipmentFileStopsBeforeTheLaterFiles)
{
    TempDir dir;
    writeMasterFiles(dir);
    std::filesystem::remove(dir / "EquipArm.xml");
    // Broken later files would fail under their own names if they were attempted.
    writeXml(dir, "EquipWst.xml", kMalformed);
    writeXml(dir, "EquipLeg.xml", kMalformed);
    writeXml(dir, "Jewel.xml", kMalformed);

    MasterData master;
    MasterLoadResult r = master.load(dir.path());
    EXPECT_EQ(r.failure, MasterFailure::Equipment);
    EXPECT_EQ(r.message(), "装備データファイルがありません");
    EXPECT_TRUE(endsWith(r.detail.file, "EquipArm.xml")) << r.detail.file;
    EXPECT_EQ(master.equip(PartHead).size(), 1u);
    EXPECT_EQ(master.equip(PartBody).size(), 1u);
    EXPECT_EQ(master.equip(PartWaist).size(), 0u);
    EXPECT_EQ(master.jewels().size(), 0u);
}

TEST(MasterData, MalformedEquipmentFileIsAnEquipmentFailure)
{
    TempDir dir;
    writeMasterFiles(dir);
    writeXml(dir, "EquipHead.xml", kMalformed);
    MasterData master;
    MasterLoadResult r = master.load(dir.path());
    EXPECT_EQ(r.failure, MasterFailure::Equipment);
    EXPECT_TRUE(endsWith(r.detail.file, "EquipHead.xml")) << r.detail.file;
}

TEST(MasterData, MissingJewelFileIsAJewelFailure)
{
    TempDir dir;
    writeMasterFiles(dir);
    std::filesystem::remove(dir / "Jewel.xml");
    MasterData master;
    MasterLoadResult r = master.load(dir.path());
    EXPECT_EQ(r.failure, MasterFailure::Jewels);
    EXPECT_EQ(r.message(), "装飾品データファイルがありません");
    EXPECT_TRUE(endsWith(r.detail.file, "Jewel.xml")) << r.detail.file;
    EXPECT_EQ(master.equip(PartLeg).size(), 1u);
}
