// zeku-data: the folders in use, and whether a position names an entry.

#include "cli/zeku_data.h"

#include "userfiles/FavoriteIndex.h"
#include "userfiles/SavedFileIndex.h"

#include <filesystem>
#include <ostream>

namespace zeku::data_cli {
namespace {

// A folder as the user can find it: absolute, without "." or "..".
std::string shownFolder(const std::string& folder)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    return ec ? folder : absolute.lexically_normal().string();
}

} // namespace

int printPaths(const Options& options, std::ostream& out)
{
    out << "dat\t" << shownFolder(options.datDir) << '\n';
    out << "user\t" << shownFolder(options.userDir) << '\n';
    return kExitOk;
}

bool positionExists(const Options& options, std::ostream& err)
{
    const UserFolder folder(options.userDir);
    int count;
    if (options.command == "history") {
        SavedFileIndex index = SavedFileIndex::forHistory(folder);
        index.load(); // an index that cannot be read has no entries
        count = index.count();
    } else {
        FavoriteIndex index{folder};
        index.load();
        count = index.count();
    }
    if (options.position < count)
        return true;
    err << "no " << (options.command == "history" ? "history" : "favorite") << " entry " << options.position
        << " (there are " << count << ")\n";
    return false;
}

} // namespace zeku::data_cli
