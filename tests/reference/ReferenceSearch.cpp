#include "reference/ReferenceSearch.h"

#include "reference/ReferencePlacement.h"
#include "reference/ReferencePreparation.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <memory>
#include <new>
#include <vector>

namespace zeku {
namespace {

using reference::exchangeSort;
using reference::Group;
using reference::JewelCandidate;
using reference::JewelList;
using reference::TotalLimit;
using reference::thresholdMet;
using Totals = std::map<uint16_t, int16_t>;

// Thrown to unwind the search on cancel and at the result limit; the outcome
// is set before it is thrown.
struct Abandon {};

void addToTotals(Totals& totals, const SkillPoint& point)
{
    int16_t& value = totals[point.treeId];
    value = static_cast<int16_t>(static_cast<uint16_t>(value) + static_cast<uint16_t>(point.points));
}

int16_t totalOf(const Totals& totals, uint16_t treeId)
{
    auto it = totals.find(treeId);
    return it == totals.end() ? 0 : it->second;
}

struct Deficit {
    uint16_t treeId = 0;
    int16_t required = 0;
    int16_t current = 0;
    uint16_t options = 0;

    int16_t remaining() const { return static_cast<int16_t>(required - current); }
};

class ReferenceSearcher {
public:
    ReferenceSearcher(SearchCondition& condition, const SearchRun& run)
        : m_condition(condition), m_master(*run.master), m_store(*run.store),
          m_progress(run.progress ? *run.progress : m_ownProgress), m_cancel(run.cancel), m_notices(run.notices)
    {
    }

    SearchOutcome run()
    {
        m_elapsed = 1000;
        m_lastTick = tickCount();
        try {
            reference::ReferencePreparation preparation(m_condition, m_master, m_prepared);
            preparation.prepareArmour();
            m_progress.total = m_prepared.total;
            m_progress.rawTotal = m_prepared.rawTotal;
            if (m_condition.useJewels) {
                preparation.prepareJewels();
                preparation.sortWanted();
            }
            post(FindStarted);
            buildWorkingSet();
            fixedPhase();
            visit(0);
            m_outcome = OutcomeCompleted;
        } catch (const Abandon&) {
            // The outcome was set where the search was abandoned.
        } catch (const std::bad_alloc&) {
            // No hit count is posted on this path; the counter still has to
            // agree with the results kept, which the owner then lists.
            m_outcome = OutcomeOutOfMemory;
            m_progress.resultCount = static_cast<uint64_t>(m_store.count());
        }
        return m_outcome;
    }

private:
    // ---- Working set -------------------------------------------------------------

    void buildWorkingSet()
    {
        const EquipSet& fixed = m_condition.fixed;
        m_weapon = fixed.weapon();
        m_weaponSlots = fixed.weaponSlots();
        m_fixedWeaponJewels = fixed.weaponSlots().jewels;
        for (int part = 0; part < kPartCount; ++part) {
            m_parts[part] = nullptr;
            const EquipItem* piece = fixed.piece(part);
            if (!piece)
                continue;
            auto group = std::make_unique<Group>();
            group->fixed = true;
            group->pieces.push_back(piece);
            for (const SkillPoint& w : m_condition.wanted)
                if (const SkillPoint* p = pointsOf(piece->skills, w.treeId))
                    group->relevant.push_back(p);
            group->placed = fixed.pieceSlots(part);
            group->placed.capacity = piece->slots;
            group->fixedJewels = group->placed;
            m_parts[part] = group.get();
            m_prepared.registry.push_back(std::move(group));
        }
    }

