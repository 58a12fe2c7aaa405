#include "search/CombinationSearch.h"

#include "search/CandidatePreparation.h"
#include "search/ExactJewelFit.h"
#include "search/JewelFitting.h"
#include "search/ProgressCounter.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>

namespace zeku {
namespace {

// Thrown to abandon the search on cancel or at the result limit; the outcome
// is set before it is thrown.
struct SearchAbort {};

// The combination under test and the walk over all combinations.
//
// Part entries hold a group index or -1 (empty). The working totals, the
// holders' jewels and the deficits live in WorkingSet/JewelFitter as dense
// arrays sized once, so testing a combination allocates nothing.
class CombinationWalker {
public:
    CombinationWalker(SearchCondition& condition, const SearchRun& run, PreparedSearch& prep)
        : m_condition(condition), m_run(run), m_prep(prep), m_work(condition, prep), m_progress(run, prep.total),
          m_fitter(m_work, prep)
    {
        for (int part = kPartCount - 1; part >= 0; --part) {
            uint64_t groups = prep.partGroups[part].size();
            uint64_t pieces = 0;
            for (int32_t g : prep.partGroups[part])
                pieces += prep.groups[static_cast<std::size_t>(g)].pieces.size();
            m_suffixGroups[part] = m_suffixGroups[part + 1] * (groups + 1);
            m_suffixPieces[part] = m_suffixPieces[part + 1] * (pieces + 1);
            m_partHasCandidates[part] = groups > 0;
        }
        m_fitter.setPartsWithCandidates(m_partHasCandidates);
        if (m_exact)
            m_exactFit = std::make_unique<ExactJewelFit>(condition, prep, m_work);
        buildLeafTables();
        buildSubtreeBounds();
        if (condition.requireSParts)
            buildSPartLookup();
    }

    SearchOutcome outcome() const { return m_outcome; }

    // Compact copies of what the leg loop reads for every group: the wanted
    // thresholds by tree slot, and per leg group its points per tree slot,
    // piece count and slot capacity.
    void buildLeafTables()
    {
        m_slotCount = m_prep.slotTree.size();
        m_leafTotals.assign(m_slotCount, 0);
        for (std::size_t i = 0; i < m_condition.wanted.size(); ++i)
            m_wantedChecks.push_back(WantedCheck{m_prep.slotOfWanted[i], m_condition.wanted[i].points});
        for (int32_t g : m_prep.partGroups[kPartCount - 1]) {
            const CandidateGroup& group = m_prep.groups[static_cast<std::size_t>(g)];
            auto known = std::find(m_legCapacityValues.begin(), m_legCapacityValues.end(), group.capacity);
            if (known == m_legCapacityValues.end())
                known = m_legCapacityValues.insert(m_legCapacityValues.end(), group.capacity);
            LeafGroup leaf{g, group.pieces.size(), static_cast<std::size_t>(known - m_legCapacityValues.begin()),
                           m_denseDelta.size()};
            m_denseDelta.resize(m_denseDelta.size() + m_slotCount, 0);
            for (const SlotPoints& p : group.relevantSlots) {
                int16_t& d = m_denseDelta[leaf.deltaOffset + static_cast<std::size_t>(p.slot)];
                d = add16(d, p.points);
            }
            m_leafGroups.push_back(leaf);
        }
        m_capacityWithLeg.resize(m_legCapacityValues.size());
        m_legLeastGain.assign(m_legCapacityValues.size(), 0.0);
        if (m_condition.useJewels) {
            for (LeafGroup& leaf : m_leafGroups)
                leaf.gainUnits = m_fitter.bound().gainUnits(&m_denseDelta[leaf.deltaOffset]);
        }
    }

    // The fixed pieces alone are the first combination; then every choice of
    // one group or nothing per part, the head varying slowest.
    void run()
    {
        // Step 1: fixed set, one progress step, a test without minimality.
        m_progress.countSteps(1, 1);
        if (testCombination()) {
            expandAndStore();
            m_progress.postHitCount();
        }
        if (m_condition.useJewels)
            m_work.resetPlacedJewels();
        // Step 2: the enumeration.
        visit(0, 1);
    }

private:
    void checkCancel()
    {
        if (m_run.cancel && m_run.cancel->load(std::memory_order_relaxed) != 0) {
            m_outcome = OutcomeCancelled;
            throw SearchAbort{};
        }
    }

