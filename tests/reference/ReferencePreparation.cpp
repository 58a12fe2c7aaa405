#include "reference/ReferencePreparation.h"

#include "platform/AllocationProbe.h"

#include <cstdio>
#include <string>

namespace zeku::reference {
namespace {

bool sameSign(int a, int b)
{
    return (a > 0 && b > 0) || (a < 0 && b < 0);
}
bool oppositeSign(int a, int b)
{
    return (a > 0 && b < 0) || (a < 0 && b > 0);
}

bool rarityFilterPasses(int16_t code, uint16_t rarity)
{
    if (code == 0)
        return true;
    if (code < 0)
        return -code >= rarity;
    if (code <= 10)
        return code == rarity;
    return code % 10 <= rarity;
}

// Contribution key -> group, as a hash map of 17 buckets whose chains keep the
// newest entry first; iteration goes bucket 0 to 16.
class KeyGroupMap {
public:
    static uint32_t bucketOf(const std::string& key)
    {
        uint32_t h = 0;
        for (char c : key)
            h = h * 33u + static_cast<unsigned char>(c);
        return h % kBuckets;
    }

    Group* find(const std::string& key) const
    {
        for (const auto& entry : m_buckets[bucketOf(key)])
            if (entry.first == key)
                return entry.second;
        return nullptr;
    }

    void insert(const std::string& key, Group* group)
    {
        auto& chain = m_buckets[bucketOf(key)];
        chain.insert(chain.begin(), std::make_pair(key, group));
    }

