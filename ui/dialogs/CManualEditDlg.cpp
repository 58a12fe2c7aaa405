#include "ui/dialogs/CManualEditDlg.h"

#include "ui/dialogs/CSkillFilterDlg.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/lists/RarityCombo.h"

#include "ui_CManualEditDlg.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace zeku {

CManualEditDlg::CManualEditDlg(const MasterData& master, const ExclusionSet& exclusions, StartupSettings& settings,
                               const UserFolder& folder, const ManualEditInput& input, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CManualEditDlg>()), m_master(master), m_exclusions(exclusions),
      m_settings(settings), m_folder(folder), m_set(input.set), m_setSex(input.sex), m_setJob(input.job),
      m_fixedCondition(input.fixedCondition)
{
    m_ui->setupUi(this);
    m_attachButtons = {m_ui->attachWeapon, m_ui->attachHead,  m_ui->attachBody,
                       m_ui->attachArm,    m_ui->attachWaist, m_ui->attachLeg};

    m_ui->equipList->setUp(master, 0x6C);
    m_ui->jewelList->setUp(master, 0x64);
    m_ui->weaponList->setUp(master.weaponSlots());
    m_ui->setView->setUp();
    m_ui->skillView->setUp(master.skills());
    m_ui->skillView->setMultiSelection(true);

    (m_setSex == kSexFemale ? m_ui->sexFemale : m_ui->sexMale)->setChecked(true);
    (m_setJob == kJobGunner ? m_ui->jobGunner : m_ui->jobBlade)->setChecked(true);
    if (m_fixedCondition) {
        for (QRadioButton* r : {m_ui->sexMale, m_ui->sexFemale, m_ui->jobBlade, m_ui->jobGunner})
            r->setEnabled(false);
        m_ui->closeButton->setText(tr("キャンセル"));
    } else {
        m_ui->okButton->hide();
    }
    // Enter ends the dialog through its OK, or through "閉じる" where OK is hidden.
    keepEnterOnDefault(this, m_fixedCondition ? m_ui->okButton : m_ui->closeButton);
    fillRarityCombo(m_ui->rarityCombo);
    m_ui->hideExcluded->setChecked(true);
    m_ui->tabHead->setChecked(true);

    // Filters. The radios and the switch act on their state, not on a click:
    // a screen reader's toggle has no click.
    for (QRadioButton* r : {m_ui->sexMale, m_ui->sexFemale, m_ui->jobBlade, m_ui->jobGunner})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            refilterAll();
            redrawSet();
        });
    connect(m_ui->rarityCombo, &QComboBox::currentIndexChanged, this, [this] { refilterAll(); });
    connect(m_ui->nameEdit, &QLineEdit::textChanged, this, &CManualEditDlg::nameEdited);
    connect(m_ui->nameClear, &QPushButton::clicked, this, [this] {
        m_ui->nameEdit->clear();
        updatePickButtons();
    });
    const std::array<QRadioButton*, 7> tabs = {m_ui->tabWeapon, m_ui->tabHead, m_ui->tabBody, m_ui->tabArm,
                                               m_ui->tabWaist,  m_ui->tabLeg,  m_ui->tabJewel};
    for (std::size_t t = 0; t < tabs.size(); ++t)
        connect(tabs[t], &QRadioButton::toggled, this, [this, t](bool on) {
            if (on)
                switchTab(static_cast<int>(t));
        });
    connect(m_ui->matchAll, &QRadioButton::clicked, this, [this] { setMatchMode(1); });
    connect(m_ui->matchAny, &QRadioButton::clicked, this, [this] { setMatchMode(2); });
    connect(m_ui->skillFilterEdit, &QPushButton::clicked, this, &CManualEditDlg::editSkillFilter);
    connect(m_ui->skillFilterClear, &QPushButton::clicked, this, &CManualEditDlg::clearSkillFilter);
    connect(m_ui->hideExcluded, &QCheckBox::toggled, this, [this] { refilterAll(); });
    for (CDataListCtrl* list :
         {static_cast<CDataListCtrl*>(m_ui->weaponList), static_cast<CDataListCtrl*>(m_ui->equipList),
          static_cast<CDataListCtrl*>(m_ui->jewelList)})
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &CManualEditDlg::updatePickButtons);
    connect(m_ui->setView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CManualEditDlg::updateSetButtons);

    // The set.
    connect(m_ui->chooseButton, &QPushButton::clicked, this, &CManualEditDlg::choose);
    for (std::size_t h = 0; h < m_attachButtons.size(); ++h)
        connect(m_attachButtons[h], &QPushButton::clicked, this, [this, h] { attachJewel(static_cast<int>(h)); });
    connect(m_ui->removeItem, &QPushButton::clicked, this, &CManualEditDlg::removeItem);
    connect(m_ui->removeJewels, &QPushButton::clicked, this, &CManualEditDlg::removeJewels);
    connect(m_ui->removeAllJewels, &QPushButton::clicked, this, &CManualEditDlg::removeAllJewels);
    connect(m_ui->removeAll, &QPushButton::clicked, this, &CManualEditDlg::emptySet);
    connect(m_ui->clipButton, &QPushButton::clicked, this, &CManualEditDlg::copyClip);

    // Favourites and the end.
    connect(m_ui->favoriteCombo, &QComboBox::currentIndexChanged, this, &CManualEditDlg::updateFavoriteButtons);
    connect(m_ui->addFavorite, &QPushButton::clicked, this, &CManualEditDlg::addFavorite);
    connect(m_ui->showFavorite, &QPushButton::clicked, this, &CManualEditDlg::showFavorite);
    connect(m_ui->overwriteFavorite, &QPushButton::clicked, this, &CManualEditDlg::overwriteFavorite);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);

    // The item lists keep at least kListRowsAtLeast rows and take the height a
    // larger window gains; the set view and the skill totals keep theirs.
    for (ReportListView* list :
         {static_cast<ReportListView*>(m_ui->weaponList), static_cast<ReportListView*>(m_ui->equipList),
          static_cast<ReportListView*>(m_ui->jewelList)})
        list->setMinimumHeight(list->heightForRows(kListRowsAtLeast));
    m_ui->gridLayout->setRowStretch(4, 1);

    switchTab(1);
    fillFavoriteCombo();
    updateFavoriteButtons();
    updateLabels();
    redrawSet();
    nameControlsForAssistiveTech(this);
}

