#pragma once
// Counts shown to the user (results, combinations) with thousands separators.

#include <cstdint>
#include <string>

namespace zeku {

// `value` in decimal with a comma between groups of three digits: 0 gives "0",
// 1000 gives "1,000". Callers append their own unit.
std::string formatCount(uint64_t value);

} // namespace zeku
