#pragma once
// Code page 932 (Shift-JIS, Microsoft's table) text helpers.
//
// Every text inside the program is a std::string of CP932 bytes. Conversions
// happen only at the edges (XML load, display, command line, clipboard); the
// helpers here make those conversions and know where a double-byte character
// starts, so byte-wise operations never split one.

#include <optional>
#include <string>
#include <string_view>

namespace zeku {

// True when byte `c` opens a double-byte CP932 character.
constexpr bool isCp932LeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Byte length of the character starting at `pos` (1 or 2; 1 at a truncated end).
std::size_t cp932CharLength(std::string_view text, std::size_t pos);

// UTF-8 to CP932. A character CP932 cannot hold becomes "?", and so does an
// invalid UTF-8 sequence; this is the load-time rule for master data.
std::string utf8ToCp932Lossy(std::string_view utf8);

// UTF-8 to CP932 for text a user typed: nothing is changed silently. On failure
// returns nullopt and, when `offending` is given, stores the first character
// (as UTF-8) that CP932 cannot hold.
std::optional<std::string> utf8ToCp932Strict(std::string_view utf8, std::string* offending = nullptr);

// CP932 to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD.
std::string cp932ToUtf8(std::string_view cp932);

// Removes leading and trailing ASCII white space, walking whole characters so
// that a trail byte of a double-byte character is never taken for a blank.
std::string_view trimCp932(std::string_view text);

} // namespace zeku
