#pragma once
// Ｓ防具編集: the pieces marked as S parts. The left list shows the items not in the
// user's list, the right list those in it; the user's list changes only when
// the caller takes the right list back after OK.

#include "data/MasterData.h"
#include "search/ItemSets.h"
#include "userfiles/UserFolder.h"

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class CSPartsEditDlg;
}

namespace zeku {

struct ListFileStamp;

class TwoListItemEditor;

class CSPartsEditDlg : public QDialog {
    Q_OBJECT
public:
    // Shows `list` (copied) against the catalogues of `master`, which must
    // outlive the dialog; `saveToFile` is the remembered save flag.
    CSPartsEditDlg(const MasterData& master, const SPartSet& list, int32_t saveToFile, QWidget* parent = nullptr);
    ~CSPartsEditDlg() override;

    // After OK: the state of "ファイルに保存する" (1 save, 0 not).
    int32_t saveToFile() const;
    // The items of the right list as a user list.
    SPartSet editedList() const;

    // The whole protocol with the caller: runs the editor on `list`; OK
    // replaces `list` by the edited one, writes SParts.dat when the save flag is
    // set and remembers the flag; "ファイル再読込" reloads `list` from the file
    // and opens a new editor; Cancel changes nothing. Returns the last result.
    // With a `stamp`, the save asks first when another window changed the file.
    static int editList(const MasterData& master, const UserFolder& folder, SPartSet& list, int32_t& saveFlag,
                        QWidget* parent = nullptr, ListFileStamp* stamp = nullptr);

private:
    std::unique_ptr<Ui::CSPartsEditDlg> m_ui;
    TwoListItemEditor* m_editor;
};

} // namespace zeku
