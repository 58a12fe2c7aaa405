#include "userfiles/LineParser.h"

#include "platform/Cp932.h"

namespace zeku {

bool parseUserFileLine(std::string_view line, ParsedLine& out)
{
    out.key.clear();
    out.fields.clear();
    std::string_view trimmed = trimCp932(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return false;
    std::string_view value = trimmed;
    std::size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos) {
        out.key = std::string(trimmed);
    } else {
        out.key = std::string(trimmed.substr(0, eq));
        value = trimmed.substr(eq + 1);
    }
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t comma = value.find(',', start);
        std::size_t end = comma == std::string_view::npos ? value.size() : comma;
        if (end > start)
            out.fields.emplace_back(value.substr(start, end - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return true;
}

} // namespace zeku
