#pragma once
// An exclusive lock across processes on one folder of user files.
//
// Every read-modify-write of an index or list file holds it from the read to
// the rename, so that two windows, or a window and a script, never lose each
// other's entries. It is an advisory lock (flock) on the file ".lock" in the
// folder; a second holder, in this process or another, waits until the first
// lets go. The system drops the lock when its holder dies, so a killed save
// never leaves the folder locked.

#include <filesystem>

namespace zeku {

class FolderLock {
public:
    // Waits for the lock of `folder`. When the lock file cannot be made (a
    // read-only folder) the holder goes on without it: the write that follows
    // fails and reports on its own.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The name of the lock file in a locked folder.
inline constexpr const char* kFolderLockName = ".lock";

} // namespace zeku
