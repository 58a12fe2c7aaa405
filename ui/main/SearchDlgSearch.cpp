// The main window's search: the checks of "検索", the condition it builds, the
// worker it starts, and the worker's notices up to the filled result list.

#include "ui/app/CSimulatorApp.h"
#include "platform/LenientNumber.h"
#include "ui/lists/RarityCombo.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"

#include "ui_CSearchDlg.h"

#include <QApplication>

#include <utility>

namespace zeku {

bool CSearchDlg::excludedSkillConflict()
{
    const SkillCatalogue& skills = m_app.skills();
    for (const SkillPoint& wanted : m_wanted) {
        if (!m_app.excludedSkills().reachedBy(wanted))
            continue;
        const std::string* tree = skills.treeName(wanted.treeId);
        const QString treeName = tree ? toQString(*tree) : QString();
        const std::string skill = skills.activatedSkillName(wanted.treeId, wanted.points);
        // Points that activate no named skill are shown as the points
        // themselves, so the message never comes up empty.
        const QString what = skill.empty() ? QString::number(wanted.points) : toQString(skill);
        showMessage(this, tr("'%1 (%2)' は除外スキルに登録されています\n").arg(treeName, what),
                    MessageIcon::Information);
        return true;
    }
    return false;
}

uint32_t CSearchDlg::maxResultsFromControls() const
{
    const auto count = static_cast<uint32_t>(parseLenientInt(m_ui->maxResultsEdit->text().toStdString()));
    return count == 0 ? kDefaultMaxResults : count;
}

SearchCondition CSearchDlg::conditionFromControls() const
{
    SearchCondition condition;
    condition.sex = m_ui->sexMaleRadio->isChecked() ? 1 : 2;
    condition.job = m_ui->jobBladeRadio->isChecked() ? 1 : 2;
    condition.rarity = selectedRarityCode(m_ui->rarityCombo);
    condition.useJewels = m_ui->useJewelsCheck->isChecked();
    condition.exactJewels = condition.useJewels && m_ui->exactJewelsCheck->isChecked();
    condition.minDefence = static_cast<uint16_t>(parseLenientInt(m_ui->minDefenceEdit->text().toStdString()));
    condition.useExcludedItems = m_ui->excludedItemsCheck->isChecked();
    condition.useExcludedSkills = m_ui->excludedSkillsCheck->isChecked();
    condition.requireSParts = m_ui->requireSPartsCheck->isChecked();
    condition.maxResults = maxResultsFromControls();
    condition.wanted = m_wanted;

    // Only checked rows are fixed; a jewel row counts only with its piece.
    EquipSet fixed;
    if (m_ui->fixedEquipList->isChecked(0) && m_fixed.weapon()) {
        fixed.setWeapon(m_fixed.weapon());
        if (m_ui->fixedJewelList->isChecked(0))
            fixed.addWeaponJewels(m_fixed.weaponSlots().jewels);
    }
    for (int part = 0; part < kPartCount; ++part) {
        if (!m_ui->fixedEquipList->isChecked(part + 1) || !m_fixed.piece(part))
            continue;
        fixed.setPiece(part, m_fixed.piece(part));
        if (m_ui->fixedJewelList->isChecked(part + 1))
            fixed.addPieceJewels(part, m_fixed.pieceSlots(part).jewels);
    }
    condition.fixed = fixed;
    if (condition.useExcludedItems)
        condition.excludedItems.copyFrom(m_app.exclusions());
    if (condition.useExcludedSkills)
        condition.excludedSkills.copyFrom(m_app.excludedSkills());
    if (condition.requireSParts)
        condition.sParts.copyFrom(m_app.sParts());
    return condition;
}

std::optional<SearchCondition> CSearchDlg::readyCondition()
{
    if (m_wanted.empty()) {
        showMessage(this, tr("スキル条件を入力してください"), MessageIcon::Information);
        return std::nullopt;
    }
    if (m_ui->excludedSkillsCheck->isChecked() && excludedSkillConflict())
        return std::nullopt;
    return conditionFromControls();
}

void CSearchDlg::onSearch()
{
    std::optional<SearchCondition> condition = readyCondition();
    if (!condition)
        return;
    // A box that said no count shows the one the search runs with.
    if (parseLenientInt(m_ui->maxResultsEdit->text().toStdString()) == 0)
        m_ui->maxResultsEdit->setText(QString::number(kDefaultMaxResults));

    m_app.startupSettings().recordFavoriteSkills(condition->job, m_wanted, m_app.skills());
    m_app.startupSettings().save(m_app.userFolder());
    fillSkillTreeChooser();
    updateSkillButtons();

    // The previous search ended with its final notice; its thread ends right
    // after. A save still running borrows the results that are replaced here.
    waitForSearchWorker();
    waitForFileWorker();
    setEnabled(false);
    m_ui->resultCountLabel->clear();
    m_ui->titleEdit->clear();
    m_ui->commentEdit->clear();
    // The results about to be filled are those of this condition.
    m_resultsCondition = std::move(*condition);

    emptyResultViews();
    m_progress.reset();
    m_results = newResultStore();
    m_stored = false;
    updateResultButtons();
    m_searchWorker.reset();
    m_searchWorker = std::make_unique<CEquipFindThread>(m_app.master(), m_resultsCondition, *m_results, m_progress,
                                                        *m_workerNotices);
    m_searchRunning = true;
    m_searchWorker->start();
}

std::unique_ptr<SearchResultStore> CSearchDlg::newResultStore()
{
    return std::make_unique<SearchResultStore>();
}

void CSearchDlg::handleNotice(const Notice& notice)
{
    if (notice.kind == NoticeKind::Search)
        onSearchNotice(notice.code);
    else
        onFileNotice(notice.code, notice.param);
}

void CSearchDlg::createProgressWindow()
{
    closeProgressWindow(false);
    auto* window = new CFindProcessDlg(this, m_resultsCondition, m_app.skills());
    m_progressWindow = window;
    connect(window, &CFindProcessDlg::cancelRequested, this, [this] { onSearchNotice(FindCancelRequest); });
    connect(window, &QDialog::finished, this, &CSearchDlg::onProgressWindowFinished);
    minimiseForWork();
    window->startSearch(m_progress.total.load(), m_progress.rawTotal.load());
}

void CSearchDlg::closeProgressWindow(bool restore)
{
    if (!m_progressWindow)
        return;
    CFindProcessDlg* window = m_progressWindow;
    m_progressWindow = nullptr;
    window->disconnect(this);
    window->hide();
    window->deleteLater();
    if (restore)
        restoreMainWindow();
}

void CSearchDlg::onProgressWindowFinished()
{
    closeProgressWindow();
}

void CSearchDlg::minimiseForWork()
{
    // Read before minimising: once minimised, the state the window manager
    // reports back can lag, and may no longer say maximised.
    if (!isMinimized())
        m_backMaximised = isMaximized();
    showMinimized();
}

void CSearchDlg::restoreMainWindow()
{
    setEnabled(true);
    // Only the minimised state goes: a window maximised before comes back maximised.
    if (std::exchange(m_backMaximised, false))
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    else if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void CSearchDlg::showLatestProgress()
{
    m_progressPending = false;
    if (!m_progressWindow)
        return;
    m_progressWindow->showProgress(m_progress.done.load(), m_progress.rawDone.load());
    m_progressWindow->showHits(m_progress.resultCount.load());
}

void CSearchDlg::onThrottleTimeout()
{
    if (m_progressPending) {
        showLatestProgress();
        m_throttle.start();
    }
}

void CSearchDlg::onSearchNotice(int32_t code)
{
    switch (code) {
    case FindStarted:
        createProgressWindow();
        return;
    case FindProgress:
    case FindHitCount:
        // The counters are read when shown, so a skipped notice loses nothing.
        m_progressPending = true;
        if (!m_throttle.isActive()) {
            showLatestProgress();
            m_throttle.start();
        }
        return;
    case FindCancelRequest:
        if (m_searchWorker)
            m_searchWorker->requestCancel();
        return;
    case FindCancelled:
        m_searchRunning = false;
        m_throttle.stop();
        closeProgressWindow();
        restoreMainWindow();
        showResultList();
        return;
    case FindFinished:
    case FindLimitReached:
    case FindOutOfMemory:
        break;
    default:
        return;
    }

    m_searchRunning = false;
    m_resultsCut = code == FindLimitReached;
    m_throttle.stop();
    // The information sound and the simple beep are one sound here.
    QApplication::beep();
    if (code == FindOutOfMemory && !m_progressWindow) {
        // Memory ran out while the candidates were prepared, before the
        // started notice: the window that tells it, and that enables this
        // one again when closed, is opened now.
        createProgressWindow();
    }
    if (m_progressWindow) {
        showLatestProgress();
        if (code == FindLimitReached)
            m_progressWindow->showLimitReached();
        else if (code == FindOutOfMemory)
            m_progressWindow->showOutOfMemory();
        m_progressWindow->showNormal();
        m_progressWindow->raise();
        m_progressWindow->activateWindow();
    } else {
        restoreMainWindow();
    }
    showResultList();
    offerExplanation(code == FindFinished && m_results && m_results->count() == 0);
}

void CSearchDlg::showResultList()
{
    m_ui->resultList->showResults(m_results.get());
    showFirstResult();
}

void CSearchDlg::showFirstResult()
{
    // The set view and skill totals follow the selection: the first set is in view at once.
    CFindResultListCtrl* list = m_ui->resultList;
    if (list->model()->rowCount() > 0) {
        list->selectSingleRow(0);
        list->scrollToTop();
    }
    list->viewport()->update();
    onResultSelectionChanged();
}

} // namespace zeku
