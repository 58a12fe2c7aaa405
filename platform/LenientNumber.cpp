#include "platform/LenientNumber.h"

#include <limits>

namespace zeku {

int32_t parseLenientInt(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r')))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulate the magnitude with saturation at the 64-bit range, like strtol.
    constexpr uint64_t limit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1;
    uint64_t magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (magnitude < limit)
            magnitude = magnitude * 10 + static_cast<uint64_t>(text[pos] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    int64_t value;
    if (negative)
        value = magnitude >= limit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
    else
        value = magnitude >= limit ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

} // namespace zeku
