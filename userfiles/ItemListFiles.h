#pragma once
// The three standing lists on disk: ExclusiveItem.dat (excluded pieces and
// jewels), ExclusiveSkill.dat (excluded activated skills) and SParts.dat (S parts).
//
// Loads empty their output first and return false only when the file cannot be
// opened; entries whose piece or jewel the catalogues no longer hold are dropped
// silently. Saves create the folder, write through a temporary file and report
// any failure through the error reporter; the old file then stays as it was.
// A save given a known stamp first checks, under the folder's lock, that the
// file still holds what the stamp says; when it does not, nothing is written,
// stamp->changedElsewhere is set and the result is false (not reported: the
// window asks whether to overwrite, then saves again with an unknown stamp).

#include "data/MasterData.h"
#include "search/ItemSets.h"
#include "userfiles/UserFolder.h"

#include <cstdint>
#include <optional>

namespace zeku {

// What a list file held when this window last read or wrote it, so that a save
// notices when another window (another process) saved the file since. Loads
// and saves given a stamp keep it up to date.
struct ListFileStamp {
    bool known = false; // false: nothing to compare (never read, or overwrite agreed)
    std::optional<uint64_t> digest; // of the file's bytes; nullopt when there was no file
    bool changedElsewhere = false; // set by a save refused because the file differs
};

// Fills `out` from ExclusiveItem.dat, matching names against the catalogues of `master`.
bool loadExclusionList(const UserFolder& folder, const MasterData& master, ExclusionSet& out,
                       ListFileStamp* stamp = nullptr);
// Rewrites ExclusiveItem.dat from `set`.
bool saveExclusionList(const UserFolder& folder, const ExclusionSet& set, ListFileStamp* stamp = nullptr);

// Fills `out` from ExclusiveSkill.dat; entries carry an empty name.
bool loadExcludedSkills(const UserFolder& folder, ExcludedSkillList& out, ListFileStamp* stamp = nullptr);
// Rewrites ExclusiveSkill.dat from `list`, in list order.
bool saveExcludedSkills(const UserFolder& folder, const ExcludedSkillList& list, ListFileStamp* stamp = nullptr);

// Fills `out` from SParts.dat, matching names against the equipment catalogues of `master`.
bool loadSPartList(const UserFolder& folder, const MasterData& master, SPartSet& out, ListFileStamp* stamp = nullptr);
// Rewrites SParts.dat from `set`.
bool saveSPartList(const UserFolder& folder, const SPartSet& set, ListFileStamp* stamp = nullptr);

} // namespace zeku
