#include "ui/main/CAboutDlg.h"

#include "report/AppIdentity.h"
#include "ui/main/WindowSupport.h"
#include "userfiles/UserFolder.h"
#include "ui/dialogs/DialogSupport.h"

#include "ui_CAboutDlg.h"


namespace zeku {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::CAboutDlg>())
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    m_ui->titleText->setText(QString::fromLatin1(kAppTitle));
    m_ui->versionText->setText(QString::fromLatin1(kVersionText));
    m_ui->icon->setPixmap(applicationIcon().pixmap(32, 32));
    connect(m_ui->okButton, &QPushButton::clicked, this, &CAboutDlg::accept);
    giveAccessibleNames(this);
}

CAboutDlg::~CAboutDlg() = default;

} // namespace zeku
