#include "search/FitBound.h"

#include <algorithm>
#include <limits>

namespace zeku {
namespace {

constexpr double kMargin = 1.0 + 1e-9;
constexpr double kSlack = 1e-9;

constexpr int kSizes = FitBound::kSizes;

// Size index for jewels of `slots` slots: they fit holders of that size and up.
int firstSizeIndex(uint16_t slots)
{
    return slots < kSizes ? slots : kSizes; // kSizes: only the "larger" bucket
}

int sizeIndex(uint16_t free)
{
    return free < kSizes ? free : 0;
}

// The wanted entries the linear condition reads: trees some jewel serves.
bool linearTerm(int16_t threshold, double unitsPerPoint)
{
    return threshold != 0 && unitsPerPoint < std::numeric_limits<double>::infinity();
}

} // namespace

FitBound::FitBound(const PreparedSearch& prep, const std::vector<int16_t>& thresholds,
                   const std::vector<int16_t>& wantedSlots)
{
    const std::size_t slotCount = prep.slotTree.size();
    std::vector<bool> isCandidate(prep.jewels.size(), false);
    for (const SkillJewelList& list : prep.jewelLists)
        for (const JewelCandidate& c : list.candidates)
            isCandidate[static_cast<std::size_t>(c.jewel)] = true;

    // Each candidate's summed points per tree slot.
    std::vector<std::vector<int32_t>> sums;
    std::vector<uint16_t> sizes;
    for (std::size_t j = 0; j < prep.jewels.size(); ++j) {
        if (!isCandidate[j])
            continue;
        std::vector<int32_t> sum(slotCount, 0);
        for (const SlotPoints& p : prep.jewels[j].wantedPoints)
            sum[static_cast<std::size_t>(p.slot)] += p.points;
        sums.push_back(std::move(sum));
        sizes.push_back(prep.jewels[j].slots);
    }

    // The best points per slot of each tree, raising and lowering.
    std::vector<double> bestRaise(slotCount, 0.0), bestLower(slotCount, 0.0);
    for (std::size_t j = 0; j < sums.size(); ++j)
        for (std::size_t s = 0; s < slotCount; ++s) {
            const double perSlot = static_cast<double>(sums[j][s]) / sizes[j];
            bestRaise[s] = std::max(bestRaise[s], perSlot);
            bestLower[s] = std::max(bestLower[s], -perSlot);
        }
    const double infinity = std::numeric_limits<double>::infinity();
    std::vector<double> unitsPerRaisePoint(slotCount, infinity), unitsPerLowerPoint(slotCount, infinity);
    for (std::size_t s = 0; s < slotCount; ++s) {
        if (bestRaise[s] > 0)
            unitsPerRaisePoint[s] = 1.0 / bestRaise[s];
        if (bestLower[s] > 0)
            unitsPerLowerPoint[s] = 1.0 / bestLower[s];
    }

    // What one slot in a holder of each size can bring, per tree and overall.
    m_treeUnitsPerSlot.assign(slotCount * 2 * kSizes, 0.0);
    for (std::size_t j = 0; j < sums.size(); ++j) {
        double overall = 0.0;
        std::vector<double> raise(slotCount, 0.0), lower(slotCount, 0.0);
        for (std::size_t s = 0; s < slotCount; ++s) {
            if (sums[j][s] > 0)
                raise[s] = sums[j][s] * unitsPerRaisePoint[s] / sizes[j];
            else if (sums[j][s] < 0)
                lower[s] = -sums[j][s] * unitsPerLowerPoint[s] / sizes[j];
            overall += raise[s] + lower[s];
        }
        // A jewel fits every holder at least its size, and the "larger" bucket.
        auto update = [&](int size) {
            m_unitsPerSlot[size] = std::max(m_unitsPerSlot[size], overall);
            for (std::size_t s = 0; s < slotCount; ++s) {
                double& r = m_treeUnitsPerSlot[s * 2 * kSizes + static_cast<std::size_t>(size)];
                r = std::max(r, raise[s]);
                double& l = m_treeUnitsPerSlot[s * 2 * kSizes + kSizes + static_cast<std::size_t>(size)];
                l = std::max(l, lower[s]);
            }
        };
        for (int size = firstSizeIndex(sizes[j]); size < kSizes; ++size)
            update(size);
        update(0);
    }

    for (std::size_t i = 0; i < thresholds.size(); ++i) {
        const auto slot = static_cast<std::size_t>(wantedSlots[i]);
        const bool raising = thresholds[i] > 0;
        m_wanted.push_back(Wanted{wantedSlots[i], thresholds[i],
                                  raising ? unitsPerRaisePoint[slot] : unitsPerLowerPoint[slot],
                                  slot * 2 * kSizes + (raising ? 0 : kSizes)});
    }
    // Each term of the linear condition is below 2^17 points times its units
    // per point; a dozen roundings of such sums stay far below this.
    double scale = 1.0;
    for (const Wanted& w : m_wanted)
        if (linearTerm(w.threshold, w.unitsPerPoint))
            scale += 131072.0 * w.unitsPerPoint;
    m_linearSlack = scale * 1e-9;
}

void FitBound::addHolder(FitCapacity& capacity, uint16_t free) const
{
    if (free == 0)
        return;
    const int size = sizeIndex(free);
    capacity.total += free * m_unitsPerSlot[size];
    for (std::size_t i = 0; i < m_wanted.size(); ++i)
        capacity.perWanted[i] += free * m_treeUnitsPerSlot[m_wanted[i].perSlotRow + static_cast<std::size_t>(size)];
}

bool FitBound::reachable(const int16_t* totals, const FitCapacity& capacity) const
{
    double unitsNeeded = 0.0;
    for (std::size_t i = 0; i < m_wanted.size(); ++i) {
        const Wanted& w = m_wanted[i];
        const int current = totals[static_cast<std::size_t>(w.slot)];
        int deficit;
        if (w.threshold > 0)
            deficit = w.threshold - current;
        else if (w.threshold < 0)
            deficit = current - w.threshold;
        else
            continue;
        if (deficit <= 0)
            continue;
        const double units = deficit * w.unitsPerPoint;
        if (units > capacity.perWanted[i] * kMargin + kSlack)
            return false;
        unitsNeeded += units;
    }
    return unitsNeeded <= capacity.total * kMargin + kSlack;
}

double FitBound::gainUnits(const int16_t* delta) const
{
    double units = 0.0;
    for (const Wanted& w : m_wanted) {
        if (!linearTerm(w.threshold, w.unitsPerPoint))
            continue;
        const int points = delta[static_cast<std::size_t>(w.slot)];
        units += (w.threshold > 0 ? points : -points) * w.unitsPerPoint;
    }
    return units;
}

double FitBound::holderUnits(uint16_t free) const
{
    return free == 0 ? 0.0 : free * m_unitsPerSlot[sizeIndex(free)] * kMargin;
}

double FitBound::leastGainUnits(const int16_t* base, const FitCapacity& capacity) const
{
    double units = 0.0;
    for (const Wanted& w : m_wanted) {
        if (!linearTerm(w.threshold, w.unitsPerPoint))
            continue;
        const int current = base[static_cast<std::size_t>(w.slot)];
        units += (w.threshold > 0 ? w.threshold - current : current - w.threshold) * w.unitsPerPoint;
    }
    return units - (capacity.total * kMargin + kSlack) - m_linearSlack;
}

FitBound::Outlook FitBound::outlook(const int16_t* base, const int16_t* delta, const FitCapacity& capacity) const
{
    bool met = true;
    bool reachable = true;
    double unitsNeeded = 0.0;
    for (std::size_t i = 0; i < m_wanted.size(); ++i) {
        const Wanted& w = m_wanted[i];
        const auto slot = static_cast<std::size_t>(w.slot);
        const int current =
            static_cast<int16_t>(static_cast<uint16_t>(base[slot]) + static_cast<uint16_t>(delta[slot]));
        int deficit;
        if (w.threshold > 0)
            deficit = w.threshold - current;
        else if (w.threshold < 0)
            deficit = current - w.threshold;
        else {
            met = false; // a threshold of 0 is never met
            continue;
        }
        if (deficit <= 0)
            continue;
        met = false;
        const double units = deficit * w.unitsPerPoint;
        if (units > capacity.perWanted[i] * kMargin + kSlack) {
            reachable = false;
            break;
        }
        unitsNeeded += units;
    }
    if (met)
        return Outlook::Met;
    if (!reachable || unitsNeeded > capacity.total * kMargin + kSlack)
        return Outlook::Unreachable;
    return Outlook::MayFit;
}

} // namespace zeku
