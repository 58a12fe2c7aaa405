// ExclusiveSkill.dat from arbitrary bytes. Kept entries have a non-zero
// threshold and no name, and there is at most one per line.

#include "FuzzSupport.h"

#include "userfiles/ItemListFiles.h"

#include <algorithm>

using namespace zeku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const UserFolder folder(fuzz::scratchFolder());
    fuzz::writeInput(folder.exclusiveSkillFile(), data, size);
    ExcludedSkillList list;
    list.add(1, 1, "stale"); // the load must start from an empty list
    const bool loaded = loadExcludedSkills(folder, list);
    fuzz::removeInput(folder.exclusiveSkillFile());

    ZEKU_FUZZ_CHECK(loaded);
    for (const SkillActivation& entry : list.entries()) {
        ZEKU_FUZZ_CHECK(entry.threshold != 0);
        ZEKU_FUZZ_CHECK(entry.name.empty());
    }
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    ZEKU_FUZZ_CHECK(list.total() <= lines);
    return 0;
}
