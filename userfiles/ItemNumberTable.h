#pragma once
// The item dictionary of one stored search, and the combination written in it.
//
// A history file names every item once, in its [DataBase] section, under a
// number; combinations then refer to items by number. Seven kinds share one
// counter: 0 weapon-slot items, 1 to 5 the armour parts head to leg (part + 1),
// 6 jewels. Numbers start at 1, are handed out in order of first use and are
// unique across the table; 0 means "no item".

#include "data/MasterData.h"
#include "search/EquipSet.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeku {

constexpr int kWeaponKind = 0;
constexpr int kJewelKind = 6;
constexpr int kItemKindCount = 7;

// Catalogue look-ups by exact name, as the stored files need them.
const WeaponSlotItem* findWeaponSlotItem(const MasterData& master, const std::string& name);
const Jewel* findJewelByName(const MasterData& master, const std::string& name);
// The first piece of `part` named `name` whose sex value equals `sex`; a stored
// sex of 0 accepts any piece of that name.
const EquipItem* findPieceByName(const MasterData& master, int part, const std::string& name, uint16_t sex);

// Catalogue items that share a name are told apart by their rank: the 0-based
// position among the catalogue's items of that name (pieces: of that part,
// name and exact sex value), in catalogue order. Files and lines that name
// items by name carry the rank only for such items, so a catalogue without
// repeats keeps today's bytes.
class NameRanks {
public:
    // `master` must outlive the ranks.
    explicit NameRanks(const MasterData& master);

    // The rank of `piece` when another piece of its part has its name and sex
    // value; nullopt for a unique piece or one outside the catalogue.
    std::optional<uint16_t> piece(int part, const EquipItem* piece) const;
    // The rank of `jewel` when another jewel has its name.
    std::optional<uint16_t> jewel(const Jewel* jewel) const;
    // The rank a stored name needs: only when the look-up by name
    // (findPieceByName, findJewelByName) finds another item first.
    std::optional<uint16_t> storedPieceRank(int part, const EquipItem* piece) const;
    std::optional<uint16_t> storedJewelRank(const Jewel* jewel) const;

private:
    struct Rank {
        uint16_t rank = 0;
        bool repeatedWithSex = false; // another piece of the same name and sex value
        bool repeatedName = false; // another item of the same name
    };
    template <typename T>
    static const Rank* rankOf(const std::vector<T>& items, const std::vector<Rank>& ranks, const T* item);

    const MasterData& m_master;
    std::vector<Rank> m_pieces[kPartCount];
    std::vector<Rank> m_jewels;
};

// The jewel of rank `rank` among those named `name`; nullptr when there is none.
const Jewel* findJewelByRank(const MasterData& master, const std::string& name, uint16_t rank);
// The piece of rank `rank` among those of `part` named `name` with sex value `sex`.
const EquipItem* findPieceByRank(const MasterData& master, int part, const std::string& name, uint16_t sex,
                                 uint16_t rank);

class ItemNumberTable {
public:
    // Number of `record` in its kind, assigned from the counter on first use.
    // Throws std::length_error when the 16-bit numbers run out.
    uint16_t numberWeapon(const WeaponSlotItem* record);
    uint16_t numberPiece(int part, const EquipItem* record);
    uint16_t numberJewel(const Jewel* record);

    // Enters `record` under `number` as read from a file; a number already
    // present keeps its first record. The counter moves past `number`.
    void enterWeapon(uint16_t number, const WeaponSlotItem* record);
    void enterPiece(int part, uint16_t number, const EquipItem* record);
    void enterJewel(uint16_t number, const Jewel* record);

    // Records by number; nullptr when the table does not hold the number.
    const WeaponSlotItem* weapon(uint16_t number) const { return find(m_weapons, number); }
    const EquipItem* piece(int part, uint16_t number) const { return find(m_pieces[part], number); }
    const Jewel* jewel(uint16_t number) const { return find(m_jewels, number); }

    // Entries of a kind in number order.
    const std::map<uint16_t, const WeaponSlotItem*>& weapons() const { return m_weapons.byNumber; }
    const std::map<uint16_t, const EquipItem*>& pieces(int part) const { return m_pieces[part].byNumber; }
    const std::map<uint16_t, const Jewel*>& jewels() const { return m_jewels.byNumber; }

    // Entries of all seven kinds together.
    std::size_t size() const;
    void clear();

private:
    template <typename T>
    struct Kind {
        std::map<uint16_t, const T*> byNumber;
        std::unordered_map<const T*, uint16_t> byRecord;
        // byNumber again, indexed by number: restoring a million records looks
        // numbers up several million times.
        std::vector<const T*> atNumber;
    };

    template <typename T>
    uint16_t numberOf(Kind<T>& kind, const T* record);
    template <typename T>
    void enter(Kind<T>& kind, uint16_t number, const T* record);
    template <typename T>
    static void placeAt(Kind<T>& kind, uint16_t number, const T* record);
    template <typename T>
    static const T* find(const Kind<T>& kind, uint16_t number)
    {
        return number < kind.atNumber.size() ? kind.atNumber[number] : nullptr;
    }

    Kind<WeaponSlotItem> m_weapons;
    std::array<Kind<EquipItem>, kPartCount> m_pieces;
    Kind<Jewel> m_jewels;
    uint32_t m_next = 1;
};

// One holder of a combination in numbers: item (0 when empty) and its jewels.
struct NumberedEntry {
    uint16_t item = 0;
    std::vector<uint16_t> jewels;
};

// A combination in item numbers: weapon, then head, body, arm, waist, leg.
struct NumberedCombination {
    std::array<NumberedEntry, 1 + kPartCount> entries;

    // Numbers `set` into `table`: weapon, its jewels, then each piece and its jewels.
    static NumberedCombination fromSet(const EquipSet& set, ItemNumberTable& table);
    // The combination notation: "item,count[,jewel...]" for the six entries, joined by ",".
    std::string notation() const;
    // Reads the notation from parsed fields; groups beyond the sixth are ignored,
    // a group whose jewels run past the end stops the reading.
    static NumberedCombination fromFields(const std::vector<std::string>& fields);
    // Rebuilds `target` from the numbers; false at the first number the table
    // does not hold (what was set before stays set).
    bool resolve(const ItemNumberTable& table, EquipSet& target) const;
};

} // namespace zeku
