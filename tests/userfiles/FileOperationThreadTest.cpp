#include "userfiles/FileOperationThread.h"
#include "userfiles/SavedFileIndex.h"
#include "userfiles/SearchHistory.h"

#include "StoredDataFixture.h"

#include <gtest/gtest.h>

#include <new>

using namespace zeku;
using zeku::test::readFileBytes;
using zeku::test::RecordingErrorReporter;
using zeku::test::sameEquipment;
using zeku::test::sj;
using zeku::test::writeFileBytes;

namespace {

// Records each notice together with how many messages the user had seen by then.
class OrderedSink final : public NoticeSink {
public:
    explicit OrderedSink(const RecordingErrorReporter& reporter) : m_reporter(reporter) {}
    void post(const Notice& notice) override
    {
        notices.push_back(notice);
        messagesBefore.push_back(m_reporter.messages.size());
    }
    std::vector<Notice> notices;
    std::vector<std::size_t> messagesBefore;

private:
    const RecordingErrorReporter& m_reporter;
};

// Runs out of memory after `records` result records were rebuilt.
class StarvedThread final : public CFileOperationThread {
public:
    StarvedThread(NoticeSink& sink, UserFolder folder, const MasterData& master, int records)
        : CFileOperationThread(sink, std::move(folder), master), m_skills(master.skills()), m_records(records)
    {
    }

protected:
    void rebuildResults(const StoredSearch& search, SearchResultStore& store) override
    {
        EquipSet set;
        for (int i = 0; i < m_records; ++i) {
            search.combinations[static_cast<std::size_t>(i)].resolve(search.items, set);
            store.append(set, m_skills);
        }
        throw std::bad_alloc();
    }

private:
    const SkillCatalogue& m_skills;
    int m_records;
};

class FileOperationThreadTest : public zeku::test::StoredDataFixture {
protected:
    FileOperationThreadTest() : m_sink(m_reporter) {}

    void installHistory(const std::string& text)
    {
        std::filesystem::create_directories(m_folder.historyFolder());
        writeFileBytes(m_folder.historyFolder() / "h.dat", text);
        writeFileBytes(m_folder.historyFolder() / "index.dat",
                       crlf({"Version=0.047", "", sj("保存=user\\SearchHistory\\h.dat,メモ")}));
    }

    void expectOneNotice(int32_t code, int32_t param)
    {
        ASSERT_EQ(m_sink.notices.size(), 1u);
        EXPECT_EQ(m_sink.notices[0].kind, NoticeKind::FileOperation);
        EXPECT_EQ(m_sink.notices[0].code, code);
        EXPECT_EQ(m_sink.notices[0].param, param);
    }

    RecordingErrorReporter m_reporter;
    OrderedSink m_sink;
};

TEST_F(FileOperationThreadTest, LoadRebuildsResultsInStoredOrder)
{
    installHistory(readFileBytes(golden("history/full.dat")));
    CFileOperationThread worker(m_sink, m_folder, m_master);
    worker.setLoad(0);
    worker.start();
    worker.wait();
    expectOneNotice(0, 0);
    EXPECT_TRUE(m_reporter.messages.empty());
    auto results = worker.takeResults();
    ASSERT_TRUE(results);
    ASSERT_EQ(results->count(), 3);
    EXPECT_EQ(results->fullSet(0).weaponSlots().jewels.size(), 2u);
    EXPECT_EQ(results->fullSet(2).piece(PartHead), piece(PartHead, sj("ソウルヘルム"), kSexFemale));
    EXPECT_EQ(worker.condition().maxResults, 200u);
    EXPECT_EQ(worker.condition().fixed.piece(PartHead), piece(PartHead, "Alpha Cap", kSexMale));
    EXPECT_EQ(worker.title(), sj("保存"));
    EXPECT_EQ(worker.comment(), sj("メモ"));
}

TEST_F(FileOperationThreadTest, LoadDropsUnresolvedCombinationsAfterTellingTheUser)
{
    std::string text = readFileBytes(golden("history/full.dat"));
    const std::string plate = "205=Plate";
    text.replace(text.find(plate), plate.size(), "205=Rusty Plate");
    installHistory(text);
    CFileOperationThread worker(m_sink, m_folder, m_master);
    worker.setLoad(0);
    worker.run();
    expectOneNotice(0, 0);
    ASSERT_EQ(m_reporter.messages.size(), 1u);
    EXPECT_NE(m_reporter.messages[0].find("Rusty Plate\r\n"), std::string::npos);
    EXPECT_EQ(m_sink.messagesBefore[0], 1u); // the message came before the notice
    auto results = worker.takeResults();
    ASSERT_TRUE(results);
    ASSERT_EQ(results->count(), 1); // both results with the body piece are gone
    EXPECT_EQ(results->fullSet(0).piece(PartHead), piece(PartHead, sj("ソウルヘルム"), kSexFemale));
}

TEST_F(FileOperationThreadTest, LoadFailuresPostOne)
{
    installHistory(readFileBytes(golden("history/full.dat")));
    CFileOperationThread missing(m_sink, m_folder, m_master);
    missing.setLoad(1);
    missing.run();
    expectOneNotice(0, 1);
    EXPECT_FALSE(missing.takeResults());

    m_sink.notices.clear();
    installHistory(crlf({"Version=0.047", "[Records]", "Count=0"}));
    CFileOperationThread damaged(m_sink, m_folder, m_master);
    damaged.setLoad(0);
    damaged.run();
    expectOneNotice(0, 1);
    EXPECT_FALSE(damaged.takeResults());

    m_sink.notices.clear();
    CFileOperationThread unset(m_sink, m_folder, m_master); // position -1 as constructed
    unset.run();
    expectOneNotice(0, 1);
}

TEST_F(FileOperationThreadTest, OutOfMemoryWhileRebuildingPostsTwo)
{
    installHistory(readFileBytes(golden("history/full.dat")));
    StarvedThread worker(m_sink, m_folder, m_master, 2);
    worker.setLoad(0);
    worker.start();
    worker.wait();
    expectOneNotice(0, 2);
    EXPECT_FALSE(worker.takeResults());
}

TEST_F(FileOperationThreadTest, SaveWritesTheEntryAndPostsTheOutcome)
{
    SearchCondition condition;
    condition.sex = 2;
    condition.job = 2;
    condition.wanted = {{1, 10}};
    SearchResultStore results;
    results.append(fullSet(), m_master.skills());

    CFileOperationThread worker(m_sink, m_folder, m_master);
    worker.setSave(condition, &results, "t", "c");
    condition.wanted.clear(); // the worker holds its own copy
    worker.start();
    worker.wait();
    expectOneNotice(1, 0);
    auto stored = loadSearchHistory(m_folder, m_master, 0);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->condition.wanted.size(), 1u);
    EXPECT_EQ(stored->comment, "c");
    ASSERT_EQ(stored->combinations.size(), 1u);

    m_sink.notices.clear();
    writeFileBytes(m_temp / "plain", "x");
    CFileOperationThread blocked(m_sink, UserFolder(m_temp / "plain" / "user"), m_master);
    blocked.setSave(condition, &results, "t", "");
    blocked.run();
    expectOneNotice(1, 1);
    EXPECT_FALSE(m_reporter.fileErrors.empty());
}

} // namespace
