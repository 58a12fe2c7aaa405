#include "search/SearchResultStore.h"

#include "platform/AllocationProbe.h"

#include <new>

namespace zeku {

namespace {

const JewelSlots& holderSlots(const EquipSet& set, int holder)
{
    return holder == 0 ? set.weaponSlots() : set.pieceSlots(holder - 1);
}

} // namespace

bool SearchResultStore::numberJewel(const Jewel* jewel, uint16_t& number)
{
    // Results repeat the same few jewels: most look-ups hit the last one.
    if (jewel == m_lastJewel) {
        number = m_lastNumber;
        return true;
    }
    auto it = m_jewelNumbers.find(jewel);
    if (it == m_jewelNumbers.end()) {
        if (m_jewels.size() > 0xFFFF)
            return false;
        m_jewels.push_back(jewel);
        it = m_jewelNumbers.emplace(jewel, static_cast<uint16_t>(m_jewels.size() - 1)).first;
    }
    m_lastJewel = jewel;
    m_lastNumber = it->second;
    number = it->second;
    return true;
}

ResultRecord& SearchResultStore::nextSlot()
{
    const auto inBlock = static_cast<std::size_t>(m_count % m_blockSize);
    if (inBlock == 0 && static_cast<std::size_t>(m_count / m_blockSize) == m_blocks.size()) {
        allocationProbe();
        if (m_blocks.size() >= m_blockLimit)
            throw std::bad_alloc();
        m_blocks.reserve(m_blocks.size() + 1);
        m_blocks.push_back(std::make_unique<ResultRecord[]>(static_cast<std::size_t>(m_blockSize)));
    }
    return m_blocks.back()[inBlock];
}

void SearchResultStore::append(const EquipSet& set, const SkillCatalogue& skills)
{
    ResultRecord record;
    record.weapon = set.weapon();
    for (int part = 0; part < kPartCount; ++part)
        record.pieces[static_cast<std::size_t>(part)] = set.piece(part);
    bool fits = true;
    std::size_t next = 0;
    for (int holder = 0; holder < ResultRecord::kHolders && fits; ++holder) {
        const std::vector<const Jewel*>& jewels = holderSlots(set, holder).jewels;
        if (jewels.size() > ResultRecord::kMaxJewels - next) {
            fits = false;
            break;
        }
        for (const Jewel* jewel : jewels)
            fits = fits && numberJewel(jewel, record.jewels[next++]);
        record.jewelCounts[static_cast<std::size_t>(holder)] = static_cast<uint8_t>(jewels.size());
    }
    record.defence = set.totalDefence();
    record.slots = set.totalSlots();
    record.used = set.usedSlots();
    record.free = set.freeSlots();
    record.skillCount = set.activatedSkillCount(skills);
    if (!fits) {
        m_wholeSets.reserve(m_wholeSets.size() + 1);
        m_wholeSets.push_back(std::make_unique<EquipSet>(set));
        record.wholeIndexPlusOne = static_cast<uint32_t>(m_wholeSets.size());
    }
    ResultRecord& slot = nextSlot();
    slot = record;
    ++m_count;
}

void SearchResultStore::buildSet(const ResultRecord& record, EquipSet& out) const
{
    if (record.keptWhole()) {
        out = *m_wholeSets[record.wholeIndexPlusOne - 1];
        return;
    }
    // The same steps, in the same order, as the copy the search used to keep,
    // so the totals come out entry for entry the same.
    out.clear();
    std::vector<const Jewel*> jewels;
    std::size_t next = 0;
    auto holderJewels = [&](int holder) -> const std::vector<const Jewel*>& {
        jewels.clear();
        for (uint8_t i = 0; i < record.jewelCounts[static_cast<std::size_t>(holder)]; ++i)
            jewels.push_back(m_jewels[record.jewels[next++]]);
        return jewels;
    };
    out.setWeapon(record.weapon);
    out.addWeaponJewels(holderJewels(0));
    for (int part = 0; part < kPartCount; ++part) {
        out.setPiece(part, record.pieces[static_cast<std::size_t>(part)]);
        out.addPieceJewels(part, holderJewels(part + 1));
    }
}

EquipSet SearchResultStore::fullSet(int32_t index) const
{
    EquipSet set;
    buildSet(record(index), set);
    return set;
}

} // namespace zeku
