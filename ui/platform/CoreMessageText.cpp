#include "ui/platform/CoreMessageText.h"

#include <QCoreApplication>

namespace zeku {

namespace {

QString translated(const char* japanese)
{
    return QCoreApplication::translate("zeku::CoreMessage", japanese);
}

// The names of items not found, one a line, as the core lists them.
QString nameLines(const std::vector<std::string>& args, std::size_t first)
{
    QString lines;
    for (std::size_t i = first; i < args.size(); ++i)
        lines += QString::fromStdString(args[i]) + QStringLiteral("\r\n");
    return lines;
}

} // namespace

QString coreMessageText(const UserMessage& message)
{
    const std::vector<std::string>& args = message.args;
    switch (message.id) {
    case MessageId::DamagedLine:
        if (args.size() == 1)
            return translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "%1行目のデータが壊れています。")).arg(QString::fromStdString(args[0]));
        break;
    case MessageId::UnreadableSave:
        return translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "保存データとして読み込めない内容です。"));
    case MessageId::FavoriteMissingItems:
        if (args.empty())
            return {};
        return translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "以下のアイテム情報が見つからない為\n"
                          "お気に入りデータを復元できませんでした。")) +
               QStringLiteral("\n\n") + nameLines(args, 0);
    case MessageId::SearchMissingItems: {
        if (args.empty())
            break;
        QString text;
        if (args.size() > 1)
            text = translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "以下のアイテム情報が見つからない為\n"
                              "検索結果の一部が復元できませんした。")) +
                   QStringLiteral("\n\n") + nameLines(args, 1);
        if (args[0] != "0") {
            if (!text.isEmpty())
                text += QStringLiteral("\r\n");
            text += translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "復元できなかった検索結果：%1件")).arg(QString::fromStdString(args[0])) +
                    QStringLiteral("\r\n");
        }
        return text;
    }
    }
    // Arguments that do not fit the id: the core's own words rather than none.
    return QString::fromStdString(message.text);
}

} // namespace zeku
