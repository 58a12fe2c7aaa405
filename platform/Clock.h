#pragma once
// The local time of day, behind an interface so that tests can set it.
//
// File names of saved searches and favourites carry the time of saving down to
// the millisecond; tests need to force two saves into the same millisecond.

#include <cstdint>
#include <string>

namespace zeku {

// A broken-down local time, as the file names use it.
struct LocalTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0; // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The current local time.
    virtual LocalTime now() const = 0;
};

// The system's local time.
class SystemClock final : public Clock {
public:
    LocalTime now() const override;
};

// A clock that always says the time it was last set to.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalTime time = {}) : m_time(time) {}
    void set(const LocalTime& time) { m_time = time; }
    LocalTime now() const override { return m_time; }

private:
    LocalTime m_time;
};

// "YYYYMMDDhhmmss" followed by three millisecond digits when `withMilliseconds`.
std::string formatTimeStamp(const LocalTime& time, bool withMilliseconds);

// The clock in force; never null. The system clock by default.
const Clock& localClock();

// Installs `clock` (nullptr restores the system clock). Not thread-safe: install
// before workers start.
void setLocalClock(const Clock* clock);

} // namespace zeku
