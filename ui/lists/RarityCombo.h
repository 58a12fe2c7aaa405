#pragma once
// The rarity filter choices every rarity drop-down offers, with the filter
// code each row carries as its item data.

#include "search/SearchCondition.h"

#include <QString>

#include <vector>

class QComboBox;

namespace zeku {

struct RarityChoice {
    QString label;
    RarityFilterCode code;
};

// The 26 rows in order: all, at most 1 … 7, exactly 1 … 8, at least 2 … 8,
// the groups divided by separator rows that carry 0 and so filter nothing.
std::vector<RarityChoice> rarityChoices();

// Fills `combo` with the rows (code as item data) and selects row 0.
void fillRarityCombo(QComboBox* combo);

// The code of the selected row of a filled combo (0 when none is selected).
RarityFilterCode selectedRarityCode(const QComboBox* combo);

} // namespace zeku
