#include "ui/main/ConditionForm.h"

#include "platform/LenientNumber.h"
#include "ui/app/CSimulatorApp.h"
#include "ui/lists/RarityCombo.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"

#include "ui_CSearchDlg.h"

#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <algorithm>

namespace zeku {

ConditionForm::ConditionForm(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window)
    : m_app(app), m_ui(ui), m_window(window), m_wanted(app, ui, window), m_fixed(ui)
{
}

void ConditionForm::setUpControls()
{
    // Sex 1 and job 1.
    m_ui.sexMaleRadio->setChecked(true);
    m_ui.jobBladeRadio->setChecked(true);
    fillRarityCombo(m_ui.rarityCombo);
    // Number fields take digits only.
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    m_ui.minDefenceEdit->setValidator(new QRegularExpressionValidator(digits, m_ui.minDefenceEdit));
    m_ui.maxResultsEdit->setValidator(new QRegularExpressionValidator(digits, m_ui.maxResultsEdit));
    m_ui.minDefenceEdit->setText(QStringLiteral("0"));
    m_ui.maxResultsEdit->setText(QStringLiteral("10000"));
    m_ui.excludedItemsCheck->setChecked(false);
    m_ui.excludedSkillsCheck->setChecked(false);
    m_ui.requireSPartsCheck->setChecked(false);
    m_wanted.setUpControls();
    m_ui.useJewelsCheck->setChecked(true);
    // Exact jewel fitting is a choice within jewel use: off at start, and
    // open only while jewels are on.
    m_ui.exactJewelsCheck->setChecked(false);
    connect(m_ui.useJewelsCheck, &QCheckBox::toggled, m_ui.exactJewelsCheck, &QWidget::setEnabled);
}

void ConditionForm::connectControls()
{
    // The rules follow the state, not the click: the keyboard and a screen
    // reader's toggle action change it without one.
    connect(m_ui.sexMaleRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onSexClicked(1);
    });
    connect(m_ui.sexFemaleRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onSexClicked(2);
    });
    connect(m_ui.jobBladeRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onJobClicked(1);
    });
    connect(m_ui.jobGunnerRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onJobClicked(2);
    });
    m_wanted.connectControls(this);
    m_fixed.connectControls(this);
    connect(m_ui.excludedItemsCheck, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui.excludedItemsCheck, m_app.exclusions().total() == 0,
                        CSearchDlg::tr("除外アイテムが登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui.excludedSkillsCheck, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui.excludedSkillsCheck, m_app.excludedSkills().total() == 0,
                        CSearchDlg::tr("除外スキルが登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui.requireSPartsCheck, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui.requireSPartsCheck, m_app.sParts().total() == 0,
                        CSearchDlg::tr("Ｓ防具が登録されていません\n編集ボタンを押して登録してください"));
    });
}

bool ConditionForm::excludedSkillConflict()
{
    const SkillCatalogue& skills = m_app.skills();
    for (const SkillPoint& wanted : m_wanted.skills()) {
        if (!m_app.excludedSkills().reachedBy(wanted))
            continue;
        const std::string* tree = skills.treeName(wanted.treeId);
        const QString treeName = tree ? toQString(*tree) : QString();
        const std::string skill = skills.activatedSkillName(wanted.treeId, wanted.points);
        // Points that activate no named skill are shown as the points
        // themselves, so the message never comes up empty.
        const QString what = skill.empty() ? QString::number(wanted.points) : toQString(skill);
        showMessage(&m_window, CSearchDlg::tr("'%1 (%2)' は除外スキルに登録されています\n").arg(treeName, what),
                    MessageIcon::Information);
        return true;
    }
    return false;
}

uint32_t ConditionForm::maxResultsFromControls() const
{
    const auto count = static_cast<uint32_t>(parseLenientInt(m_ui.maxResultsEdit->text().toStdString()));
    return count == 0 ? kDefaultMaxResults : count;
}

SearchCondition ConditionForm::conditionFromControls() const
{
    SearchCondition condition;
    condition.sex = m_ui.sexMaleRadio->isChecked() ? kSexMale : kSexFemale;
    condition.job = m_ui.jobBladeRadio->isChecked() ? kJobBlade : kJobGunner;
    condition.rarity = selectedRarityCode(m_ui.rarityCombo);
    condition.useJewels = m_ui.useJewelsCheck->isChecked();
    condition.exactJewels = condition.useJewels && m_ui.exactJewelsCheck->isChecked();
    condition.minDefence = static_cast<uint16_t>(parseLenientInt(m_ui.minDefenceEdit->text().toStdString()));
    condition.useExcludedItems = m_ui.excludedItemsCheck->isChecked();
    condition.useExcludedSkills = m_ui.excludedSkillsCheck->isChecked();
    condition.requireSParts = m_ui.requireSPartsCheck->isChecked();
    condition.maxResults = maxResultsFromControls();
    condition.wanted = m_wanted.skills();
    condition.fixed = m_fixed.checkedSet();
    if (condition.useExcludedItems)
        condition.excludedItems.copyFrom(m_app.exclusions());
    if (condition.useExcludedSkills)
        condition.excludedSkills.copyFrom(m_app.excludedSkills());
    if (condition.requireSParts)
        condition.sParts.copyFrom(m_app.sParts());
    return condition;
}

