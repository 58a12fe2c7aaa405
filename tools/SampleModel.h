#pragma once
// In-memory form of the generated sample: skill trees, armour pieces and
// jewels as the generator builds them, before they are written as XML. Text is
// UTF-8 here; the files are UTF-8 too.

#include "tools/SampleRandom.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zeku::sample {

// How a tree is used. Major trees are the skills players ask for: armour series
// carry them as main skills and every jewel size exists. Minor trees show up
// as second skills, extras and the negative side of jewels. Special trees are
// rare single-threshold skills with few sources.
enum class TreeRole { Major, Minor, Special };

struct GenActivation {
    int threshold = 0;
    std::string name;
};

struct GenTree {
    uint16_t id = 0;
    std::string name;
    TreeRole role = TreeRole::Minor;
    int popularity = 1; // relative weight when series and jewels pick their skills
    int theme = 0; // trees of one theme tend to share armour series
    std::vector<GenActivation> activations;

    // Whether some activation has a negative threshold.
    bool hasBadSkill() const;
};

struct GenPoint {
    uint16_t treeId = 0;
    int points = 0;
};

struct GenPiece {
    std::string name;
    int sex = 0;
    int job = 0;
    int defence = 0;
    int rarity = 0;
    int slots = 0;
    std::array<int, 5> resistance{};
    std::vector<GenPoint> skills;
    bool spellOutZeros = false; // write Sex="0", Job="0" and Slot="0" instead of leaving them out
};

struct GenJewel {
    std::string name;
    int rarity = 0;
    int slots = 0;
    std::vector<GenPoint> skills;
};

// Everything one generator run produces.
struct SampleSet {
    std::vector<GenTree> trees;
    std::array<std::vector<GenPiece>, 5> pieces; // by PartKind
    std::vector<GenJewel> jewels;
};

// Picks trees by role, in proportion to their popularity.
class TreePicker {
public:
    explicit TreePicker(const std::vector<GenTree>& trees) : m_trees(trees) {}

    // A tree of one of the roles in `roles` (bit 1 << role) that is not in
    // `avoid`; with `needBad` only trees with a bad skill; with a `theme` of 0
    // or more a tree of that theme if one fits. 0 when none fits.
    uint16_t pick(SampleRandom& rng, unsigned roles, const std::vector<uint16_t>& avoid, bool needBad = false,
                  int theme = -1) const;
    const GenTree* find(uint16_t id) const;

private:
    const std::vector<GenTree>& m_trees;
};

constexpr unsigned kMajor = 1u << static_cast<unsigned>(TreeRole::Major);
constexpr unsigned kMinor = 1u << static_cast<unsigned>(TreeRole::Minor);
constexpr unsigned kSpecial = 1u << static_cast<unsigned>(TreeRole::Special);

// Number of skill trees for a scale: about 90 for the sample, growing modestly.
int treeCountForScale(int scale);
// Number of themes the trees are spread over.
int themeCount(const std::vector<GenTree>& trees);

// The skill trees, ids 1 upwards with two gaps.
std::vector<GenTree> generateTrees(SampleRandom& rng, int scale);

// About 290 × scale pieces per part, in rarity order.
std::array<std::vector<GenPiece>, 5> generateArmour(SampleRandom& rng, int scale, const std::vector<GenTree>& trees);

// About 175 × scale jewels, by slot count.
std::vector<GenJewel> generateJewels(SampleRandom& rng, int scale, const std::vector<GenTree>& trees);

// The XML files, UTF-8 with LF line ends.
std::string skillXml(const std::vector<GenTree>& trees, const std::string& note);
std::string equipXml(const std::vector<GenPiece>& pieces, const std::string& note);
std::string jewelXml(const std::vector<GenJewel>& jewels, const std::string& note);

} // namespace zeku::sample
