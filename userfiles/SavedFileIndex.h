#pragma once
// The index file "index.dat" of a folder of saved files (stored searches or
// favourites): one entry per saved file with title, comment and stored path, in
// the order the user sees them. Positions are 0-based and follow the file.
//
// The base class serves the history folder; FavoriteIndex adds per-entry sex
// and job values and overrides the virtual operations to keep them in step.

#include "platform/ErrorReport.h"
#include "userfiles/UserFolder.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace zeku {

class FolderLock;
class SafeTextWriter;

class SavedFileIndex {
public:
    // `nativeFolder` holds index.dat; `storedFolder` is its stored form with a
    // trailing backslash ("user\SearchHistory\").
    SavedFileIndex(UserFolder userFolder, std::filesystem::path nativeFolder, std::string storedFolder);
    // The index of the history folder.
    static SavedFileIndex forHistory(const UserFolder& userFolder);
    virtual ~SavedFileIndex();

    // The cause reported when the index to be updated cannot be read.
    static constexpr const char* kUnreadableCause = kUnreadableIndexCause;

    // Removes the entry at `position` from every parallel list; false when there is none.
    virtual bool removeEntry(int position);
    // True when all parallel lists have the same length.
    virtual bool isConsistent() const;
    // Empties all lists.
    virtual void clear();
    // Appends one entry from a parsed index line ("title=path[,comment]").
    virtual void addFromLine(const std::string& key, const std::vector<std::string>& fields);
    // Writes one line per entry.
    virtual void writeEntries(SafeTextWriter& writer) const;
    // Inserts a copy of entry `from` before position `to` (0..count); false when
    // either position is out of range.
    virtual bool insertCopy(int from, int to);

    // Clears, then reads index.dat, creating an empty one when there is none (the
    // folder must exist). False, silently, when it cannot be opened. A file with
    // lines it could not read (over-long, CR line ends, another encoding) lists
    // what it could; damagedLine() then names the first such line.
    bool load();
    int damagedLine() const { return m_damagedLine; }
    // load() before a change that will be saved: a failure, and an index not
    // read whole, is reported and refused, since saving after it would drop
    // the entries that could not be read. Takes the
    // folder's lock first and holds it until save() or destruction, so no other
    // writer changes the index in between; then removes what interrupted saves
    // left in the folder.
    bool loadForUpdate();
    // Rewrites index.dat through a temporary file; failures are reported. Lets
    // go of the lock that loadForUpdate() took.
    bool save() const;

    // Appends an entry; returns the new number of entries.
    virtual int append(const std::string& title, const std::string& comment, const std::string& path);
    // Replaces the texts of the entry at `position` in place; false when there is none.
    bool replaceEntry(int position, const std::string& title, const std::string& comment, const std::string& path);

    int count() const { return static_cast<int>(m_titles.size()); }
    bool contains(int position) const { return position >= 0 && position < count(); }
    // Accessors by position; nullptr when the position is out of range.
    const std::string* title(int position) const { return at(m_titles, position); }
    const std::string* comment(int position) const { return at(m_comments, position); }
    const std::string* path(int position) const { return at(m_paths, position); }

    const UserFolder& userFolder() const { return m_userFolder; }
    const std::filesystem::path& nativeFolder() const { return m_nativeFolder; }
    const std::string& storedFolder() const { return m_storedFolder; }
    std::filesystem::path indexFile() const { return m_nativeFolder / "index.dat"; }

protected:
    // Removes what saves killed midway left in the folder: stale temporary
    // files and empty files that no entry lists. Only under the lock.
    void removeSaveLeftovers() const;

    // Appends the three texts without touching derived lists.
    void appendTexts(const std::string& title, const std::string& comment, const std::string& path);

private:
    static const std::string* at(const std::vector<std::string>& list, int position)
    {
        return position >= 0 && position < static_cast<int>(list.size()) ? &list[static_cast<std::size_t>(position)]
                                                                         : nullptr;
    }

    UserFolder m_userFolder;
    std::filesystem::path m_nativeFolder;
    std::string m_storedFolder;
    std::vector<std::string> m_titles;
    std::vector<std::string> m_comments;
    std::vector<std::string> m_paths;
    int m_damagedLine = 0;
    // Held from loadForUpdate() to save(); shared by copies of the index.
    mutable std::shared_ptr<FolderLock> m_updateLock;
};

// Inserts a copy of list[from] before list[to]; both positions already checked.
template <typename T>
void insertCopyAt(std::vector<T>& list, int from, int to)
{
    T copy = list[static_cast<std::size_t>(from)];
    list.insert(list.begin() + to, std::move(copy));
}

} // namespace zeku
