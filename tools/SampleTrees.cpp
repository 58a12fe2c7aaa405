// Skill trees of the sample: roles, popularity and activation thresholds.

#include "tools/SampleModel.h"
#include "tools/SampleNames.h"

#include <algorithm>
#include <array>

namespace zeku::sample {

bool GenTree::hasBadSkill() const
{
    return std::any_of(activations.begin(), activations.end(), [](const GenActivation& a) { return a.threshold < 0; });
}

uint16_t TreePicker::pick(SampleRandom& rng, unsigned roles, const std::vector<uint16_t>& avoid, bool needBad,
                          int theme) const
{
    std::vector<int> weights(m_trees.size(), 0);
    for (int pass = theme >= 0 ? 0 : 1; pass < 2; ++pass) {
        bool any = false;
        for (std::size_t i = 0; i < m_trees.size(); ++i) {
            const GenTree& tree = m_trees[i];
            bool fits = (roles & (1u << static_cast<unsigned>(tree.role))) != 0 &&
                        std::find(avoid.begin(), avoid.end(), tree.id) == avoid.end() &&
                        (!needBad || tree.hasBadSkill()) && (pass == 1 || tree.theme == theme);
            weights[i] = fits ? tree.popularity : 0;
            any = any || fits;
        }
        if (any)
            return m_trees[rng.weighted(weights)].id;
    }
    return 0;
}

const GenTree* TreePicker::find(uint16_t id) const
{
    for (const GenTree& tree : m_trees)
        if (tree.id == id)
            return &tree;
    return nullptr;
}

int themeCount(const std::vector<GenTree>& trees)
{
    int most = -1;
    for (const GenTree& tree : trees)
        most = std::max(most, tree.theme);
    return most + 1;
}

int treeCountForScale(int scale)
{
    return std::min(90 + 12 * (std::max(scale, 1) - 1), 400);
}

namespace {

// Thresholds a tree of a role activates at. Majors mostly reach 15, some 20;
// many trees also have bad skills at -10 and often -15.
std::vector<int> thresholdsFor(SampleRandom& rng, TreeRole role)
{
    std::vector<int> thresholds;
    switch (role) {
    case TreeRole::Major:
        thresholds.push_back(10);
        if (rng.percent(90)) {
            thresholds.push_back(15);
            if (rng.percent(25))
                thresholds.push_back(20);
        }
        if (rng.percent(55)) {
            thresholds.push_back(-10);
            if (rng.percent(60))
                thresholds.push_back(-15);
        }
        break;
    case TreeRole::Minor:
        thresholds.push_back(10);
        if (rng.percent(60))
            thresholds.push_back(15);
        if (rng.percent(75)) {
            thresholds.push_back(-10);
            if (rng.percent(50))
                thresholds.push_back(-15);
        }
        break;
    case TreeRole::Special: {
        int roll = rng.range(0, 9);
        thresholds.push_back(roll < 4 ? 10 : roll < 7 ? 15 : 20);
        break;
    }
    }
    return thresholds;
}

} // namespace

std::vector<GenTree> generateTrees(SampleRandom& rng, int scale)
{
    const int count = treeCountForScale(scale);
    std::vector<std::string> names = inventTreeNames(rng, count);

    // Two ids are left unused, as real data grows with retired entries.
    const int gapA = rng.range(5, count / 2);
    const int gapB = rng.range(count / 2 + 1, count);

    std::vector<TreeRole> roles;
    const int majors = count * 40 / 100;
    const int minors = count * 45 / 100;
    for (int i = 0; i < count; ++i)
        roles.push_back(i < majors ? TreeRole::Major : i < majors + minors ? TreeRole::Minor : TreeRole::Special);
    rng.shuffle(roles);

    // Themes go round the trees of each role, so every theme gets its share of
    // major and minor trees.
    std::array<int, 3> roleSeen{};
    const int themes = std::max(6, count / 12);

    std::vector<GenTree> trees;
    int id = 0;
    for (int i = 0; i < count; ++i) {
        ++id;
        while (id == gapA || id == gapB)
            ++id;
        GenTree tree;
        tree.id = static_cast<uint16_t>(id);
        tree.name = names[static_cast<std::size_t>(i)];
        tree.role = roles[static_cast<std::size_t>(i)];
        tree.popularity = tree.role == TreeRole::Major   ? rng.range(4, 9)
                          : tree.role == TreeRole::Minor ? rng.range(2, 4)
                                                         : 1;
        tree.theme = roleSeen[static_cast<std::size_t>(tree.role)]++ % themes;
        const int style = rng.range(0, kActivationStyles - 1);
        for (int threshold : thresholdsFor(rng, tree.role))
            tree.activations.push_back({threshold, activationName(tree.name, threshold, style)});
        trees.push_back(std::move(tree));
    }
    return trees;
}

} // namespace zeku::sample
