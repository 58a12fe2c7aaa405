#pragma once
// A message for the user that the core makes: what it says (an id and its
// arguments) beside the Japanese text that files and the command line use.
// The windows word the message from the id and the arguments in their own
// language; nothing ever takes the text apart again to find out what it says.

#include <string>
#include <vector>

namespace zeku {

enum class MessageId {
    // A saved file is damaged at a line. args: the line number (1-based).
    DamagedLine,
    // A saved file does not read as saved data at all. args: none.
    UnreadableSave,
    // Pieces or jewels of a favourite are not in the master data.
    // args: their names, in the order found.
    FavoriteMissingItems,
    // Items of saved results are not in the master data, and results could
    // not be restored. args: the number of results not restored, then the
    // names of the items not found.
    SearchMissingItems,
};

struct UserMessage {
    MessageId id;
    std::vector<std::string> args; // UTF-8
    std::string text;              // the Japanese text, UTF-8
};

} // namespace zeku
