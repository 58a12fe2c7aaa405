// An index.dat from arbitrary bytes, read as the history index and as the
// favourites index. The parallel lists must stay in step, and saving and
// loading again must settle within a few rounds and then change nothing.
// (Saves may normalise: white space that ended a field before a dropped or
// empty field ends the line afterwards and is trimmed, which can empty the
// last field and expose the one before it, once per field.)

#include "FuzzSupport.h"

#include "userfiles/FavoriteIndex.h"
#include "userfiles/SavedFileIndex.h"

#include <algorithm>

using namespace zeku;

namespace {

bool sameTexts(const SavedFileIndex& a, const SavedFileIndex& b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i)
        if (*a.title(i) != *b.title(i) || *a.comment(i) != *b.comment(i) || *a.path(i) != *b.path(i))
            return false;
    return true;
}

// Loads `index` from the input, then saves and loads it round after round:
// `again` and `third` end as the last two loads, which must be the same.
template <typename Index>
void roundTrip(Index& index, Index& again, Index& third, const uint8_t* data, std::size_t size)
{
    constexpr int kMaxRounds = 8; // more than the fields of a line
    fuzz::writeInput(index.indexFile(), data, size);
    ZEKU_FUZZ_CHECK(index.load());
    ZEKU_FUZZ_CHECK(index.isConsistent());
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    ZEKU_FUZZ_CHECK(static_cast<std::size_t>(index.count()) <= lines);
    ZEKU_FUZZ_CHECK(index.save());
    ZEKU_FUZZ_CHECK(again.load());
    ZEKU_FUZZ_CHECK(again.count() <= index.count());
    bool settled = false;
    for (int round = 0; round < kMaxRounds && !settled; ++round) {
        ZEKU_FUZZ_CHECK(again.save());
        ZEKU_FUZZ_CHECK(third.load());
        ZEKU_FUZZ_CHECK(third.isConsistent());
        settled = sameTexts(again, third);
        if (!settled)
            ZEKU_FUZZ_CHECK(again.load());
    }
    fuzz::removeInput(index.indexFile());
    ZEKU_FUZZ_CHECK(settled);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const UserFolder folder(fuzz::scratchFolder() / "user");
    static const bool prepared = [&folder] {
        std::filesystem::create_directories(folder.historyFolder());
        std::filesystem::create_directories(folder.favoriteFolder());
        return true;
    }();
    (void)prepared;

    SavedFileIndex history = SavedFileIndex::forHistory(folder);
    SavedFileIndex historyAgain = SavedFileIndex::forHistory(folder);
    SavedFileIndex historyThird = SavedFileIndex::forHistory(folder);
    roundTrip(history, historyAgain, historyThird, data, size);

    FavoriteIndex favorites(folder);
    FavoriteIndex favoritesAgain(folder);
    FavoriteIndex favoritesThird(folder);
    roundTrip(favorites, favoritesAgain, favoritesThird, data, size);
    for (int i = 0; i < favoritesAgain.count(); ++i)
        ZEKU_FUZZ_CHECK(favoritesAgain.sex(i) == favoritesThird.sex(i) &&
                        favoritesAgain.job(i) == favoritesThird.job(i));
    return 0;
}
