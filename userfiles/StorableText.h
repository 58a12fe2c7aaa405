#pragma once
// What the line format of the user files can hold.
//
// An index line is "title=path,comment" and a list or history line
// "key=name,..."; the line is trimmed, a leading ";" or "#" makes it a comment
// and "," splits fields. A title, comment or item name that these rules would
// cut, split or skip is refused before anything is written, so that nothing is
// stored in a form that will not read back. The window's input dialog and the
// command line share these rules.

#include "platform/UserMessage.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zeku {

class EquipSet;

// Why `title` and `comment` (CP932) cannot be stored in an index line, as a
// message for the user; none when they can.
std::optional<UserMessage> indexTextRefusal(std::string_view title, std::string_view comment);

// True when an item name (CP932) reads back unchanged as a field of a line.
bool isStorableItemName(std::string_view name);

// The message that refuses a save because of the item `name` (CP932).
UserMessage unstorableItemMessage(std::string_view name);

// The first item of `set` (weapon, pieces, jewels) whose name cannot be
// stored; nullptr when all can.
const std::string* firstUnstorableItemName(const EquipSet& set);

// Thrown by a writer that meets an item name it cannot store; the save that
// catches it discards what was written and reports unstorableItemMessage().
class UnstorableItemName : public std::runtime_error {
public:
    explicit UnstorableItemName(std::string name) : std::runtime_error("unstorable item name"), m_name(std::move(name))
    {
    }
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

// Throws UnstorableItemName unless isStorableItemName(name).
void requireStorableItemName(const std::string& name);

} // namespace zeku
