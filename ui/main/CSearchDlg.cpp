#include "ui/main/CSearchDlg.h"

#include "platform/AppIdentity.h"
#include "ui/app/CSimulatorApp.h"
#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/main/CAboutDlg.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/ConditionForm.h"
#include "ui/main/EditingDialogs.h"
#include "ui/main/FollowUpWindows.h"
#include "ui/main/LanguageMenu.h"
#include "ui/main/MainWindowFrame.h"
#include "ui/main/MainWindowSession.h"
#include "ui/main/ResultFiles.h"
#include "ui/main/ResultWorkspace.h"
#include "ui/main/MainSearchRun.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CSearchDlg.h"

#include <QAction>
#include <QResizeEvent>

#include <utility>

namespace zeku {

CSearchDlg::CSearchDlg(CSimulatorApp& app, QWidget* parent, NoticeSink* workerNotices)
    : QDialog(parent), m_app(app), m_ui(std::make_unique<Ui::CSearchDlg>()),
      m_notices(this, [this](const Notice& notice) { handleNotice(notice); }),
      m_workerNotices(workerNotices ? workerNotices : &m_notices),
      m_frame(std::make_unique<MainWindowFrame>(*this, *m_ui)),
      m_form(std::make_unique<ConditionForm>(app, *m_ui, *this)),
      m_workspace(std::make_unique<ResultWorkspace>(app, *m_ui, *this, *m_form)),
      m_files(std::make_unique<ResultFiles>(app, *m_ui, *this, *m_workspace, *m_form, *m_workerNotices,
                                            [this] {
                                                // A close asked for meanwhile is tried again.
                                                if (m_closeAfterFileWork && !m_files->running())
                                                    done(*std::exchange(m_closeAfterFileWork, std::nullopt));
                                            })),
      m_run(std::make_unique<MainSearchRun>(app, *this, *m_frame, *m_workerNotices,
                                            [this](int32_t code) { onSearchEnded(code); })),
      m_followUps(std::make_unique<FollowUpWindows>(app, *m_ui, *this, *m_form, *m_workspace)),
      m_editors(std::make_unique<EditingDialogs>(app, *m_ui, *this, *m_frame, *m_form, *m_workspace, *m_files)),
      m_language(std::make_unique<LanguageMenu>(*this, [this] { m_session->keepLanguageChoice(); })),
      m_session(std::make_unique<MainWindowSession>(app, *this, *m_form, *m_language, *m_files))
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->searchButton);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("%1 %2").arg(QString::fromLatin1(kAppTitle), QString::fromLatin1(kVersionText)));
    setWindowIcon(applicationIcon());
    setMinimumSize(kMinWidth, kMinHeight);
    m_frame->createSizeGrip();

    m_form->setUpControls();
    m_workspace->setUpViews();
    m_form->wanted().fillSkillTreeChooser();
    m_form->wanted().updateButtons();
    m_form->fixed().replace(EquipSet());
    m_files->fillHistoryList(-1);
    m_workspace->updateButtons();

    m_form->connectControls();
    connect(m_ui->searchButton, &QPushButton::clicked, this, &CSearchDlg::onSearch);
    m_workspace->connectControls();
    m_followUps->connectControls();
    m_files->connectControls();
    connect(m_ui->closeButton, &QPushButton::clicked, this, &CSearchDlg::accept);
    addWindowMenu();
    m_editors->connectControls();
    m_followUps->addResultMenuEntry();

    giveAccessibleNames(this);
    m_frame->nameSizeGrip();
    m_frame->fitTranslatedCaptions();
    m_frame->recordLayout();
    m_frame->growToOpeningSize();
}

CSearchDlg::~CSearchDlg() = default;

const std::vector<SkillPoint>& CSearchDlg::wantedSkills() const
{
    return m_form->wanted().skills();
}

const EquipSet& CSearchDlg::fixedSet() const
{
    return m_form->fixed().set();
}

const SearchCondition& CSearchDlg::currentCondition() const
{
    return m_workspace->condition();
}

SearchCondition CSearchDlg::conditionFromControls() const
{
    return m_form->conditionFromControls();
}

const SearchResultStore* CSearchDlg::currentResults() const
{
    return m_workspace->results();
}

bool CSearchDlg::resultsStored() const
{
    return m_workspace->stored();
}

bool CSearchDlg::searchRunning() const
{
    return m_run->running();
}

