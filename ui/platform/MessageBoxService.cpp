#include "ui/platform/MessageBoxService.h"

#include "platform/AppIdentity.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zeku {
namespace {

QtMessageBoxService g_qtService;
MessageBoxService* g_service = &g_qtService;

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Adds `which` with the program's own caption: Qt's are English whatever
// the windows speak, while every other window says "ＯＫ" and "キャンセル".
QPushButton* addButton(QMessageBox& box, QMessageBox::StandardButton which)
{
    QPushButton* button = box.addButton(which);
    switch (which) {
    case QMessageBox::Ok:
        button->setText(QCoreApplication::translate("zeku::MessageBoxService", "ＯＫ"));
        break;
    case QMessageBox::Cancel:
        button->setText(QCoreApplication::translate("zeku::MessageBoxService", "キャンセル"));
        break;
    case QMessageBox::Yes:
        button->setText(QCoreApplication::translate("zeku::MessageBoxService", "はい(&Y)"));
        break;
    case QMessageBox::No:
        button->setText(QCoreApplication::translate("zeku::MessageBoxService", "いいえ(&N)"));
        break;
    default:
        break;
    }
    return button;
}

MessageAnswer firstAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

} // namespace

MessageAnswer MessageBoxService::show(QWidget* parent, const QString& text, MessageIcon icon, MessageButtons buttons)
{
    return present(parent, MessageRequest{caption(), text, icon, buttons});
}

MessageAnswer MessageBoxService::showWithCaption(QWidget* parent, const QString& caption, const QString& text,
                                                 MessageIcon icon, MessageButtons buttons)
{
    return present(parent, MessageRequest{caption, text, icon, buttons});
}

QString MessageBoxService::caption()
{
    return QString::fromLatin1(kAppTitle);
}

MessageAnswer QtMessageBoxService::present(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(qtIcon(request.icon), request.caption, request.text, QMessageBox::NoButton, parent);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setDefaultButton(addButton(box, QMessageBox::Ok));
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setDefaultButton(addButton(box, QMessageBox::Ok));
        box.setEscapeButton(addButton(box, QMessageBox::Cancel));
        break;
    case MessageButtons::YesNo:
        // Like the platform's Yes/No box: no escape, one of the two must be chosen.
        box.setDefaultButton(addButton(box, QMessageBox::Yes));
        addButton(box, QMessageBox::No);
        break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    default:
        // Closed without a button: the escape answer, or the first one.
        return request.buttons == MessageButtons::OkCancel ? MessageAnswer::Cancel : firstAnswer(request.buttons);
    }
}

ScriptedMessageBoxService::ScriptedMessageBoxService() : m_previous(&messageBoxService())
{
    setMessageBoxService(this);
}

ScriptedMessageBoxService::~ScriptedMessageBoxService()
{
    setMessageBoxService(m_previous == &g_qtService ? nullptr : m_previous);
}

MessageAnswer ScriptedMessageBoxService::present(QWidget*, const MessageRequest& request)
{
    m_shown.push_back(request);
    if (m_answers.empty())
        return firstAnswer(request.buttons);
    MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

MessageBoxService& messageBoxService()
{
    return *g_service;
}

void setMessageBoxService(MessageBoxService* service)
{
    g_service = service ? service : &g_qtService;
}

} // namespace zeku
