// The dialogs the main window opens for editing: the three standing-list
// editors, the manual equipment editor in its three modes, the saved-data
// organiser, and the quick registrations of menu 139 on its lists.

#include "ui/app/CSimulatorApp.h"
#include "ui/dialogs/CExclusiveItemEditDlg.h"
#include "ui/dialogs/CExclusiveSkillEditDlg.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CQuickExclusiveRegistDlg.h"
#include "ui/dialogs/CQuickSPartsRegistDlg.h"
#include "ui/dialogs/CSPartsEditDlg.h"
#include "ui/dialogs/CUserFileArrangeDlg.h"
#include "ui/dialogs/StandingLists.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CSearchDlg.h"

#include <QAction>

namespace zeku {

namespace {

StandingLists standingListsOf(CSimulatorApp& app)
{
    return StandingLists{app.userFolder(),       app.exclusions(),           app.excludedSkills(),
                         app.sParts(),           app.saveExclusionsToFile(), app.saveExcludedSkillsToFile(),
                         app.saveSPartsToFile(), &app.exclusionsStamp(),     &app.excludedSkillsStamp(),
                         &app.sPartsStamp()};
}

} // namespace

void CSearchDlg::connectEditors()
{
    connect(m_ui->excludedItemsEditButton, &QPushButton::clicked, this, [this] {
        CExclusiveItemEditDlg::editList(m_app.master(), m_app.userFolder(), m_app.exclusions(),
                                        m_app.saveExclusionsToFile(), this, &m_app.exclusionsStamp());
    });
    connect(m_ui->excludedSkillsEditButton, &QPushButton::clicked, this, [this] {
        CExclusiveSkillEditDlg::editList(m_app.skills(), m_app.userFolder(), m_app.excludedSkills(),
                                         m_app.saveExcludedSkillsToFile(), this, &m_app.excludedSkillsStamp());
    });
    connect(m_ui->sPartsEditButton, &QPushButton::clicked, this, [this] {
        CSPartsEditDlg::editList(m_app.master(), m_app.userFolder(), m_app.sParts(), m_app.saveSPartsToFile(), this,
                                 &m_app.sPartsStamp());
    });
    connect(m_ui->editFixedButton, &QPushButton::clicked, this, &CSearchDlg::onEditFixedSet);
    connect(m_ui->editResultButton, &QPushButton::clicked, this, [this] {
        if (const EquipSet* set = selectedResult())
            runManualEditor(m_resultsCondition.sex, m_resultsCondition.job, *set, false);
    });
    connect(m_ui->chooseYourselfButton, &QPushButton::clicked, this,
            [this] { runManualEditor(0, 0, EquipSet(), false); });
    connect(m_ui->organiseButton, &QPushButton::clicked, this, [this] {
        // The file worker rewrites the history index: the organiser waits its turn.
        if (m_fileWorkerBusy)
            return;
        CUserFileArrangeDlg organiser(m_app.userFolder(), this);
        runChildDialog(organiser);
        fillHistoryList(-1);
        updateResultButtons();
    });

    // Menu 139 of the lists that show pieces, jewels or skills.
    for (ReportListView* list : std::initializer_list<ReportListView*>{
             m_ui->wantedSkillList, m_ui->fixedEquipList, m_ui->fixedJewelList, m_ui->setView, m_ui->skillTotalsList}) {
        connect(list, &ReportListView::quickExcludeRequested, this, [this](const QuickRegistration& what) {
            const StandingLists lists = standingListsOf(m_app);
            CQuickExclusiveRegistDlg dialog(m_app.skills(), what, lists, this);
            runChildDialog(dialog);
        });
        connect(list, &ReportListView::quickSPartRequested, this, [this](const QuickRegistration& what) {
            if (!what.piece)
                return;
            const StandingLists lists = standingListsOf(m_app);
            CQuickSPartsRegistDlg dialog(*what.piece, lists, this);
            runChildDialog(dialog);
        });
    }
    // The result list's menu: what else the clicked result could activate.
    auto* fits = new QAction(tr("このセットに追加できるスキル"), this);
    connect(fits, &QAction::triggered, this, &CSearchDlg::onSetFits);
    m_ui->resultList->addRowMenuAction(fits);
}

bool CSearchDlg::runManualEditor(uint16_t sex, uint16_t job, const EquipSet& set, bool fixedCondition, EquipSet* edited)
{
    ManualEditInput input;
    input.sex = sex;
    input.job = job;
    input.set = set;
    input.fixedCondition = fixedCondition;
    // The editor takes the screen; this window waits minimised.
    minimiseForWork();
    bool accepted = false;
    {
        CManualEditDlg editor(m_app.master(), m_app.exclusions(), m_app.startupSettings(), m_app.userFolder(), input,
                              this);
        const StandingLists lists = standingListsOf(m_app);
        editor.enableQuickRegistration(lists);
        // The manual editor's set is measured against the condition the controls describe now.
        editor.enableSetFits([this] { return conditionFromControls(); });
        connect(&editor, &CManualEditDlg::addWantedRequested, this, &CSearchDlg::addWantedSkill);
        accepted = runChildDialog(editor) == QDialog::Accepted;
        if (accepted && edited)
            *edited = editor.editedSet();
    }
    restoreMainWindow();
    return accepted;
}

void CSearchDlg::onEditFixedSet()
{
    const uint16_t sex = m_ui->sexMaleRadio->isChecked() ? 1 : 2;
    const uint16_t job = m_ui->jobBladeRadio->isChecked() ? 1 : 2;
    EquipSet edited;
    if (runManualEditor(sex, job, m_fixed, true, &edited))
        replaceFixedSet(edited);
}

} // namespace zeku