    bool testCombination()
    {
        if (!m_condition.useJewels)
            return m_work.wantedSkillsMet();
        if (m_exact)
            return exactPasses(false);
        return m_fitter.fit();
    }

    // The exact test: the bounds rule most combinations out, the greedy steps
    // find a placement for most others, and the rest is decided exactly.
    bool exactPasses(bool boundChecked)
    {
        if (m_work.wantedSkillsMet())
            return true;
        // Whole slots first: cheaper than the capacity the other bound builds.
        if (!boundChecked && m_totalsStayInRange &&
            m_fitter.slotBound().slotsNeeded(m_work.totals()) > m_fitter.freeSlots())
            return false;
        if (!boundChecked && !m_fitter.boundsAllow())
            return false;
        return m_fitter.greedyFinds() || m_exactFit->passes(m_work);
    }

    // Visit(part): the subtree of every choice for parts `part`..4, unless
    // the bounds show that nothing in it can pass.
    void visit(int part, uint64_t rawPrefix)
    {
        if ((m_boundsUsable || m_linearBoundUsable) && subtreeCannotPass(part)) {
            skipSubtree(part, rawPrefix);
            return;
        }
        if (part == kPartCount - 1)
            visitLastPart(rawPrefix);
        else
            visitGroups(part, rawPrefix);
    }

    // A subtree where nothing can pass: count its steps at once. The first
    // thing the subtree would do is a cancel check, so that stays.
    void skipSubtree(int part, uint64_t rawPrefix)
    {
        const uint64_t steps = m_suffixGroups[part] - 1;
        if (steps > 0) {
            checkCancel();
            m_progress.countSteps(steps, rawPrefix * (m_suffixPieces[part] - 1));
        }
    }

    // Try each group of the part (not the leg) in order, then leave it empty.
    void visitGroups(int part, uint64_t rawPrefix)
    {
        const std::vector<int32_t>& groups = m_prep.partGroups[part];
        for (int32_t g : groups) {
            checkCancel();
            m_work.setPart(part, g);
            const uint64_t pieces = m_prep.groups[static_cast<std::size_t>(g)].pieces.size();
            const uint64_t rawHere = rawPrefix * pieces;
            m_progress.countSteps(1, rawHere);
            if (!testCombination()) {
                if (m_condition.useJewels)
                    m_work.resetPlacedJewels();
                visit(part + 1, rawHere);
                continue;
            }
            // A passing combination is never extended: count its supersets.
            m_progress.countSteps(m_suffixGroups[part + 1] - 1, rawHere * (m_suffixPieces[part + 1] - 1));
            storeIfMinimal();
            if (m_condition.useJewels)
                m_work.resetPlacedJewels();
        }
        if (!m_work.partIsFixed(part))
            m_work.setPart(part, -1);
        visit(part + 1, rawPrefix);
    }

