#include "search/PlacementSolver.h"

#include "data/EquipItem.h"

#include <algorithm>
#include <bit>
#include <new>
#include <numeric>

namespace zeku {
namespace {

// Holder sizes go into the memo key as 4-bit fields, two 16-bit words for
// up to eight holders.
constexpr uint16_t kLargestKeyedSize = 15;
constexpr std::size_t kSizeWords = 2;
// Unit sums are sums of a few dozen products of small integers and weights;
// the margin keeps rounding from ever refusing a placement that exists.
constexpr double kUnitMargin = 1.0 + 1e-9;
constexpr double kUnitSlack = 1e-9;

template <typename T>
T* zeroed(std::size_t count)
{
    void* block = std::calloc(count, sizeof(T));
    if (!block)
        throw std::bad_alloc();
    return static_cast<T*>(block);
}

} // namespace

std::atomic<std::size_t> PlacementSolver::s_memoEntries{PlacementSolver::kMemoEntries};

void PlacementSolver::setMemoEntries(std::size_t entries)
{
    s_memoEntries = std::bit_ceil(std::max<std::size_t>(entries, 16));
}

PlacementSolver::PlacementSolver(const std::vector<uint16_t>& jewelSizes, const std::vector<int16_t>& gains,
                                 std::size_t goals, uint16_t largestHolder)
    : m_goals(goals), m_sizes(jewelSizes), m_jewelGains(gains), m_keyWords(kSizeWords + goals)
{
    // Per goal, the most any jewel that fits some holder gains per slot.
    m_unitWeight.assign(goals, 0.0);
    for (std::size_t g = 0; g < goals; ++g) {
        double best = 0.0;
        for (std::size_t j = 0; j < jewelSizes.size(); ++j)
            if (jewelSizes[j] >= 1 && jewelSizes[j] <= largestHolder)
                best = std::max(best, static_cast<double>(gains[j * goals + g]) / jewelSizes[j]);
        m_unitWeight[g] = best > 0 ? 1.0 / best : 0.0;
    }
    m_tables.resize(static_cast<std::size_t>(largestHolder) + 1);
    Table& empty = m_tables[0];
    empty.count = 1;
    empty.gains.assign(goals, 0);
    empty.repFirst.push_back(0);
    empty.repCount.push_back(0);
    empty.most.assign(goals, 0);
    empty.leastBelowZero.assign(goals, 0);
    for (uint16_t size = 1; size <= largestHolder; ++size)
        buildTable(size);

    // The clamped amounts must fit the 16-bit key words.
    long widest = 0;
    for (const Table& t : m_tables)
        for (std::size_t g = 0; g < goals; ++g)
            widest = std::max<long>(widest, std::max(t.most[g], t.leastBelowZero[g]));
    m_memoUsable = largestHolder <= kLargestKeyedSize && widest * kMaxHolders < 30000;

    m_missing.assign((kMaxHolders + 1) * goals, 0);
    m_rest.assign((kMaxHolders + 1) * goals, 0);
    m_current.assign(goals, 0);
    m_gained.assign(goals, 0);
    m_key.assign((kMaxHolders + 1) * m_keyWords, 0);
    if (m_memoUsable) {
        const std::size_t entries = s_memoEntries;
        m_memoKeys.reset(zeroed<int16_t>(entries * m_keyWords));
        m_memoGeneration.reset(zeroed<uint32_t>(entries));
        m_memoAnswer.reset(zeroed<uint8_t>(entries));
        m_memoMask = entries - 1;
    }
}

// The undominated gain vectors of multisets fitting `size` slots: those of
// size - 1, and each jewel that fits added to an undominated vector of the
// slots it leaves. (A multiset filling all slots is a jewel plus a multiset
// of the rest, and replacing the rest by a vector that dominates it keeps
// the whole dominating.)
void PlacementSolver::buildTable(uint16_t size)
{
    const std::size_t G = m_goals;
    Table& table = m_tables[size];
    std::vector<int16_t> candidate(G);
    std::vector<int32_t> rep;
    // The front so far: vectors with their representative multisets.
    std::vector<int16_t> front;
    std::vector<std::vector<int32_t>> reps;
    auto offer = [&]() {
        const std::size_t n = reps.size();
        for (std::size_t k = 0; k < n; ++k) {
            const int16_t* other = &front[k * G];
            bool covers = true;
            for (std::size_t g = 0; g < G && covers; ++g)
                covers = other[g] >= candidate[g];
            if (covers)
                return; // dominated by (or equal to) one found earlier
        }
        // Drop what the candidate dominates, keeping the order of the rest.
        std::size_t kept = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const int16_t* other = &front[k * G];
            bool below = true;
            for (std::size_t g = 0; g < G && below; ++g)
                below = other[g] <= candidate[g];
            if (below)
                continue;
            if (kept != k) {
                std::copy(other, other + G, &front[kept * G]);
                reps[kept] = std::move(reps[k]);
            }
            ++kept;
        }
        front.resize(kept * G);
        reps.resize(kept);
        front.insert(front.end(), candidate.begin(), candidate.end());
        reps.push_back(rep);
    };

