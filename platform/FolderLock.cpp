#include "platform/FolderLock.h"

#include "platform/ErrorReport.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zeku {
namespace {

// Opens the lock file without following a symbolic link and without blocking
// on a FIFO planted there: writable when possible, else read-only (flock needs
// no write access), which also opens a folder of that name.
int openLockFile(const std::filesystem::path& file)
{
    constexpr int kCommon = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(file.c_str(), O_RDWR | O_CREAT | kCommon, 0644);
    if (fd < 0 && (errno == EACCES || errno == EISDIR || errno == EPERM || errno == EROFS))
        fd = ::open(file.c_str(), O_RDONLY | kCommon);
    return fd;
}

UserMessage lockRefusal(MessageId id, std::vector<std::string> args, const std::string& cause)
{
    return UserMessage{id, std::move(args), "フォルダーをロックできないため保存できません（" + cause + "）。"};
}

UserMessage lockRefusal(int errorNumber)
{
    return lockRefusal(MessageId::FolderLockSystemError, {std::to_string(errorNumber)}, std::strerror(errorNumber));
}

} // namespace

FolderLock::FolderLock(const std::filesystem::path& folder) : m_file(folder / kFolderLockName)
{
    const int fd = openLockFile(m_file);
    if (fd < 0) {
        m_refusal = errno == ELOOP ? lockRefusal(MessageId::FolderLockSymlink, {}, "シンボリックリンクです")
                                   : lockRefusal(errno);
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !(S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))) {
        m_refusal = lockRefusal(MessageId::FolderLockNotFileOrFolder, {}, "ファイルでもフォルダーでもありません");
        ::close(fd);
        return;
    }
    int rc;
    do
        rc = ::flock(fd, LOCK_EX);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        m_refusal = lockRefusal(errno);
        ::close(fd);
        return;
    }
    m_fd = fd;
}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing the last descriptor releases the lock
}

bool FolderLock::reportRefusal() const
{
    errorReporter().reportFileMessage(m_file.string(), m_refusal);
    return false;
}

} // namespace zeku