    // The working totals rebuilt from scratch: relevant points of the groups
    // plus every point of every jewel in the weapon and the groups, leaving out
    // the part `skipPart` (its points and its jewels' points). Without
    // `placedJewels`, only the fixed jewels count.
    Totals workingTotals(int skipPart = -1, bool placedJewels = true) const
    {
        Totals totals;
        for (const Jewel* jewel : placedJewels ? m_weaponSlots.jewels : m_fixedWeaponJewels)
            for (const SkillPoint& p : jewel->skills)
                addToTotals(totals, p);
        for (int part = 0; part < kPartCount; ++part) {
            const Group* group = m_parts[part];
            if (!group || part == skipPart)
                continue;
            for (const SkillPoint* p : group->relevant)
                addToTotals(totals, *p);
            for (const Jewel* jewel : placedJewels ? group->placed.jewels : group->fixedJewels.jewels)
                for (const SkillPoint& p : jewel->skills)
                    addToTotals(totals, p);
        }
        return totals;
    }

    bool plainSkillTest(const Totals& totals) const
    {
        uint16_t met = 0;
        for (const SkillPoint& w : m_condition.wanted)
            if (thresholdMet(w.points, totalOf(totals, w.treeId)))
                ++met;
        return met == static_cast<uint16_t>(m_condition.wanted.size());
    }

    bool testCombination()
    {
        if (!m_condition.useJewels)
            return plainSkillTest(workingTotals());
        if (exactMode())
            return exactTest();
        return fitJewels();
    }

    // ---- Exact placement ---------------------------------------------------------

    bool exactMode() const { return m_condition.useJewels && m_condition.exactJewels; }

    // Tries placements of the jewels of every wanted tree's list, in catalogue order.
    reference::PlacementTrial& trial()
    {
        if (!m_trial) {
            std::vector<const Jewel*> allowed;
            for (const Jewel& jewel : m_master.jewels().items())
                for (const auto& [tree, list] : m_prepared.jewelLists)
                    for (const JewelCandidate& c : list.candidates)
                        if (c.jewel == &jewel && std::find(allowed.begin(), allowed.end(), &jewel) == allowed.end())
                            allowed.push_back(&jewel);
            m_trial = std::make_unique<reference::PlacementTrial>(allowed);
        }
        return *m_trial;
    }

    // Free slots of the weapon and of each group but `skipPart`'s; without
    // `placedJewels`, as if the search had placed nothing.
    std::vector<uint16_t> freeHolders(int skipPart, bool placedJewels = true) const
    {
        std::vector<uint16_t> free;
        if (m_weapon) {
            uint16_t used = 0;
            for (const Jewel* jewel : placedJewels ? m_weaponSlots.jewels : m_fixedWeaponJewels)
                used = static_cast<uint16_t>(used + jewel->slots);
            free.push_back(static_cast<uint16_t>(m_weaponSlots.capacity - used));
        }
        for (int part = 0; part < kPartCount; ++part) {
            const Group* group = m_parts[part];
            if (group && part != skipPart)
                free.push_back(static_cast<uint16_t>(group->placed.capacity -
                                                     (placedJewels ? group->placed.used : group->fixedJewels.used)));
        }
        return free;
    }

    // Every wanted threshold as a limit on the working totals `totals`; false
    // when a threshold of 0 makes the wish impossible.
    bool wantedLimits(const Totals& totals, std::vector<TotalLimit>& limits) const
    {
        for (const SkillPoint& w : m_condition.wanted) {
            if (w.points == 0)
                return false;
            limits.push_back(TotalLimit{w.treeId, w.points > 0, w.points, totalOf(totals, w.treeId)});
        }
        return true;
    }

    // Some placement of jewels into the free slots meets the wish; the part
    // `skipPart` is left out with its slots.
    bool exactTest(int skipPart = -1)
    {
        const Totals totals = workingTotals(skipPart);
        if (plainSkillTest(totals))
            return true;
        std::vector<TotalLimit> limits;
        return wantedLimits(totals, limits) && trial().find(freeHolders(skipPart), limits);
    }

    // Puts one placement that meets the wish into the weapon and the groups.
    void placeExactly()
    {
        const Totals totals = workingTotals();
        m_exactLimits.clear();
        if (plainSkillTest(totals) || !wantedLimits(totals, m_exactLimits))
            return;
        std::vector<std::vector<const Jewel*>> placement;
        if (!trial().find(freeHolders(-1), m_exactLimits, &placement))
            return;
        std::size_t next = 0;
        if (m_weapon)
            for (const Jewel* jewel : placement[next++])
                putJewel(m_weaponSlots, jewel);
        for (Group* group : m_parts)
            if (group)
                for (const Jewel* jewel : placement[next++])
                    putJewel(group->placed, jewel);
    }

