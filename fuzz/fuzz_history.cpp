// A search-history file from arbitrary bytes, read against a small catalogue.
// Whatever the reader keeps must point into the catalogue, and every restored
// result must hold only records of the catalogue, each in its own part.

#include "FuzzSupport.h"

#include "search/SearchResultStore.h"
#include "userfiles/LineParser.h"
#include "userfiles/NotationCheck.h"
#include "userfiles/SearchHistory.h"

#include <algorithm>
#include <string_view>

using namespace zeku;

namespace {

void checkSet(const EquipSet& set, const MasterData& master)
{
    fuzz::checkSetBelongsTo(set, master);
    for (int part = 0; part < kPartCount; ++part)
        ZEKU_FUZZ_CHECK(set.piece(part) || set.pieceSlots(part).jewels.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const MasterData& master = fuzz::listCatalogue();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Lines as the file reader gives them: split at LF, one trailing CR removed.
    std::size_t pos = 0;
    bool ended = text.empty();
    NextLine nextLine = [&](std::string& line) {
        if (ended)
            return false;
        const std::size_t lf = text.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? text.size() : lf;
        line.assign(text.substr(pos, end - pos));
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        pos = end + 1;
        ended = lf == std::string_view::npos || pos >= text.size();
        return true;
    };

    StoredSearch search;
    int failedLine = -1;
    const bool read = readSearchHistory(nextLine, master, search, &failedLine);
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    // A failure names a line of the file; a success names none.
    ZEKU_FUZZ_CHECK(read ? failedLine == 0 : failedLine >= 1 && static_cast<std::size_t>(failedLine) <= lines);
    if (!read)
        return 0;
    // Every record kept is one the writer could have written.
    ParsedLine parsed;
    for (std::size_t i = 0; i < search.combinations.size(); ++i)
        ZEKU_FUZZ_CHECK(parseUserFileLine(search.combinations[i].notation(), parsed) &&
                        isWellFormedNotation(parsed.fields));
    ZEKU_FUZZ_CHECK(search.combinations.size() <= lines);
    ZEKU_FUZZ_CHECK(search.combinationCount == search.combinations.size());
    ZEKU_FUZZ_CHECK(search.missingItems.size() <= lines);
    fuzz::checkPiecesBelongTo(search.condition.excludedItems, master);
    fuzz::checkPiecesBelongTo(search.condition.sParts, master);
    checkSet(search.condition.fixed, master);

    SearchResultStore results;
    restoreResults(search, master.skills(), results);
    ZEKU_FUZZ_CHECK(static_cast<std::size_t>(results.count()) <= search.combinations.size());
    for (int32_t i = 0; i < results.count(); ++i)
        checkSet(results.fullSet(i), master);
    return 0;
}