    // Visit(leg), where most combinations are tested. The leg is empty on
    // entry, so the working totals are those of the other parts; a group is
    // first judged on those totals plus its own points, and only a group that
    // may pass is set into the working set and tested in full. Every group is
    // still counted in order; a run of groups the quick checks reject shares
    // one cancel check, as a skipped subtree does.
    void visitLastPart(uint64_t rawPrefix)
    {
        constexpr int part = kPartCount - 1;
        if (m_leafGroups.empty())
            return; // fixed or without candidates: nothing to try, nothing to empty
        bool othersHoldGroups = true;
        for (int other = 0; other < part; ++other)
            if (m_partHasCandidates[other] && m_work.entry(other) < 0)
                othersHoldGroups = false;
        const bool mayFit = m_condition.useJewels && (othersHoldGroups || m_exact);
        if (mayFit) {
            // What the other holders bring, plus each slot count a leg group can have.
            m_fitter.capacity(m_otherCapacity);
            for (std::size_t k = 0; k < m_legCapacityValues.size(); ++k) {
                m_capacityWithLeg[k] = m_otherCapacity;
                m_fitter.bound().addHolder(m_capacityWithLeg[k], m_legCapacityValues[k]);
            }
        }
        const int16_t* base = m_work.totals(); // part 4 is empty between the groups
        const WantedCheck* wanted = m_wantedChecks.data();
        const std::size_t wantedCount = m_wantedChecks.size();
        // With jewels, a linear condition on each group's points rejects
        // most groups before the full outlook. (Whether it rejects them all
        // was judged on the subtree before the loop.)
        const bool prefiltered = mayFit && m_totalsStayInRange;
        if (prefiltered)
            for (std::size_t k = 0; k < m_capacityWithLeg.size(); ++k)
                m_legLeastGain[k] = m_fitter.bound().leastGainUnits(base, m_capacityWithLeg[k]);
        // Then the whole-slot bound, as the fitting would check it first.
        const SlotBound& slotBound = m_fitter.slotBound();
        const uint32_t otherFree = prefiltered ? m_fitter.freeSlots() : 0;
        // Groups the prefilter rejects are counted in runs, before the next
        // group that is looked at and at the end.
        uint64_t skippedSteps = 0, skippedPieces = 0;
        auto countSkipped = [&] {
            if (skippedSteps == 0)
                return;
            checkCancel();
            m_progress.countSteps(skippedSteps, rawPrefix * skippedPieces);
            skippedSteps = skippedPieces = 0;
        };
        for (std::size_t k = 0; k < m_leafGroups.size(); ++k) {
            const LeafGroup& leaf = m_leafGroups[k];
            if (prefiltered && (leaf.gainUnits < m_legLeastGain[leaf.capacityIndex] ||
                                slotBound.slotsNeeded(base, &m_denseDelta[leaf.deltaOffset]) >
                                    otherFree + m_legCapacityValues[leaf.capacityIndex])) {
                ++skippedSteps;
                skippedPieces += leaf.pieces;
                continue;
            }
            countSkipped();
            checkCancel();
            const uint64_t rawHere = rawPrefix * leaf.pieces;
            m_progress.countSteps(1, rawHere);
            const int16_t* delta = &m_denseDelta[leaf.deltaOffset];
            if (mayFit) {
                if (m_totalsStayInRange &&
                    m_fitter.bound().outlook(base, delta, m_capacityWithLeg[leaf.capacityIndex]) ==
                        FitBound::Outlook::Unreachable)
                    continue;
            } else {
                bool allMet = true;
                for (std::size_t i = 0; i < wantedCount; ++i) {
                    if (!thresholdMet(wanted[i].threshold, add16(base[wanted[i].slot], delta[wanted[i].slot]))) {
                        allMet = false;
                        break;
                    }
                }
                if (!allMet)
                    continue;
            }
            m_work.setPart(part, leaf.group);
            // A group that meets the wish alone passes before any bound; one
            // that needs jewels was checked against both bounds just above.
            bool passes = true;
            if (m_exact)
                passes = exactPasses(m_totalsStayInRange);
            else if (m_condition.useJewels)
                passes = m_fitter.fit(m_totalsStayInRange);
            if (passes)
                storeIfMinimal();
            if (m_condition.useJewels)
                m_work.resetPlacedJewels();
            m_work.setPart(part, -1);
        }
        countSkipped();
    }

    // True when no choice of groups (or nothing) for parts `part`..4 can pass,
    // judged on the best points each remaining part could add to each wanted
    // tree and the most slots it could bring. Parts before `part` are as set.
    bool subtreeCannotPass(int part)
    {
        const int16_t* base = m_work.totals();
        if (m_linearBoundUsable) {
            // The parts set so far and the best any later part could add, on
            // the linear condition of FitBound::gainUnits.
            m_fitter.capacity(m_leafCapacity);
            if (m_fitter.bound().leastGainUnits(base, m_leafCapacity) > m_bestGainFrom[part])
                return true;
            if (!m_boundsUsable)
                return false;
        }
        const int32_t* best = &m_bestRemaining[static_cast<std::size_t>(part) * m_slotCount];
        for (std::size_t s = 0; s < m_slotCount; ++s)
            m_leafTotals[s] = static_cast<int16_t>(base[s] + best[s]);
        if (m_condition.useJewels) {
            // Whole slots first: the fewest the smallest deficits need, against
            // the most free slots the subtree can have.
            uint32_t mostFree = m_fitter.freeSlots();
            for (int later = part; later < kPartCount; ++later)
                mostFree += m_mostSlotsOfPart[later];
            if (m_fitter.slotBound().slotsNeeded(m_leafTotals.data()) > mostFree)
                return true;
            if (!m_linearBoundUsable)
                m_fitter.capacity(m_leafCapacity);
            for (int later = part; later < kPartCount; ++later)
                m_fitter.bound().addHolder(m_leafCapacity, m_mostSlotsOfPart[later]);
            return !m_fitter.bound().reachable(m_leafTotals.data(), m_leafCapacity);
        }
        for (const WantedCheck& w : m_wantedChecks)
            if (!thresholdMet(w.threshold, m_leafTotals[static_cast<std::size_t>(w.slot)]))
                return true;
        return false;
    }

