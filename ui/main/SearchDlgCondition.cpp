// The condition area of the main window: sex and job, the skill choosers and
// the wanted skills, the fixed-equipment lists, the list switches and "検索".

#include "ui/app/CSimulatorApp.h"
#include "platform/LenientNumber.h"
#include "ui/lists/RarityCombo.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/Favorites.h"

#include "ui_CSearchDlg.h"

#include <QApplication>
#include <QPalette>
#include <QSignalBlocker>

namespace zeku {

namespace {

// Rows of the tree chooser before the trees: "全て" and the favourites.
constexpr int kAllTreesData = -1;
constexpr int kFavoritesData = -2;
// The favourites offer at most this many skills.
constexpr std::size_t kFavoriteRows = 15;

int jobOf(const Ui::CSearchDlg& ui)
{
    return ui.jobBladeRadio->isChecked() ? 1 : 2;
}

} // namespace

QString CSearchDlg::favoritesCaption()
{
    // The favourites stand in the choosers like a skill tree, under a name of
    // the windows rather than of the master data (the settings' own name is
    // this text in Japanese).
    return tr("よく使うスキル");
}

void CSearchDlg::fillSkillTreeChooser()
{
    QComboBox* combo = m_ui->skillTreeCombo;
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItem(tr("全て"), kAllTreesData);
    combo->addItem(favoritesCaption(), kFavoritesData);
    const std::vector<SkillTree>& trees = m_app.skills().trees();
    for (std::size_t i = 0; i < trees.size(); ++i)
        combo->addItem(toQString(trees[i].name), static_cast<int>(i));
    combo->setCurrentIndex(0);
    fillActivatedSkillChooser();
}

void CSearchDlg::fillActivatedSkillChooser()
{
    QComboBox* combo = m_ui->activatedSkillCombo;
    const QSignalBlocker block(combo);
    combo->clear();
    m_chooserSkills.clear();
    const auto addRow = [&](const QString& text, std::optional<SkillPoint> skill) {
        combo->addItem(text);
        m_chooserSkills.push_back(skill);
    };
    const FavoriteSkillSet& favorites = m_app.startupSettings().favoriteSkills(jobOf(*m_ui));
    const std::vector<SkillTree>& trees = m_app.skills().trees();
    const int chosen =
        m_ui->skillTreeCombo->currentData().isValid() ? m_ui->skillTreeCombo->currentData().toInt() : kAllTreesData;

    if (chosen == kAllTreesData) {
        // Every tree under its name, its skills drawn as the branches of a tree.
        const auto addGroup = [&](const QString& name, const std::vector<const SkillActivation*>& skills) {
            addRow(name, std::nullopt);
            if (skills.empty()) {
                addRow(QStringLiteral(" ┗") + tr("なし"), std::nullopt);
                return;
            }
            for (std::size_t i = 0; i < skills.size(); ++i) {
                const QString branch = i + 1 == skills.size() ? QStringLiteral(" ┗") : QStringLiteral(" ┣");
                addRow(branch + toQString(skills[i]->name), SkillPoint{skills[i]->treeId, skills[i]->threshold});
            }
        };
        std::vector<const SkillActivation*> list;
        for (std::size_t i = 0; i < favorites.entries.size() && i < kFavoriteRows; ++i)
            list.push_back(&favorites.entries[i]);
        addGroup(favoritesCaption(), list);
        for (const SkillTree& tree : trees) {
            list.clear();
            for (const SkillActivation& skill : tree.activations)
                list.push_back(&skill);
            addGroup(toQString(tree.name), list);
        }
        combo->setCurrentIndex(-1);
        return;
    }
    if (chosen == kFavoritesData) {
        for (std::size_t i = 0; i < favorites.entries.size() && i < kFavoriteRows; ++i) {
            const FavoriteSkillEntry& entry = favorites.entries[i];
            addRow(toQString(entry.name), SkillPoint{entry.treeId, entry.threshold});
        }
    } else if (chosen >= 0 && static_cast<std::size_t>(chosen) < trees.size()) {
        for (const SkillActivation& skill : trees[static_cast<std::size_t>(chosen)].activations)
            addRow(toQString(skill.name), SkillPoint{skill.treeId, skill.threshold});
    }
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void CSearchDlg::updateSkillButtons()
{
    const int row = m_ui->activatedSkillCombo->currentIndex();
    const bool carriesSkill =
        row >= 0 && static_cast<std::size_t>(row) < m_chooserSkills.size() && m_chooserSkills[row].has_value();
    m_ui->addSkillButton->setEnabled(carriesSkill);
    const bool any = !m_wanted.empty();
    const bool selected = any && m_ui->wantedSkillList->selectedRow() >= 0;
    for (QWidget* w : {static_cast<QWidget*>(m_ui->skillPointsEdit), static_cast<QWidget*>(m_ui->skillPointsScroll),
                       static_cast<QWidget*>(m_ui->removeSkillButton), static_cast<QWidget*>(m_ui->adjustSkillButton)})
        w->setEnabled(selected);
    m_ui->removeAllSkillsButton->setEnabled(any);
}

void CSearchDlg::replaceWantedSkills(const std::vector<SkillPoint>& wanted, int select)
{
    m_wanted = wanted;
    m_ui->wantedSkillList->setWantedSkills(m_wanted);
    m_ui->wantedSkillList->selectSingleRow(select);
    onWantedSelectionChanged();
}

void CSearchDlg::onAddSkill()
{
    const int row = m_ui->activatedSkillCombo->currentIndex();
    if (row < 0 || static_cast<std::size_t>(row) >= m_chooserSkills.size() || !m_chooserSkills[row])
        return;
    addWantedSkill(*m_chooserSkills[row]);
}

void CSearchDlg::addWantedSkill(const SkillPoint& skill)
{
    std::vector<SkillPoint> wanted = m_wanted;
    int position = -1;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i].treeId == skill.treeId) {
            wanted[i].points = skill.points;
            position = static_cast<int>(i);
        }
    }
    if (position < 0) {
        wanted.push_back(skill);
        position = static_cast<int>(wanted.size()) - 1;
    }
    replaceWantedSkills(wanted, position);
}

