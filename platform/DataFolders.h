#pragma once
// Which master-data folder and which user folder a run uses. The desktop
// program and both command-line tools ask this one resolver.
//
// A working directory that holds "dat" keeps the program's original layout:
// "dat" and "user" there, as relative paths. Anywhere else the program runs as
// an installed one: master data from $XDG_DATA_HOME/zeku/dat when the user put
// a folder there, else the sample installed beside the program
// (<program folder>/../share/zeku/dat, so an unpacked or moved install works);
// user files in $XDG_DATA_HOME/zeku/user, created by the first save.

#include <filesystem>
#include <string>

namespace zeku {

struct DataFolders {
    std::filesystem::path dat;
    std::filesystem::path user;
};

// What the choice depends on; currentFolderEnvironment() reads it from the process.
struct FolderEnvironment {
    std::filesystem::path workingDir; // empty: the current directory, paths stay relative
    std::string xdgDataHome; // $XDG_DATA_HOME, may be empty
    std::string home; // $HOME (or the password entry's home)
    std::filesystem::path programFile; // the running executable
};

FolderEnvironment currentFolderEnvironment();

DataFolders resolveDataFolders(const FolderEnvironment& environment);

// resolveDataFolders(currentFolderEnvironment()).
DataFolders currentDataFolders();

} // namespace zeku
