// zeku-gen-data: writes a generated master-data set into a folder.
//   zeku-gen-data --out DIR [--seed N] [--scale K]
// Scale 1 with the default seed is the bundled sample in dat/.

#include "tools/SampleDataGenerator.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void printUsage(std::FILE* to)
{
    std::fprintf(to,
                 "usage: zeku-gen-data --out DIR [--seed N] [--scale K]\n"
                 "  --seed N   seed of the generator (default %u, the bundled sample)\n"
                 "  --scale K  1 = sample size, K = about K times as many pieces and jewels (1 to %d)\n",
                 zeku::kDefaultSampleSeed, zeku::kMaxSampleScale);
}

// A whole decimal number in [lo, hi], or false.
bool parseNumber(const char* text, long long lo, long long hi, long long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= lo && value <= hi;
}

} // namespace

int main(int argc, char** argv)
{
    std::string out;
    long long seed = zeku::kDefaultSampleSeed;
    long long scale = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            printUsage(stdout);
            return 0;
        }
        if (i + 1 >= argc || (arg != "--out" && arg != "--seed" && arg != "--scale")) {
            std::fprintf(stderr, "zeku-gen-data: unexpected argument '%s'\n", arg.c_str());
            printUsage(stderr);
            return 2;
        }
        const char* value = argv[++i];
        if (arg == "--out") {
            out = value;
        } else if (arg == "--seed" ? !parseNumber(value, 0, 0xFFFFFFFFll, seed)
                                   : !parseNumber(value, 1, zeku::kMaxSampleScale, scale)) {
            std::fprintf(stderr, "zeku-gen-data: bad value for %s: '%s'\n", arg.c_str(), value);
            return 2;
        }
    }
    if (out.empty()) {
        std::fprintf(stderr, "zeku-gen-data: --out DIR is required\n");
        printUsage(stderr);
        return 2;
    }

    const zeku::SampleWriteResult result =
        zeku::writeSampleData(out, static_cast<uint32_t>(seed), static_cast<int>(scale));
    if (!result.ok) {
        std::fprintf(stderr, "zeku-gen-data: cannot write %s\n", result.error.c_str());
        return 1;
    }
    const zeku::SampleFiles& s = result.summary;
    std::printf("%s: %d skill trees; pieces head %d, body %d, arm %d, waist %d, leg %d; %d jewels\n", out.c_str(),
                s.treeCount, s.pieceCounts[0], s.pieceCounts[1], s.pieceCounts[2], s.pieceCounts[3], s.pieceCounts[4],
                s.jewelCount);
    return 0;
}
