// Armour pieces of the sample. Pieces come in families: one root name worn in
// one to three grades of rising rarity, each grade a series whose pieces share
// one or two main skills, so that a full series reaches about +10 to +15 in its
// main skill and jewels or pieces of other series have to fill the rest of a
// wish. Series split into blade and gunner versions and into male and female
// variants of the same name; a few one-off pieces add the odd cases (no skill
// at all, five skills).

#include "tools/SampleModel.h"
#include "tools/SampleNames.h"

#include <algorithm>

namespace zeku::sample {
namespace {

using PartMask = std::array<bool, 5>;

// Sex layout of a series.
enum class SexMode { Both, Split, MaleOnly, FemaleOnly };

struct Family {
    std::string root;
    int wordStyle = 0;
    int markerStyle = 0;
    int theme = 0;
    uint16_t main1 = 0;
    std::vector<int> jobs; // {0}, {1, 2}, {1} or {2}
    SexMode sexMode = SexMode::Both;
    PartMask parts{};
    PartMask sexSplitParts{};
    int strongElement = 0;
    int weakElement = 0;
    std::array<int, 5> resistance{}; // the family's base profile
};

struct Series {
    int grade = 0;
    int rarity = 1;
    uint16_t main2 = 0; // 0: no second main skill
    uint16_t gunnerMain2 = 0; // the gunner version's second skill
    uint16_t third = 0; // 0: no third skill
    uint16_t negative = 0; // 0: no negative skill
    bool spellOutZeros = false;
};

// `total` points spread over the parts present, each between minEach and maxEach.
std::array<int, 5> distribute(SampleRandom& rng, const PartMask& parts, int total, int minEach, int maxEach)
{
    std::array<int, 5> values{};
    std::vector<int> present;
    for (int p = 0; p < 5; ++p) {
        if (parts[p]) {
            values[p] = minEach;
            present.push_back(p);
        }
    }
    int rest = std::min(total - minEach * static_cast<int>(present.size()),
                        (maxEach - minEach) * static_cast<int>(present.size()));
    while (rest > 0) {
        int p = present[rng.below(static_cast<uint32_t>(present.size()))];
        if (values[p] < maxEach) {
            ++values[p];
            --rest;
        }
    }
    return values;
}

int partCount(const PartMask& parts)
{
    return static_cast<int>(std::count(parts.begin(), parts.end(), true));
}

int defenceFor(SampleRandom& rng, int rarity, int grade)
{
    return 6 + 8 * (rarity - 1) + 2 * grade + rng.range(0, 5);
}

// More slots at higher rarity.
int slotsFor(SampleRandom& rng, int rarity)
{
    return static_cast<int>(rng.weighted({50 - 5 * rarity, 33, 12 + 3 * rarity, 2 + 3 * rarity}));
}

bool hasTree(const GenPiece& piece, uint16_t id)
{
    return std::any_of(piece.skills.begin(), piece.skills.end(), [id](const GenPoint& p) { return p.treeId == id; });
}

class ArmourBuilder {
public:
    ArmourBuilder(SampleRandom& rng, const std::vector<GenTree>& trees)
        : m_rng(rng), m_picker(trees), m_themes(themeCount(trees))
    {
    }

    void addFamily();
    void addTrinkets(int part, int scale);
    int pieceCount() const;
    std::array<std::vector<GenPiece>, 5> take();

private:
    void addSeries(const Family& family, const Series& series);
    void addExtras(GenPiece& piece, int theme);
    void push(int part, GenPiece piece, SexMode sexMode, bool split);

