#pragma once
// State kept between runs besides the standing lists: per job, the activated
// skills searched for most often and the trees offered by the skill filter.
// Stored in user/Startup.dat, which is rewritten whole whenever it changes.

#include "data/EquipItem.h"
#include "data/SkillCatalogue.h"
#include "userfiles/UserFolder.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zeku {

class SafeTextWriter;

// An activated skill (tree id, threshold as its points, name) with the number
// of searches that wanted it.
struct FavoriteSkillEntry : SkillActivation {
    uint32_t useCount = 0;
};

// Favourite order: higher use count first, then lower tree id, then higher points.
bool favoriteOrderBefore(const FavoriteSkillEntry& a, const FavoriteSkillEntry& b);

// The frequently used skills of one job. Shaped like a skill tree (id 0, a name,
// a list of activations) so that the main window can offer it like one.
struct FavoriteSkillSet {
    FavoriteSkillSet();

    uint16_t id = 0;
    std::string name; // "よく使うスキル" (CP932)
    std::vector<FavoriteSkillEntry> entries; // kept in favourite order

    // Restores the favourite order; entries equal in all keys keep their order.
    void sortByFavoriteOrder();
};

// Tree ids offered by the skill filter dialog, in the dialog's order.
using FilterSkillList = std::vector<uint16_t>;

// Job kJobBlade is the blade user; any other job is taken as kJobGunner,
// as the windows derive it from their job radio buttons.
class StartupSettings {
public:
    // Fills the settings from Startup.dat, starting from the empty state. A
    // missing file or damaged section is not an error: whatever could be read stays.
    void load(const UserFolder& folder, const SkillCatalogue& skills);
    // Rewrites Startup.dat. False after a file error, which has been reported;
    // the previous file then stays as it was.
    bool save(const UserFolder& folder) const;

    // Counts the wanted skills of a search into the job's favourites, each as
    // the activation its points reach (or the nearest one beyond them).
    void recordFavoriteSkills(int job, const std::vector<SkillPoint>& wanted, const SkillCatalogue& skills);
    // Adds one use of (treeId, points) to `set`: an existing entry counts up, a
    // new one is appended when those points activate a skill. Does not sort.
    static void addFavorite(FavoriteSkillSet& set, uint16_t treeId, int16_t points, const SkillCatalogue& skills);

    FavoriteSkillSet& favoriteSkills(int job) { return m_favorites[slot(job)]; }
    const FavoriteSkillSet& favoriteSkills(int job) const { return m_favorites[slot(job)]; }
    FilterSkillList& filterSkills(int job) { return m_filters[slot(job)]; }
    const FilterSkillList& filterSkills(int job) const { return m_filters[slot(job)]; }

private:
    static std::size_t slot(int job) { return job == kJobBlade ? 0 : 1; }
    // The lines of Startup.dat.
    void write(SafeTextWriter& out) const;

    std::array<FavoriteSkillSet, 2> m_favorites;
    std::array<FilterSkillList, 2> m_filters;
};

} // namespace zeku