void CSearchDlg::onWantedSelectionChanged()
{
    const int row = m_ui->wantedSkillList->selectedRow();
    if (row >= 0 && static_cast<std::size_t>(row) < m_wanted.size()) {
        const SkillPoint& point = m_wanted[static_cast<std::size_t>(row)];
        const std::string* name = m_app.skills().treeName(point.treeId);
        m_ui->wantedTreeLabel->setText(name ? toQString(*name) : QString());
        m_ui->skillPointsEdit->setText(QString::number(point.points));
    } else {
        m_ui->wantedTreeLabel->clear();
        m_ui->skillPointsEdit->setText(QStringLiteral("0"));
    }
    updateSkillButtons();
}

void CSearchDlg::onPointsTextChanged()
{
    const int value = m_ui->skillPointsEdit->text().toInt();
    QPalette palette = m_ui->skillPointsEdit->palette();
    palette.setColor(QPalette::Text, value < 0 ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Text));
    m_ui->skillPointsEdit->setPalette(palette);
    if (value >= -99 && value <= 99 && m_ui->skillPointsScroll->value() != value) {
        const QSignalBlocker block(m_ui->skillPointsScroll);
        m_ui->skillPointsScroll->setValue(value);
    }
}

void CSearchDlg::onAdjustSkill()
{
    const int row = m_ui->wantedSkillList->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_wanted.size())
        return;
    const int32_t value = parseLenientInt(m_ui->skillPointsEdit->text().toStdString());
    if (value == 0 || value < -99 || value > 99) {
        showMessage(this, tr("スキル値の範囲は -99～99 (0を除く) です。"), MessageIcon::Information);
        return;
    }
    std::vector<SkillPoint> wanted = m_wanted;
    wanted[static_cast<std::size_t>(row)].points = static_cast<int16_t>(value);
    replaceWantedSkills(wanted, row);
}

void CSearchDlg::onRemoveSkill()
{
    const int row = m_ui->wantedSkillList->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_wanted.size())
        return;
    std::vector<SkillPoint> wanted = m_wanted;
    wanted.erase(wanted.begin() + row);
    const int select = wanted.empty() ? -1 : std::min(row, static_cast<int>(wanted.size()) - 1);
    replaceWantedSkills(wanted, select);
}

void CSearchDlg::onRemoveAllSkills()
{
    replaceWantedSkills({}, -1);
}

void CSearchDlg::setSex(int sex)
{
    // A set value, not the user's choice: the rules of a change do not run.
    const QSignalBlocker blockMale(m_ui->sexMaleRadio);
    const QSignalBlocker blockFemale(m_ui->sexFemaleRadio);
    m_ui->sexMaleRadio->setChecked(sex == 1);
    m_ui->sexFemaleRadio->setChecked(sex != 1);
}

void CSearchDlg::setJob(int job)
{
    const bool changed = jobOf(*m_ui) != (job == 1 ? 1 : 2);
    {
        const QSignalBlocker blockBlade(m_ui->jobBladeRadio);
        const QSignalBlocker blockGunner(m_ui->jobGunnerRadio);
        m_ui->jobBladeRadio->setChecked(job == 1);
        m_ui->jobGunnerRadio->setChecked(job != 1);
    }
    if (changed) {
        fillSkillTreeChooser();
        updateSkillButtons();
    }
}

