#include "ui/platform/GuiErrorReporter.h"

#include "ui/platform/CoreMessageText.h"
#include "ui/platform/MessageBoxService.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

namespace zeku {

GuiErrorReporter::GuiErrorReporter(QObject* parent) : QObject(parent)
{
}

template <typename Show>
void GuiErrorReporter::runOnUiThread(Show show)
{
    if (QThread::currentThread() == thread())
        show();
    else
        QMetaObject::invokeMethod(this, show, Qt::BlockingQueuedConnection);
}

void GuiErrorReporter::reportFileError(const std::string& fileName, const std::string& cause)
{
    const QString text = fileErrorText(QString::fromStdString(fileName), QString::fromStdString(cause));
    runOnUiThread([this, text] { showMessage(m_dialogParent, text, MessageIcon::Error); });
}

void GuiErrorReporter::reportErrorMessage(const std::string& message)
{
    const QString text = QString::fromStdString(message);
    runOnUiThread([this, text] { showMessage(m_dialogParent, text, MessageIcon::Error); });
}

void GuiErrorReporter::reportFileMessage(const std::string& fileName, const UserMessage& cause)
{
    const QString text = fileErrorText(QString::fromStdString(fileName), coreMessageText(cause));
    runOnUiThread([this, text] { showMessage(m_dialogParent, text, MessageIcon::Error); });
}

void GuiErrorReporter::reportMessage(const UserMessage& message)
{
    const QString text = coreMessageText(message);
    runOnUiThread([this, text] { showMessage(m_dialogParent, text, MessageIcon::Error); });
}

QString GuiErrorReporter::fileErrorText(const QString& fileName, const QString& cause)
{
    return QCoreApplication::translate("zeku::GuiErrorReporter", "ファイル %1 を処理できませんでした。\n%2")
        .arg(fileName, cause);
}

} // namespace zeku
