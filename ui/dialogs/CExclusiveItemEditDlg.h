#pragma once
// 除外アイテム編集: the excluded pieces and jewels. The left list shows the items not in the
// user's list, the right list those in it; the user's list changes only when
// the caller takes the right list back after OK.

#include "data/MasterData.h"
#include "search/ItemSets.h"
#include "userfiles/UserFolder.h"

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class CExclusiveItemEditDlg;
}

namespace zeku {

struct ListFileStamp;

class TwoListItemEditor;

class CExclusiveItemEditDlg : public QDialog {
    Q_OBJECT
public:
    // Shows `list` (copied) against the catalogues of `master`, which must
    // outlive the dialog; `saveToFile` is the remembered save flag.
    CExclusiveItemEditDlg(const MasterData& master, const ExclusionSet& list, int32_t saveToFile,
                          QWidget* parent = nullptr);
    ~CExclusiveItemEditDlg() override;

    // After OK: the state of "ファイルに保存する" (1 save, 0 not).
    int32_t saveToFile() const;
    // The items of the right list as a user list.
    ExclusionSet editedList() const;

    // The whole protocol with the caller: runs the editor on `list`; OK
    // replaces `list` by the edited one, writes ExclusiveItem.dat when the save flag is
    // set and remembers the flag; "ファイル再読込" reloads `list` from the file
    // and opens a new editor; Cancel changes nothing. Returns the last result.
    // With a `stamp`, the save asks first when another window changed the file.
    static int editList(const MasterData& master, const UserFolder& folder, ExclusionSet& list, int32_t& saveFlag,
                        QWidget* parent = nullptr, ListFileStamp* stamp = nullptr);

private:
    std::unique_ptr<Ui::CExclusiveItemEditDlg> m_ui;
    TwoListItemEditor* m_editor;
};

} // namespace zeku