std::optional<SearchCondition> ConditionForm::readyCondition()
{
    if (m_wanted.skills().empty()) {
        showMessage(&m_window, CSearchDlg::tr("スキル条件を入力してください"), MessageIcon::Information);
        return std::nullopt;
    }
    if (m_ui.excludedSkillsCheck->isChecked() && excludedSkillConflict())
        return std::nullopt;
    return conditionFromControls();
}

void ConditionForm::showDefaultCount()
{
    if (parseLenientInt(m_ui.maxResultsEdit->text().toStdString()) == 0)
        m_ui.maxResultsEdit->setText(QString::number(kDefaultMaxResults));
}

void ConditionForm::setSex(int sex)
{
    const QSignalBlocker blockMale(m_ui.sexMaleRadio);
    const QSignalBlocker blockFemale(m_ui.sexFemaleRadio);
    m_ui.sexMaleRadio->setChecked(sex == kSexMale);
    m_ui.sexFemaleRadio->setChecked(sex != kSexMale);
}

void ConditionForm::setJob(int job)
{
    const bool changed = m_ui.jobBladeRadio->isChecked() != (job == kJobBlade);
    {
        const QSignalBlocker blockBlade(m_ui.jobBladeRadio);
        const QSignalBlocker blockGunner(m_ui.jobGunnerRadio);
        m_ui.jobBladeRadio->setChecked(job == kJobBlade);
        m_ui.jobGunnerRadio->setChecked(job != kJobBlade);
    }
    if (changed) {
        m_wanted.fillSkillTreeChooser();
        m_wanted.updateButtons();
    }
}

void ConditionForm::setRarityCode(RarityFilterCode code)
{
    const int row = m_ui.rarityCombo->findData(static_cast<int>(code));
    m_ui.rarityCombo->setCurrentIndex(row >= 0 ? row : 0);
}

void ConditionForm::showBasicCondition(const SearchCondition& condition)
{
    setSex(condition.sex);
    setJob(condition.job);
    setRarityCode(condition.rarity);
    m_ui.minDefenceEdit->setText(QString::number(condition.minDefence));
    m_ui.maxResultsEdit->setText(QString::number(condition.maxResults));
    m_ui.useJewelsCheck->setChecked(condition.useJewels);
    m_ui.exactJewelsCheck->setChecked(condition.usesExactJewels());
}

void ConditionForm::showSwitches(bool excludedItems, bool excludedSkills, bool requireSParts)
{
    const QSignalBlocker blockItems(m_ui.excludedItemsCheck);
    const QSignalBlocker blockSParts(m_ui.requireSPartsCheck);
    const QSignalBlocker blockSkills(m_ui.excludedSkillsCheck);
    m_ui.excludedItemsCheck->setChecked(excludedItems);
    m_ui.excludedSkillsCheck->setChecked(excludedSkills);
    m_ui.requireSPartsCheck->setChecked(requireSParts);
}

void ConditionForm::onSexClicked(int sex)
{
    m_fixed.fitSex(sex);
    setSex(sex);
}

void ConditionForm::onJobClicked(int job)
{
    // Called once the radio of `job` became checked; the group unchecked the other.
    m_fixed.fitJob(job);
    m_wanted.fillSkillTreeChooser();
    m_wanted.updateButtons();
}

void ConditionForm::onSwitchClicked(QCheckBox* box, bool listEmpty, const QString& emptyMessage)
{
    // Runs on every change of the box, however made: an empty list turns it back off.
    if (box->isChecked() && listEmpty) {
        box->setChecked(false);
        showMessage(&m_window, emptyMessage, MessageIcon::Information);
    }
}

void ConditionForm::applyConditionChange(const ConditionChange& change)
{
    std::vector<SkillPoint> wanted = m_wanted.skills();
    const auto entry =
        std::find_if(wanted.begin(), wanted.end(), [&](const SkillPoint& w) { return w.treeId == change.treeId; });
    const int row = weaponFirstRow(change.holder);
    switch (change.kind) {
    case ChangeKind::Drop:
        if (entry != wanted.end()) {
            wanted.erase(entry);
            m_wanted.replace(wanted);
        }
        break;
    case ChangeKind::Lower:
        if (entry != wanted.end()) {
            entry->points = change.points;
            m_wanted.replace(wanted, static_cast<int>(entry - wanted.begin()));
        }
        break;
    case ChangeKind::SwitchOff:
        (change.which == ConditionSwitch::ExcludedItems    ? m_ui.excludedItemsCheck
         : change.which == ConditionSwitch::ExcludedSkills ? m_ui.excludedSkillsCheck
                                                           : m_ui.requireSPartsCheck)
            ->setChecked(false);
        break;
    case ChangeKind::MinDefence:
        m_ui.minDefenceEdit->setText(QStringLiteral("0"));
        break;
    case ChangeKind::Rarity:
        setRarityCode(0);
        break;
    case ChangeKind::JewelsOn:
        m_ui.useJewelsCheck->setChecked(true);
        break;
    case ChangeKind::ExactJewelsOn:
        m_ui.exactJewelsCheck->setChecked(true);
        break;
    case ChangeKind::UnfixPiece:
        m_fixed.uncheckRow(row, false);
        break;
    case ChangeKind::UnfixJewels:
        m_fixed.uncheckRow(row, true);
        break;
    }
}

} // namespace zeku
