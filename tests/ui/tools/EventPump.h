#pragma once
// The test programs drive the real windows from inside and must let them
// work between steps: they pump the event loop, which the program never does.

#include <functional>

namespace zeku {

// Runs the event loop until `done` holds or `ms` milliseconds have passed (a
// window manager answers state changes asynchronously); then whether it holds.
bool processEventsUntil(const std::function<bool()>& done, int ms);

} // namespace zeku
