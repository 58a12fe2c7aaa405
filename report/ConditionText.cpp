#include "report/ConditionText.h"

#include "platform/Cp932.h"
#include "report/ReportTexts.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zeku {
namespace {

constexpr const char* kCrLf = "\r\n";
// Width in CP932 bytes of the label column of the skill lines.
constexpr std::size_t kLabelWidth = 14;

struct ConditionTexts {
    std::string basicHeading = utf8ToCp932Lossy("■基本条件");
    std::string unknownJob = utf8ToCp932Lossy("？？？？");
    std::string anyRarity = utf8ToCp932Lossy("レア制限なし");
    std::string rarity = utf8ToCp932Lossy("レア");
    std::string orHigher = utf8ToCp932Lossy("以上");
    std::string orLower = utf8ToCp932Lossy("以下");
    std::string only = utf8ToCp932Lossy("のみ");
    std::array<std::string, 10> digits = {
        utf8ToCp932Lossy("０"), utf8ToCp932Lossy("１"), utf8ToCp932Lossy("２"), utf8ToCp932Lossy("３"),
        utf8ToCp932Lossy("４"), utf8ToCp932Lossy("５"), utf8ToCp932Lossy("６"), utf8ToCp932Lossy("７"),
        utf8ToCp932Lossy("８"), utf8ToCp932Lossy("９"),
    };
    std::string anyDefence = utf8ToCp932Lossy("防御値制限なし");
    std::string defence = utf8ToCp932Lossy("防御値 ");
    std::string jewelsUsed = utf8ToCp932Lossy("装飾品使用");
    std::string jewelsUnused = utf8ToCp932Lossy("装飾品未使用");
    std::string exactJewels = utf8ToCp932Lossy("装飾品全組合せ判定あり");
    std::string itemExclusionOn = utf8ToCp932Lossy("アイテム除外あり");
    std::string itemExclusionOff = utf8ToCp932Lossy("アイテム除外なし");
    std::string skillExclusionOn = utf8ToCp932Lossy("スキル除外あり");
    std::string skillExclusionOff = utf8ToCp932Lossy("スキル除外なし");
    std::string sPartsOn = utf8ToCp932Lossy("Ｓ防具指定あり");
    std::string sPartsOff = utf8ToCp932Lossy("Ｓ防具指定なし");
    std::string maxResults = utf8ToCp932Lossy("最大表示件数 ");
    std::string resultUnit = utf8ToCp932Lossy("件");
    std::string skillHeading = utf8ToCp932Lossy("■スキル");
    std::string fixedHeading = utf8ToCp932Lossy("■固定装備");
    std::string noWeapon = utf8ToCp932Lossy("武器なし");
    std::string excludedItemHeading = utf8ToCp932Lossy("■除外アイテム");
    std::string excludedSkillHeading = utf8ToCp932Lossy("■除外スキル");
    std::string sPartHeading = utf8ToCp932Lossy("■Ｓ防具");
    std::array<std::string, kPartCount> partLabels = {
        utf8ToCp932Lossy("頭"), utf8ToCp932Lossy("胴"), utf8ToCp932Lossy("腕"),
        utf8ToCp932Lossy("腰"), utf8ToCp932Lossy("脚"),
    };
    std::string jewelLabel = utf8ToCp932Lossy("珠");
    std::string colon = utf8ToCp932Lossy("：");
};

const ConditionTexts& texts()
{
    static const ConditionTexts t;
    return t;
}

// Rarity numbers 0 to 9 are one full-width digit; larger numbers, which no
// rarity choice produces, are written in half-width decimal rather than
// reading past the digit table.
std::string rarityNumber(int n)
{
    if (n >= 0 && n <= 9)
        return texts().digits[static_cast<std::size_t>(n)];
    return std::to_string(n);
}

void appendBasicSection(const SearchCondition& c, std::string& out)
{
    const ConditionTexts& t = texts();
    const ReportTexts& r = reportTexts();
    out += t.basicHeading + kCrLf;

    out += c.job == 1 ? r.bladeUser : c.job == 2 ? r.gunner : t.unknownJob;
    out += sexMark(c.sex);
    out += kCrLf;

    const int code = c.rarity;
    if (code == 0)
        out += t.anyRarity;
    else if (code > 100)
        out += t.rarity + rarityNumber(code - 100) + t.orHigher;
    else if (code < 0)
        out += t.rarity + rarityNumber(-code) + t.orLower;
    else
        out += t.rarity + rarityNumber(code) + t.only;
    out += kCrLf;

    if (c.minDefence == 0)
        out += t.anyDefence;
    else
        out += t.defence + std::to_string(c.minDefence) + t.orHigher;
    out += kCrLf;

    out += (c.useJewels ? t.jewelsUsed : t.jewelsUnused) + kCrLf;
    // Only searches that judge jewels by every placement get this line, so
    // every other condition reads as it always has.
    if (c.useJewels && c.exactJewels)
        out += t.exactJewels + kCrLf;
    out += (c.useExcludedItems ? t.itemExclusionOn : t.itemExclusionOff) + kCrLf;
    out += (c.useExcludedSkills ? t.skillExclusionOn : t.skillExclusionOff) + kCrLf;
    out += (c.requireSParts ? t.sPartsOn : t.sPartsOff) + kCrLf;
    out += t.maxResults + std::to_string(c.maxResults) + t.resultUnit + kCrLf;
}

std::string treeNameOf(const SkillCatalogue& skills, uint16_t treeId)
{
    const std::string* name = skills.treeName(treeId);
    return name ? *name : std::string();
}

// One "%-14s%s" line: a label in the padded column, then the activated skill.
void appendSkillLine(std::string& out, const std::string& label, const std::string& skillName)
{
    appendPadded(out, label, kLabelWidth);
    out += skillName;
    out += kCrLf;
}

void appendWantedSkills(const SearchCondition& c, const SkillCatalogue& skills, std::string& out)
{
    out += kCrLf + texts().skillHeading + kCrLf;
    for (const SkillPoint& wanted : c.wanted) {
        const std::string label = treeNameOf(skills, wanted.treeId) + signedNumber(wanted.points);
        appendSkillLine(out, label, skills.activatedSkillName(wanted.treeId, wanted.points));
    }
}

// "name　jewel, jewel" for a holder with its fixed jewels.
void appendHolderLine(std::string& out, const std::string& name, const JewelSlots& slots)
{
    out += name;
    out += reportTexts().fullWidthSpace;
    for (std::size_t i = 0; i < slots.jewels.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += slots.jewels[i]->name;
    }
    out += kCrLf;
}

void appendFixedSection(const SearchCondition& c, std::string& out)
{
    const ConditionTexts& t = texts();
    out += kCrLf + t.fixedHeading + kCrLf;
    const EquipSet& fixed = c.fixed;
    bool anyFixed = fixed.weapon() != nullptr;
    for (int part = 0; part < kPartCount; ++part)
        anyFixed = anyFixed || fixed.piece(part) != nullptr;
    if (!anyFixed) {
        out += reportTexts().none + kCrLf;
        return;
    }
    if (fixed.weapon())
        appendHolderLine(out, fixed.weapon()->name, fixed.weaponSlots());
    else
        out += t.noWeapon + kCrLf;
    for (int part = 0; part < kPartCount; ++part) {
        if (const EquipItem* piece = fixed.piece(part))
            appendHolderLine(out, piece->name, fixed.pieceSlots(part));
        else
            out += reportTexts().none + kCrLf;
    }
}

template <typename Map>
std::vector<typename Map::const_iterator> sortedByKey(const Map& map)
{
    std::vector<typename Map::const_iterator> entries;
    entries.reserve(map.size());
    for (auto it = map.begin(); it != map.end(); ++it)
        entries.push_back(it);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a->first < b->first; });
    return entries;
}

