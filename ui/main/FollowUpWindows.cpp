#include "ui/main/FollowUpWindows.h"

#include "ui/app/CSimulatorApp.h"
#include "ui/dialogs/CSetFitsDlg.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CNoResultReasonDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/main/ConditionForm.h"
#include "ui/main/ResultWorkspace.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CSearchDlg.h"

#include <QAction>
#include <QPushButton>

namespace zeku {

FollowUpWindows::FollowUpWindows(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, ConditionForm& form,
                                 ResultWorkspace& workspace)
    : m_app(app), m_ui(ui), m_window(window), m_form(form), m_workspace(workspace)
{
}

void FollowUpWindows::connectControls()
{
    connect(m_ui.addableSearchButton, &QPushButton::clicked, this, [this] { onAddableSearch(); });
    connect(m_workspace.explainButton(), &QPushButton::clicked, this, [this] { onExplainNoResult(); });
}

void FollowUpWindows::addResultMenuEntry()
{
    // The result list's menu: what else the clicked result could activate.
    auto* fits = new QAction(CSearchDlg::tr("このセットに追加できるスキル"), &m_window);
    connect(fits, &QAction::triggered, this, [this] { onSetFits(); });
    m_ui.resultList->addRowMenuAction(fits);
}

void FollowUpWindows::onAddableSearch()
{
    // The condition "検索" would run; the one of the results on display stays.
    const std::optional<SearchCondition> base = m_form.readyCondition();
    if (!base)
        return;

    // A window of its own, as the progress window is: a child would be
    // disabled with the main window.
    CAddableSkillDlg dialog(m_app.master(), *base, nullptr);
    // The answer follows the condition: each addition searches again for the new one.
    connect(&dialog, &CAddableSkillDlg::addRequested, this, [this, &dialog](SkillPoint skill) {
        m_form.wanted().add(skill);
        dialog.restart(m_form.conditionFromControls());
    });
    runOwnWindowOver(m_window, dialog, m_ui.searchButton);
}

void FollowUpWindows::onSetFits()
{
    const int row = m_ui.resultList->menuRow();
    if (!m_workspace.results() || row < 0 || row >= m_ui.resultList->model()->rowCount())
        return;
    // resultAt() builds into storage the next call reuses: the window takes a copy.
    const EquipSet set = *m_ui.resultList->resultAt(row);
    CSetFitsDlg dialog(m_app.master(), m_workspace.condition(), set, &m_window);
    connect(&dialog, &CSetFitsDlg::addRequested, this, [this](const SkillPoint& skill) { m_form.wanted().add(skill); });
    runChildDialog(dialog);
}

void FollowUpWindows::onExplainNoResult()
{
    // The condition of the search that found nothing, as it ran.
    const SearchCondition searched = m_workspace.condition();
    // A window of its own, as the progress window is: a child would be
    // disabled with the main window.
    CNoResultReasonDlg dialog(m_app.master(), searched, nullptr);
    connect(&dialog, &CNoResultReasonDlg::applyRequested, this,
            [this](const ConditionChange& change) { m_form.applyConditionChange(change); });
    // A change made ("この条件にする"): the next step is "検索" with it.
    if (runOwnWindowOver(m_window, dialog, m_ui.searchButton) == QDialog::Accepted)
        m_ui.searchButton->setFocus();
}

} // namespace zeku
