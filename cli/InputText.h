#pragma once
// The JSON input of zeku-search (a condition, or --fits's condition and set),
// read from a file or standard input with bounds that no real input comes
// near, so that no input can take unbounded memory or time.

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>

namespace zeku::cli {

constexpr std::size_t kInputLimit = std::size_t{16} << 20; // 16 MiB
constexpr int kMaxJsonDepth = 32; // a condition nests 5 levels deep

// Reads `file` ("-": standard input) into `text`. An input larger than
// kInputLimit is refused as soon as it passes the limit, the rest unread.
// False with one line in `error`.
bool readInputText(const std::string& file, std::string& text, std::string& error);

// Parses `text`, read from `file`, into `out`. Malformed JSON and arrays or
// objects nested deeper than kMaxJsonDepth are refused (the depth before
// parsing: the parser's memory grows with it). False with one line in `error`.
bool parseInputJson(const std::string& text, const std::string& file, nlohmann::json& out, std::string& error);

} // namespace zeku::cli