    // Per depth, the most each tree slot can still move towards its wish from
    // the parts not yet chosen (each part: its best group, or nothing), and
    // the most slots they can bring. Bounds are used only when no total can
    // leave the 16-bit range, where the real totals would wrap.
    void buildSubtreeBounds()
    {
        m_bestRemaining.assign((kPartCount + 1) * m_slotCount, 0);
        std::vector<int> direction(m_slotCount, 0); // +1 raise, -1 lower, 0 mixed or none
        for (const WantedCheck& w : m_wantedChecks) {
            int& d = direction[static_cast<std::size_t>(w.slot)];
            const int sign = w.threshold > 0 ? 1 : -1;
            d = (d == 0 || d == sign) ? sign : 2;
        }
        long magnitude = 0;
        for (std::size_t s = 0; s < m_slotCount; ++s)
            magnitude = std::max<long>(magnitude, std::abs(m_work.total(static_cast<int>(s))));
        long capacityTotal = m_work.holder(EquipPosition::Weapon).capacity;
        for (int part = kPartCount - 1; part >= 0; --part) {
            int32_t* here = &m_bestRemaining[static_cast<std::size_t>(part) * m_slotCount];
            const int32_t* below = here + m_slotCount;
            uint16_t mostSlots = 0;
            long partMagnitude = 0;
            std::vector<int32_t> bestOfPart(m_slotCount, 0);
            for (int32_t g : m_prep.partGroups[part]) {
                const CandidateGroup& group = m_prep.groups[static_cast<std::size_t>(g)];
                mostSlots = std::max(mostSlots, group.capacity);
                std::vector<int32_t> delta(m_slotCount, 0);
                for (const SlotPoints& p : group.relevantSlots)
                    delta[static_cast<std::size_t>(p.slot)] += p.points;
                for (std::size_t s = 0; s < m_slotCount; ++s) {
                    partMagnitude = std::max<long>(partMagnitude, std::abs(delta[s]));
                    if (direction[s] == 1)
                        bestOfPart[s] = std::max(bestOfPart[s], delta[s]);
                    else if (direction[s] == -1)
                        bestOfPart[s] = std::min(bestOfPart[s], delta[s]);
                }
            }
            for (std::size_t s = 0; s < m_slotCount; ++s)
                here[s] = below[s] + bestOfPart[s];
            m_mostSlotsOfPart[part] = mostSlots;
            magnitude += partMagnitude;
            capacityTotal += m_work.entry(part) >= 0 ? m_work.holder(part).capacity : mostSlots;
        }
        long jewelMagnitude = 0;
        for (const PreparedJewel& j : m_prep.jewels) {
            long sum = 0;
            for (const SlotPoints& p : j.wantedPoints)
                sum += std::abs(p.points);
            jewelMagnitude = std::max(jewelMagnitude, sum);
        }
        magnitude += capacityTotal * jewelMagnitude;
        bool mixed = false;
        for (int d : direction)
            mixed = mixed || d == 2;
        m_totalsStayInRange = magnitude < kSafePointsMagnitude;
        m_boundsUsable = !mixed && m_totalsStayInRange;
        m_linearBoundUsable = m_condition.useJewels && m_totalsStayInRange;
        m_fitter.useBounds(m_totalsStayInRange);
        if (m_linearBoundUsable)
            buildLinearBounds();
    }

