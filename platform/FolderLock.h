#pragma once
// An exclusive lock across processes on one folder of user files.
//
// Every read-modify-write of an index or list file holds it from the read to
// the rename, so that two windows, or a window and a script, never lose each
// other's entries. It is an advisory lock (flock) on the file ".lock" in the
// folder; a second holder, in this process or another, waits until the first
// lets go. The system drops the lock when its holder dies, so a killed save
// never leaves the folder locked.
//
// The lock is taken or the save is refused: a ".lock" this account cannot
// write (left by a save under another account) is locked through a read-only
// descriptor, one that is a folder is locked as the folder, and a symbolic
// link at that name is never followed, dangling or not.

#include "platform/UserMessage.h"

#include <filesystem>
#include <string>

namespace zeku {

class FolderLock {
public:
    // Waits for the lock of `folder`. When it cannot be taken, held() is false
    // and refusal() says why; the caller refuses its save.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return m_fd >= 0; }
    // The message that refuses the save, with why the lock was not taken;
    // meaningless when held.
    const UserMessage& refusal() const { return m_refusal; }
    const std::filesystem::path& file() const { return m_file; }

    // Reports through the error reporter that a save into the folder is
    // refused for want of the lock; false, for the caller to return.
    bool reportRefusal() const;

private:
    std::filesystem::path m_file;
    UserMessage m_refusal{MessageId::FolderLockSystemError, {}, {}};
    int m_fd = -1;
};

// The name of the lock file in a locked folder.
inline constexpr const char* kFolderLockName = ".lock";

} // namespace zeku
