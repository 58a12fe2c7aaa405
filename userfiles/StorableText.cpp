#include "userfiles/StorableText.h"

#include "platform/Cp932.h"
#include "search/EquipSet.h"

namespace zeku {
namespace {

// A single-byte control character; double-byte characters are skipped whole,
// since their trail bytes may fall in any range above 0x3F.
bool hasControlCharacter(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size(); pos += cp932CharLength(text, pos)) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (cp932CharLength(text, pos) == 1 && (c < 0x20 || c == 0x7F))
            return true;
    }
    return false;
}

// The line is trimmed on reading: blanks that open or close it would be lost.
bool hasLeadingBlank(std::string_view text)
{
    return !text.empty() && trimCp932(text).data() != text.data();
}

bool hasTrailingBlank(std::string_view text)
{
    return !text.empty() && trimCp932(text).data() + trimCp932(text).size() != text.data() + text.size();
}

UserMessage refusal(MessageId id, const char* text)
{
    return UserMessage{id, {}, text};
}

// Refusals that titles, comments and names share; none when none applies.
std::optional<UserMessage> fieldRefusal(std::string_view text)
{
    if (text.find(',') != std::string_view::npos)
        return refusal(MessageId::TextHasComma, "カンマ記号は使用できません。");
    if (hasControlCharacter(text))
        return refusal(MessageId::TextHasControlCharacter, "改行やタブなどの制御文字は使用できません。");
    return std::nullopt;
}

} // namespace

std::optional<UserMessage> indexTextRefusal(std::string_view title, std::string_view comment)
{
    if (auto field = fieldRefusal(title))
        return field;
    if (auto field = fieldRefusal(comment))
        return field;
    // The title opens the line and the comment closes it.
    if (hasLeadingBlank(title))
        return refusal(MessageId::TitleLeadingBlank, "タイトルの先頭に空白は使用できません。");
    if (hasTrailingBlank(comment))
        return refusal(MessageId::CommentTrailingBlank, "コメントの末尾に空白は使用できません。");
    // The first "=" ends the title, and a line starting ";" or "#" is a comment.
    if (title.find('=') != std::string_view::npos)
        return refusal(MessageId::TitleHasEquals, "イコール記号はタイトルに使用できません。");
    if (!title.empty() && (title.front() == ';' || title.front() == '#'))
        return refusal(MessageId::TitleStartsCommentMark, "タイトルの先頭に「;」と「#」は使用できません。");
    // "Version" is the key of the index's header line.
    if (title == "Version")
        return refusal(MessageId::TitleIsVersion, "「Version」はタイトルに使用できません。");
    return std::nullopt;
}

bool isStorableItemName(std::string_view name)
{
    return !name.empty() && !fieldRefusal(name) && !hasLeadingBlank(name) && !hasTrailingBlank(name);
}

UserMessage unstorableItemMessage(std::string_view name)
{
    const std::string utf8 = cp932ToUtf8(name);
    return UserMessage{MessageId::UnstorableItemName,
                       {utf8},
                       "「" + utf8 + "」は名前にカンマ記号、改行や前後の空白を含むため保存できません。"};
}

const std::string* firstUnstorableItemName(const EquipSet& set)
{
    auto firstJewel = [](const JewelSlots& slots) -> const std::string* {
        for (const Jewel* jewel : slots.jewels)
            if (!isStorableItemName(jewel->name))
                return &jewel->name;
        return nullptr;
    };
    if (set.weapon() && !isStorableItemName(set.weapon()->name))
        return &set.weapon()->name;
    if (const std::string* name = firstJewel(set.weaponSlots()))
        return name;
    for (int part = 0; part < kPartCount; ++part) {
        if (const EquipItem* piece = set.piece(part); piece && !isStorableItemName(piece->name))
            return &piece->name;
        if (const std::string* name = firstJewel(set.pieceSlots(part)))
            return name;
    }
    return nullptr;
}

void requireStorableItemName(const std::string& name)
{
    if (!isStorableItemName(name))
        throw UnstorableItemName(name);
}

} // namespace zeku
