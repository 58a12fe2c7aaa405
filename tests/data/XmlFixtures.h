#pragma once
// Small helpers for building master-data XML files in the tests: the same
// content in every byte encoding the loaders accept.

#include "support/TestSupport.h"

#include <cerrno>
#include <filesystem>
#include <iconv.h>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zeku::test {

// `utf8` re-encoded by glibc iconv as `toCode`. Throws when a character has no
// mapping, so a fixture never silently holds something other than intended.
inline std::string iconvEncode(std::string_view utf8, const char* toCode)
{
    iconv_t cd = iconv_open(toCode, "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("no iconv converter to ") + toCode);
    std::string out;
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            iconv_close(cd);
            throw std::runtime_error(std::string("cannot encode fixture as ") + toCode);
        }
    }
    iconv_close(cd);
    return out;
}

// A whole document: an XML declaration naming `encoding` (none when empty), then `body`.
inline std::string xmlDocument(std::string_view body, std::string_view encoding = "UTF-8")
{
    std::string doc;
    if (!encoding.empty())
        doc += "<?xml version=\"1.0\" encoding=\"" + std::string(encoding) + "\"?>\n";
    doc += body;
    return doc;
}

// Writes `bytes` as the file `name` in `dir` and returns its path.
inline std::filesystem::path writeXml(const TempDir& dir, const std::string& name, std::string_view bytes)
{
    std::filesystem::path file = dir / name;
    writeFileBytes(file, bytes);
    return file;
}

} // namespace zeku::test
