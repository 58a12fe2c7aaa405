#pragma once
// Delivers the notices of a worker on the UI thread. Each post becomes one
// queued call on the receiver, so notices arrive in the order they were
// posted, after the worker has moved on; posting never waits. A notice posted
// after the same thread reported a message (GuiErrorReporter.h) arrives once
// the message has been dismissed.

#include "platform/NoticeSink.h"

#include <functional>
#include <memory>

class QObject;

namespace zeku {

class QtNoticeSink final : public NoticeSink {
public:
    using Handler = std::function<void(const Notice&)>;

    // `handler` runs on `receiver`'s thread for each notice. The receiver must
    // outlive every worker that posts here; calls still queued when it is
    // destroyed are dropped by Qt.
    QtNoticeSink(QObject* receiver, Handler handler);

    void post(const Notice& notice) override;

private:
    QObject* m_receiver;
    std::shared_ptr<const Handler> m_handler;
};

} // namespace zeku
