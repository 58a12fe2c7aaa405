#include "tools/SampleNames.h"

#include <iterator>

namespace zeku::sample {
namespace {

// First and second kanji of tree names; any pair reads like a skill name.
const char* const kTreeHeads[] = {"剛", "烈", "瞬", "蒼", "紅", "玄", "翠", "迅", "轟", "峻", "雅", "煌", "朧",
                                  "霞", "嵐", "焔", "凪", "鋼", "玲", "颯", "璃", "燦", "冥", "穹", "碧"};
const char* const kTreeTails[] = {"刃", "牙", "鱗", "翼", "脈", "骨", "爪", "尾", "角", "殻",
                                  "魂", "律", "陣", "環", "衣", "甲", "弦", "鎖", "灯", "符"};

// Skill names by style: levels for 10, 15 and 20 points, then for -10 and -15.
struct ActivationWords {
    const char* good[3];
    const char* bad[2];
};
const ActivationWords kActivationWords[kActivationStyles] = {
    {{"の心得", "の極意", "の真髄"}, {"の乱れ", "の崩れ"}},
    {{"+1", "+2", "+3"}, {"-1", "-2"}},
    {{"・壱", "・弐", "・参"}, {"鈍化", "大鈍化"}},
};

const PartWords kPartWords[] = {
    {{"ヘルム", "メイル", "アーム", "フォールド", "グリーヴ"}, {"フード", "コート", "グラブ", "ベルト", "ブーツ"}},
    {{"頭", "胴", "腕", "腰", "脚"}, {nullptr, nullptr, nullptr, nullptr, nullptr}},
    {{"兜", "鎧", "籠手", "腰当", "具足"}, {"冠", "羽織", "手甲", "帯", "脚絆"}},
    {{"キャスク", "ハウバーク", "ガントレット", "タセット", "サバトン"},
     {"マスク", "ジャケット", "リスト", "サッシュ", "ソール"}},
    {{"ヘッド", "ボディ", "ハンド", "ウエスト", "レッグ"}, {nullptr, nullptr, nullptr, nullptr, nullptr}},
    {{"面", "装束", "小手", "袴", "脛当"}, {"頭巾", "胴衣", "手套", "腰紐", "足袋"}},
};

const char* const kGradeMarkers[kGradeMarkerStyles][3] = {
    {"", "改", "真"},
    {"", "Ｓ", "Ｚ"},
    {"", "弐", "参"},
    {"", "＋", "極"},
};

// Katakana syllables for series roots, and what may sit between two of them.
const char* const kSyllables[] = {"カ", "キ", "ク", "ケ", "コ", "サ", "シ", "ス", "セ", "ソ", "タ", "チ", "ツ",
                                  "テ", "ト", "ナ", "ニ", "ネ", "ノ", "ハ", "ヒ", "フ", "ホ", "マ", "ミ", "ム",
                                  "メ", "モ", "ヤ", "ユ", "ヨ", "ラ", "リ", "ル", "レ", "ロ", "ガ", "ギ", "グ",
                                  "ゲ", "ゴ", "ザ", "ジ", "ズ", "ダ", "ド", "バ", "ビ", "ブ", "ベ", "ボ"};
const char* const kRootHeads[] = {"鬼", "天", "月", "星", "雷", "氷", "炎", "霊", "闇",
                                  "光", "風", "岩", "海", "森", "砂", "雪", "霧", "雲"};
const char* const kRootTails[] = {"角", "狼", "鴉", "蛇", "鷹", "鹿", "狐", "熊", "鯱",
                                  "蟹", "蜂", "獅", "亀", "猿", "梟", "鯨", "鮫"};

const char* const kTrinketOwners[] = {"朧月", "星屑", "旅人", "祭り", "見習い", "英雄", "夜明け",
                                      "古都", "天狗", "稲穂", "翡翠", "雪原",   "潮風", "紅葉",
                                      "薄明", "砂漠", "峠",   "狩人", "学者",   "商人"};
const char* const kTrinketItems[5][5] = {
    {"髪飾り", "鉢巻", "額当て", "耳飾り", "花冠"}, {"羽衣", "陣羽織", "胸当て", "法衣", "外套"},
    {"腕輪", "手袋", "指輪", "腕章", "飾り紐"},     {"飾り帯", "腰布", "前掛け", "腰飾り", "巾着"},
    {"草履", "下駄", "長靴", "足輪", "足飾り"},
};

const char* const kJewelKinds[] = {"珠", "玉", "晶", "石", "結晶", "宝玉", "霊珠", "輝石"};
const char* const kFullWidthDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};

int levelOf(int threshold)
{
    int magnitude = threshold < 0 ? -threshold : threshold;
    return magnitude >= 20 ? 2 : magnitude >= 15 ? 1 : 0;
}

} // namespace

std::vector<std::string> inventTreeNames(SampleRandom& rng, int count)
{
    std::vector<std::string> all;
    for (const char* head : kTreeHeads)
        for (const char* tail : kTreeTails)
            all.push_back(std::string(head) + tail);
    rng.shuffle(all);
    // Past the pairs, a third kanji keeps larger sets distinct.
    for (std::size_t i = 0; static_cast<int>(all.size()) < count; ++i)
        all.push_back(all[i] + kTreeTails[i % std::size(kTreeTails)]);
    all.resize(static_cast<std::size_t>(count));
    return all;
}

std::string activationName(const std::string& tree, int threshold, int style)
{
    const ActivationWords& words = kActivationWords[style % kActivationStyles];
    int level = levelOf(threshold);
    return tree + (threshold < 0 ? words.bad[level > 1 ? 1 : level] : words.good[level]);
}

int partWordStyleCount()
{
    return static_cast<int>(std::size(kPartWords));
}

const PartWords& partWords(int style)
{
    return kPartWords[style % partWordStyleCount()];
}

const char* gradeMarker(int style, int grade)
{
    return kGradeMarkers[style % kGradeMarkerStyles][grade < 0 ? 0 : grade > 2 ? 2 : grade];
}

std::string RootNamer::next(SampleRandom& rng)
{
    for (int attempt = 0;; ++attempt) {
        std::string root;
        if (rng.percent(20)) {
            // Two draws in one expression would be made in a compiler-chosen order.
            const std::string head = rng.pick(kRootHeads);
            root = head + rng.pick(kRootTails);
        } else {
            root = rng.pick(kSyllables);
            int link = rng.range(0, 99);
            if (link < 20)
                root += "ン";
            else if (link < 30)
                root += "ー";
            else if (link < 38)
                root += "イ";
            root += rng.pick(kSyllables);
            if (rng.percent(45) || attempt > 50)
                root += rng.pick(kSyllables);
        }
        if (m_used.insert(root).second)
            return root;
    }
}

std::string TrinketNamer::next(SampleRandom& rng, int part)
{
    std::set<std::string>& used = m_used[part];
    for (int attempt = 0;; ++attempt) {
        const std::string owner = rng.pick(kTrinketOwners);
        std::string name = owner + "の" + rng.pick(kTrinketItems[part]);
        // Once the plain names run short, a number tells the rest apart.
        if (attempt > 40)
            name += std::to_string(attempt - 40);
        if (used.insert(name).second)
            return name;
    }
}

std::string jewelName(const std::string& tree, int variant, int slots)
{
    const int kinds = static_cast<int>(std::size(kJewelKinds));
    std::string name = tree + kJewelKinds[variant % kinds];
    for (int round = variant / kinds; round > 0; --round)
        name += "改";
    return name + "【" + kFullWidthDigits[slots % 10] + "】";
}

} // namespace zeku::sample
