#pragma once
// The one loader core for saved entries (favourites and stored searches): the
// index look-up, the opening of the entry's file, the damage rule and its
// reports. Each format only turns lines into its entry.

#include <filesystem>
#include <functional>
#include <string>

namespace zeku {

class SavedFileIndex;

// Gives the next line of a text (line end removed); false at the end.
using NextLine = std::function<bool(std::string&)>;

// A format's reader: takes the lines of one entry's file and returns 0 when
// they form an entry, else the 1-based line at fault (kNoSingleDamagedLine
// when no single line is at fault, such as a file without any entry in it).
using EntryFileReader = std::function<int(const NextLine& nextLine)>;
inline constexpr int kNoSingleDamagedLine = -1;

// Loads `index` and reads the file listed at `position` through `read`.
// False when the index cannot be read or has no such entry (silently), and,
// each reported with the file's name (and line), when the entry's path leaves
// the user folder or names no regular file, the file cannot be opened, a line
// is over-long, or `read` finds the file damaged.
bool loadSavedEntry(SavedFileIndex& index, int position, const EntryFileReader& read);

} // namespace zeku
