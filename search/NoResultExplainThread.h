#pragma once
// Explains a search that stores no result: the reach of each wanted skill
// (NoResultExplanation.h), and which single changes of the condition make the
// search store one. The search of the condition itself and of each change run
// on the pool of FirstResultPool.h, the condition itself first; when it does
// store a result there is nothing to explain and the rest is not searched.
//
// Used like the search worker: construct (the reaches are computed there),
// start(), requestCancel() from any thread, wait(). Notices (NoticeKind::Explain):
// ExplainFindsSets / ExplainFindsNone as each search is decided, then exactly
// one final notice.

#include "search/FirstResultPool.h"
#include "search/NoResultExplanation.h"

#include <atomic>
#include <memory>
#include <vector>

namespace zeku {

enum ExplainNotice : int32_t {
    ExplainFindsSets = 0, // param: 0 the condition itself, k the change changes()[k - 1]
    ExplainFindsNone = 1, // param: as above
    ExplainFinished = 2, // everything decided, the condition stores nothing
    ExplainCancelled = 3,
    ExplainOutOfMemory = 4,
    ExplainHasResults = 5, // the condition itself stores a result
};

enum class ExplainOutcome : int32_t { Running, Finished, Cancelled, OutOfMemory, HasResults };

class CNoResultExplainThread final : private NoticeSink {
public:
    // `master` and `notices` must outlive the worker; `condition` is the one
    // "検索" would run (its maximum count plays no part), deep-copied.
    CNoResultExplainThread(const MasterData& master, const SearchCondition& condition, NoticeSink& notices,
                           FirstResultOptions options = {});
    ~CNoResultExplainThread() override;
    CNoResultExplainThread(const CNoResultExplainThread&) = delete;
    CNoResultExplainThread& operator=(const CNoResultExplainThread&) = delete;

    void start() { m_pool->start(); }
    void requestCancel() { m_pool->requestCancel(); }
    void wait() { m_pool->wait(); }

    const SearchCondition& condition() const { return m_condition; }
    const std::vector<SkillReach>& reaches() const { return m_reaches; }
    // Every change tried, in order.
    const std::vector<ConditionChange>& changes() const { return m_changes; }
    // Searches decided so far, of total(): the condition itself and each change.
    uint64_t done() const { return m_pool->done(); }
    uint64_t total() const { return m_changes.size() + 1; }
    // After the final notice (or wait()).
    ExplainOutcome outcome() const { return m_outcome.load(std::memory_order_acquire); }
    // The changes decided to find sets, in order (none when the condition
    // itself has results).
    std::vector<ConditionChange> answer() const;

private:
    void post(const Notice& notice) override; // the pool's notices, on its threads

    SearchCondition m_condition;
    std::vector<SkillReach> m_reaches;
    std::vector<ConditionChange> m_changes;
    NoticeSink& m_notices;
    std::atomic<bool> m_hasResults{false};
    std::atomic<ExplainOutcome> m_outcome{ExplainOutcome::Running};
    std::unique_ptr<CFirstResultPool> m_pool; // last: its threads read the members above
};

} // namespace zeku
