#include "ui/dialogs/CFavoriteDataInputDlg.h"

#include "ui/platform/WindowSupport.h"
#include "ui/platform/CoreMessageText.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "ui/dialogs/DialogSupport.h"
#include "userfiles/StorableText.h"

#include "ui_CFavoriteDataInputDlg.h"

namespace zeku {

namespace {

// The text as CP932; on a character CP932 lacks, says which one and fails.
bool storableText(QWidget* parent, const QString& text, std::string& out)
{
    QString offending;
    if (fromQStringStrict(text, out, offending))
        return true;
    showMessage(parent, unrepresentableCharMessage(offending), MessageIcon::Warning);
    return false;
}

} // namespace

CFavoriteDataInputDlg::CFavoriteDataInputDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CFavoriteDataInputDlg>())
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->okButton);
    connect(m_ui->okButton, &QPushButton::clicked, this, &CFavoriteDataInputDlg::accept);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CFavoriteDataInputDlg::reject);
    giveAccessibleNames(this);
}

CFavoriteDataInputDlg::~CFavoriteDataInputDlg() = default;

void CFavoriteDataInputDlg::setCaption(const QString& caption)
{
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

void CFavoriteDataInputDlg::setTitle(const std::string& title)
{
    m_title = title;
    m_ui->titleEdit->setText(toQString(title));
}

void CFavoriteDataInputDlg::setComment(const std::string& comment)
{
    m_comment = comment;
    m_ui->commentEdit->setText(toQString(comment));
}

void CFavoriteDataInputDlg::accept()
{
    const QString titleText = m_ui->titleEdit->text();
    if (titleText.isEmpty()) {
        showMessage(this, tr("タイトルを入力してください。"), MessageIcon::Warning);
        return;
    }
    const QString commentText = m_ui->commentEdit->text();
    std::string title;
    std::string comment;
    if (!storableText(this, titleText, title) || !storableText(this, commentText, comment))
        return;
    // The index line "title=path,comment" must read back as typed.
    if (const auto refusal = indexTextRefusal(title, comment)) {
        showMessage(this, coreMessageText(*refusal), MessageIcon::Warning);
        return;
    }
    m_title = std::move(title);
    m_comment = std::move(comment);
    QDialog::accept();
}

} // namespace zeku
