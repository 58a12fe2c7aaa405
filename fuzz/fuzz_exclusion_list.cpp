// ExclusiveItem.dat from arbitrary bytes, read against a small catalogue. Every
// entry the reader keeps must be a catalogue record filed under its own key.

#include "FuzzSupport.h"

#include "userfiles/ItemListFiles.h"

#include <algorithm>

using namespace zeku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const MasterData& master = fuzz::listCatalogue();
    const UserFolder folder(fuzz::scratchFolder());
    fuzz::writeInput(folder.exclusiveItemFile(), data, size);
    ExclusionSet set;
    set.add(master.jewels().items().front()); // the load must start from an empty set
    const bool loaded = loadExclusionList(folder, master, set);
    fuzz::removeInput(folder.exclusiveItemFile());

    ZEKU_FUZZ_CHECK(loaded);
    fuzz::checkPiecesBelongTo(set, master);
    const std::vector<Jewel>& jewels = master.jewels().items();
    for (const auto& [name, jewel] : set.jewels()) {
        ZEKU_FUZZ_CHECK(jewel >= jewels.data() && jewel < jewels.data() + jewels.size());
        ZEKU_FUZZ_CHECK(name == jewel->name);
    }
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    ZEKU_FUZZ_CHECK(set.total() <= lines);
    return 0;
}
