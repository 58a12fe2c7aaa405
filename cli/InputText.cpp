#include "cli/InputText.h"

#include "cli/CommandLine.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zeku::cli {
namespace {

std::string inputName(const std::string& file)
{
    return file == "-" ? std::string("standard input") : echoed(file);
}

// The deepest nesting of arrays and objects in `text`, counted outside
// strings; stops counting past `limit`.
int nestingDepth(const std::string& text, int limit)
{
    int depth = 0, deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size() && deepest <= limit; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i; // the escaped character cannot end the string
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

} // namespace

bool readInputText(const std::string& file, std::string& text, std::string& error)
{
    std::FILE* in = file == "-" ? stdin : std::fopen(file.c_str(), "rb");
    if (!in) {
        error = "cannot read " + inputName(file) + ": " + std::strerror(errno);
        return false;
    }
    text.clear();
    char buffer[65536];
    bool tooLarge = false;
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, in);
        if (got == 0)
            break;
        if (text.size() + got > kInputLimit) {
            tooLarge = true;
            break;
        }
        text.append(buffer, got);
    }
    const bool failed = std::ferror(in) != 0;
    const int cause = errno;
    if (in != stdin)
        std::fclose(in);
    if (tooLarge) {
        text.clear();
        error = inputName(file) + " is larger than 16 MiB, more than any condition needs";
        return false;
    }
    if (failed) {
        error = "cannot read " + inputName(file) + ": " + std::strerror(cause);
        return false;
    }
    return true;
}

bool parseInputJson(const std::string& text, const std::string& file, nlohmann::json& out, std::string& error)
{
    if (nestingDepth(text, kMaxJsonDepth) > kMaxJsonDepth) {
        error = inputName(file) + " nests arrays and objects deeper than " + std::to_string(kMaxJsonDepth) + " levels";
        return false;
    }
    out = nlohmann::json::parse(text, nullptr, false);
    if (out.is_discarded()) {
        error = "malformed JSON in " + (file == "-" ? std::string("-") : echoed(file));
        return false;
    }
    return true;
}

} // namespace zeku::cli
