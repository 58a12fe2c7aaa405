#pragma once
// A small in-memory catalogue and a pinned clock for the tests of favourites,
// search-history files and their indexes.

#include "data/MasterData.h"
#include "platform/Clock.h"
#include "search/EquipSet.h"
#include "support/TestSupport.h"
#include "userfiles/UserFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace zeku::test {

class StoredDataFixture : public ::testing::Test {
protected:
    StoredDataFixture() : m_folder(m_temp / "user")
    {
        setLocalClock(&m_clock);
        m_clock.set(LocalTime{2026, 12, 7, 9, 30, 15, 123});

        SkillTree attack{1, sj("攻撃"), {}};
        attack.activations = {{1, 10, sj("攻撃力UP【小】")}, {1, 15, sj("攻撃力UP【中】")}, {1, -10, sj("攻撃力DOWN")}};
        m_master.mutableSkills().addTree(attack);
        SkillTree guard{2, sj("防御"), {}};
        guard.activations = {{2, 10, sj("防御力UP")}, {2, -10, sj("防御力DOWN")}};
        m_master.mutableSkills().addTree(guard);

        addPiece(PartHead, "Alpha Cap", kSexMale, kJobBlade, 1, 12, {{1, 3}});
        // The same name twice: the piece for both sexes first, then the female one.
        addPiece(PartHead, sj("ソウルヘルム"), kSexBoth, kJobBoth, 2, 20, {{2, 2}});
        addPiece(PartHead, sj("ソウルヘルム"), kSexFemale, kJobBoth, 2, 21, {{2, 3}});
        addPiece(PartBody, "Plate", kSexBoth, kJobBoth, 3, 30, {{1, 2}});
        addPiece(PartArm, sj("能力アーム"), kSexBoth, kJobGunner, 1, 8, {});
        addPiece(PartWaist, "Belt", kSexFemale, kJobGunner, 2, 10, {{2, 1}});
        addPiece(PartLeg, sj("表グリーヴ"), kSexMale, kJobBoth, 0, 15, {});
        addJewel(sj("攻撃珠"), 1, {{1, 1}});
        addJewel(sj("防御珠"), 1, {{2, 1}});
        addJewel(sj("表珠"), 2, {{1, 2}, {2, -1}});
    }
    ~StoredDataFixture() override { setLocalClock(nullptr); }

    void addPiece(PartKind part, const std::string& name, uint16_t sex, uint16_t job, uint16_t slots, uint16_t defence,
                  std::vector<SkillPoint> skills)
    {
        EquipItem item;
        item.part = part;
        item.name = name;
        item.sex = sex;
        item.job = job;
        item.slots = slots;
        item.defence = defence;
        item.skills = std::move(skills);
        m_master.mutableEquip(part).addItem(item);
    }

    void addJewel(const std::string& name, uint16_t slots, std::vector<SkillPoint> skills)
    {
        Jewel jewel;
        jewel.name = name;
        jewel.slots = slots;
        jewel.skills = std::move(skills);
        m_master.mutableJewels().addItem(jewel);
    }

    const EquipItem* piece(PartKind part, const std::string& name, uint16_t sex = kSexBoth) const
    {
        for (const EquipItem& item : m_master.equip(part).items())
            if (item.name == name && item.sex == sex)
                return &item;
        throw std::logic_error("no such piece in the test catalogue");
    }

    const Jewel* jewel(const std::string& name) const
    {
        for (const Jewel& j : m_master.jewels().items())
            if (j.name == name)
                return &j;
        throw std::logic_error("no such jewel in the test catalogue");
    }

    const WeaponSlotItem* weapon(uint16_t slots) const { return m_master.weaponSlots().forSlots(slots); }

    // Weapon with two slots and two attack jewels; Alpha Cap with a guard jewel;
    // Plate; no arm; Belt with the two-slot jewel; the leg piece.
    EquipSet fullSet() const
    {
        EquipSet set;
        set.setWeapon(weapon(2));
        set.addWeaponJewels({jewel(sj("攻撃珠")), jewel(sj("攻撃珠"))});
        set.setPiece(PartHead, piece(PartHead, "Alpha Cap", kSexMale));
        set.addPieceJewels(PartHead, {jewel(sj("防御珠"))});
        set.setPiece(PartBody, piece(PartBody, "Plate"));
        set.setPiece(PartWaist, piece(PartWaist, "Belt", kSexFemale));
        set.addPieceJewels(PartWaist, {jewel(sj("表珠"))});
        set.setPiece(PartLeg, piece(PartLeg, sj("表グリーヴ"), kSexMale));
        return set;
    }

    static std::filesystem::path golden(const std::string& relative)
    {
        return std::filesystem::path(ZEKU_TEST_DATA_DIR) / relative;
    }

    // Lines each ended with CR LF, as the files hold them.
    static std::string crlf(std::initializer_list<std::string> lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += line + "\r\n";
        return text;
    }

    TempDir m_temp;
    UserFolder m_folder;
    FixedClock m_clock;
    MasterData m_master;
};

// Two sets hold the same weapon, pieces and jewels in the same order.
inline bool sameEquipment(const EquipSet& a, const EquipSet& b)
{
    if (a.weapon() != b.weapon() || a.weaponSlots().jewels != b.weaponSlots().jewels)
        return false;
    for (int part = 0; part < kPartCount; ++part)
        if (a.piece(part) != b.piece(part) || a.pieceSlots(part).jewels != b.pieceSlots(part).jewels)
            return false;
    return true;
}

} // namespace zeku::test
