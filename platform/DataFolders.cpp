#include "platform/DataFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace zeku {
namespace {

std::string environmentText(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The base of the user's data files by the XDG rules: $XDG_DATA_HOME when it is
// an absolute path (a relative one is to be ignored), else ~/.local/share.
std::filesystem::path dataHome(const FolderEnvironment& environment)
{
    const std::filesystem::path xdg(environment.xdgDataHome);
    if (xdg.is_absolute())
        return xdg;
    if (!environment.home.empty())
        return std::filesystem::path(environment.home) / ".local" / "share";
    // No home at all: the working directory is the only place left.
    return environment.workingDir;
}

} // namespace

FolderEnvironment currentFolderEnvironment()
{
    FolderEnvironment environment;
    environment.xdgDataHome = environmentText("XDG_DATA_HOME");
    environment.home = environmentText("HOME");
    if (environment.home.empty())
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
            environment.home = entry->pw_dir;
    std::error_code ec;
    environment.programFile = std::filesystem::read_symlink("/proc/self/exe", ec);
    return environment;
}

DataFolders resolveDataFolders(const FolderEnvironment& environment)
{
    std::error_code ec;
    const std::filesystem::path& cwd = environment.workingDir;
    if (std::filesystem::is_directory(cwd / "dat", ec))
        return {cwd / "dat", cwd / "user"};

    const std::filesystem::path zekuHome = dataHome(environment) / "zeku";
    DataFolders folders{zekuHome / "dat", zekuHome / "user"};
    if (!std::filesystem::is_directory(folders.dat, ec))
        folders.dat = (environment.programFile.parent_path() / ".." / "share" / "zeku" / "dat").lexically_normal();
    return folders;
}

DataFolders currentDataFolders()
{
    return resolveDataFolders(currentFolderEnvironment());
}

} // namespace zeku
