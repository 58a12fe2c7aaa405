#include "ui/dialogs/ManualEditItemPicker.h"

#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CSkillFilterDlg.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/lists/RarityCombo.h"

#include "ui_CManualEditDlg.h"

#include <QCoreApplication>
#include <QItemSelectionModel>

#include <algorithm>

namespace zeku {

namespace {
constexpr int kWeaponTab = CManualEditDlg::kWeaponTab;
constexpr int kJewelTab = CManualEditDlg::kJewelTab;
} // namespace

ManualEditItemPicker::ManualEditItemPicker(Ui::CManualEditDlg& ui, QWidget* dialog, const MasterData& master,
                                           const ExclusionSet& exclusions, StartupSettings& settings,
                                           const UserFolder& folder, const EquipSet& set)
    : m_ui(ui), m_dialog(dialog), m_master(master), m_exclusions(exclusions), m_settings(settings), m_folder(folder),
      m_set(set)
{
    m_attachButtons = {m_ui.attachWeapon, m_ui.attachHead,  m_ui.attachBody,
                       m_ui.attachArm,    m_ui.attachWaist, m_ui.attachLeg};
    m_ui.equipList->setUp(master, 0x6C);
    m_ui.jewelList->setUp(master, 0x64);
    m_ui.weaponList->setUp(master.weaponSlots());
    fillRarityCombo(m_ui.rarityCombo);
    m_ui.hideExcluded->setChecked(true);
    m_ui.tabHead->setChecked(true);

    // The switches act on their state, not on a click: a screen reader's
    // toggle has no click.
    connect(m_ui.rarityCombo, &QComboBox::currentIndexChanged, this, [this] { refilterAll(); });
    connect(m_ui.nameEdit, &QLineEdit::textChanged, this, &ManualEditItemPicker::nameEdited);
    connect(m_ui.nameClear, &QPushButton::clicked, this, [this] {
        m_ui.nameEdit->clear();
        updatePickButtons();
    });
    const std::array<QRadioButton*, 7> tabs = {m_ui.tabWeapon, m_ui.tabHead, m_ui.tabBody, m_ui.tabArm,
                                               m_ui.tabWaist,  m_ui.tabLeg,  m_ui.tabJewel};
    for (std::size_t t = 0; t < tabs.size(); ++t)
        connect(tabs[t], &QRadioButton::toggled, this, [this, t](bool on) {
            if (on)
                switchTab(static_cast<int>(t));
        });
    connect(m_ui.matchAll, &QRadioButton::clicked, this, [this] { setMatchMode(1); });
    connect(m_ui.matchAny, &QRadioButton::clicked, this, [this] { setMatchMode(2); });
    connect(m_ui.skillFilterEdit, &QPushButton::clicked, this, &ManualEditItemPicker::editSkillFilter);
    connect(m_ui.skillFilterClear, &QPushButton::clicked, this, &ManualEditItemPicker::clearSkillFilter);
    connect(m_ui.hideExcluded, &QCheckBox::toggled, this, [this] { refilterAll(); });
    for (CDataListCtrl* list :
         {static_cast<CDataListCtrl*>(m_ui.weaponList), static_cast<CDataListCtrl*>(m_ui.equipList),
          static_cast<CDataListCtrl*>(m_ui.jewelList)})
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &ManualEditItemPicker::updatePickButtons);

    // The item lists keep at least kListRowsAtLeast rows and take the height a
    // larger window gains; the set view and the skill totals keep theirs.
    for (ReportListView* list :
         {static_cast<ReportListView*>(m_ui.weaponList), static_cast<ReportListView*>(m_ui.equipList),
          static_cast<ReportListView*>(m_ui.jewelList)})
        list->setMinimumHeight(list->heightForRows(CManualEditDlg::kListRowsAtLeast));
    m_ui.gridLayout->setRowStretch(4, 1);
}

uint16_t ManualEditItemPicker::radioSex() const
{
    return m_ui.sexMale->isChecked() ? kSexMale : kSexFemale;
}

uint16_t ManualEditItemPicker::radioJob() const
{
    return m_ui.jobBlade->isChecked() ? kJobBlade : kJobGunner;
}

std::vector<uint16_t>& ManualEditItemPicker::currentFilter()
{
    return m_filterSkills[radioJob() == kJobBlade ? 0 : 1];
}

void ManualEditItemPicker::switchTab(int tab)
{
    m_tab = tab;
    m_ui.weaponList->setVisible(tab == kWeaponTab);
    m_ui.equipList->setVisible(tab > kWeaponTab && tab < kJewelTab);
    m_ui.jewelList->setVisible(tab == kJewelTab);
    if (tab == kWeaponTab) {
        m_ui.weaponList->refreshRows();
    } else {
        applyFilters();
        // The stored text is already applied; the edit only shows it.
        const QSignalBlocker block(m_ui.nameEdit);
        m_ui.nameEdit->setText(tab == kJewelTab ? m_jewelName : m_armourName);
    }
    updatePickButtons();
}

