#include "report/FormatCount.h"

#include <cstdio>

namespace zeku {

std::string formatCount(uint64_t value)
{
    // Four groups of three digits below 10^12; whatever is above them forms the
    // leading group and is written in full, however long it is.
    constexpr uint64_t kTrillion = 1000000000000ULL;
    const unsigned long long q = value / kTrillion;
    const uint64_t r = value % kTrillion;
    const unsigned a = static_cast<unsigned>(r / 1000000000ULL);
    const unsigned b = static_cast<unsigned>(r % 1000000000ULL / 1000000ULL);
    const unsigned c = static_cast<unsigned>(r % 1000000ULL / 1000ULL);
    const unsigned d = static_cast<unsigned>(r % 1000ULL);

    char buffer[32];
    if (q > 0)
        std::snprintf(buffer, sizeof buffer, "%llu,%03u,%03u,%03u,%03u", q, a, b, c, d);
    else if (a > 0)
        std::snprintf(buffer, sizeof buffer, "%u,%03u,%03u,%03u", a, b, c, d);
    else if (b > 0)
        std::snprintf(buffer, sizeof buffer, "%u,%03u,%03u", b, c, d);
    else if (c > 0)
        std::snprintf(buffer, sizeof buffer, "%u,%03u", c, d);
    else
        std::snprintf(buffer, sizeof buffer, "%u", d);
    return buffer;
}

} // namespace zeku
