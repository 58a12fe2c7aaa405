#pragma once
// The progress window "検索中" of a running search: bar, counts, remaining-time
// estimate and hit count, a stop button that asks first, and how the search
// ended. The main window creates it on the started notice and feeds it the
// worker's counters on each later notice.

#include "search/SearchCondition.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class CFindProcessDlg;
}

namespace zeku {

class SkillCatalogue;

class CFindProcessDlg : public QDialog {
    Q_OBJECT

public:
    // Milliseconds of a monotonic clock; never 0.
    using TickSource = std::function<uint64_t()>;

    // `condition` is the main window's condition of this search and must
    // outlive the window; `skills` names its skills.
    CFindProcessDlg(QWidget* mainWindow, const SearchCondition& condition, const SkillCatalogue& skills);
    ~CFindProcessDlg() override;

    // Sets the bar scale from the raw total, shows counts (0, 0) and the
    // condition text, and shows the window in front, centred on the main window.
    void startSearch(uint64_t total, uint64_t rawTotal);
    // A progress notice: `done` of `total` combinations, `rawDone` of the raw total.
    void showProgress(uint64_t done, uint64_t rawDone);
    // A hit-count notice.
    void showHits(uint64_t count);
    // The search stopped at the maximum number of results.
    void showLimitReached();
    // The search stopped for lack of memory.
    void showOutOfMemory();

    // The timer's work: recomputes the remaining-time line from the clock.
    void updateRemainingTime();
    // The remaining-time line for `remainingSeconds`.
    static QString remainingTimeText(uint64_t remainingSeconds);

    uint64_t barScale() const { return m_barScale; }
    uint64_t done() const { return m_done; }
    uint64_t total() const { return m_total; }
    bool timerRunning() const { return m_timer.isActive(); }
    // Replaces the clock (tests).
    void setTickSource(TickSource source) { m_tick = std::move(source); }

Q_SIGNALS:
    // The user confirmed stopping a search that had not ended.
    void cancelRequested();

public Q_SLOTS:
    // Escape, the close box and the stop button all come here.
    void reject() override;

private:
    void onCancelButton();
    void applyShowCondition();
    void applyTopMost();
    // The common part of the limit and out-of-memory ends.
    void showCutOff(const QString& countsLine, const QString& remainingLine);

    std::unique_ptr<Ui::CFindProcessDlg> m_ui;
    QPointer<QWidget> m_mainWindow;
    const SearchCondition& m_condition;
    const SkillCatalogue& m_skills;
    QRect m_fullRect;
    uint64_t m_barScale = 1;
    uint64_t m_total = 0;
    uint64_t m_done = 0;
    uint64_t m_rawTotal = 0;
    uint64_t m_hits = 0;
    uint64_t m_startTick = 0;
    QTimer m_timer;
    TickSource m_tick;
};

} // namespace zeku
