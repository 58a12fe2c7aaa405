#include "userfiles/SavedFileIndex.h"

#include "platform/AppIdentity.h"
#include "platform/ErrorReport.h"
#include "platform/FolderLock.h"
#include "platform/TextFile.h"
#include "userfiles/DamagedFile.h"
#include "userfiles/LineParser.h"
#include "userfiles/StoredPath.h"

#include <algorithm>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace zeku {

SavedFileIndex::SavedFileIndex(UserFolder userFolder, std::filesystem::path nativeFolder, std::string storedFolder)
    : m_userFolder(std::move(userFolder)), m_nativeFolder(std::move(nativeFolder)),
      m_storedFolder(std::move(storedFolder))
{
}

SavedFileIndex SavedFileIndex::forHistory(const UserFolder& userFolder)
{
    return SavedFileIndex(userFolder, userFolder.historyFolder(), kStoredHistoryFolder);
}

SavedFileIndex::~SavedFileIndex() = default;

bool SavedFileIndex::removeEntry(int position)
{
    if (!contains(position))
        return false;
    m_titles.erase(m_titles.begin() + position);
    m_comments.erase(m_comments.begin() + position);
    m_paths.erase(m_paths.begin() + position);
    return true;
}

bool SavedFileIndex::isConsistent() const
{
    return m_titles.size() == m_comments.size() && m_titles.size() == m_paths.size();
}

void SavedFileIndex::clear()
{
    m_titles.clear();
    m_comments.clear();
    m_paths.clear();
}

void SavedFileIndex::addFromLine(const std::string& key, const std::vector<std::string>& fields)
{
    if (fields.empty())
        return;
    appendTexts(key, fields.size() >= 2 ? fields[1] : std::string(), fields[0]);
}

void SavedFileIndex::writeEntries(SafeTextWriter& writer) const
{
    for (std::size_t i = 0; i < m_titles.size(); ++i) {
        std::string line = m_titles[i] + "=" + m_paths[i];
        if (!m_comments[i].empty())
            line += "," + m_comments[i];
        writer.write(line + "\n");
    }
}

bool SavedFileIndex::insertCopy(int from, int to)
{
    if (!contains(from) || to < 0 || to > count())
        return false;
    insertCopyAt(m_titles, from, to);
    insertCopyAt(m_comments, from, to);
    insertCopyAt(m_paths, from, to);
    return true;
}

bool SavedFileIndex::load()
{
    clear();
    m_damagedLine = 0;
    const std::filesystem::path file = indexFile();
    // A missing index is an empty one; it is created when the folder exists,
    // never through a symbolic link left at its name.
    const int created = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (created >= 0)
        ::close(created);
    TextLineReader reader(file);
    if (!reader.isOpen())
        return false;
    std::string line;
    ParsedLine parsed;
    while (reader.next(line)) {
        // A carriage return or NUL inside a line: the file has other line ends
        // (CR only) or another encoding (UTF-16); its entries were not all read.
        if (m_damagedLine == 0 && line.find_first_of(std::string_view("\r\0", 2)) != std::string::npos)
            m_damagedLine = reader.lineNumber();
        if (!parseUserFileLine(line, parsed) || parsed.key == "Version" || parsed.fields.empty())
            continue;
        addFromLine(parsed.key, parsed.fields);
    }
    if (reader.tooLong())
        m_damagedLine = reader.lineNumber();
    return true;
}

bool SavedFileIndex::loadForUpdate()
{
    if (!m_updateLock) {
        auto lock = std::make_shared<FolderLock>(m_nativeFolder);
        if (!lock->held())
            return lock->reportRefusal();
        m_updateLock = std::move(lock);
    }
    if (load() && m_damagedLine == 0) {
        removeSaveLeftovers();
        return true;
    }
    m_updateLock.reset();
    // Rewriting an index that was not read whole would drop what was not read.
    if (m_damagedLine > 0)
        reportDamagedFile(indexFile(), m_damagedLine);
    else
        errorReporter().reportFileMessage(indexFile().string(),
                                          UserMessage{MessageId::UnreadableIndex, {}, kUnreadableCause});
    return false;
}

void SavedFileIndex::removeSaveLeftovers() const
{
    removeStaleTemporaries(m_nativeFolder);
    // A new entry's file is made empty, filled and listed while the lock is
    // held, so an empty file the index does not list belongs to a save that died.
    std::vector<std::filesystem::path> listed;
    for (const std::string& stored : m_paths)
        if (auto file = confinedStoredPath(m_userFolder.root(), stored))
            listed.push_back(file->filename());
    std::error_code ec;
    for (std::filesystem::directory_iterator it(m_nativeFolder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::filesystem::path& file = it->path();
        std::error_code fileEc;
        if (file.extension() != ".dat" || file.filename() == "index.dat" || !it->is_regular_file(fileEc) ||
            it->file_size(fileEc) != 0 || fileEc)
            continue;
        if (std::find(listed.begin(), listed.end(), file.filename()) == listed.end())
            std::filesystem::remove(file, fileEc);
    }
}

bool SavedFileIndex::save() const
{
    // Whatever the outcome, the update ends here.
    const std::shared_ptr<FolderLock> lock = std::move(m_updateLock);
    SafeTextWriter writer(indexFile());
    if (!writer.isOpen())
        return false;
    writer.writef("Version=%s\n\n", kVersionText);
    writeEntries(writer);
    return writer.commit();
}

int SavedFileIndex::append(const std::string& title, const std::string& comment, const std::string& path)
{
    appendTexts(title, comment, path);
    return count();
}

bool SavedFileIndex::replaceEntry(int position, const std::string& title, const std::string& comment,
                                  const std::string& path)
{
    if (!contains(position))
        return false;
    const auto i = static_cast<std::size_t>(position);
    m_titles[i] = title;
    m_comments[i] = comment;
    m_paths[i] = path;
    return true;
}

void SavedFileIndex::appendTexts(const std::string& title, const std::string& comment, const std::string& path)
{
    m_titles.push_back(title);
    m_comments.push_back(comment);
    m_paths.push_back(path);
}

} // namespace zeku
