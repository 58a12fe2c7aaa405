#include "ui/platform/WindowConditionText.h"

#include "platform/Cp932.h"
#include "ui/platform/TextConvert.h"

#include <QCoreApplication>

namespace zeku {

namespace {

// The core's words are CP932, as the data names they sit beside.
std::string cp932(const QString& text)
{
    return utf8ToCp932Lossy(text.toStdString());
}

} // namespace

ConditionWords windowConditionWords()
{
    // Every text is written out in a translate call so that lupdate finds it;
    // the patterns keep their %1 and %2 for the core to fill in.
    ConditionWords w;
    w.basicHeading = cp932(QCoreApplication::translate("zeku::ConditionText", "■基本条件"));
    w.bladeUser = cp932(QCoreApplication::translate("zeku::ConditionText", "剣士"));
    w.gunner = cp932(QCoreApplication::translate("zeku::ConditionText", "ガンナー"));
    //: The class of a condition that has none.
    w.unknownJob = cp932(QCoreApplication::translate("zeku::ConditionText", "？？？？"));
    //: After the class and after a piece's name.
    w.maleMark = cp932(QCoreApplication::translate("zeku::ConditionText", "(男)"));
    w.femaleMark = cp932(QCoreApplication::translate("zeku::ConditionText", "(女)"));
    w.anyRarity = cp932(QCoreApplication::translate("zeku::ConditionText", "レア制限なし"));
    //: %1 is the rarity.
    w.rarityOrHigher = cp932(QCoreApplication::translate("zeku::ConditionText", "レア%1以上"));
    w.rarityOrLower = cp932(QCoreApplication::translate("zeku::ConditionText", "レア%1以下"));
    w.rarityOnly = cp932(QCoreApplication::translate("zeku::ConditionText", "レア%1のみ"));
    //: The ten digits a rarity and a weapon's slot count are written with, 0 to 9.
    const QString digits = QCoreApplication::translate("zeku::ConditionText", "０１２３４５６７８９");
    w.digits = japaneseConditionWords().digits;
    if (digits.size() == 10)
        for (qsizetype i = 0; i < 10; ++i)
            w.digits[static_cast<std::size_t>(i)] = cp932(digits.mid(i, 1));
    w.anyDefence = cp932(QCoreApplication::translate("zeku::ConditionText", "防御値制限なし"));
    //: %1 is the defence.
    w.defenceOrHigher = cp932(QCoreApplication::translate("zeku::ConditionText", "防御値 %1以上"));
    w.jewelsUsed = cp932(QCoreApplication::translate("zeku::ConditionText", "装飾品使用"));
    w.jewelsUnused = cp932(QCoreApplication::translate("zeku::ConditionText", "装飾品未使用"));
    w.exactJewels = cp932(QCoreApplication::translate("zeku::ConditionText", "装飾品全組合せ判定あり"));
    w.itemExclusionOn = cp932(QCoreApplication::translate("zeku::ConditionText", "アイテム除外あり"));
    w.itemExclusionOff = cp932(QCoreApplication::translate("zeku::ConditionText", "アイテム除外なし"));
    w.skillExclusionOn = cp932(QCoreApplication::translate("zeku::ConditionText", "スキル除外あり"));
    w.skillExclusionOff = cp932(QCoreApplication::translate("zeku::ConditionText", "スキル除外なし"));
    w.sPartsOn = cp932(QCoreApplication::translate("zeku::ConditionText", "Ｓ防具指定あり"));
    w.sPartsOff = cp932(QCoreApplication::translate("zeku::ConditionText", "Ｓ防具指定なし"));
    //: %1 is the greatest number of results the search shows.
    w.maxResults = cp932(QCoreApplication::translate("zeku::ConditionText", "最大表示件数 %1件"));
    w.skillHeading = cp932(QCoreApplication::translate("zeku::ConditionText", "■スキル"));
    w.fixedHeading = cp932(QCoreApplication::translate("zeku::ConditionText", "■固定装備"));
    w.none = cp932(QCoreApplication::translate("zeku::ConditionText", "なし"));
    w.noWeapon = cp932(QCoreApplication::translate("zeku::ConditionText", "武器なし"));
    //: A fixed weapon: %1 is its number of slots.
    w.weaponSlots = cp932(QCoreApplication::translate("zeku::ConditionText", "武器スロット%1"));
    //: A fixed weapon or piece (%1) and its jewels (%2, may be empty).
    w.holderLine = cp932(QCoreApplication::translate("zeku::ConditionText", "%1　%2"));
    w.excludedItemHeading = cp932(QCoreApplication::translate("zeku::ConditionText", "■除外アイテム"));
    w.excludedSkillHeading = cp932(QCoreApplication::translate("zeku::ConditionText", "■除外スキル"));
    w.sPartHeading = cp932(QCoreApplication::translate("zeku::ConditionText", "■Ｓ防具"));
    w.partLabels = {
        cp932(QCoreApplication::translate("zeku::ConditionText", "頭")),
        cp932(QCoreApplication::translate("zeku::ConditionText", "胴")),
        cp932(QCoreApplication::translate("zeku::ConditionText", "腕")),
        cp932(QCoreApplication::translate("zeku::ConditionText", "腰")),
        cp932(QCoreApplication::translate("zeku::ConditionText", "脚")),
    };
    w.jewelLabel = cp932(QCoreApplication::translate("zeku::ConditionText", "珠"));
    //: A part (or jewel) label (%1) and the name of an excluded or S item (%2).
    w.listLine = cp932(QCoreApplication::translate("zeku::ConditionText", "%1：%2"));
    return w;
}

QString windowConditionText(const SearchCondition& condition, const SkillCatalogue& skills)
{
    std::string text;
    appendConditionText(condition, skills, windowConditionWords(), text);
    return toQString(text);
}

} // namespace zeku
