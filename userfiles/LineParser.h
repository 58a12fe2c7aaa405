#pragma once
// The line grammar shared by every file under user/: "key=field,field,...".
//
// A line is trimmed; an empty line or one starting with ";" or "#" is no data
// line. The first "=" splits key and value; without "=", key and value are both
// the whole trimmed line. The value splits at every "," and empty fields are
// dropped. Fields are not trimmed.

#include <string>
#include <string_view>
#include <vector>

namespace zeku {

struct ParsedLine {
    std::string key;
    std::vector<std::string> fields;
};

// Parses `line` into `out`; false when it is no data line (out is then cleared).
bool parseUserFileLine(std::string_view line, ParsedLine& out);

} // namespace zeku
