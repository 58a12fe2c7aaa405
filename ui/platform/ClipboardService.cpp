#include "ui/platform/ClipboardService.h"

#include "ui/platform/TextConvert.h"

#include <QClipboard>
#include <QGuiApplication>

namespace zeku {
namespace {

QtClipboardService g_qtClipboard;
ClipboardService* g_clipboard = &g_qtClipboard;

} // namespace

void QtClipboardService::setText(const std::string& cp932)
{
    QGuiApplication::clipboard()->setText(toQString(cp932));
}

RecordingClipboardService::RecordingClipboardService() : m_previous(&clipboardService())
{
    setClipboardService(this);
}

RecordingClipboardService::~RecordingClipboardService()
{
    setClipboardService(m_previous == &g_qtClipboard ? nullptr : m_previous);
}

ClipboardService& clipboardService()
{
    return *g_clipboard;
}

void setClipboardService(ClipboardService* service)
{
    g_clipboard = service ? service : &g_qtClipboard;
}

} // namespace zeku
