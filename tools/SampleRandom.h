#pragma once
// The sample data generator's random source. The committed sample must come out
// byte for byte the same on every machine and standard library, so this is a
// plain splitmix64 with our own range, weight and shuffle helpers; the std::
// distributions and std::shuffle are implementation-defined and never used.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace zeku::sample {

class SampleRandom {
public:
    explicit SampleRandom(uint64_t seed) : m_state(seed) {}

    // The next 64 random bits.
    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A value in [0, n); 0 when n is 0. Multiply-shift: the bias is far below
    // anything the sample could show.
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(((next() >> 32) * uint64_t(n)) >> 32); }

    // A value in [lo, hi], both included.
    int range(int lo, int hi) { return lo + static_cast<int>(below(static_cast<uint32_t>(hi - lo + 1))); }

    // True with a chance of `p` in 100.
    bool percent(int p) { return static_cast<int>(below(100)) < p; }

    // An index into `weights` drawn in proportion to the weights; 0 when all are 0.
    std::size_t weighted(const std::vector<int>& weights)
    {
        long total = 0;
        for (int w : weights)
            total += w > 0 ? w : 0;
        if (total <= 0)
            return 0;
        long roll = static_cast<long>(below(static_cast<uint32_t>(total)));
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (weights[i] <= 0)
                continue;
            if (roll < weights[i])
                return i;
            roll -= weights[i];
        }
        return weights.size() - 1;
    }

    // Fisher-Yates with this generator.
    template <class T>
    void shuffle(std::vector<T>& items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[below(static_cast<uint32_t>(i))]);
    }

    // One element of a non-empty array.
    template <class T, std::size_t N>
    const T& pick(const T (&items)[N])
    {
        return items[below(static_cast<uint32_t>(N))];
    }

private:
    uint64_t m_state;
};

} // namespace zeku::sample
