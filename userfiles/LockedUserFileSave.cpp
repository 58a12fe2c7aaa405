#include "userfiles/LockedUserFileSave.h"

#include "platform/FolderLock.h"
#include "platform/TextFile.h"
#include "userfiles/UserFolder.h"

namespace zeku {

bool saveUserFileLocked(const UserFolder& folder, const std::filesystem::path& file,
                        const std::function<void(SafeTextWriter&)>& writeContent,
                        const std::function<bool()>& mayReplace, const std::function<void()>& afterReplace)
{
    if (!ensureFolder(folder.root()))
        return false;
    // One writer at a time in the folder; it also clears what killed saves left.
    const FolderLock lock(folder.root());
    if (!lock.held())
        return lock.reportRefusal();
    if (mayReplace && !mayReplace())
        return false;
    removeStaleTemporaries(folder.root());
    SafeTextWriter writer(file);
    if (!writer.isOpen())
        return false;
    writeContent(writer);
    if (!writer.commit())
        return false;
    if (afterReplace)
        afterReplace();
    return true;
}

} // namespace zeku
