#include "userfiles/FavoriteIndex.h"

#include "platform/LenientNumber.h"
#include "platform/TextFile.h"
#include "userfiles/StoredPath.h"

namespace zeku {

FavoriteIndex::FavoriteIndex(const UserFolder& userFolder)
    : SavedFileIndex(userFolder, userFolder.favoriteFolder(), kStoredFavoriteFolder)
{
}

bool FavoriteIndex::removeEntry(int position)
{
    if (!SavedFileIndex::removeEntry(position))
        return false;
    m_sexes.erase(m_sexes.begin() + position);
    m_jobs.erase(m_jobs.begin() + position);
    return true;
}

bool FavoriteIndex::isConsistent() const
{
    const auto n = static_cast<std::size_t>(count());
    return SavedFileIndex::isConsistent() && m_sexes.size() == n && m_jobs.size() == n;
}

void FavoriteIndex::clear()
{
    SavedFileIndex::clear();
    m_sexes.clear();
    m_jobs.clear();
}

void FavoriteIndex::addFromLine(const std::string& key, const std::vector<std::string>& fields)
{
    if (fields.size() < 3)
        return;
    append(key, fields.size() >= 4 ? fields[3] : std::string(), fields[2], parseLenientUInt16(fields[0]),
           parseLenientUInt16(fields[1]));
}

void FavoriteIndex::writeEntries(SafeTextWriter& writer) const
{
    for (int i = 0; i < count(); ++i) {
        std::string line = *title(i) + "=" + std::to_string(sex(i)) + "," + std::to_string(job(i)) + "," + *path(i);
        if (!comment(i)->empty())
            line += "," + *comment(i);
        writer.write(line + "\n");
    }
}

bool FavoriteIndex::insertCopy(int from, int to)
{
    if (!SavedFileIndex::insertCopy(from, to))
        return false;
    insertCopyAt(m_sexes, from, to);
    insertCopyAt(m_jobs, from, to);
    return true;
}

int FavoriteIndex::append(const std::string& title, const std::string& comment, const std::string& path)
{
    return append(title, comment, path, 0, 0);
}

int FavoriteIndex::append(const std::string& title, const std::string& comment, const std::string& path, uint16_t sex,
                          uint16_t job)
{
    appendTexts(title, comment, path);
    m_sexes.push_back(sex);
    m_jobs.push_back(job);
    return count();
}

bool FavoriteIndex::replaceEntry(int position, const std::string& title, const std::string& comment,
                                 const std::string& path, uint16_t sex, uint16_t job)
{
    if (!SavedFileIndex::replaceEntry(position, title, comment, path))
        return false;
    m_sexes[static_cast<std::size_t>(position)] = sex;
    m_jobs[static_cast<std::size_t>(position)] = job;
    return true;
}

} // namespace zeku
