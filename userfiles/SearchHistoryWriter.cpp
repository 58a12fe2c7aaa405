#include "userfiles/SearchHistory.h"

#include "platform/AppIdentity.h"
#include "platform/Clock.h"
#include "platform/ErrorReport.h"
#include "platform/TextFile.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/SortedEntries.h"
#include "userfiles/StorableText.h"
#include "userfiles/StoredPath.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <stdexcept>
#include <vector>

namespace zeku {
namespace {

void writeDataBase(SafeTextWriter& writer, const ItemNumberTable& table)
{
    writer.write("[DataBase]\n");
    writer.writef("Count=%zu\n", table.size());
    for (const auto& [number, weapon] : table.weapons()) {
        requireStorableItemName(weapon->name);
        writer.writef("0%d%d=%s\n", 0, number, weapon->name.c_str());
    }
    for (int part = 0; part < kPartCount; ++part) {
        for (const auto& [number, piece] : table.pieces(part)) {
            requireStorableItemName(piece->name);
            writer.writef("%d%d%d=%s\n", part + 1, piece->sex, number, piece->name.c_str());
        }
    }
    for (const auto& [number, jewel] : table.jewels()) {
        requireStorableItemName(jewel->name);
        writer.writef("6%d%d=%s\n", 0, number, jewel->name.c_str());
    }
}

void writeCondition(SafeTextWriter& writer, const SearchCondition& condition, const NumberedCombination& fixed)
{
    writer.write("[Condition]\n");
    writer.writef("Sex=%u\nJob=%u\nRare=%d\nDef=%u\n", condition.sex, condition.job, condition.rarity,
                  condition.minDefence);
    for (const SkillPoint& skill : condition.wanted)
        writer.writef("Skill=%u,%d\n", skill.treeId, skill.points);
    writer.write("FixParts=" + fixed.notation() + "\n");
    writer.writef("MaxDisp=%u\nJewel=%d\nExclusiveItem=%d\nExclusiveSkill=%d\nSParts=%d\n", condition.maxResults,
                  condition.useJewels ? 1 : 0, condition.useExcludedItems ? 1 : 0, condition.useExcludedSkills ? 1 : 0,
                  condition.requireSParts ? 1 : 0);
}

// The piece lines of [ExclusiveItem] and [SParts]: "<kind><sex>=<name>".
void writePieces(SafeTextWriter& writer, const SPartSet& set)
{
    for (int part = 0; part < kPartCount; ++part) {
        for (const auto* entry : sortedEntries(set.pieces(static_cast<PartKind>(part)))) {
            requireStorableItemName(entry->second->name);
            writer.writef("%d%d=%s\n", part + 1, entry->second->sex, entry->second->name.c_str());
        }
    }
}

void writeStandingLists(SafeTextWriter& writer, const SearchCondition& condition)
{
    writer.write("[ExclusiveItem]\n");
    writer.writef("Count=%zu\n", condition.excludedItems.total());
    writePieces(writer, condition.excludedItems);
    for (const auto* entry : sortedEntries(condition.excludedItems.jewels())) {
        requireStorableItemName(entry->first);
        writer.write("60=" + entry->first + "\n");
    }

    writer.write("[ExclusiveSkill]\n");
    writer.writef("Count=%zu\n", condition.excludedSkills.total());
    for (const SkillActivation& skill : condition.excludedSkills.entries())
        writer.writef("%u,%d\n", skill.treeId, skill.threshold);

    writer.write("[SParts]\n");
    writer.writef("Count=%zu\n", condition.sParts.total());
    writePieces(writer, condition.sParts);
}

// [NameRank]: "<[DataBase] key>=<rank>" for each item whose name the
// catalogue repeats and whose name alone would find an earlier item, so that
// the reader takes that item (NameRanks). Written only when there is such an
// item: other files keep their bytes, and readers that do not know the
// section skip it.
void writeNameRanks(SafeTextWriter& writer, const ItemNumberTable& table, const MasterData& master)
{
    const NameRanks ranks(master);
    std::vector<std::string> lines;
    char line[64];
    for (int part = 0; part < kPartCount; ++part) {
        for (const auto& [number, piece] : table.pieces(part)) {
            if (const auto rank = ranks.storedPieceRank(part, piece)) {
                std::snprintf(line, sizeof line, "%d%d%d=%u\n", part + 1, piece->sex, number, *rank);
                lines.emplace_back(line);
            }
        }
    }
    for (const auto& [number, jewel] : table.jewels()) {
        if (const auto rank = ranks.storedJewelRank(jewel)) {
            std::snprintf(line, sizeof line, "6%d%d=%u\n", 0, number, *rank);
            lines.emplace_back(line);
        }
    }
    if (lines.empty())
        return;
    writer.write("[NameRank]\n");
    for (const std::string& text : lines)
        writer.write(text);
}

// What NumberedCombination::fromSet gives for the full set of result `index`,
// in the same numbering order, read straight from its record: the writer needs
// no skill totals.
NumberedCombination numberResult(const SearchResultStore& results, int32_t index, ItemNumberTable& table)
{
    const ResultRecord& record = results.record(index);
    if (record.keptWhole())
        return NumberedCombination::fromSet(results.fullSet(index), table);
    NumberedCombination combination;
    std::size_t next = 0;
    for (int holder = 0; holder < ResultRecord::kHolders; ++holder) {
        const uint8_t count = record.jewelCounts[static_cast<std::size_t>(holder)];
        const EquipItem* piece = holder == 0 ? nullptr : record.pieces[static_cast<std::size_t>(holder) - 1];
        if (holder == 0 ? record.weapon != nullptr : piece != nullptr) {
            NumberedEntry& entry = combination.entries[static_cast<std::size_t>(holder)];
            entry.item = holder == 0 ? table.numberWeapon(record.weapon) : table.numberPiece(holder - 1, piece);
            for (uint8_t i = 0; i < count; ++i)
                entry.jewels.push_back(table.numberJewel(results.jewel(record.jewels[next + i])));
        }
        next += count;
    }
    return combination;
}

} // namespace

void writeSearchHistory(SafeTextWriter& writer, const SearchCondition& condition, const SearchResultStore& results,
                        const MasterData& master)
{
    // Number everything first: [DataBase] comes before the sections that use the numbers.
    ItemNumberTable table;
    const NumberedCombination fixed = NumberedCombination::fromSet(condition.fixed, table);
    for (int32_t i = 0; i < results.count(); ++i)
        numberResult(results, i, table);

    writer.writef("Version=%s\n", kVersionText);
    writeDataBase(writer, table);
    writeCondition(writer, condition, fixed);
    writeStandingLists(writer, condition);
    writer.write("[Records]\n");
    writer.writef("Count=%d\n", results.count());
    for (int32_t i = 0; i < results.count(); ++i)
        writer.write(numberResult(results, i, table).notation() + "\n");
    // Options a default search does not use, after everything older readers
    // know; written only when on, so default searches keep their bytes.
    if (condition.usesExactJewels())
        writer.write("[Option]\nExactJewel=1\n");
    writeNameRanks(writer, table, master);
}

void writeConditionSections(SafeTextWriter& writer, const SearchCondition& condition)
{
    ItemNumberTable table;
    const NumberedCombination fixed = NumberedCombination::fromSet(condition.fixed, table);
    writeDataBase(writer, table);
    writeCondition(writer, condition, fixed);
}

bool saveSearchHistory(const UserFolder& folder, const MasterData& master, const SearchCondition& condition,
                       const SearchResultStore& results, const std::string& title, const std::string& comment)
{
    if (const auto refusal = indexTextRefusal(title, comment)) {
        errorReporter().reportMessage(*refusal);
        return false;
    }
    return saveReportingFailures([&] {
        const std::string stamp = formatTimeStamp(localClock().now(), true);
        if (!ensureFolder(folder.historyFolder()))
            return false;
        // The folder stays locked from here to the index's rename: the new file
        // is written and listed by one save at a time.
        SavedFileIndex index = SavedFileIndex::forHistory(folder);
        if (!index.loadForUpdate())
            return false;
        const auto file =
            writeNewUserFile(folder, kStoredHistoryFolder, stamp + "_" + safeFileTitle(title),
                             [&](SafeTextWriter& writer) { writeSearchHistory(writer, condition, results, master); });
        if (!file)
            return false;
        index.append(title, comment, file->stored);
        return savedOrUnlisted(index, *file);
    });
}

} // namespace zeku
