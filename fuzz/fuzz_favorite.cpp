// A favourite file from arbitrary bytes, reached through a fixed favourites
// index. The loaded set may hold only catalogue records; every name it could
// not find is listed, and the missing flag says so. A file without each of its
// keys exactly once is refused.

#include "FuzzSupport.h"

#include "platform/Cp932.h"
#include "userfiles/Favorites.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

using namespace zeku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const MasterData& master = fuzz::listCatalogue();
    const UserFolder folder(fuzz::scratchFolder() / "user");
    static const bool prepared = [&folder] {
        std::filesystem::create_directories(folder.favoriteFolder());
        const std::string index = "Version=0.047\r\n\r\nfuzz=1,1,user\\Favorite\\input.dat,c\r\n";
        fuzz::writeInput(folder.favoriteFolder() / "index.dat", reinterpret_cast<const uint8_t*>(index.data()),
                         index.size());
        return true;
    }();
    (void)prepared;
    const std::filesystem::path file = folder.favoriteFolder() / "input.dat";
    fuzz::writeInput(file, data, size);
    std::unique_ptr<FavoriteSet> favorite = loadFavorite(folder, master, 0);
    fuzz::removeInput(file);

    // A file is refused as damaged exactly when one of its eight keys is
    // missing or comes twice (inputs stay far below the line-length limit).
    const char* const keys[] = {"Sex", "Job", "Weapon", "Head", "Body", "Arm", "Waist", "Leg"};
    int counts[8] = {};
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t lf = std::min(text.find('\n'), text.size());
        const std::string_view line = trimCp932(text.substr(0, lf));
        text.remove_prefix(std::min(lf + 1, text.size()));
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        const std::string_view key = line.substr(0, line.find('='));
        for (int k = 0; k < 8; ++k)
            counts[k] += key == keys[k] ? 1 : 0;
    }
    const bool eachOnce = std::all_of(std::begin(counts), std::end(counts), [](int n) { return n == 1; });
    ZEKU_FUZZ_CHECK((favorite != nullptr) == eachOnce);
    if (!favorite)
        return 0;
    ZEKU_FUZZ_CHECK(favorite->title == "fuzz" && favorite->comment == "c");
    ZEKU_FUZZ_CHECK(favorite->missing == !favorite->missingNames.empty());
    const EquipSet& set = favorite->equipment;
    const std::vector<Jewel>& jewels = master.jewels().items();
    auto isJewel = [&jewels](const Jewel* j) { return j >= jewels.data() && j < jewels.data() + jewels.size(); };
    if (set.weapon()) {
        const auto& weapons = master.weaponSlots().items();
        ZEKU_FUZZ_CHECK(set.weapon() >= weapons.data() && set.weapon() < weapons.data() + weapons.size());
    }
    ZEKU_FUZZ_CHECK(std::all_of(set.weaponSlots().jewels.begin(), set.weaponSlots().jewels.end(), isJewel));
    ZEKU_FUZZ_CHECK(set.weaponSlots().used <= set.weaponSlots().capacity);
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = set.piece(part);
        const std::vector<EquipItem>& items = master.equip(part).items();
        ZEKU_FUZZ_CHECK(!piece || (piece >= items.data() && piece < items.data() + items.size()));
        const JewelSlots& slots = set.pieceSlots(part);
        ZEKU_FUZZ_CHECK(std::all_of(slots.jewels.begin(), slots.jewels.end(), isJewel));
        ZEKU_FUZZ_CHECK(slots.used <= slots.capacity);
    }
    return 0;
}