    auto offerFrom = [&](const Table& from, int32_t jewel) {
        for (std::size_t v = 0; v < from.count; ++v) {
            bool fits = true;
            for (std::size_t g = 0; g < G; ++g) {
                const int sum =
                    from.gains[v * G + g] + (jewel >= 0 ? m_jewelGains[static_cast<std::size_t>(jewel) * G + g] : 0);
                fits = fits && sum >= -kSafePointsMagnitude && sum <= kSafePointsMagnitude;
                candidate[g] = static_cast<int16_t>(sum);
            }
            if (!fits)
                continue;
            rep.assign(m_repJewels.begin() + from.repFirst[v],
                       m_repJewels.begin() + from.repFirst[v] + from.repCount[v]);
            if (jewel >= 0)
                rep.push_back(jewel);
            offer();
        }
    };

    offerFrom(m_tables[size - 1u], -1);
    for (std::size_t j = 0; j < m_sizes.size(); ++j)
        if (m_sizes[j] >= 1 && m_sizes[j] <= size)
            offerFrom(m_tables[size - m_sizes[j]], static_cast<int32_t>(j));

    // Strongest first (largest summed gain), which finds a yes sooner; ties
    // keep the order found.
    std::vector<std::size_t> order(reps.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<long> strength(reps.size(), 0);
    for (std::size_t k = 0; k < reps.size(); ++k)
        for (std::size_t g = 0; g < G; ++g)
            strength[k] += front[k * G + g];
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return strength[a] > strength[b]; });

    table.count = reps.size();
    table.gains.reserve(table.count * G);
    table.most.assign(G, 0);
    table.leastBelowZero.assign(G, 0);
    bool first = true;
    for (std::size_t k : order) {
        const int16_t* v = &front[k * G];
        table.gains.insert(table.gains.end(), v, v + G);
        table.repFirst.push_back(static_cast<uint32_t>(m_repJewels.size()));
        table.repCount.push_back(static_cast<uint16_t>(reps[k].size()));
        m_repJewels.insert(m_repJewels.end(), reps[k].begin(), reps[k].end());
        for (std::size_t g = 0; g < G; ++g) {
            table.most[g] = first ? v[g] : std::max<int32_t>(table.most[g], v[g]);
            table.leastBelowZero[g] = std::max<int32_t>(table.leastBelowZero[g], -v[g]);
        }
        table.units = std::max(table.units, unitsOf(v));
        first = false;
    }
}

bool PlacementSolver::allMet(const int32_t* missing) const
{
    for (std::size_t g = 0; g < m_goals; ++g)
        if (missing[g] > 0)
            return false;
    return true;
}

bool PlacementSolver::feasible(const uint16_t* sizes, int count, const int32_t* missing)
{
    std::copy(missing, missing + m_goals, m_missing.begin());
    return solve(0, sizes, count);
}

bool PlacementSolver::solve(int depth, const uint16_t* sizes, int count)
{
    const std::size_t G = m_goals;
    int32_t* missing = &m_missing[static_cast<std::size_t>(depth) * G];
    if (allMet(missing))
        return true;
    if (count == 0)
        return false;
    const Table& first = m_tables[sizes[0]];
    // What all the holders could gain at most towards each goal, and below
    // which an amount is met whatever they take.
    double units = 0.0;
    for (int h = 0; h < count; ++h)
        units += m_tables[sizes[h]].units;
    if (unitsOf(missing) > units * kUnitMargin + kUnitSlack)
        return false;
    const double restUnits = (units - first.units) * kUnitMargin + kUnitSlack;
    int32_t* rest = &m_rest[static_cast<std::size_t>(depth) * G];
    for (std::size_t g = 0; g < G; ++g) {
        int32_t most = 0, floor = 0;
        for (int h = 0; h < count; ++h) {
            most += m_tables[sizes[h]].most[g];
            floor -= m_tables[sizes[h]].leastBelowZero[g];
        }
        if (missing[g] > most)
            return false;
        if (missing[g] < floor)
            missing[g] = floor;
        rest[g] = most - first.most[g];
    }
    if (count == 1) {
        for (std::size_t v = 0; v < first.count; ++v) {
            const int16_t* gains = &first.gains[v * G];
            bool covers = true;
            for (std::size_t g = 0; g < G && covers; ++g)
                covers = gains[g] >= missing[g];
            if (covers)
                return true;
        }
        return false;
    }

    int16_t* key = &m_key[static_cast<std::size_t>(depth) * m_keyWords];
    if (m_memoUsable) {
        uint32_t packed = 0;
        for (int h = 0; h < count; ++h)
            packed |= static_cast<uint32_t>(sizes[h]) << (4 * h);
        key[0] = static_cast<int16_t>(packed & 0xffff);
        key[1] = static_cast<int16_t>(packed >> 16);
        for (std::size_t g = 0; g < G; ++g)
            key[kSizeWords + g] = static_cast<int16_t>(missing[g]);
        bool answer = false;
        if (memoFind(key, answer))
            return answer;
    }

    int32_t* next = &m_missing[static_cast<std::size_t>(depth + 1) * G];
    bool found = false;
    for (std::size_t v = 0; v < first.count && !found; ++v) {
        const int16_t* gains = &first.gains[v * G];
        bool possible = true;
        for (std::size_t g = 0; g < G; ++g) {
            next[g] = missing[g] - gains[g];
            if (next[g] > rest[g]) {
                possible = false;
                break;
            }
        }
        if (possible && unitsOf(next) <= restUnits && solve(depth + 1, sizes + 1, count - 1))
            found = true;
    }
    if (m_memoUsable)
        memoStore(key, found);
    return found;
}

