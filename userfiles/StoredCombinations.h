#pragma once
// The record lines of one stored search, kept flat: every combination is the
// numbers of its notation (item, jewel count, jewels, for each of the six
// holders) in one shared array, found through its end offset. A search of a
// million records then costs a few tens of megabytes and no allocation per
// record, where one vector per holder cost hundreds.

#include "search/EquipSet.h"
#include "userfiles/ItemNumberTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zeku {

class StoredCombinations {
public:
    // Appends the combination of a record line whose fields passed
    // isWellFormedNotation. Throws std::bad_alloc when memory runs out.
    void appendFields(const std::vector<std::string>& fields);

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    // Combination `index` as a NumberedCombination (for checks and tests).
    NumberedCombination operator[](std::size_t index) const;
    // Rebuilds combination `index` into `target`, as NumberedCombination::resolve
    // does.
    bool resolve(std::size_t index, const ItemNumberTable& table, EquipSet& target) const;

private:
    const uint16_t* begin(std::size_t index) const { return m_numbers.data() + (index ? m_ends[index - 1] : 0); }

    std::vector<uint16_t> m_numbers;
    std::vector<std::size_t> m_ends;
};

} // namespace zeku
