#pragma once
// One stored search result, compact and of fixed size: what identifies the set
// (weapon-slot item, the five pieces, the jewels of each holder in placing
// order) and the numbers the result list shows and sorts on. A million of them
// take about 100 MB; the full set with its skill totals is built from the
// record, by the store, only for whoever shows or writes it.

#include "data/EquipCatalogue.h"

#include <array>
#include <cstdint>

namespace zeku {

struct ResultRecord {
    // Holders in record order: the weapon, then head to leg.
    static constexpr int kHolders = kHolderCount;
    // Jewels of all holders together. Six holders of at most three slots
    // each take 18; a set that needs more is kept whole by the store.
    static constexpr int kMaxJewels = 18;

    const WeaponSlotItem* weapon = nullptr;
    std::array<const EquipItem*, kPartCount> pieces{};
    std::array<uint16_t, kMaxJewels> jewels{}; // numbers in the store's jewel table, holder after holder
    std::array<uint8_t, kHolders> jewelCounts{};
    uint16_t defence = 0;
    uint16_t slots = 0;
    uint16_t used = 0;
    uint16_t free = 0;
    uint16_t skillCount = 0; // activated skills
    // 0 for a set the record describes; else 1 + the index of the whole set
    // the store keeps instead.
    uint32_t wholeIndexPlusOne = 0;

    bool keptWhole() const { return wholeIndexPlusOne != 0; }
};

static_assert(sizeof(ResultRecord) <= 104, "a result record stays small: a million of them must fit in 100 MB");

} // namespace zeku
