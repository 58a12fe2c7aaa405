// SkillBase.xml from arbitrary bytes through the catalogue's own load, then the
// lookups on whatever it read.

#include "FuzzSupport.h"

#include "data/SkillCatalogue.h"

using namespace zeku;

namespace {

bool qualifies(int16_t threshold, int16_t total)
{
    return (total > 0 && threshold > 0 && threshold <= total) || (total < 0 && threshold < 0 && threshold >= total);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::filesystem::path file = fuzz::scratchFolder() / "SkillBase.xml";
    fuzz::writeInput(file, data, size);
    SkillCatalogue catalogue;
    const LoadResult result = catalogue.load(file);
    fuzz::removeInput(file);

    if (!result) {
        ZEKU_FUZZ_CHECK(catalogue.trees().empty());
        ZEKU_FUZZ_CHECK(!result.cause.empty());
        return 0;
    }
    TreeTotals totals;
    for (const SkillTree& tree : catalogue.trees()) {
        const SkillTree* first = catalogue.findTree(tree.id);
        ZEKU_FUZZ_CHECK(first != nullptr && first->id == tree.id && first <= &tree);
        for (const SkillActivation& activation : tree.activations) {
            ZEKU_FUZZ_CHECK(activation.treeId == tree.id);
            for (int16_t total : {activation.threshold, static_cast<int16_t>(activation.threshold - 1),
                                  static_cast<int16_t>(activation.threshold + 1)}) {
                const SkillActivation* found = SkillCatalogue::findActivatedSkill(tree, total);
                ZEKU_FUZZ_CHECK(found == nullptr || qualifies(found->threshold, total));
                if (qualifies(activation.threshold, total))
                    ZEKU_FUZZ_CHECK(found != nullptr);
            }
            totals[tree.id] = activation.threshold;
        }
        ZEKU_FUZZ_CHECK(SkillCatalogue::findActivatedSkill(tree, 0) == nullptr);
    }
    ZEKU_FUZZ_CHECK(catalogue.countActivatedSkills(totals) <= static_cast<int>(totals.size()));
    return 0;
}
