#include "search/NoResultExplanation.h"

#include "search/CandidatePreparation.h"

#include <algorithm>

namespace zeku {
namespace {

// Points toward the wish: the tree's points as they are for a good skill,
// turned over for a wanted bad skill, so that more is always better.
struct Direction {
    int32_t sign = 1;
    int32_t of(int32_t points) const { return sign * points; }
};

int32_t firstEntryPoints(const EquipItem& piece, uint16_t treeId)
{
    const SkillPoint* p = pointsOf(piece.skills, treeId);
    return p ? p->points : 0;
}

// best[f]: the most (directed) points jewels of the list add in f free slots
// of one holder; jewels do not cross holders, any jewel may repeat.
std::vector<int32_t> bestFill(const std::vector<std::pair<uint16_t, int32_t>>& jewels, uint16_t largest)
{
    std::vector<int32_t> best(static_cast<std::size_t>(largest) + 1, 0);
    for (std::size_t f = 1; f <= largest; ++f) {
        best[f] = best[f - 1];
        for (const auto& [size, gain] : jewels)
            if (size >= 1 && size <= f)
                best[f] = std::max(best[f], best[f - size] + gain);
    }
    return best;
}

void copyHolder(const EquipSet& from, EquipSet& to, int32_t holder, bool withJewels)
{
    if (holder == EquipPosition::Weapon) {
        to.setWeapon(from.weapon());
        if (withJewels)
            to.addWeaponJewels(from.weaponSlots().jewels);
    } else {
        to.setPiece(holder, from.piece(holder));
        if (withJewels)
            to.addPieceJewels(holder, from.pieceSlots(holder).jewels);
    }
}

} // namespace

std::vector<SkillReach> skillReaches(const SearchCondition& condition, const MasterData& master)
{
    // The candidate groups and jewel lists of this very condition.
    SearchCondition prepared(condition);
    PreparedSearch prep;
    prepareArmour(prepared, master, prep);
    if (prepared.useJewels)
        prepareJewels(prepared, master, prep);

    const EquipSet& fixed = condition.fixed;
    std::vector<SkillReach> out;
    for (const SkillPoint& w : condition.wanted) {
        const uint16_t tree = w.treeId;
        const Direction dir{w.points < 0 ? -1 : 1};

        std::vector<std::pair<uint16_t, int32_t>> jewels;
        if (condition.useJewels) {
            const auto slot = std::find(prep.slotTree.begin(), prep.slotTree.end(), tree) - prep.slotTree.begin();
            const int32_t list = prep.listOfSlot[static_cast<std::size_t>(slot)];
            if (list >= 0)
                for (const JewelCandidate& c : prep.jewelLists[static_cast<std::size_t>(list)].candidates) {
                    const Jewel& jewel = *prep.jewels[static_cast<std::size_t>(c.jewel)].jewel;
                    jewels.emplace_back(jewel.slots, dir.of(pointsInTree(jewel.skills, tree)));
                }
        }
        uint16_t largest = fixed.weapon() ? fixed.weapon()->slots : 0;
        for (int part = 0; part < kPartCount; ++part) {
            if (const EquipItem* piece = fixed.piece(part))
                largest = std::max(largest, piece->slots);
            for (int32_t g : prep.partGroups[part])
                for (const EquipItem* piece : prep.groups[static_cast<std::size_t>(g)].pieces)
                    largest = std::max(largest, piece->slots);
        }
        // No holder has more free slots than `largest`.
        const std::vector<int32_t> fill = bestFill(jewels, largest);
        auto jewelsIn = [&](int32_t freeSlots) {
            return freeSlots <= 0 ? 0 : fill[static_cast<std::size_t>(freeSlots)];
        };

        int32_t total = 0;
        for (const Jewel* jewel : fixed.weaponSlots().jewels)
            total += dir.of(pointsInTree(jewel->skills, tree));
        total += jewelsIn(fixed.weaponSlots().freeSlots());
        for (int part = 0; part < kPartCount; ++part) {
            if (const EquipItem* piece = fixed.piece(part)) {
                total += dir.of(firstEntryPoints(*piece, tree)) + jewelsIn(fixed.pieceSlots(part).freeSlots());
                for (const Jewel* jewel : fixed.pieceSlots(part).jewels)
                    total += dir.of(pointsInTree(jewel->skills, tree));
                continue;
            }
            int32_t best = 0; // the part left empty
            for (int32_t g : prep.partGroups[part])
                for (const EquipItem* piece : prep.groups[static_cast<std::size_t>(g)].pieces)
                    best = std::max(best, dir.of(firstEntryPoints(*piece, tree)) + jewelsIn(piece->slots));
            total += best;
        }
        SkillReach r;
        r.treeId = tree;
        r.wanted = w.points;
        r.reach = dir.of(total);
        r.met = dir.of(r.reach) >= dir.of(w.points);
        out.push_back(r);
    }
    return out;
}

std::vector<ConditionChange> singleChanges(const SearchCondition& condition, const SkillCatalogue& skills)
{
    std::vector<ConditionChange> out;
    const std::vector<SkillPoint>& wanted = condition.wanted;
    if (wanted.size() > 1)
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            ConditionChange c;
            c.kind = ChangeKind::Drop;
            c.wantedIndex = static_cast<int32_t>(i);
            c.treeId = wanted[i].treeId;
            c.wantedPoints = wanted[i].points;
            out.push_back(c);
        }
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const SkillTree* tree = skills.findTree(wanted[i].treeId);
        if (!tree)
            continue;
        // The threshold strictly between the points and 0 nearest the points.
        const int32_t points = wanted[i].points, sign = points < 0 ? -1 : 1;
        int32_t nearest = 0;
        for (const SkillActivation& a : tree->activations) {
            const int32_t t = sign * a.threshold;
            if (t > 0 && t < sign * points && t > nearest)
                nearest = t;
        }
        if (nearest == 0)
            continue;
        ConditionChange c;
        c.kind = ChangeKind::Lower;
        c.wantedIndex = static_cast<int32_t>(i);
        c.treeId = wanted[i].treeId;
        c.points = static_cast<int16_t>(sign * nearest);
        c.wantedPoints = wanted[i].points;
        out.push_back(c);
    }
    auto simple = [&out](ChangeKind kind) {
        ConditionChange c;
        c.kind = kind;
        out.push_back(c);
    };
    auto switchOff = [&out](ConditionSwitch which) {
        ConditionChange c;
        c.kind = ChangeKind::SwitchOff;
        c.which = which;
        out.push_back(c);
    };
    if (condition.useExcludedItems)
        switchOff(ConditionSwitch::ExcludedItems);
    if (condition.useExcludedSkills)
        switchOff(ConditionSwitch::ExcludedSkills);
    if (condition.requireSParts)
        switchOff(ConditionSwitch::SParts);
    if (condition.minDefence > 0)
        simple(ChangeKind::MinDefence);
    if (condition.rarity != 0)
        simple(ChangeKind::Rarity);
    if (!condition.useJewels)
        simple(ChangeKind::JewelsOn);
    else if (!condition.usesExactJewels())
        simple(ChangeKind::ExactJewelsOn);

    auto holderChange = [&out](ChangeKind kind, int32_t holder) {
        ConditionChange c;
        c.kind = kind;
        c.holder = holder;
        out.push_back(c);
    };
    const EquipSet& fixed = condition.fixed;
    if (fixed.weapon())
        holderChange(ChangeKind::UnfixPiece, EquipPosition::Weapon);
    for (int part = 0; part < kPartCount; ++part)
        if (fixed.piece(part))
            holderChange(ChangeKind::UnfixPiece, part);
    if (!fixed.weaponSlots().jewels.empty())
        holderChange(ChangeKind::UnfixJewels, EquipPosition::Weapon);
    for (int part = 0; part < kPartCount; ++part)
        if (!fixed.pieceSlots(part).jewels.empty())
            holderChange(ChangeKind::UnfixJewels, part);
    return out;
}

