#include "userfiles/ItemNumberTable.h"

#include "platform/LenientNumber.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace zeku {

const WeaponSlotItem* findWeaponSlotItem(const MasterData& master, const std::string& name)
{
    for (const WeaponSlotItem& item : master.weaponSlots().items())
        if (item.name == name)
            return &item;
    return nullptr;
}

const Jewel* findJewelByName(const MasterData& master, const std::string& name)
{
    for (const Jewel& jewel : master.jewels().items())
        if (jewel.name == name)
            return &jewel;
    return nullptr;
}

const EquipItem* findPieceByName(const MasterData& master, int part, const std::string& name, uint16_t sex)
{
    for (const EquipItem& piece : master.equip(part).items())
        if (piece.name == name && (sex == 0 || piece.sex == sex))
            return &piece;
    return nullptr;
}

NameRanks::NameRanks(const MasterData& master) : m_master(master)
{
    // Rank of each item among the earlier items of the same key, then whether the key repeats.
    auto rankAll = [](const auto& items, auto keyOf, std::vector<Rank>& ranks, bool Rank::*repeated) {
        std::map<decltype(keyOf(items.front())), std::vector<std::size_t>> byKey;
        for (std::size_t i = 0; i < items.size(); ++i)
            byKey[keyOf(items[i])].push_back(i);
        for (const auto& [key, positions] : byKey) {
            for (std::size_t r = 0; r < positions.size(); ++r) {
                ranks[positions[r]].rank = static_cast<uint16_t>(std::min<std::size_t>(r, 0xFFFF));
                ranks[positions[r]].*repeated = positions.size() > 1;
            }
        }
    };
    for (int part = 0; part < kPartCount; ++part) {
        const std::vector<EquipItem>& items = master.equip(part).items();
        m_pieces[part].resize(items.size());
        if (items.empty())
            continue;
        rankAll(
            items, [](const EquipItem& p) { return std::make_pair(p.name, p.sex); }, m_pieces[part],
            &Rank::repeatedWithSex);
        std::vector<Rank> byName(items.size());
        rankAll(
            items, [](const EquipItem& p) { return p.name; }, byName, &Rank::repeatedName);
        for (std::size_t i = 0; i < items.size(); ++i)
            m_pieces[part][i].repeatedName = byName[i].repeatedName;
    }
    const std::vector<Jewel>& jewels = master.jewels().items();
    m_jewels.resize(jewels.size());
    if (!jewels.empty())
        rankAll(
            jewels, [](const Jewel& j) { return j.name; }, m_jewels, &Rank::repeatedName);
}

template <typename T>
const NameRanks::Rank* NameRanks::rankOf(const std::vector<T>& items, const std::vector<Rank>& ranks, const T* item)
{
    if (items.empty() || item < items.data() || item >= items.data() + items.size())
        return nullptr;
    return &ranks[static_cast<std::size_t>(item - items.data())];
}

std::optional<uint16_t> NameRanks::piece(int part, const EquipItem* piece) const
{
    const Rank* r = rankOf(m_master.equip(part).items(), m_pieces[part], piece);
    return r && r->repeatedWithSex ? std::optional<uint16_t>(r->rank) : std::nullopt;
}

std::optional<uint16_t> NameRanks::storedPieceRank(int part, const EquipItem* piece) const
{
    const Rank* r = rankOf(m_master.equip(part).items(), m_pieces[part], piece);
    if (!r || !r->repeatedName || findPieceByName(m_master, part, piece->name, piece->sex) == piece)
        return std::nullopt;
    return r->rank;
}

std::optional<uint16_t> NameRanks::storedJewelRank(const Jewel* jewel) const
{
    const Rank* r = rankOf(m_master.jewels().items(), m_jewels, jewel);
    return r && r->rank > 0 ? std::optional<uint16_t>(r->rank) : std::nullopt;
}

std::optional<uint16_t> NameRanks::jewel(const Jewel* jewel) const
{
    const Rank* r = rankOf(m_master.jewels().items(), m_jewels, jewel);
    return r && r->repeatedName ? std::optional<uint16_t>(r->rank) : std::nullopt;
}

const Jewel* findJewelByRank(const MasterData& master, const std::string& name, uint16_t rank)
{
    for (const Jewel& jewel : master.jewels().items())
        if (jewel.name == name && rank-- == 0)
            return &jewel;
    return nullptr;
}

const EquipItem* findPieceByRank(const MasterData& master, int part, const std::string& name, uint16_t sex,
                                 uint16_t rank)
{
    for (const EquipItem& piece : master.equip(part).items())
        if (piece.name == name && piece.sex == sex && rank-- == 0)
            return &piece;
    return nullptr;
}

template <typename T>
void ItemNumberTable::placeAt(Kind<T>& kind, uint16_t number, const T* record)
{
    if (number >= kind.atNumber.size())
        kind.atNumber.resize(static_cast<std::size_t>(number) + 1, nullptr);
    kind.atNumber[number] = record;
}

