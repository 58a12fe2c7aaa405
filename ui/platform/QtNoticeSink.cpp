#include "ui/platform/QtNoticeSink.h"

#include "ui/platform/GuiErrorReporter.h"

#include <QObject>

namespace zeku {

QtNoticeSink::QtNoticeSink(QObject* receiver, Handler handler)
    : m_receiver(receiver), m_handler(std::make_shared<const Handler>(std::move(handler)))
{
}

void QtNoticeSink::post(const Notice& notice)
{
    // Queued even when posted from the UI thread itself: a notice is never
    // handled inside the code that posted it. A notice a worker posts after
    // reporting a message comes after that message's box is dismissed.
    GuiErrorReporter::postAfterReports(m_receiver, [handler = m_handler, notice] { (*handler)(notice); });
}

} // namespace zeku
