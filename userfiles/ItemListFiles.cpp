#include "userfiles/ItemListFiles.h"

#include "platform/AppIdentity.h"
#include "platform/LenientNumber.h"
#include "platform/TextFile.h"
#include "userfiles/DamagedFile.h"
#include "userfiles/LineParser.h"
#include "userfiles/LockedUserFileSave.h"
#include "userfiles/SortedEntries.h"

#include <algorithm>
#include <cstdio>
#include <array>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace zeku {
namespace {

constexpr std::array<const char*, kPartCount> kPartHeaders = {"[Head]", "[Body]", "[Arm]", "[Waist]", "[Leg]"};
constexpr const char* kJewelHeader = "[Jewel]";
constexpr const char* kSkillHeader = "[Skill]";
constexpr const char* kVersionKey = "Version";

// Section states of the piece-list reader: a part index, the jewels, or none yet.
constexpr int kNoSection = -1;
constexpr int kJewelSection = kPartCount;

// Stored names may be cut short: a catalogue name matches when it begins with
// the stored name. A catalogue name shorter than the stored one never does.
bool beginsWith(const std::string& catalogueName, const std::string& stored)
{
    return std::string_view(catalogueName).starts_with(stored);
}

// The first piece in catalogue order whose name begins with `stored` and whose
// sex code equals `sex`, or nullptr.
const EquipItem* findPiece(const EquipCatalogue& catalogue, const std::string& stored, uint16_t sex)
{
    for (const EquipItem& piece : catalogue.items())
        if (piece.sex == sex && beginsWith(piece.name, stored))
            return &piece;
    return nullptr;
}

const Jewel* findJewel(const JewelCatalogue& catalogue, const std::string& stored)
{
    for (const Jewel& jewel : catalogue.items())
        if (beginsWith(jewel.name, stored))
            return &jewel;
    return nullptr;
}

// Which section `line` (exactly as read, untrimmed) opens, or kNoSection when it
// is no header. The jewel header counts only in files that have a jewel section.
int sectionOf(const std::string& line, bool withJewels)
{
    for (int part = 0; part < kPartCount; ++part)
        if (line == kPartHeaders[part])
            return part;
    if (withJewels && line == kJewelHeader)
        return kJewelSection;
    return kNoSection;
}

// A file with an over-long line is no list of ours: it is reported as damaged
// and nothing of it is kept. True when `reader` stopped at such a line.
template <typename List>
bool refusedAsTooLong(const TextLineReader& reader, const std::filesystem::path& file, List& out)
{
    if (!reader.tooLong())
        return false;
    out.clear();
    reportDamagedFile(file, reader.lineNumber());
    return true;
}

// Reads ExclusiveItem.dat (Set = ExclusionSet) or SParts.dat (Set = SPartSet).
template <typename Set>
bool loadPieceList(const std::filesystem::path& file, const MasterData& master, Set& out)
{
    constexpr bool withJewels = std::is_same_v<Set, ExclusionSet>;
    out.clear();
    TextLineReader reader(file);
    if (!reader.isOpen())
        return false;
    int section = kNoSection;
    std::string line;
    ParsedLine parsed;
    while (reader.next(line)) {
        if (!parseUserFileLine(line, parsed) || parsed.key == kVersionKey)
            continue;
        if (int header = sectionOf(line, withJewels); header != kNoSection) {
            section = header;
            continue;
        }
        // "name=..." leaves only the key; with no field there is no name to match.
        if (section == kNoSection || parsed.fields.empty())
            continue;
        const std::string& stored = parsed.fields[0];
        if (section == kJewelSection) {
            if constexpr (withJewels) {
                if (const Jewel* jewel = findJewel(master.jewels(), stored))
                    out.add(*jewel);
            }
            continue;
        }
        uint16_t sex = parsed.fields.size() >= 2 ? parseLenientUInt16(parsed.fields[1]) : 0;
        if (const EquipItem* piece = findPiece(master.equip(section), stored, sex))
            out.add(*piece);
    }
    return !refusedAsTooLong(reader, file, out);
}

std::string versionHeader()
{
    return std::string(kVersionKey) + "=" + kVersionText + "\n\n";
}

// The five part sections, each with its header, one line per piece and an empty line.
std::string pieceSections(const SPartSet& set)
{
    std::string text;
    for (int part = 0; part < kPartCount; ++part) {
        text += kPartHeaders[part];
        text += '\n';
        for (const auto* entry : sortedEntries(set.pieces(static_cast<PartKind>(part)))) {
            const EquipItem& piece = *entry->second;
            text += piece.name;
            if (piece.sex != kSexBoth)
                text += "," + std::to_string(piece.sex);
            text += '\n';
        }
        text += '\n';
    }
    return text;
}

// The digest (FNV-1a, 64 bits) of the bytes of `file`; nullopt when it cannot be read.
std::optional<uint64_t> fileDigest(const std::filesystem::path& file)
{
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return std::nullopt;
    uint64_t digest = 14695981039346656037ull;
    unsigned char buffer[8192];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        for (std::size_t i = 0; i < got; ++i)
            digest = (digest ^ buffer[i]) * 1099511628211ull;
    std::fclose(in);
    return digest;
}

void takeStamp(ListFileStamp* stamp, const std::filesystem::path& file)
{
    if (!stamp)
        return;
    stamp->known = true;
    stamp->digest = fileDigest(file);
    stamp->changedElsewhere = false;
}

// Creates the user folder and replaces `file` with `text` (LF written as CR LF),
// unless `stamp` says the file changed since this window read it.
bool writeListFile(const UserFolder& folder, const std::filesystem::path& file, const std::string& text,
                   ListFileStamp* stamp)
{
    const auto unchangedElsewhere = [&] {
        if (stamp && stamp->known && fileDigest(file) != stamp->digest) {
            stamp->changedElsewhere = true;
            return false;
        }
        return true;
    };
    return saveUserFileLocked(
        folder, file, [&](SafeTextWriter& writer) { writer.write(text); }, unchangedElsewhere,
        [&] { takeStamp(stamp, file); });
}

} // namespace

