#include "search/CandidatePreparation.h"

#include "platform/AllocationProbe.h"
#include "search/PlacementRules.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

namespace zeku {
namespace {

constexpr uint32_t kBucketCount = 17;

bool hasSign(int16_t v, int sign)
{
    return sign > 0 ? v > 0 : v < 0;
}

int signOf(int v)
{
    return (v > 0) - (v < 0);
}

// Tree slots: one per distinct wanted tree, in order of first appearance.
void assignSlots(const std::vector<SkillPoint>& wanted, PreparedSearch& out)
{
    out.slotTree.clear();
    out.slotOfWanted.clear();
    for (const SkillPoint& w : wanted) {
        auto it = std::find(out.slotTree.begin(), out.slotTree.end(), w.treeId);
        if (it == out.slotTree.end()) {
            out.slotOfWanted.push_back(static_cast<int16_t>(out.slotTree.size()));
            out.slotTree.push_back(w.treeId);
        } else {
            out.slotOfWanted.push_back(static_cast<int16_t>(it - out.slotTree.begin()));
        }
    }
}

// The piece's first entry for each wanted skill, in wanted order.
void collectRelevant(const EquipItem& piece, const std::vector<SkillPoint>& wanted, const PreparedSearch& prep,
                     CandidateGroup& group)
{
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (const SkillPoint* p = pointsOf(piece.skills, wanted[i].treeId)) {
            group.relevantPoints.push_back(*p);
            group.relevantSlots.push_back(SlotPoints{prep.slotOfWanted[i], p->points});
        }
    }
}

bool pieceFiltered(const EquipItem& piece, const SearchCondition& c)
{
    if (c.useExcludedItems && c.excludedItems.contains(piece))
        return true;
    if (!codeFits(piece.sex, c.sex))
        return true;
    if (!codeFits(piece.job, c.job))
        return true;
    return c.rarity != 0 && !rarityPasses(c.rarity, piece.rarity);
}

// Wanted points of the first wanted entry for `treeId`, or nullptr.
const SkillPoint* wantedEntry(const std::vector<SkillPoint>& wanted, uint16_t treeId)
{
    for (const SkillPoint& w : wanted)
        if (w.treeId == treeId)
            return &w;
    return nullptr;
}

int16_t slotOfTree(const PreparedSearch& prep, uint16_t treeId)
{
    auto it = std::find(prep.slotTree.begin(), prep.slotTree.end(), treeId);
    return it == prep.slotTree.end() ? -1 : static_cast<int16_t>(it - prep.slotTree.begin());
}

// The same comparison as the wanted-skill order: negative puts a first.
int compareWanted(const SkillJewelList* a, const SkillJewelList* b)
{
    if (!a && b)
        return -1;
    if (a && !b)
        return 1;
    if (!a && !b)
        return 0;
    if (a->candidates.size() != b->candidates.size())
        return a->candidates.size() < b->candidates.size() ? -1 : 1;
    if (a->smallestSlots != b->smallestSlots)
        return a->smallestSlots > b->smallestSlots ? -1 : 1;
    return 0;
}

} // namespace

uint32_t contributionBucket(const std::string& key)
{
    uint32_t h = 0;
    for (char c : key)
        h = h * 33u + static_cast<uint32_t>(static_cast<unsigned char>(c));
    return h % kBucketCount;
}

std::string contributionKey(const std::vector<SkillPoint>& relevant, bool useJewels, uint16_t slots)
{
    std::string key;
    char buffer[32];
    for (const SkillPoint& p : relevant) {
        std::snprintf(buffer, sizeof buffer, "<%03d:%d>", static_cast<int>(p.treeId), static_cast<int>(p.points));
        key += buffer;
    }
    if (useJewels) {
        std::snprintf(buffer, sizeof buffer, "<S:%d>", static_cast<int>(slots));
        key += buffer;
    }
    return key;
}

void prepareArmour(const SearchCondition& c, const MasterData& master, PreparedSearch& out)
{
    assignSlots(c.wanted, out);
    out.total = 1;
    out.rawTotal = 1;
    for (int part = 0; part < kPartCount; ++part) {
        out.partGroups[part].clear();
        if (c.fixed.piece(part))
            continue; // the fixed piece is the part's only choice; factors 1 and 1
        std::unordered_map<std::string, int32_t> groupOfKey;
        std::vector<int32_t> buckets[kBucketCount]; // groups per bucket, in creation order
        uint64_t pieceCount = 0;
        for (const EquipItem& piece : master.equip(part).items()) {
            if (pieceFiltered(piece, c))
                continue;
            CandidateGroup probe;
            collectRelevant(piece, c.wanted, out, probe);
            if (probe.relevantPoints.empty())
                continue;
            if (probe.relevantPoints.size() == 1) {
                const SkillPoint& only = probe.relevantPoints.front();
                int wantedSign = signOf(wantedEntry(c.wanted, only.treeId)->points);
                if (wantedSign != 0 && hasSign(only.points, -wantedSign))
                    continue;
            }
            std::string key = contributionKey(probe.relevantPoints, c.useJewels, piece.slots);
            auto found = groupOfKey.find(key);
            int32_t index;
            if (found == groupOfKey.end()) {
                allocationProbe();
                index = static_cast<int32_t>(out.groups.size());
                probe.capacity = c.useJewels ? piece.slots : 0;
                buckets[contributionBucket(key)].push_back(index);
                out.groups.push_back(std::move(probe));
                groupOfKey.emplace(std::move(key), index);
            } else {
                index = found->second;
            }
            out.groups[static_cast<std::size_t>(index)].pieces.push_back(&piece);
            ++pieceCount;
        }
        // Trial order: buckets 0..16, the newest group of a bucket first.
        for (const std::vector<int32_t>& bucket : buckets)
            out.partGroups[part].insert(out.partGroups[part].end(), bucket.rbegin(), bucket.rend());
        out.total *= out.partGroups[part].size() + 1;
        out.rawTotal *= pieceCount + 1;
    }
}

