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

// Replaces "%1" and "%2" in `pattern` by `first` and `second` in one pass, so
// that a name holding "%2" is never taken for a placeholder.
std::string fillIn(const std::string& pattern, const std::string& first, const std::string& second = {})
{
    std::string out;
    out.reserve(pattern.size() + first.size() + second.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

ConditionWords makeJapaneseWords()
{
    const ReportTexts& r = reportTexts();
    ConditionWords w;
    w.basicHeading = utf8ToCp932Lossy("■基本条件");
    w.bladeUser = r.bladeUser;
    w.gunner = r.gunner;
    w.unknownJob = utf8ToCp932Lossy("？？？？");
    w.maleMark = r.maleMark;
    w.femaleMark = r.femaleMark;
    w.anyRarity = utf8ToCp932Lossy("レア制限なし");
    w.rarityOrHigher = utf8ToCp932Lossy("レア%1以上");
    w.rarityOrLower = utf8ToCp932Lossy("レア%1以下");
    w.rarityOnly = utf8ToCp932Lossy("レア%1のみ");
    w.digits = {
        utf8ToCp932Lossy("０"), utf8ToCp932Lossy("１"), utf8ToCp932Lossy("２"), utf8ToCp932Lossy("３"),
        utf8ToCp932Lossy("４"), utf8ToCp932Lossy("５"), utf8ToCp932Lossy("６"), utf8ToCp932Lossy("７"),
        utf8ToCp932Lossy("８"), utf8ToCp932Lossy("９"),
    };
    w.anyDefence = utf8ToCp932Lossy("防御値制限なし");
    w.defenceOrHigher = utf8ToCp932Lossy("防御値 %1以上");
    w.jewelsUsed = utf8ToCp932Lossy("装飾品使用");
    w.jewelsUnused = utf8ToCp932Lossy("装飾品未使用");
    w.exactJewels = utf8ToCp932Lossy("装飾品全組合せ判定あり");
    w.itemExclusionOn = utf8ToCp932Lossy("アイテム除外あり");
    w.itemExclusionOff = utf8ToCp932Lossy("アイテム除外なし");
    w.skillExclusionOn = utf8ToCp932Lossy("スキル除外あり");
    w.skillExclusionOff = utf8ToCp932Lossy("スキル除外なし");
    w.sPartsOn = utf8ToCp932Lossy("Ｓ防具指定あり");
    w.sPartsOff = utf8ToCp932Lossy("Ｓ防具指定なし");
    w.maxResults = utf8ToCp932Lossy("最大表示件数 %1件");
    w.skillHeading = utf8ToCp932Lossy("■スキル");
    w.fixedHeading = utf8ToCp932Lossy("■固定装備");
    w.none = r.none;
    w.noWeapon = utf8ToCp932Lossy("武器なし");
    w.holderLine = "%1" + r.fullWidthSpace + "%2";
    w.excludedItemHeading = utf8ToCp932Lossy("■除外アイテム");
    w.excludedSkillHeading = utf8ToCp932Lossy("■除外スキル");
    w.sPartHeading = utf8ToCp932Lossy("■Ｓ防具");
    w.partLabels = {
        utf8ToCp932Lossy("頭"), utf8ToCp932Lossy("胴"), utf8ToCp932Lossy("腕"),
        utf8ToCp932Lossy("腰"), utf8ToCp932Lossy("脚"),
    };
    w.jewelLabel = utf8ToCp932Lossy("珠");
    w.listLine = utf8ToCp932Lossy("%1：%2");
    return w;
}

const std::string& sexMarkOf(const ConditionWords& w, uint16_t sex)
{
    static const std::string empty;
    return sex == kSexMale ? w.maleMark : sex == kSexFemale ? w.femaleMark : empty;
}

// Rarity numbers 0 to 9 are one digit of the words' table (full width in
// Japanese); larger numbers, which no rarity choice produces, are written in
// half-width decimal rather than reading past the digit table.
std::string digitNumber(const ConditionWords& w, int n)
{
    if (n >= 0 && n <= 9)
        return w.digits[static_cast<std::size_t>(n)];
    return std::to_string(n);
}

void appendLine(std::string& out, const std::string& line)
{
    out += line;
    out += kCrLf;
}

void appendBasicSection(const SearchCondition& c, const ConditionWords& w, std::string& out)
{
    appendLine(out, w.basicHeading);
    const std::string& job = c.job == kJobBlade ? w.bladeUser : c.job == kJobGunner ? w.gunner : w.unknownJob;
    appendLine(out, job + sexMarkOf(w, c.sex));

    const RarityWish rarity = rarityWish(c.rarity);
    switch (rarity.bound) {
    case RarityBound::Any:
        appendLine(out, w.anyRarity);
        break;
    case RarityBound::AtLeast:
        appendLine(out, fillIn(w.rarityOrHigher, digitNumber(w, rarity.rarity)));
        break;
    case RarityBound::AtMost:
        appendLine(out, fillIn(w.rarityOrLower, digitNumber(w, rarity.rarity)));
        break;
    case RarityBound::Only:
        appendLine(out, fillIn(w.rarityOnly, digitNumber(w, rarity.rarity)));
        break;
    }

    appendLine(out, c.minDefence == 0 ? w.anyDefence : fillIn(w.defenceOrHigher, std::to_string(c.minDefence)));
    appendLine(out, c.useJewels ? w.jewelsUsed : w.jewelsUnused);
    // Only searches that judge jewels by every placement get this line, so
    // every other condition reads as it always has.
    if (c.usesExactJewels())
        appendLine(out, w.exactJewels);
    appendLine(out, c.useExcludedItems ? w.itemExclusionOn : w.itemExclusionOff);
    appendLine(out, c.useExcludedSkills ? w.skillExclusionOn : w.skillExclusionOff);
    appendLine(out, c.requireSParts ? w.sPartsOn : w.sPartsOff);
    appendLine(out, fillIn(w.maxResults, std::to_string(c.maxResults)));
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

void appendWantedSkills(const SearchCondition& c, const SkillCatalogue& skills, const ConditionWords& w,
                        std::string& out)
{
    out += kCrLf;
    appendLine(out, w.skillHeading);
    for (const SkillPoint& wanted : c.wanted) {
        const std::string label = treeNameOf(skills, wanted.treeId) + signedNumber(wanted.points);
        appendSkillLine(out, label, skills.activatedSkillName(wanted.treeId, wanted.points));
    }
}

// "name　jewel, jewel" for a holder with its fixed jewels.
void appendHolderLine(std::string& out, const ConditionWords& w, const std::string& name, const JewelSlots& slots)
{
    std::string jewels;
    for (std::size_t i = 0; i < slots.jewels.size(); ++i) {
        if (i > 0)
            jewels += ", ";
        jewels += slots.jewels[i]->name;
    }
    appendLine(out, fillIn(w.holderLine, name, jewels));
}

void appendFixedSection(const SearchCondition& c, const ConditionWords& w, std::string& out)
{
    out += kCrLf;
    appendLine(out, w.fixedHeading);
    const EquipSet& fixed = c.fixed;
    bool anyFixed = fixed.weapon() != nullptr;
    for (int part = 0; part < kPartCount; ++part)
        anyFixed = anyFixed || fixed.piece(part) != nullptr;
    if (!anyFixed) {
        appendLine(out, w.none);
        return;
    }
    if (const WeaponSlotItem* weapon = fixed.weapon()) {
        const std::string name =
            w.weaponSlots.empty() ? weapon->name : fillIn(w.weaponSlots, digitNumber(w, weapon->slots));
        appendHolderLine(out, w, name, fixed.weaponSlots());
    } else {
        appendLine(out, w.noWeapon);
    }
    for (int part = 0; part < kPartCount; ++part) {
        if (const EquipItem* piece = fixed.piece(part))
            appendHolderLine(out, w, piece->name, fixed.pieceSlots(part));
        else
            appendLine(out, w.none);
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
bool appendCountLine(std::string& out, const ConditionWords& w, const std::string& heading, std::size_t count)
{
    out += kCrLf;
    appendLine(out, heading + "(" + std::to_string(count) + ")");
    if (count == 0) {
        appendLine(out, w.none);
        return false;
    }
    return true;
}

void appendPieceLines(const SPartSet& set, const ConditionWords& w, std::string& out)
{
    for (int part = 0; part < kPartCount; ++part) {
        for (const auto& entry : sortedByKey(set.pieces(static_cast<PartKind>(part)))) {
            const EquipItem& piece = *entry->second;
            appendLine(out, fillIn(w.listLine, w.partLabels[static_cast<std::size_t>(part)],
                                   piece.name + sexMarkOf(w, piece.sex)));
        }
    }
}

void appendExcludedItems(const ExclusionSet& set, const ConditionWords& w, std::string& out)
{
    if (!appendCountLine(out, w, w.excludedItemHeading, set.total()))
        return;
    appendPieceLines(set, w, out);
    for (const auto& entry : sortedByKey(set.jewels()))
        appendLine(out, fillIn(w.listLine, w.jewelLabel, entry->first));
}

void appendExcludedSkills(const ExcludedSkillList& list, const SkillCatalogue& skills, const ConditionWords& w,
                          std::string& out)
{
    if (!appendCountLine(out, w, w.excludedSkillHeading, list.total()))
        return;
    for (const SkillActivation& entry : list.entries())
        appendSkillLine(out, treeNameOf(skills, entry.treeId),
                        skills.activatedSkillName(entry.treeId, entry.threshold));
}

void appendSParts(const SPartSet& set, const ConditionWords& w, std::string& out)
{
    if (!appendCountLine(out, w, w.sPartHeading, set.total()))
        return;
    appendPieceLines(set, w, out);
}

} // namespace

const ConditionWords& japaneseConditionWords()
{
    static const ConditionWords words = makeJapaneseWords();
    return words;
}

void appendConditionText(const SearchCondition& condition, const SkillCatalogue& skills, const ConditionWords& words,
                         std::string& out)
{
    appendBasicSection(condition, words, out);
    appendWantedSkills(condition, skills, words, out);
    appendFixedSection(condition, words, out);
    if (condition.useExcludedItems)
        appendExcludedItems(condition.excludedItems, words, out);
    if (condition.useExcludedSkills)
        appendExcludedSkills(condition.excludedSkills, skills, words, out);
    if (condition.requireSParts)
        appendSParts(condition.sParts, words, out);
}

void appendConditionText(const SearchCondition& condition, const SkillCatalogue& skills, std::string& out)
{
    appendConditionText(condition, skills, japaneseConditionWords(), out);
}

} // namespace zeku
