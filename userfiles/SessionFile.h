#pragma once
// The main window as it was left: its place and size and the condition its
// controls described, kept in user/Session.dat and written when it closes.
//
// The file is a user file like the others (CP932, CR LF, "Version=" first). Its
// [Window] section holds the window; [DataBase] and [Condition] are written and
// read exactly as a search-history file's, so items the catalogue no longer
// has are dropped by the same rules. Keys of [Window] this version does not
// know are skipped. "Language=" is there only once the user chose a language
// for the windows, so a file that never had one reads as it always did.

#include "data/MasterData.h"
#include "search/SearchCondition.h"
#include "userfiles/SavedEntryLoader.h"
#include "userfiles/UserFolder.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace zeku {

// A session file is a few hundred bytes. A file larger than this is not read
// at all: the window starts afresh, and the file stays as it is until the
// window is next saved over it, as a damaged one does.
inline constexpr std::uintmax_t kMaxSessionFileBytes = 1024 * 1024;

// The values of "Language=" (the codes of the command line's --lang).
inline constexpr const char* kSessionLanguageJapanese = "ja";
inline constexpr const char* kSessionLanguageEnglish = "en";

struct SessionState {
    // The window's normal (not maximised) frame, in screen coordinates.
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool maximized = false;
    // The windows' language the user chose: kSessionLanguageJapanese or
    // kSessionLanguageEnglish; empty for the system's (and for a value this
    // version does not know).
    std::string language;
    // Sex, job, rarity, defence, count, jewels (and their exact fitting),
    // wanted skills, fixed set and the three list switches; the standing
    // lists themselves are not kept.
    SearchCondition condition;
};

struct RestoredSession {
    SessionState state;
    // Fixed pieces, jewels and wanted skills the catalogue no longer has, and
    // wanted skills on a tree wanted before.
    std::size_t droppedItems = 0;
};

// True when `a` and `b` would be written alike: frame, state and every kept
// condition field, items compared by identity.
bool sameSession(const SessionState& a, const SessionState& b);

// Reads the lines of a session file. Nothing when they are no session file
// (no "Version=" first, no [Window]) or a damaged one (no usable size, no
// condition with a sex and a job, a malformed section).
std::optional<RestoredSession> readSession(const NextLine& nextLine, const MasterData& master);

// Reads user/Session.dat; nothing when it is missing, foreign, damaged or
// larger than kMaxSessionFileBytes. Never reports.
std::optional<RestoredSession> loadSession(const UserFolder& folder, const MasterData& master);

// Only the language kept in user/Session.dat, read at start-up before the
// catalogues and the windows exist; empty when none was chosen and when the
// file is missing, foreign, too large or its [Window] section does not read.
// Never reports.
std::string loadSessionLanguage(const UserFolder& folder);

// Writes user/Session.dat through a temporary file under the folder's lock.
// False when it could not be written (reported).
bool saveSession(const UserFolder& folder, const SessionState& state);

} // namespace zeku
