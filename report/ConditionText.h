#pragma once
// A search condition as plain text, section by section, for the condition
// confirmation and progress windows, the history files and zeku-data.

#include "data/SkillCatalogue.h"
#include "search/SearchCondition.h"

#include <array>
#include <string>

namespace zeku {

// The fixed words of the condition text, in the text's encoding (CP932). The
// text is part of the files and the command-line output, which always use
// japaneseConditionWords(); a window passes the words of its own language.
// In a pattern "%1" and "%2" stand for the values named beside it; any other
// "%" is kept as it is. Tree, skill, piece and jewel names are data and never
// pass through these words.
struct ConditionWords {
    std::string basicHeading; // "■基本条件"
    std::string bladeUser; // "剣士"
    std::string gunner; // "ガンナー"
    std::string unknownJob; // "？？？？"
    std::string maleMark; // "(男)", after the job and after a piece name
    std::string femaleMark; // "(女)"
    std::string anyRarity; // "レア制限なし"
    std::string rarityOrHigher; // "レア%1以上", %1 the rarity
    std::string rarityOrLower; // "レア%1以下"
    std::string rarityOnly; // "レア%1のみ"
    // The digits of a rarity and of a weapon's slot count (one digit each).
    std::array<std::string, 10> digits;
    std::string anyDefence; // "防御値制限なし"
    std::string defenceOrHigher; // "防御値 %1以上", %1 the defence
    std::string jewelsUsed; // "装飾品使用"
    std::string jewelsUnused; // "装飾品未使用"
    std::string exactJewels; // "装飾品全組合せ判定あり"
    std::string itemExclusionOn; // "アイテム除外あり"
    std::string itemExclusionOff; // "アイテム除外なし"
    std::string skillExclusionOn; // "スキル除外あり"
    std::string skillExclusionOff; // "スキル除外なし"
    std::string sPartsOn; // "Ｓ防具指定あり"
    std::string sPartsOff; // "Ｓ防具指定なし"
    std::string maxResults; // "最大表示件数 %1件", %1 the number
    std::string skillHeading; // "■スキル"
    std::string fixedHeading; // "■固定装備"
    std::string none; // "なし"
    std::string noWeapon; // "武器なし"
    // A fixed weapon, %1 its slot count. Empty: the weapon's own name
    // ("武器スロット２"), as the files write it.
    std::string weaponSlots;
    std::string holderLine; // "%1　%2": a fixed weapon or piece, then its jewels
    std::string excludedItemHeading; // "■除外アイテム"
    std::string excludedSkillHeading; // "■除外スキル"
    std::string sPartHeading; // "■Ｓ防具"
    std::array<std::string, kPartCount> partLabels; // "頭" "胴" "腕" "腰" "脚"
    std::string jewelLabel; // "珠"
    std::string listLine; // "%1：%2": a part label, then a name
};

// The Japanese words of the files and the command line. Built on first use,
// never changed; safe from any thread after the first call returned.
const ConditionWords& japaneseConditionWords();

// Appends the description of `condition` to `out` (CP932, every line ended by
// CR LF). Tree and skill names come from `skills`. The entries of a part map
// of the exclusion and S-part sets are listed in byte order of their item keys
// so that the same condition always gives the same text. The lines are the
// same whatever `words` say; only their fixed words change.
void appendConditionText(const SearchCondition& condition, const SkillCatalogue& skills, const ConditionWords& words,
                         std::string& out);

// The same in the Japanese words of the files and the command line.
void appendConditionText(const SearchCondition& condition, const SkillCatalogue& skills, std::string& out);

} // namespace zeku
