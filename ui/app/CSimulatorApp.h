#pragma once
// The application object: owns the master data and the user's standing lists
// for the whole run, loads them at start-up, and gives every window access
// to them. Catalogues do not change after start-up, so workers read them
// without locks.

#include "data/MasterData.h"
#include "platform/DataFolders.h"
#include "search/ItemSets.h"
#include "userfiles/ItemListFiles.h"
#include "userfiles/StartupSettings.h"
#include "userfiles/UserFolder.h"

#include <cstdint>
#include <filesystem>

class QWidget;

namespace zeku {

class CSimulatorApp {
public:
    // "dat" and "user" inside `baseDir` (by default the working directory).
    explicit CSimulatorApp(const std::filesystem::path& baseDir = {});
    // The given folders; the program passes those of currentDataFolders().
    explicit CSimulatorApp(const DataFolders& folders);
    CSimulatorApp(const CSimulatorApp&) = delete;
    CSimulatorApp& operator=(const CSimulatorApp&) = delete;

    // Loads the skill, equipment and jewel catalogues in that order, then the
    // three standing lists and the start-up settings. A missing master file
    // stops it: its message is shown (error icon, OK) over `messageParent`,
    // nothing further is read, and the result is false.
    bool startUp(QWidget* messageParent = nullptr);

    const MasterData& master() const { return m_master; }
    const SkillCatalogue& skills() const { return m_master.skills(); }
    const EquipCatalogue& equip(PartKind part) const { return m_master.equip(part); }
    const JewelCatalogue& jewels() const { return m_master.jewels(); }
    const WeaponSlotList& weaponSlots() const { return m_master.weaponSlots(); }

    ExclusionSet& exclusions() { return m_exclusions; }
    ExcludedSkillList& excludedSkills() { return m_excludedSkills; }
    SPartSet& sParts() { return m_sParts; }
    StartupSettings& startupSettings() { return m_startupSettings; }
    const UserFolder& userFolder() const { return m_userFolder; }
    const std::filesystem::path& datFolder() const { return m_datFolder; }

    // Whether each list editor saves to its file; on (1) at first, kept for the run only.
    int32_t& saveExclusionsToFile() { return m_saveExclusionsToFile; }
    int32_t& saveExcludedSkillsToFile() { return m_saveExcludedSkillsToFile; }
    int32_t& saveSPartsToFile() { return m_saveSPartsToFile; }

    // What this window last read or wrote of each list file, so that a save
    // notices another window's save in between.
    ListFileStamp& exclusionsStamp() { return m_exclusionsStamp; }
    ListFileStamp& excludedSkillsStamp() { return m_excludedSkillsStamp; }
    ListFileStamp& sPartsStamp() { return m_sPartsStamp; }

private:
    std::filesystem::path m_datFolder;
    UserFolder m_userFolder;
    MasterData m_master;
    int32_t m_saveExclusionsToFile = 1;
    int32_t m_saveExcludedSkillsToFile = 1;
    int32_t m_saveSPartsToFile = 1;
    ExclusionSet m_exclusions;
    ExcludedSkillList m_excludedSkills;
    SPartSet m_sParts;
    ListFileStamp m_exclusionsStamp;
    ListFileStamp m_excludedSkillsStamp;
    ListFileStamp m_sPartsStamp;
    StartupSettings m_startupSettings;
};

} // namespace zeku
