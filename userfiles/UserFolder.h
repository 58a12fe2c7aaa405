#pragma once
// Where the user files live. The program uses "user" in the working directory;
// tests and the command-line tools may point elsewhere.

#include <filesystem>
#include <string>

namespace zeku {

class UserFolder {
public:
    explicit UserFolder(std::filesystem::path root = "user") : m_root(std::move(root)) {}

    const std::filesystem::path& root() const { return m_root; }
    std::filesystem::path exclusiveItemFile() const { return m_root / "ExclusiveItem.dat"; }
    std::filesystem::path exclusiveSkillFile() const { return m_root / "ExclusiveSkill.dat"; }
    std::filesystem::path sPartsFile() const { return m_root / "SParts.dat"; }
    std::filesystem::path startupFile() const { return m_root / "Startup.dat"; }
    std::filesystem::path sessionFile() const { return m_root / "Session.dat"; }
    std::filesystem::path favoriteFolder() const { return m_root / "Favorite"; }
    std::filesystem::path historyFolder() const { return m_root / "SearchHistory"; }

private:
    std::filesystem::path m_root;
};

} // namespace zeku