void prepareJewels(SearchCondition& c, const MasterData& master, PreparedSearch& out)
{
    out.jewels.clear();
    out.jewelLists.clear();
    // Prepared jewels, one per catalogue jewel that occupies at least one slot:
    // a jewel without a slot size cannot be scored or placed, so it is ignored.
    std::vector<int32_t> preparedOf(master.jewels().size(), -1);
    for (std::size_t j = 0; j < master.jewels().size(); ++j) {
        const Jewel& jewel = master.jewels().items()[j];
        if (jewel.slots == 0)
            continue;
        PreparedJewel pj;
        pj.jewel = &jewel;
        pj.slots = jewel.slots;
        pj.rarity = jewel.rarity;
        for (const SkillPoint& d : jewel.skills) {
            int16_t slot = slotOfTree(out, d.treeId);
            if (slot >= 0)
                pj.wantedPoints.push_back(SlotPoints{slot, d.points});
        }
        preparedOf[j] = static_cast<int32_t>(out.jewels.size());
        out.jewels.push_back(std::move(pj));
    }

    auto listFor = [&](uint16_t treeId) -> SkillJewelList* {
        for (SkillJewelList& list : out.jewelLists)
            if (list.treeId == treeId)
                return &list;
        return nullptr;
    };

    for (const SkillPoint& wantedSkill : c.wanted) {
        const uint16_t tree = wantedSkill.treeId;
        for (std::size_t j = 0; j < master.jewels().size(); ++j) {
            if (preparedOf[j] < 0)
                continue;
            const Jewel& jewel = master.jewels().items()[j];
            const SkillPoint* own = pointsOf(jewel.skills, tree);
            if (!own)
                continue;
            SkillJewelList* list = listFor(tree);
            if (!list) {
                allocationProbe();
                out.jewelLists.push_back(SkillJewelList{});
                list = &out.jewelLists.back();
                list->treeId = tree;
            }
            if (c.useExcludedItems && c.excludedItems.containsJewelName(jewel.name))
                continue;

            JewelCandidate candidate;
            candidate.jewel = preparedOf[j];
            const float slots = static_cast<float>(jewel.slots);
            for (const SkillPoint& d : jewel.skills) {
                if (const SkillPoint* w = wantedEntry(c.wanted, d.treeId)) {
                    float ratio = static_cast<float>(d.points) / slots;
                    candidate.score += w->points < 0 ? -ratio : ratio;
                } else if (d.points < 0) {
                    candidate.penalty += static_cast<float>(d.points) / slots;
                }
            }
            if (!jewelServesTree(jewel, c.wanted, tree))
                continue;

            if (jewel.slots < list->smallestSlots)
                list->smallestSlots = jewel.slots;
            const float ratio = static_cast<float>(own->points) / slots;
            if (!list->ratioSet) {
                list->bestRatio = ratio;
                list->ratioSet = true;
            } else if ((ratio > 0 && ratio > list->bestRatio) || (ratio < 0 && ratio < list->bestRatio)) {
                list->bestRatio = ratio;
            }

            auto& candidates = list->candidates;
            auto at = candidates.begin();
            for (; at != candidates.end(); ++at) {
                const PreparedJewel& q = out.jewels[static_cast<std::size_t>(at->jewel)];
                if (candidate.score > at->score ||
                    (candidate.score == at->score && (jewel.slots < q.slots || jewel.rarity < q.rarity)))
                    break;
            }
            candidates.insert(at, candidate);
        }
    }

    // Hardest skills to reach with jewels first (exchange sort, as everywhere).
    auto listOf = [&](const SkillPoint& w) -> const SkillJewelList* { return listFor(w.treeId); };
    std::vector<SkillPoint>& wanted = c.wanted;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        for (std::size_t j = i + 1; j < wanted.size(); ++j)
            if (compareWanted(listOf(wanted[i]), listOf(wanted[j])) > 0)
                std::swap(wanted[i], wanted[j]);

    // Wanted entries moved: map them to their tree slots again.
    out.slotOfWanted.clear();
    for (const SkillPoint& w : wanted)
        out.slotOfWanted.push_back(slotOfTree(out, w.treeId));
    out.listOfSlot.assign(out.slotTree.size(), -1);
    for (std::size_t s = 0; s < out.slotTree.size(); ++s)
        for (std::size_t l = 0; l < out.jewelLists.size(); ++l)
            if (out.jewelLists[l].treeId == out.slotTree[s])
                out.listOfSlot[s] = static_cast<int32_t>(l);
}

} // namespace zeku
