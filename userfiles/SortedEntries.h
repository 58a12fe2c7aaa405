#pragma once
// Map entries sorted by key, so that a saved file does not depend on the hash
// order of the map it was written from.

#include <algorithm>
#include <vector>

namespace zeku {

template <typename Map>
std::vector<typename Map::const_pointer> sortedEntries(const Map& map)
{
    std::vector<typename Map::const_pointer> entries;
    entries.reserve(map.size());
    for (const auto& entry : map)
        entries.push_back(&entry);
    std::sort(entries.begin(), entries.end(), [](auto a, auto b) { return a->first < b->first; });
    return entries;
}

} // namespace zeku
