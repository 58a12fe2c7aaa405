// A failed write keeps the old files and reports it: every writer of the user
// folder, with the disk filling up at several sizes, either succeeds or leaves
// every file of the folder exactly as it was (no new entry, no temporary file)
// and reports the failure once.

#include "userfiles/FavoriteIndex.h"
#include "userfiles/Favorites.h"
#include "userfiles/ItemListFiles.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/SearchHistory.h"
#include "userfiles/StartupSettings.h"

#include "StoredDataFixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sj;

namespace {

class FailedWriteTest : public zeku::test::StoredDataFixture {
protected:
    // Every file under the user folder with its bytes.
    std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_folder.root()))
            if (entry.is_regular_file())
                files[entry.path().string()] = readFileBytes(entry.path());
        return files;
    }

    SearchResultStore& results()
    {
        if (m_results.count() == 0)
            m_results.append(fullSet(), m_master.skills());
        return m_results;
    }

    SearchResultStore m_results;
};

TEST_F(FailedWriteTest, AFailedWriteKeepsEveryOldFileAndReportsOnce)
{
    ExclusionSet items;
    items.add(*piece(PartBody, "Plate"));
    items.add(*jewel(sj("攻撃珠")));
    SPartSet parts;
    parts.add(*piece(PartHead, "Alpha Cap", kSexMale));
    ExcludedSkillList skills;
    skills.add(1, -10);
    StartupSettings settings;
    settings.recordFavoriteSkills(1, {{1, 10}, {2, 10}}, m_master.skills());
    settings.filterSkills(2) = {1, 2};

    struct Writer {
        const char* what;
        std::function<bool()> save; // run once with room to spare first, then on a filling disk
    };
    const Writer writers[] = {
        {"exclusion list", [&] { return saveExclusionList(m_folder, items); }},
        {"s-part list", [&] { return saveSPartList(m_folder, parts); }},
        {"excluded skills", [&] { return saveExcludedSkills(m_folder, skills); }},
        {"start-up settings", [&] { return settings.save(m_folder); }},
        {"new favourite", [&] { return saveNewFavorite(m_folder, 1, 1, fullSet(), "favourite title", "c"); }},
        {"favourite overwrite",
         [&] {
             FavoriteIndex index(m_folder);
             return index.load() &&
                    overwriteFavorite(m_folder, 0, *index.path(0), 1, 1, fullSet(), "overwritten title", "comment");
         }},
        {"history entry",
         [&] { return saveSearchHistory(m_folder, m_master, SearchCondition(), results(), "search", "c"); }},
        {"history index",
         [&] {
             SavedFileIndex index = SavedFileIndex::forHistory(m_folder);
             if (!index.loadForUpdate())
                 return false;
             for (int i = 0; i < 8; ++i)
                 index.append("title" + std::to_string(i), "comment", "user\\SearchHistory\\some file.dat");
             return index.save();
         }},
    };
    for (const Writer& writer : writers) {
        ASSERT_TRUE(writer.save()) << writer.what; // the old files
        int failures = 0;
        for (rlim_t limit : {1, 16, 64, 128, 256, 512, 1024}) {
            const auto before = snapshot();
            RecordingErrorReporter reporter;
            bool saved;
            {
                zeku::test::FileSizeLimit fullDisk(limit);
                saved = writer.save();
            }
            if (saved)
                continue;
            ++failures;
            EXPECT_EQ(reporter.fileErrors.size(), 1u) << writer.what << " at " << limit;
            EXPECT_EQ(snapshot(), before) << writer.what << " at " << limit;
        }
        EXPECT_GE(failures, 2) << writer.what;
    }
}

} // namespace
