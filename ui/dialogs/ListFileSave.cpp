#include "ui/dialogs/ListFileSave.h"

#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/platform/MessageBoxService.h"

#include <QCoreApplication>

#include <memory>

namespace zeku {
namespace {

bool overwriteAgreed(QWidget* parent)
{
    return showMessage(parent,
                       QCoreApplication::translate("zeku::ListFileSave", "ファイルは他のウィンドウで変更されています\n"
                                                                         "変更を破棄して上書きしますか？"),
                       MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

using ListFileWrites = std::shared_ptr<const std::vector<ListFileWrite>>;

// Writes writes[next] on a worker and, once it is back, the ones after it;
// `overwrite`: the user agreed to replace what another window wrote.
void startWrite(QWidget* owner, const ListFileWrites& writes, std::size_t next, bool overwrite)
{
    if (next >= writes->size())
        return;
    const ListFileWrite& write = (*writes)[next];
    // The worker checks and updates its own copy of the stamp; the window's
    // takes it back on the UI thread.
    auto attempt = std::make_shared<ListFileStamp>(write.stamp ? *write.stamp : ListFileStamp{});
    if (overwrite)
        attempt->known = false;
    BackgroundFileTask::start(
        owner, QCoreApplication::translate("zeku::ListFileSave", "保存中です。"),
        [save = write.save, attempt, checked = write.stamp != nullptr] {
            return save(checked ? attempt.get() : nullptr);
        },
        [owner, writes, next, attempt, overwrite](bool written) {
            ListFileStamp* stamp = (*writes)[next].stamp;
            if (stamp)
                *stamp = *attempt;
            if (!written && !overwrite && stamp && stamp->changedElsewhere && overwriteAgreed(owner)) {
                startWrite(owner, writes, next, true);
                return;
            }
            startWrite(owner, writes, next + 1, false);
        });
}

} // namespace

bool saveListFile(QWidget* parent, ListFileStamp* stamp, const std::function<bool(ListFileStamp*)>& save)
{
    if (save(stamp))
        return true;
    if (!stamp || !stamp->changedElsewhere)
        return false;
    if (!overwriteAgreed(parent))
        return false;
    // The user has seen the change and chose this window's list.
    stamp->known = false;
    return save(stamp);
}

void saveListFilesInBackground(QWidget* owner, std::vector<ListFileWrite> writes)
{
    if (!owner) {
        // Nothing to keep responsive, and no window to take the outcome back.
        for (const ListFileWrite& write : writes)
            saveListFile(nullptr, write.stamp, write.save);
        return;
    }
    startWrite(owner, std::make_shared<const std::vector<ListFileWrite>>(std::move(writes)), 0, false);
}

} // namespace zeku
