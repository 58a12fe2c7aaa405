#include "ui/main/FixedEquipmentLists.h"

#include "ui/lists/CFixListCtrl.h"
#include "userfiles/Favorites.h"

#include "ui_CSearchDlg.h"

#include <QCheckBox>

namespace zeku {

FixedEquipmentLists::FixedEquipmentLists(Ui::CSearchDlg& ui) : m_ui(ui)
{
}

void FixedEquipmentLists::connectControls(QObject* context)
{
    QObject::connect(m_ui.fixedEquipList, &CFixEquipListCtrl::checkToggled, context,
                     [this](int row, bool checked) { onEquipToggled(row, checked); });
    QObject::connect(m_ui.fixedJewelList, &CFixJewelListCtrl::checkToggled, context,
                     [this](int row, bool checked) { onJewelToggled(row, checked); });
    QObject::connect(m_ui.checkAllFixedCheck, &QCheckBox::clicked, context, [this] { onCheckAll(); });
}

void FixedEquipmentLists::replace(const EquipSet& set)
{
    m_fixed = set;
    refresh();
}

EquipSet FixedEquipmentLists::checkedSet() const
{
    EquipSet fixed;
    if (m_ui.fixedEquipList->isChecked(0) && m_fixed.weapon()) {
        fixed.setWeapon(m_fixed.weapon());
        if (m_ui.fixedJewelList->isChecked(0))
            fixed.addWeaponJewels(m_fixed.weaponSlots().jewels);
    }
    for (int part = 0; part < kPartCount; ++part) {
        if (!m_ui.fixedEquipList->isChecked(part + 1) || !m_fixed.piece(part))
            continue;
        fixed.setPiece(part, m_fixed.piece(part));
        if (m_ui.fixedJewelList->isChecked(part + 1))
            fixed.addPieceJewels(part, m_fixed.pieceSlots(part).jewels);
    }
    return fixed;
}

void FixedEquipmentLists::fitSex(int sex)
{
    const uint16_t fixedSex = pieceSexOf(m_fixed);
    if (codeFits(fixedSex, sex))
        return;
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = m_fixed.piece(part);
        if (piece && !codeFits(piece->sex, sex))
            m_fixed.setPiece(part, nullptr);
    }
    refresh();
}

void FixedEquipmentLists::fitJob(int job)
{
    const uint16_t fixedJob = pieceJobOf(m_fixed);
    if (codeFits(fixedJob, job))
        return;
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = m_fixed.piece(part);
        if (piece && !codeFits(piece->job, job))
            m_fixed.setPiece(part, nullptr);
    }
    refresh();
}

void FixedEquipmentLists::uncheckRow(int row, bool jewelsOnly)
{
    if (!jewelsOnly)
        m_ui.fixedEquipList->setChecked(row, false);
    m_ui.fixedJewelList->setChecked(row, false);
    m_ui.checkAllFixedCheck->setChecked(allRowsChecked());
}

bool FixedEquipmentLists::rowHoldsItem(int row) const
{
    const int32_t holder = kWeaponFirstPositions[row];
    return holder == EquipPosition::Weapon ? m_fixed.weapon() != nullptr : m_fixed.piece(holder) != nullptr;
}

bool FixedEquipmentLists::rowHasJewels(int row) const
{
    if (!rowHoldsItem(row))
        return false;
    const int32_t holder = kWeaponFirstPositions[row];
    return holder == EquipPosition::Weapon ? !m_fixed.weaponSlots().jewels.empty()
                                           : !m_fixed.pieceSlots(holder).jewels.empty();
}

bool FixedEquipmentLists::allRowsChecked() const
{
    bool any = false;
    for (int row = 0; row < CFixListCtrl::kRowCount; ++row) {
        if (!rowHoldsItem(row))
            continue;
        any = true;
        if (!m_ui.fixedEquipList->isChecked(row))
            return false;
        if (rowHasJewels(row) && !m_ui.fixedJewelList->isChecked(row))
            return false;
    }
    return any;
}

void FixedEquipmentLists::refresh()
{
    m_ui.fixedEquipList->showSet(&m_fixed);
    m_ui.fixedJewelList->showSet(&m_fixed);
    for (int row = 0; row < CFixListCtrl::kRowCount; ++row) {
        m_ui.fixedEquipList->setChecked(row, rowHoldsItem(row));
        m_ui.fixedJewelList->setChecked(row, rowHasJewels(row));
    }
    m_ui.checkAllFixedCheck->setChecked(allRowsChecked());
}

void FixedEquipmentLists::onEquipToggled(int row, bool checked)
{
    if (!rowHoldsItem(row)) {
        m_ui.fixedEquipList->setChecked(row, false);
        return;
    }
    m_ui.fixedJewelList->setChecked(row, checked);
    m_ui.checkAllFixedCheck->setChecked(allRowsChecked());
}

void FixedEquipmentLists::onJewelToggled(int row, bool checked)
{
    if (!rowHasJewels(row)) {
        m_ui.fixedJewelList->setChecked(row, false);
        return;
    }
    // Jewels are never fixed without the piece that holds them.
    if (checked)
        m_ui.fixedEquipList->setChecked(row, true);
    m_ui.checkAllFixedCheck->setChecked(allRowsChecked());
}

void FixedEquipmentLists::onCheckAll()
{
    const bool state = m_ui.checkAllFixedCheck->isChecked();
    for (int row = 0; row < CFixListCtrl::kRowCount; ++row) {
        m_ui.fixedEquipList->setChecked(row, rowHoldsItem(row) && state);
        m_ui.fixedJewelList->setChecked(row, rowHasJewels(row) && state);
    }
}

} // namespace zeku
