#include "UiFixtures.h"

#include "support/TestSupport.h"

#include <QBrush>

namespace zeku::test {
namespace {

SkillTree tree(uint16_t id, const char* name, std::initializer_list<std::pair<int16_t, const char*>> skills)
{
    SkillTree t;
    t.id = id;
    t.name = sj(name);
    for (const auto& [threshold, skill] : skills)
        t.activations.push_back(SkillActivation{id, threshold, sj(skill)});
    return t;
}

EquipItem piece(const char* name, uint16_t rarity, uint16_t defence, uint16_t slots, uint16_t sex, uint16_t job,
                std::vector<SkillPoint> skills, std::array<int16_t, kElementCount> resistance = {})
{
    EquipItem p;
    p.name = sj(name);
    p.rarity = rarity;
    p.defence = defence;
    p.slots = slots;
    p.sex = sex;
    p.job = job;
    p.skills = std::move(skills);
    p.resistance = resistance;
    return p;
}

Jewel jewel(const char* name, uint16_t rarity, uint16_t slots, std::vector<SkillPoint> skills)
{
    Jewel j;
    j.name = sj(name);
    j.rarity = rarity;
    j.slots = slots;
    j.skills = std::move(skills);
    return j;
}

} // namespace

void buildSampleMaster(MasterData& master)
{
    SkillCatalogue& skills = master.mutableSkills();
    skills.addTree(tree(kAttack, "攻撃", {{10, "攻撃力UP【小】"}, {20, "攻撃力UP【大】"}, {-10, "攻撃力DOWN【小】"}}));
    skills.addTree(tree(kGuard, "防御", {{10, "防御力UP【小】"}, {-5, "防御力DOWN【小】"}}));
    skills.addTree(tree(kFire, "火耐性", {{10, "火耐性+10"}}));
    skills.addTree(tree(kGather, "採取", {}));

    EquipCatalogue& head = master.mutableEquip(PartHead);
    head.addItem(piece("アイアンヘルム", 2, 10, 1, 0, 0, {{kAttack, 2}, {kGuard, -1}}, {1, 0, -2, 0, 0}));
    head.addItem(piece("レザーキャップ", 1, 5, 0, kSexMale, kJobBlade, {{kGuard, 3}}));
    head.addItem(piece("ソウルヘルム", 3, 20, 2, kSexFemale, kJobGunner, {{kAttack, 1}, {kGuard, 1}, {kFire, 2}}));
    head.addItem(piece("ボーンヘルム", 2, 12, 3, 0, 0, {{kAttack, 3}, {kFire, -2}}));
    master.mutableEquip(PartBody).addItem(piece("アイアンメイル", 2, 12, 1, 0, 0, {{kAttack, 2}}, {2, 0, 0, 0, -1}));
    master.mutableEquip(PartArm).addItem(piece("アイアンアーム", 2, 10, 2, 0, 0, {{kGuard, 2}}));
    master.mutableEquip(PartWaist).addItem(piece("アイアンフォールド", 2, 10, 0, 0, 0, {{kAttack, 1}}));
    master.mutableEquip(PartLeg).addItem(piece("アイアングリーヴ", 2, 10, 1, 0, 0, {{kGuard, 1}, {kAttack, 1}}));

    JewelCatalogue& jewels = master.mutableJewels();
    jewels.addItem(jewel("攻撃珠", 1, 1, {{kAttack, 1}, {kGuard, -1}}));
    jewels.addItem(jewel("防御珠", 1, 1, {{kGuard, 1}}));
    jewels.addItem(jewel("火耐珠", 2, 2, {{kFire, 2}}));
    jewels.addItem(jewel("剛力珠", 4, 3, {{kAttack, 4}, {kFire, -1}}));
}

QString cellText(const QAbstractItemView& view, int row, int column)
{
    return view.model()->index(row, column).data(Qt::DisplayRole).toString();
}

namespace {

QColor brushColor(const QVariant& value)
{
    return value.isValid() ? value.value<QBrush>().color() : QColor();
}

} // namespace

QColor cellForeground(const QAbstractItemView& view, int row, int column)
{
    return brushColor(view.model()->index(row, column).data(Qt::ForegroundRole));
}

QColor cellBackground(const QAbstractItemView& view, int row, int column)
{
    return brushColor(view.model()->index(row, column).data(Qt::BackgroundRole));
}

QStringList headers(const QAbstractItemView& view)
{
    QStringList list;
    for (int c = 0; c < view.model()->columnCount(); ++c)
        list << view.model()->headerData(c, Qt::Horizontal).toString();
    return list;
}

QStringList columnTexts(const QAbstractItemView& view, int column)
{
    QStringList list;
    for (int r = 0; r < view.model()->rowCount(); ++r)
        list << cellText(view, r, column);
    return list;
}

} // namespace zeku::test
