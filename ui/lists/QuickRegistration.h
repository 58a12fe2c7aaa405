#pragma once
// What the right-click menu of a list hands to the quick registration
// dialogs: "除外登録" (register as excluded) and "Ｓ防具登録" (register as S part).

#include "data/EquipItem.h"

#include <QMetaType>

#include <string>
#include <vector>

namespace zeku {

// The items of the clicked row. Which fields are set depends on the list: a
// piece (with the jewels set into it), a jewel list, or a skill tree name.
struct QuickRegistration {
    const EquipItem* piece = nullptr;
    std::vector<const Jewel*> jewels;
    std::string skillTreeName; // CP932
};

// Menu 139 as it opens on one row: which entries are enabled and what they hand over.
struct QuickMenu {
    bool excludeEnabled = false;
    bool sPartEnabled = false;
    QuickRegistration registration;
};

} // namespace zeku

Q_DECLARE_METATYPE(zeku::QuickRegistration)
