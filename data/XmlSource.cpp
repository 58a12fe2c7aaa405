#include "data/XmlSource.h"

#include "platform/Cp932.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iconv.h>
#include <sstream>

namespace zeku {
namespace {

bool startsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

// The encoding named in an XML declaration at the start of `bytes`, lower-cased;
// empty when there is none.
std::string declaredEncoding(std::string_view bytes)
{
    if (!startsWith(bytes, "<?xml"))
        return {};
    std::size_t end = bytes.find("?>");
    std::string_view decl = bytes.substr(0, end == std::string_view::npos ? bytes.size() : end);
    std::size_t pos = decl.find("encoding");
    if (pos == std::string_view::npos)
        return {};
    pos = decl.find_first_of("\"'", pos);
    if (pos == std::string_view::npos)
        return {};
    char quote = decl[pos];
    std::size_t close = decl.find(quote, pos + 1);
    if (close == std::string_view::npos)
        return {};
    std::string name(decl.substr(pos + 1, close - pos - 1));
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
}

bool isShiftJisName(const std::string& name)
{
    return name == "shift_jis" || name == "shift-jis" || name == "sjis" || name == "windows-31j" || name == "cp932" ||
           name == "ms932" || name == "x-sjis";
}

// Strict conversion of the whole file to UTF-8 with iconv; false on a bad byte.
bool convertToUtf8(std::string_view bytes, const char* from, std::string& out)
{
    iconv_t cd = iconv_open("UTF-8", from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    out.clear();
    out.reserve(bytes.size() * 2);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char buffer[4096];
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            ok = false;
            break;
        }
    }
    iconv_close(cd);
    return ok;
}

} // namespace

LoadResult parseXmlBytes(std::string_view bytes, const std::string& fileName, pugi::xml_document& doc)
{
    std::string utf8;
    std::string_view text = bytes;
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        text = bytes.substr(3);
    } else if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        const char* from = bytes[0] == '\xFF' ? "UTF-16LE" : "UTF-16BE";
        if (!convertToUtf8(bytes.substr(2), from, utf8))
            return LoadResult::failure(fileName, "invalid UTF-16 text");
        text = utf8;
    } else if (isShiftJisName(declaredEncoding(bytes))) {
        if (!convertToUtf8(bytes, "CP932", utf8))
            return LoadResult::failure(fileName, "invalid Shift_JIS text");
        text = utf8;
    }
    // The text is UTF-8 now; pugixml is told so, whatever the declaration says.
    pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        std::ostringstream cause;
        cause << parsed.description() << " at offset " << parsed.offset;
        return LoadResult::failure(fileName, cause.str());
    }
    return LoadResult::success();
}

LoadResult loadXmlFile(const std::filesystem::path& file, pugi::xml_document& doc)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return LoadResult::failure(file.string(), std::strerror(errno));
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return LoadResult::failure(file.string(), "read error");
    return parseXmlBytes(content.str(), file.string(), doc);
}

std::string xmlText(const char* utf8)
{
    return utf8ToCp932Lossy(utf8 ? utf8 : "");
}

} // namespace zeku
