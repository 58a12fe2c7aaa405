// The shared user-file line grammar on arbitrary bytes, checked against what
// the grammar promises: key and fields are the trimmed line cut at the first
// "=" and at every ",", no field is empty, and trimming stops on character
// boundaries of code page 932 text.

#include "FuzzSupport.h"

#include "platform/Cp932.h"
#include "userfiles/LineParser.h"

#include <string>
#include <string_view>

using namespace zeku;

namespace {

// True when `offset` falls between two characters of `text`, walking from its start.
bool onCharacterBoundary(std::string_view text, std::size_t offset)
{
    std::size_t pos = 0;
    while (pos < offset)
        pos += cp932CharLength(text, pos);
    return pos == offset;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    ParsedLine out;
    const bool isData = parseUserFileLine(line, out);

    const std::string_view trimmed = trimCp932(line);
    const std::size_t begin = static_cast<std::size_t>(trimmed.data() - line.data());
    ZEKU_FUZZ_CHECK(begin + trimmed.size() <= line.size());
    ZEKU_FUZZ_CHECK(onCharacterBoundary(line, begin));
    ZEKU_FUZZ_CHECK(onCharacterBoundary(line, begin + trimmed.size()));

    if (!isData) {
        ZEKU_FUZZ_CHECK(out.key.empty() && out.fields.empty());
        ZEKU_FUZZ_CHECK(trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#');
        return 0;
    }
    ZEKU_FUZZ_CHECK(!trimmed.empty() && trimmed.front() != ';' && trimmed.front() != '#');

    const std::size_t eq = trimmed.find('=');
    const std::string_view key = eq == std::string_view::npos ? trimmed : trimmed.substr(0, eq);
    const std::string_view value = eq == std::string_view::npos ? trimmed : trimmed.substr(eq + 1);
    ZEKU_FUZZ_CHECK(out.key == key);

    std::string joined, expected;
    for (const std::string& field : out.fields) {
        ZEKU_FUZZ_CHECK(!field.empty());
        ZEKU_FUZZ_CHECK(field.find(',') == std::string::npos);
        joined += field;
    }
    for (char c : value)
        if (c != ',')
            expected += c;
    ZEKU_FUZZ_CHECK(joined == expected);
    return 0;
}
