#include "ui/platform/FileErrorCause.h"

#include <QCoreApplication>

#include <cerrno>

namespace zeku {

namespace {

struct ErrnoCause {
    int code;
    const char* japanese;
};

// Causes a user can act on; the rest keep the system's own text.
constexpr ErrnoCause kErrnoCauses[] = {
    {ENOENT, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "ファイルまたはフォルダが見つかりません。")},
    {EACCES, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "アクセスする権限がありません。")},
    {EPERM, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "アクセスする権限がありません。")},
    {EROFS, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "読み取り専用の場所なので書き込めません。")},
    {ENOSPC, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "ディスクの空き容量が足りません。")},
    {EDQUOT, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "ディスクの使用量の上限に達しました。")},
    {EISDIR, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "ファイルの名前でフォルダがあります。")},
    {ENOTDIR, QT_TRANSLATE_NOOP("zeku::FileErrorCause", "フォルダの名前でファイルがあります。")},
};

} // namespace

QString fileErrorCauseText(int errorNumber, const QString& systemText)
{
    for (const ErrnoCause& known : kErrnoCauses)
        if (errorNumber == known.code)
            return QCoreApplication::translate("zeku::FileErrorCause", known.japanese);
    return systemText;
}

QString unreadableIndexText()
{
    return QCoreApplication::translate("zeku::FileErrorCause", "一覧ファイル (index.dat) を読み込めません。");
}

} // namespace zeku
