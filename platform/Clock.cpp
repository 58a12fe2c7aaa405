#include "platform/Clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace zeku {

LocalTime SystemClock::now() const
{
    using namespace std::chrono;
    const auto stamp = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(stamp);
    const auto millis = duration_cast<milliseconds>(stamp.time_since_epoch()).count() % 1000;
    std::tm parts{};
    localtime_r(&seconds, &parts);
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,           parts.tm_hour,
                     parts.tm_min,         parts.tm_sec,     static_cast<int>(millis)};
}

std::string formatTimeStamp(const LocalTime& time, bool withMilliseconds)
{
    char text[64];
    int length = std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", time.year, time.month, time.day,
                               time.hour, time.minute, time.second);
    if (withMilliseconds)
        std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length), "%03d", time.millisecond);
    return text;
}

namespace {

const SystemClock g_systemClock;
const Clock* g_clock = &g_systemClock;

} // namespace

const Clock& localClock()
{
    return *g_clock;
}

void setLocalClock(const Clock* clock)
{
    g_clock = clock ? clock : &g_systemClock;
}

} // namespace zeku
