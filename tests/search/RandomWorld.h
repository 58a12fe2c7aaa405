#pragma once
// Random catalogues and search conditions for the differential tests: each
// seed gives its own small catalogue (pieces, jewels, sexes, jobs, slots) and
// a condition over it (jewels, fixed pieces, exclusions, S parts, limits).

#include "search/SearchTestSupport.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zeku::test {

// Sanitizer builds run an order of magnitude slower; they get fewer seeds.
#if defined(__SANITIZE_ADDRESS__)
constexpr uint64_t kSanitizerDivisor = 4;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr uint64_t kSanitizerDivisor = 4;
#else
constexpr uint64_t kSanitizerDivisor = 1;
#endif
#else
constexpr uint64_t kSanitizerDivisor = 1;
#endif

// splitmix64: small, fast and the same on every platform.
class TestRandom {
public:
    explicit TestRandom(uint64_t seed) : m_state(seed) {}

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi].
    int range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<uint64_t>(hi - lo + 1)); }
    bool percent(int p) { return range(1, 100) <= p; }
    template <typename T>
    const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(range(0, static_cast<int>(items.size()) - 1))];
    }

private:
    uint64_t m_state;
};

struct RandomWorld {
    TestMaster master;
    SearchCondition condition;
    std::vector<uint16_t> trees; // the skill tree ids the catalogue uses
    std::string summary; // what the condition asks, for failure messages
};

// The world of `seed`; the same seed always gives the same world.
std::unique_ptr<RandomWorld> makeWorld(uint64_t seed);

} // namespace zeku::test
