#include "FuzzSupport.h"

#include "platform/Cp932.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace zeku::fuzz {
namespace {

class ScratchFolder {
public:
    ScratchFolder() : m_path(std::filesystem::temp_directory_path() / ("zeku_fuzz_" + std::to_string(::getpid())))
    {
        std::error_code ec;
        std::filesystem::create_directories(m_path, ec);
        if (ec)
            invariantFailed(("cannot create " + m_path.string()).c_str(), __FILE__, __LINE__);
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void addPiece(MasterData& master, PartKind part, const char* utf8Name, uint16_t sex)
{
    EquipItem item;
    item.name = utf8ToCp932Lossy(utf8Name);
    item.sex = sex;
    master.mutableEquip(part).addItem(item);
}

MasterData* buildListCatalogue()
{
    auto* master = new MasterData;
    addPiece(*master, PartHead, "ABC", 0);
    addPiece(*master, PartHead, "ABCD", 1);
    addPiece(*master, PartHead, "ABCD", 2);
    addPiece(*master, PartHead, "ソウル", 0);
    addPiece(*master, PartHead, "ソウルヘルム", 2);
    addPiece(*master, PartBody, "Plate", 0);
    addPiece(*master, PartBody, "表メイル", 1);
    addPiece(*master, PartArm, "能力アーム", 0);
    addPiece(*master, PartWaist, "Belt", 65535);
    addPiece(*master, PartLeg, "[Jewel]Greaves", 0);
    addPiece(*master, PartLeg, "Leg", 1);
    // Names told apart only by their rank ([NameRank] in a history file).
    addPiece(*master, PartLeg, "Leg", 1);
    addPiece(*master, PartHead, "ABC", 1);
    for (const char* name : {"表珠", "表珠改", "防御珠", "Version", "表珠"}) {
        Jewel jewel;
        jewel.name = utf8ToCp932Lossy(name);
        master->mutableJewels().addItem(jewel);
    }
    return master;
}

} // namespace

const std::filesystem::path& scratchFolder()
{
    static ScratchFolder folder;
    return folder.path();
}

void writeInput(const std::filesystem::path& file, const uint8_t* data, std::size_t size)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out)
        invariantFailed(("cannot write " + file.string()).c_str(), __FILE__, __LINE__);
}

void removeInput(const std::filesystem::path& file)
{
    std::error_code ec;
    std::filesystem::remove(file, ec);
}

const MasterData& listCatalogue()
{
    // Built once and never destroyed: the readers keep pointers into it.
    static const MasterData* master = buildListCatalogue();
    return *master;
}

namespace {

template <typename T>
bool within(const T* record, const std::vector<T>& items)
{
    return record >= items.data() && record < items.data() + items.size();
}

} // namespace

void checkSetBelongsTo(const EquipSet& set, const MasterData& master)
{
    const std::vector<Jewel>& jewels = master.jewels().items();
    ZEKU_FUZZ_CHECK(!set.weapon() || within(set.weapon(), master.weaponSlots().items()));
    for (const Jewel* jewel : set.weaponSlots().jewels)
        ZEKU_FUZZ_CHECK(within(jewel, jewels));
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = set.piece(part);
        ZEKU_FUZZ_CHECK(!piece || (within(piece, master.equip(part).items()) && piece->part == part));
        for (const Jewel* jewel : set.pieceSlots(part).jewels)
            ZEKU_FUZZ_CHECK(within(jewel, jewels));
    }
}

void checkPiecesBelongTo(const SPartSet& set, const MasterData& master)
{
    for (int part = 0; part < kPartCount; ++part) {
        const std::vector<EquipItem>& items = master.equip(part).items();
        for (const auto& [key, piece] : set.pieces(static_cast<PartKind>(part))) {
            ZEKU_FUZZ_CHECK(piece >= items.data() && piece < items.data() + items.size());
            ZEKU_FUZZ_CHECK(piece->part == part);
            ZEKU_FUZZ_CHECK(key == itemKey(*piece));
        }
    }
}

void invariantFailed(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant failed: %s\n", file, line, what);
    std::abort();
}

} // namespace zeku::fuzz
