// Start-up of the application object: the master files in their order, the
// message and the stop after a missing one, and the optional user files.

#include "ui/app/CSimulatorApp.h"
#include "support/TestSupport.h"
#include "ui/platform/MessageBoxService.h"

#include <QTest>

#include <filesystem>

using namespace zeku;
using zeku::test::sj;
using zeku::test::TempDir;
using zeku::test::writeFileBytes;

namespace {

const char* const kMalformed = "<Equip><Data Name=\"broken\"></Equip>";

// A working folder with dat/ (one tree, one piece per part, one jewel) and
// user/ holding one entry in each standing list.
void writeWorkingFolder(const TempDir& dir)
{
    const std::filesystem::path dat = dir / "dat";
    const std::filesystem::path user = dir / "user";
    std::filesystem::create_directories(dat);
    std::filesystem::create_directories(user);
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    writeFileBytes(dat / "SkillBase.xml",
                   declaration +
                       "<Skill><Data ID=\"1\" Name=\"攻撃\"><S Point=\"10\">攻撃力UP【小】</S></Data></Skill>");
    const char* const pieces[] = {"頭防具", "胴防具", "腕防具", "腰防具", "脚防具"};
    for (int part = 0; part < kPartCount; ++part) {
        writeFileBytes(dat / MasterData::kEquipFiles[static_cast<std::size_t>(part)],
                       declaration + "<Equip><Data Name=\"" + pieces[part] +
                           "\"><Skill SID=\"1\" Point=\"2\"/></Data></Equip>");
    }
    writeFileBytes(dat / "Jewel.xml", declaration + "<Jewel><Data Name=\"攻撃珠\" Slot=\"1\"/></Jewel>");

    writeFileBytes(user / "ExclusiveItem.dat",
                   sj("Version=0.047\r\n\r\n[Head]\r\n頭防具\r\n\r\n[Jewel]\r\n攻撃珠\r\n"));
    writeFileBytes(user / "ExclusiveSkill.dat", "Version=0.047\r\n\r\n[Skill]\r\n1,10\r\n");
    writeFileBytes(user / "SParts.dat", sj("Version=0.047\r\n\r\n[Leg]\r\n脚防具\r\n"));
}

bool standingListsEmpty(CSimulatorApp& app)
{
    return app.exclusions().total() == 0 && app.excludedSkills().total() == 0 && app.sParts().total() == 0;
}

} // namespace

