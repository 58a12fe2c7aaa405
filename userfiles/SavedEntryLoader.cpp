#include "userfiles/SavedEntryLoader.h"

#include "platform/ErrorReport.h"
#include "platform/TextFile.h"
#include "userfiles/DamagedFile.h"
#include "userfiles/SavedFileIndex.h"

#include <cerrno>
#include <cstring>

namespace zeku {

bool loadSavedEntry(SavedFileIndex& index, int position, const EntryFileReader& read)
{
    if (!index.load() || !index.contains(position))
        return false;
    const std::optional<std::filesystem::path> file = openableEntryFile(index, position);
    if (!file)
        return false;
    TextLineReader reader(*file);
    if (!reader.isOpen()) {
        errorReporter().reportFileMessage(file->string(), systemErrorMessage(errno));
        return false;
    }
    const int failedLine = read([&reader](std::string& line) { return reader.next(line); });
    // An over-long line ends the reading at once; whatever the format made of
    // the lines before it, the file is damaged there.
    if (reader.tooLong()) {
        reportDamagedFile(*file, reader.lineNumber());
        return false;
    }
    if (failedLine != 0) {
        reportDamagedFile(*file, failedLine > 0 ? failedLine : 0);
        return false;
    }
    return true;
}

} // namespace zeku
