#include "tools/EventPump.h"

#include <QApplication>
#include <QElapsedTimer>

namespace zeku {

bool processEventsUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace zeku