class TestSimulatorApp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void constructedWithEverythingEmptyAndSavingOn()
    {
        CSimulatorApp app;
        QCOMPARE(app.saveExclusionsToFile(), 1);
        QCOMPARE(app.saveExcludedSkillsToFile(), 1);
        QCOMPARE(app.saveSPartsToFile(), 1);
        QVERIFY(app.skills().trees().empty());
        QVERIFY(standingListsEmpty(app));
        QCOMPARE(app.datFolder(), std::filesystem::path("dat"));
        QCOMPARE(app.userFolder().root(), std::filesystem::path("user"));
    }

    void missingSkillFileStopsWithOnlyTheSkillMessage()
    {
        TempDir dir;
        writeWorkingFolder(dir);
        std::filesystem::remove(dir / "dat" / "SkillBase.xml");
        ScriptedMessageBoxService boxes;
        CSimulatorApp app(dir.path());
        QVERIFY(!app.startUp());

        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("スキルデータファイルがありません"));
        QCOMPARE(boxes.shown()[0].caption, QStringLiteral("ZEKU"));
        QCOMPARE(boxes.shown()[0].icon, MessageIcon::Error);
        QCOMPARE(boxes.shown()[0].buttons, MessageButtons::Ok);
        // The files after it exist but were not read.
        for (int part = 0; part < kPartCount; ++part)
            QCOMPARE(app.equip(PartKind(part)).size(), std::size_t(0));
        QCOMPARE(app.jewels().size(), std::size_t(0));
        QVERIFY(standingListsEmpty(app));
    }

    void missingArmFileStopsBeforeTheLaterFiles()
    {
        TempDir dir;
        writeWorkingFolder(dir);
        std::filesystem::remove(dir / "dat" / "EquipArm.xml");
        // Broken later files would fail under their own names if they were read.
        writeFileBytes(dir / "dat" / "EquipWst.xml", kMalformed);
        writeFileBytes(dir / "dat" / "EquipLeg.xml", kMalformed);
        writeFileBytes(dir / "dat" / "Jewel.xml", kMalformed);
        ScriptedMessageBoxService boxes;
        CSimulatorApp app(dir.path());
        QVERIFY(!app.startUp());

        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("装備データファイルがありません"));
        QCOMPARE(boxes.shown()[0].icon, MessageIcon::Error);
        QCOMPARE(app.skills().trees().size(), std::size_t(1));
        QCOMPARE(app.equip(PartHead).size(), std::size_t(1));
        QCOMPARE(app.equip(PartBody).size(), std::size_t(1));
        QCOMPARE(app.equip(PartArm).size(), std::size_t(0));
        QCOMPARE(app.equip(PartWaist).size(), std::size_t(0));
        QCOMPARE(app.equip(PartLeg).size(), std::size_t(0));
        QCOMPARE(app.jewels().size(), std::size_t(0));
        QVERIFY(standingListsEmpty(app));
    }

    void missingJewelFileShowsTheJewelMessage()
    {
        TempDir dir;
        writeWorkingFolder(dir);
        std::filesystem::remove(dir / "dat" / "Jewel.xml");
        ScriptedMessageBoxService boxes;
        CSimulatorApp app(dir.path());
        QVERIFY(!app.startUp());
        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("装飾品データファイルがありません"));
        QCOMPARE(app.equip(PartLeg).size(), std::size_t(1));
        QVERIFY(standingListsEmpty(app));
    }

    void startsWithTheMasterDataAndTheUserLists()
    {
        TempDir dir;
        writeWorkingFolder(dir);
        ScriptedMessageBoxService boxes;
        CSimulatorApp app(dir.path());
        QVERIFY(app.startUp());
        QVERIFY(boxes.shown().empty());
        QCOMPARE(app.skills().trees().size(), std::size_t(1));
        QCOMPARE(app.equip(PartLeg).items()[0].name, sj("脚防具"));
        QCOMPARE(app.jewels().size(), std::size_t(1));
        QCOMPARE(app.weaponSlots().items().size(), std::size_t(3));

        QCOMPARE(app.exclusions().total(), std::size_t(2));
        QVERIFY(app.exclusions().contains(app.equip(PartHead).items()[0]));
        QVERIFY(app.exclusions().contains(app.jewels().items()[0]));
        QVERIFY(app.excludedSkills().contains(1, 10));
        QVERIFY(app.sParts().contains(app.equip(PartLeg).items()[0]));
        QCOMPARE(app.saveExclusionsToFile(), 1);
    }

    void startsWithoutAnyUserFolder()
    {
        TempDir dir;
        writeWorkingFolder(dir);
        std::filesystem::remove_all(dir / "user");
        ScriptedMessageBoxService boxes;
        CSimulatorApp app(dir.path());
        QVERIFY(app.startUp());
        QVERIFY(boxes.shown().empty());
        QVERIFY(standingListsEmpty(app));
        QVERIFY(app.startupSettings().filterSkills(1).empty());
        // Start-up writes nothing: the folder is still absent.
        QVERIFY(!std::filesystem::exists(dir / "user"));
    }

    void startsOnACopyOfTheBundledSample()
    {
        const std::filesystem::path bundled = zeku::test::sourceDir() / "dat";
        if (!std::filesystem::exists(bundled / "SkillBase.xml"))
            QSKIP("the bundled sample data is not in dat/ yet");
        TempDir dir;
        std::filesystem::copy(bundled, dir / "dat", std::filesystem::copy_options::recursive);
        ScriptedMessageBoxService boxes;
        CSimulatorApp app(dir.path());
        QVERIFY(app.startUp());
        QVERIFY(boxes.shown().empty());
        QVERIFY(!app.skills().trees().empty());
        for (int part = 0; part < kPartCount; ++part)
            QVERIFY(app.equip(PartKind(part)).size() > 0);
        QVERIFY(app.jewels().size() > 0);
    }
};

QTEST_MAIN(TestSimulatorApp)
#include "SimulatorAppTest.moc"