    // `set` activates an excluded skill: the same pieces with a placement that
    // meets the wish and keeps every excluded skill inactive, if there is one.
    bool placementAvoiding(const EquipSet& set, EquipSet& out)
    {
        EquipSet bare; // the pieces and the fixed jewels only
        bare.setWeapon(set.weapon());
        bare.addWeaponJewels(m_fixedWeaponJewels);
        for (int part = 0; part < kPartCount; ++part)
            if (set.piece(part)) {
                bare.setPiece(part, set.piece(part));
                bare.addPieceJewels(part, m_parts[part]->fixedJewels.jewels);
            }
        std::vector<TotalLimit> limits;
        if (!wantedLimits(workingTotals(-1, false), limits))
            return false;
        for (const SkillActivation& e : m_condition.excludedSkills.entries()) {
            const int32_t base = bare.totals().valueOf(e.treeId);
            if (e.threshold > 0)
                limits.push_back(TotalLimit{e.treeId, false, e.threshold - 1, base});
            else if (e.threshold < 0)
                limits.push_back(TotalLimit{e.treeId, true, e.threshold + 1, base});
        }
        std::vector<std::vector<const Jewel*>> placement;
        if (!trial().find(freeHolders(-1, false), limits, &placement))
            return false;
        out = bare;
        std::size_t next = 0;
        if (m_weapon)
            out.addWeaponJewels(placement[next++]);
        for (int part = 0; part < kPartCount; ++part)
            if (m_parts[part])
                out.addPieceJewels(part, placement[next++]);
        return true;
    }

    void resetPlacedJewels()
    {
        m_weaponSlots.clear();
        for (const Jewel* jewel : m_fixedWeaponJewels) {
            m_weaponSlots.jewels.push_back(jewel);
            m_weaponSlots.used = static_cast<uint16_t>(m_weaponSlots.used + jewel->slots);
        }
        for (Group* group : m_parts) {
            if (!group)
                continue;
            group->placed.clear();
            if (group->fixed) {
                group->placed.jewels = group->fixedJewels.jewels;
                group->placed.used = group->fixedJewels.used;
            }
        }
    }

    // ---- Jewel fitting -----------------------------------------------------------

    static bool allDeficitsMet(const std::vector<Deficit>& deficits)
    {
        for (const Deficit& d : deficits)
            if (!thresholdMet(d.required, d.current))
                return false;
        return true;
    }

    static void sortDeficits(std::vector<Deficit>& deficits)
    {
        exchangeSort(deficits, [](const Deficit& a, const Deficit& b) {
            if (a.remaining() != b.remaining())
                return a.remaining() < b.remaining();
            return a.options > b.options;
        });
    }

    static const Deficit* deficitOf(const std::vector<Deficit>& deficits, uint16_t treeId)
    {
        for (const Deficit& d : deficits)
            if (d.treeId == treeId)
                return &d;
        return nullptr;
    }

