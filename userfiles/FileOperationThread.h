#pragma once
// The file-operation worker: loads one search-history entry and rebuilds its
// results, or saves the current search as a new entry, on a thread of its own,
// and tells its owner the outcome with one notice (kind FileOperation; code 0
// load, 1 save; param 0 success, 1 failure, 2 out of memory while rebuilding).
//
// The owner sets the fields, calls start(), and after the notice waits for the
// thread and deletes the object; a successful load's results then pass to it.

#include "data/MasterData.h"
#include "platform/NoticeSink.h"
#include "search/SearchCondition.h"
#include "search/SearchResultStore.h"
#include "userfiles/StoredSearch.h"
#include "userfiles/UserFolder.h"

#include <memory>
#include <string>
#include <thread>

namespace zeku {

class CFileOperationThread {
public:
    // Notice codes of the two operations and their outcomes.
    static constexpr int32_t kLoad = 0, kSave = 1;
    static constexpr int32_t kSucceeded = 0, kFailed = 1, kOutOfMemory = 2;

    CFileOperationThread(NoticeSink& target, UserFolder folder, const MasterData& master);
    virtual ~CFileOperationThread(); // waits for the thread
    CFileOperationThread(const CFileOperationThread&) = delete;
    CFileOperationThread& operator=(const CFileOperationThread&) = delete;

    // Load mode: the entry at `position` of the history index.
    void setLoad(int32_t position);
    // Save mode: `results` is borrowed until the notice; the condition is copied.
    void setSave(const SearchCondition& condition, const SearchResultStore* results, std::string title,
                 std::string comment);

    // Runs the operation on a new thread.
    void start();
    // Waits for the thread to end (no time limit).
    void wait();
    // Runs the operation on the calling thread (what the thread does).
    void run();

    bool isLoad() const { return m_loadMode; }
    // After a successful load: the rebuilt results (ownership passes) and the
    // entry's condition, title and comment.
    std::unique_ptr<SearchResultStore> takeResults() { return std::move(m_results); }
    const SearchCondition& condition() const { return m_condition; }
    const std::string& title() const { return m_title; }
    const std::string& comment() const { return m_comment; }

protected:
    // Fills `store` from the loaded entry; tests override it to run out of memory.
    virtual void rebuildResults(const StoredSearch& search, SearchResultStore& store);

private:
    int32_t load();
    int32_t save();

    NoticeSink& m_target;
    UserFolder m_folder;
    const MasterData& m_master;
    bool m_loadMode = true;
    int32_t m_position = -1;
    const SearchResultStore* m_saveResults = nullptr;
    std::unique_ptr<SearchResultStore> m_results;
    SearchCondition m_condition;
    std::string m_title;
    std::string m_comment;
    std::thread m_thread;
};

} // namespace zeku
