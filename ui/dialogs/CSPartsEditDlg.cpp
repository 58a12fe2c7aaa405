#include "ui/dialogs/CSPartsEditDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ListFileSave.h"
#include "ui/dialogs/TwoListItemEditor.h"
#include "userfiles/ItemListFiles.h"

#include "ui_CSPartsEditDlg.h"

namespace zeku {

CSPartsEditDlg::CSPartsEditDlg(const MasterData& master, const SPartSet& list, int32_t saveToFile, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CSPartsEditDlg>())
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    TwoListItemEditorIds ids;
    ids.leftList = 1192;
    ids.rightList = 1197;
    ids.leftTotals = 1203;
    ids.rightTotals = 1204;
    ids.sexRadios = {{1178, 0}, {1179, 1}, {1180, 2}};
    ids.jobRadios = {{1181, 0}, {1182, 1}, {1183, 2}};
    ids.kindRadios = {{1185, TwoListItemEditor::kAllKindsValue}, {1186, 0}, {1187, 1}, {1188, 2}, {1189, 3}, {1190, 4}};
    ids.rarityCombo = 1184;
    ids.nameEdit = 1191;
    ids.nameClear = 1200;
    ids.add = 1193;
    ids.remove = 1194;
    ids.addAll = 1195;
    ids.removeAll = 1196;
    ids.reload = 1198;
    ids.saveToFile = 1199;
    ids.ok = 1;
    ids.cancel = 2;
    m_editor = new TwoListItemEditor(this, std::move(ids));
    const std::function<bool(const EquipItem&)> pieceListed = [&list](const EquipItem& p) { return list.contains(p); };
    m_editor->fill(master, pieceListed, nullptr, saveToFile);
    nameControlsForAssistiveTech(this);
}

CSPartsEditDlg::~CSPartsEditDlg() = default;

int32_t CSPartsEditDlg::saveToFile() const
{
    return m_editor->saveFlag();
}

SPartSet CSPartsEditDlg::editedList() const
{
    SPartSet set;
    for (const ListEntry* e : m_editor->right()->allEntries()) {
        if (e->piece)
            set.add(*e->piece);
    }
    return set;
}

int CSPartsEditDlg::editList(const MasterData& master, const UserFolder& folder, SPartSet& list, int32_t& saveFlag,
                             QWidget* parent, ListFileStamp* stamp)
{
    for (;;) {
        CSPartsEditDlg dlg(master, list, saveFlag, parent);
        const int result = dlg.exec();
        if (result == kReloadFileResult) {
            loadSPartList(folder, master, list, stamp);
            continue;
        }
        if (result == QDialog::Accepted) {
            list = dlg.editedList();
            saveFlag = dlg.saveToFile();
            if (saveFlag)
                saveListFilesInBackground(
                    parent, {{stamp, [folder, list](ListFileStamp* s) { return saveSPartList(folder, list, s); }}});
        }
        return result;
    }
}

} // namespace zeku