    bool fitJewels()
    {
        const Totals totals = workingTotals();
        std::vector<Deficit> deficits;
        for (const SkillPoint& w : m_condition.wanted) {
            Deficit d;
            d.treeId = w.treeId;
            d.required = w.points;
            d.current = totalOf(totals, w.treeId);
            const JewelList* list = m_prepared.jewelListOf(w.treeId);
            d.options = list ? static_cast<uint16_t>(list->candidates.size()) : 0;
            deficits.push_back(d);
        }
        if (allDeficitsMet(deficits))
            return true;
        for (int part = 0; part < kPartCount; ++part)
            if (!m_prepared.groups[part].empty() && !m_parts[part])
                return false;
        sortDeficits(deficits);
        m_largestCapacity = m_weaponSlots.capacity;
        for (const Group* group : m_parts)
            if (group && group->placed.capacity > m_largestCapacity)
                m_largestCapacity = group->placed.capacity;
        for (;;) {
            if (allDeficitsMet(deficits))
                return plainSkillTest(workingTotals());
            const Deficit& q = deficits.front();
            const JewelList* list = m_prepared.jewelListOf(q.treeId);
            if (!list)
                return false;
            uint16_t freeSlots = m_weaponSlots.freeSlots();
            for (const Group* group : m_parts)
                if (group)
                    freeSlots = static_cast<uint16_t>(freeSlots + group->placed.freeSlots());
            if (freeSlots == 0)
                return false;
            const float reach = static_cast<float>(freeSlots) * list->bestRatio;
            if (q.required > 0 && static_cast<float>(q.remaining()) > reach)
                return false;
            if (q.required < 0 && static_cast<float>(q.remaining()) < reach)
                return false;
            const uint16_t sizeLimit = m_largestCapacity < freeSlots ? m_largestCapacity : freeSlots;
            const Jewel* jewel = chooseJewel(*list, sizeLimit, deficits);
            if (!jewel)
                return false;
            if (!placeJewel(jewel)) {
                repack();
                if (!placeJewel(jewel))
                    return false;
            }
            for (const SkillPoint& p : jewel->skills) {
                for (Deficit& d : deficits) {
                    if (d.treeId == p.treeId) {
                        d.current = static_cast<int16_t>(d.current + p.points);
                        break;
                    }
                }
            }
            sortDeficits(deficits);
        }
    }

    const Jewel* chooseJewel(const JewelList& list, uint16_t sizeLimit, const std::vector<Deficit>& deficits) const
    {
        const JewelCandidate* best = nullptr;
        float bestGain = 0.0f;
        float bestLoss = 0.0f;
        for (const JewelCandidate& candidate : list.candidates) {
            const uint16_t s = candidate.jewel->slots;
            if (s > sizeLimit)
                continue;
            const float size = static_cast<float>(s);
            float gain = 0.0f;
            float loss = 0.0f;
            for (const SkillPoint* r : candidate.relevant) {
                const Deficit* d = deficitOf(deficits, r->treeId);
                if (!d)
                    continue;
                const int w = d->required;
                const int m = d->remaining();
                const int p = r->points;
                if (w > 0) {
                    if (m < 1) {
                        if (m - p > 0)
                            loss += static_cast<float>(m - p) / size;
                    } else if (p >= m) {
                        gain += static_cast<float>(m) / size;
                    } else if (p >= 1) {
                        gain += static_cast<float>(p) / size;
                    } else {
                        loss += static_cast<float>(-p) / size;
                    }
                } else if (w < 0) {
                    if (m >= 0) {
                        if (m - p < 0)
                            loss += static_cast<float>(p - m) / size;
                    } else if (p <= m) {
                        gain += static_cast<float>(-m) / size;
                    } else if (p < 0) {
                        gain += static_cast<float>(-p) / size;
                    } else {
                        loss += static_cast<float>(p) / size;
                    }
                } else {
                    return nullptr;
                }
            }
            bool better = false;
            if (!best || gain > bestGain) {
                better = true;
            } else if (gain == bestGain) {
                if (loss < bestLoss) {
                    better = true;
                } else if (loss == bestLoss) {
                    const Jewel& b = *best->jewel;
                    better = candidate.penalty > best->penalty || s < b.slots ||
                             (s == b.slots && candidate.jewel->rarity < b.rarity);
                }
            }
            if (better) {
                best = &candidate;
                bestGain = gain;
                bestLoss = loss;
            }
        }
        return best ? best->jewel : nullptr;
    }

    void putJewel(JewelSlots& holder, const Jewel* jewel)
    {
        holder.jewels.push_back(jewel);
        holder.used = static_cast<uint16_t>(holder.used + jewel->slots);
    }

    JewelSlots* firstGroupWithFree(uint16_t freeSlots, bool mustBeEmpty)
    {
        for (Group* group : m_parts)
            if (group && group->placed.freeSlots() == freeSlots && (!mustBeEmpty || group->placed.jewels.empty()))
                return &group->placed;
        return nullptr;
    }

