#include "report/ClipText.h"

#include "platform/AppIdentity.h"
#include "platform/Cp932.h"
#include "report/ReportTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace zeku {
namespace {

constexpr const char* kCrLf = "\r\n";
// Names are padded to this many bytes so that the columns after them line up.
constexpr std::size_t kNameColumnWidth = 24;
// Skill names per line of the skill block.
constexpr int kSkillsPerLine = 5;

struct ClipTexts {
    std::string clipTitle = utf8ToCp932Lossy("装備クリップ");
    std::string usedSlot = utf8ToCp932Lossy("●");
    std::string freeSlot = utf8ToCp932Lossy("○");
    std::string forSuffix = utf8ToCp932Lossy("用");
    std::string men = utf8ToCp932Lossy("男性用");
    std::string women = utf8ToCp932Lossy("女性用");
    std::string noWeapon = utf8ToCp932Lossy("武器スロットなし");
    // Two full-width spaces and one half-width space: as wide as "%3d　".
    std::string weaponGap = utf8ToCp932Lossy("　　 ");
    std::string defence = utf8ToCp932Lossy("防御値:");
    std::string slots = utf8ToCp932Lossy("ｽﾛｯﾄ:"); // half-width katakana, one byte each
    std::array<std::string, kElementCount> elements = {
        utf8ToCp932Lossy("火:"), utf8ToCp932Lossy("水:"), utf8ToCp932Lossy("雷:"),
        utf8ToCp932Lossy("氷:"), utf8ToCp932Lossy("龍:"),
    };
};

const ClipTexts& texts()
{
    static const ClipTexts t;
    return t;
}

// An odd length gets one half-width space so that full-width spaces can fill
// the rest of the column evenly.
std::string nameColumn(const std::string& name)
{
    std::string column = name;
    if (column.size() % 2 != 0)
        column += ' ';
    while (column.size() <= kNameColumnWidth - 2)
        column += reportTexts().fullWidthSpace;
    return column;
}

// Used slots, free slots, then full-width spaces up to three marks.
std::string slotMarks(const JewelSlots& slots)
{
    std::string marks;
    const unsigned capacity = slots.capacity;
    const unsigned used = slots.used;
    for (unsigned i = 0; i < used; ++i)
        marks += texts().usedSlot;
    for (unsigned i = used; i < capacity; ++i)
        marks += texts().freeSlot;
    for (unsigned i = capacity; i < 3; ++i)
        marks += reportTexts().fullWidthSpace;
    return marks;
}

std::string jewelNames(const JewelSlots& slots)
{
    std::string names;
    for (std::size_t i = 0; i < slots.jewels.size(); ++i) {
        if (i > 0)
            names += ", ";
        names += slots.jewels[i]->name;
    }
    return names;
}

// Who the set is for, from the last non-zero sex and job codes of its pieces.
std::string setDescription(const EquipSet& set)
{
    uint16_t sex = kSexBoth;
    uint16_t job = kJobBoth;
    for (int part = 0; part < kPartCount; ++part) {
        if (const EquipItem* piece = set.piece(part)) {
            if (piece->sex != kSexBoth)
                sex = piece->sex;
            if (piece->job != kJobBoth)
                job = piece->job;
        }
    }
    const ReportTexts& r = reportTexts();
    const ClipTexts& t = texts();
    if (isWearerJob(job)) {
        if (sex != kSexBoth && !isWearerSex(sex))
            return {};
        return (job == kJobBlade ? r.bladeUser : r.gunner) + sexMark(sex) + t.forSuffix;
    }
    if (job != kJobBoth)
        return {};
    if (sex == kSexMale)
        return t.men;
    if (sex == kSexFemale)
        return t.women;
    return {};
}

void appendHeader(const EquipSet& set, std::string& out)
{
    out += kAppTitle;
    out += ' ';
    out += kVersionText;
    out += ' ';
    out += texts().clipTitle;
    const std::string description = setDescription(set);
    if (!description.empty())
        out += reportTexts().fullWidthSpace + description;
    out += kCrLf;
}

void appendEquipmentLines(const EquipSet& set, std::string& out)
{
    const std::string& space = reportTexts().fullWidthSpace;
    if (const WeaponSlotItem* weapon = set.weapon()) {
        out += nameColumn(weapon->name) + texts().weaponGap + slotMarks(set.weaponSlots()) + space +
               jewelNames(set.weaponSlots());
    } else {
        out += texts().noWeapon;
    }
    out += kCrLf;

    for (int part = 0; part < kPartCount; ++part) {
        if (const EquipItem* piece = set.piece(part)) {
            char defence[16];
            std::snprintf(defence, sizeof defence, "%3d", static_cast<int>(piece->defence));
            out += nameColumn(piece->name) + defence + space + slotMarks(set.pieceSlots(part)) + space +
                   jewelNames(set.pieceSlots(part));
        } else {
            out += reportTexts().none;
        }
        out += kCrLf;
    }
}

void appendTotalsLine(const EquipSet& set, std::string& out)
{
    const ClipTexts& t = texts();
    std::array<int16_t, kElementCount> resistance{};
    for (int part = 0; part < kPartCount; ++part) {
        if (const EquipItem* piece = set.piece(part)) {
            for (int e = 0; e < kElementCount; ++e)
                resistance[e] = static_cast<int16_t>(static_cast<uint16_t>(resistance[e]) +
                                                     static_cast<uint16_t>(piece->resistance[e]));
        }
    }

    out += t.defence + std::to_string(set.totalDefence());
    out += reportTexts().fullWidthSpace + t.slots;
    if (set.usedSlots() > 0)
        out += t.usedSlot + std::to_string(set.usedSlots());
    out += t.freeSlot + std::to_string(set.freeSlots());
    out += reportTexts().fullWidthSpace;
    for (int e = 0; e < kElementCount; ++e) {
        if (e > 0)
            out += ' ';
        out += t.elements[static_cast<std::size_t>(e)] + signedNumber(resistance[static_cast<std::size_t>(e)]);
    }
    out += kCrLf;
}

struct ActiveSkill {
    uint16_t treeId;
    int16_t total;
    std::string name;
};

void appendSkillBlock(const EquipSet& set, const SkillCatalogue& skills, std::string& out)
{
    std::vector<ActiveSkill> active;
    for (const auto& [treeId, total] : set.totals().values()) {
        std::string name = skills.activatedSkillName(treeId, total);
        if (!name.empty())
            active.push_back({treeId, total, std::move(name)});
    }
    if (active.empty()) {
        out += reportTexts().none + kCrLf + kCrLf;
        return;
    }
    std::sort(active.begin(), active.end(), [](const ActiveSkill& a, const ActiveSkill& b) {
        return a.total != b.total ? a.total < b.total : a.treeId < b.treeId;
    });

    std::string block;
    int written = 0;
    for (const ActiveSkill& skill : active) {
        block += skill.name + ", ";
        if (++written % kSkillsPerLine == 0)
            block += kCrLf;
    }
    // Drop the separator after the last name, and the line end a full line left.
    if (written % kSkillsPerLine == 0)
        block.resize(block.size() - 2);
    block.resize(block.size() - 2);
    out += block + kCrLf;
}

} // namespace

std::string buildClipText(const EquipSet& set, const SkillCatalogue& skills)
{
    std::string out;
    appendHeader(set, out);
    out += kCrLf;
    appendEquipmentLines(set, out);
    out += kCrLf;
    appendTotalsLine(set, out);
    out += kCrLf;
    appendSkillBlock(set, skills, out);
    return out;
}

} // namespace zeku
