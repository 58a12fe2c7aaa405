#pragma once
// Cell texts and comparisons shared by the lists.

#include "data/EquipItem.h"
#include "data/SkillCatalogue.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace zeku {

// "%+d".
QString signedText(int value);
// "%+d", or empty for 0 (resistances).
QString signedTextOrEmpty(int value);
// `mark` written `count` times.
QString repeatedMark(const QString& mark, int count);
// "●" per filled slot followed by "○" per free slot.
QString slotDisplay(int filled, int free);
// The jewels' names joined by ", ".
QString jewelNames(const std::vector<const Jewel*>& jewels);
// Every distinct jewel with its count, "%s%d", in order of first appearance,
// joined by ", ".
QString jewelCounts(const std::vector<const Jewel*>& jewels);
// The tree name followed by the points, "%s%+d"; the name is empty when the
// catalogue has no such tree.
QString skillPointText(const SkillCatalogue& skills, const SkillPoint& point);

// Negative, zero or positive as a < b, a == b, a > b.
constexpr int compareNumbers(long long a, long long b)
{
    return (a > b) - (a < b);
}
// Byte-wise comparison of CP932 texts (bytes as unsigned; a prefix comes first).
int compareNames(const std::string& a, const std::string& b);
// The k-th skill point of two skill lists: an absent one comes before a
// present one, then tree id, then points; 0 when both are absent or equal.
int compareSkillAt(const std::vector<SkillPoint>& a, const std::vector<SkillPoint>& b, int k);

// True when `part` occurs in `text` starting at a character boundary of the
// CP932 text, so that it never matches across the halves of double-byte characters.
bool containsCp932(std::string_view text, std::string_view part);

} // namespace zeku
