#include "userfiles/SessionFile.h"

#include "platform/AppIdentity.h"
#include "platform/ErrorReport.h"
#include "platform/LenientNumber.h"
#include "platform/TextFile.h"
#include "userfiles/LineParser.h"
#include "userfiles/LockedUserFileSave.h"
#include "userfiles/SearchHistory.h"
#include "userfiles/StorableText.h"
#include "userfiles/StoredPath.h"
#include "userfiles/StoredSearch.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace zeku {
namespace {

constexpr const char* kWindowHeader = "[Window]";
// A session file is a few dozen lines; anything far longer is no file of ours.
constexpr std::size_t kMaxSessionLines = 4096;

// The [Window] lines: from the header to the next section or the end.
bool readWindowSection(const std::vector<std::string>& lines, SessionState& state)
{
    bool inWindow = false;
    bool seen = false;
    bool haveWidth = false;
    bool haveHeight = false;
    ParsedLine parsed;
    for (const std::string& line : lines) {
        if (line == kWindowHeader) {
            if (seen)
                return false; // a second [Window]: not written by us
            seen = inWindow = true;
            continue;
        }
        if (!line.empty() && line[0] == '[') {
            inWindow = false;
            continue;
        }
        if (!inWindow || !parseUserFileLine(line, parsed) || parsed.fields.empty())
            continue;
        const int32_t value = parseLenientInt(parsed.fields[0]);
        if (parsed.key == "X") {
            state.x = value;
        } else if (parsed.key == "Y") {
            state.y = value;
        } else if (parsed.key == "Width") {
            state.width = value;
            haveWidth = true;
        } else if (parsed.key == "Height") {
            state.height = value;
            haveHeight = true;
        } else if (parsed.key == "Maximized") {
            state.maximized = value != 0;
        } else if (parsed.key == "Language") {
            // A language this version does not speak is the system's.
            const std::string& code = parsed.fields[0];
            state.language = code == kSessionLanguageJapanese || code == kSessionLanguageEnglish ? code : std::string();
        }
    }
    return seen && haveWidth && haveHeight && state.width > 0 && state.height > 0;
}

// The lines of a session file, up to kMaxSessionLines; nothing when there are
// more or the first is no "Version=" line.
std::optional<std::vector<std::string>> sessionLines(const NextLine& nextLine)
{
    std::vector<std::string> lines;
    std::string line;
    while (nextLine(line)) {
        if (lines.size() >= kMaxSessionLines)
            return std::nullopt;
        lines.push_back(line);
    }
    ParsedLine parsed;
    if (lines.empty() || !parseUserFileLine(lines.front(), parsed) || parsed.key != "Version")
        return std::nullopt;
    return lines;
}

// Hands the lines of user/Session.dat to `read`; nothing when the file is
// missing, no plain file, larger than kMaxSessionFileBytes (refused before
// any of it is read, and again should it grow while being read) or has a
// line too long.
template <typename Result, typename Read>
std::optional<Result> readSessionFile(const UserFolder& folder, Read read)
{
    const std::filesystem::path path = folder.sessionFile();
    if (userFileKind(path) != UserFileKind::Plain)
        return std::nullopt;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxSessionFileBytes)
        return std::nullopt;
    TextLineReader in(path);
    if (!in.isOpen())
        return std::nullopt;
    bool refused = false;
    std::size_t bytes = 0;
    const NextLine nextLine = [&](std::string& line) {
        if (in.next(line)) {
            bytes += line.size() + 1;
            if (bytes <= kMaxSessionFileBytes)
                return true;
            refused = true;
            return false;
        }
        refused = in.tooLong();
        return false;
    };
    std::optional<Result> result = read(nextLine);
    if (refused)
        return std::nullopt;
    return result;
}

} // namespace

