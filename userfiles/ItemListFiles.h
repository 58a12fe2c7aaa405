#pragma once
// The three standing lists on disk: ExclusiveItem.dat (excluded pieces and
// jewels), ExclusiveSkill.dat (excluded activated skills) and SParts.dat (S parts).
//
// Loads empty their output first and return false only when the file cannot be
// opened; entries whose piece or jewel the catalogues no longer hold are dropped
// silently. Saves create the folder, write through a temporary file and report
// any failure through the error reporter; the old file then stays as it was.

#include "data/MasterData.h"
#include "search/ItemSets.h"
#include "userfiles/UserFolder.h"

namespace zeku {

// Fills `out` from ExclusiveItem.dat, matching names against the catalogues of `master`.
bool loadExclusionList(const UserFolder& folder, const MasterData& master, ExclusionSet& out);
// Rewrites ExclusiveItem.dat from `set`.
bool saveExclusionList(const UserFolder& folder, const ExclusionSet& set);

// Fills `out` from ExclusiveSkill.dat; entries carry an empty name.
bool loadExcludedSkills(const UserFolder& folder, ExcludedSkillList& out);
// Rewrites ExclusiveSkill.dat from `list`, in list order.
bool saveExcludedSkills(const UserFolder& folder, const ExcludedSkillList& list);

// Fills `out` from SParts.dat, matching names against the equipment catalogues of `master`.
bool loadSPartList(const UserFolder& folder, const MasterData& master, SPartSet& out);
// Rewrites SParts.dat from `set`.
bool saveSPartList(const UserFolder& folder, const SPartSet& set);

} // namespace zeku
