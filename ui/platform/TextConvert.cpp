#include "ui/platform/TextConvert.h"

#include "platform/Cp932.h"

#include <QCoreApplication>

namespace zeku {

QString toQString(const std::string& cp932)
{
    return QString::fromStdString(cp932ToUtf8(cp932));
}

bool fromQStringStrict(const QString& text, std::string& out, QString& offendingChar)
{
    // A lone surrogate has no UTF-8 form; QString::toUtf8 would turn it into
    // "?" and hide it, so it is refused here before the conversion.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate()) {
            offendingChar = QString(c);
            return false;
        }
    }
    std::string offending;
    std::optional<std::string> converted = utf8ToCp932Strict(text.toStdString(), &offending);
    if (!converted) {
        offendingChar = QString::fromStdString(offending);
        return false;
    }
    out = std::move(*converted);
    return true;
}

QString unrepresentableCharMessage(const QString& offendingChar)
{
    return QCoreApplication::translate("zeku::TextConvert", "「%1」は使用できない文字です。").arg(offendingChar);
}

} // namespace zeku
