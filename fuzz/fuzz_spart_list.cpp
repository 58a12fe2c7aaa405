// SParts.dat from arbitrary bytes, read against a small catalogue. Every entry
// the reader keeps must be a catalogue record filed under its own key.

#include "FuzzSupport.h"

#include "userfiles/ItemListFiles.h"

#include <algorithm>

using namespace zeku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const MasterData& master = fuzz::listCatalogue();
    const UserFolder folder(fuzz::scratchFolder());
    fuzz::writeInput(folder.sPartsFile(), data, size);
    SPartSet set;
    set.add(master.equip(PartHead).items().front()); // the load must start from an empty set
    const bool loaded = loadSPartList(folder, master, set);
    fuzz::removeInput(folder.sPartsFile());

    ZEKU_FUZZ_CHECK(loaded);
    fuzz::checkPiecesBelongTo(set, master);
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    ZEKU_FUZZ_CHECK(set.total() <= lines);
    return 0;
}
