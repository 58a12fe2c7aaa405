#include "ui/main/ResultFiles.h"

#include "ui/app/CSimulatorApp.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/main/ConditionForm.h"
#include "ui/main/ResultWorkspace.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "ui/platform/WindowSupport.h"
#include "userfiles/Favorites.h"
#include "userfiles/FileOperationThread.h"
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

ResultFiles::ResultFiles(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, ResultWorkspace& workspace,
                         ConditionForm& form, NoticeSink& workerNotices, std::function<void()> idle)
    : m_app(app), m_ui(ui), m_window(window), m_workspace(workspace), m_form(form), m_workerNotices(workerNotices),
      m_idle(std::move(idle))
{
}

ResultFiles::~ResultFiles() = default;

void ResultFiles::connectControls()
{
    connect(m_ui.showHistoryButton, &QPushButton::clicked, this, [this] { onShowHistory(); });
    connect(m_ui.saveResultsButton, &QPushButton::clicked, this, [this] { onSaveResults(); });
    connect(m_ui.addFavoriteButton, &QPushButton::clicked, this, [this] { onAddFavorite(); });
}

bool ResultFiles::running() const
{
    return m_fileWorkerBusy || m_tasksRunning > 0;
}

CMessageDlg* ResultFiles::waitingWindow() const
{
    if (m_waitWindow)
        return m_waitWindow.get();
    return m_task ? m_task->waitWindow() : nullptr;
}

void ResultFiles::fillHistoryList(int select)
{
    SavedFileIndex index = SavedFileIndex::forHistory(m_app.userFolder());
    index.load();
    QComboBox* combo = m_ui.historyCombo;
    {
        const QSignalBlocker block(combo);
        combo->clear();
        for (int i = 0; i < index.count(); ++i)
            combo->addItem(toQString(*index.title(i)));
        combo->setCurrentIndex(select < combo->count() ? select : -1);
    }
    m_workspace.updateButtons();
}

void ResultFiles::runInBackground(const QString& waitLine, BackgroundFileTask::Work work,
                                  std::function<void(bool succeeded)> finished)
{
    ++m_tasksRunning;
    m_task = BackgroundFileTask::start(&m_window, waitLine, std::move(work),
                                       [this, finished = std::move(finished)](bool succeeded) {
                                           --m_tasksRunning;
                                           m_task = nullptr;
                                           if (finished)
                                               finished(succeeded);
                                           m_idle();
                                       });
}

void ResultFiles::showWaitingWindow(const QString& line1)
{
    if (!m_waitWindow)
        m_focusBeforeWait = m_window.focusWidget();
    m_waitWindow = std::make_unique<CMessageDlg>(&m_window);
    m_waitWindow->showMessage(CSearchDlg::tr("処理中"), line1, CSearchDlg::tr("しばらくお待ちください。"));
}

void ResultFiles::closeWaitingWindow()
{
    m_waitWindow.reset(); // enables the window again
    if (m_focusBeforeWait && m_focusBeforeWait->isEnabled())
        m_focusBeforeWait->setFocus();
    m_focusBeforeWait = nullptr;
}

void ResultFiles::startFileWorker(std::unique_ptr<CFileOperationThread> worker)
{
    // The previous worker posted its final notice as its last act: this join returns at once.
    m_fileWorker = std::move(worker);
    m_fileWorkerBusy = true;
    m_fileWorker->start();
}

void ResultFiles::onShowHistory()
{
    const int position = m_ui.historyCombo->currentIndex();
    // One piece of file work at a time: the window is disabled while one runs.
    if (position < 0 || running())
        return;
    if (!m_workspace.mayDiscardResults())
        return;
    m_workspace.clearTitle();
    // The views no longer refer to the old results; the load replaces them.
    m_workspace.discardResults();
    showWaitingWindow(CSearchDlg::tr("読み込み中です。"));
    m_workspace.setStored(true);
    auto worker = std::make_unique<CFileOperationThread>(m_workerNotices, m_app.userFolder(), m_app.master());
    worker->setLoad(position);
    startFileWorker(std::move(worker));
}

void ResultFiles::onSaveResults()
{
    const SearchResultStore* results = m_workspace.results();
    if (running() || !results || results->count() == 0)
        return;
    const SearchCondition& condition = m_workspace.condition();
    CFavoriteDataInputDlg input(&m_window);
    input.setCaption(CSearchDlg::tr("検索結果保存"));
    input.setTitle(offeredTitle(condition.job, condition.sex));
    input.setComment({});
    if (runChildDialog(input) != QDialog::Accepted)
        return;
    m_workspace.clearTitle();
    showWaitingWindow(CSearchDlg::tr("保存中です。"));
    auto worker = std::make_unique<CFileOperationThread>(m_workerNotices, m_app.userFolder(), m_app.master());
    // The worker borrows the results: nothing replaces them while the window is disabled.
    worker->setSave(condition, results, input.title(), input.comment());
    startFileWorker(std::move(worker));
}

void ResultFiles::handleNotice(int32_t code, int32_t param)
{
    m_fileWorkerBusy = false;
    if (!m_fileWorker)
        return;
    closeWaitingWindow();
    const bool succeeded = param == CFileOperationThread::kSucceeded;
    if (code == CFileOperationThread::kLoad)
        finishLoad(succeeded);
    else
        finishSave(succeeded);
    m_idle();
}

void ResultFiles::finishLoad(bool succeeded)
{
    m_workspace.discardResults();
    if (!succeeded) {
        showMessage(&m_window, loadFailed(), MessageIcon::Error);
        m_workspace.updateButtons();
        return;
    }
    m_workspace.showLoaded(m_fileWorker->takeResults(), m_fileWorker->condition(), m_fileWorker->title(),
                           m_fileWorker->comment());
    m_form.wanted().updateButtons();
    m_workspace.updateButtons();
}

void ResultFiles::finishSave(bool succeeded)
{
    if (!succeeded) {
        showMessage(&m_window, saveFailed(), MessageIcon::Error);
        m_workspace.updateButtons();
        return;
    }
    // Stored only once the file is written: a failed save still asks before discarding.
    m_workspace.setStored(true);
    m_ui.titleEdit->setText(toQString(m_fileWorker->title()));
    m_ui.commentEdit->setText(toQString(m_fileWorker->comment()));
    fillHistoryList(0x7fffffff);
    m_ui.historyCombo->setCurrentIndex(m_ui.historyCombo->count() - 1);
    m_workspace.updateButtons();
}

void ResultFiles::onAddFavorite()
{
    const EquipSet* selected = m_workspace.selectedResult();
    if (running() || !selected)
        return;
    // resultAt() builds into storage the next call reuses: the save takes a copy.
    const EquipSet set = *selected;
    const SearchCondition& condition = m_workspace.condition();
    CFavoriteDataInputDlg input(&m_window);
    input.setTitle(offeredTitle(condition.job, condition.sex));
    input.setComment({});
    if (runChildDialog(input) != QDialog::Accepted)
        return;
    // The save waits for the folder lock off the UI thread: another process
    // holding it shows the wait window instead of freezing this one.
    runInBackground(
        CSearchDlg::tr("保存中です。"),
        [folder = m_app.userFolder(), sex = condition.sex, job = condition.job, set, title = input.title(),
         comment = input.comment()] { return saveNewFavorite(folder, sex, job, set, title, comment); },
        [this](bool succeeded) {
            if (!succeeded)
                showMessage(&m_window, saveFailed(), MessageIcon::Error);
        });
}

} // namespace zeku
