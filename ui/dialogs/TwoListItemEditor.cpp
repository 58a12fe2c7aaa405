#include "ui/dialogs/TwoListItemEditor.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/lists/RarityCombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zeku {

TwoListItemEditor::TwoListItemEditor(QDialog* dialog, TwoListItemEditorIds ids)
    : QObject(dialog), m_dialog(dialog), m_ids(std::move(ids)), m_left(control<CItemListCtrl>(dialog, m_ids.leftList)),
      m_right(control<CItemListCtrl>(dialog, m_ids.rightList)), m_rarity(control<QComboBox>(dialog, m_ids.rarityCombo)),
      m_name(control<QLineEdit>(dialog, m_ids.nameEdit)), m_leftTotals(control<QLabel>(dialog, m_ids.leftTotals)),
      m_rightTotals(control<QLabel>(dialog, m_ids.rightTotals)),
      m_saveToFile(control<QCheckBox>(dialog, m_ids.saveToFile))
{
    fillRarityCombo(m_rarity);
    m_left->setUp();
    m_right->setUp();

    connectRadios(m_ids.sexRadios);
    connectRadios(m_ids.jobRadios);
    connectRadios(m_ids.kindRadios);
    connect(m_rarity, &QComboBox::currentIndexChanged, this, [this] { refilter(); });
    connect(m_name, &QLineEdit::textChanged, this, [this] { refilter(); });
    connect(control<QPushButton>(dialog, m_ids.nameClear), &QPushButton::clicked, m_name, &QLineEdit::clear);
    connect(control<QPushButton>(dialog, m_ids.add), &QPushButton::clicked, this,
            [this] { move(m_left, m_right, false); });
    connect(control<QPushButton>(dialog, m_ids.remove), &QPushButton::clicked, this,
            [this] { move(m_right, m_left, false); });
    connect(control<QPushButton>(dialog, m_ids.addAll), &QPushButton::clicked, this,
            [this] { move(m_left, m_right, true); });
    connect(control<QPushButton>(dialog, m_ids.removeAll), &QPushButton::clicked, this,
            [this] { move(m_right, m_left, true); });
    connect(m_left->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateMoveButtons(); });
    connect(m_right->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateMoveButtons(); });
    connect(control<QPushButton>(dialog, m_ids.reload), &QPushButton::clicked, dialog,
            [dialog] { dialog->done(kReloadFileResult); });
    connect(control<QPushButton>(dialog, m_ids.ok), &QPushButton::clicked, dialog, &QDialog::accept);
    connect(control<QPushButton>(dialog, m_ids.cancel), &QPushButton::clicked, dialog, &QDialog::reject);
}

void TwoListItemEditor::connectRadios(const std::vector<std::pair<int, int>>& radios)
{
    for (const auto& [id, value] : radios)
        // On the state, not the click: a screen reader's toggle has no click.
        connect(control<QRadioButton>(m_dialog, id), &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                refilter();
        });
}

void TwoListItemEditor::fill(const MasterData& master, const std::function<bool(const EquipItem&)>& pieceListed,
                             const std::function<bool(const Jewel&)>* jewelListed, int32_t saveFlag)
{
    std::vector<CItemListCtrl::EntryPtr> leftEntries;
    std::vector<CItemListCtrl::EntryPtr> rightEntries;
    for (int part = 0; part < kPartCount; ++part) {
        for (const EquipItem& piece : master.equip(part).items()) {
            auto& target = pieceListed(piece) ? rightEntries : leftEntries;
            target.push_back(CItemListCtrl::makePieceEntry(piece, static_cast<int32_t>(target.size()) + 1));
        }
    }
    if (jewelListed) {
        for (const Jewel& jewel : master.jewels().items()) {
            auto& target = (*jewelListed)(jewel) ? rightEntries : leftEntries;
            target.push_back(CItemListCtrl::makeJewelEntry(jewel, static_cast<int32_t>(target.size()) + 1));
        }
    }
    // addEntries sorts every master by rarity, then name.
    m_left->addEntries(std::move(leftEntries));
    m_right->addEntries(std::move(rightEntries));
    // Both lists open at their first row and take the dialog's free height.
    for (CItemListCtrl* list : {m_left, m_right}) {
        list->scrollToTop();
        giveListTheFreeHeight(list);
    }
    auto checkValue = [this](const std::vector<std::pair<int, int>>& radios, int wanted) {
        for (const auto& [id, value] : radios)
            if (value == wanted)
                control<QRadioButton>(m_dialog, id)->setChecked(true);
    };
    checkValue(m_ids.sexRadios, 0);
    checkValue(m_ids.jobRadios, 0);
    checkValue(m_ids.kindRadios, kAllKindsValue);
    refilter();
    m_saveToFile->setChecked(saveFlag != 0);
}

int TwoListItemEditor::checkedValue(const std::vector<std::pair<int, int>>& radios) const
{
    for (const auto& [id, value] : radios)
        if (control<QRadioButton>(m_dialog, id)->isChecked())
            return value;
    return radios.empty() ? 0 : radios.front().second;
}

void TwoListItemEditor::refilter()
{
    int kind = checkedValue(m_ids.kindRadios);
    if (kind == kAllKindsValue)
        kind = CItemListCtrl::kAllKinds;
    const auto sex = static_cast<uint16_t>(checkedValue(m_ids.sexRadios));
    const auto job = static_cast<uint16_t>(checkedValue(m_ids.jobRadios));
    const RarityFilterCode rarity = selectedRarityCode(m_rarity);
    const std::string name = filterTextOf(m_name->text());
    m_left->applyFilter(kind, sex, job, rarity, name);
    m_right->applyFilter(kind, sex, job, rarity, name);
    updateMoveButtons();
    updateTotals();
}

void TwoListItemEditor::move(CItemListCtrl* from, CItemListCtrl* to, bool all)
{
    moveEntries(*from, *to, all);
    updateMoveButtons();
    updateTotals();
    to->setFocus();
}

void TwoListItemEditor::updateMoveButtons()
{
    control<QPushButton>(m_dialog, m_ids.add)->setEnabled(m_left->selectedRow() >= 0);
    control<QPushButton>(m_dialog, m_ids.remove)->setEnabled(m_right->selectedRow() >= 0);
    control<QPushButton>(m_dialog, m_ids.addAll)->setEnabled(!m_left->getDataArray().empty());
    control<QPushButton>(m_dialog, m_ids.removeAll)->setEnabled(!m_right->getDataArray().empty());
}

void TwoListItemEditor::updateTotals()
{
    m_leftTotals->setText(itemCountText(m_left->getDataArray().size(), m_left->allEntries().size()));
    m_rightTotals->setText(itemCountText(m_right->getDataArray().size(), m_right->allEntries().size()));
}

int32_t TwoListItemEditor::saveFlag() const
{
    return m_saveToFile->isChecked() ? 1 : 0;
}

} // namespace zeku
