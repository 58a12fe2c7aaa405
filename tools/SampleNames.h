#pragma once
// Invented Japanese-looking names for the sample data: skill trees and their
// skills, armour series, one-off pieces and jewels. Every word list here is our
// own; names are built by combining them, and each namer hands out a name once.

#include "tools/SampleRandom.h"

#include <set>
#include <string>
#include <vector>

namespace zeku::sample {

// `count` distinct two-kanji tree names.
std::vector<std::string> inventTreeNames(SampleRandom& rng, int count);

// Number of naming styles for activated skills.
constexpr int kActivationStyles = 3;
// The name of the skill `tree` activates at `threshold` (±10, ±15, 20) in a style.
std::string activationName(const std::string& tree, int threshold, int style);

// The words a series appends to its root for the five parts. Styles without
// gunner words name both jobs alike, so such series never split by job.
struct PartWords {
    const char* blade[5];
    const char* gunner[5]; // all nullptr when the style has no gunner words
    bool hasGunnerWords() const { return gunner[0] != nullptr; }
};
int partWordStyleCount();
const PartWords& partWords(int style);

// The marker a series grade appends to piece names ("" for the first grade).
constexpr int kGradeMarkerStyles = 4;
const char* gradeMarker(int style, int grade);

// Series roots such as "ゲンブ" or "鬼角", each handed out once.
class RootNamer {
public:
    std::string next(SampleRandom& rng);

private:
    std::set<std::string> m_used;
};

// Names of one-off pieces such as "朧月の髪飾り", once per part.
class TrinketNamer {
public:
    std::string next(SampleRandom& rng, int part);

private:
    std::set<std::string> m_used[5];
};

// The name of the `variant`-th jewel of a tree with `slots` slots, e.g. "剛牙珠【２】".
std::string jewelName(const std::string& tree, int variant, int slots);

} // namespace zeku::sample
