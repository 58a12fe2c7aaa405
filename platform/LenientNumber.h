#pragma once
// Lenient decimal reading as the C library's atoi does it: leading blanks, an
// optional sign, digits; the first other character ends the number, no digits
// give 0. Data and user files store numbers this way and are read this way.

#include <cstdint>
#include <string_view>

namespace zeku {

// The value as a 32-bit int (a value out of range saturates first, as strtol
// does, and is then cut to 32 bits, as atoi does on this platform).
int32_t parseLenientInt(std::string_view text);

// The same value cut to its low 16 bits: how thresholds, points, ids and
// counts of the master data and user files are stored.
inline int16_t parseLenientInt16(std::string_view text)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(parseLenientInt(text))));
}
inline uint16_t parseLenientUInt16(std::string_view text)
{
    return static_cast<uint16_t>(static_cast<uint32_t>(parseLenientInt(text)));
}

} // namespace zeku
