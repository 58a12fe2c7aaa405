#include "ui/main/EditingDialogs.h"

#include "ui/app/CSimulatorApp.h"
#include "ui/dialogs/CExclusiveItemEditDlg.h"
#include "ui/dialogs/CExclusiveSkillEditDlg.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CQuickExclusiveRegistDlg.h"
#include "ui/dialogs/CQuickSPartsRegistDlg.h"
#include "ui/dialogs/CSPartsEditDlg.h"
#include "ui/dialogs/CUserFileArrangeDlg.h"
#include "ui/dialogs/StandingLists.h"
#include "ui/main/ConditionForm.h"
#include "ui/main/MainWindowFrame.h"
#include "ui/main/ResultFiles.h"
#include "ui/main/ResultWorkspace.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CSearchDlg.h"

#include <initializer_list>

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

EditingDialogs::EditingDialogs(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, MainWindowFrame& frame,
                               ConditionForm& form, ResultWorkspace& workspace, ResultFiles& files)
    : m_app(app), m_ui(ui), m_window(window), m_frame(frame), m_form(form), m_workspace(workspace), m_files(files)
{
}

void EditingDialogs::connectControls()
{
    connect(m_ui.excludedItemsEditButton, &QPushButton::clicked, this, [this] {
        CExclusiveItemEditDlg::editList(m_app.master(), m_app.userFolder(), m_app.exclusions(),
                                        m_app.saveExclusionsToFile(), &m_window, &m_app.exclusionsStamp());
    });
    connect(m_ui.excludedSkillsEditButton, &QPushButton::clicked, this, [this] {
        CExclusiveSkillEditDlg::editList(m_app.skills(), m_app.userFolder(), m_app.excludedSkills(),
                                         m_app.saveExcludedSkillsToFile(), &m_window, &m_app.excludedSkillsStamp());
    });
    connect(m_ui.sPartsEditButton, &QPushButton::clicked, this, [this] {
        CSPartsEditDlg::editList(m_app.master(), m_app.userFolder(), m_app.sParts(), m_app.saveSPartsToFile(),
                                 &m_window, &m_app.sPartsStamp());
    });
    connect(m_ui.editFixedButton, &QPushButton::clicked, this, [this] { onEditFixedSet(); });
    connect(m_ui.editResultButton, &QPushButton::clicked, this, [this] {
        if (const EquipSet* set = m_workspace.selectedResult())
            runManualEditor(m_workspace.condition().sex, m_workspace.condition().job, *set, false);
    });
    connect(m_ui.chooseYourselfButton, &QPushButton::clicked, this,
            [this] { runManualEditor(0, 0, EquipSet(), false); });
    connect(m_ui.organiseButton, &QPushButton::clicked, this, [this] { onOrganise(); });
    connectQuickRegistrations();
}

void EditingDialogs::connectQuickRegistrations()
{
    // Menu 139 of the lists that show pieces, jewels or skills.
    for (ReportListView* list : std::initializer_list<ReportListView*>{
             m_ui.wantedSkillList, m_ui.fixedEquipList, m_ui.fixedJewelList, m_ui.setView, m_ui.skillTotalsList}) {
        connect(list, &ReportListView::quickExcludeRequested, this, [this](const QuickRegistration& what) {
            const StandingLists lists = standingListsOf(m_app);
            CQuickExclusiveRegistDlg dialog(m_app.skills(), what, lists, &m_window);
            runChildDialog(dialog);
        });
        connect(list, &ReportListView::quickSPartRequested, this, [this](const QuickRegistration& what) {
            if (!what.piece)
                return;
            const StandingLists lists = standingListsOf(m_app);
            CQuickSPartsRegistDlg dialog(*what.piece, lists, &m_window);
            runChildDialog(dialog);
        });
    }
}

void EditingDialogs::onOrganise()
{
    // The file work rewrites the history index: the organiser waits its turn.
    if (m_files.running())
        return;
    CUserFileArrangeDlg organiser(m_app.userFolder(), &m_window);
    runChildDialog(organiser);
    m_files.fillHistoryList(-1);
    m_workspace.updateButtons();
}

bool EditingDialogs::runManualEditor(uint16_t sex, uint16_t job, const EquipSet& set, bool fixedCondition,
                                     EquipSet* edited)
{
    ManualEditInput input;
    input.sex = sex;
    input.job = job;
    input.set = set;
    input.fixedCondition = fixedCondition;
    // The editor takes the screen; the main window waits minimised.
    m_frame.minimiseForWork();
    bool accepted = false;
    {
        CManualEditDlg editor(m_app.master(), m_app.exclusions(), m_app.startupSettings(), m_app.userFolder(), input,
                              &m_window);
        const StandingLists lists = standingListsOf(m_app);
        editor.enableQuickRegistration(lists);
        // The manual editor's set is measured against the condition the controls describe now.
        editor.enableSetFits([this] { return m_form.conditionFromControls(); });
        connect(&editor, &CManualEditDlg::addWantedRequested, this,
                [this](const SkillPoint& skill) { m_form.wanted().add(skill); });
        accepted = runChildDialog(editor) == QDialog::Accepted;
        if (accepted && edited)
            *edited = editor.editedSet();
    }
    m_frame.restoreWindow();
    return accepted;
}

void EditingDialogs::onEditFixedSet()
{
    const SearchCondition now = m_form.conditionFromControls();
    EquipSet edited;
    if (runManualEditor(now.sex, now.job, m_form.fixed().set(), true, &edited))
        m_form.fixed().replace(edited);
}

} // namespace zeku
