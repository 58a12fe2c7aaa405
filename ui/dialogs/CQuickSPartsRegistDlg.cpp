#include "ui/dialogs/CQuickSPartsRegistDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ListFileSave.h"
#include "ui/lists/CheckListModel.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/ItemListFiles.h"

#include "ui_CQuickSPartsRegistDlg.h"

namespace zeku {

CQuickSPartsRegistDlg::CQuickSPartsRegistDlg(const EquipItem& piece, const StandingLists& lists, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CQuickSPartsRegistDlg>()), m_piece(piece), m_lists(lists)
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->registerButton);
    m_model = new CheckListModel({{QStringLiteral("\u3000"), Qt::AlignLeft, 80},
                                  {tr("名称"), Qt::AlignLeft, 160},
                                  {tr("状態"), Qt::AlignLeft, 60}},
                                 1, this);
    m_model->setCell(0, 0, partKanji(piece.part));
    m_model->setCell(0, 1, toQString(piece.name));
    m_model->setCell(0, 2, lists.sParts.contains(piece) ? tr("登録済") : QString());
    m_ui->itemList->setModel(m_model);
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_ui->itemList->setColumnWidth(c, m_model->columnSpecs()[static_cast<std::size_t>(c)].width);
    connect(m_model, &CheckListModel::userCheckToggled, this,
            [this] { m_ui->registerButton->setEnabled(m_model->isChecked(0)); });
    m_ui->saveToFile->setChecked(lists.saveSParts != 0);
    m_ui->registerButton->setEnabled(false);
    connect(m_ui->registerButton, &QPushButton::clicked, this, &CQuickSPartsRegistDlg::registerChecked);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    nameControlsForAssistiveTech(this);
    m_ui->itemList->setAccessibleName(windowTitle());
}

CQuickSPartsRegistDlg::~CQuickSPartsRegistDlg() = default;

void CQuickSPartsRegistDlg::registerChecked()
{
    if (m_model->isChecked(0) && !m_lists.sParts.contains(m_piece)) {
        m_lists.sParts.add(m_piece);
        const bool save = m_ui->saveToFile->isChecked();
        // Written once this window has closed, over the one that opened it.
        if (save)
            saveListFilesInBackground(parentWidget(), {{m_lists.sPartsStamp, [folder = m_lists.folder,
                                                                              list = m_lists.sParts](ListFileStamp* s) {
                                                            return saveSPartList(folder, list, s);
                                                        }}});
        m_lists.saveSParts = save ? 1 : 0;
    }
    accept();
}

} // namespace zeku