// "(count)" after a list heading, then "なし" when the list is empty.
bool appendCountLine(std::string& out, const std::string& heading, std::size_t count)
{
    out += kCrLf + heading + "(" + std::to_string(count) + ")" + kCrLf;
    if (count == 0) {
        out += reportTexts().none + kCrLf;
        return false;
    }
    return true;
}

void appendPieceLines(const SPartSet& set, std::string& out)
{
    const ConditionTexts& t = texts();
    for (int part = 0; part < kPartCount; ++part) {
        for (const auto& entry : sortedByKey(set.pieces(static_cast<PartKind>(part)))) {
            const EquipItem& piece = *entry->second;
            out += t.partLabels[static_cast<std::size_t>(part)] + t.colon + piece.name + sexMark(piece.sex) + kCrLf;
        }
    }
}

void appendExcludedItems(const ExclusionSet& set, std::string& out)
{
    if (!appendCountLine(out, texts().excludedItemHeading, set.total()))
        return;
    appendPieceLines(set, out);
    for (const auto& entry : sortedByKey(set.jewels()))
        out += texts().jewelLabel + texts().colon + entry->first + kCrLf;
}

void appendExcludedSkills(const ExcludedSkillList& list, const SkillCatalogue& skills, std::string& out)
{
    if (!appendCountLine(out, texts().excludedSkillHeading, list.total()))
        return;
    for (const SkillActivation& entry : list.entries())
        appendSkillLine(out, treeNameOf(skills, entry.treeId),
                        skills.activatedSkillName(entry.treeId, entry.threshold));
}

void appendSParts(const SPartSet& set, std::string& out)
{
    if (!appendCountLine(out, texts().sPartHeading, set.total()))
        return;
    appendPieceLines(set, out);
}

} // namespace

void appendConditionText(const SearchCondition& condition, const SkillCatalogue& skills, std::string& out)
{
    appendBasicSection(condition, out);
    appendWantedSkills(condition, skills, out);
    appendFixedSection(condition, out);
    if (condition.useExcludedItems)
        appendExcludedItems(condition.excludedItems, out);
    if (condition.useExcludedSkills)
        appendExcludedSkills(condition.excludedSkills, skills, out);
    if (condition.requireSParts)
        appendSParts(condition.sParts, out);
}

} // namespace zeku
