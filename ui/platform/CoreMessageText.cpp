#include "ui/platform/CoreMessageText.h"

#include "ui/platform/FileErrorCause.h"

#include <QCoreApplication>

#include <cstring>

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

// errno carried in decimal as the message's only argument; false when not.
bool errorNumber(const std::vector<std::string>& args, int& code)
{
    bool ok = false;
    if (args.size() == 1)
        code = QString::fromStdString(args[0]).toInt(&ok);
    return ok;
}

// A save refused for want of its folder's lock, with the cause in brackets.
QString lockRefusal(const QString& cause)
{
    return translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "フォルダーをロックできないため保存できません（%1）。"))
        .arg(cause);
}

// The words of the ids without arguments; null for the others.
const char* fixedText(MessageId id)
{
    switch (id) {
    case MessageId::UnreadableSave:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "保存データとして読み込めない内容です。");
    case MessageId::NotRegularFile:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "通常のファイルではありません。");
    case MessageId::OutOfMemory:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "メモリが不足しています。");
    case MessageId::TooManyItemKinds:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "保存する装備の種類が多すぎます。");
    case MessageId::FavoriteChangedElsewhere:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage",
                                 "お気に入りデータが他のウィンドウで変更されたため上書きできませんでした。\n"
                                 "一覧を読み込み直してください。");
    case MessageId::TextHasComma:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "カンマ記号は使用できません。");
    case MessageId::TextHasControlCharacter:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "改行やタブなどの制御文字は使用できません。");
    case MessageId::TitleLeadingBlank:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "タイトルの先頭に空白は使用できません。");
    case MessageId::CommentTrailingBlank:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "コメントの末尾に空白は使用できません。");
    case MessageId::TitleHasEquals:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "イコール記号はタイトルに使用できません。");
    case MessageId::TitleStartsCommentMark:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "タイトルの先頭に「;」と「#」は使用できません。");
    case MessageId::TitleIsVersion:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "「Version」はタイトルに使用できません。");
    case MessageId::MissingSkillData:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "スキルデータファイルがありません");
    case MessageId::MissingEquipData:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "装備データファイルがありません");
    case MessageId::MissingJewelData:
        return QT_TRANSLATE_NOOP("zeku::CoreMessage", "装飾品データファイルがありません");
    default:
        return nullptr;
    }
}

} // namespace

QString coreMessageText(const UserMessage& message)
{
    const std::vector<std::string>& args = message.args;
    if (const char* text = fixedText(message.id); text && args.empty())
        return translated(text);
    int code = 0;
    switch (message.id) {
    case MessageId::DamagedLine:
        if (args.size() == 1)
            return translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "%1行目のデータが壊れています。"))
                .arg(QString::fromStdString(args[0]));
        break;
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
            text += translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "復元できなかった検索結果：%1件"))
                        .arg(QString::fromStdString(args[0])) +
                    QStringLiteral("\r\n");
        }
        return text;
    }
    case MessageId::SystemError:
        if (errorNumber(args, code))
            return fileErrorCauseText(code, QString::fromStdString(message.text));
        break;
    case MessageId::UnreadableIndex:
        return unreadableIndexText();
    case MessageId::NoFreeFileName:
    case MessageId::TextFormattingFailed:
        // The core words these in English for every reader, windows included.
        break;
    case MessageId::FolderLockSymlink:
        return lockRefusal(translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "シンボリックリンクです")));
    case MessageId::FolderLockNotFileOrFolder:
        return lockRefusal(translated(QT_TRANSLATE_NOOP("zeku::CoreMessage", "ファイルでもフォルダーでもありません")));
    case MessageId::FolderLockSystemError:
        // The system's own words for the errno, as the command line shows them.
        if (errorNumber(args, code))
            return lockRefusal(QString::fromUtf8(std::strerror(code)));
        break;
    case MessageId::OutsideUserFolder:
        if (args.size() == 1)
            return translated(
                       QT_TRANSLATE_NOOP("zeku::CoreMessage", "「%1」はユーザーフォルダーの外を指すため開きません。"))
                .arg(QString::fromStdString(args[0]));
        break;
    case MessageId::UnstorableItemName:
        if (args.size() == 1)
            return translated(QT_TRANSLATE_NOOP("zeku::CoreMessage",
                                                "「%1」は名前にカンマ記号、改行や前後の空白を含むため保存できません。"))
                .arg(QString::fromStdString(args[0]));
        break;
    case MessageId::UnreadableSave:
    case MessageId::NotRegularFile:
    case MessageId::OutOfMemory:
    case MessageId::TooManyItemKinds:
    case MessageId::FavoriteChangedElsewhere:
    case MessageId::TextHasComma:
    case MessageId::TextHasControlCharacter:
    case MessageId::TitleLeadingBlank:
    case MessageId::CommentTrailingBlank:
    case MessageId::TitleHasEquals:
    case MessageId::TitleStartsCommentMark:
    case MessageId::TitleIsVersion:
    case MessageId::MissingSkillData:
    case MessageId::MissingEquipData:
    case MessageId::MissingJewelData:
        // Worded by fixedText() above when they come without arguments.
        break;
    }
    // Arguments that do not fit the id: the core's own words rather than none.
    return QString::fromStdString(message.text);
}

} // namespace zeku
