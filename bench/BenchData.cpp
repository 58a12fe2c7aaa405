#include "bench/BenchData.h"

#include "tools/SampleDataGenerator.h"

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <unistd.h>

namespace zeku {

const MasterData& dataAtScale(int scale)
{
    static std::map<int, std::unique_ptr<MasterData>> cache;
    auto& slot = cache[scale];
    if (!slot) {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("zeku_bench_" + std::to_string(::getpid()) + "_" + std::to_string(scale));
        std::filesystem::create_directories(dir);
        writeSampleData(dir, kDefaultSampleSeed, scale);
        slot = std::make_unique<MasterData>();
        if (!slot->load(dir).ok())
            throw std::runtime_error("generated data does not load");
        std::filesystem::remove_all(dir);
    }
    return *slot;
}

} // namespace zeku
