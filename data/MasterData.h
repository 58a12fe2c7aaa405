#pragma once
// Owns the skill catalogue, the five equipment catalogues, the jewel catalogue
// and the weapon-slot items, and loads them in start-up order. Immutable after
// a successful load; every other part points into it.

#include "data/EquipCatalogue.h"
#include "data/SkillCatalogue.h"
#include "platform/UserMessage.h"

#include <array>
#include <filesystem>
#include <string>

namespace zeku {

// Which master file stopped the start-up load.
enum class MasterFailure { None, Skills, Equipment, Jewels };

struct MasterLoadResult {
    MasterFailure failure = MasterFailure::None;
    LoadResult detail; // file and cause of the failure

    bool ok() const { return failure == MasterFailure::None; }
    // The user-facing message for the failure (UTF-8), empty on success.
    std::string message() const { return userMessage().text; }
    // The same as a message a window words from its id.
    UserMessage userMessage() const;
};

class MasterData {
public:
    MasterData();
    MasterData(const MasterData&) = delete;
    MasterData& operator=(const MasterData&) = delete;

    // Loads SkillBase.xml, the five Equip*.xml in part order and Jewel.xml from
    // `datDir`, stopping at the first failure: later files are not opened.
    MasterLoadResult load(const std::filesystem::path& datDir);

    const SkillCatalogue& skills() const { return m_skills; }
    const EquipCatalogue& equip(int part) const { return m_equip[part]; }
    const JewelCatalogue& jewels() const { return m_jewels; }
    const WeaponSlotList& weaponSlots() const { return m_weaponSlots; }

    // For tests that build catalogues in memory.
    SkillCatalogue& mutableSkills() { return m_skills; }
    EquipCatalogue& mutableEquip(int part) { return m_equip[part]; }
    JewelCatalogue& mutableJewels() { return m_jewels; }

    // File names inside the data folder.
    static const char* const kSkillFile;
    static const std::array<const char*, kPartCount> kEquipFiles;
    static const char* const kJewelFile;

private:
    SkillCatalogue m_skills;
    std::array<EquipCatalogue, kPartCount> m_equip;
    JewelCatalogue m_jewels;
    WeaponSlotList m_weaponSlots;
};

} // namespace zeku
