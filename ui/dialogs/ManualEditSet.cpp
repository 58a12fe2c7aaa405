// The manual editor's changes to its set: choosing pieces, attaching and
// removing jewels, emptying and the clip text.

#include "ui/dialogs/ManualEditSet.h"

#include "report/ClipText.h"
#include "ui/dialogs/CJewelRemoveDlg.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/ManualEditItemPicker.h"
#include "ui/platform/ClipboardService.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/Favorites.h"

#include "ui_CManualEditDlg.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace zeku {
namespace {

// Puts `jewels` back into the holder of set-view row `row` after taking all of its jewels out.
void refillHolder(EquipSet& set, int row, const std::vector<const Jewel*>& jewels)
{
    const int32_t holder = kWeaponFirstPositions[row];
    if (holder == EquipPosition::Weapon) {
        set.setWeapon(set.weapon());
        set.addWeaponJewels(jewels);
    } else {
        set.setPiece(holder, set.piece(holder));
        set.addPieceJewels(holder, jewels);
    }
}

const std::vector<const Jewel*>& holderJewels(const EquipSet& set, int row)
{
    const int32_t holder = kWeaponFirstPositions[row];
    return holder == EquipPosition::Weapon ? set.weaponSlots().jewels : set.pieceSlots(holder).jewels;
}

} // namespace

ManualEditSetPane::ManualEditSetPane(Ui::CManualEditDlg& ui, QWidget* dialog, const MasterData& master,
                                     EditedEquipSet& edited, const ManualEditItemPicker& picker)
    : m_ui(ui), m_dialog(dialog), m_master(master), m_edited(edited), m_picker(picker)
{
    m_ui.setView->setUp();
    m_ui.skillView->setUp(master.skills());
    m_ui.skillView->setMultiSelection(true);

    connect(m_ui.setView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ManualEditSetPane::updateSetButtons);
    connect(m_ui.chooseButton, &QPushButton::clicked, this, &ManualEditSetPane::choose);
    const std::array<QPushButton*, 6>& attach = picker.attachButtons();
    for (std::size_t h = 0; h < attach.size(); ++h)
        connect(attach[h], &QPushButton::clicked, this, [this, h] { attachJewel(static_cast<int>(h)); });
    connect(m_ui.removeItem, &QPushButton::clicked, this, &ManualEditSetPane::removeItem);
    connect(m_ui.removeJewels, &QPushButton::clicked, this, &ManualEditSetPane::removeJewels);
    connect(m_ui.removeAllJewels, &QPushButton::clicked, this, &ManualEditSetPane::removeAllJewels);
    connect(m_ui.removeAll, &QPushButton::clicked, this, &ManualEditSetPane::emptySet);
    connect(m_ui.clipButton, &QPushButton::clicked, this, &ManualEditSetPane::copyClip);
}

bool ManualEditSetPane::setIsEmpty() const
{
    if (m_edited.set.weapon())
        return false;
    for (int p = 0; p < kPartCount; ++p)
        if (m_edited.set.piece(p))
            return false;
    return true;
}

void ManualEditSetPane::replaceSet(const EquipSet& set, uint16_t sex, uint16_t job)
{
    m_edited.set = set;
    m_edited.sex = sex;
    m_edited.job = job;
    updateLabels();
    showChange();
}

void ManualEditSetPane::choose()
{
    const uint16_t sex = m_picker.radioSex();
    const uint16_t job = m_picker.radioJob();
    EquipSet& set = m_edited.set;
    int selectRow = -1;
    if (m_picker.tab() == CManualEditDlg::kWeaponTab) {
        const int row = m_ui.weaponList->selectedRow();
        if (row < 0)
            return;
        set.setWeapon(m_ui.weaponList->getDataArray()[static_cast<std::size_t>(row)]->weapon);
        selectRow = 0;
    } else if (m_picker.tab() < CManualEditDlg::kJewelTab) {
        const int row = m_ui.equipList->selectedRow();
        if (row < 0)
            return;
        const EquipItem* piece = m_ui.equipList->getDataArray()[static_cast<std::size_t>(row)]->piece;
        const int part = m_picker.tab() - 1;
        EquipSet others = set;
        others.setPiece(part, nullptr);
        const uint16_t othersSex = pieceSexOf(others);
        const uint16_t othersJob = pieceJobOf(others);
        if (!codeFits(othersSex, sex) || !codeFits(othersJob, job)) {
            const MessageAnswer answer = messageBoxService().showWithCaption(
                m_dialog, CManualEditDlg::tr("装備選択確認"),
                CManualEditDlg::tr("条件が変更されました。\n装備できない防具を外しますがよろしいですか？"),
                MessageIcon::Question, MessageButtons::OkCancel);
            if (answer != MessageAnswer::Ok)
                return;
        }
        for (int p = 0; p < kPartCount; ++p) {
            const EquipItem* worn = set.piece(p);
            if (worn && (!codeFits(worn->sex, sex) || !codeFits(worn->job, job)))
                set.setPiece(p, nullptr);
        }
        set.setPiece(part, piece);
        selectRow = part + 1;
    } else {
        return;
    }
    m_edited.sex = sex;
    m_edited.job = job;
    updateLabels();
    showChange(selectRow);
}