CManualEditDlg::~CManualEditDlg() = default;

void CManualEditDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

uint16_t CManualEditDlg::radioSex() const
{
    return m_ui->sexMale->isChecked() ? kSexMale : kSexFemale;
}

uint16_t CManualEditDlg::radioJob() const
{
    return m_ui->jobBlade->isChecked() ? kJobBlade : kJobGunner;
}

std::vector<uint16_t>& CManualEditDlg::currentFilter()
{
    return m_filterSkills[radioJob() == kJobBlade ? 0 : 1];
}

void CManualEditDlg::switchTab(int tab)
{
    m_tab = tab;
    m_ui->weaponList->setVisible(tab == kWeaponTab);
    m_ui->equipList->setVisible(tab > kWeaponTab && tab < kJewelTab);
    m_ui->jewelList->setVisible(tab == kJewelTab);
    if (tab == kWeaponTab) {
        m_ui->weaponList->refreshRows();
    } else {
        applyFilters();
        // The stored text is already applied; the edit only shows it.
        const QSignalBlocker block(m_ui->nameEdit);
        m_ui->nameEdit->setText(tab == kJewelTab ? m_jewelName : m_armourName);
    }
    updatePickButtons();
}

void CManualEditDlg::applyFilters()
{
    const int mode = m_ui->matchAll->isChecked() ? 1 : m_ui->matchAny->isChecked() ? 2 : 0;
    const std::vector<uint16_t>& trees = currentFilter();
    EquipListFilter equip;
    equip.part = m_tab > kWeaponTab && m_tab < kJewelTab ? m_tab - 1 : m_ui->equipList->currentPart();
    equip.sex = radioSex();
    equip.job = radioJob();
    equip.rarity = selectedRarityCode(m_ui->rarityCombo);
    equip.nameText = filterTextOf(m_armourName);
    equip.filterTrees = trees;
    equip.matchMode = mode;
    equip.hideExcluded = m_ui->hideExcluded->isChecked();
    equip.exclusions = &m_exclusions;
    m_ui->equipList->applyFilter(equip);
    JewelListFilter jewel;
    jewel.rarity = equip.rarity;
    jewel.nameText = filterTextOf(m_jewelName);
    jewel.filterTrees = trees;
    jewel.matchMode = mode;
    jewel.hideExcluded = equip.hideExcluded;
    jewel.exclusions = &m_exclusions;
    m_ui->jewelList->applyFilter(jewel);
}

void CManualEditDlg::refilterAll()
{
    applyFilters();
    updatePickButtons();
}

void CManualEditDlg::nameEdited(const QString& text)
{
    QString& stored = m_tab == kJewelTab ? m_jewelName : m_armourName;
    if (text.isEmpty() && stored.isEmpty())
        return;
    stored = text;
    refilterAll();
}

