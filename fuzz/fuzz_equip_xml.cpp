// An Equip*.xml file from arbitrary bytes through the catalogue's own load.

#include "FuzzSupport.h"

#include "data/EquipCatalogue.h"

#include <algorithm>

using namespace zeku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = fuzz::scratchFolder() / "EquipArm.xml";
    fuzz::writeInput(file, data, size);
    EquipCatalogue catalogue(PartArm);
    const LoadResult result = catalogue.load(file);
    fuzz::removeInput(file);

    if (!result) {
        ZEKU_FUZZ_CHECK(catalogue.size() == 0 && catalogue.mostSkillsOnOnePiece() == 0);
        ZEKU_FUZZ_CHECK(!result.cause.empty());
        return 0;
    }
    std::size_t most = 0;
    for (const EquipItem& item : catalogue.items()) {
        ZEKU_FUZZ_CHECK(item.part == PartArm);
        most = std::max(most, item.skills.size());
        for (const SkillPoint& point : item.skills)
            ZEKU_FUZZ_CHECK(pointsOf(item.skills, point.treeId) != nullptr);
    }
    ZEKU_FUZZ_CHECK(static_cast<std::size_t>(catalogue.mostSkillsOnOnePiece()) == most);
    return 0;
}
