#include "userfiles/DamagedFile.h"

#include "platform/Cp932.h"
#include "platform/ErrorReport.h"
#include "platform/TextFile.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/StoredPath.h"

#include <string>

namespace zeku {

void reportDamagedFile(const std::filesystem::path& file, int line)
{
    UserMessage cause = line > 0 ? UserMessage{MessageId::DamagedLine,
                                               {std::to_string(line)},
                                               std::to_string(line) + "行目のデータが壊れています。"}
                                 : UserMessage{MessageId::UnreadableSave, {}, "保存データとして読み込めない内容です。"};
    errorReporter().reportFileMessage(file.string(), cause);
}

std::optional<std::filesystem::path> openableEntryFile(const SavedFileIndex& index, int position)
{
    const std::string* stored = index.path(position);
    if (!stored)
        return std::nullopt;
    const auto file = confinedStoredPath(index.userFolder().root(), *stored);
    if (!file) {
        const std::string path = cp932ToUtf8(*stored);
        errorReporter().reportFileMessage(
            index.indexFile().string(), UserMessage{MessageId::OutsideUserFolder,
                                                    {path},
                                                    "「" + path + "」はユーザーフォルダーの外を指すため開きません。"});
        return std::nullopt;
    }
    if (userFileKind(*file) == UserFileKind::NotPlain) {
        errorReporter().reportFileMessage(file->string(),
                                          UserMessage{MessageId::NotRegularFile, {}, "通常のファイルではありません。"});
        return std::nullopt;
    }
    return file;
}

} // namespace zeku
