#include "ui/lists/CFixListCtrl.h"

namespace zeku {

CFixListCtrl::CFixListCtrl(std::vector<CheckListModel::Column> columns, QWidget* parent)
    : ReportListView(parent), m_model(new CheckListModel(std::move(columns), kRowCount, this))
{
    setModel(m_model);
    for (int c = 0; c < m_model->columnCount(); ++c)
        setColumnWidth(c, m_model->columnSpecs()[static_cast<std::size_t>(c)].width);
    connect(m_model, &CheckListModel::userCheckToggled, this, &CFixListCtrl::checkToggled);
}

const JewelSlots* CFixListCtrl::slotsOfRow(int row) const
{
    if (!m_set || row < 0 || row >= kRowCount)
        return nullptr;
    const int32_t position = kWeaponFirstPositions[row];
    if (position == EquipPosition::Weapon)
        return m_set->weapon() ? &m_set->weaponSlots() : nullptr;
    return m_set->piece(position) ? &m_set->pieceSlots(position) : nullptr;
}

} // namespace zeku
