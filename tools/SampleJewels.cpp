// Jewels of the sample. Major trees get jewels of every size, minor trees of
// some, special trees at most a three-slot one. Bigger jewels give more points
// per jewel and usually take points away from another tree, so that filling a
// wish with jewels can switch on a bad skill.

#include "tools/SampleModel.h"
#include "tools/SampleNames.h"

#include <algorithm>
#include <map>

namespace zeku::sample {
namespace {

class JewelBuilder {
public:
    JewelBuilder(SampleRandom& rng, const std::vector<GenTree>& trees) : m_rng(rng), m_picker(trees) {}

    void add(const GenTree& tree, int slots);
    std::size_t size() const { return m_jewels.size(); }
    std::vector<GenJewel> take();

private:
    SampleRandom& m_rng;
    TreePicker m_picker;
    std::map<std::pair<uint16_t, int>, int> m_variants; // (tree, slots) → jewels made so far
    std::vector<GenJewel> m_jewels;
};

void JewelBuilder::add(const GenTree& tree, int slots)
{
    GenJewel jewel;
    jewel.slots = slots;
    const int variant = m_variants[{tree.id, slots}]++;
    jewel.name = jewelName(tree.name, variant, slots);
    jewel.rarity = slots == 1 ? m_rng.range(1, 4) : slots == 2 ? m_rng.range(3, 6) : m_rng.range(5, 8);

    const int main = slots == 1 ? 1 : slots == 2 ? m_rng.range(2, 3) : m_rng.range(3, 5);
    jewel.skills.push_back({tree.id, main});

    // The stronger the jewel for its size, the likelier and larger its drawback.
    // A second jewel of the same tree and size always differs from the first in
    // its other skill.
    int negativeChance = slots == 1 ? 50 : slots == 2 ? (main == 3 ? 80 : 55) : (main == 5 ? 90 : 65);
    if (variant > 0)
        negativeChance = slots == 1 ? 100 : 80;
    if (m_rng.percent(negativeChance)) {
        uint16_t other = m_picker.pick(m_rng, kMajor | kMinor, {tree.id}, true);
        int cost = slots == 1 ? 1 : slots == 2 ? m_rng.range(1, main - 1) : m_rng.range(1, main - 2);
        if (other != 0)
            jewel.skills.push_back({other, -cost});
    } else if (slots > 1 && (variant > 0 || m_rng.percent(12))) {
        uint16_t other = m_picker.pick(m_rng, kMajor | kMinor, {tree.id});
        if (other != 0)
            jewel.skills.push_back({other, 1});
    }
    m_jewels.push_back(std::move(jewel));
}

// Smallest jewels first; within one size in the order made (tree order).
std::vector<GenJewel> JewelBuilder::take()
{
    std::stable_sort(m_jewels.begin(), m_jewels.end(),
                     [](const GenJewel& a, const GenJewel& b) { return a.slots < b.slots; });
    return std::move(m_jewels);
}

} // namespace

std::vector<GenJewel> generateJewels(SampleRandom& rng, int scale, const std::vector<GenTree>& trees)
{
    const std::size_t target = static_cast<std::size_t>(175 * scale);
    JewelBuilder builder(rng, trees);
    for (const GenTree& tree : trees) {
        switch (tree.role) {
        case TreeRole::Major: {
            bool any = false;
            for (int slots = 1; slots <= 3; ++slots) {
                // Every major tree has at least its three-slot jewel.
                if (rng.percent(slots == 3 ? 85 : 90) || (slots == 3 && !any)) {
                    builder.add(tree, slots);
                    any = true;
                }
            }
            break;
        }
        case TreeRole::Minor:
            for (int slots = 1; slots <= 3; ++slots)
                if (rng.percent(slots == 1 ? 55 : slots == 2 ? 45 : 25))
                    builder.add(tree, slots);
            break;
        case TreeRole::Special:
            if (rng.percent(45))
                builder.add(tree, 3);
            break;
        }
    }

    // The rest are second and third versions of popular jewels with another drawback.
    TreePicker picker(trees);
    while (builder.size() < target) {
        const GenTree* tree = picker.find(picker.pick(rng, kMajor | kMinor, {}));
        if (tree == nullptr)
            break;
        builder.add(*tree, static_cast<int>(rng.weighted({20, 40, 40})) + 1);
    }
    return builder.take();
}

} // namespace zeku::sample
