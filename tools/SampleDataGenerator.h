#pragma once
// The sample master-data generator: invented skill trees, armour pieces and
// jewels at a realistic scale, the same bytes for the same seed and scale on
// every machine. Scale 1 is the bundled sample in dat/; larger scales give
// proportionally more pieces and jewels for benchmarks.

#include "data/EquipItem.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace zeku {

// The seed of the bundled sample.
constexpr uint32_t kDefaultSampleSeed = 47;
// Largest scale the generator accepts.
constexpr int kMaxSampleScale = 50;

// The seven master files of one generated set, with what they hold.
struct SampleFiles {
    std::vector<std::pair<std::string, std::string>> files; // file name, UTF-8 bytes; load order
    int treeCount = 0;
    std::array<int, kPartCount> pieceCounts{};
    int jewelCount = 0;
};

// Generates the files for `seed` and `scale` (clamped to 1 … kMaxSampleScale).
SampleFiles generateSampleFiles(uint32_t seed, int scale);

// Outcome of writing a set; `error` names the file and cause on failure.
struct SampleWriteResult {
    bool ok = false;
    std::string error;
    SampleFiles summary; // file contents dropped, counts kept
};

// Generates the set and writes its files into `dir`, creating the folder.
SampleWriteResult writeSampleData(const std::filesystem::path& dir, uint32_t seed, int scale);

} // namespace zeku