bool sameSession(const SessionState& a, const SessionState& b)
{
    const SearchCondition& x = a.condition;
    const SearchCondition& y = b.condition;
    if (a.x != b.x || a.y != b.y || a.width != b.width || a.height != b.height || a.maximized != b.maximized ||
        a.language != b.language || x.sex != y.sex || x.job != y.job || x.rarity != y.rarity ||
        x.minDefence != y.minDefence || x.maxResults != y.maxResults || x.useJewels != y.useJewels ||
        x.exactJewels != y.exactJewels || x.useExcludedItems != y.useExcludedItems ||
        x.useExcludedSkills != y.useExcludedSkills || x.requireSParts != y.requireSParts ||
        x.wanted.size() != y.wanted.size() || x.fixed.weapon() != y.fixed.weapon())
        return false;
    for (std::size_t i = 0; i < x.wanted.size(); ++i)
        if (x.wanted[i].treeId != y.wanted[i].treeId || x.wanted[i].points != y.wanted[i].points)
            return false;
    for (int part = 0; part < kPartCount; ++part)
        if (x.fixed.piece(part) != y.fixed.piece(part) ||
            x.fixed.pieceSlots(part).jewels != y.fixed.pieceSlots(part).jewels)
            return false;
    return x.fixed.weaponSlots().jewels == y.fixed.weaponSlots().jewels;
}

std::optional<RestoredSession> readSession(const NextLine& nextLine, const MasterData& master)
try {
    const std::optional<std::vector<std::string>> read = sessionLines(nextLine);
    if (!read)
        return std::nullopt;
    const std::vector<std::string>& lines = *read;

    RestoredSession session;
    if (!readWindowSection(lines, session.state))
        return std::nullopt;

    // [DataBase] and [Condition] by the history reader's rules; [Window] is a
    // section it does not know, so it skips those lines.
    StoredSearch stored;
    std::size_t next = 0;
    const NextLine replay = [&](std::string& out) {
        if (next >= lines.size())
            return false;
        out = lines[next++];
        return true;
    };
    if (!readSearchHistory(replay, master, stored))
        return std::nullopt;
    SearchCondition& condition = stored.condition;
    if (!isWearerSex(condition.sex) || !isWearerJob(condition.job))
        return std::nullopt;
    if (!stored.combinations.empty())
        return std::nullopt; // a history file, not a session

    session.droppedItems = stored.missingItems.size();
    // A tree wanted twice is wanted once, as the window keeps it (the first
    // entry counts); the repeat is counted with the dropped items.
    std::vector<SkillPoint> wanted;
    for (const SkillPoint& skill : condition.wanted) {
        const bool repeat = std::any_of(wanted.begin(), wanted.end(),
                                        [&](const SkillPoint& kept) { return kept.treeId == skill.treeId; });
        if (master.skills().findTree(skill.treeId) && skill.points != 0 && !repeat)
            wanted.push_back(skill);
        else
            ++session.droppedItems;
    }
    condition.wanted = std::move(wanted);
    // Exact fitting is a way of placing jewels: nothing without them.
    condition.exactJewels = condition.usesExactJewels();
    session.state.condition = condition;
    return session;
} catch (const std::bad_alloc&) {
    return std::nullopt;
}

std::optional<RestoredSession> loadSession(const UserFolder& folder, const MasterData& master)
{
    return readSessionFile<RestoredSession>(folder,
                                            [&](const NextLine& nextLine) { return readSession(nextLine, master); });
}

std::string loadSessionLanguage(const UserFolder& folder)
try {
    const std::optional<std::string> language =
        readSessionFile<std::string>(folder, [](const NextLine& nextLine) -> std::optional<std::string> {
            const std::optional<std::vector<std::string>> lines = sessionLines(nextLine);
            SessionState state;
            if (!lines || !readWindowSection(*lines, state))
                return std::nullopt;
            return state.language;
        });
    return language.value_or(std::string());
} catch (const std::bad_alloc&) {
    return {};
}

namespace {

// The session's lines: the window's place and the condition on screen.
void writeSession(SafeTextWriter& out, const SessionState& state)
{
    out.writef("Version=%s\n", kVersionText);
    out.write(kWindowHeader);
    out.writef("\nX=%d\nY=%d\nWidth=%d\nHeight=%d\nMaximized=%d\n", state.x, state.y, state.width, state.height,
               state.maximized ? 1 : 0);
    // Only a chosen language: a file that never had one stays as it was.
    if (state.language == kSessionLanguageJapanese || state.language == kSessionLanguageEnglish)
        out.writef("Language=%s\n", state.language.c_str());
    writeConditionSections(out, state.condition);
    // As a history file keeps it: only when on.
    if (state.condition.usesExactJewels())
        out.write("[Option]\nExactJewel=1\n");
}

} // namespace

bool saveSession(const UserFolder& folder, const SessionState& state)
{
    return saveReportingFailures([&] {
        return saveUserFileLocked(folder, folder.sessionFile(), [&](SafeTextWriter& out) { writeSession(out, state); });
    });
}

} // namespace zeku
