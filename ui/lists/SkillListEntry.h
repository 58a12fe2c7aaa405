#pragma once
// The row of the skill lists (wanted skills, excluded skills): a tree and its
// points with the two texts the list shows.

#include <cstdint>
#include <string>

namespace zeku {

struct SkillListEntry {
    uint16_t treeId = 0;
    int16_t points = 0;
    bool bad = false; // drawn red in the activated-skill column
    std::string text; // first column (CP932)
    std::string activatedName; // the skill the points activate (CP932), may be empty
};

} // namespace zeku
