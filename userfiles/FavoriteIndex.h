#pragma once
// The favourites index "user\Favorite\index.dat". Besides title, comment and
// path each entry keeps a sex value and a job value taken from the favourite's
// pieces, so that the manual editor can list only the favourites that fit.

#include "userfiles/SavedFileIndex.h"

#include <cstdint>

namespace zeku {

class FavoriteIndex final : public SavedFileIndex {
public:
    explicit FavoriteIndex(const UserFolder& userFolder);

    bool removeEntry(int position) override;
    bool isConsistent() const override;
    void clear() override;
    // "title=sex,job,path[,comment]"; a line with fewer than three fields is skipped.
    void addFromLine(const std::string& key, const std::vector<std::string>& fields) override;
    void writeEntries(SafeTextWriter& writer) const override;
    bool insertCopy(int from, int to) override;

    // An entry without sex and job values (both 0).
    int append(const std::string& title, const std::string& comment, const std::string& path) override;
    // Appends an entry; returns the new number of entries.
    int append(const std::string& title, const std::string& comment, const std::string& path, uint16_t sex,
               uint16_t job);
    // Replaces title, comment and path only; sex and job stay.
    using SavedFileIndex::replaceEntry;
    // Replaces every field of the entry at `position` in place.
    bool replaceEntry(int position, const std::string& title, const std::string& comment, const std::string& path,
                      uint16_t sex, uint16_t job);

    // Sex and job values of an entry; 0 when the position is out of range.
    uint16_t sex(int position) const { return contains(position) ? m_sexes[static_cast<std::size_t>(position)] : 0; }
    uint16_t job(int position) const { return contains(position) ? m_jobs[static_cast<std::size_t>(position)] : 0; }

private:
    std::vector<uint16_t> m_sexes;
    std::vector<uint16_t> m_jobs;
};

} // namespace zeku
