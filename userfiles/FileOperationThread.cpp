#include "userfiles/FileOperationThread.h"

#include "userfiles/SearchHistory.h"

#include <new>

namespace zeku {

CFileOperationThread::CFileOperationThread(NoticeSink& target, UserFolder folder, const MasterData& master)
    : m_target(target), m_folder(std::move(folder)), m_master(master)
{
}

CFileOperationThread::~CFileOperationThread()
{
    wait();
}

void CFileOperationThread::setLoad(int32_t position)
{
    m_loadMode = true;
    m_position = position;
}

void CFileOperationThread::setSave(const SearchCondition& condition, const SearchResultStore* results,
                                   std::string title, std::string comment)
{
    m_loadMode = false;
    m_condition = condition;
    m_saveResults = results;
    m_title = std::move(title);
    m_comment = std::move(comment);
}

void CFileOperationThread::start()
{
    m_thread = std::thread([this] { run(); });
}

void CFileOperationThread::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CFileOperationThread::run()
{
    if (m_loadMode)
        m_target.post(Notice{NoticeKind::FileOperation, kLoad, load()});
    else
        m_target.post(Notice{NoticeKind::FileOperation, kSave, save()});
}

void CFileOperationThread::rebuildResults(const StoredSearch& search, SearchResultStore& store)
{
    restoreResults(search, m_master.skills(), store);
}

int32_t CFileOperationThread::load()
{
    std::unique_ptr<StoredSearch> search = loadSearchHistory(m_folder, m_master, m_position);
    if (!search)
        return kFailed;
    try {
        m_results = std::make_unique<SearchResultStore>();
        rebuildResults(*search, *m_results);
        m_condition = search->condition;
        m_title = search->title;
        m_comment = search->comment;
        // Modal: the window handles the notice posted after it only once the
        // user has dismissed it. It also says how many records were left out.
        reportMissingItems(*search, search->combinations.size() - static_cast<std::size_t>(m_results->count()));
    } catch (const std::bad_alloc&) {
        m_results.reset();
        return kOutOfMemory;
    }
    return kSucceeded;
}

int32_t CFileOperationThread::save()
{
    static const SearchResultStore noResults;
    const SearchResultStore& results = m_saveResults ? *m_saveResults : noResults;
    return saveSearchHistory(m_folder, m_master, m_condition, results, m_title, m_comment) ? kSucceeded : kFailed;
}

} // namespace zeku