    // Per depth, the most the parts not yet chosen can add to the linear
    // condition: each part its best group (points and slots) or nothing.
    void buildLinearBounds()
    {
        std::vector<int16_t> delta(m_slotCount);
        m_bestGainFrom[kPartCount] = 0.0;
        for (int part = kPartCount - 1; part >= 0; --part) {
            double best = 0.0;
            for (int32_t g : m_prep.partGroups[part]) {
                const CandidateGroup& group = m_prep.groups[static_cast<std::size_t>(g)];
                std::fill(delta.begin(), delta.end(), int16_t{0});
                for (const SlotPoints& p : group.relevantSlots)
                    delta[static_cast<std::size_t>(p.slot)] = add16(delta[static_cast<std::size_t>(p.slot)], p.points);
                best = std::max(best, m_fitter.bound().gainUnits(delta.data()) +
                                          m_fitter.bound().holderUnits(group.capacity));
            }
            m_bestGainFrom[part] = m_bestGainFrom[part + 1] + best;
        }
    }

    // A passing combination is stored (expanded into its pieces) only when it
    // has no superfluous group; a hit count follows when anything was stored.
    void storeIfMinimal()
    {
        if (!isMinimal())
            return;
        const int32_t before = m_run.store->count();
        expandAndStore();
        if (m_run.store->count() > before)
            m_progress.postHitCount();
    }

    // No unfixed group may be superfluous: without it the wish must fail.
    bool isMinimal()
    {
        for (int part = 0; part < kPartCount; ++part) {
            if (m_work.entry(part) < 0 || m_work.partIsFixed(part))
                continue;
            m_work.removeContribution(part);
            // The exact test places jewels again without the part's holder.
            const bool stillPasses = m_work.wantedSkillsMet() || (m_exact && m_exactFit->passes(m_work, part));
            m_work.addContribution(part);
            if (stillPasses)
                return false;
        }
        return true;
    }

    // Expands the groups into concrete pieces and stores every accepted set.
    // An abandoned expansion still tells the owner how many results there are.
    void expandAndStore()
    {
        if (m_exact)
            m_exactFit->placeShown(m_work);
        try {
            m_template.clear();
            m_template.setWeapon(m_condition.fixed.weapon());
            m_work.holderJewels(EquipPosition::Weapon, m_jewelBuffer);
            m_template.addWeaponJewels(m_jewelBuffer);
            expandPart(0);
        } catch (const SearchAbort&) {
            m_progress.postHitCount();
            throw;
        }
    }

    void expandPart(int part)
    {
        if (part == kPartCount) {
            acceptConcreteSet();
            return;
        }
        const int32_t g = m_work.entry(part);
        if (g < 0) {
            expandPart(part + 1);
            return;
        }
        std::vector<const Jewel*>& jewels = m_partJewels[part];
        m_work.holderJewels(part, jewels);
        for (const EquipItem* piece : m_prep.groups[static_cast<std::size_t>(g)].pieces) {
            checkCancel();
            m_template.setPiece(part, piece);
            m_template.addPieceJewels(part, jewels);
            expandPart(part + 1);
        }
        m_template.setPiece(part, nullptr);
    }

    void acceptConcreteSet()
    {
        if (m_template.totalDefence() < m_condition.minDefence)
            return;
        const EquipSet* shown = &m_template;
        if (m_condition.useExcludedSkills && activatesExcludedSkill()) {
            // The exact test may place the jewels otherwise to keep them inactive.
            shown = m_exact ? m_exactFit->placementAvoiding(m_template, m_work) : nullptr;
            if (!shown)
                return;
        }
        if (m_condition.requireSParts && !wearsSPart())
            return;
        SearchResultStore& store = *m_run.store;
        if (static_cast<uint32_t>(store.count()) >= m_condition.maxResults) {
            m_outcome = OutcomeLimitReached;
            throw SearchAbort{};
        }
        store.append(*shown, m_run.master->skills());
    }

    bool activatesExcludedSkill() const
    {
        const TreeTotals& totals = m_template.totals().values();
        for (const SkillActivation& excluded : m_condition.excludedSkills.entries()) {
            auto it = totals.find(excluded.treeId);
            if (it != totals.end() && thresholdMet(excluded.threshold, it->second))
                return true;
        }
        return false;
    }

    void buildSPartLookup()
    {
        for (int part = 0; part < kPartCount; ++part)
            for (const EquipItem& piece : m_run.master->equip(part).items())
                if (m_condition.sParts.contains(piece))
                    m_sPartPieces.push_back(&piece);
        for (int part = 0; part < kPartCount; ++part)
            if (const EquipItem* fixedPiece = m_condition.fixed.piece(part))
                if (m_condition.sParts.contains(*fixedPiece))
                    m_sPartPieces.push_back(fixedPiece);
        std::sort(m_sPartPieces.begin(), m_sPartPieces.end());
    }

