#include "MainWindowFixture.h"

#include <QComboBox>
#include <QTest>

namespace zeku::test {

namespace {

const char* const kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string equipFile(std::initializer_list<const char*> pieces)
{
    std::string text = std::string(kDeclaration) + "<Equip>\n";
    for (const char* piece : pieces)
        text += std::string("  ") + piece + "\n";
    return text + "</Equip>\n";
}

} // namespace

void writeSmallMasterData(const std::filesystem::path& dat)
{
    std::filesystem::create_directories(dat);
    writeFileBytes(
        dat / "SkillBase.xml",
        std::string(kDeclaration) +
            "<Skill>\n"
            "<Data ID=\"1\" Name=\"攻撃\"><Active Point=\"10\">攻撃力UP【小】</Active>"
            "<Active Point=\"15\">攻撃力UP【大】</Active><Active Point=\"-10\">攻撃力DOWN【小】</Active></Data>\n"
            "<Data ID=\"2\" Name=\"防御\"><Active Point=\"10\">防御力UP【小】</Active></Data>\n"
            "<Data ID=\"3\" Name=\"採取\"></Data>\n"
            "</Skill>\n");
    writeFileBytes(
        dat / "EquipHead.xml",
        equipFile({"<Data Name=\"鉄頭\" Def=\"10\" Rare=\"1\" Slot=\"1\"><Skill SID=\"1\" Point=\"3\"/></Data>",
                   "<Data Name=\"男頭\" Sex=\"1\" Def=\"5\" Rare=\"2\"><Skill SID=\"1\" Point=\"5\"/></Data>",
                   "<Data Name=\"女頭\" Sex=\"2\" Def=\"5\" Rare=\"2\"><Skill SID=\"1\" Point=\"5\"/></Data>",
                   "<Data Name=\"銃頭\" Job=\"2\" Def=\"8\" Rare=\"1\"><Skill SID=\"2\" Point=\"4\"/></Data>"}));
    writeFileBytes(
        dat / "EquipBody.xml",
        equipFile({"<Data Name=\"鉄胴\" Def=\"10\" Rare=\"1\" Slot=\"1\"><Skill SID=\"1\" Point=\"3\"/></Data>",
                   "<Data Name=\"防胴\" Def=\"12\" Rare=\"1\" Slot=\"2\"><Skill SID=\"2\" Point=\"5\"/></Data>"}));
    writeFileBytes(
        dat / "EquipArm.xml",
        equipFile({"<Data Name=\"鉄腕\" Def=\"10\" Rare=\"1\" Slot=\"1\"><Skill SID=\"1\" Point=\"2\"/></Data>"}));
    writeFileBytes(
        dat / "EquipWst.xml",
        equipFile({"<Data Name=\"鉄腰\" Def=\"10\" Rare=\"1\"><Skill SID=\"1\" Point=\"2\"/></Data>",
                   "<Data Name=\"防腰\" Def=\"9\" Rare=\"1\" Slot=\"1\"><Skill SID=\"2\" Point=\"3\"/></Data>"}));
    writeFileBytes(
        dat / "EquipLeg.xml",
        equipFile({"<Data Name=\"鉄脚\" Def=\"10\" Rare=\"1\" Slot=\"1\"><Skill SID=\"1\" Point=\"2\"/></Data>",
                   "<Data Name=\"防脚\" Def=\"9\" Rare=\"1\" Slot=\"1\"><Skill SID=\"2\" Point=\"3\"/></Data>"}));
    writeFileBytes(dat / "Jewel.xml",
                   std::string(kDeclaration) +
                       "<Jewel>\n"
                       "<Data Name=\"攻撃珠\" Rare=\"1\" Slot=\"1\"><Skill SID=\"1\" Point=\"1\"/></Data>\n"
                       "<Data Name=\"防御珠\" Rare=\"1\" Slot=\"1\"><Skill SID=\"2\" Point=\"1\"/></Data>\n"
                       "</Jewel>\n");
}

std::filesystem::path sampleDatFolder()
{
    return std::filesystem::path(ZEKU_SOURCE_DIR) / "dat";
}

AppFixture::AppFixture()
{
    writeSmallMasterData(m_dir / "dat");
    std::filesystem::create_directories(m_dir / "user");
    m_app = std::make_unique<CSimulatorApp>(m_dir.path());
    if (!m_app->startUp())
        qFatal("the small master data did not load");
}

AppFixture::AppFixture(const std::filesystem::path& datFolder)
{
    std::filesystem::copy(datFolder, m_dir / "dat");
    std::filesystem::create_directories(m_dir / "user");
    m_app = std::make_unique<CSimulatorApp>(m_dir.path());
    if (!m_app->startUp())
        qFatal("the master data of %s did not load", datFolder.string().c_str());
}

const EquipItem* AppFixture::piece(int part, const char* utf8Name) const
{
    const std::string name = sj(utf8Name);
    for (const EquipItem& item : m_app->equip(static_cast<PartKind>(part)).items())
        if (item.name == name)
            return &item;
    qFatal("no piece %s", utf8Name);
    return nullptr;
}

void clickControl(const QWidget& window, int id)
{
    auto* button = ctl<QAbstractButton>(window, id);
    if (!button->isEnabled())
        qFatal("control %d is disabled", id);
    button->click();
}

void addWantedSkill(const QWidget& window, const QString& tree, const QString& skill)
{
    auto* trees = ctl<QComboBox>(window, 1062);
    trees->setCurrentIndex(trees->findText(tree));
    auto* skills = ctl<QComboBox>(window, 1106);
    skills->setCurrentIndex(skills->findText(skill));
    clickControl(window, 1067);
}

} // namespace zeku::test
