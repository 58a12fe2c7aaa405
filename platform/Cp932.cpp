#include "platform/Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace zeku {
namespace {

// One iconv descriptor per conversion call: iconv_t is not thread-safe and the
// search and file workers convert text concurrently with the UI thread.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (valid())
            iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of [in, in+inLeft) as it can into `out`; returns the
    // errno of the stop (0 when everything was converted).
    int convert(const char*& in, std::size_t& inLeft, std::string& out)
    {
        char buffer[512];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(m_cd, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
            out.append(buffer, outPtr);
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG)
                    continue;
                return errno;
            }
        }
        return 0;
    }

private:
    iconv_t m_cd;
};

std::size_t utf8SequenceLength(unsigned char c)
{
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0)
        return 2;
    if ((c & 0xF0) == 0xE0)
        return 3;
    if ((c & 0xF8) == 0xF0)
        return 4;
    return 1;
}

// Length of the character at the start of `rest`: the lead byte and as many of
// its continuation bytes as are really there, so a broken sequence never takes
// the valid text after it along.
std::size_t utf8CharLength(std::string_view rest)
{
    std::size_t expected = std::min(utf8SequenceLength(static_cast<unsigned char>(rest[0])), rest.size());
    std::size_t len = 1;
    while (len < expected && (static_cast<unsigned char>(rest[len]) & 0xC0) == 0x80)
        ++len;
    return len;
}

// Shared loop of the two UTF-8 to CP932 conversions: `onBad` is told about
// every character that could not be converted and decides whether to go on.
template <typename OnBad>
std::string utf8ToCp932Impl(std::string_view utf8, OnBad onBad)
{
    std::string out;
    out.reserve(utf8.size());
    IconvHandle cd("CP932", "UTF-8");
    if (!cd.valid()) {
        // Without a converter only ASCII survives; everything else is a bad character.
        for (std::size_t i = 0; i < utf8.size();) {
            std::size_t len = utf8CharLength(utf8.substr(i));
            if (len == 1 && static_cast<unsigned char>(utf8[i]) < 0x80) {
                out.push_back(utf8[i]);
            } else if (!onBad(utf8.substr(i, len), out)) {
                return out;
            }
            i += len;
        }
        return out;
    }
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    while (inLeft > 0) {
        if (cd.convert(in, inLeft, out) == 0)
            break;
        // EILSEQ or EINVAL: skip one UTF-8 character (or one stray byte).
        std::size_t len = utf8CharLength(std::string_view(in, inLeft));
        if (!onBad(std::string_view(in, len), out))
            return out;
        in += len;
        inLeft -= len;
    }
    return out;
}

// True when byte `c` can be the second byte of a double-byte CP932 character.
constexpr bool isCp932TrailByte(unsigned char c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

} // namespace

std::size_t cp932CharLength(std::string_view text, std::size_t pos)
{
    if (pos + 1 < text.size() && isCp932LeadByte(static_cast<unsigned char>(text[pos])))
        return 2;
    return 1;
}

std::string utf8ToCp932Lossy(std::string_view utf8)
{
    return utf8ToCp932Impl(utf8, [](std::string_view, std::string& out) {
        out.push_back('?');
        return true;
    });
}

std::optional<std::string> utf8ToCp932Strict(std::string_view utf8, std::string* offending)
{
    bool failed = false;
    std::string out = utf8ToCp932Impl(utf8, [&](std::string_view bad, std::string&) {
        failed = true;
        if (offending)
            *offending = std::string(bad);
        return false;
    });
    if (failed)
        return std::nullopt;
    return out;
}

std::string cp932ToUtf8(std::string_view cp932)
{
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    IconvHandle cd("UTF-8", "CP932");
    const char* in = cp932.data();
    std::size_t inLeft = cp932.size();
    while (inLeft > 0) {
        if (cd.valid() && cd.convert(in, inLeft, out) == 0)
            break;
        // A lead byte whose next byte cannot be a trail byte is bad on its own:
        // the byte after it is text of its own.
        std::size_t len = cp932CharLength(std::string_view(in, inLeft), 0);
        if (len == 2 && !isCp932TrailByte(static_cast<unsigned char>(in[1])))
            len = 1;
        if (!cd.valid() && static_cast<unsigned char>(*in) < 0x80)
            out.push_back(*in);
        else
            out += "\xEF\xBF\xBD";
        in += len;
        inLeft -= len;
    }
    return out;
}

std::string_view trimCp932(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    // Leading: blanks are single bytes, so stop at the first non-blank character.
    std::size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin]))
        ++begin;
    // Trailing: walk characters from the front so the end is found on a boundary.
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        std::size_t len = cp932CharLength(text, pos);
        if (len == 2 || !isBlank(text[pos]))
            end = pos + len;
        pos += len;
    }
    return text.substr(begin, end - begin);
}

} // namespace zeku
