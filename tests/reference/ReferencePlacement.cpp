#include "reference/ReferencePlacement.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace zeku::reference {
namespace {

using Sums = PlacementTrial::Sums;
using Options = PlacementTrial::Options;

} // namespace

// The holders one after another, each with every option it has. A state is
// the holders still to fill and, per limit, what the jewels placed so far
// leave to them; a state that failed once fails again.
class PlacementTrial::Walk {
public:
    Walk(const std::vector<uint16_t>& sizes, const std::vector<const Options*>& options,
         const std::vector<uint16_t>& trees, const std::vector<TotalLimit>& limits, std::set<State>& failed)
        : m_sizes(sizes), m_options(options), m_limits(limits), m_failed(failed)
    {
        for (const TotalLimit& limit : limits)
            m_treeOfLimit.push_back(
                static_cast<std::size_t>(std::find(trees.begin(), trees.end(), limit.treeId) - trees.begin()));
        // What the holders from each position on can add at most and at least.
        const std::size_t n = options.size();
        m_most.assign(n + 1, Sums(trees.size(), 0));
        m_least.assign(n + 1, Sums(trees.size(), 0));
        for (std::size_t h = n; h-- > 0;)
            for (std::size_t t = 0; t < trees.size(); ++t) {
                m_most[h][t] = m_most[h + 1][t] + options[h]->most[t];
                m_least[h][t] = m_least[h + 1][t] + options[h]->least[t];
            }
    }

    bool tryFrom(std::size_t h, const Sums& sums, std::vector<std::vector<const Jewel*>>& chosen)
    {
        // Per limit, what the holders from h on must still add: at least
        // (atLeast) or at most this; settled when any choice of theirs does.
        State state;
        state.first.assign(m_sizes.begin() + static_cast<std::ptrdiff_t>(h), m_sizes.end());
        for (std::size_t l = 0; l < m_limits.size(); ++l) {
            const TotalLimit& limit = m_limits[l];
            const std::size_t t = m_treeOfLimit[l];
            const int32_t left = limit.bound - limit.base - sums[t];
            if (limit.atLeast ? left > m_most[h][t] : left < m_least[h][t])
                return false; // out of reach
            const bool settled = limit.atLeast ? left <= m_least[h][t] : left >= m_most[h][t];
            state.second.push_back(settled ? INT32_MIN : left);
        }
        if (h == m_options.size())
            return true; // no holder left and nothing out of reach: every limit is met
        if (m_failed.count(state))
            return false;
        for (const auto& [add, multiset] : m_options[h]->multisets) {
            Sums next = sums;
            for (std::size_t t = 0; t < next.size(); ++t)
                next[t] += add[t];
            chosen.push_back(multiset);
            if (tryFrom(h + 1, next, chosen))
                return true;
            chosen.pop_back();
        }
        m_failed.insert(std::move(state));
        return false;
    }

private:
    const std::vector<uint16_t>& m_sizes;
    const std::vector<const Options*>& m_options;
    const std::vector<TotalLimit>& m_limits;
    std::set<State>& m_failed;
    std::vector<std::size_t> m_treeOfLimit;
    std::vector<Sums> m_most, m_least; // per holder position and tree
};

bool PlacementTrial::find(const std::vector<uint16_t>& holderFree, const std::vector<TotalLimit>& limits,
                          std::vector<std::vector<const Jewel*>>* placement)
{
    std::vector<uint16_t> trees;
    for (const TotalLimit& limit : limits)
        if (std::find(trees.begin(), trees.end(), limit.treeId) == trees.end())
            trees.push_back(limit.treeId);
    // Larger holders first, so that walks share their later states.
    std::vector<std::size_t> order(holderFree.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return holderFree[a] > holderFree[b]; });
    std::vector<uint16_t> sizes;
    std::vector<const Options*> options;
    for (std::size_t h : order) {
        sizes.push_back(holderFree[h]);
        options.push_back(&optionsFor(holderFree[h], trees));
    }
    // Failed states mean the same only for the same kinds of limit.
    std::vector<int32_t> kinds;
    for (const TotalLimit& limit : limits)
        kinds.insert(kinds.end(), {limit.treeId, limit.atLeast ? 1 : 0});
    Walk walk(sizes, options, trees, limits, m_failed[kinds]);
    std::vector<std::vector<const Jewel*>> chosen;
    if (!walk.tryFrom(0, Sums(trees.size(), 0), chosen))
        return false;
    if (placement) {
        placement->assign(holderFree.size(), {});
        for (std::size_t i = 0; i < order.size(); ++i)
            (*placement)[order[i]] = chosen[i];
    }
    return true;
}

const Options& PlacementTrial::optionsFor(uint16_t free, const std::vector<uint16_t>& trees)
{
    auto [it, added] = m_options.try_emplace({free, trees});
    if (added) {
        Options& options = it->second;
        std::vector<const Jewel*> chosen;
        listMultisets(0, free, trees, chosen, options.multisets);
        options.most = options.least = options.multisets.begin()->first;
        for (const auto& [sums, multiset] : options.multisets)
            for (std::size_t t = 0; t < trees.size(); ++t) {
                options.most[t] = std::max(options.most[t], sums[t]);
                options.least[t] = std::min(options.least[t], sums[t]);
            }
    }
    return it->second;
}

// Every multiset of the jewels from index `from` on that fits `free` slots.
void PlacementTrial::listMultisets(std::size_t from, int free, const std::vector<uint16_t>& trees,
                                   std::vector<const Jewel*>& chosen,
                                   std::map<Sums, std::vector<const Jewel*>>& options) const
{
    Sums sums(trees.size(), 0);
    for (const Jewel* jewel : chosen)
        for (const SkillPoint& p : jewel->skills)
            for (std::size_t t = 0; t < trees.size(); ++t)
                if (trees[t] == p.treeId)
                    sums[t] += p.points;
    options.emplace(sums, chosen); // keeps the first multiset found for these sums
    for (std::size_t j = from; j < m_jewels.size(); ++j) {
        if (m_jewels[j]->slots == 0 || m_jewels[j]->slots > free)
            continue;
        chosen.push_back(m_jewels[j]);
        listMultisets(j, free - m_jewels[j]->slots, trees, chosen, options);
        chosen.pop_back();
    }
}

} // namespace zeku::reference
