#include "cli/JsonFormat.h"
#include "cli/ResultLineWriter.h"
#include "cli/zeku_data.h"

#include "data/MasterData.h"
#include "platform/Cp932.h"
#include "platform/NoticeSink.h"
#include "report/ClipText.h"
#include "report/ConditionText.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/Favorites.h"
#include "userfiles/FileOperationThread.h"
#include "userfiles/SavedFileIndex.h"

#include <memory>
#include <ostream>

namespace zeku::data_cli {
namespace {

// The message the main window shows after a failed read.
constexpr const char* kReadFailed = "データの読み込み処理で異常が発生しました";

// Loads the master data; on failure writes its message and gives false.
bool loadMaster(const Options& options, MasterData& master, std::ostream& err)
{
    const MasterLoadResult result = master.load(options.datDir);
    if (!result.ok())
        err << result.message() << '\n';
    return result.ok();
}

} // namespace

std::string toOutputText(std::string_view cp932)
{
    const std::string utf8 = cp932ToUtf8(cp932);
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue;
        text.push_back(utf8[i]);
    }
    return text;
}

int listHistory(const Options& options, std::ostream& out)
{
    SavedFileIndex index = SavedFileIndex::forHistory(UserFolder(options.userDir));
    index.load(); // an index that cannot be read lists nothing
    for (int i = 0; i < index.count(); ++i)
        out << i << '\t' << toOutputText(*index.title(i)) << '\t' << toOutputText(*index.comment(i)) << '\n';
    return kExitOk;
}

int showHistory(const Options& options, std::ostream& out, std::ostream& err)
{
    if (!positionExists(options, err))
        return kExitLoadFailed;
    MasterData master;
    if (!loadMaster(options, master, err))
        return kExitUsage;
    // The worker's own load, run here: the same rebuild and missing-items report.
    RecordingNoticeSink sink;
    CFileOperationThread worker(sink, UserFolder(options.userDir), master);
    worker.setLoad(options.position);
    worker.run();
    const std::vector<Notice> notices = sink.notices();
    std::unique_ptr<SearchResultStore> results = worker.takeResults();
    if (notices.empty() || notices.back().param != CFileOperationThread::kSucceeded || !results) {
        err << kReadFailed << '\n';
        return kExitLoadFailed;
    }
    const SkillCatalogue& skills = master.skills();
    if (options.json) {
        out << conditionToJson(worker.condition(), &master).dump() << '\n';
        writeResultLines(master, *results, out);
        return kExitOk;
    }
    std::string condition;
    appendConditionText(worker.condition(), skills, condition);
    out << toOutputText(condition) << '\n';
    for (int32_t i = 0; i < results->count(); ++i)
        out << toOutputText(buildClipText(results->fullSet(i), skills)) << '\n';
    return kExitOk;
}

int listFavorites(const Options& options, std::ostream& out)
{
    FavoriteIndex index{UserFolder(options.userDir)};
    index.load();
    for (int i = 0; i < index.count(); ++i)
        out << i << '\t' << toOutputText(*index.title(i)) << '\t' << index.sex(i) << '\t' << index.job(i) << '\t'
            << toOutputText(*index.comment(i)) << '\n';
    return kExitOk;
}

int showFavorite(const Options& options, std::ostream& out, std::ostream& err)
{
    if (!positionExists(options, err))
        return kExitLoadFailed;
    MasterData master;
    if (!loadMaster(options, master, err))
        return kExitUsage;
    std::unique_ptr<FavoriteSet> favorite = loadFavorite(UserFolder(options.userDir), master, options.position);
    if (!favorite) {
        err << kReadFailed << '\n';
        return kExitLoadFailed;
    }
    reportMissingItems(*favorite);
    if (options.json) {
        nlohmann::ordered_json line;
        line["title"] = cp932ToUtf8(favorite->title);
        line["comment"] = cp932ToUtf8(favorite->comment);
        line["sex"] = favorite->sex;
        line["job"] = favorite->job;
        line["set"] = resultToJson(favorite->equipment, master, std::nullopt);
        out << line.dump() << '\n';
        return kExitOk;
    }
    out << toOutputText(buildClipText(favorite->equipment, master.skills()));
    return kExitOk;
}

} // namespace zeku::data_cli
