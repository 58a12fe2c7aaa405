#pragma once
// The colours the list views use, named once so every list draws a meaning
// (negative, total, filtered skill, odd row, unchecked) the same way.

#include <QColor>

namespace zeku::colors {

// Text of negative values and bad skills.
inline const QColor kNegativeText = QColor(255, 0, 0);
// Background of total rows and total columns.
inline const QColor kTotalBackground = QColor(192, 255, 192);
// Background of a positive skill whose tree is in the active skill filter.
inline const QColor kFilterSkillBackground = QColor(255, 236, 139);
// Background of odd rows in the item choosers.
inline const QColor kOddRowBackground = QColor(230, 230, 250);
// Text of an unchecked fixed piece.
inline const QColor kUncheckedText = QColor(192, 192, 192);
// The plain cell: black text on white.
inline const QColor kDefaultText = QColor(0, 0, 0);
inline const QColor kDefaultBackground = QColor(255, 255, 255);

} // namespace zeku::colors
