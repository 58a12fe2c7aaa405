#pragma once
// The skill trees of the game and the skills each tree activates at given
// point totals, read once from SkillBase.xml and read-only afterwards.

#include "data/LoadResult.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zeku {

// One skill a tree activates. The same record also serves as an excluded-skill
// entry (name empty when loaded from a user file).
struct SkillActivation {
    uint16_t treeId = 0;
    int16_t threshold = 0; // reached by totals at or above it (> 0) or at or below it (< 0)
    std::string name; // CP932
};

// One skill tree with its activations in file order.
struct SkillTree {
    uint16_t id = 0;
    std::string name; // CP932
    std::vector<SkillActivation> activations;
};

// Per-tree point totals keyed by tree id, as sets and results carry them.
using TreeTotals = std::map<uint16_t, int16_t>;

class SkillCatalogue {
public:
    // Reads SkillBase.xml (any of the supported encodings). On failure the
    // catalogue stays empty.
    LoadResult load(const std::filesystem::path& file);

    const std::vector<SkillTree>& trees() const { return m_trees; }

    // The first tree with that id, or nullptr.
    const SkillTree* findTree(uint16_t id) const;
    // Name of findTree(id), or nullptr when no tree has that id.
    const std::string* treeName(uint16_t id) const;
    // The activation `total` reaches in `tree`, or nullptr (0 activates nothing).
    static const SkillActivation* findActivatedSkill(const SkillTree& tree, int16_t total);
    // Name of the skill `total` activates in tree `id`; empty when none.
    std::string activatedSkillName(uint16_t id, int16_t total) const;
    // Number of trees in `totals` whose total activates a named skill.
    int countActivatedSkills(const TreeTotals& totals) const;

    // For tests and generated data: appends a tree as a load would.
    void addTree(SkillTree tree);

private:
    std::vector<SkillTree> m_trees;
    // Position + 1 of the first tree of each id (0: none). Every stored result
    // counts its activated skills, so finding a tree must not walk the list.
    std::vector<uint32_t> m_positionById;
};

} // namespace zeku
