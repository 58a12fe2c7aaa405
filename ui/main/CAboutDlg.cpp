#include "ui/main/CAboutDlg.h"

#include "platform/AppIdentity.h"
#include "ui/app/UiLanguage.h"
#include "ui/platform/WindowSupport.h"
#include "ui/dialogs/DialogSupport.h"

#include "ui_CAboutDlg.h"

#include <QFile>

namespace zeku {

namespace {

// A folder as the user can find it: absolute, in the file system's encoding.
QString folderText(const std::filesystem::path& folder)
{
    std::error_code ec;
    const std::filesystem::path shown = std::filesystem::absolute(folder, ec).lexically_normal();
    return QFile::decodeName(QByteArray::fromStdString((ec ? folder : shown).string()));
}

} // namespace

CAboutDlg::CAboutDlg(const DataFolders& folders, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CAboutDlg>())
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    m_ui->titleText->setText(QString::fromLatin1(kAppTitle));
    m_ui->versionText->setText(QString::fromLatin1(kVersionText));
    m_ui->icon->setPixmap(applicationIcon().pixmap(32, 32));
    m_ui->datFolderText->setText(folderText(folders.dat));
    m_ui->userFolderText->setText(folderText(folders.user));
    m_ui->languageText->setText(languageName(currentLanguage()));
    connect(m_ui->okButton, &QPushButton::clicked, this, &CAboutDlg::accept);
    giveAccessibleNames(this);
}

CAboutDlg::~CAboutDlg() = default;

} // namespace zeku
