#include "platform/AllocationProbe.h"

#include <atomic>
#include <new>

namespace zeku {
namespace {
std::atomic<int64_t> g_callsUntilFailure{0};
}

void allocationProbe()
{
    if (g_callsUntilFailure.load(std::memory_order_relaxed) == 0)
        return;
    if (g_callsUntilFailure.fetch_sub(1, std::memory_order_relaxed) == 1)
        throw std::bad_alloc();
}

void armAllocationFailure(int64_t n)
{
    g_callsUntilFailure.store(n < 0 ? 0 : n, std::memory_order_relaxed);
}

} // namespace zeku
