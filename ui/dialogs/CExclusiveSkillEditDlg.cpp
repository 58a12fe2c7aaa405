#include "ui/dialogs/CExclusiveSkillEditDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ListFileSave.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/ItemListFiles.h"

#include "ui_CExclusiveSkillEditDlg.h"

#include <QItemSelectionModel>

namespace zeku {

CExclusiveSkillEditDlg::CExclusiveSkillEditDlg(const SkillCatalogue& skills, const ExcludedSkillList& list,
                                               int32_t saveToFile, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CExclusiveSkillEditDlg>())
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    m_ui->leftList->setUp();
    m_ui->rightList->setUp();

    m_ui->treeCombo->addItem(tr("すべて"), 0);
    for (const SkillTree& tree : skills.trees())
        m_ui->treeCombo->addItem(toQString(tree.name), tree.id);
    m_ui->treeCombo->setCurrentIndex(0);

    std::vector<CExclusiveSkillListCtrl::EntryPtr> left;
    std::vector<CExclusiveSkillListCtrl::EntryPtr> right;
    for (const SkillTree& tree : skills.trees()) {
        for (const SkillActivation& skill : tree.activations) {
            auto& target = list.contains(tree.id, skill.threshold) ? right : left;
            target.push_back(CExclusiveSkillListCtrl::makeEntry(tree.id, skill.threshold, skills));
        }
    }
    // addEntries sorts each master by tree id, then points descending.
    m_ui->leftList->addEntries(std::move(left));
    m_ui->rightList->addEntries(std::move(right));
    // Both lists open at their first row and take the dialog's free height.
    for (CExclusiveSkillListCtrl* list : {m_ui->leftList, m_ui->rightList}) {
        list->scrollToTop();
        giveListTheFreeHeight(list);
    }
    m_ui->plusCheck->setChecked(true);
    m_ui->minusCheck->setChecked(true);

    connect(m_ui->treeCombo, &QComboBox::currentIndexChanged, this, [this] { refilter(); });
    // On the state, not the click: a screen reader's toggle has no click.
    connect(m_ui->plusCheck, &QCheckBox::toggled, this, [this] { refilter(); });
    connect(m_ui->minusCheck, &QCheckBox::toggled, this, [this] { refilter(); });
    connect(m_ui->addButton, &QPushButton::clicked, this, [this] { move(m_ui->leftList, m_ui->rightList, false); });
    connect(m_ui->removeButton, &QPushButton::clicked, this, [this] { move(m_ui->rightList, m_ui->leftList, false); });
    connect(m_ui->addAllButton, &QPushButton::clicked, this, [this] { move(m_ui->leftList, m_ui->rightList, true); });
    connect(m_ui->removeAllButton, &QPushButton::clicked, this,
            [this] { move(m_ui->rightList, m_ui->leftList, true); });
    connect(m_ui->leftList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateMoveButtons(); });
    connect(m_ui->rightList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateMoveButtons(); });
    connect(m_ui->reloadButton, &QPushButton::clicked, this, [this] { done(kReloadFileResult); });
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    refilter();
    m_ui->saveToFile->setChecked(saveToFile != 0);
    nameControlsForAssistiveTech(this);
}

CExclusiveSkillEditDlg::~CExclusiveSkillEditDlg() = default;

void CExclusiveSkillEditDlg::refilter()
{
    const auto tree = static_cast<uint16_t>(m_ui->treeCombo->currentData().toUInt());
    const bool plus = m_ui->plusCheck->isChecked();
    const bool minus = m_ui->minusCheck->isChecked();
    m_ui->leftList->applyFilter(tree, plus, minus);
    m_ui->rightList->applyFilter(tree, plus, minus);
    updateMoveButtons();
    updateTotals();
}

void CExclusiveSkillEditDlg::move(CExclusiveSkillListCtrl* from, CExclusiveSkillListCtrl* to, bool all)
{
    moveEntries(*from, *to, all);
    updateMoveButtons();
    updateTotals();
    to->setFocus();
}

void CExclusiveSkillEditDlg::updateMoveButtons()
{
    m_ui->addButton->setEnabled(m_ui->leftList->selectedRow() >= 0);
    m_ui->removeButton->setEnabled(m_ui->rightList->selectedRow() >= 0);
    m_ui->addAllButton->setEnabled(!m_ui->leftList->getDataArray().empty());
    m_ui->removeAllButton->setEnabled(!m_ui->rightList->getDataArray().empty());
}

void CExclusiveSkillEditDlg::updateTotals()
{
    m_ui->leftTotals->setText(
        itemCountText(m_ui->leftList->getDataArray().size(), m_ui->leftList->allEntries().size()));
    m_ui->rightTotals->setText(
        itemCountText(m_ui->rightList->getDataArray().size(), m_ui->rightList->allEntries().size()));
}

int32_t CExclusiveSkillEditDlg::saveToFile() const
{
    return m_ui->saveToFile->isChecked() ? 1 : 0;
}

ExcludedSkillList CExclusiveSkillEditDlg::editedList() const
{
    ExcludedSkillList list;
    for (const SkillListEntry* e : m_ui->rightList->allEntries())
        list.add(e->treeId, e->points);
    return list;
}

int CExclusiveSkillEditDlg::editList(const SkillCatalogue& skills, const UserFolder& folder, ExcludedSkillList& list,
                                     int32_t& saveFlag, QWidget* parent, ListFileStamp* stamp)
{
    for (;;) {
        CExclusiveSkillEditDlg dlg(skills, list, saveFlag, parent);
        const int result = dlg.exec();
        if (result == kReloadFileResult) {
            loadExcludedSkills(folder, list, stamp);
            continue;
        }
        if (result == QDialog::Accepted) {
            list = dlg.editedList();
            saveFlag = dlg.saveToFile();
            if (saveFlag)
                saveListFilesInBackground(parent, {{stamp, [folder, list](ListFileStamp* s) {
                                                        return saveExcludedSkills(folder, list, s);
                                                    }}});
        }
        return result;
    }
}

} // namespace zeku