SearchCondition changedCondition(const SearchCondition& condition, const ConditionChange& change)
{
    SearchCondition out(condition);
    switch (change.kind) {
    case ChangeKind::Drop:
        out.wanted.erase(out.wanted.begin() + change.wantedIndex);
        break;
    case ChangeKind::Lower:
        out.wanted[static_cast<std::size_t>(change.wantedIndex)].points = change.points;
        break;
    case ChangeKind::SwitchOff:
        // A switched-off list is kept empty, as the main window hands it over.
        if (change.which == ConditionSwitch::ExcludedItems) {
            out.useExcludedItems = false;
            out.excludedItems.clear();
        } else if (change.which == ConditionSwitch::ExcludedSkills) {
            out.useExcludedSkills = false;
            out.excludedSkills.clear();
        } else {
            out.requireSParts = false;
            out.sParts.clear();
        }
        break;
    case ChangeKind::MinDefence:
        out.minDefence = 0;
        break;
    case ChangeKind::Rarity:
        out.rarity = 0;
        break;
    case ChangeKind::JewelsOn:
        out.useJewels = true;
        break;
    case ChangeKind::ExactJewelsOn:
        out.exactJewels = true;
        break;
    case ChangeKind::UnfixPiece:
    case ChangeKind::UnfixJewels: {
        // Rebuilt from scratch so that the totals hold exactly what is left.
        EquipSet set;
        const EquipSet& from = condition.fixed;
        for (int32_t holder : kWeaponFirstPositions) {
            if (holder != change.holder)
                copyHolder(from, set, holder, true);
            else if (change.kind == ChangeKind::UnfixJewels)
                copyHolder(from, set, holder, false);
        }
        out.fixed = set;
        break;
    }
    }
    return out;
}

} // namespace zeku
