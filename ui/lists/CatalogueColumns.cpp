#include "ui/lists/CatalogueColumns.h"

#include "ui/lists/ListText.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"

#include <QCoreApplication>
#include <algorithm>

namespace zeku {

using Entry = const ListEntry*;

CellColors oddRowShadedColors(int row)
{
    return CellColors{colors::kDefaultText, row % 2 ? colors::kOddRowBackground : colors::kDefaultBackground};
}

int compareRarityThenName(const ListEntry& a, const ListEntry& b)
{
    if (int c = compareNumbers(a.rarity(), b.rarity()))
        return c;
    return compareNames(a.name(), b.name());
}

int compareFirstSkillThenName(const ListEntry& a, const ListEntry& b)
{
    if (int c = compareSkillAt(a.skills(), b.skills(), 0))
        return c;
    return compareNames(a.name(), b.name());
}

void addRarityColumn(EntryTable& table)
{
    table.beginGroup(kGroupRarity);
    auto& column = table.addColumn(QCoreApplication::translate("zeku::CatalogueColumns", "ﾚｱ"), Qt::AlignRight, 30);
    column.text = [](const Entry& e, int) { return QString::number(e->rarity()); };
    column.comparer = [](const Entry& a, const Entry& b, int) { return compareRarityThenName(*a, *b); };
}

void addNameColumn(EntryTable& table, int width)
{
    table.beginGroup(kGroupName);
    auto& column = table.addColumn(QCoreApplication::translate("zeku::CatalogueColumns", "名称"), Qt::AlignLeft, width);
    column.text = [](const Entry& e, int) { return toQString(e->name()); };
    column.comparer = [](const Entry& a, const Entry& b, int) { return compareNames(a->name(), b->name()); };
}

void addSlotColumn(EntryTable& table, const QString& mark)
{
    table.beginGroup(kGroupSlots);
    auto& column = table.addColumn(QCoreApplication::translate("zeku::CatalogueColumns", "ｽﾛｯﾄ"), Qt::AlignLeft, 60);
    column.text = [mark](const Entry& e, int) { return repeatedMark(mark, e->slots()); };
    column.comparer = [](const Entry& a, const Entry& b, int) {
        if (int c = compareNumbers(a->slots(), b->slots()))
            return c;
        return compareNames(a->name(), b->name());
    };
}

void addSkillColumns(EntryTable& table, int count, const SkillCatalogue& skills,
                     const std::vector<uint16_t>* filterTrees)
{
    table.beginGroup(kGroupSkills);
    for (int k = 0; k < count; ++k) {
        auto& column = table.addColumn(QCoreApplication::translate("zeku::CatalogueColumns", "ｽｷﾙ%1").arg(k + 1),
                                       Qt::AlignLeft, 110);
        column.text = [&skills](const Entry& e, int sub) {
            const std::vector<SkillPoint>& points = e->skills();
            const std::size_t i = static_cast<std::size_t>(sub);
            return i < points.size() ? skillPointText(skills, points[i]) : QString();
        };
        column.colors = [filterTrees](const Entry& e, int sub, CellColors& colors) {
            const std::vector<SkillPoint>& points = e->skills();
            const std::size_t i = static_cast<std::size_t>(sub);
            if (i >= points.size())
                return;
            if (points[i].points < 0)
                colors.text = colors::kNegativeText;
            else if (points[i].points > 0 && filterTrees &&
                     std::find(filterTrees->begin(), filterTrees->end(), points[i].treeId) != filterTrees->end())
                colors.background = colors::kFilterSkillBackground;
        };
        column.comparer = [](const Entry& a, const Entry& b, int sub) {
            if (int c = compareSkillAt(a->skills(), b->skills(), sub))
                return c;
            return compareNames(a->name(), b->name());
        };
    }
}

} // namespace zeku
