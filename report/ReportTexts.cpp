#include "report/ReportTexts.h"

#include "data/EquipItem.h"
#include "platform/Cp932.h"

namespace zeku {

const ReportTexts& reportTexts()
{
    static const ReportTexts texts{
        utf8ToCp932Lossy("　"),       utf8ToCp932Lossy("なし"), utf8ToCp932Lossy("剣士"),
        utf8ToCp932Lossy("ガンナー"), utf8ToCp932Lossy("(男)"), utf8ToCp932Lossy("(女)"),
    };
    return texts;
}

const std::string& sexMark(uint16_t sex)
{
    static const std::string empty;
    if (sex == kSexMale)
        return reportTexts().maleMark;
    if (sex == kSexFemale)
        return reportTexts().femaleMark;
    return empty;
}

void appendPadded(std::string& out, std::string_view text, std::size_t width)
{
    out += text;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

std::string signedNumber(int value)
{
    return (value >= 0 ? "+" : "") + std::to_string(value);
}

} // namespace zeku
