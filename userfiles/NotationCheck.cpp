#include "userfiles/NotationCheck.h"

#include "userfiles/ItemNumberTable.h"

#include <string_view>

namespace zeku {
namespace {

// A plain decimal number of at most 65535; -1 for anything else.
long number16(std::string_view text)
{
    if (text.empty() || text.size() > 5)
        return -1;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value <= 65535 ? value : -1;
}

} // namespace

bool isWellFormedNotation(const std::vector<std::string>& fields)
{
    const std::size_t groups = NumberedCombination{}.entries.size();
    std::size_t pos = 0;
    for (std::size_t group = 0; group < groups; ++group) {
        if (fields.size() - pos < 2)
            return false;
        const long item = number16(fields[pos]);
        const long count = number16(fields[pos + 1]);
        pos += 2;
        // An empty slot is "0,0"; a holder never has more jewels than fields follow.
        if (item < 0 || count < 0 || (item == 0 && count != 0) || static_cast<std::size_t>(count) > fields.size() - pos)
            return false;
        for (long i = 0; i < count; ++i, ++pos)
            if (number16(fields[pos]) <= 0)
                return false;
    }
    return pos == fields.size();
}

bool isWellFormedItemKey(const std::string& key)
{
    if (key.size() < 3 || key[0] < '0' || key[0] >= '0' + kItemKindCount || key[1] < '0' || key[1] > '9')
        return false;
    return number16(std::string_view(key).substr(2)) > 0;
}

} // namespace zeku
