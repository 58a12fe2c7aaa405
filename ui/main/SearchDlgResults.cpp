// The results area of the main window: result list and details, the search
// history (through the file worker), favourites, clip and condition restore.

#include "ui/app/CSimulatorApp.h"
#include "report/ClipText.h"
#include "report/FormatCount.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/dialogs/ListFileSave.h"
#include "ui/main/CFindConditionDispDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/WindowSupport.h"
#include "ui/platform/ClipboardService.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/Favorites.h"
#include "userfiles/ItemListFiles.h"
#include "userfiles/SavedFileIndex.h"

#include "ui_CSearchDlg.h"

#include <QCoreApplication>
#include <QSignalBlocker>

namespace zeku {

namespace {

// Translated when shown: the language is chosen after static set-up.
QString saveFailed()
{
    return CSearchDlg::tr("データの保存処理で異常が発生しました");
}

QString loadFailed()
{
    return CSearchDlg::tr("データの読み込み処理で異常が発生しました");
}

// The title offered for stored results and a new favourite: the job's set and
// the sex, in the windows' language. In Japanese it is the core's
// defaultFavoriteTitle(), which still words the titles the core completes itself.
std::string offeredTitle(uint16_t job, uint16_t sex)
{
    QString title;
    if (job == kJobBlade)
        title = QCoreApplication::translate("zeku::CSearchDlg", "剣士装備");
    else if (job == kJobGunner)
        title = QCoreApplication::translate("zeku::CSearchDlg", "ガンナー装備");
    if (sex == kSexMale)
        title += QCoreApplication::translate("zeku::CSearchDlg", "(男)");
    else if (sex == kSexFemale)
        title += QCoreApplication::translate("zeku::CSearchDlg", "(女)");
    std::string stored;
    QString refused;
    if (!fromQStringStrict(title, stored, refused))
        return defaultFavoriteTitle(job, sex); // a translation that cannot be stored
    return stored;
}

} // namespace

const EquipSet* CSearchDlg::selectedResult() const
{
    const int row = m_ui->resultList->selectedRow();
    if (row < 0 || !m_results)
        return nullptr;
    return m_ui->resultList->resultAt(row);
}

void CSearchDlg::updateResultButtons()
{
    const bool selected = selectedResult() != nullptr;
    m_ui->clipButton->setEnabled(selected);
    m_ui->editResultButton->setEnabled(selected);
    m_ui->addFavoriteButton->setEnabled(selected);
    m_ui->historyCombo->setEnabled(m_ui->historyCombo->count() > 0);
    m_ui->showHistoryButton->setEnabled(m_ui->historyCombo->currentIndex() >= 0);
    m_ui->saveResultsButton->setEnabled(m_ui->resultList->model()->rowCount() > 0);
    if (m_results) {
        const QString count = QString::fromStdString(formatCount(static_cast<uint64_t>(m_results->count())));
        // A search stopped at the maximum count says so beside the count once its progress window is gone.
        m_ui->resultCountLabel->setText(m_resultsCut ? tr("%1 件 打切り").arg(count) : tr("%1 件").arg(count));
        m_ui->resultCountLabel->setToolTip(m_resultsCut ? tr("最大表示件数に達したため検索を打ち切りました")
                                                        : QString());
        m_ui->resultCountLabel->setAccessibleDescription(m_ui->resultCountLabel->toolTip());
    }
    m_ui->restoreConditionButton->setEnabled(m_resultsCondition.sex != 0);
}

void CSearchDlg::emptyResultViews()
{
    m_resultsCut = false;
    offerExplanation(false);
    m_ui->resultList->showResults(nullptr);
    m_ui->setView->showSet(nullptr);
    m_ui->skillTotalsList->showSet(nullptr);
}

void CSearchDlg::onResultSelectionChanged()
{
    const EquipSet* set = selectedResult();
    m_ui->setView->showSet(set);
    m_ui->skillTotalsList->showSet(set);
    updateResultButtons();
}

void CSearchDlg::fillHistoryList(int select)
{
    SavedFileIndex index = SavedFileIndex::forHistory(m_app.userFolder());
    index.load();
    QComboBox* combo = m_ui->historyCombo;
    {
        const QSignalBlocker block(combo);
        combo->clear();
        for (int i = 0; i < index.count(); ++i)
            combo->addItem(toQString(*index.title(i)));
        combo->setCurrentIndex(select < combo->count() ? select : -1);
    }
    updateResultButtons();
}

void CSearchDlg::showWaitingWindow(const QString& line1)
{
    if (!m_waitWindow)
        m_focusBeforeWait = focusWidget();
    m_waitWindow = std::make_unique<CMessageDlg>(this);
    m_waitWindow->showMessage(tr("処理中"), line1, tr("しばらくお待ちください。"));
}

void CSearchDlg::closeWaitingWindow()
{
    m_waitWindow.reset(); // enables this window again
    if (m_focusBeforeWait && m_focusBeforeWait->isEnabled())
        m_focusBeforeWait->setFocus();
    m_focusBeforeWait = nullptr;
}

void CSearchDlg::startFileWorker(std::unique_ptr<CFileOperationThread> worker)
{
    // One operation at a time: the previous one has ended and been handled.
    waitForFileWorker();
    m_fileWorker = std::move(worker);
    m_fileWorkerBusy = true;
    m_fileWorker->start();
}

void CSearchDlg::onShowHistory()
{
    const int position = m_ui->historyCombo->currentIndex();
    if (position < 0)
        return;
    if (!mayDiscardResults())
        return;
    m_ui->resultCountLabel->clear();
    m_ui->titleEdit->clear();
    m_ui->commentEdit->clear();
    emptyResultViews();
    // The views no longer refer to the old results; the load replaces them.
    m_results.reset();
    updateResultButtons();
    showWaitingWindow(tr("読み込み中です。"));
    m_stored = true;
    auto worker = std::make_unique<CFileOperationThread>(*m_workerNotices, m_app.userFolder(), m_app.master());
    worker->setLoad(position);
    startFileWorker(std::move(worker));
}

void CSearchDlg::onSaveResults()
{
    waitForFileWorker();
    if (!m_results || m_results->count() == 0)
        return;
    CFavoriteDataInputDlg input(this);
    input.setCaption(tr("検索結果保存"));
    input.setTitle(offeredTitle(m_resultsCondition.job, m_resultsCondition.sex));
    input.setComment({});
    if (runChildDialog(input) != QDialog::Accepted)
        return;
    m_ui->resultCountLabel->clear();
    m_ui->titleEdit->clear();
    m_ui->commentEdit->clear();
    showWaitingWindow(tr("保存中です。"));
    auto worker = std::make_unique<CFileOperationThread>(*m_workerNotices, m_app.userFolder(), m_app.master());
    worker->setSave(m_resultsCondition, m_results.get(), input.title(), input.comment());
    startFileWorker(std::move(worker));
}

void CSearchDlg::onFileNotice(int32_t code, int32_t param)
{
    m_fileWorkerBusy = false;
    if (!m_fileWorker)
        return;
    m_fileWorker->wait();
    closeWaitingWindow();
    const bool succeeded = param == CFileOperationThread::kSucceeded;
    if (code == CFileOperationThread::kLoad) {
        emptyResultViews();
        m_results.reset();
        if (!succeeded) {
            showMessage(this, loadFailed(), MessageIcon::Error);
            updateResultButtons();
            return;
        }
        m_results = m_fileWorker->takeResults();
        m_resultsCondition = m_fileWorker->condition();
        m_ui->titleEdit->setText(toQString(m_fileWorker->title()));
        m_ui->commentEdit->setText(toQString(m_fileWorker->comment()));
        showResultList();
        updateSkillButtons();
        updateResultButtons();
        return;
    }
    if (!succeeded) {
        showMessage(this, saveFailed(), MessageIcon::Error);
        updateResultButtons();
        return;
    }
    // Stored only once the file is written: a failed save still asks before discarding.
    m_stored = true;
    m_ui->titleEdit->setText(toQString(m_fileWorker->title()));
    m_ui->commentEdit->setText(toQString(m_fileWorker->comment()));
    fillHistoryList(0x7fffffff);
    m_ui->historyCombo->setCurrentIndex(m_ui->historyCombo->count() - 1);
    updateResultButtons();
}

void CSearchDlg::onAddFavorite()
{
    const EquipSet* set = selectedResult();
    if (!set)
        return;
    CFavoriteDataInputDlg input(this);
    input.setTitle(offeredTitle(m_resultsCondition.job, m_resultsCondition.sex));
    input.setComment({});
    if (runChildDialog(input) != QDialog::Accepted)
        return;
    if (!saveNewFavorite(m_app.userFolder(), m_resultsCondition.sex, m_resultsCondition.job, *set, input.title(),
                         input.comment()))
        showMessage(this, saveFailed(), MessageIcon::Error);
}

void CSearchDlg::onClip()
{
    if (const EquipSet* set = selectedResult())
        clipboardService().setText(buildClipText(*set, m_app.skills()));
}

namespace {

// Asks whether a list the restore changed goes to its file; sets the flag.
template <typename Save>
void offerListSave(QWidget* parent, const QString& message, int32_t& flag, Save save)
{
    if (showMessage(parent, message, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes) {
        save();
        flag = 1;
    } else {
        flag = 0;
    }
}

} // namespace

void CSearchDlg::onRestoreCondition()
{
    // The dialog shows a copy: a load finishing meanwhile cannot change it.
    const SearchCondition condition = m_resultsCondition;
    CFindConditionDispDlg confirm(condition, m_app.skills(), this);
    if (runChildDialog(confirm) != QDialog::Accepted)
        return;
    const ConditionParts& parts = confirm.parts();
    if (parts.basic) {
        showBasicCondition(condition);
        // The stored choices come back as they were, without the empty-list message.
        const QSignalBlocker blockItems(m_ui->excludedItemsCheck);
        const QSignalBlocker blockSParts(m_ui->requireSPartsCheck);
        const QSignalBlocker blockSkills(m_ui->excludedSkillsCheck);
        m_ui->excludedItemsCheck->setChecked(condition.useExcludedItems);
        m_ui->requireSPartsCheck->setChecked(condition.requireSParts);
        m_ui->excludedSkillsCheck->setChecked(condition.useExcludedSkills);
    }
    if (parts.skills)
        m_wanted = condition.wanted;
    if (parts.fixed)
        replaceFixedSet(condition.fixed);
    const UserFolder& folder = m_app.userFolder();
    if (parts.excludedItems) {
        const bool same = m_app.exclusions().equals(condition.excludedItems);
        m_app.exclusions().copyFrom(condition.excludedItems);
        if (!same)
            offerListSave(this, tr("除外アイテムデータを変更しました\nファイルに保存しますか？"),
                          m_app.saveExclusionsToFile(), [&] {
                              saveListFile(this, &m_app.exclusionsStamp(), [&](ListFileStamp* s) {
                                  return saveExclusionList(folder, m_app.exclusions(), s);
                              });
                          });
    }
    if (parts.excludedSkills) {
        const bool same = m_app.excludedSkills().equals(condition.excludedSkills);
        m_app.excludedSkills().copyFrom(condition.excludedSkills);
        if (!same)
            offerListSave(this, tr("除外スキルデータを変更しました\nファイルに保存しますか？"),
                          m_app.saveExcludedSkillsToFile(), [&] {
                              saveListFile(this, &m_app.excludedSkillsStamp(), [&](ListFileStamp* s) {
                                  return saveExcludedSkills(folder, m_app.excludedSkills(), s);
                              });
                          });
    }
    if (parts.sParts) {
        const bool same = m_app.sParts().equals(condition.sParts);
        m_app.sParts().copyFrom(condition.sParts);
        if (!same)
            offerListSave(this, tr("Ｓ防具データを変更しました\nファイルに保存しますか？"), m_app.saveSPartsToFile(),
                          [&] {
                              saveListFile(this, &m_app.sPartsStamp(),
                                           [&](ListFileStamp* s) { return saveSPartList(folder, m_app.sParts(), s); });
                          });
    }
    replaceWantedSkills(m_wanted, -1);
}

void CSearchDlg::showBasicCondition(const SearchCondition& condition)
{
    setSex(condition.sex);
    setJob(condition.job);
    setRarityCode(condition.rarity);
    m_ui->minDefenceEdit->setText(QString::number(condition.minDefence));
    m_ui->maxResultsEdit->setText(QString::number(condition.maxResults));
    m_ui->useJewelsCheck->setChecked(condition.useJewels);
    m_ui->exactJewelsCheck->setChecked(condition.useJewels && condition.exactJewels);
}

} // namespace zeku