bool CSearchDlg::fileOperationRunning() const
{
    return m_files->running();
}

CFindProcessDlg* CSearchDlg::progressWindow() const
{
    return m_run->progressWindow();
}

CMessageDlg* CSearchDlg::waitingWindow() const
{
    return m_files->waitingWindow();
}

void CSearchDlg::setSex(int sex)
{
    m_form->setSex(sex);
}

void CSearchDlg::setJob(int job)
{
    m_form->setJob(job);
}

void CSearchDlg::setRarityCode(RarityFilterCode code)
{
    m_form->setRarityCode(code);
}

void CSearchDlg::replaceFixedSet(const EquipSet& set)
{
    m_form->fixed().replace(set);
}

void CSearchDlg::replaceWantedSkills(const std::vector<SkillPoint>& wanted, int select)
{
    m_form->wanted().replace(wanted, select);
}

QString CSearchDlg::discardQuestion()
{
    return tr("現在表示されている検索結果を破棄しますがよろしいですか？");
}

void CSearchDlg::restoreSession()
{
    m_session->restore();
}

QRect CSearchDlg::frameOnScreen(const QRect& frame, const QSize& minimum)
{
    return MainWindowSession::frameOnScreen(frame, minimum);
}

void CSearchDlg::handleNotice(const Notice& notice)
{
    if (notice.kind == NoticeKind::Search)
        m_run->handleNotice(notice.code);
    else
        m_files->handleNotice(notice.code, notice.param);
}

std::unique_ptr<SearchResultStore> CSearchDlg::newResultStore()
{
    return std::make_unique<SearchResultStore>();
}

void CSearchDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_frame->resized(event->size());
}

void CSearchDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_frame->placeSizeGrip();
    m_session->noteShown();
}

void CSearchDlg::addWindowMenu()
{
    // The platform has no window menu to carry the version command: F1 opens
    // it, and so does the context menu of the window's free area, which shows the key.
    auto* about = new QAction(tr("バージョン情報"), this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, this, [this] {
        CAboutDlg window({m_app.datFolder(), m_app.userFolder().root()}, this);
        runChildDialog(window);
    });
    addAction(about);
    m_language->addToWindow();
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CSearchDlg::onSearch()
{
    // The window is disabled while a search or file work runs.
    if (m_run->running() || m_files->running())
        return;
    std::optional<SearchCondition> condition = m_form->readyCondition();
    if (!condition)
        return;
    m_form->showDefaultCount();

    m_app.startupSettings().recordFavoriteSkills(condition->job, m_form->wanted().skills(), m_app.skills());
    // Written in the background, with no window held: the search does not wait
    // for the folder's lock, and a failed write was reported.
    BackgroundFileTask::start(
        nullptr, {},
        [settings = m_app.startupSettings(), folder = m_app.userFolder()] { return settings.save(folder); }, {});
    m_form->wanted().fillSkillTreeChooser();
    m_form->wanted().updateButtons();

    setEnabled(false);
    m_workspace->clearTitle();
    // The results about to be filled are those of this condition.
    SearchResultStore& store = m_workspace->beginSearch(std::move(*condition), newResultStore());
    m_run->start(m_workspace->condition(), store);
}

void CSearchDlg::onSearchEnded(int32_t code)
{
    if (code == FindCancelled)
        m_workspace->showResultList();
    else
        m_workspace->showSearchEnd(code == FindLimitReached, code == FindFinished);
    if (m_closing)
        finishClosing();
}

void CSearchDlg::done(int result)
{
    // Closing by any means (Escape, the close box, "閉じる") ends the program.
    // File work decides whether the results are stored: a close waits for its end.
    if (m_closing)
        return;
    if (m_files->running()) {
        m_closeAfterFileWork = result;
        return;
    }
    // Results not stored are given up only when the user agrees.
    if (!m_workspace->mayDiscardResults())
        return;
    m_closing = true;
    m_closeResult = result;
    // A running search is asked to stop; its final notice goes on closing.
    if (m_run->running()) {
        m_run->requestStop();
        return;
    }
    finishClosing();
}

void CSearchDlg::finishClosing()
{
    // Background writes started from here or from windows opened over it end
    // before the session is kept and the program ends.
    BackgroundFileTask::whenIdle([this] {
        m_session->saveOnClose([this] {
            m_closing = false;
            QDialog::done(m_closeResult);
        });
    });
}

} // namespace zeku
