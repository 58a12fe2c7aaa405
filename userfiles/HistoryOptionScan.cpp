#include "userfiles/HistoryOptionScan.h"

#include "platform/LenientNumber.h"
#include "platform/TextFile.h"
#include "search/SearchCondition.h"
#include "userfiles/LineParser.h"
#include "userfiles/StoredPath.h"

#include <filesystem>
#include <system_error>

namespace zeku {

bool historyEntryUsesExactJewels(const SavedFileIndex& index, int position)
{
    const std::string* stored = index.path(position);
    if (!stored)
        return false;
    const auto file = confinedStoredPath(index.userFolder().root(), *stored);
    if (!file || userFileKind(*file) != UserFileKind::Plain)
        return false;
    TextLineReader reader(*file);
    if (!reader.isOpen())
        return false;
    SearchCondition options;
    bool inOptions = false;
    bool inCondition = false;
    std::string line;
    ParsedLine parsed;
    while (reader.next(line)) {
        if (!parseUserFileLine(line, parsed))
            continue;
        // As the history reader: the header is the whole line, the key
        // counts only inside its section, and any other header ends it.
        if (line.front() == '[') {
            inOptions = line == "[Option]";
            inCondition = line == "[Condition]";
        } else if (inOptions && parsed.key == "ExactJewel" && !parsed.fields.empty()) {
            options.exactJewels = parseLenientInt(parsed.fields[0]) != 0;
        } else if (inCondition && parsed.key == "Jewel" && !parsed.fields.empty()) {
            options.useJewels = parseLenientInt(parsed.fields[0]) != 0;
        }
    }
    return options.usesExactJewels();
}

} // namespace zeku