template <typename T>
uint16_t ItemNumberTable::numberOf(Kind<T>& kind, const T* record)
{
    auto it = kind.byRecord.find(record);
    if (it != kind.byRecord.end())
        return it->second;
    if (m_next > 0xFFFF)
        throw std::length_error("item numbers exhausted");
    const auto number = static_cast<uint16_t>(m_next++);
    kind.byRecord.emplace(record, number);
    kind.byNumber.emplace(number, record);
    placeAt(kind, number, record);
    return number;
}

template <typename T>
void ItemNumberTable::enter(Kind<T>& kind, uint16_t number, const T* record)
{
    if (kind.byNumber.emplace(number, record).second) {
        kind.byRecord.emplace(record, number);
        placeAt(kind, number, record);
    }
    if (number >= m_next)
        m_next = static_cast<uint32_t>(number) + 1;
}

uint16_t ItemNumberTable::numberWeapon(const WeaponSlotItem* record)
{
    return numberOf(m_weapons, record);
}

uint16_t ItemNumberTable::numberPiece(int part, const EquipItem* record)
{
    return numberOf(m_pieces[part], record);
}

uint16_t ItemNumberTable::numberJewel(const Jewel* record)
{
    return numberOf(m_jewels, record);
}

void ItemNumberTable::enterWeapon(uint16_t number, const WeaponSlotItem* record)
{
    enter(m_weapons, number, record);
}

void ItemNumberTable::enterPiece(int part, uint16_t number, const EquipItem* record)
{
    enter(m_pieces[part], number, record);
}

void ItemNumberTable::enterJewel(uint16_t number, const Jewel* record)
{
    enter(m_jewels, number, record);
}

std::size_t ItemNumberTable::size() const
{
    std::size_t total = m_weapons.byNumber.size() + m_jewels.byNumber.size();
    for (const auto& kind : m_pieces)
        total += kind.byNumber.size();
    return total;
}

void ItemNumberTable::clear()
{
    m_weapons = {};
    for (auto& kind : m_pieces)
        kind = {};
    m_jewels = {};
    m_next = 1;
}

NumberedCombination NumberedCombination::fromSet(const EquipSet& set, ItemNumberTable& table)
{
    NumberedCombination combination;
    if (set.weapon()) {
        NumberedEntry& entry = combination.entries[0];
        entry.item = table.numberWeapon(set.weapon());
        for (const Jewel* jewel : set.weaponSlots().jewels)
            entry.jewels.push_back(table.numberJewel(jewel));
    }
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = set.piece(part);
        if (!piece)
            continue;
        NumberedEntry& entry = combination.entries[static_cast<std::size_t>(part) + 1];
        entry.item = table.numberPiece(part, piece);
        for (const Jewel* jewel : set.pieceSlots(part).jewels)
            entry.jewels.push_back(table.numberJewel(jewel));
    }
    return combination;
}

std::string NumberedCombination::notation() const
{
    std::string text;
    for (const NumberedEntry& entry : entries) {
        if (!text.empty())
            text += ',';
        text += std::to_string(entry.item);
        text += ',';
        text += std::to_string(entry.jewels.size());
        for (uint16_t jewel : entry.jewels) {
            text += ',';
            text += std::to_string(jewel);
        }
    }
    return text;
}

NumberedCombination NumberedCombination::fromFields(const std::vector<std::string>& fields)
{
    NumberedCombination combination;
    std::size_t pos = 0;
    std::size_t group = 0;
    while (fields.size() - pos >= 2) {
        uint16_t item = parseLenientUInt16(fields[pos]);
        int32_t count = parseLenientInt(fields[pos + 1]);
        pos += 2;
        std::size_t jewelCount = count > 0 ? static_cast<std::size_t>(count) : 0;
        if (fields.size() - pos < jewelCount)
            break;
        if (group < combination.entries.size()) {
            NumberedEntry& entry = combination.entries[group];
            entry.item = item;
            for (std::size_t i = 0; i < jewelCount; ++i)
                entry.jewels.push_back(parseLenientUInt16(fields[pos + i]));
        }
        pos += jewelCount;
        ++group;
    }
    return combination;
}

bool NumberedCombination::resolve(const ItemNumberTable& table, EquipSet& target) const
{
    target.clear();
    const NumberedEntry& weaponEntry = entries[0];
    if (weaponEntry.item != 0) {
        const WeaponSlotItem* weapon = table.weapon(weaponEntry.item);
        if (!weapon)
            return false;
        target.setWeapon(weapon);
        for (uint16_t number : weaponEntry.jewels) {
            const Jewel* jewel = table.jewel(number);
            if (!jewel)
                return false;
            target.addWeaponJewels({jewel});
        }
    }
    for (int part = 0; part < kPartCount; ++part) {
        const NumberedEntry& entry = entries[static_cast<std::size_t>(part) + 1];
        if (entry.item == 0)
            continue;
        const EquipItem* piece = table.piece(part, entry.item);
        if (!piece)
            return false;
        target.setPiece(part, piece);
        for (uint16_t number : entry.jewels) {
            const Jewel* jewel = table.jewel(number);
            if (!jewel)
                return false;
            target.addPieceJewels(part, {jewel});
        }
    }
    return true;
}

} // namespace zeku