void CSearchDlg::setRarityCode(RarityFilterCode code)
{
    const int row = m_ui->rarityCombo->findData(static_cast<int>(code));
    m_ui->rarityCombo->setCurrentIndex(row >= 0 ? row : 0);
}

void CSearchDlg::onSexClicked(int sex)
{
    const uint16_t fixedSex = pieceSexOf(m_fixed);
    if (fixedSex != 0 && fixedSex != sex) {
        for (int part = 0; part < kPartCount; ++part) {
            const EquipItem* piece = m_fixed.piece(part);
            if (piece && piece->sex != 0 && piece->sex != sex)
                m_fixed.setPiece(part, nullptr);
        }
        refreshFixedLists();
    }
    setSex(sex);
}

void CSearchDlg::onJobClicked(int job)
{
    // Called once the radio of `job` became checked; the group unchecked the other.
    const uint16_t fixedJob = pieceJobOf(m_fixed);
    if (fixedJob != 0 && fixedJob != job) {
        for (int part = 0; part < kPartCount; ++part) {
            const EquipItem* piece = m_fixed.piece(part);
            if (piece && piece->job != 0 && piece->job != job)
                m_fixed.setPiece(part, nullptr);
        }
        refreshFixedLists();
    }
    fillSkillTreeChooser();
    updateSkillButtons();
}

void CSearchDlg::replaceFixedSet(const EquipSet& set)
{
    m_fixed = set;
    refreshFixedLists();
}

bool CSearchDlg::fixedRowHoldsItem(int row) const
{
    return row == 0 ? m_fixed.weapon() != nullptr : m_fixed.piece(row - 1) != nullptr;
}

bool CSearchDlg::fixedRowHasJewels(int row) const
{
    if (!fixedRowHoldsItem(row))
        return false;
    return row == 0 ? !m_fixed.weaponSlots().jewels.empty() : !m_fixed.pieceSlots(row - 1).jewels.empty();
}

bool CSearchDlg::allFixedRowsChecked() const
{
    bool any = false;
    for (int row = 0; row < CFixListCtrl::kRowCount; ++row) {
        if (!fixedRowHoldsItem(row))
            continue;
        any = true;
        if (!m_ui->fixedEquipList->isChecked(row))
            return false;
        if (fixedRowHasJewels(row) && !m_ui->fixedJewelList->isChecked(row))
            return false;
    }
    return any;
}

void CSearchDlg::refreshFixedLists()
{
    m_ui->fixedEquipList->showSet(&m_fixed);
    m_ui->fixedJewelList->showSet(&m_fixed);
    for (int row = 0; row < CFixListCtrl::kRowCount; ++row) {
        m_ui->fixedEquipList->setChecked(row, fixedRowHoldsItem(row));
        m_ui->fixedJewelList->setChecked(row, fixedRowHasJewels(row));
    }
    m_ui->checkAllFixedCheck->setChecked(allFixedRowsChecked());
}

void CSearchDlg::onFixEquipToggled(int row, bool checked)
{
    if (!fixedRowHoldsItem(row)) {
        m_ui->fixedEquipList->setChecked(row, false);
        return;
    }
    m_ui->fixedJewelList->setChecked(row, checked);
    m_ui->checkAllFixedCheck->setChecked(allFixedRowsChecked());
}

void CSearchDlg::onFixJewelToggled(int row, bool checked)
{
    if (!fixedRowHasJewels(row)) {
        m_ui->fixedJewelList->setChecked(row, false);
        return;
    }
    // Jewels are never fixed without the piece that holds them.
    if (checked)
        m_ui->fixedEquipList->setChecked(row, true);
    m_ui->checkAllFixedCheck->setChecked(allFixedRowsChecked());
}

void CSearchDlg::onCheckAllFixed()
{
    const bool state = m_ui->checkAllFixedCheck->isChecked();
    for (int row = 0; row < CFixListCtrl::kRowCount; ++row) {
        m_ui->fixedEquipList->setChecked(row, fixedRowHoldsItem(row) && state);
        m_ui->fixedJewelList->setChecked(row, fixedRowHasJewels(row) && state);
    }
}

void CSearchDlg::onSwitchClicked(QCheckBox* box, bool listEmpty, const QString& emptyMessage)
{
    // Runs on every change of the box, however made: an empty list turns it back off.
    if (box->isChecked() && listEmpty) {
        box->setChecked(false);
        showMessage(this, emptyMessage, MessageIcon::Information);
    }
}

} // namespace zeku
