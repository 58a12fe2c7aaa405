#pragma once
// Pieces shared by the condition text and the clip text: the Japanese words
// both use, converted once to CP932, and the small formatting steps both need.

#include <cstdint>
#include <string>
#include <string_view>

namespace zeku {

// CP932 words used by more than one report. Built on first use, never changed.
struct ReportTexts {
    std::string fullWidthSpace; // U+3000, bytes 0x81 0x40
    std::string none; // "なし"
    std::string bladeUser; // "剣士"
    std::string gunner; // "ガンナー"
    std::string maleMark; // "(男)"
    std::string femaleMark; // "(女)"
};

// The shared words; safe to call from any thread after the first call returned.
const ReportTexts& reportTexts();

// "(男)" for sex code 1, "(女)" for 2, empty for anything else.
const std::string& sexMark(uint16_t sex);

// Appends `text` left-aligned in a field of `width` bytes, as "%-*s" does:
// half-width spaces fill the rest, a longer text is written whole.
void appendPadded(std::string& out, std::string_view text, std::size_t width);

// "%+d": the number with its sign, "+0" for zero.
std::string signedNumber(int value);

} // namespace zeku
