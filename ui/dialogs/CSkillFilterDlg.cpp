#include "ui/dialogs/CSkillFilterDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/platform/TextConvert.h"

#include "ui_CSkillFilterDlg.h"

#include <QItemSelectionModel>
#include <QStandardItemModel>

namespace zeku {
namespace {

constexpr int kTreeRole = Qt::UserRole + 1;

QStandardItem* treeItem(const QString& name, QVariant treeId)
{
    auto* item = new QStandardItem(name);
    item->setData(treeId, kTreeRole);
    item->setEditable(false);
    return item;
}

} // namespace

CSkillFilterDlg::CSkillFilterDlg(const SkillCatalogue& skills, const Choices& choices, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CSkillFilterDlg>()), m_leftModel(new QStandardItemModel(0, 1, this)),
      m_rightModel(new QStandardItemModel(0, 1, this)), m_choices(choices)
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    m_leftModel->setHorizontalHeaderLabels({tr("スキル一覧")});
    m_rightModel->setHorizontalHeaderLabels({tr("絞込スキル")});
    m_ui->leftList->setModel(m_leftModel);
    m_ui->rightList->setModel(m_rightModel);
    m_ui->leftList->setColumnWidth(0, 100);
    m_ui->rightList->setColumnWidth(0, 120);
    giveListTheFreeHeight(m_ui->leftList);
    m_ui->leftList->setMultiSelection(true);
    m_ui->rightList->setMultiSelection(true);

    for (const SkillTree& tree : skills.trees()) {
        QStandardItem* item = treeItem(toQString(tree.name), tree.id);
        auto it = choices.find(tree.id);
        if (it != choices.end()) {
            item->setCheckable(true);
            item->setCheckState(it->second ? Qt::Checked : Qt::Unchecked);
            m_rightModel->appendRow(item);
        } else {
            m_leftModel->appendRow(item);
        }
    }

    connect(m_ui->addButton, &QPushButton::clicked, this, [this] { moveSelected(m_ui->leftList, m_ui->rightList); });
    connect(m_ui->removeButton, &QPushButton::clicked, this, [this] { moveSelected(m_ui->rightList, m_ui->leftList); });
    connect(m_ui->removeAllButton, &QPushButton::clicked, this, &CSkillFilterDlg::removeAll);
    connect(m_ui->leftList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSkillFilterDlg::updateButtons);
    connect(m_ui->rightList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSkillFilterDlg::updateButtons);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CSkillFilterDlg::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    updateButtons();
    nameControlsForAssistiveTech(this);
}

CSkillFilterDlg::~CSkillFilterDlg() = default;

void CSkillFilterDlg::moveSelected(ReportListView* from, ReportListView* to)
{
    auto* fromModel = static_cast<QStandardItemModel*>(from->model());
    auto* toModel = static_cast<QStandardItemModel*>(to->model());
    const bool toRight = to == m_ui->rightList;
    to->selectionModel()->clearSelection();
    int lastDeleted = -1;
    for (int row = from->selectedRow(); row >= 0; row = from->selectedRow()) {
        QStandardItem* source = fromModel->item(row);
        QStandardItem* item = treeItem(source->text(), source->data(kTreeRole));
        if (toRight) {
            item->setCheckable(true);
            item->setCheckState(Qt::Checked);
        }
        toModel->appendRow(item);
        to->selectionModel()->select(toModel->index(toModel->rowCount() - 1, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
        fromModel->removeRow(row);
        lastDeleted = row;
    }
    if (lastDeleted >= 0 && fromModel->rowCount() > 0) {
        const int select = std::min(lastDeleted, fromModel->rowCount() - 1);
        from->selectionModel()->select(fromModel->index(select, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (toModel->rowCount() > 0)
        to->scrollTo(toModel->index(toModel->rowCount() - 1, 0));
    to->setFocus();
    updateButtons();
}

void CSkillFilterDlg::removeAll()
{
    m_ui->leftList->selectionModel()->clearSelection();
    while (m_rightModel->rowCount() > 0) {
        QStandardItem* source = m_rightModel->item(0);
        m_leftModel->appendRow(treeItem(source->text(), source->data(kTreeRole)));
        m_ui->leftList->selectionModel()->select(m_leftModel->index(m_leftModel->rowCount() - 1, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        m_rightModel->removeRow(0);
    }
    if (m_leftModel->rowCount() > 0)
        m_ui->leftList->scrollTo(m_leftModel->index(m_leftModel->rowCount() - 1, 0));
    m_ui->leftList->setFocus();
    updateButtons();
}

void CSkillFilterDlg::updateButtons()
{
    m_ui->addButton->setEnabled(m_ui->leftList->selectedRow() >= 0);
    m_ui->removeButton->setEnabled(m_ui->rightList->selectedRow() >= 0);
    m_ui->removeAllButton->setEnabled(m_rightModel->rowCount() > 0);
}

void CSkillFilterDlg::accept()
{
    m_choices.clear();
    for (int row = 0; row < m_rightModel->rowCount(); ++row) {
        const QStandardItem* item = m_rightModel->item(row);
        m_choices[static_cast<uint16_t>(item->data(kTreeRole).toUInt())] = item->checkState() == Qt::Checked ? 1 : 0;
    }
    QDialog::accept();
}

} // namespace zeku