bool loadExclusionList(const UserFolder& folder, const MasterData& master, ExclusionSet& out, ListFileStamp* stamp)
{
    // Stamped before reading: a save between the two makes the next save ask.
    takeStamp(stamp, folder.exclusiveItemFile());
    return loadPieceList(folder.exclusiveItemFile(), master, out);
}

bool saveExclusionList(const UserFolder& folder, const ExclusionSet& set, ListFileStamp* stamp)
{
    std::string text = versionHeader() + pieceSections(set) + kJewelHeader + "\n";
    for (const auto* entry : sortedEntries(set.jewels()))
        text += entry->first + "\n";
    return writeListFile(folder, folder.exclusiveItemFile(), text, stamp);
}

bool loadSPartList(const UserFolder& folder, const MasterData& master, SPartSet& out, ListFileStamp* stamp)
{
    takeStamp(stamp, folder.sPartsFile());
    return loadPieceList(folder.sPartsFile(), master, out);
}

bool saveSPartList(const UserFolder& folder, const SPartSet& set, ListFileStamp* stamp)
{
    return writeListFile(folder, folder.sPartsFile(), versionHeader() + pieceSections(set), stamp);
}

bool loadExcludedSkills(const UserFolder& folder, ExcludedSkillList& out, ListFileStamp* stamp)
{
    takeStamp(stamp, folder.exclusiveSkillFile());
    out.clear();
    TextLineReader reader(folder.exclusiveSkillFile());
    if (!reader.isOpen())
        return false;
    std::string line;
    ParsedLine parsed;
    // Section headers are not tracked: every line with two fields is an entry.
    while (reader.next(line)) {
        if (!parseUserFileLine(line, parsed) || parsed.key == kVersionKey || parsed.key == kSkillHeader)
            continue;
        if (parsed.fields.size() < 2)
            continue;
        int32_t treeId = parseLenientInt(parsed.fields[0]);
        int16_t threshold = parseLenientInt16(parsed.fields[1]);
        if (treeId != 0 && threshold != 0)
            out.add(static_cast<uint16_t>(treeId), threshold);
    }
    return !refusedAsTooLong(reader, folder.exclusiveSkillFile(), out);
}

bool saveExcludedSkills(const UserFolder& folder, const ExcludedSkillList& list, ListFileStamp* stamp)
{
    std::string text = versionHeader() + kSkillHeader + "\n";
    for (const SkillActivation& entry : list.entries())
        text += std::to_string(entry.treeId) + "," + std::to_string(entry.threshold) + "\n";
    return writeListFile(folder, folder.exclusiveSkillFile(), text, stamp);
}

} // namespace zeku
