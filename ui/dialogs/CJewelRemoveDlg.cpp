#include "ui/dialogs/CJewelRemoveDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/lists/CheckListModel.h"
#include "ui/lists/ListText.h"
#include "ui/platform/TextConvert.h"

#include "ui_CJewelRemoveDlg.h"

namespace zeku {

CJewelRemoveDlg::CJewelRemoveDlg(const std::vector<const Jewel*>& jewels, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CJewelRemoveDlg>()), m_jewels(jewels),
      m_model(new CheckListModel({{QStringLiteral("\u3000"), Qt::AlignLeft, 40},
                                  {tr("名称"), Qt::AlignLeft, 100},
                                  {tr("ｽﾛｯﾄ"), Qt::AlignLeft, 60},
                                  {tr("ｽｷﾙ"), Qt::AlignLeft, 120}},
                                 static_cast<int>(jewels.size()), this))
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    for (std::size_t r = 0; r < m_jewels.size(); ++r) {
        const int row = static_cast<int>(r);
        m_model->setCell(row, 0, tr("珠"));
        m_model->setCell(row, 1, toQString(m_jewels[r]->name));
        m_model->setCell(row, 2, repeatedMark(QStringLiteral("●"), m_jewels[r]->slots));
    }
    m_ui->jewelList->setModel(m_model);
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_ui->jewelList->setColumnWidth(c, m_model->columnSpecs()[static_cast<std::size_t>(c)].width);
    m_ui->okButton->setEnabled(false);
    connect(m_model, &CheckListModel::userCheckToggled, this, [this] { rowToggled(); });
    connect(m_ui->checkAll, &QCheckBox::clicked, this, &CJewelRemoveDlg::checkAllClicked);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CJewelRemoveDlg::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    nameControlsForAssistiveTech(this);
}

CJewelRemoveDlg::~CJewelRemoveDlg() = default;

void CJewelRemoveDlg::rowToggled()
{
    int checked = 0;
    for (int r = 0; r < m_model->rowCount(); ++r)
        checked += m_model->isChecked(r) ? 1 : 0;
    m_ui->checkAll->setChecked(checked == m_model->rowCount() && checked > 0);
    m_ui->okButton->setEnabled(checked > 0);
}

void CJewelRemoveDlg::checkAllClicked(bool checked)
{
    for (int r = 0; r < m_model->rowCount(); ++r)
        m_model->setChecked(r, checked);
    m_ui->okButton->setEnabled(checked && m_model->rowCount() > 0);
}

void CJewelRemoveDlg::accept()
{
    m_removed.clear();
    for (std::size_t r = 0; r < m_jewels.size(); ++r)
        if (m_model->isChecked(static_cast<int>(r)))
            m_removed.push_back(m_jewels[r]);
    QDialog::accept();
}

} // namespace zeku