    bool placeJewel(const Jewel* jewel)
    {
        const uint16_t s = jewel->slots;
        JewelSlots* holder = firstGroupWithFree(s, true);
        if (!holder && m_weaponSlots.freeSlots() == s && m_weaponSlots.jewels.empty())
            holder = &m_weaponSlots;
        if (!holder)
            holder = firstGroupWithFree(s, false);
        if (!holder && m_weaponSlots.freeSlots() == s)
            holder = &m_weaponSlots;
        for (unsigned k = s + 1u; !holder; ++k) {
            if (k > m_largestCapacity)
                return false;
            holder = firstGroupWithFree(static_cast<uint16_t>(k), false);
            if (!holder && m_weaponSlots.freeSlots() == k)
                holder = &m_weaponSlots;
        }
        putJewel(*holder, jewel);
        return true;
    }

    void repack()
    {
        std::vector<const Jewel*> taken;
        for (Group* group : m_parts) {
            if (!group)
                continue;
            const std::size_t keep = group->fixed ? group->fixedJewels.jewels.size() : 0;
            while (group->placed.jewels.size() > keep) {
                const Jewel* jewel = group->placed.jewels.back();
                group->placed.jewels.pop_back();
                group->placed.used = static_cast<uint16_t>(group->placed.used - jewel->slots);
                taken.push_back(jewel);
            }
        }
        if (m_weaponSlots.jewels.size() > m_fixedWeaponJewels.size()) {
            const Jewel* jewel = m_weaponSlots.jewels.back();
            m_weaponSlots.jewels.pop_back();
            m_weaponSlots.used = static_cast<uint16_t>(m_weaponSlots.used - jewel->slots);
            taken.push_back(jewel);
        }
        if (taken.size() > 1)
            exchangeSort(taken, [](const Jewel* a, const Jewel* b) { return a->slots < b->slots; });
        for (const Jewel* jewel : taken)
            placeJewel(jewel); // one that finds no place stays out
    }

    // ---- Enumeration ---------------------------------------------------------------

    void fixedPhase()
    {
        progressStep();
        if (testCombination()) {
            expandAndStore();
            postHitCount();
        }
        if (m_condition.useJewels)
            resetPlacedJewels();
    }

    void visit(int part)
    {
        for (Group* group : m_prepared.groups[part]) {
            checkCancel();
            m_parts[part] = group;
            progressStep();
            if (!testCombination()) {
                if (m_condition.useJewels)
                    resetPlacedJewels();
                if (part < kPartCount - 1)
                    visit(part + 1);
                continue;
            }
            if (part < kPartCount - 1)
                countingWalk(part + 1);
            if (isMinimal()) {
                const int32_t before = m_store.count();
                expandAndStore();
                if (m_store.count() > before)
                    postHitCount();
            }
            if (m_condition.useJewels)
                resetPlacedJewels();
        }
        if (!(m_parts[part] && m_parts[part]->fixed))
            m_parts[part] = nullptr;
        if (part < kPartCount - 1)
            visit(part + 1);
    }

    void countingWalk(int part)
    {
        for (Group* group : m_prepared.groups[part]) {
            m_parts[part] = group;
            progressStep();
            if (part < kPartCount - 1)
                countingWalk(part + 1);
        }
        if (!(m_parts[part] && m_parts[part]->fixed))
            m_parts[part] = nullptr;
        if (part < kPartCount - 1)
            countingWalk(part + 1);
    }

    bool isMinimal()
    {
        for (int part = 0; part < kPartCount; ++part) {
            const Group* group = m_parts[part];
            if (group && !group->fixed && (exactMode() ? exactTest(part) : plainSkillTest(workingTotals(part))))
                return false;
        }
        return true;
    }

    void expandAndStore()
    {
        if (exactMode())
            placeExactly();
        EquipSet result;
        result.setWeapon(m_weapon);
        result.addWeaponJewels(m_weaponSlots.jewels);
        try {
            expandPart(0, result);
        } catch (const Abandon&) {
            postHitCount();
            throw;
        }
    }

