#pragma once
// A seam for tests: the search calls allocationProbe() right before the
// allocations it must survive (candidate groups, jewel lists, result blocks,
// the results array). A test arms the probe so that the n-th call throws
// std::bad_alloc, which proves that out-of-memory ends the search cleanly.

#include <cstdint>

namespace zeku {

// Throws std::bad_alloc on the armed call; otherwise does nothing.
void allocationProbe();

// Arms the probe: the `n`-th call from now (1 = the next one) throws; 0 disarms.
void armAllocationFailure(int64_t n);

} // namespace zeku