    bool wearsSPart() const
    {
        for (int part = 0; part < kPartCount; ++part) {
            const EquipItem* piece = m_template.piece(part);
            if (piece && std::binary_search(m_sPartPieces.begin(), m_sPartPieces.end(), piece))
                return true;
        }
        return false;
    }

    SearchCondition& m_condition;
    const SearchRun& m_run;
    PreparedSearch& m_prep;
    WorkingSet m_work;
    ProgressCounter m_progress;
    JewelFitter m_fitter;
    SearchOutcome m_outcome = OutcomeRunning;
    const bool m_exact = m_condition.usesExactJewels();
    std::unique_ptr<ExactJewelFit> m_exactFit; // only when m_exact

    uint64_t m_suffixGroups[kPartCount + 1] = {1, 1, 1, 1, 1, 1};
    uint64_t m_suffixPieces[kPartCount + 1] = {1, 1, 1, 1, 1, 1};
    bool m_partHasCandidates[kPartCount] = {};

    struct WantedCheck {
        int16_t slot;
        int16_t threshold;
    };
    struct LeafGroup {
        int32_t group;
        uint64_t pieces;
        std::size_t capacityIndex; // into m_legCapacityValues
        std::size_t deltaOffset; // into m_denseDelta
        double gainUnits = 0.0; // see FitBound::gainUnits
    };
    std::size_t m_slotCount = 0;
    std::vector<WantedCheck> m_wantedChecks;
    std::vector<LeafGroup> m_leafGroups; // the leg's groups in trial order
    std::vector<int16_t> m_denseDelta; // per leg group, its points per tree slot
    std::vector<int16_t> m_leafTotals; // scratch: other parts' totals plus one leg group
    std::vector<int32_t> m_bestRemaining; // per depth and tree slot, see buildSubtreeBounds
    uint16_t m_mostSlotsOfPart[kPartCount] = {}; // largest group capacity per part (0: none)
    bool m_boundsUsable = false;
    bool m_totalsStayInRange = false; // no total can leave the 16-bit range
    bool m_linearBoundUsable = false;
    double m_bestGainFrom[kPartCount + 1] = {}; // see buildLinearBounds
    std::vector<double> m_legLeastGain; // per leg slot count: the least gain that may pass
    FitCapacity m_otherCapacity; // what the holders other than the leg can bring
    std::vector<uint16_t> m_legCapacityValues; // distinct slot counts of the leg groups
    std::vector<FitCapacity> m_capacityWithLeg; // m_otherCapacity plus a leg of each slot count
    FitCapacity m_leafCapacity; // scratch for the subtree bound

    EquipSet m_template;
    std::vector<const Jewel*> m_jewelBuffer;
    std::vector<const Jewel*> m_partJewels[kPartCount]; // each part's jewels during an expansion
    std::vector<const EquipItem*> m_sPartPieces;
};

} // namespace

FindNotice finalNoticeFor(SearchOutcome outcome)
{
    switch (outcome) {
    case OutcomeCancelled:
        return FindCancelled;
    case OutcomeLimitReached:
        return FindLimitReached;
    case OutcomeOutOfMemory:
        return FindOutOfMemory;
    default:
        return FindFinished;
    }
}

SearchOutcome runCombinationSearch(SearchCondition& condition, const SearchRun& run)
{
    SearchOutcome outcome = OutcomeRunning;
    try {
        PreparedSearch prep;
        prepareArmour(condition, *run.master, prep);
        if (run.progress) {
            run.progress->total.store(prep.total, std::memory_order_relaxed);
            run.progress->rawTotal.store(prep.rawTotal, std::memory_order_relaxed);
        }
        if (condition.useJewels)
            prepareJewels(condition, *run.master, prep);
        if (run.notices)
            run.notices->post(Notice{NoticeKind::Search, FindStarted, 0});

        CombinationWalker walker(condition, run, prep);
        try {
            walker.run();
            outcome = OutcomeCompleted;
        } catch (const SearchAbort&) {
            outcome = walker.outcome();
        }
    } catch (const std::bad_alloc&) {
        outcome = OutcomeOutOfMemory;
    }
    return outcome;
}

} // namespace zeku
