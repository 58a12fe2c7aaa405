#include "ui/main/CFindConditionDispDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/platform/WindowConditionText.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CFindConditionDispDlg.h"

namespace zeku {

CFindConditionDispDlg::CFindConditionDispDlg(const SearchCondition& condition, const SkillCatalogue& skills,
                                             QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CFindConditionDispDlg>()), m_condition(condition)
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    // The core's text with its fixed words in the windows' language.
    m_ui->conditionText->setPlainText(windowConditionText(condition, skills));
    m_ui->conditionText->setAccessibleName(tr("検索条件"));
    // A list the condition did not use has nothing to give back.
    m_ui->excludedItemsCheck->setEnabled(condition.useExcludedItems);
    m_ui->excludedSkillsCheck->setEnabled(condition.useExcludedSkills);
    m_ui->sPartsCheck->setEnabled(condition.requireSParts);

    for (QCheckBox* box : {m_ui->basicCheck, m_ui->skillsCheck, m_ui->fixedCheck, m_ui->excludedItemsCheck,
                           m_ui->excludedSkillsCheck, m_ui->sPartsCheck})
        connect(box, &QCheckBox::clicked, this, &CFindConditionDispDlg::onPartClicked);
    connect(m_ui->allCheck, &QCheckBox::clicked, this, &CFindConditionDispDlg::onAllClicked);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CFindConditionDispDlg::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CFindConditionDispDlg::reject);
    giveAccessibleNames(this);
}

CFindConditionDispDlg::~CFindConditionDispDlg() = default;

std::array<QCheckBox*, 3> CFindConditionDispDlg::switchedBoxes() const
{
    return {m_ui->excludedItemsCheck, m_ui->excludedSkillsCheck, m_ui->sPartsCheck};
}

void CFindConditionDispDlg::onPartClicked()
{
    bool all = m_ui->basicCheck->isChecked() && m_ui->skillsCheck->isChecked() && m_ui->fixedCheck->isChecked();
    for (QCheckBox* box : switchedBoxes())
        all = all && (box->isChecked() || !box->isEnabled());
    m_ui->allCheck->setChecked(all);
}

void CFindConditionDispDlg::onAllClicked()
{
    const bool all = m_ui->allCheck->isChecked();
    m_ui->basicCheck->setChecked(all);
    m_ui->skillsCheck->setChecked(all);
    m_ui->fixedCheck->setChecked(all);
    for (QCheckBox* box : switchedBoxes())
        if (box->isEnabled())
            box->setChecked(all);
}

void CFindConditionDispDlg::accept()
{
    m_parts.basic = m_ui->basicCheck->isChecked();
    m_parts.skills = m_ui->skillsCheck->isChecked();
    m_parts.fixed = m_ui->fixedCheck->isChecked();
    m_parts.excludedItems = m_condition.useExcludedItems && m_ui->excludedItemsCheck->isChecked();
    m_parts.excludedSkills = m_condition.useExcludedSkills && m_ui->excludedSkillsCheck->isChecked();
    m_parts.sParts = m_condition.requireSParts && m_ui->sPartsCheck->isChecked();
    QDialog::accept();
}

} // namespace zeku
