// The manual editor's changes to its set: choosing pieces, attaching and
// removing jewels, emptying, the clip text, and the right-click windows on it.

#include "ui/dialogs/CManualEditDlg.h"

#include "report/ClipText.h"
#include "ui/dialogs/CJewelRemoveDlg.h"
#include "ui/dialogs/CQuickExclusiveRegistDlg.h"
#include "ui/dialogs/CQuickSPartsRegistDlg.h"
#include "ui/dialogs/CSetFitsDlg.h"
#include "ui/platform/ClipboardService.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/WindowSupport.h"
#include "userfiles/Favorites.h"

#include "ui_CManualEditDlg.h"

#include <QAction>

#include <algorithm>

namespace zeku {
namespace {

// Puts `jewels` back into the holder after taking all of its jewels out.
void refillHolder(EquipSet& set, int holder, const std::vector<const Jewel*>& jewels)
{
    if (holder == 0) {
        set.setWeapon(set.weapon());
        set.addWeaponJewels(jewels);
    } else {
        set.setPiece(holder - 1, set.piece(holder - 1));
        set.addPieceJewels(holder - 1, jewels);
    }
}

const std::vector<const Jewel*>& holderJewels(const EquipSet& set, int holder)
{
    return holder == 0 ? set.weaponSlots().jewels : set.pieceSlots(holder - 1).jewels;
}

} // namespace

bool CManualEditDlg::setIsEmpty() const
{
    if (m_set.weapon())
        return false;
    for (int p = 0; p < kPartCount; ++p)
        if (m_set.piece(p))
            return false;
    return true;
}

void CManualEditDlg::choose()
{
    const uint16_t sex = radioSex();
    const uint16_t job = radioJob();
    int selectRow = -1;
    if (m_tab == kWeaponTab) {
        const int row = m_ui->weaponList->selectedRow();
        if (row < 0)
            return;
        m_set.setWeapon(m_ui->weaponList->getDataArray()[static_cast<std::size_t>(row)]->weapon);
        selectRow = 0;
    } else if (m_tab < kJewelTab) {
        const int row = m_ui->equipList->selectedRow();
        if (row < 0)
            return;
        const EquipItem* piece = m_ui->equipList->getDataArray()[static_cast<std::size_t>(row)]->piece;
        const int part = m_tab - 1;
        EquipSet others = m_set;
        others.setPiece(part, nullptr);
        const uint16_t othersSex = pieceSexOf(others);
        const uint16_t othersJob = pieceJobOf(others);
        if ((othersSex != 0 && othersSex != sex) || (othersJob != 0 && othersJob != job)) {
            const MessageAnswer answer = messageBoxService().showWithCaption(
                this, tr("装備選択確認"), tr("条件が変更されました。\n装備できない防具を外しますがよろしいですか？"),
                MessageIcon::Question, MessageButtons::OkCancel);
            if (answer != MessageAnswer::Ok)
                return;
        }
        for (int p = 0; p < kPartCount; ++p) {
            const EquipItem* worn = m_set.piece(p);
            if (worn && ((worn->sex != 0 && worn->sex != sex) || (worn->job != 0 && worn->job != job)))
                m_set.setPiece(p, nullptr);
        }
        m_set.setPiece(part, piece);
        selectRow = part + 1;
    } else {
        return;
    }
    m_setSex = sex;
    m_setJob = job;
    updateLabels();
    updateFavoriteButtons();
    redrawSet(selectRow);
    updatePickButtons();
}

void CManualEditDlg::attachJewel(int holder)
{
    const int row = m_ui->jewelList->selectedRow();
    if (row < 0)
        return;
    const Jewel* jewel = m_ui->jewelList->getDataArray()[static_cast<std::size_t>(row)]->jewel;
    if (holder == 0)
        m_set.addWeaponJewels({jewel});
    else
        m_set.addPieceJewels(holder - 1, {jewel});
    redrawSet(holder);
    updatePickButtons();
}

void CManualEditDlg::removeItem()
{
    const int row = m_ui->setView->selectedRow();
    if (row == 0)
        m_set.setWeapon(nullptr);
    else if (row >= 1 && row <= kPartCount)
        m_set.setPiece(row - 1, nullptr);
    else
        return;
    afterRemoval();
}

void CManualEditDlg::afterRemoval()
{
    if (setIsEmpty()) {
        m_setSex = 0;
        m_setJob = 0;
        m_ui->titleField->clear();
        m_ui->commentField->clear();
    }
    updateLabels();
    updateFavoriteButtons();
    redrawSet();
    updatePickButtons();
}

void CManualEditDlg::removeJewels()
{
    const int holder = m_ui->setView->selectedRow();
    if (holder < 0 || holder > kPartCount)
        return;
    CJewelRemoveDlg dlg(holderJewels(m_set, holder), this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    std::vector<const Jewel*> kept = holderJewels(m_set, holder);
    for (const Jewel* gone : dlg.removed()) {
        auto it = std::find(kept.begin(), kept.end(), gone);
        if (it != kept.end())
            kept.erase(it);
    }
    refillHolder(m_set, holder, kept);
    redrawSet(holder);
    updatePickButtons();
}

void CManualEditDlg::removeAllJewels()
{
    for (int holder = 0; holder <= kPartCount; ++holder)
        refillHolder(m_set, holder, {});
    redrawSet();
    updatePickButtons();
}

void CManualEditDlg::emptySet()
{
    m_set.clear();
    afterRemoval();
}

void CManualEditDlg::enableQuickRegistration(const StandingLists& lists)
{
    if (m_quickLists)
        return;
    m_quickLists.emplace(lists);
    for (ReportListView* list :
         {static_cast<ReportListView*>(m_ui->equipList), static_cast<ReportListView*>(m_ui->jewelList),
          static_cast<ReportListView*>(m_ui->setView), static_cast<ReportListView*>(m_ui->skillView)}) {
        connect(list, &ReportListView::quickExcludeRequested, this, &CManualEditDlg::quickExclude);
        connect(list, &ReportListView::quickSPartRequested, this, &CManualEditDlg::quickSPart);
    }
}

void CManualEditDlg::enableSetFits(std::function<SearchCondition()> condition)
{
    if (m_fitsCondition)
        return;
    m_fitsCondition = std::move(condition);
    auto* action = new QAction(tr("このセットに追加できるスキル"), this);
    connect(action, &QAction::triggered, this, &CManualEditDlg::showSetFits);
    m_ui->setView->addRowMenuAction(action);
    m_ui->skillView->addRowMenuAction(action);
}

void CManualEditDlg::showSetFits()
{
    CSetFitsDlg dlg(m_master, m_fitsCondition(), m_set, this);
    connect(&dlg, &CSetFitsDlg::addRequested, this, &CManualEditDlg::addWantedRequested);
    runChildDialog(dlg);
}

void CManualEditDlg::quickExclude(const QuickRegistration& what)
{
    if (!m_quickLists)
        return;
    CQuickExclusiveRegistDlg dlg(m_master.skills(), what, *m_quickLists, this);
    if (dlg.exec() == QDialog::Accepted)
        refilterAll();
}

void CManualEditDlg::quickSPart(const QuickRegistration& what)
{
    if (!m_quickLists || !what.piece)
        return;
    CQuickSPartsRegistDlg dlg(*what.piece, *m_quickLists, this);
    dlg.exec();
}

void CManualEditDlg::copyClip()
{
    clipboardService().setText(buildClipText(m_set, m_master.skills()));
}

} // namespace zeku
