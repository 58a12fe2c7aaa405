#pragma once
// The user's three standing lists with their files and remembered save flags,
// as the quick registration dialogs change them. The application object owns
// all of it; this only refers to it.

#include "search/ItemSets.h"
#include "userfiles/ItemListFiles.h"
#include "userfiles/UserFolder.h"

#include <cstdint>

namespace zeku {

struct StandingLists {
    const UserFolder& folder;
    ExclusionSet& exclusions;
    ExcludedSkillList& excludedSkills;
    SPartSet& sParts;
    int32_t& saveExclusions; // write ExclusiveItem.dat after a change
    int32_t& saveExcludedSkills; // write ExclusiveSkill.dat after a change
    int32_t& saveSParts; // write SParts.dat after a change
    // What this window last read or wrote of each file (nullptr: no check).
    ListFileStamp* exclusionsStamp = nullptr;
    ListFileStamp* excludedSkillsStamp = nullptr;
    ListFileStamp* sPartsStamp = nullptr;
};

} // namespace zeku
