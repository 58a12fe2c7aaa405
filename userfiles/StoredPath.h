#pragma once
// Paths as the index files store them, and names for new files made from titles.
//
// Index files keep a saved file's path in its stored form: CP932 text with
// backslashes, beginning with "user\" (for example "user\Favorite\x.dat"), so
// that folders written on Windows stay valid. nativePath() is the one place where
// such a path becomes a path of this system.

#include "userfiles/UserFolder.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zeku {

class SafeTextWriter;
class SavedFileIndex;

// Stored folder prefixes of the two indexed folders.
inline constexpr const char* kStoredFavoriteFolder = "user\\Favorite\\";
inline constexpr const char* kStoredHistoryFolder = "user\\SearchHistory\\";

// Maps a stored path to a native one. The text is decoded from CP932 first and
// only then split at backslashes (0x5C can be the second byte of a double-byte
// character); a leading "user" component stands for the user folder. Other
// stored paths stay relative to the working directory.
std::filesystem::path nativePath(const UserFolder& folder, std::string_view stored);

// The native path of `stored` as read from an index file, resolved inside the
// user folder `userRoot` only: it must start with "user\" and may hold no "."
// or ".." component and no drive or stream colon. nullopt for anything else: a
// damaged entry, never opened.
std::optional<std::filesystem::path> confinedStoredPath(const std::filesystem::path& userRoot, std::string_view stored);

// `title` with every character that Windows or POSIX forbids in a file name
// (\ / : * ? " < > | and control characters) replaced by "_". Double-byte
// characters are kept whole; a title too long for a file name is shortened.
std::string safeFileTitle(std::string_view title);

// A file created for a new entry, in stored and native form.
struct NewUserFile {
    std::string stored;
    std::filesystem::path native;
};

// Creates an empty file "<storedFolder><baseName>.dat" that did not exist
// before; when that name is taken, a counter goes before ".dat" ("_2", "_3", ...),
// so a new file never replaces an existing one. The caller writes the file
// (replacing the empty one) or removes it. Failures are reported; nullopt then.
std::optional<NewUserFile> createNewUserFile(const UserFolder& folder, std::string_view storedFolder,
                                             std::string_view baseName);

// createNewUserFile, then lets `writeContent` fill the new file through a
// temporary file. On failure (reported) the new file is removed again and nullopt
// returned.
std::optional<NewUserFile> writeNewUserFile(const UserFolder& folder, std::string_view storedFolder,
                                            std::string_view baseName,
                                            const std::function<void(SafeTextWriter&)>& writeContent);

// Saves `index`, which now lists the new `file`; when that fails (reported),
// removes the file again, so that a failed save leaves the folder as it was.
bool savedOrUnlisted(const SavedFileIndex& index, const NewUserFile& file);

// Tells the user that memory ran out during a file operation.
void reportOutOfMemory();

// Tells the user that a save holds more distinct items than its file can
// number (the writers' std::length_error).
void reportTooManyItemKinds();

// Runs a save; when it throws for want of memory, for more items than the
// file can number, or for an item name it cannot store, reports that and
// gives false. Otherwise gives what `save` gave.
bool saveReportingFailures(const std::function<bool()>& save);

// Removes the file a stored path names when it lies inside the user folder;
// false when nothing was removed.
bool removeStoredFile(const UserFolder& folder, std::string_view stored);

} // namespace zeku