void CManualEditDlg::setMatchMode(int mode)
{
    m_ui->matchAll->setChecked(mode == 1);
    m_ui->matchAny->setChecked(mode == 2);
    refilterAll();
}

void CManualEditDlg::clearSkillFilter()
{
    currentFilter().clear();
    m_ui->matchAll->setChecked(false);
    m_ui->matchAny->setChecked(false);
    refilterAll();
}

void CManualEditDlg::editSkillFilter()
{
    const int job = radioJob();
    FilterSkillList& candidates = m_settings.filterSkills(job);
    std::vector<uint16_t>& chosen = currentFilter();
    CSkillFilterDlg::Choices choices;
    for (uint16_t tree : candidates)
        choices[tree] = std::find(chosen.begin(), chosen.end(), tree) != chosen.end() ? 1 : 0;
    CSkillFilterDlg dlg(m_master.skills(), choices, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    candidates.clear();
    chosen.clear();
    for (const auto& [tree, on] : dlg.choices()) {
        candidates.push_back(tree);
        if (on)
            chosen.push_back(tree);
    }
    m_settings.save(m_folder);
    m_ui->matchAll->setChecked(true);
    m_ui->matchAny->setChecked(false);
    refilterAll();
}

void CManualEditDlg::updatePickButtons()
{
    const bool jewelTab = m_tab == kJewelTab;
    m_ui->chooseButton->setVisible(!jewelTab);
    for (QPushButton* b : m_attachButtons)
        b->setVisible(jewelTab);
    if (jewelTab) {
        const int row = m_ui->jewelList->selectedRow();
        const Jewel* jewel = row >= 0 ? m_ui->jewelList->getDataArray()[static_cast<std::size_t>(row)]->jewel : nullptr;
        for (int h = 0; h < 6; ++h) {
            const bool holder = h == 0 ? m_set.weapon() != nullptr : m_set.piece(h - 1) != nullptr;
            const JewelSlots& slots = h == 0 ? m_set.weaponSlots() : m_set.pieceSlots(h - 1);
            m_attachButtons[static_cast<std::size_t>(h)]->setEnabled(jewel && holder &&
                                                                     slots.freeSlots() >= jewel->slots);
        }
    } else {
        const CDataListCtrl* shown = m_tab == kWeaponTab ? static_cast<CDataListCtrl*>(m_ui->weaponList)
                                                         : static_cast<CDataListCtrl*>(m_ui->equipList);
        m_ui->chooseButton->setEnabled(shown->selectedRow() >= 0);
    }
    m_ui->nameClear->setEnabled(!m_ui->nameEdit->text().isEmpty());
    const bool filtering = !currentFilter().empty();
    m_ui->skillFilterClear->setEnabled(filtering);
    m_ui->matchAll->setEnabled(filtering);
    m_ui->matchAny->setEnabled(filtering);
}

void CManualEditDlg::updateSetButtons()
{
    const bool empty = setIsEmpty();
    for (QPushButton* b : {m_ui->removeItem, m_ui->removeAll, m_ui->removeAllJewels, m_ui->removeJewels,
                           m_ui->clipButton, m_ui->addFavorite})
        b->setEnabled(!empty);
    if (empty)
        return;
    bool anyJewel = !m_set.weaponSlots().jewels.empty();
    for (int p = 0; p < kPartCount; ++p)
        anyJewel = anyJewel || !m_set.pieceSlots(p).jewels.empty();
    m_ui->removeAllJewels->setEnabled(anyJewel);
    const int row = m_ui->setView->selectedRow();
    bool holder = false;
    bool jewels = false;
    if (row == 0) {
        holder = m_set.weapon() != nullptr;
        jewels = !m_set.weaponSlots().jewels.empty();
    } else if (row >= 1 && row <= kPartCount) {
        holder = m_set.piece(row - 1) != nullptr;
        jewels = !m_set.pieceSlots(row - 1).jewels.empty();
    }
    m_ui->removeItem->setEnabled(holder);
    m_ui->removeJewels->setEnabled(jewels);
}

void CManualEditDlg::updateLabels()
{
    m_ui->setSexLabel->setText(m_setSex == kSexMale ? tr("男") : m_setSex == kSexFemale ? tr("女") : QString());
    m_ui->setJobLabel->setText(m_setJob == kJobBlade    ? tr("剣士")
                               : m_setJob == kJobGunner ? tr("ガンナー")
                                                        : QString());
}

void CManualEditDlg::redrawSet(int selectRow)
{
    m_ui->setView->showSet(&m_set);
    m_ui->skillView->showSet(&m_set);
    if (selectRow >= 0)
        m_ui->setView->selectSingleRow(selectRow);
    updateSetButtons();
}

} // namespace zeku
