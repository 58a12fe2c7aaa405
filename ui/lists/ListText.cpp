#include "ui/lists/ListText.h"

#include "platform/Cp932.h"
#include "ui/platform/TextConvert.h"

#include <algorithm>
#include <utility>

namespace zeku {

QString signedText(int value)
{
    return QString::asprintf("%+d", value);
}

QString signedTextOrEmpty(int value)
{
    return value == 0 ? QString() : signedText(value);
}

QString repeatedMark(const QString& mark, int count)
{
    return count > 0 ? mark.repeated(count) : QString();
}

QString slotDisplay(int filled, int free)
{
    return repeatedMark(QStringLiteral("●"), filled) + repeatedMark(QStringLiteral("○"), free);
}

QString jewelNames(const std::vector<const Jewel*>& jewels)
{
    QString text;
    for (const Jewel* jewel : jewels) {
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        text += toQString(jewel->name);
    }
    return text;
}

QString jewelCounts(const std::vector<const Jewel*>& jewels)
{
    std::vector<std::pair<const Jewel*, int>> counts;
    for (const Jewel* jewel : jewels) {
        auto it = std::find_if(counts.begin(), counts.end(), [&](const auto& c) { return c.first == jewel; });
        if (it == counts.end())
            counts.emplace_back(jewel, 1);
        else
            ++it->second;
    }
    QString text;
    for (const auto& [jewel, n] : counts) {
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        text += toQString(jewel->name) + QString::number(n);
    }
    return text;
}

QString skillPointText(const SkillCatalogue& skills, const SkillPoint& point)
{
    const std::string* name = skills.treeName(point.treeId);
    return (name ? toQString(*name) : QString()) + signedText(point.points);
}

int compareNames(const std::string& a, const std::string& b)
{
    const int c = a.compare(b); // char_traits<char>::compare compares as unsigned char
    return (c > 0) - (c < 0);
}

int compareSkillAt(const std::vector<SkillPoint>& a, const std::vector<SkillPoint>& b, int k)
{
    const std::size_t i = static_cast<std::size_t>(k);
    const bool hasA = i < a.size();
    const bool hasB = i < b.size();
    if (!hasA || !hasB)
        return compareNumbers(hasA, hasB);
    if (int c = compareNumbers(a[i].treeId, b[i].treeId))
        return c;
    return compareNumbers(a[i].points, b[i].points);
}

bool containsCp932(std::string_view text, std::string_view part)
{
    if (part.empty())
        return true;
    for (std::size_t pos = 0; pos + part.size() <= text.size(); pos += cp932CharLength(text, pos)) {
        if (text.compare(pos, part.size(), part) == 0)
            return true;
    }
    return false;
}

} // namespace zeku
