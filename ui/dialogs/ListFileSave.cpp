#include "ui/dialogs/ListFileSave.h"

#include "ui/platform/MessageBoxService.h"

#include <QCoreApplication>

namespace zeku {

bool saveListFile(QWidget* parent, ListFileStamp* stamp, const std::function<bool(ListFileStamp*)>& save)
{
    if (save(stamp))
        return true;
    if (!stamp || !stamp->changedElsewhere)
        return false;
    if (showMessage(parent,
                    QCoreApplication::translate("zeku::ListFileSave", "ファイルは他のウィンドウで変更されています\n"
                                                                      "変更を破棄して上書きしますか？"),
                    MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    // The user has seen the change and chose this window's list.
    stamp->known = false;
    return save(stamp);
}

} // namespace zeku
