#include "ui/platform/FileErrorCause.h"

#include "platform/ErrorReport.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace zeku {

namespace {

struct ErrnoCause {
    int code;
    const char* japanese;
};

// Causes a user can act on; the rest keep the system's own text.
constexpr ErrnoCause kErrnoCauses[] = {
    {ENOENT, "ファイルまたはフォルダが見つかりません。"},
    {EACCES, "アクセスする権限がありません。"},
    {EPERM, "アクセスする権限がありません。"},
    {EROFS, "読み取り専用の場所なので書き込めません。"},
    {ENOSPC, "ディスクの空き容量が足りません。"},
    {EDQUOT, "ディスクの使用量の上限に達しました。"},
    {EISDIR, "ファイルの名前でフォルダがあります。"},
    {ENOTDIR, "フォルダの名前でファイルがあります。"},
};

} // namespace

QString fileErrorCauseText(const std::string& cause)
{
    if (cause == kUnreadableIndexCause)
        return QStringLiteral("一覧ファイル (index.dat) を読み込めません。");
    for (const ErrnoCause& known : kErrnoCauses) {
        // strerror and std::error_code word the same errno alike on glibc;
        // both are compared so that neither wording slips through.
        if (cause == std::strerror(known.code) || cause == std::generic_category().message(known.code) ||
            cause == std::system_category().message(known.code))
            return QString::fromUtf8(known.japanese);
    }
    return QString::fromStdString(cause);
}

} // namespace zeku
