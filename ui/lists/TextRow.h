#pragma once
// A row whose cell texts are written when the list is filled, for the small
// fixed lists (one equipment set, its skill totals).

#include <QString>

#include <string>
#include <vector>

namespace zeku {

struct TextRow {
    explicit TextRow(std::size_t columns = 0) : cells(columns) {}

    std::vector<QString> cells;
    bool totals = false; // the totals row of a set
    std::string key; // what the row's right-click command hands over (CP932)
};

} // namespace zeku
