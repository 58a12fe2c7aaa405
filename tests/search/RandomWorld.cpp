#include "search/RandomWorld.h"

#include <algorithm>
#include <sstream>

namespace zeku::test {
namespace {

std::vector<SkillPoint> randomSkills(TestRandom& random, const std::vector<uint16_t>& trees, int count)
{
    std::vector<SkillPoint> skills;
    for (int i = 0; i < count; ++i) {
        SkillPoint p;
        p.treeId = random.pick(trees);
        p.points = static_cast<int16_t>(random.percent(25) ? random.range(-4, -1) : random.range(1, 6));
        if (random.percent(3))
            p.points = 0;
        skills.push_back(p);
    }
    if (!skills.empty() && random.percent(8)) // the same tree twice
        skills.push_back({skills.front().treeId, static_cast<int16_t>(random.range(-3, 4))});
    return skills;
}

void buildCatalogue(TestRandom& random, TestMaster& master, const std::vector<uint16_t>& trees)
{
    for (int part = 0; part < kPartCount; ++part) {
        const int pieces = random.range(8, 20);
        for (int i = 0; i < pieces; ++i) {
            PieceShape shape;
            shape.slots = static_cast<uint16_t>(random.range(0, 3));
            shape.defence = static_cast<uint16_t>(random.range(5, 40));
            shape.sex = static_cast<uint16_t>(random.percent(70) ? 0 : random.range(1, 2));
            shape.job = static_cast<uint16_t>(random.percent(70) ? 0 : random.range(1, 2));
            shape.rarity = static_cast<uint16_t>(random.range(1, 8));
            // Same-named pieces of different sex do occur in the data.
            const std::string name = "p" + std::to_string(part) + "_" + std::to_string(shape.sex ? i / 2 : i);
            master.piece(part, name, randomSkills(random, trees, random.range(1, 4)), shape);
        }
    }
    const int jewels = random.range(6, 15);
    for (int i = 0; i < jewels; ++i) {
        const uint16_t slots = static_cast<uint16_t>(random.percent(7) ? 0 : random.range(1, 3));
        std::vector<SkillPoint> skills;
        skills.push_back(
            {random.pick(trees),
             static_cast<int16_t>(random.percent(20) ? -random.range(1, 4) : random.range(1, 2 + 2 * slots))});
        if (random.percent(60))
            skills.push_back({random.pick(trees), static_cast<int16_t>(random.range(-3, 3))});
        if (random.percent(8))
            skills.push_back({skills.front().treeId, static_cast<int16_t>(random.range(-2, 2))});
        master.jewel("j" + std::to_string(i), skills, slots, static_cast<uint16_t>(random.range(1, 8)));
    }
}

std::vector<const Jewel*> jewelsThatFit(TestRandom& random, const MasterData& data, int freeSlots)
{
    std::vector<const Jewel*> chosen;
    const auto& all = data.jewels().items();
    for (int tries = random.range(0, 3); tries > 0; --tries) {
        const Jewel& jewel = all[static_cast<std::size_t>(random.range(0, static_cast<int>(all.size()) - 1))];
        if (jewel.slots > 0 && jewel.slots <= freeSlots) {
            chosen.push_back(&jewel);
            freeSlots -= jewel.slots;
        }
    }
    return chosen;
}

const EquipItem& randomPiece(TestRandom& random, const MasterData& data)
{
    const auto& items = data.equip(random.range(0, kPartCount - 1)).items();
    return items[static_cast<std::size_t>(random.range(0, static_cast<int>(items.size()) - 1))];
}

void buildCondition(TestRandom& random, RandomWorld& world, const std::vector<uint16_t>& trees)
{
    const MasterData& data = world.master.data();
    SearchCondition& c = world.condition;
    c.sex = static_cast<uint16_t>(random.range(1, 2));
    c.job = static_cast<uint16_t>(random.range(1, 2));
    if (random.percent(30))
        c.rarity = random.pick(std::vector<int16_t>{-5, -7, 3, 4, 103, 105});
    std::vector<uint16_t> pool = trees;
    // At most one wanted bad skill: they are rare in real searches.
    const int count = random.percent(85) ? random.range(2, 4) : 5;
    const int negative = random.percent(30) ? random.range(0, count - 1) : -1;
    for (int n = 0; n < count && pool.size() > 1; ++n) {
        const std::size_t at = static_cast<std::size_t>(random.range(0, static_cast<int>(pool.size()) - 1));
        const int16_t points = static_cast<int16_t>(n == negative ? -random.range(3, 7) : random.range(3, 12));
        c.wanted.push_back({pool[at], points});
        pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(at));
    }
    c.useJewels = random.percent(55);
    if (random.percent(30)) {
        c.fixed.setWeapon(data.weaponSlots().forSlots(static_cast<uint16_t>(random.range(1, 3))));
        c.fixed.addWeaponJewels(jewelsThatFit(random, data, c.fixed.weaponSlots().capacity));
    }
    for (int n = random.percent(30) ? random.range(1, 2) : 0; n > 0; --n) {
        const EquipItem& piece = randomPiece(random, data);
        c.fixed.setPiece(piece.part, &piece);
        c.fixed.addPieceJewels(piece.part, jewelsThatFit(random, data, piece.slots));
    }
    if (random.percent(25)) {
        c.useExcludedItems = true;
        for (int n = random.range(1, 4); n > 0; --n)
            c.excludedItems.add(randomPiece(random, data));
        for (int n = random.range(0, 2); n > 0; --n)
            c.excludedItems.add(random.pick(data.jewels().items()));
    }
    if (random.percent(20)) {
        c.useExcludedSkills = true;
        for (int n = random.range(1, 3); n > 0; --n)
            c.excludedSkills.add(random.pick(pool),
                                 static_cast<int16_t>(random.percent(50) ? random.range(3, 10) : -random.range(3, 10)));
    }
    if (random.percent(25))
        c.minDefence = static_cast<uint16_t>(random.range(10, 80));
    if (random.percent(20)) {
        c.requireSParts = true;
        for (int n = random.range(2, 8); n > 0; --n)
            c.sParts.add(randomPiece(random, data));
    }
    if (random.percent(30))
        c.maxResults = static_cast<uint32_t>(random.range(1, 12));

    std::ostringstream text;
    text << "wanted";
    for (const SkillPoint& w : c.wanted)
        text << " " << w.treeId << ":" << w.points;
    text << "; sex " << c.sex << " job " << c.job << " rarity " << c.rarity << " jewels " << c.useJewels
         << " minDefence " << c.minDefence << " max " << c.maxResults << " excludedItems "
         << (c.useExcludedItems ? c.excludedItems.total() : 0) << " excludedSkills "
         << (c.useExcludedSkills ? c.excludedSkills.total() : 0) << " sParts "
         << (c.requireSParts ? c.sParts.total() : 0) << "; fixed " << describeSet(c.fixed);
    world.summary = text.str();
}

} // namespace

std::unique_ptr<RandomWorld> makeWorld(uint64_t seed)
{
    TestRandom random(seed * 7919 + 17);
    auto world = std::make_unique<RandomWorld>();
    std::vector<uint16_t> trees;
    for (int n = random.range(5, 9); static_cast<int>(trees.size()) < n;) {
        const uint16_t id = static_cast<uint16_t>(random.range(1, 60));
        if (std::find(trees.begin(), trees.end(), id) == trees.end())
            trees.push_back(id);
    }
    world->trees = trees;
    buildCatalogue(random, world->master, trees);
    buildCondition(random, *world, trees);
    return world;
}

} // namespace zeku::test
