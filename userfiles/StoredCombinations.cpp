#include "userfiles/StoredCombinations.h"

#include "platform/LenientNumber.h"

namespace zeku {

void StoredCombinations::appendFields(const std::vector<std::string>& fields)
{
    // Reserve both arrays before changing either, so that running out of
    // memory leaves the combinations read so far as they were.
    if (m_ends.size() == m_ends.capacity())
        m_ends.reserve(m_ends.size() * 2 + 1024);
    if (m_numbers.capacity() - m_numbers.size() < fields.size())
        m_numbers.reserve(m_numbers.capacity() * 2 + fields.size() + 16 * 1024);
    for (const std::string& field : fields)
        m_numbers.push_back(parseLenientUInt16(field));
    m_ends.push_back(m_numbers.size());
}

NumberedCombination StoredCombinations::operator[](std::size_t index) const
{
    NumberedCombination combination;
    const uint16_t* number = begin(index);
    for (NumberedEntry& entry : combination.entries) {
        entry.item = number[0];
        entry.jewels.assign(number + 2, number + 2 + number[1]);
        number += 2 + number[1];
    }
    return combination;
}

bool StoredCombinations::resolve(std::size_t index, const ItemNumberTable& table, EquipSet& target) const
{
    target.clear();
    const uint16_t* number = begin(index);
    // The weapon-slot item, then the five pieces, each followed by its jewels.
    for (int holder = 0; holder < 1 + kPartCount; ++holder) {
        const uint16_t item = number[0];
        const uint16_t* jewels = number + 2;
        const uint16_t* end = jewels + number[1];
        number = end;
        if (item == 0)
            continue;
        const int part = holder - 1;
        if (holder == 0) {
            const WeaponSlotItem* weapon = table.weapon(item);
            if (!weapon)
                return false;
            target.setWeapon(weapon);
        } else {
            const EquipItem* piece = table.piece(part, item);
            if (!piece)
                return false;
            target.setPiece(part, piece);
        }
        for (; jewels != end; ++jewels) {
            const Jewel* jewel = table.jewel(*jewels);
            if (!jewel)
                return false;
            if (holder == 0)
                target.addWeaponJewel(jewel);
            else
                target.addPieceJewel(part, jewel);
        }
    }
    return true;
}

} // namespace zeku
