#include "ui/dialogs/CMessageDlg.h"

#include "ui_CMessageDlg.h"

#include <QCloseEvent>
#include <QStyle>

namespace zeku {

CMessageDlg::CMessageDlg(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::CMessageDlg>())
{
    m_ui->setupUi(this);
    setModal(false);
    // Only a title: the notice closes when its work is done, never by the user.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
    m_ui->icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
}

CMessageDlg::~CMessageDlg()
{
    QWidget* owner = parentWidget();
    if (!owner)
        return;
    // Hidden first, so that the owner becomes the active window once enabled.
    hide();
    owner->setEnabled(true);
    owner->raise();
    owner->activateWindow();
}

void CMessageDlg::showMessage(const QString& caption, const QString& line1, const QString& line2)
{
    setWindowTitle(caption);
    m_ui->line1->setText(line1);
    m_ui->line2->setText(line2);
    if (QWidget* owner = parentWidget()) {
        owner->setEnabled(false);
        // The notice itself is a window of its own and stays enabled.
        setEnabled(true);
        move(owner->frameGeometry().center() - rect().center());
    }
    show();
    raise();
}

void CMessageDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

QString CMessageDlg::line1() const
{
    return m_ui->line1->text();
}

QString CMessageDlg::line2() const
{
    return m_ui->line2->text();
}

} // namespace zeku
