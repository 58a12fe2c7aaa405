#include "userfiles/StartupSettings.h"

#include "platform/AppIdentity.h"
#include "platform/Cp932.h"
#include "platform/LenientNumber.h"
#include "platform/TextFile.h"
#include "userfiles/LineParser.h"
#include "userfiles/LockedUserFileSave.h"

#include <algorithm>

namespace zeku {
namespace {

const std::string& favoriteSetName()
{
    static const std::string name = utf8ToCp932Lossy("よく使うスキル");
    return name;
}

// The activation a search for `points` in `tree` stands for: the one the points
// activate, or else the nearest threshold beyond them (nullptr for 0 or none).
const SkillActivation* activationFor(const SkillTree& tree, int16_t points, const SkillCatalogue& skills)
{
    const std::string name = skills.activatedSkillName(tree.id, points);
    if (!name.empty()) {
        for (const SkillActivation& a : tree.activations)
            if (a.name == name)
                return &a;
        return nullptr;
    }
    const SkillActivation* nearest = nullptr;
    for (const SkillActivation& a : tree.activations) {
        if (points > 0 && a.threshold >= points && (!nearest || a.threshold < nearest->threshold))
            nearest = &a;
        else if (points < 0 && a.threshold <= points && (!nearest || a.threshold > nearest->threshold))
            nearest = &a;
    }
    return nearest;
}

// The next line of a section; false at the end of the file or on a line that
// is no data line. Either way the line is used up.
bool nextSectionLine(TextLineReader& in, ParsedLine& parsed)
{
    std::string line;
    return in.next(line) && parseUserFileLine(line, parsed);
}

// Reads the "Count=" line that opens a section.
bool readCount(TextLineReader& in, int32_t& count)
{
    ParsedLine parsed;
    if (!nextSectionLine(in, parsed) || parsed.key != "Count" || parsed.fields.empty())
        return false;
    count = parseLenientInt(parsed.fields[0]);
    return true;
}

// A section stops at its first invalid line; the entries before it stay.
void readFavoriteSection(TextLineReader& in, FavoriteSkillSet& set, const SkillCatalogue& skills)
{
    int32_t count = 0;
    if (readCount(in, count)) {
        ParsedLine parsed;
        for (int32_t i = 0; i < count; ++i) {
            if (!nextSectionLine(in, parsed) || parsed.fields.size() < 3)
                break;
            FavoriteSkillEntry entry;
            entry.treeId = parseLenientUInt16(parsed.fields[0]);
            entry.threshold = parseLenientInt16(parsed.fields[1]);
            entry.name = skills.activatedSkillName(entry.treeId, entry.threshold);
            entry.useCount = static_cast<uint32_t>(parseLenientInt(parsed.fields[2]));
            set.entries.push_back(std::move(entry));
        }
    }
    // Sorted also after a damaged section, so the set always keeps its order.
    set.sortByFavoriteOrder();
}

void readFilterSection(TextLineReader& in, FilterSkillList& list)
{
    int32_t count = 0;
    if (!readCount(in, count))
        return;
    ParsedLine parsed;
    for (int32_t i = 0; i < count; ++i) {
        if (!nextSectionLine(in, parsed) || parsed.fields.empty())
            break;
        list.push_back(parseLenientUInt16(parsed.fields[0]));
    }
}

} // namespace

bool favoriteOrderBefore(const FavoriteSkillEntry& a, const FavoriteSkillEntry& b)
{
    if (a.useCount != b.useCount)
        return a.useCount > b.useCount;
    if (a.treeId != b.treeId)
        return a.treeId < b.treeId;
    return a.threshold > b.threshold;
}

FavoriteSkillSet::FavoriteSkillSet() : name(favoriteSetName())
{
}

void FavoriteSkillSet::sortByFavoriteOrder()
{
    std::stable_sort(entries.begin(), entries.end(), favoriteOrderBefore);
}

void StartupSettings::addFavorite(FavoriteSkillSet& set, uint16_t treeId, int16_t points, const SkillCatalogue& skills)
{
    for (FavoriteSkillEntry& entry : set.entries) {
        if (entry.treeId == treeId && entry.threshold == points) {
            ++entry.useCount;
            return;
        }
    }
    std::string name = skills.activatedSkillName(treeId, points);
    if (name.empty())
        return;
    FavoriteSkillEntry entry;
    entry.treeId = treeId;
    entry.threshold = points;
    entry.name = std::move(name);
    entry.useCount = 1;
    set.entries.push_back(std::move(entry));
}

void StartupSettings::recordFavoriteSkills(int job, const std::vector<SkillPoint>& wanted, const SkillCatalogue& skills)
{
    FavoriteSkillSet& set = favoriteSkills(job);
    for (const SkillPoint& skill : wanted) {
        const SkillTree* tree = skills.findTree(skill.treeId);
        if (!tree)
            continue;
        if (const SkillActivation* activation = activationFor(*tree, skill.points, skills))
            addFavorite(set, skill.treeId, activation->threshold, skills);
    }
    set.sortByFavoriteOrder();
}

void StartupSettings::load(const UserFolder& folder, const SkillCatalogue& skills)
{
    *this = StartupSettings();
    TextLineReader in(folder.startupFile());
    if (!in.isOpen())
        return;
    std::string line;
    ParsedLine parsed;
    while (in.next(line)) {
        if (!parseUserFileLine(line, parsed) || parsed.key == "Version")
            continue;
        if (parsed.key == "[FavoriteSkill1]")
            readFavoriteSection(in, m_favorites[0], skills);
        else if (parsed.key == "[FavoriteSkill2]")
            readFavoriteSection(in, m_favorites[1], skills);
        else if (parsed.key == "[FilterSkill1]")
            readFilterSection(in, m_filters[0]);
        else if (parsed.key == "[FilterSkill2]")
            readFilterSection(in, m_filters[1]);
    }
}

bool StartupSettings::save(const UserFolder& folder) const
{
    return saveUserFileLocked(folder, folder.startupFile(), [this](SafeTextWriter& out) { write(out); });
}

void StartupSettings::write(SafeTextWriter& out) const
{
    out.writef("Version=%s\n", kVersionText);
    for (int job : {kJobBlade, kJobGunner}) {
        const FavoriteSkillSet& set = favoriteSkills(job);
        out.writef("[FavoriteSkill%d]\n", job);
        out.writef("Count=%d\n", static_cast<int>(set.entries.size()));
        for (const FavoriteSkillEntry& entry : set.entries)
            out.writef("%d,%d,%d\n", static_cast<int>(entry.treeId), static_cast<int>(entry.threshold),
                       static_cast<int>(entry.useCount));
    }
    for (int job : {kJobBlade, kJobGunner}) {
        const FilterSkillList& list = filterSkills(job);
        out.writef("[FilterSkill%d]\n", job);
        out.writef("Count=%d\n", static_cast<int>(list.size()));
        for (uint16_t treeId : list)
            out.writef("%d\n", static_cast<int>(treeId));
    }
}

} // namespace zeku
