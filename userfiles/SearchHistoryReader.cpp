#include "userfiles/SearchHistory.h"

#include "platform/ErrorReport.h"
#include "platform/LenientNumber.h"
#include "userfiles/LineParser.h"
#include "userfiles/NotationCheck.h"
#include "userfiles/SavedEntryLoader.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/StoredPath.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zeku {
namespace {

// Version numbers at which the [Condition] section grew: files up to 0.042 end
// it after ExclusiveSkill, files before 0.040 right after FixParts.
constexpr int kLastVersionEndingAtExclusiveSkill = 42;
constexpr int kFirstVersionWithMaxDisp = 40;

// Reads the sections of one history file. Each section reader takes the lines it
// needs from the current position and says whether they were well formed.
class HistoryReader {
public:
    HistoryReader(const NextLine& nextLine, const MasterData& master, StoredSearch& out)
        : m_nextLine(nextLine), m_master(master), m_out(out)
    {
    }

    bool run();
    // The line where run() failed: the last line read, when the file ended early.
    int failedLine() const { return m_failedLine; }

private:
    // The next line, counted; false at the end.
    bool readLine(std::string& line)
    {
        if (!m_nextLine(line))
            return false;
        ++m_lineNumber;
        return true;
    }

    enum class Count { Read, Missing, Bad };

    // The next line, parsed; false at the end of the file or when it is no
    // data line, has no field or (with `keyRequired`) an empty key.
    bool nextEntry(bool keyRequired, bool* ended = nullptr);
    // The "Count=" line that opens a section.
    Count readCount(int32_t& count);

    bool readDataBase();
    bool readCondition();
    template <typename OnEntry>
    bool readListSection(bool keyRequired, OnEntry onEntry);
    bool readPieceList(bool withJewels);
    bool readExcludedItems() { return readPieceList(true); }
    bool readSParts() { return readPieceList(false); }
    bool readExcludedSkills();
    bool readRecords();
    bool openOptions() { return true; }
    // One "<key>=<rank>" line of [NameRank]; false when malformed.
    bool readNameRank();
    // Enters the [DataBase] items, each by its rank when [NameRank] gave one,
    // and restores the fixed set from them: done once the whole file is read,
    // as [NameRank] comes last.
    void enterItems();

    // Enters one [DataBase] item; names not found go to the missing items.
    void enterItem(const std::string& key, const std::string& name, std::optional<uint16_t> rank);