bool PlacementSolver::place(const uint16_t* sizes, int count, const int32_t* missing, std::vector<int32_t>& jewels,
                            int32_t (&ends)[kMaxHolders])
{
    jewels.clear();
    if (!feasible(sizes, count, missing))
        return false;
    const std::size_t G = m_goals;
    int32_t* current = m_current.data();
    int32_t* gained = m_gained.data();
    std::copy(missing, missing + G, current);
    std::fill(m_gained.begin(), m_gained.end(), 0);
    for (int h = 0; h < count; ++h) {
        if (!allMet(current)) {
            const Table& table = m_tables[sizes[h]];
            int32_t* next = &m_missing[static_cast<std::size_t>(h + 1) * G];
            for (std::size_t v = 0; v < table.count; ++v) {
                const int16_t* gains = &table.gains[v * G];
                for (std::size_t g = 0; g < G; ++g)
                    next[g] = current[g] - gains[g];
                if (!solve(h + 1, sizes + h + 1, count - h - 1))
                    continue;
                for (std::size_t g = 0; g < G; ++g) {
                    current[g] -= gains[g];
                    gained[g] += gains[g];
                }
                jewels.insert(jewels.end(), m_repJewels.begin() + table.repFirst[v],
                              m_repJewels.begin() + table.repFirst[v] + table.repCount[v]);
                break;
            }
        }
        ends[h] = static_cast<int32_t>(jewels.size());
    }
    // Leave out jewels the goals do not need, holder by holder, last first.
    int32_t begin = 0;
    for (int h = 0; h < count; ++h) {
        for (int32_t i = ends[h] - 1; i >= begin; --i) {
            const int16_t* gains = &m_jewelGains[static_cast<std::size_t>(jewels[static_cast<std::size_t>(i)]) * G];
            bool spare = true;
            for (std::size_t g = 0; g < G && spare; ++g)
                spare = gained[g] - gains[g] >= missing[g];
            if (!spare)
                continue;
            for (std::size_t g = 0; g < G; ++g)
                gained[g] -= gains[g];
            jewels.erase(jewels.begin() + i);
            for (int later = h; later < count; ++later)
                --ends[later];
        }
        begin = ends[h];
    }
    return true;
}

uint64_t PlacementSolver::hashKey(const int16_t* key) const
{
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (std::size_t w = 0; w < m_keyWords; ++w) {
        h ^= static_cast<uint16_t>(key[w]);
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
    }
    return h;
}

bool PlacementSolver::memoFind(const int16_t* key, bool& answer) const
{
    for (std::size_t at = hashKey(key) & m_memoMask;; at = (at + 1) & m_memoMask) {
        if (m_memoGeneration[at] != m_generation)
            return false;
        if (std::equal(key, key + m_keyWords, &m_memoKeys[at * m_keyWords])) {
            answer = m_memoAnswer[at] != 0;
            return true;
        }
    }
}

void PlacementSolver::memoEmpty()
{
    m_memoUsed = 0;
    if (++m_generation != 0)
        return;
    // After 2^32 - 1 generations: clear the marks once, none is current.
    std::fill(m_memoGeneration.get(), m_memoGeneration.get() + m_memoMask + 1, 0u);
    m_generation = 1;
}

void PlacementSolver::memoStore(const int16_t* key, bool answer)
{
    // Half full: start afresh, which keeps every probe short.
    if (2 * (m_memoUsed + 1) > m_memoMask + 1)
        memoEmpty();
    std::size_t at = hashKey(key) & m_memoMask;
    while (m_memoGeneration[at] == m_generation) {
        if (std::equal(key, key + m_keyWords, &m_memoKeys[at * m_keyWords])) {
            m_memoAnswer[at] = answer ? 1 : 0;
            return;
        }
        at = (at + 1) & m_memoMask;
    }
    std::copy(key, key + m_keyWords, &m_memoKeys[at * m_keyWords]);
    m_memoGeneration[at] = m_generation;
    m_memoAnswer[at] = answer ? 1 : 0;
    ++m_memoUsed;
}

} // namespace zeku
