#pragma once
// The header-click sort of the data lists: an in-place quicksort with the last
// element as pivot and an explicit stack of ranges. It is not stable, so the
// order of entries that compare equal is the one this exact procedure leaves;
// comparers end in a tie-break to keep that rare.

#include <cstddef>
#include <utility>
#include <vector>

namespace zeku {

// Sorts `a` ascending by `compare(x, y)` (negative, zero or positive).
template <typename T, typename Compare>
void quickSortEntries(std::vector<T>& a, Compare compare)
{
    struct Range {
        std::ptrdiff_t lo;
        std::ptrdiff_t hi;
    };
    if (a.size() < 2)
        return;
    std::vector<Range> stack;
    stack.push_back({0, static_cast<std::ptrdiff_t>(a.size()) - 1});
    while (!stack.empty()) {
        const Range r = stack.back();
        stack.pop_back();
        if (r.lo >= r.hi)
            continue;
        // The pivot stays at hi until the final swap: j starts below it.
        const T& pivot = a[r.hi];
        std::ptrdiff_t i = r.lo - 1;
        std::ptrdiff_t j = r.hi;
        for (;;) {
            do
                ++i;
            while (compare(a[i], pivot) < 0);
            do
                --j;
            while (j > i && compare(a[j], pivot) > 0);
            if (i >= j)
                break;
            std::swap(a[i], a[j]);
        }
        std::swap(a[i], a[r.hi]);
        // The shorter range goes on top so that it is taken next and the
        // stack stays logarithmic.
        const Range left{r.lo, i - 1};
        const Range right{i + 1, r.hi};
        if (left.hi - left.lo < right.hi - right.lo) {
            stack.push_back(right);
            stack.push_back(left);
        } else {
            stack.push_back(left);
            stack.push_back(right);
        }
    }
}

} // namespace zeku
