// The exact placement's promise that a question allocates nothing, however
// many answers its memo has to keep: every allocation of this test program is
// counted while the questions run. (Sanitizer builds keep their own
// allocator and skip the count.)

#include "search/PlacementSolver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define ZEKU_COUNTS_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZEKU_COUNTS_ALLOCATIONS 0
#endif
#endif
#ifndef ZEKU_COUNTS_ALLOCATIONS
#define ZEKU_COUNTS_ALLOCATIONS 1
#endif

namespace {
thread_local bool t_counting = false;
thread_local long t_allocations = 0;
} // namespace

#if ZEKU_COUNTS_ALLOCATIONS
// The plain forms, as the library's own: the array and sized forms call them.
void* operator new(std::size_t size)
{
    if (t_counting)
        ++t_allocations;
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
#endif

namespace zeku::test {
namespace {

TEST(PlacementMemo, QuestionsAllocateNothingHoweverManyAnswersTheMemoKeeps)
{
    if (!ZEKU_COUNTS_ALLOCATIONS)
        GTEST_SKIP() << "the sanitizer's allocator is not counted";
    // Three goals; jewels of one to three slots, some lowering another goal.
    const std::vector<uint16_t> sizes = {1, 1, 2, 2, 3, 3};
    const std::vector<int16_t> gains = {2, 0, 0, 0, 1, -1, 3, 2, 0, 1, 0, 3, 6, 0, -2, 2, 4, 4};
    PlacementSolver solver(sizes, gains, 3, 3);
    const uint16_t holders[] = {3, 3, 3, 2, 2, 2, 1, 1};
    long yes = 0, no = 0;
    t_counting = true;
    // Far more distinct questions than the memo holds at once.
    for (int count = 2; count <= 8; ++count)
        for (int32_t a = -4; a <= 30; ++a)
            for (int32_t b = -4; b <= 30; ++b)
                for (int32_t c = -2; c <= 20; c += 2) {
                    const int32_t missing[] = {a, b, c};
                    (solver.feasible(holders, count, missing) ? yes : no) += 1;
                }
    t_counting = false;
    EXPECT_EQ(t_allocations, 0);
    EXPECT_GT(yes, 1000);
    EXPECT_GT(no, 1000);
}

} // namespace
} // namespace zeku::test
