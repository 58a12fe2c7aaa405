// The main window's "追加スキル検索": the condition "検索" would run, checked
// the same way, handed to the window of that name; the rows it hands back are
// added to the wanted skills as "追加" adds them. "このセットに追加できるスキル"
// asks the same of one result, under the condition of the results on display.

#include "ui/app/CSimulatorApp.h"
#include "ui/dialogs/CSetFitsDlg.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/WindowSupport.h"
#include "ui/platform/MessageBoxService.h"

#include "ui_CSearchDlg.h"

namespace zeku {

void CSearchDlg::onAddableSearch()
{
    // The condition "検索" would run; the one of the results on display stays.
    const std::optional<SearchCondition> base = readyCondition();
    if (!base)
        return;

    // A window of its own, as the progress window is: a child would be
    // disabled with this window.
    CAddableSkillDlg dialog(m_app.master(), *base, nullptr);
    // The answer follows the condition: each addition searches again for the new one.
    connect(&dialog, &CAddableSkillDlg::addRequested, this, [this, &dialog](SkillPoint skill) {
        addWantedSkill(skill);
        dialog.restart(conditionFromControls());
    });
    runOwnWindowOver(*this, dialog, m_ui->searchButton);
}

void CSearchDlg::onSetFits()
{
    const int row = m_ui->resultList->menuRow();
    if (!m_results || row < 0 || row >= m_ui->resultList->model()->rowCount())
        return;
    // resultAt() builds into storage the next call reuses: the window takes a copy.
    const EquipSet set = *m_ui->resultList->resultAt(row);
    CSetFitsDlg dialog(m_app.master(), m_resultsCondition, set, this);
    connect(&dialog, &CSetFitsDlg::addRequested, this, &CSearchDlg::addWantedSkill);
    runChildDialog(dialog);
}

} // namespace zeku
