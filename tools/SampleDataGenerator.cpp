#include "tools/SampleDataGenerator.h"

#include "data/MasterData.h"
#include "tools/SampleModel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace zeku {
namespace {

// Each part of the data draws from its own stream, so that changing how pieces
// are made leaves the skill trees as they were.
uint64_t streamSeed(uint32_t seed, uint64_t stream)
{
    return (static_cast<uint64_t>(seed) << 32) ^ (stream * 0xA24BAED4963EE407ull);
}

} // namespace

SampleFiles generateSampleFiles(uint32_t seed, int scale)
{
    scale = std::clamp(scale, 1, kMaxSampleScale);
    sample::SampleRandom treeRng(streamSeed(seed, 1));
    sample::SampleRandom armourRng(streamSeed(seed, 2));
    sample::SampleRandom jewelRng(streamSeed(seed, 3));

    sample::SampleSet set;
    set.trees = sample::generateTrees(treeRng, scale);
    set.pieces = sample::generateArmour(armourRng, scale, set.trees);
    set.jewels = sample::generateJewels(jewelRng, scale, set.trees);

    const std::string note = "Invented sample data written by zeku-gen-data, seed " + std::to_string(seed) +
                             ", scale " + std::to_string(scale) + ".";
    SampleFiles out;
    out.files.emplace_back(MasterData::kSkillFile, sample::skillXml(set.trees, note));
    for (int part = 0; part < kPartCount; ++part) {
        const auto& pieces = set.pieces[static_cast<std::size_t>(part)];
        out.files.emplace_back(MasterData::kEquipFiles[static_cast<std::size_t>(part)], sample::equipXml(pieces, note));
        out.pieceCounts[static_cast<std::size_t>(part)] = static_cast<int>(pieces.size());
    }
    out.files.emplace_back(MasterData::kJewelFile, sample::jewelXml(set.jewels, note));
    out.treeCount = static_cast<int>(set.trees.size());
    out.jewelCount = static_cast<int>(set.jewels.size());
    return out;
}

SampleWriteResult writeSampleData(const std::filesystem::path& dir, uint32_t seed, int scale)
{
    SampleWriteResult result;
    result.summary = generateSampleFiles(seed, scale);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        result.error = dir.string() + ": " + ec.message();
        return result;
    }
    for (auto& [name, bytes] : result.summary.files) {
        const std::filesystem::path file = dir / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            result.error = file.string() + ": " + std::strerror(errno);
            return result;
        }
        bytes.clear();
    }
    result.ok = true;
    return result;
}

} // namespace zeku
