#pragma once
// A message for the user that the core makes: what it says (an id and its
// arguments) beside the Japanese text that files and the command line use.
// The windows word the message from the id and the arguments in their own
// language; nothing ever takes the text apart again to find out what it says.

#include <string>
#include <system_error>
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

    // A call of the system failed. args: errno in decimal; the text is the
    // system's own (strerror), as the command line prints it.
    SystemError,
    // A saved-data index that a save must update cannot be read. args: none;
    // the text is the command line's English phrase.
    UnreadableIndex,
    // Every numbered name of a new user file is taken. args: none; English text.
    NoFreeFileName,
    // A formatted line of a file could not be made. args: none; English text.
    TextFormattingFailed,

    // A save is refused because the lock of its folder cannot be taken: the
    // lock file is a symbolic link / neither a file nor a folder / a call of
    // the system failed (args: errno in decimal). Other ids: args none.
    FolderLockSymlink,
    FolderLockNotFileOrFolder,
    FolderLockSystemError,

    // A saved index lists a file outside the user folder. args: its stored path.
    OutsideUserFolder,
    // A saved entry's file is not a regular file. args: none.
    NotRegularFile,
    // A save ran out of memory. args: none.
    OutOfMemory,
    // A save holds more kinds of items than its format can number. args: none.
    TooManyItemKinds,
    // An item name cannot be stored in a line. args: the name.
    UnstorableItemName,
    // A favourite changed in another window since the list was read. args: none.
    FavoriteChangedElsewhere,

    // A title or comment that an index line cannot hold. args: none.
    TextHasComma,
    TextHasControlCharacter,
    TitleLeadingBlank,
    CommentTrailingBlank,
    TitleHasEquals,
    TitleStartsCommentMark,
    TitleIsVersion,

    // A master data file is missing or unreadable at start-up. args: none.
    MissingSkillData,
    MissingEquipData,
    MissingJewelData,
};

// The last id, for tables that cover every id.
inline constexpr MessageId kLastMessageId = MessageId::MissingJewelData;

struct UserMessage {
    MessageId id;
    std::vector<std::string> args; // UTF-8
    std::string text; // the Japanese text, UTF-8
};

// The message for a failed call of the system that set `errorNumber`.
UserMessage systemErrorMessage(int errorNumber);
// The same for a failure the standard library reported; its text is ec.message().
UserMessage systemErrorMessage(const std::error_code& ec);

} // namespace zeku
