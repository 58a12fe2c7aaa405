#include "ui/dialogs/CManualEditDlg.h"

#include "ui/dialogs/CQuickExclusiveRegistDlg.h"
#include "ui/dialogs/CQuickSPartsRegistDlg.h"
#include "ui/dialogs/CSetFitsDlg.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ManualEditFavorites.h"
#include "ui/dialogs/ManualEditItemPicker.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CManualEditDlg.h"

#include <QAction>

namespace zeku {

CManualEditDlg::CManualEditDlg(const MasterData& master, const ExclusionSet& exclusions, StartupSettings& settings,
                               const UserFolder& folder, const ManualEditInput& input, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CManualEditDlg>()), m_master(master),
      m_folder(folder), m_edited{input.set, input.sex, input.job}
{
    m_ui->setupUi(this);
    m_picker =
        std::make_unique<ManualEditItemPicker>(*m_ui, this, master, exclusions, settings, m_folder, m_edited.set);
    m_setPane = std::make_unique<ManualEditSetPane>(*m_ui, this, master, m_edited, *m_picker);
    m_favorites = std::make_unique<ManualEditFavoritesPane>(*m_ui, this, master, m_folder, input.fixedCondition,
                                                            m_edited, *m_setPane, *m_picker);
    m_setPane->setChangedHandler([this] {
        m_favorites->updateFavoriteButtons();
        m_picker->updatePickButtons();
    });

    (m_edited.sex == kSexFemale ? m_ui->sexFemale : m_ui->sexMale)->setChecked(true);
    (m_edited.job == kJobGunner ? m_ui->jobGunner : m_ui->jobBlade)->setChecked(true);
    if (input.fixedCondition) {
        for (QRadioButton* r : {m_ui->sexMale, m_ui->sexFemale, m_ui->jobBlade, m_ui->jobGunner})
            r->setEnabled(false);
        m_ui->closeButton->setText(tr("キャンセル"));
    } else {
        m_ui->okButton->hide();
    }
    // Enter ends the dialog through its OK, or through "閉じる" where OK is hidden.
    keepEnterOnDefault(this, input.fixedCondition ? m_ui->okButton : m_ui->closeButton);

    // The radios act on their state, not on a click: a screen reader's toggle
    // has no click.
    for (QRadioButton* r : {m_ui->sexMale, m_ui->sexFemale, m_ui->jobBlade, m_ui->jobGunner})
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (!on)
                return;
            m_picker->refilterAll();
            m_setPane->redrawSet();
        });
    connect(m_ui->okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);

    m_picker->switchTab(1);
    m_favorites->fillFavoriteCombo();
    m_favorites->updateFavoriteButtons();
    m_setPane->updateLabels();
    m_setPane->redrawSet();
    nameControlsForAssistiveTech(this);
}

CManualEditDlg::~CManualEditDlg() = default;

int CManualEditDlg::currentTab() const
{
    return m_picker->tab();
}

const std::vector<uint16_t>& CManualEditDlg::filterSkills(int job) const
{
    return m_picker->filterSkills(job);
}

void CManualEditDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

void CManualEditDlg::enableQuickRegistration(const StandingLists& lists)
{
    if (m_quickLists)
        return;
    m_quickLists.emplace(lists);
    for (ReportListView* list :
         {static_cast<ReportListView*>(m_ui->equipList), static_cast<ReportListView*>(m_ui->jewelList),
          static_cast<ReportListView*>(m_ui->setView), static_cast<ReportListView*>(m_ui->skillView)}) {
        connect(list, &ReportListView::quickExcludeRequested, this, &CManualEditDlg::quickExclude);
        connect(list, &ReportListView::quickSPartRequested, this, &CManualEditDlg::quickSPart);
    }
}

void CManualEditDlg::enableSetFits(std::function<SearchCondition()> condition)
{
    if (m_fitsCondition)
        return;
    m_fitsCondition = std::move(condition);
    auto* action = new QAction(tr("このセットに追加できるスキル"), this);
    connect(action, &QAction::triggered, this, &CManualEditDlg::showSetFits);
    m_ui->setView->addRowMenuAction(action);
    m_ui->skillView->addRowMenuAction(action);
}

void CManualEditDlg::showSetFits()
{
    CSetFitsDlg dlg(m_master, m_fitsCondition(), m_edited.set, this);
    connect(&dlg, &CSetFitsDlg::addRequested, this, &CManualEditDlg::addWantedRequested);
    runChildDialog(dlg);
}

void CManualEditDlg::quickExclude(const QuickRegistration& what)
{
    if (!m_quickLists)
        return;
    CQuickExclusiveRegistDlg dlg(m_master.skills(), what, *m_quickLists, this);
    if (dlg.exec() == QDialog::Accepted)
        m_picker->refilterAll();
}

void CManualEditDlg::quickSPart(const QuickRegistration& what)
{
    if (!m_quickLists || !what.piece)
        return;
    CQuickSPartsRegistDlg dlg(*what.piece, *m_quickLists, this);
    dlg.exec();
}

} // namespace zeku
