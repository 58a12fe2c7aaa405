#include "ui/dialogs/CExclusiveItemEditDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ListFileSave.h"
#include "ui/dialogs/TwoListItemEditor.h"
#include "userfiles/ItemListFiles.h"

#include "ui_CExclusiveItemEditDlg.h"

namespace zeku {

CExclusiveItemEditDlg::CExclusiveItemEditDlg(const MasterData& master, const ExclusionSet& list, int32_t saveToFile,
                                             QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CExclusiveItemEditDlg>())
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    TwoListItemEditorIds ids;
    ids.leftList = 1095;
    ids.rightList = 1096;
    ids.leftTotals = 1205;
    ids.rightTotals = 1206;
    ids.sexRadios = {{1122, 0}, {1116, 1}, {1117, 2}};
    ids.jobRadios = {{1131, 0}, {1118, 1}, {1119, 2}};
    ids.kindRadios = {{1124, TwoListItemEditor::kAllKindsValue}, {1125, 0}, {1126, 1}, {1127, 2}, {1128, 3}, {1129, 4},
                      {1130, CItemListCtrl::kJewelKind}};
    ids.rarityCombo = 1120;
    ids.nameEdit = 1121;
    ids.nameClear = 1123;
    ids.add = 1067;
    ids.remove = 1068;
    ids.addAll = 1069;
    ids.removeAll = 1070;
    ids.reload = 3;
    ids.saveToFile = 1115;
    ids.ok = 1;
    ids.cancel = 2;
    m_editor = new TwoListItemEditor(this, std::move(ids));
    const std::function<bool(const EquipItem&)> pieceListed = [&list](const EquipItem& p) { return list.contains(p); };
    const std::function<bool(const Jewel&)> jewelListed = [&list](const Jewel& j) { return list.contains(j); };
    m_editor->fill(master, pieceListed, &jewelListed, saveToFile);
    nameControlsForAssistiveTech(this);
}

CExclusiveItemEditDlg::~CExclusiveItemEditDlg() = default;

int32_t CExclusiveItemEditDlg::saveToFile() const
{
    return m_editor->saveFlag();
}

ExclusionSet CExclusiveItemEditDlg::editedList() const
{
    ExclusionSet set;
    for (const ListEntry* e : m_editor->right()->allEntries()) {
        if (e->piece)
            set.add(*e->piece);
        else if (e->jewel)
            set.add(*e->jewel);
    }
    return set;
}

int CExclusiveItemEditDlg::editList(const MasterData& master, const UserFolder& folder, ExclusionSet& list,
                                    int32_t& saveFlag, QWidget* parent, ListFileStamp* stamp)
{
    for (;;) {
        CExclusiveItemEditDlg dlg(master, list, saveFlag, parent);
        const int result = dlg.exec();
        if (result == kReloadFileResult) {
            loadExclusionList(folder, master, list, stamp);
            continue;
        }
        if (result == QDialog::Accepted) {
            list = dlg.editedList();
            saveFlag = dlg.saveToFile();
            if (saveFlag)
                saveListFilesInBackground(
                    parent, {{stamp, [folder, list](ListFileStamp* s) { return saveExclusionList(folder, list, s); }}});
        }
        return result;
    }
}

} // namespace zeku