    SampleRandom& m_rng;
    TreePicker m_picker;
    int m_themes;
    RootNamer m_roots;
    TrinketNamer m_trinkets;
    std::array<std::vector<GenPiece>, 5> m_pieces;
};

void ArmourBuilder::addFamily()
{
    Family family;
    family.root = m_roots.next(m_rng);
    family.wordStyle = m_rng.range(0, partWordStyleCount() - 1);
    family.markerStyle = m_rng.range(0, kGradeMarkerStyles - 1);
    // Series mostly combine skills of one theme, so that wishes for related
    // skills find pieces that serve several of them at once.
    family.theme = m_rng.range(0, m_themes - 1);
    family.main1 = m_picker.pick(m_rng, kMajor, {}, false, family.theme);

    const int jobRoll = m_rng.range(0, 99);
    if (partWords(family.wordStyle).hasGunnerWords())
        family.jobs = jobRoll < 55   ? std::vector<int>{1, 2}
                      : jobRoll < 85 ? std::vector<int>{0}
                      : jobRoll < 95 ? std::vector<int>{1}
                                     : std::vector<int>{2};
    else
        family.jobs = jobRoll < 80 ? std::vector<int>{0} : jobRoll < 93 ? std::vector<int>{1} : std::vector<int>{2};

    const int sexRoll = m_rng.range(0, 99);
    family.sexMode = sexRoll < 55   ? SexMode::Both
                     : sexRoll < 90 ? SexMode::Split
                     : sexRoll < 95 ? SexMode::MaleOnly
                                    : SexMode::FemaleOnly;

    family.parts.fill(true);
    if (m_rng.percent(15)) {
        int missing = m_rng.range(1, 2);
        for (int i = 0; i < missing; ++i)
            family.parts[m_rng.below(5)] = false;
    }
    for (int p = 0; p < 5; ++p)
        family.sexSplitParts[p] = family.sexMode == SexMode::Split && m_rng.percent(75);

    // Each family resists one element and is weak to another; the rest is small.
    family.strongElement = m_rng.range(0, 4);
    family.weakElement = (family.strongElement + m_rng.range(1, 4)) % 5;
    for (int e = 0; e < 5; ++e)
        family.resistance[e] = m_rng.percent(30) ? m_rng.range(-1, 1) : 0;
    family.resistance[family.strongElement] = m_rng.range(2, 4);
    family.resistance[family.weakElement] = -m_rng.range(2, 4);

    const int gradeCount = static_cast<int>(m_rng.weighted({30, 45, 25})) + 1;
    const int firstGrade = gradeCount < 3 && m_rng.percent(30) ? 1 : 0;
    auto pickSecond = [&](unsigned roles, std::vector<uint16_t> avoid) {
        return m_picker.pick(m_rng, roles, avoid, false, m_rng.percent(75) ? family.theme : -1);
    };
    uint16_t main2 = m_rng.percent(85) ? pickSecond(kMajor | kMinor, {family.main1}) : 0;
    for (int grade = firstGrade; grade < firstGrade + gradeCount && grade < 3; ++grade) {
        Series series;
        series.grade = grade;
        series.rarity = grade == 0 ? m_rng.range(1, 3) : grade == 1 ? m_rng.range(4, 6) : m_rng.range(7, 8);
        if (grade > firstGrade && m_rng.percent(30))
            main2 = m_rng.percent(85) ? pickSecond(kMajor | kMinor | kSpecial, {family.main1}) : 0;
        series.main2 = main2;
        series.gunnerMain2 = m_rng.percent(40) ? pickSecond(kMajor | kMinor, {family.main1, main2}) : main2;
        if (m_rng.percent(50))
            series.third =
                m_picker.pick(m_rng, kMajor | kMinor, {family.main1, main2, series.gunnerMain2}, false, family.theme);
        if (m_rng.percent(60))
            series.negative =
                m_picker.pick(m_rng, kMajor | kMinor, {family.main1, main2, series.gunnerMain2, series.third}, true);
        series.spellOutZeros = m_rng.percent(25);
        addSeries(family, series);
    }
}

void ArmourBuilder::addSeries(const Family& family, const Series& series)
{
    const PartWords& words = partWords(family.wordStyle);
    const int parts = partCount(family.parts);
    for (int job : family.jobs) {
        const uint16_t main2 = job == 2 ? series.gunnerMain2 : series.main2;
        const int total1 = std::max(parts, (10 + 2 * series.grade + m_rng.range(0, 1)) * parts / 5);
        // Higher grades pack more of the series' skills into each piece.
        const int total2 = (6 + 3 * series.grade + m_rng.range(0, 2)) * parts / 5;
        const int total3 = (3 + 2 * series.grade + m_rng.range(0, 2)) * parts / 5;
        const std::array<int, 5> points1 = distribute(m_rng, family.parts, total1, 1, 4);
        const std::array<int, 5> points2 = distribute(m_rng, family.parts, total2, 0, 3);
        const std::array<int, 5> points3 = distribute(m_rng, family.parts, total3, 0, 2);
        for (int part = 0; part < 5; ++part) {
            if (!family.parts[part])
                continue;
            GenPiece piece;
            // Styles without gunner words name gunner-only series like blade ones.
            const char* word = job == 2 && words.hasGunnerWords() ? words.gunner[part] : words.blade[part];
            piece.name = family.root + word + gradeMarker(family.markerStyle, series.grade);
            piece.job = job;
            piece.rarity = series.rarity;
            piece.defence = defenceFor(m_rng, series.rarity, series.grade);
            piece.slots = slotsFor(m_rng, series.rarity);
            piece.spellOutZeros = series.spellOutZeros;
            piece.resistance = family.resistance;
            piece.resistance[family.strongElement] += series.grade + (job == 2 ? 1 : 0);
            if (m_rng.percent(25))
                piece.resistance[m_rng.below(5)] += m_rng.percent(50) ? 1 : -1;

            // Three slots cost a point of the main skill.
            int main1Points = points1[part] - (piece.slots == 3 && points1[part] > 1 ? 1 : 0);
            piece.skills.push_back({family.main1, main1Points});
            if (main2 != 0 && points2[part] > 0)
                piece.skills.push_back({main2, points2[part]});
            if (series.third != 0 && points3[part] > 0)
                piece.skills.push_back({series.third, points3[part]});
            addExtras(piece, family.theme);
            if (series.negative != 0 && m_rng.percent(60) && !hasTree(piece, series.negative))
                piece.skills.push_back({series.negative, -m_rng.range(1, series.grade == 2 ? 3 : 2)});
            push(part, std::move(piece), family.sexMode, family.sexSplitParts[part]);
        }
    }
}

// Now and then a piece carries a point or two of an unrelated skill.
void ArmourBuilder::addExtras(GenPiece& piece, int theme)
{
    const int extras = m_rng.percent(12) ? (m_rng.percent(35) ? 2 : 1) : 0;
    for (int i = 0; i < extras && piece.skills.size() < 4; ++i) {
        std::vector<uint16_t> avoid;
        for (const GenPoint& p : piece.skills)
            avoid.push_back(p.treeId);
        uint16_t tree = m_picker.pick(m_rng, kMajor | kMinor, avoid, false, m_rng.percent(50) ? theme : -1);
        if (tree != 0)
            piece.skills.push_back({tree, m_rng.percent(75) ? m_rng.range(1, 2) : -m_rng.range(1, 2)});
    }
}

// Appends a piece, or its male and female variants: same name and skills, the
// female one often a little different in defence or one resistance.
void ArmourBuilder::push(int part, GenPiece piece, SexMode sexMode, bool split)
{
    std::vector<GenPiece>& list = m_pieces[static_cast<std::size_t>(part)];
    if (!split) {
        piece.sex = sexMode == SexMode::MaleOnly ? 1 : sexMode == SexMode::FemaleOnly ? 2 : 0;
        list.push_back(std::move(piece));
        return;
    }
    GenPiece female = piece;
    piece.sex = 1;
    female.sex = 2;
    if (m_rng.percent(50))
        female.defence += m_rng.range(1, 2);
    if (m_rng.percent(40))
        female.resistance[m_rng.below(5)] += m_rng.percent(60) ? 1 : -1;
    list.push_back(std::move(piece));
    list.push_back(std::move(female));
}

// One-off pieces: some with no skill at all (often with slots to make up for
// it), some with five small skills, the rest with one to three.
void ArmourBuilder::addTrinkets(int part, int scale)
{
    std::vector<GenPiece>& list = m_pieces[static_cast<std::size_t>(part)];
    for (int i = 0; i < 8 * scale; ++i) {
        GenPiece piece;
        piece.name = m_trinkets.next(m_rng, part);
        const int kind = i % 4; // 0 no skills, 1 five skills, 2 and 3 a few skills
        piece.rarity = kind == 0 ? m_rng.range(1, 2) : kind == 1 ? m_rng.range(5, 8) : m_rng.range(1, 8);
        piece.defence = defenceFor(m_rng, piece.rarity, 0) - 3;
        piece.slots = kind == 0 ? m_rng.range(1, 3) : kind == 1 ? m_rng.range(0, 1) : slotsFor(m_rng, piece.rarity);
        piece.sex = m_rng.percent(80) ? 0 : m_rng.range(1, 2);
        piece.spellOutZeros = m_rng.percent(25);
        for (int e = 0; e < 5; ++e)
            piece.resistance[e] = m_rng.percent(40) ? m_rng.range(-3, 3) : 0;
        const int skillCount = kind == 0 ? 0 : kind == 1 ? 5 : m_rng.range(1, 3);
        std::vector<uint16_t> used;
        for (int s = 0; s < skillCount; ++s) {
            uint16_t tree = m_picker.pick(m_rng, kMajor | kMinor | kSpecial, used);
            used.push_back(tree);
            // Five-skill pieces pay for their spread with two negative entries.
            bool negative = kind == 1 ? s >= 3 : m_rng.percent(20);
            piece.skills.push_back({tree, negative ? -m_rng.range(1, 2) : m_rng.range(1, 3)});
        }
        list.push_back(std::move(piece));
    }
}

int ArmourBuilder::pieceCount() const
{
    int count = 0;
    for (const std::vector<GenPiece>& list : m_pieces)
        count += static_cast<int>(list.size());
    return count;
}

// The files list pieces by rarity; within one rarity in the order they were made,
// so variants of one piece stay side by side.
std::array<std::vector<GenPiece>, 5> ArmourBuilder::take()
{
    for (std::vector<GenPiece>& list : m_pieces)
        std::stable_sort(list.begin(), list.end(),
                         [](const GenPiece& a, const GenPiece& b) { return a.rarity < b.rarity; });
    return std::move(m_pieces);
}

} // namespace

std::array<std::vector<GenPiece>, 5> generateArmour(SampleRandom& rng, int scale, const std::vector<GenTree>& trees)
{
    constexpr int kPiecesPerPart = 290;
    constexpr int kTrinketsPerPart = 8;
    ArmourBuilder builder(rng, trees);
    while (builder.pieceCount() < (kPiecesPerPart - kTrinketsPerPart) * scale * 5)
        builder.addFamily();
    for (int part = 0; part < 5; ++part)
        builder.addTrinkets(part, scale);
    return builder.take();
}

} // namespace zeku::sample
