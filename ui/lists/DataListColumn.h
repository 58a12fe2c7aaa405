#pragma once
// One view column of a data list: what it is called, how it is laid out, and
// the three suppliers that give a cell its text, its colours and its order.

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>

namespace zeku {

// Text and background colour of one cell.
struct CellColors {
    QColor text;
    QColor background;
};

// The part of a column the view needs, whatever the list shows.
struct DataListColumnInfo {
    uint32_t group = 0; // the column-group bit that created the column
    int firstColumn = 0; // view index of the group's first column; sub-index = column - firstColumn
    int width = 0; // pixels
    Qt::Alignment alignment = Qt::AlignLeft;
    QString header;
    // Says what a short header counts; empty for none.
    QString toolTip;
};

// A column over entries of type `Entry` (the element type of the shown array).
template <typename Entry>
struct DataListColumn : DataListColumnInfo {
    // The cell text of `entry` at `subIndex`; empty for an empty cell.
    std::function<QString(const Entry& entry, int subIndex)> text;
    // May overwrite the colours of the cell; absent when the column has none.
    std::function<void(const Entry& entry, int subIndex, CellColors& colors)> colors;
    // Ascending order of two entries (negative, zero, positive); absent when
    // the column does not sort.
    std::function<int(const Entry& a, const Entry& b, int subIndex)> comparer;
};

} // namespace zeku
