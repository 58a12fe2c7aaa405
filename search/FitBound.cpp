#include "search/FitBound.h"

#include <algorithm>
#include <limits>

namespace zeku {
namespace {

constexpr double kMargin = 1.0 + 1e-9;
constexpr double kSlack = 1e-9;

// Size index for jewels of `slots` slots: they fit holders of that size and up.
int firstSizeIndex(uint16_t slots)
{
    return slots < FreeSlots::kSizes ? slots : FreeSlots::kSizes; // kSizes: only the "larger" bucket
}

} // namespace

FitBound::FitBound(const PreparedSearch& prep, const std::vector<int16_t>& thresholds,
                   const std::vector<int16_t>& wantedSlots)
{
    for (std::size_t i = 0; i < thresholds.size(); ++i)
        m_wanted.push_back(Wanted{wantedSlots[i], thresholds[i]});

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
    m_unitsPerRaisePoint.assign(slotCount, infinity);
    m_unitsPerLowerPoint.assign(slotCount, infinity);
    for (std::size_t s = 0; s < slotCount; ++s) {
        if (bestRaise[s] > 0)
            m_unitsPerRaisePoint[s] = 1.0 / bestRaise[s];
        if (bestLower[s] > 0)
            m_unitsPerLowerPoint[s] = 1.0 / bestLower[s];
    }

    // What one slot in a holder of each size can bring, per tree and overall.
    m_raiseUnitsPerSlot.assign(slotCount * FreeSlots::kSizes, 0.0);
    m_lowerUnitsPerSlot.assign(slotCount * FreeSlots::kSizes, 0.0);
    for (std::size_t j = 0; j < sums.size(); ++j) {
        double overall = 0.0;
        std::vector<double> raise(slotCount, 0.0), lower(slotCount, 0.0);
        for (std::size_t s = 0; s < slotCount; ++s) {
            if (sums[j][s] > 0)
                raise[s] = sums[j][s] * m_unitsPerRaisePoint[s] / sizes[j];
            else if (sums[j][s] < 0)
                lower[s] = -sums[j][s] * m_unitsPerLowerPoint[s] / sizes[j];
            overall += raise[s] + lower[s];
        }
        // A jewel fits every holder at least its size, and the "larger" bucket.
        auto update = [&](int size) {
            m_unitsPerSlot[size] = std::max(m_unitsPerSlot[size], overall);
            for (std::size_t s = 0; s < slotCount; ++s) {
                double& r = m_raiseUnitsPerSlot[s * FreeSlots::kSizes + static_cast<std::size_t>(size)];
                r = std::max(r, raise[s]);
                double& l = m_lowerUnitsPerSlot[s * FreeSlots::kSizes + static_cast<std::size_t>(size)];
                l = std::max(l, lower[s]);
            }
        };
        for (int size = firstSizeIndex(sizes[j]); size < FreeSlots::kSizes; ++size)
            update(size);
        update(0);
    }
}

bool FitBound::reachable(const int16_t* totals, const FreeSlots& free) const
{
    int sizes[FreeSlots::kSizes];
    int sizeCount = 0;
    double totalUnits = 0.0;
    for (int c = 0; c < FreeSlots::kSizes; ++c)
        if (free.bySize[c]) {
            sizes[sizeCount++] = c;
            totalUnits += free.bySize[c] * m_unitsPerSlot[c];
        }
    double unitsNeeded = 0.0;
    for (const Wanted& w : m_wanted) {
        const auto slot = static_cast<std::size_t>(w.slot);
        const int current = totals[slot];
        double units;
        const double* perSlot;
        if (w.threshold > 0 && current < w.threshold) {
            units = (w.threshold - current) * m_unitsPerRaisePoint[slot];
            perSlot = &m_raiseUnitsPerSlot[slot * FreeSlots::kSizes];
        } else if (w.threshold < 0 && current > w.threshold) {
            units = (current - w.threshold) * m_unitsPerLowerPoint[slot];
            perSlot = &m_lowerUnitsPerSlot[slot * FreeSlots::kSizes];
        } else {
            continue;
        }
        double treeUnits = 0.0;
        for (int k = 0; k < sizeCount; ++k)
            treeUnits += free.bySize[sizes[k]] * perSlot[sizes[k]];
        if (units > treeUnits * kMargin + kSlack)
            return false;
        unitsNeeded += units;
    }
    return unitsNeeded <= totalUnits * kMargin + kSlack;
}

} // namespace zeku