    void expandPart(int part, EquipSet& result)
    {
        if (part == kPartCount) {
            accept(result);
            return;
        }
        const Group* group = m_parts[part];
        if (!group) {
            expandPart(part + 1, result);
            return;
        }
        for (const EquipItem* piece : group->pieces) {
            checkCancel();
            result.setPiece(part, piece);
            result.addPieceJewels(part, group->placed.jewels);
            expandPart(part + 1, result);
            result.setPiece(part, nullptr);
        }
    }

    void accept(const EquipSet& shown)
    {
        if (shown.totalDefence() < m_condition.minDefence)
            return;
        EquipSet avoiding;
        const EquipSet* chosen = &shown;
        if (m_condition.useExcludedSkills) {
            const TreeTotals& totals = shown.totals().values();
            for (const SkillActivation& excluded : m_condition.excludedSkills.entries()) {
                auto it = totals.find(excluded.treeId);
                if (it != totals.end() && thresholdMet(excluded.threshold, it->second)) {
                    if (!exactMode() || !placementAvoiding(shown, avoiding))
                        return;
                    chosen = &avoiding;
                    break;
                }
            }
        }
        const EquipSet& set = *chosen;
        if (m_condition.requireSParts) {
            bool wearsSPart = false;
            for (int part = 0; part < kPartCount; ++part)
                if (const EquipItem* piece = set.piece(part); piece && m_condition.sParts.contains(*piece))
                    wearsSPart = true;
            if (!wearsSPart)
                return;
        }
        if (static_cast<uint32_t>(m_store.count()) >= m_condition.maxResults) {
            m_outcome = OutcomeLimitReached;
            throw Abandon{};
        }
        m_store.append(set, m_master.skills());
    }

    // ---- Progress, cancel and notices -------------------------------------------

    static uint32_t tickCount()
    {
        using namespace std::chrono;
        return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }

    void progressStep()
    {
        m_progress.done += 1;
        uint64_t product = 1;
        for (const Group* group : m_parts)
            if (group)
                product *= group->pieces.size();
        m_progress.rawDone += product;
        const uint32_t now = tickCount();
        m_elapsed += now - m_lastTick;
        m_lastTick = now;
        if (m_elapsed >= 500 || m_progress.done == m_progress.total) {
            m_elapsed = 0;
            post(FindProgress);
        }
    }

    void checkCancel()
    {
        if (m_cancel && m_cancel->load() != 0) {
            m_outcome = OutcomeCancelled;
            throw Abandon{};
        }
    }

    void post(FindNotice code)
    {
        if (m_notices)
            m_notices->post(Notice{NoticeKind::Search, code, 0});
    }

    void postHitCount()
    {
        m_progress.resultCount = static_cast<uint64_t>(m_store.count());
        post(FindHitCount);
    }

    SearchCondition& m_condition;
    const MasterData& m_master;
    SearchResultStore& m_store;
    SearchProgress m_ownProgress;
    SearchProgress& m_progress;
    const std::atomic<int32_t>* m_cancel;
    NoticeSink* m_notices;
    SearchOutcome m_outcome = OutcomeRunning;
    uint32_t m_elapsed = 0;
    uint32_t m_lastTick = 0;

    reference::PreparedCandidates m_prepared;

    const WeaponSlotItem* m_weapon = nullptr;
    JewelSlots m_weaponSlots;
    std::vector<const Jewel*> m_fixedWeaponJewels;
    std::array<Group*, kPartCount> m_parts{};
    std::vector<TotalLimit> m_exactLimits;
    std::unique_ptr<reference::PlacementTrial> m_trial; // exact mode, made on first use
    uint16_t m_largestCapacity = 0;
};

} // namespace

SearchOutcome runReferenceSearch(SearchCondition& condition, const SearchRun& run)
{
    ReferenceSearcher searcher(condition, run);
    return searcher.run();
}

} // namespace zeku