void ManualEditItemPicker::applyFilters()
{
    const int mode = m_ui.matchAll->isChecked() ? 1 : m_ui.matchAny->isChecked() ? 2 : 0;
    const std::vector<uint16_t>& trees = currentFilter();
    EquipListFilter equip;
    equip.part = m_tab > kWeaponTab && m_tab < kJewelTab ? m_tab - 1 : m_ui.equipList->currentPart();
    equip.sex = radioSex();
    equip.job = radioJob();
    equip.rarity = selectedRarityCode(m_ui.rarityCombo);
    equip.nameText = filterTextOf(m_armourName);
    equip.filterTrees = trees;
    equip.matchMode = mode;
    equip.hideExcluded = m_ui.hideExcluded->isChecked();
    equip.exclusions = &m_exclusions;
    m_ui.equipList->applyFilter(equip);
    JewelListFilter jewel;
    jewel.rarity = equip.rarity;
    jewel.nameText = filterTextOf(m_jewelName);
    jewel.filterTrees = trees;
    jewel.matchMode = mode;
    jewel.hideExcluded = equip.hideExcluded;
    jewel.exclusions = &m_exclusions;
    m_ui.jewelList->applyFilter(jewel);
}

void ManualEditItemPicker::refilterAll()
{
    applyFilters();
    updatePickButtons();
}

void ManualEditItemPicker::nameEdited(const QString& text)
{
    QString& stored = m_tab == kJewelTab ? m_jewelName : m_armourName;
    if (text.isEmpty() && stored.isEmpty())
        return;
    stored = text;
    refilterAll();
}

void ManualEditItemPicker::setMatchMode(int mode)
{
    m_ui.matchAll->setChecked(mode == 1);
    m_ui.matchAny->setChecked(mode == 2);
    refilterAll();
}

void ManualEditItemPicker::clearSkillFilter()
{
    currentFilter().clear();
    m_ui.matchAll->setChecked(false);
    m_ui.matchAny->setChecked(false);
    refilterAll();
}

void ManualEditItemPicker::editSkillFilter()
{
    const int job = radioJob();
    FilterSkillList& candidates = m_settings.filterSkills(job);
    std::vector<uint16_t>& chosen = currentFilter();
    CSkillFilterDlg::Choices choices;
    for (uint16_t tree : candidates)
        choices[tree] = std::find(chosen.begin(), chosen.end(), tree) != chosen.end() ? 1 : 0;
    CSkillFilterDlg dlg(m_master.skills(), choices, m_dialog);
    if (dlg.exec() != QDialog::Accepted)
        return;
    candidates.clear();
    chosen.clear();
    for (const auto& [tree, on] : dlg.choices()) {
        candidates.push_back(tree);
        if (on)
            chosen.push_back(tree);
    }
    // Startup.dat is written under the user folder's lock, off the UI thread.
    BackgroundFileTask::start(m_dialog, QCoreApplication::translate("zeku::CManualEditDlg", "保存中です。"),
                              [settings = m_settings, folder = m_folder] { return settings.save(folder); }, {});
    m_ui.matchAll->setChecked(true);
    m_ui.matchAny->setChecked(false);
    refilterAll();
}

void ManualEditItemPicker::updatePickButtons()
{
    const bool jewelTab = m_tab == kJewelTab;
    m_ui.chooseButton->setVisible(!jewelTab);
    for (QPushButton* b : m_attachButtons)
        b->setVisible(jewelTab);
    if (jewelTab) {
        const int row = m_ui.jewelList->selectedRow();
        const Jewel* jewel = row >= 0 ? m_ui.jewelList->getDataArray()[static_cast<std::size_t>(row)]->jewel : nullptr;
        for (int h = 0; h < 6; ++h) {
            const bool holder = h == 0 ? m_set.weapon() != nullptr : m_set.piece(h - 1) != nullptr;
            const JewelSlots& slots = h == 0 ? m_set.weaponSlots() : m_set.pieceSlots(h - 1);
            m_attachButtons[static_cast<std::size_t>(h)]->setEnabled(jewel && holder &&
                                                                     slots.freeSlots() >= jewel->slots);
        }
    } else {
        const CDataListCtrl* shown = m_tab == kWeaponTab ? static_cast<CDataListCtrl*>(m_ui.weaponList)
                                                         : static_cast<CDataListCtrl*>(m_ui.equipList);
        m_ui.chooseButton->setEnabled(shown->selectedRow() >= 0);
    }
    m_ui.nameClear->setEnabled(!m_ui.nameEdit->text().isEmpty());
    const bool filtering = !currentFilter().empty();
    m_ui.skillFilterClear->setEnabled(filtering);
    m_ui.matchAll->setEnabled(filtering);
    m_ui.matchAny->setEnabled(filtering);
}

} // namespace zeku
