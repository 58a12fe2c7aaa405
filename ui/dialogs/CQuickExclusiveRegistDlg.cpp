#include "ui/dialogs/CQuickExclusiveRegistDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ListFileSave.h"
#include "ui/lists/CheckListModel.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/ItemListFiles.h"

#include "ui_CQuickExclusiveRegistDlg.h"

#include <algorithm>

namespace zeku {

CQuickExclusiveRegistDlg::CQuickExclusiveRegistDlg(const SkillCatalogue& skills, const QuickRegistration& what,
                                                   const StandingLists& lists, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CQuickExclusiveRegistDlg>()), m_lists(lists)
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->registerButton);
    int32_t saveDefault = 1;
    std::vector<std::vector<QString>> cells;
    std::vector<bool> red;
    const QString registered = tr("登録済");
    if (what.piece) {
        m_rows.push_back(Row{what.piece, nullptr, nullptr});
        cells.push_back({partKanji(what.piece->part), toQString(what.piece->name),
                         lists.exclusions.contains(*what.piece) ? registered : QString()});
        red.push_back(false);
        saveDefault = lists.saveExclusions;
    }
    if (!what.jewels.empty()) {
        std::vector<const Jewel*> seen;
        for (const Jewel* jewel : what.jewels) {
            if (!jewel || std::find(seen.begin(), seen.end(), jewel) != seen.end())
                continue;
            seen.push_back(jewel);
            m_rows.push_back(Row{nullptr, jewel, nullptr});
            cells.push_back(
                {tr("珠"), toQString(jewel->name), lists.exclusions.contains(*jewel) ? registered : QString()});
            red.push_back(false);
        }
        saveDefault = lists.saveExclusions;
    }
    if (!what.skillTreeName.empty()) {
        const auto& trees = skills.trees();
        auto tree =
            std::find_if(trees.begin(), trees.end(), [&](const SkillTree& t) { return t.name == what.skillTreeName; });
        if (tree != trees.end()) {
            for (const SkillActivation& skill : tree->activations) {
                m_rows.push_back(Row{nullptr, nullptr, &skill});
                cells.push_back(
                    {tr("スキル"), toQString(skill.name),
                     lists.excludedSkills.contains(skill.treeId, skill.threshold) ? registered : QString()});
                red.push_back(skill.threshold < 0);
            }
        }
        saveDefault = lists.saveExcludedSkills;
    }

    m_model = new CheckListModel({{QStringLiteral("\u3000"), Qt::AlignLeft, 80},
                                  {tr("名称"), Qt::AlignLeft, 160},
                                  {tr("状態"), Qt::AlignLeft, 60}},
                                 static_cast<int>(m_rows.size()), this);
    for (std::size_t r = 0; r < cells.size(); ++r) {
        for (int c = 0; c < 3; ++c)
            m_model->setCell(static_cast<int>(r), c, cells[r][static_cast<std::size_t>(c)]);
        if (red[r])
            m_model->setCellForeground(static_cast<int>(r), 1, colors::kNegativeText);
    }
    m_ui->itemList->setModel(m_model);
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_ui->itemList->setColumnWidth(c, m_model->columnSpecs()[static_cast<std::size_t>(c)].width);
    connect(m_model, &CheckListModel::userCheckToggled, this, [this] { updateRegisterButton(); });
    m_ui->saveToFile->setChecked(saveDefault != 0);
    m_ui->registerButton->setEnabled(false);
    connect(m_ui->registerButton, &QPushButton::clicked, this, &CQuickExclusiveRegistDlg::registerChecked);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    nameControlsForAssistiveTech(this);
    m_ui->itemList->setAccessibleName(windowTitle());
}

CQuickExclusiveRegistDlg::~CQuickExclusiveRegistDlg() = default;

void CQuickExclusiveRegistDlg::updateRegisterButton()
{
    bool any = false;
    for (int r = 0; r < m_model->rowCount(); ++r)
        any = any || m_model->isChecked(r);
    m_ui->registerButton->setEnabled(any);
}

void CQuickExclusiveRegistDlg::registerChecked()
{
    bool itemAdded = false;
    bool skillAdded = false;
    for (std::size_t r = 0; r < m_rows.size(); ++r) {
        if (!m_model->isChecked(static_cast<int>(r)))
            continue;
        const Row& row = m_rows[r];
        if (row.piece && !m_lists.exclusions.contains(*row.piece)) {
            m_lists.exclusions.add(*row.piece);
            itemAdded = true;
        } else if (row.jewel && !m_lists.exclusions.contains(*row.jewel)) {
            m_lists.exclusions.add(*row.jewel);
            itemAdded = true;
        } else if (row.skill && !m_lists.excludedSkills.contains(row.skill->treeId, row.skill->threshold)) {
            m_lists.excludedSkills.add(row.skill->treeId, row.skill->threshold);
            skillAdded = true;
        }
    }
    const bool save = m_ui->saveToFile->isChecked();
    std::vector<ListFileWrite> writes;
    if (itemAdded) {
        if (save)
            writes.push_back(
                {m_lists.exclusionsStamp, [folder = m_lists.folder, list = m_lists.exclusions](ListFileStamp* s) {
                     return saveExclusionList(folder, list, s);
                 }});
        m_lists.saveExclusions = save ? 1 : 0;
    }
    if (skillAdded) {
        if (save)
            writes.push_back({m_lists.excludedSkillsStamp,
                              [folder = m_lists.folder, list = m_lists.excludedSkills](ListFileStamp* s) {
                                  return saveExcludedSkills(folder, list, s);
                              }});
        m_lists.saveExcludedSkills = save ? 1 : 0;
    }
    // Written once this window has closed, over the one that opened it.
    saveListFilesInBackground(parentWidget(), std::move(writes));
    accept();
}

} // namespace zeku
