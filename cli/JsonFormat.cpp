#include "cli/JsonFormat.h"

#include "platform/Cp932.h"
#include "search/ItemSets.h"
#include "userfiles/ItemNumberTable.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace zeku {

const char* const kJsonPartKeys[kPartCount] = {"head", "body", "arm", "waist", "leg"};

namespace {

using ojson = nlohmann::ordered_json;

ojson jewelNames(const JewelSlots& slots)
{
    ojson names = ojson::array();
    for (const Jewel* jewel : slots.jewels)
        names.push_back(cp932ToUtf8(jewel->name));
    return names;
}

// "jewel_variants" after "jewels" when a jewel's name repeats (ResultLineWriter.h).
void addJewelRanks(ojson& entry, const JewelSlots& slots, const NameRanks* ranks)
{
    if (!ranks)
        return;
    ojson list = ojson::array();
    bool ranked = false;
    for (const Jewel* jewel : slots.jewels) {
        const std::optional<uint16_t> rank = ranks->jewel(jewel);
        ranked = ranked || rank.has_value();
        list.push_back(rank.value_or(0));
    }
    if (ranked)
        entry["jewel_variants"] = list;
}

ojson pieceJson(int part, const EquipItem& piece, const JewelSlots& slots, const NameRanks* ranks)
{
    ojson entry;
    entry["name"] = cp932ToUtf8(piece.name);
    entry["sex"] = piece.sex;
    if (const std::optional<uint16_t> rank = ranks ? ranks->piece(part, &piece) : std::nullopt)
        entry["variant"] = *rank;
    entry["jewels"] = jewelNames(slots);
    addJewelRanks(entry, slots, ranks);
    return entry;
}

ojson skillPairs(const std::vector<SkillPoint>& skills)
{
    ojson pairs = ojson::array();
    for (const SkillPoint& skill : skills)
        pairs.push_back(ojson::array({skill.treeId, skill.points}));
    return pairs;
}

// [[name, sex], ...] of one part of a set, sorted by item key bytes.
ojson pieceList(const PieceMap& map)
{
    std::vector<const PieceMap::value_type*> entries;
    for (const auto& entry : map)
        entries.push_back(&entry);
    std::sort(entries.begin(), entries.end(), [](auto a, auto b) { return a->first < b->first; });
    ojson list = ojson::array();
    for (const auto* entry : entries)
        list.push_back(ojson::array({cp932ToUtf8(entry->second->name), entry->second->sex}));
    return list;
}

ojson partLists(const SPartSet& set)
{
    ojson parts = ojson::object();
    for (int part = 0; part < kPartCount; ++part)
        parts[kJsonPartKeys[part]] = pieceList(set.pieces(static_cast<PartKind>(part)));
    return parts;
}

} // namespace

ojson conditionToJson(const SearchCondition& condition, const MasterData* master)
{
    std::optional<NameRanks> ranks;
    if (master)
        ranks.emplace(*master);
    const NameRanks* ranked = ranks ? &*ranks : nullptr;
    ojson out;
    out["sex"] = condition.sex;
    out["job"] = condition.job;
    out["rarity"] = condition.rarity;
    out["min_defence"] = condition.minDefence;
    out["jewels"] = condition.useJewels;
    if (condition.usesExactJewels())
        out["exact_jewels"] = true; // only when on: default conditions print as they always did
    out["max_results"] = condition.maxResults;
    out["skills"] = skillPairs(condition.wanted);

    ojson fixed = ojson::object();
    const EquipSet& set = condition.fixed;
    if (set.weapon()) {
        ojson weapon;
        weapon["slots"] = set.weapon()->slots;
        weapon["jewels"] = jewelNames(set.weaponSlots());
        addJewelRanks(weapon, set.weaponSlots(), ranked);
        fixed["weapon"] = weapon;
    }
    for (int part = 0; part < kPartCount; ++part)
        if (const EquipItem* piece = set.piece(part))
            fixed[kJsonPartKeys[part]] = pieceJson(part, *piece, set.pieceSlots(part), ranked);
    out["fixed"] = fixed;

    out["use_excluded_items"] = condition.useExcludedItems;
    ojson excluded = partLists(condition.excludedItems);
    std::vector<std::string> jewels;
    for (const auto& entry : condition.excludedItems.jewels())
        jewels.push_back(entry.first);
    std::sort(jewels.begin(), jewels.end());
    ojson jewelList = ojson::array();
    for (const std::string& name : jewels)
        jewelList.push_back(cp932ToUtf8(name));
    excluded["jewels"] = jewelList;
    out["excluded_items"] = excluded;

    out["use_excluded_skills"] = condition.useExcludedSkills;
    ojson excludedSkills = ojson::array();
    for (const SkillActivation& skill : condition.excludedSkills.entries())
        excludedSkills.push_back(ojson::array({skill.treeId, skill.threshold}));
    out["excluded_skills"] = excludedSkills;

    out["require_s_parts"] = condition.requireSParts;
    out["s_parts"] = partLists(condition.sParts);
    return out;
}

const char* outcomeName(SearchOutcome outcome)
{
    switch (outcome) {
    case OutcomeCancelled:
        return "cancelled";
    case OutcomeLimitReached:
        return "limit";
    case OutcomeOutOfMemory:
        return "out_of_memory";
    default:
        return "finished";
    }
}

} // namespace zeku