    std::vector<Group*> inIterationOrder() const
    {
        std::vector<Group*> groups;
        for (const auto& chain : m_buckets)
            for (const auto& entry : chain)
                groups.push_back(entry.second);
        return groups;
    }

private:
    static constexpr uint32_t kBuckets = 17;
    std::array<std::vector<std::pair<std::string, Group*>>, kBuckets> m_buckets;
};

} // namespace

const SkillPoint* ReferencePreparation::wantedEntry(uint16_t treeId) const
{
    for (const SkillPoint& w : m_condition.wanted)
        if (w.treeId == treeId)
            return &w;
    return nullptr;
}

std::string ReferencePreparation::contributionKey(const std::vector<const SkillPoint*>& collected, uint16_t slots) const
{
    std::string key;
    char buffer[64];
    for (const SkillPoint* p : collected) {
        std::snprintf(buffer, sizeof buffer, "<%03d:%d>", static_cast<int>(p->treeId), static_cast<int>(p->points));
        key += buffer;
    }
    if (m_condition.useJewels) {
        std::snprintf(buffer, sizeof buffer, "<S:%d>", static_cast<int>(slots));
        key += buffer;
    }
    return key;
}

bool ReferencePreparation::pieceFilteredOut(const EquipItem& piece) const
{
    if (m_condition.useExcludedItems && m_condition.excludedItems.contains(piece))
        return true;
    if (piece.sex != 0 && piece.sex != m_condition.sex)
        return true;
    if (piece.job != 0 && piece.job != m_condition.job)
        return true;
    return m_condition.rarity != 0 && !rarityFilterPasses(m_condition.rarity, piece.rarity);
}

void ReferencePreparation::prepareArmour()
{
    uint64_t total = 1;
    uint64_t rawTotal = 1;
    for (int part = 0; part < kPartCount; ++part) {
        if (m_condition.fixed.piece(part))
            continue; // a fixed part contributes factors 1 and 1
        KeyGroupMap map;
        for (const EquipItem& piece : m_master.equip(part).items()) {
            if (pieceFilteredOut(piece))
                continue;
            std::vector<const SkillPoint*> collected;
            std::vector<int16_t> wantedPoints;
            for (const SkillPoint& w : m_condition.wanted) {
                if (const SkillPoint* p = pointsOf(piece.skills, w.treeId)) {
                    collected.push_back(p);
                    wantedPoints.push_back(w.points);
                }
            }
            if (collected.empty())
                continue;
            if (collected.size() == 1 && oppositeSign(collected[0]->points, wantedPoints[0]))
                continue;
            const std::string key = contributionKey(collected, piece.slots);
            Group* group = map.find(key);
            if (!group) {
                allocationProbe();
                auto owned = std::make_unique<Group>();
                owned->placed.capacity = m_condition.useJewels ? piece.slots : 0;
                owned->relevant = collected;
                group = owned.get();
                m_out.registry.push_back(std::move(owned));
                map.insert(key, group);
            }
            group->pieces.push_back(&piece);
        }
        m_out.groups[part] = map.inIterationOrder();
        uint64_t pieces = 0;
        for (const Group* group : m_out.groups[part])
            pieces += group->pieces.size();
        total *= m_out.groups[part].size() + 1;
        rawTotal *= pieces + 1;
    }
    m_out.total = total;
    m_out.rawTotal = rawTotal;
}

void ReferencePreparation::insertCandidate(JewelList& list, JewelCandidate candidate)
{
    const Jewel& jewel = *candidate.jewel;
    if (jewel.slots < list.smallestSlots)
        list.smallestSlots = jewel.slots;
    const float ratio =
        static_cast<float>(pointsOf(jewel.skills, list.treeId)->points) / static_cast<float>(jewel.slots);
    if (list.candidates.empty())
        list.bestRatio = ratio;
    else if ((ratio > 0 && ratio > list.bestRatio) || (ratio < 0 && ratio < list.bestRatio))
        list.bestRatio = ratio;
    auto position = list.candidates.end();
    for (auto it = list.candidates.begin(); it != list.candidates.end(); ++it) {
        const Jewel& q = *it->jewel;
        if (candidate.score > it->score ||
            (candidate.score == it->score && (jewel.slots < q.slots || jewel.rarity < q.rarity))) {
            position = it;
            break;
        }
    }
    list.candidates.insert(position, std::move(candidate));
}

void ReferencePreparation::prepareJewels()
{
    for (const SkillPoint& prepared : m_condition.wanted) {
        for (const Jewel& jewel : m_master.jewels().items()) {
            if (jewel.slots == 0)
                continue; // a jewel that takes no slot cannot be fitted anywhere
            if (!pointsOf(jewel.skills, prepared.treeId))
                continue;
            auto listIt = m_out.jewelLists.find(prepared.treeId);
            if (listIt == m_out.jewelLists.end()) {
                allocationProbe();
                JewelList list;
                list.treeId = prepared.treeId;
                listIt = m_out.jewelLists.emplace(prepared.treeId, std::move(list)).first;
            }
            if (m_condition.useExcludedItems && m_condition.excludedItems.containsJewelName(jewel.name))
                continue;
            JewelCandidate candidate;
            candidate.jewel = &jewel;
            bool serves = false;
            const float size = static_cast<float>(jewel.slots);
            for (const SkillPoint& d : jewel.skills) {
                if (const SkillPoint* w = wantedEntry(d.treeId)) {
                    candidate.relevant.push_back(&d);
                    const float term = static_cast<float>(d.points) / size;
                    candidate.score += w->points < 0 ? -term : term;
                    if (d.treeId == prepared.treeId && sameSign(d.points, w->points))
                        serves = true;
                } else if (d.points < 0) {
                    candidate.penalty += static_cast<float>(d.points) / size;
                }
            }
            if (serves)
                insertCandidate(listIt->second, std::move(candidate));
        }
    }
}

// Negative: a first; positive: b first.
int ReferencePreparation::compareWanted(const SkillPoint& a, const SkillPoint& b) const
{
    const JewelList* la = m_out.jewelListOf(a.treeId);
    const JewelList* lb = m_out.jewelListOf(b.treeId);
    if (!la && lb)
        return -1;
    if (la && !lb)
        return 1;
    if (!la && !lb)
        return 0;
    if (la->candidates.size() != lb->candidates.size())
        return la->candidates.size() < lb->candidates.size() ? -1 : 1;
    if (la->smallestSlots != lb->smallestSlots)
        return la->smallestSlots > lb->smallestSlots ? -1 : 1;
    return 0;
}

void ReferencePreparation::sortWanted()
{
    exchangeSort(m_condition.wanted,
                 [this](const SkillPoint& a, const SkillPoint& b) { return compareWanted(a, b) > 0; });
}

} // namespace zeku::reference
