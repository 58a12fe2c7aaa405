// Startup.dat from arbitrary bytes. The favourite sets come out in favourite
// order with the names the catalogue gives, and a save followed by a second
// load gives back exactly what was read.

#include "FuzzSupport.h"

#include "platform/Cp932.h"
#include "userfiles/StartupSettings.h"

#include <algorithm>

using namespace zeku;

namespace {

const SkillCatalogue& skillCatalogue()
{
    static const SkillCatalogue* skills = [] {
        auto* catalogue = new SkillCatalogue;
        catalogue->addTree(
            SkillTree{1, utf8ToCp932Lossy("攻撃"), {{1, 10, utf8ToCp932Lossy("攻撃力UP【小】")}, {1, -10, "DOWN"}}});
        catalogue->addTree(SkillTree{12, "Guard", {{12, 10, "Guard+1"}, {12, 15, "Guard+2"}}});
        return catalogue;
    }();
    return *skills;
}

bool sameEntries(const FavoriteSkillSet& a, const FavoriteSkillSet& b)
{
    if (a.entries.size() != b.entries.size())
        return false;
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        const FavoriteSkillEntry& x = a.entries[i];
        const FavoriteSkillEntry& y = b.entries[i];
        if (x.treeId != y.treeId || x.threshold != y.threshold || x.useCount != y.useCount || x.name != y.name)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const SkillCatalogue& skills = skillCatalogue();
    const UserFolder folder(fuzz::scratchFolder() / "user");
    static const bool prepared = [&folder] {
        std::filesystem::create_directories(folder.root());
        return true;
    }();
    (void)prepared;

    fuzz::writeInput(folder.startupFile(), data, size);
    StartupSettings settings;
    settings.load(folder, skills);
    const auto lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    for (int job = 1; job <= 2; ++job) {
        const auto& entries = settings.favoriteSkills(job).entries;
        ZEKU_FUZZ_CHECK(entries.size() <= lines);
        ZEKU_FUZZ_CHECK(settings.filterSkills(job).size() <= lines);
        ZEKU_FUZZ_CHECK(std::is_sorted(entries.begin(), entries.end(), favoriteOrderBefore));
        for (const FavoriteSkillEntry& entry : entries)
            ZEKU_FUZZ_CHECK(entry.name == skills.activatedSkillName(entry.treeId, entry.threshold));
    }

    ZEKU_FUZZ_CHECK(settings.save(folder));
    StartupSettings again;
    again.load(folder, skills);
    fuzz::removeInput(folder.startupFile());
    for (int job = 1; job <= 2; ++job) {
        ZEKU_FUZZ_CHECK(sameEntries(settings.favoriteSkills(job), again.favoriteSkills(job)));
        ZEKU_FUZZ_CHECK(settings.filterSkills(job) == again.filterSkills(job));
    }
    return 0;
}
