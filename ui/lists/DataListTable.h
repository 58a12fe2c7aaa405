#pragma once
// The column table and the shown array of one data list. The view reads rows
// from here on demand through DataListSource; nothing is copied into items.

#include "ui/lists/DataListColumn.h"
#include "ui/lists/DataListSort.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace zeku {

// What a data list's view asks of its table, independent of the entry type.
class DataListSource {
public:
    virtual ~DataListSource() = default;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual const DataListColumnInfo& columnInfo(int column) const = 0;
    virtual QString text(int row, int column) const = 0;
    // Lets the column's colour supplier, if any, change `colors`.
    virtual void applyColors(int row, int column, CellColors& colors) const = 0;
    virtual bool hasComparer(int column) const = 0;
    // Sorts the shown array by `column`, comparer results multiplied by `direction`.
    virtual void sortByColumn(int column, int direction) = 0;
    // Reverses the shown array in place, without comparing.
    virtual void reverseRows() = 0;
    // The entry of `row` as an identity that survives reordering.
    virtual const void* identity(int row) const = 0;
};

template <typename Entry>
class DataListTable final : public DataListSource {
public:
    using Column = DataListColumn<Entry>;
    using IdentityFn = const void* (*)(const Entry&);

    // `identityOf` may be left out when the entry is a pointer (the pointer is
    // its identity) or when the list never sorts.
    explicit DataListTable(IdentityFn identityOf = nullptr) : m_identityOf(identityOf) {}

    // The shown array, in display order: row i of the view is element i.
    std::vector<Entry>& rows() { return m_rows; }
    const std::vector<Entry>& rows() const { return m_rows; }
    const std::vector<Column>& columns() const { return m_columns; }

    // Drops every column (before the columns are inserted again).
    void clearColumns() { m_columns.clear(); }
    // Starts a column group: the following columns share its bit and first column.
    void beginGroup(uint32_t group)
    {
        m_group = group;
        m_groupFirst = static_cast<int>(m_columns.size());
    }
    // Appends a column to the current group and returns it for its suppliers.
    Column& addColumn(const QString& header, Qt::Alignment alignment, int width)
    {
        Column c;
        c.group = m_group;
        c.firstColumn = m_groupFirst;
        c.header = header;
        c.alignment = alignment;
        c.width = width;
        m_columns.push_back(std::move(c));
        return m_columns.back();
    }

    // When every comparer of the list orders all entries strictly (a unique
    // last key such as the result number), any correct sort gives the same
    // order, and an O(n log n) one is used so that long lists that are
    // already partly ordered sort quickly.
    void setStrictOrder(bool strict) { m_strictOrder = strict; }

    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    int columnCount() const override { return static_cast<int>(m_columns.size()); }
    const DataListColumnInfo& columnInfo(int column) const override { return m_columns[column]; }

    QString text(int row, int column) const override
    {
        const Column& c = m_columns[column];
        return c.text ? c.text(m_rows[row], column - c.firstColumn) : QString();
    }
    void applyColors(int row, int column, CellColors& colors) const override
    {
        const Column& c = m_columns[column];
        if (c.colors)
            c.colors(m_rows[row], column - c.firstColumn, colors);
    }
    bool hasComparer(int column) const override { return static_cast<bool>(m_columns[column].comparer); }

    void sortByColumn(int column, int direction) override
    {
        const Column& c = m_columns[column];
        const int sub = column - c.firstColumn;
        auto compare = [&](const Entry& a, const Entry& b) { return direction * c.comparer(a, b, sub); };
        if (m_strictOrder)
            std::sort(m_rows.begin(), m_rows.end(), [&](const Entry& a, const Entry& b) { return compare(a, b) < 0; });
        else
            quickSortEntries(m_rows, compare);
    }
    void reverseRows() override { std::reverse(m_rows.begin(), m_rows.end()); }

    const void* identity(int row) const override
    {
        if (m_identityOf)
            return m_identityOf(m_rows[row]);
        if constexpr (std::is_pointer_v<Entry>)
            return m_rows[row];
        else
            return nullptr;
    }

private:
    std::vector<Column> m_columns;
    std::vector<Entry> m_rows;
    IdentityFn m_identityOf;
    uint32_t m_group = 0;
    int m_groupFirst = 0;
    bool m_strictOrder = false;
};

} // namespace zeku
