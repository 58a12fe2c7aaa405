#pragma once
// The main window's results area: the results on display and the condition
// they were found under, whether they are stored, the result list with its
// sort, the set view and the skill totals of the selected result, "クリップ",
// "検索条件確認" (the condition of the results back into the controls), and
// the offer of "見つからない理由" over an empty list.

#include "search/EquipSet.h"
#include "search/SearchCondition.h"
#include "search/SearchResultStore.h"

#include <QObject>
#include <QString>

#include <memory>
#include <string>

class QPushButton;
class QWidget;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CSimulatorApp;
class ConditionForm;

class ResultWorkspace final : public QObject {
public:
    ResultWorkspace(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, ConditionForm& form);
    ~ResultWorkspace() override;
    void setUpViews();
    void connectControls();

    // The condition of the results on display: the last search started from
    // the window, or the one stored with the history entry loaded.
    const SearchCondition& condition() const { return m_condition; }
    const SearchResultStore* results() const { return m_results.get(); }
    bool stored() const { return m_stored; }
    void setStored(bool stored) { m_stored = stored; }
    const EquipSet* selectedResult() const;
    // True when nothing unstored is on display or the user agrees to discard it.
    bool mayDiscardResults();

    // A search about to fill `store` under `condition`: the views empty, not stored.
    SearchResultStore& beginSearch(SearchCondition condition, std::unique_ptr<SearchResultStore> store);
    // The search's final notice came: whether it stopped at the maximum count,
    // and whether "見つからない理由" is offered.
    void showSearchEnd(bool cut, bool offer);
    // The views no longer show results, and none are kept.
    void discardResults();
    // Results read back from the history, with their condition, title and comment.
    void showLoaded(std::unique_ptr<SearchResultStore> results, const SearchCondition& condition,
                    const std::string& title, const std::string& comment);
    void showResultList();
    void clearTitle();
    void updateButtons();
    QPushButton* explainButton() const { return m_explainButton; }
    void offerExplanation(bool offer);

private:
    void setUpExplainButton();
    void emptyResultViews();
    // Selects the first row of the result list, so that its set is shown.
    void showFirstResult();
    void onSelectionChanged();
    void onClip();
    void onRestoreCondition();

    CSimulatorApp& m_app;
    Ui::CSearchDlg& m_ui;
    QWidget& m_window;
    ConditionForm& m_form;
    SearchCondition m_condition;
    std::unique_ptr<SearchResultStore> m_results;
    bool m_resultsCut = false; // the search of m_results stopped at the maximum count
    bool m_stored = false;
    QPushButton* m_explainButton = nullptr; // shown after a completed search without results
};

} // namespace zeku
