// The bundled sample in dat/ and the generator that writes it.

#include "data/MasterData.h"
#include "support/TestSupport.h"
#include "tools/SampleDataGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace zeku {
namespace {

class BundledSample : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_master = std::make_unique<MasterData>();
        s_loaded = s_master->load(test::sourceDir() / "dat");
    }
    static void TearDownTestSuite() { s_master.reset(); }

    void SetUp() override { ASSERT_TRUE(s_loaded.ok()) << s_loaded.detail.file << ": " << s_loaded.detail.cause; }

    static const MasterData& master() { return *s_master; }

    static std::unique_ptr<MasterData> s_master;
    static MasterLoadResult s_loaded;
};

std::unique_ptr<MasterData> BundledSample::s_master;
MasterLoadResult BundledSample::s_loaded;

TEST_F(BundledSample, HasTheIntendedScale)
{
    EXPECT_GE(master().skills().trees().size(), 80u);
    EXPECT_LE(master().skills().trees().size(), 100u);
    for (int part = 0; part < kPartCount; ++part) {
        EXPECT_GE(master().equip(part).size(), 250u) << "part " << part;
        EXPECT_LE(master().equip(part).size(), 350u) << "part " << part;
    }
    EXPECT_GE(master().jewels().size(), 150u);
    EXPECT_LE(master().jewels().size(), 200u);
}

TEST_F(BundledSample, SkillTreesHaveUniqueIdsAndBadSkills)
{
    std::set<uint16_t> ids;
    bool threeLevels = false, badAtMinus10 = false, badAtMinus15 = false, onlyMinus10 = false;
    for (const SkillTree& tree : master().skills().trees()) {
        EXPECT_TRUE(ids.insert(tree.id).second) << "duplicate id " << tree.id;
        EXPECT_NE(tree.id, 0);
        ASSERT_FALSE(tree.activations.empty()) << "tree " << tree.id;
        int positive = 0;
        std::set<int> bad;
        for (const SkillActivation& a : tree.activations) {
            EXPECT_FALSE(a.name.empty());
            positive += a.threshold > 0;
            if (a.threshold < 0)
                bad.insert(a.threshold);
        }
        threeLevels = threeLevels || positive >= 3;
        badAtMinus10 = badAtMinus10 || bad.count(-10);
        badAtMinus15 = badAtMinus15 || bad.count(-15);
        onlyMinus10 = onlyMinus10 || bad == std::set<int>{-10};
    }
    EXPECT_TRUE(threeLevels);
    EXPECT_TRUE(badAtMinus10);
    EXPECT_TRUE(badAtMinus15);
    EXPECT_TRUE(onlyMinus10);
    // Activated skills resolve through the catalogue as the search will use them.
    const SkillTree& first = master().skills().trees().front();
    EXPECT_EQ(master().skills().activatedSkillName(first.id, 10), first.activations.front().name);
    EXPECT_EQ(master().skills().activatedSkillName(first.id, 9), "");
}

// Every point refers to a tree that exists, and every name survived the
// conversion to CP932 (an unmappable character would have become "?").
TEST_F(BundledSample, PointsReferToTreesAndNamesAreCp932)
{
    const SkillCatalogue& skills = master().skills();
    for (const SkillTree& tree : skills.trees()) {
        EXPECT_EQ(tree.name.find('?'), std::string::npos) << tree.name;
        for (const SkillActivation& a : tree.activations)
            EXPECT_EQ(a.name.find('?'), std::string::npos) << a.name;
    }
    for (int part = 0; part < kPartCount; ++part) {
        for (const EquipItem& item : master().equip(part).items()) {
            EXPECT_EQ(item.name.find('?'), std::string::npos) << item.name;
            for (const SkillPoint& p : item.skills)
                EXPECT_NE(skills.findTree(p.treeId), nullptr) << item.name << " tree " << p.treeId;
        }
    }
    for (const Jewel& jewel : master().jewels().items()) {
        EXPECT_EQ(jewel.name.find('?'), std::string::npos) << jewel.name;
        for (const SkillPoint& p : jewel.skills)
            EXPECT_NE(skills.findTree(p.treeId), nullptr) << jewel.name << " tree " << p.treeId;
    }
}

// User files name a piece by part, name and sex, and a jewel by name alone, so
// those must tell every record apart.
TEST_F(BundledSample, RecordsAreIdentifiedUniquely)
{
    for (int part = 0; part < kPartCount; ++part) {
        std::set<std::pair<std::string, uint16_t>> keys;
        for (const EquipItem& item : master().equip(part).items())
            EXPECT_TRUE(keys.insert({item.name, item.sex}).second) << "part " << part << " " << item.name;
    }
    std::set<std::string> names;
    for (const Jewel& jewel : master().jewels().items())
        EXPECT_TRUE(names.insert(jewel.name).second) << jewel.name;
}

