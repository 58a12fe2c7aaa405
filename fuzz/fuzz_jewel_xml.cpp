// Jewel.xml from arbitrary bytes through the catalogue's own load.

#include "FuzzSupport.h"

#include "data/EquipCatalogue.h"

#include <algorithm>

using namespace zeku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = fuzz::scratchFolder() / "Jewel.xml";
    fuzz::writeInput(file, data, size);
    JewelCatalogue catalogue;
    const LoadResult result = catalogue.load(file);
    fuzz::removeInput(file);

    if (!result) {
        ZEKU_FUZZ_CHECK(catalogue.size() == 0 && catalogue.mostSkillsOnOneJewel() == 0);
        ZEKU_FUZZ_CHECK(!result.cause.empty());
        return 0;
    }
    std::size_t most = 0;
    for (const Jewel& jewel : catalogue.items())
        most = std::max(most, jewel.skills.size());
    ZEKU_FUZZ_CHECK(static_cast<std::size_t>(catalogue.mostSkillsOnOneJewel()) == most);
    return 0;
}
