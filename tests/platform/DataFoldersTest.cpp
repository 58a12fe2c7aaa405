#include "platform/DataFolders.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

using namespace zeku;
using zeku::test::TempDir;

namespace fs = std::filesystem;

// Each case builds some of the folders below in a scratch tree, then asks which
// folders a run in "work" uses. The program file is <root>/prefix/bin/zeku.
TEST(DataFolders, ChoosesByWorkingFolderThenDataHomeThenInstalledSample)
{
    struct Case {
        const char* name;
        bool workHasDat;
        bool dataHomeHasDat;
        bool sampleInstalled;
        const char* xdg; // relative to the scratch root; "" unset, "relative" a relative value
        const char* expectedDat;
        const char* expectedUser;
    };
    const Case cases[] = {
        {"working folder with dat/ wins", true, true, true, "xdg", "work/dat", "work/user"},
        {"data home's dat/ when there is one", false, true, false, "xdg", "xdg/zeku/dat", "xdg/zeku/user"},
        {"data home's dat/ before the installed sample", false, true, true, "xdg", "xdg/zeku/dat", "xdg/zeku/user"},
        {"installed sample otherwise", false, false, true, "xdg", "prefix/share/zeku/dat", "xdg/zeku/user"},
        {"no XDG_DATA_HOME: ~/.local/share", false, false, true, "", "prefix/share/zeku/dat",
         "home/.local/share/zeku/user"},
        {"a relative XDG_DATA_HOME is ignored", false, false, true, "relative", "prefix/share/zeku/dat",
         "home/.local/share/zeku/user"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const fs::path root = dir.path();
        fs::create_directories(root / "work");
        if (c.workHasDat)
            fs::create_directories(root / "work" / "dat");
        if (c.dataHomeHasDat)
            fs::create_directories(root / "xdg" / "zeku" / "dat");
        if (c.sampleInstalled)
            fs::create_directories(root / "prefix" / "share" / "zeku" / "dat");
        FolderEnvironment environment;
        environment.workingDir = root / "work";
        environment.xdgDataHome = std::string(c.xdg) == "relative" ? "xdg" : *c.xdg ? (root / c.xdg).string() : "";
        environment.home = (root / "home").string();
        environment.programFile = root / "prefix" / "bin" / "zeku";

        const DataFolders folders = resolveDataFolders(environment);
        EXPECT_EQ(folders.dat, root / c.expectedDat) << c.name;
        EXPECT_EQ(folders.user, root / c.expectedUser) << c.name;
    }
}

TEST(DataFolders, TheOriginalLayoutStaysRelative)
{
    // Run in a folder with dat/: the paths are the plain "dat" and "user".
    TempDir dir;
    fs::create_directories(dir / "dat");
    const fs::path previous = fs::current_path();
    fs::current_path(dir.path());
    const DataFolders folders = currentDataFolders();
    fs::current_path(previous);
    EXPECT_EQ(folders.dat, fs::path("dat"));
    EXPECT_EQ(folders.user, fs::path("user"));
}

TEST(DataFolders, WithoutHomeTheHomeComesFromThePasswordEntry)
{
    const char* saved = std::getenv("HOME");
    const std::string previous = saved ? saved : "";
    ::unsetenv("HOME");
    const FolderEnvironment environment = currentFolderEnvironment();
    if (saved)
        ::setenv("HOME", previous.c_str(), 1);
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_TRUE(entry && entry->pw_dir && *entry->pw_dir);
    EXPECT_EQ(environment.home, entry->pw_dir);
}
