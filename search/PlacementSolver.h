#pragma once
// Exact jewel placement: can jewels, any number of each, set into holders
// with given free slots bring every goal within reach?
//
// A goal is a direction on one skill total (raise it, or lower it) and the
// amount still missing; a jewel's gain towards a goal is its points in that
// tree, turned over for a goal that lowers. The question is whether some
// multiset of jewels per holder, each multiset fitting its holder's free
// slots, gains at least the missing amount towards every goal.
//
// Per search, for every holder size f, the table holds the undominated gain
// vectors of all jewel multisets that fit f slots (a vector is dominated when
// another is at least as large towards every goal): only those can matter.
// A question then walks the holders largest first, tries each vector of the
// first holder and asks the same of the rest; answers are memoised by the
// multiset of holder sizes and the amounts still missing (clamped where the
// remaining holders could not change the outcome). The memo is an
// open-addressing table of a size fixed when the solver is made, emptied
// (in one step, by a new generation) when half full, so a question allocates
// nothing.
//
// The placement shown for a yes is deterministic: holders are taken in the
// order given (the caller sorts them), each stops being filled once every
// goal is met, and otherwise takes the first vector in table order with which
// the later holders can still complete the goals; then, holder by holder and
// last jewel first, a jewel whose removal leaves every goal met is removed.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace zeku {

class PlacementSolver {
public:
    static constexpr int kMaxHolders = 8;

    // `jewelSizes[j]`: slot size of jewel j (j is the caller's index, 0..n-1);
    // `gains[j * goals + g]`: its gain towards goal g. Holders never have
    // more than `largestHolder` free slots.
    PlacementSolver(const std::vector<uint16_t>& jewelSizes, const std::vector<int16_t>& gains, std::size_t goals,
                    uint16_t largestHolder);

    std::size_t goals() const { return m_goals; }

    // The memo entries of solvers made from now on (a power of two, at least
    // 16); kMemoEntries unless a test makes the memo small enough to fill.
    static constexpr std::size_t kMemoEntries = std::size_t{1} << 16;
    static void setMemoEntries(std::size_t entries);

    // True when holders of free sizes `sizes` (count <= kMaxHolders, sorted
    // largest first, none above largestHolder) can gain `missing[g]` (per
    // goal) or more.
    bool feasible(const uint16_t* sizes, int count, const int32_t* missing);

    // The placement of a yes (see above), as jewel indices per holder:
    // `jewels` gets them one holder after another and `ends[h]` the end of
    // holder h's run. Returns false (and places nothing) on a no.
    bool place(const uint16_t* sizes, int count, const int32_t* missing, std::vector<int32_t>& jewels,
               int32_t (&ends)[kMaxHolders]);

private:
    struct Table {
        std::size_t count = 0;
        std::vector<int16_t> gains; // count * goals
        std::vector<uint32_t> repFirst; // per vector: its jewels in m_repJewels
        std::vector<uint16_t> repCount;
        std::vector<int32_t> most; // per goal: the largest gain of any vector
        std::vector<int32_t> leastBelowZero; // per goal: -(the most negative gain), >= 0
        double units = 0.0; // the most unitsOf() of any vector
    };

    // A holder's gains weighed on one scale: each goal's positive gain in
    // slots of the jewel that gains most per slot towards it. Whatever the
    // holders take, the amounts missing weigh at most what they can weigh
    // together, which prunes most of the walk.
    template <typename T>
    double unitsOf(const T* amounts) const
    {
        double units = 0.0;
        for (std::size_t g = 0; g < m_goals; ++g)
            if (amounts[g] > 0)
                units += amounts[g] * m_unitWeight[g];
        return units;
    }

    void buildTable(uint16_t size);
    bool solve(int depth, const uint16_t* sizes, int count);
    bool allMet(const int32_t* missing) const;

    // Memo: keys of m_keyWords words (holder count and sizes, then the
    // clamped amounts), answer, generation.
    bool memoFind(const int16_t* key, bool& answer) const;
    void memoStore(const int16_t* key, bool answer);
    void memoEmpty();
    uint64_t hashKey(const int16_t* key) const;

    // Zero-filled by calloc: the system hands out zero pages as they are
    // first touched, so a search that asks little costs little of the table.
    struct FreeMemory {
        void operator()(void* p) const { std::free(p); }
    };
    template <typename T>
    using Block = std::unique_ptr<T[], FreeMemory>;
    static std::atomic<std::size_t> s_memoEntries;

    std::size_t m_goals;
    std::vector<uint16_t> m_sizes;
    std::vector<int16_t> m_jewelGains;
    std::vector<Table> m_tables; // per holder size 0..largest
    std::vector<double> m_unitWeight; // per goal, see unitsOf()
    std::vector<int32_t> m_repJewels;

    std::vector<int32_t> m_missing; // per depth, the amounts still missing
    std::vector<int32_t> m_rest; // per depth, the most the holders after the first can gain
    std::vector<int32_t> m_current; // place(): amounts still missing, unclamped
    std::vector<int32_t> m_gained; // place(): gains of the jewels placed
    std::vector<int16_t> m_key; // per depth, scratch key
    std::size_t m_keyWords;
    bool m_memoUsable;
    Block<int16_t> m_memoKeys;
    Block<uint32_t> m_memoGeneration; // 0 or not the current one: empty
    Block<uint8_t> m_memoAnswer;
    std::size_t m_memoMask = 0;
    std::size_t m_memoUsed = 0;
    uint32_t m_generation = 1;
};

} // namespace zeku