TEST_F(BundledSample, EveryPartHasTheVarietyASearchMeets)
{
    std::set<uint16_t> rarities;
    for (int part = 0; part < kPartCount; ++part) {
        SCOPED_TRACE("part " + std::to_string(part));
        std::map<std::string, std::set<uint16_t>> sexesByName;
        std::set<uint16_t> jobs, slots;
        bool negativePoint = false, negativeResistance = false, noSkill = false;
        for (const EquipItem& item : master().equip(part).items()) {
            sexesByName[item.name].insert(item.sex);
            jobs.insert(item.job);
            slots.insert(item.slots);
            rarities.insert(item.rarity);
            EXPECT_GT(item.defence, 0) << item.name;
            negativePoint = negativePoint || std::any_of(item.skills.begin(), item.skills.end(),
                                                         [](const SkillPoint& p) { return p.points < 0; });
            negativeResistance =
                negativeResistance || *std::min_element(item.resistance.begin(), item.resistance.end()) < 0;
            noSkill = noSkill || item.skills.empty();
        }
        bool sexPair = std::any_of(sexesByName.begin(), sexesByName.end(), [](const auto& entry) {
            return entry.second.count(kSexMale) && entry.second.count(kSexFemale);
        });
        EXPECT_TRUE(sexPair) << "no name worn by both a male and a female variant";
        EXPECT_EQ(jobs, (std::set<uint16_t>{kJobBoth, kJobBlade, kJobGunner}));
        EXPECT_EQ(slots, (std::set<uint16_t>{0, 1, 2, 3}));
        EXPECT_TRUE(negativePoint);
        EXPECT_TRUE(negativeResistance);
        EXPECT_TRUE(noSkill);
        EXPECT_EQ(master().equip(part).mostSkillsOnOnePiece(), 5);
    }
    EXPECT_EQ(rarities, (std::set<uint16_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}

// A full series reaches +10 to +15 in its main skill: no single piece or jewel
// may carry enough points to make a wish trivial.
TEST_F(BundledSample, PointMagnitudesStayRealistic)
{
    for (int part = 0; part < kPartCount; ++part)
        for (const EquipItem& item : master().equip(part).items())
            for (const SkillPoint& p : item.skills)
                EXPECT_TRUE(p.points != 0 && p.points >= -3 && p.points <= 4) << item.name << " " << p.points;

    std::set<uint16_t> jewelSlots;
    int withNegative = 0;
    for (const Jewel& jewel : master().jewels().items()) {
        jewelSlots.insert(jewel.slots);
        ASSERT_FALSE(jewel.skills.empty()) << jewel.name;
        const int main = jewel.skills.front().points;
        EXPECT_GE(main, jewel.slots) << jewel.name;
        EXPECT_LE(main, 2 * jewel.slots - 1) << jewel.name;
        withNegative +=
            std::any_of(jewel.skills.begin(), jewel.skills.end(), [](const SkillPoint& p) { return p.points < 0; });
    }
    EXPECT_EQ(jewelSlots, (std::set<uint16_t>{1, 2, 3}));
    const int total = static_cast<int>(master().jewels().size());
    EXPECT_GE(withNegative * 100, total * 45) << withNegative << " of " << total;
    EXPECT_LE(withNegative * 100, total * 80) << withNegative << " of " << total;
}

TEST(SampleData, CommittedSampleIsTheGeneratorsOutput)
{
    const SampleFiles files = generateSampleFiles(kDefaultSampleSeed, 1);
    ASSERT_EQ(files.files.size(), 7u);
    for (const auto& [name, bytes] : files.files) {
        SCOPED_TRACE(name);
        EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);
        EXPECT_EQ(bytes.find('\r'), std::string::npos);
        EXPECT_EQ(bytes.back(), '\n');
        EXPECT_TRUE(test::readFileBytes(test::sourceDir() / "dat" / name) == bytes)
            << "dat/ is stale: regenerate it with zeku-gen-data --out dat";
    }
}

TEST(SampleData, SameSeedGivesTheSameBytesAndAnotherSeedDiffers)
{
    test::TempDir first, second, other;
    ASSERT_TRUE(writeSampleData(first.path(), 1234, 1).ok);
    ASSERT_TRUE(writeSampleData(second.path(), 1234, 1).ok);
    ASSERT_TRUE(writeSampleData(other.path(), 1235, 1).ok);
    for (const auto& [name, bytes] : generateSampleFiles(1234, 1).files) {
        SCOPED_TRACE(name);
        const std::string a = test::readFileBytes(first / name);
        EXPECT_TRUE(a == bytes);
        EXPECT_TRUE(a == test::readFileBytes(second / name));
        EXPECT_FALSE(a == test::readFileBytes(other / name));
    }
    // Scales below 1 are taken as 1.
    EXPECT_TRUE(generateSampleFiles(1234, 0).files == generateSampleFiles(1234, 1).files);
}

TEST(SampleData, ScaleThreeLoadsWithAboutThreeTimesThePieces)
{
    test::TempDir dir;
    const SampleWriteResult written = writeSampleData(dir.path(), kDefaultSampleSeed, 3);
    ASSERT_TRUE(written.ok) << written.error;
    const SampleFiles small = generateSampleFiles(kDefaultSampleSeed, 1);

    MasterData big;
    ASSERT_TRUE(big.load(dir.path()).ok());
    for (int part = 0; part < kPartCount; ++part) {
        const double ratio = static_cast<double>(big.equip(part).size()) / small.pieceCounts[part];
        EXPECT_GT(ratio, 2.5) << "part " << part;
        EXPECT_LT(ratio, 3.5) << "part " << part;
        EXPECT_EQ(static_cast<int>(big.equip(part).size()), written.summary.pieceCounts[part]);
    }
    const double jewelRatio = static_cast<double>(big.jewels().size()) / small.jewelCount;
    EXPECT_GT(jewelRatio, 2.5);
    EXPECT_LT(jewelRatio, 3.5);
    // Skill trees grow, but modestly.
    EXPECT_GT(static_cast<int>(big.skills().trees().size()), small.treeCount);
    EXPECT_LT(static_cast<int>(big.skills().trees().size()), 2 * small.treeCount);
}

TEST(SampleData, WriteFailsWhenTheFolderCannotBeMade)
{
    test::TempDir dir;
    test::writeFileBytes(dir / "taken", "a file where the folder should go");
    const SampleWriteResult result = writeSampleData(dir / "taken" / "dat", kDefaultSampleSeed, 1);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("taken"), std::string::npos) << result.error;
}

} // namespace
} // namespace zeku