    const NextLine& m_nextLine;
    const MasterData& m_master;
    StoredSearch& m_out;
    int m_version = 0;
    // The section whose lines the main loop reads itself, up to the next header.
    enum class Open { None, Options, NameRanks } m_open = Open::None;
    // The [DataBase] lines (key, name) and the ranks [NameRank] gives by key.
    std::vector<std::pair<std::string, std::string>> m_items;
    std::unordered_map<std::string, uint16_t> m_ranks;
    int m_lineNumber = 0;
    int m_failedLine = 0;
    std::string m_line;
    ParsedLine m_parsed;
};

// Kind, sex digit and number of a key "<kind><sex><number...>".
struct ItemKeyParts {
    int kind = -1;
    uint16_t sex = 0;
    uint16_t number = 0;
};

ItemKeyParts splitItemKey(const std::string& key)
{
    ItemKeyParts parts;
    if (key.empty())
        return parts;
    const char kind = key[0];
    parts.kind = kind >= '0' && kind <= '9' ? kind - '0' : -1;
    if (key.size() >= 2)
        parts.sex = parseLenientUInt16(key.substr(1, 1));
    if (key.size() >= 3)
        parts.number = parseLenientUInt16(key.substr(2));
    return parts;
}

bool HistoryReader::nextEntry(bool keyRequired, bool* ended)
{
    if (ended)
        *ended = false;
    if (!readLine(m_line)) {
        if (ended)
            *ended = true;
        return false;
    }
    if (!parseUserFileLine(m_line, m_parsed) || m_parsed.fields.empty())
        return false;
    return !keyRequired || !m_parsed.key.empty();
}

HistoryReader::Count HistoryReader::readCount(int32_t& count)
{
    bool ended = false;
    count = 0;
    if (!nextEntry(false, &ended))
        return ended ? Count::Missing : Count::Bad;
    if (m_parsed.key != "Count")
        return Count::Bad;
    count = parseLenientInt(m_parsed.fields[0]);
    return Count::Read;
}

void HistoryReader::enterItem(const std::string& key, const std::string& name, std::optional<uint16_t> rank)
{
    const ItemKeyParts parts = splitItemKey(key);
    if (parts.kind < 0 || parts.kind >= kItemKindCount)
        return;
    ItemNumberTable& table = m_out.items;
    if (parts.kind == kWeaponKind) {
        if (const WeaponSlotItem* weapon = findWeaponSlotItem(m_master, name))
            return table.enterWeapon(parts.number, weapon);
    } else if (parts.kind == kJewelKind) {
        if (const Jewel* jewel = rank ? findJewelByRank(m_master, name, *rank) : findJewelByName(m_master, name))
            return table.enterJewel(parts.number, jewel);
    } else {
        const int part = parts.kind - 1;
        if (const EquipItem* piece = rank ? findPieceByRank(m_master, part, name, parts.sex, *rank)
                                          : findPieceByName(m_master, part, name, parts.sex))
            return table.enterPiece(part, parts.number, piece);
    }
    m_out.missingItems.push_back(name);
}

bool HistoryReader::readDataBase()
{
    int32_t count = 0;
    if (readCount(count) != Count::Read)
        return false;
    for (int32_t i = 0; i < count; ++i) {
        if (!nextEntry(true) || !isWellFormedItemKey(m_parsed.key))
            return false;
        m_items.emplace_back(m_parsed.key, m_parsed.fields[0]);
    }
    return true;
}

bool HistoryReader::readNameRank()
{
    if (!isWellFormedItemKey(m_parsed.key) || m_parsed.fields.size() != 1)
        return false;
    const std::string& value = m_parsed.fields[0];
    if (value.empty() || value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const unsigned long rank = std::stoul(value);
    if (rank > 0xFFFF)
        return false;
    m_ranks[m_parsed.key] = static_cast<uint16_t>(rank);
    return true;
}

void HistoryReader::enterItems()
{
    for (const auto& [key, name] : m_items) {
        const auto rank = m_ranks.find(key);
        enterItem(key, name, rank == m_ranks.end() ? std::nullopt : std::optional<uint16_t>(rank->second));
    }
    // Fixed pieces are restored as far as they resolve; a gap is not an error.
    m_out.fixed.resolve(m_out.items, m_out.condition.fixed);
}

bool HistoryReader::readCondition()
{
    SearchCondition& condition = m_out.condition;
    for (;;) {
        if (!nextEntry(false))
            return false;
        const std::string& key = m_parsed.key;
        const std::vector<std::string>& fields = m_parsed.fields;
        const std::string& value = fields[0];
        if (key == "Sex") {
            condition.sex = parseLenientUInt16(value);
        } else if (key == "Job") {
            condition.job = parseLenientUInt16(value);
        } else if (key == "Rare") {
            condition.rarity = parseLenientInt16(value);
            if (!isOfferedRarityCode(condition.rarity))
                return false;
        } else if (key == "Def") {
            condition.minDefence = parseLenientUInt16(value);
        } else if (key == "MaxDisp") {
            condition.maxResults = static_cast<uint32_t>(parseLenientInt(value));
        } else if (key == "Jewel") {
            condition.useJewels = parseLenientInt(value) != 0;
        } else if (key == "ExclusiveItem") {
            condition.useExcludedItems = parseLenientInt(value) != 0;
        } else if (key == "ExclusiveSkill") {
            condition.useExcludedSkills = parseLenientInt(value) != 0;
            if (m_version <= kLastVersionEndingAtExclusiveSkill)
                return true;
        } else if (key == "SParts") {
            condition.requireSParts = parseLenientInt(value) != 0;
            return true;
        } else if (key == "Skill") {
            if (fields.size() % 2 != 0)
                return false;
            for (std::size_t i = 0; i < fields.size(); i += 2)
                condition.wanted.push_back(SkillPoint{parseLenientUInt16(fields[i]), parseLenientInt16(fields[i + 1])});
        } else if (key == "FixParts") {
            if (!isWellFormedNotation(fields))
                return false;
            m_out.fixed = NumberedCombination::fromFields(fields);
            if (m_version < kFirstVersionWithMaxDisp)
                return true;
        } else {
            return false;
        }
    }
}

template <typename OnEntry>
bool HistoryReader::readListSection(bool keyRequired, OnEntry onEntry)
{
    // The three lists: a missing Count is an empty list, a line that does not
    // parse counts but is skipped, and an early end is a short list.
    int32_t count = 0;
    switch (readCount(count)) {
    case Count::Missing:
        return true;
    case Count::Bad:
        return false;
    case Count::Read:
        break;
    }
    for (int32_t i = 0; i < count; ++i) {
        bool ended = false;
        if (!nextEntry(keyRequired, &ended)) {
            if (ended)
                break;
            continue;
        }
        onEntry();
    }
    return true;
}

bool HistoryReader::readPieceList(bool withJewels)
{
    return readListSection(true, [&] {
        const ItemKeyParts parts = splitItemKey(m_parsed.key);
        const std::string& name = m_parsed.fields[0];
        if (parts.kind >= 1 && parts.kind <= kPartCount) {
            if (const EquipItem* piece = findPieceByName(m_master, parts.kind - 1, name, parts.sex)) {
                if (withJewels)
                    m_out.condition.excludedItems.add(*piece);
                else
                    m_out.condition.sParts.add(*piece);
            }
        } else if (withJewels && parts.kind == kJewelKind) {
            if (const Jewel* jewel = findJewelByName(m_master, name))
                m_out.condition.excludedItems.add(*jewel);
        }
    });
}

bool HistoryReader::readExcludedSkills()
{
    return readListSection(false, [&] {
        if (m_parsed.fields.size() >= 2)
            m_out.condition.excludedSkills.add(parseLenientUInt16(m_parsed.fields[0]),
                                               parseLenientInt16(m_parsed.fields[1]));
    });
}

bool HistoryReader::readRecords()
{
    int32_t count = 0;
    if (readCount(count) != Count::Read || count <= 0)
        return false;
    for (int32_t i = 0; i < count; ++i) {
        if (!nextEntry(false) || !isWellFormedNotation(m_parsed.fields))
            return false;
        m_out.combinations.appendFields(m_parsed.fields);
    }
    return true;
}

bool HistoryReader::run()
{
    // Each section, and the version line, comes once: a section read twice
    // would show its entries twice. Headers this reader does not know (a later
    // version's additions) are no sections here; their lines are skipped.
    struct Section {
        const char* header;
        bool (HistoryReader::*read)();
    };
    static constexpr Section kSections[] = {
        {"[DataBase]", &HistoryReader::readDataBase},
        {"[Condition]", &HistoryReader::readCondition},
        {"[ExclusiveItem]", &HistoryReader::readExcludedItems},
        {"[ExclusiveSkill]", &HistoryReader::readExcludedSkills},
        {"[SParts]", &HistoryReader::readSParts},
        {"[Records]", &HistoryReader::readRecords},
        // Options a default search does not use, after everything else; the
        // reader itself takes no line: the loop reads the section's keys.
        {"[Option]", &HistoryReader::openOptions},
        // The ranks of items whose names the catalogue repeats (SearchHistory.h);
        // read by the loop as [Option] is.
        {"[NameRank]", &HistoryReader::openOptions},
    };
    constexpr std::size_t kOptionSection = std::size(kSections) - 2;
    constexpr std::size_t kNameRankSection = std::size(kSections) - 1;
    constexpr std::size_t kVersionLine = std::size(kSections);
    bool seen[kVersionLine + 1] = {};
    std::string line;
    ParsedLine parsed;
    while (readLine(line)) {
        if (!parseUserFileLine(line, parsed))
            continue;
        std::size_t which = kVersionLine;
        if (parsed.key != "Version") {
            // The options' keys are lines of their section, not headers.
            if (m_open == Open::Options && parsed.key == "ExactJewel" && !parsed.fields.empty()) {
                m_out.condition.exactJewels = parseLenientInt(parsed.fields[0]) != 0;
                continue;
            }
            const bool header = !line.empty() && line.front() == '[';
            if (m_open == Open::NameRanks && !header) {
                m_parsed = parsed;
                if (!readNameRank()) {
                    m_failedLine = m_lineNumber;
                    return false;
                }
                continue;
            }
            which = 0;
            while (which < kVersionLine && line != kSections[which].header)
                ++which;
            if (which == kVersionLine) {
                if (header)
                    m_open = Open::None; // a header of a later version's section
                continue; // outside any section of this version
            }
            m_open = which == kOptionSection ? Open::Options : which == kNameRankSection ? Open::NameRanks : Open::None;
        }
        bool ok = !seen[which];
        seen[which] = true;
        if (ok && which == kVersionLine) {
            m_version = historyVersionNumber(parsed.fields.empty() ? std::string() : parsed.fields[0]);
            ok = m_version != kDamagedVersion;
        } else if (ok) {
            ok = (this->*kSections[which].read)();
        }
        if (!ok) {
            m_failedLine = m_lineNumber;
            return false;
        }
    }
    enterItems();
    // Read as the search reads it: exact fitting only with jewels.
    m_out.condition.exactJewels = m_out.condition.usesExactJewels();
    m_out.combinationCount = static_cast<uint32_t>(m_out.combinations.size());
    return true;
}

} // namespace

int historyVersionNumber(std::string_view value)
{
    const std::size_t dot = value.find('.');
    if (dot == std::string_view::npos)
        return 0;
    // Read as atoi would, but a part too large for 32 bits makes no version.
    auto part = [](std::string_view text) -> std::optional<int64_t> {
        const std::string copy(text);
        errno = 0;
        const long long number = std::strtoll(copy.c_str(), nullptr, 10);
        if (errno == ERANGE || number < INT32_MIN || number > INT32_MAX)
            return std::nullopt;
        return number;
    };
    const std::optional<int64_t> major = part(value.substr(0, dot));
    const std::optional<int64_t> minor = part(value.substr(dot + 1));
    if (!major || !minor)
        return kDamagedVersion;
    const int64_t number = *major * 1000 + *minor;
    return number < 0 || number > INT32_MAX ? kDamagedVersion : static_cast<int>(number);
}

bool readSearchHistory(const NextLine& nextLine, const MasterData& master, StoredSearch& out, int* failedLine)
{
    HistoryReader reader(nextLine, master, out);
    const bool ok = reader.run();
    if (failedLine)
        *failedLine = ok ? 0 : reader.failedLine();
    return ok;
}

std::unique_ptr<StoredSearch> loadSearchHistory(const UserFolder& folder, const MasterData& master, int position)
try {
    SavedFileIndex index = SavedFileIndex::forHistory(folder);
    auto search = std::make_unique<StoredSearch>();
    const bool read = loadSavedEntry(index, position, [&](const NextLine& nextLine) {
        int failedLine = 0;
        if (!readSearchHistory(nextLine, master, *search, &failedLine))
            return failedLine > 0 ? failedLine : kNoSingleDamagedLine;
        // Every saved search has at least one record: a file without [Records]
        // (empty, junk, CR only) would otherwise load as a search that found nothing.
        return search->combinations.empty() ? kNoSingleDamagedLine : 0;
    });
    if (!read)
        return nullptr;
    search->title = *index.title(position);
    search->comment = *index.comment(position);
    return search;
} catch (const std::bad_alloc&) {
    reportOutOfMemory();
    return nullptr;
}

} // namespace zeku