void ManualEditSetPane::attachJewel(int holder)
{
    const int row = m_ui.jewelList->selectedRow();
    if (row < 0)
        return;
    const Jewel* jewel = m_ui.jewelList->getDataArray()[static_cast<std::size_t>(row)]->jewel;
    const int32_t position = kWeaponFirstPositions[holder];
    if (position == EquipPosition::Weapon)
        m_edited.set.addWeaponJewels({jewel});
    else
        m_edited.set.addPieceJewels(position, {jewel});
    showChange(holder);
}

void ManualEditSetPane::removeItem()
{
    const int row = m_ui.setView->selectedRow();
    if (row < 0 || row >= kHolderCount)
        return;
    const int32_t holder = kWeaponFirstPositions[row];
    if (holder == EquipPosition::Weapon)
        m_edited.set.setWeapon(nullptr);
    else
        m_edited.set.setPiece(holder, nullptr);
    afterRemoval();
}

void ManualEditSetPane::afterRemoval()
{
    if (setIsEmpty()) {
        m_edited.sex = kSexBoth;
        m_edited.job = kJobBoth;
        m_ui.titleField->clear();
        m_ui.commentField->clear();
    }
    updateLabels();
    showChange();
}

void ManualEditSetPane::removeJewels()
{
    const int holder = m_ui.setView->selectedRow();
    if (holder < 0 || holder > kPartCount)
        return;
    CJewelRemoveDlg dlg(holderJewels(m_edited.set, holder), m_dialog);
    if (dlg.exec() != QDialog::Accepted)
        return;
    std::vector<const Jewel*> kept = holderJewels(m_edited.set, holder);
    for (const Jewel* gone : dlg.removed()) {
        auto it = std::find(kept.begin(), kept.end(), gone);
        if (it != kept.end())
            kept.erase(it);
    }
    refillHolder(m_edited.set, holder, kept);
    showChange(holder);
}

void ManualEditSetPane::removeAllJewels()
{
    for (int holder = 0; holder <= kPartCount; ++holder)
        refillHolder(m_edited.set, holder, {});
    showChange();
}

void ManualEditSetPane::emptySet()
{
    m_edited.set.clear();
    afterRemoval();
}

void ManualEditSetPane::updateSetButtons()
{
    const EquipSet& set = m_edited.set;
    const bool empty = setIsEmpty();
    for (QPushButton* b :
         {m_ui.removeItem, m_ui.removeAll, m_ui.removeAllJewels, m_ui.removeJewels, m_ui.clipButton, m_ui.addFavorite})
        b->setEnabled(!empty);
    if (empty)
        return;
    bool anyJewel = !set.weaponSlots().jewels.empty();
    for (int p = 0; p < kPartCount; ++p)
        anyJewel = anyJewel || !set.pieceSlots(p).jewels.empty();
    m_ui.removeAllJewels->setEnabled(anyJewel);
    const int row = m_ui.setView->selectedRow();
    bool holder = false;
    bool jewels = false;
    if (row >= 0 && row < kHolderCount) {
        const int32_t position = kWeaponFirstPositions[row];
        const bool weapon = position == EquipPosition::Weapon;
        holder = weapon ? set.weapon() != nullptr : set.piece(position) != nullptr;
        jewels = !(weapon ? set.weaponSlots().jewels : set.pieceSlots(position).jewels).empty();
    }
    m_ui.removeItem->setEnabled(holder);
    m_ui.removeJewels->setEnabled(jewels);
}

void ManualEditSetPane::updateLabels()
{
    const uint16_t sex = m_edited.sex;
    const uint16_t job = m_edited.job;
    m_ui.setSexLabel->setText(sex == kSexMale     ? CManualEditDlg::tr("男")
                              : sex == kSexFemale ? CManualEditDlg::tr("女")
                                                  : QString());
    m_ui.setJobLabel->setText(job == kJobBlade    ? CManualEditDlg::tr("剣士")
                              : job == kJobGunner ? CManualEditDlg::tr("ガンナー")
                                                  : QString());
}

void ManualEditSetPane::redrawSet(int selectRow)
{
    m_ui.setView->showSet(&m_edited.set);
    m_ui.skillView->showSet(&m_edited.set);
    if (selectRow >= 0)
        m_ui.setView->selectSingleRow(selectRow);
    updateSetButtons();
}

void ManualEditSetPane::showChange(int selectRow)
{
    redrawSet(selectRow);
    if (m_changed)
        m_changed();
}

void ManualEditSetPane::copyClip()
{
    clipboardService().setText(buildClipText(m_edited.set, m_master.skills()));
}

} // namespace zeku
