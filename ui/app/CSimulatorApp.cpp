#include "ui/app/CSimulatorApp.h"

#include "ui/platform/CoreMessageText.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/ItemListFiles.h"

namespace zeku {

CSimulatorApp::CSimulatorApp(const std::filesystem::path& baseDir)
    : m_datFolder(baseDir / "dat"), m_userFolder(baseDir / "user")
{
}

CSimulatorApp::CSimulatorApp(const DataFolders& folders) : m_datFolder(folders.dat), m_userFolder(folders.user)
{
}

bool CSimulatorApp::startUp(QWidget* messageParent)
{
    // The master files are mandatory and load in a fixed order; the first
    // one missing ends the start-up before anything else is opened.
    const MasterLoadResult loaded = m_master.load(m_datFolder);
    if (!loaded.ok()) {
        showMessage(messageParent, coreMessageText(loaded.userMessage()), MessageIcon::Error);
        return false;
    }

    // The user files are optional: each reader leaves an empty list or the
    // default settings when its file is missing or unreadable.
    loadExclusionList(m_userFolder, m_master, m_exclusions, &m_exclusionsStamp);
    loadExcludedSkills(m_userFolder, m_excludedSkills, &m_excludedSkillsStamp);
    loadSPartList(m_userFolder, m_master, m_sParts, &m_sPartsStamp);
    m_startupSettings.load(m_userFolder, m_master.skills());
    return true;
}

} // namespace zeku
