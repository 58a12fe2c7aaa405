// The main window's "追加スキル検索": the condition "検索" would run, checked
// the same way, handed to the window of that name; the rows it hands back are
// added to the wanted skills as "追加" adds them.

#include "ui/app/CSimulatorApp.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/main/WindowSupport.h"
#include "ui/platform/MessageBoxService.h"

#include "ui_CSearchDlg.h"

namespace zeku {

void CSearchDlg::onAddableSearch()
{
    if (m_wanted.empty()) {
        showMessage(this, QStringLiteral("スキル条件を入力してください"), MessageIcon::Information);
        return;
    }
    if (m_ui->check1107->isChecked() && excludedSkillConflict())
        return;
    // The condition is built as "検索" builds it; the one of the results on
    // display stays as it is.
    const SearchCondition shown = m_condition;
    fillConditionFromControls(kDefaultMaxResults);
    const SearchCondition base = m_condition;
    m_condition = shown;

    // A window of its own, as the progress window is: a child would be
    // disabled with this window.
    CAddableSkillDlg dialog(m_app.master(), base, nullptr);
    connect(&dialog, &CAddableSkillDlg::addRequested, this, &CSearchDlg::addWantedSkill);
    setEnabled(false);
    runChildDialog(dialog);
    setEnabled(true);
}

} // namespace zeku
