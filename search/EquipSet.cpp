#include "search/EquipSet.h"

namespace zeku {

void SkillTotals::add(const SkillPoint& p)
{
    int16_t& value = m_values[p.treeId];
    value = static_cast<int16_t>(static_cast<uint16_t>(value) + static_cast<uint16_t>(p.points));
    m_changed = true;
}

void SkillTotals::subtract(const SkillPoint& p)
{
    auto it = m_values.find(p.treeId);
    if (it == m_values.end())
        return;
    it->second = static_cast<int16_t>(static_cast<uint16_t>(it->second) - static_cast<uint16_t>(p.points));
    m_changed = true;
}

void SkillTotals::clear()
{
    m_values.clear();
    m_changed = true;
}

int16_t SkillTotals::valueOf(uint16_t treeId) const
{
    auto it = m_values.find(treeId);
    return it == m_values.end() ? 0 : it->second;
}

void EquipSet::clear()
{
    m_weapon = nullptr;
    m_weaponSlots = JewelSlots{};
    m_pieces.fill(nullptr);
    for (JewelSlots& slots : m_pieceSlots)
        slots = JewelSlots{};
    m_activatedSkillCount = 0;
    m_totals.clear();
}

void EquipSet::subtractJewels(const JewelSlots& slots)
{
    for (const Jewel* jewel : slots.jewels)
        for (const SkillPoint& p : jewel->skills)
            m_totals.subtract(p);
}

bool EquipSet::addJewels(JewelSlots& slots, const Jewel* const* jewels, std::size_t count)
{
    const Jewel* const* end = jewels + count;
    unsigned needed = 0;
    for (const Jewel* const* jewel = jewels; jewel != end; ++jewel)
        needed += (*jewel)->slots;
    if (slots.freeSlots() < needed)
        return false;
    for (const Jewel* const* next = jewels; next != end; ++next) {
        const Jewel* jewel = *next;
        if (jewel->slots > slots.freeSlots())
            continue;
        slots.jewels.push_back(jewel);
        slots.used = static_cast<uint16_t>(slots.used + jewel->slots);
        for (const SkillPoint& p : jewel->skills)
            m_totals.add(p);
    }
    return true;
}

void EquipSet::setWeapon(const WeaponSlotItem* weapon)
{
    subtractJewels(m_weaponSlots);
    m_weaponSlots.clear();
    m_weapon = weapon;
    m_weaponSlots.capacity = weapon ? weapon->slots : 0;
}

bool EquipSet::addWeaponJewels(const std::vector<const Jewel*>& jewels)
{
    return addJewels(m_weaponSlots, jewels.data(), jewels.size());
}

void EquipSet::setPiece(int part, const EquipItem* piece)
{
    if (const EquipItem* old = m_pieces[part]) {
        for (const SkillPoint& p : old->skills)
            m_totals.subtract(p);
    }
    subtractJewels(m_pieceSlots[part]);
    m_pieceSlots[part].clear();
    m_pieces[part] = piece;
    m_pieceSlots[part].capacity = piece ? piece->slots : 0;
    if (piece) {
        for (const SkillPoint& p : piece->skills)
            m_totals.add(p);
    }
}

bool EquipSet::addPieceJewels(int part, const std::vector<const Jewel*>& jewels)
{
    return addJewels(m_pieceSlots[part], jewels.data(), jewels.size());
}

void EquipSet::copyFrom(const EquipSet& source)
{
    if (this == &source)
        return;
    clear();
    setWeapon(source.m_weapon);
    addWeaponJewels(source.m_weaponSlots.jewels);
    for (int part = 0; part < kPartCount; ++part) {
        setPiece(part, source.m_pieces[part]);
        addPieceJewels(part, source.m_pieceSlots[part].jewels);
    }
}

uint16_t EquipSet::totalDefence() const
{
    uint16_t sum = 0;
    for (const EquipItem* piece : m_pieces)
        if (piece)
            sum = static_cast<uint16_t>(sum + piece->defence);
    return sum;
}

uint16_t EquipSet::totalSlots() const
{
    uint16_t sum = m_weapon ? m_weaponSlots.capacity : 0;
    for (int part = 0; part < kPartCount; ++part)
        if (m_pieces[part])
            sum = static_cast<uint16_t>(sum + m_pieceSlots[part].capacity);
    return sum;
}

uint16_t EquipSet::usedSlots() const
{
    uint16_t sum = m_weapon ? m_weaponSlots.used : 0;
    for (int part = 0; part < kPartCount; ++part)
        if (m_pieces[part])
            sum = static_cast<uint16_t>(sum + m_pieceSlots[part].used);
    return sum;
}

uint16_t EquipSet::freeSlots() const
{
    uint16_t sum = m_weapon ? m_weaponSlots.freeSlots() : 0;
    for (int part = 0; part < kPartCount; ++part)
        if (m_pieces[part])
            sum = static_cast<uint16_t>(sum + m_pieceSlots[part].freeSlots());
    return sum;
}

uint16_t EquipSet::activatedSkillCount(const SkillCatalogue& skills) const
{
    if (m_totals.changed()) {
        m_activatedSkillCount = static_cast<uint16_t>(skills.countActivatedSkills(m_totals.values()));
        m_totals.clearChanged();
    }
    return m_activatedSkillCount;
}

} // namespace zeku
