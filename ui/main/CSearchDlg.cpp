#include "ui/main/CSearchDlg.h"

#include "ui/app/CSimulatorApp.h"
#include "ui/app/UiLanguage.h"
#include "platform/AppIdentity.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/main/CAboutDlg.h"
#include "ui/lists/RarityCombo.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/platform/WindowSupport.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/dialogs/DialogSupport.h"

#include "ui_CSearchDlg.h"

#include <QAction>
#include <QHeaderView>
#include <QGuiApplication>
#include <QScreen>
#include <QApplication>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QSizeGrip>
#include <QThread>

#include <algorithm>
#include <initializer_list>

namespace zeku {

namespace {

// Display refresh interval while progress notices arrive: two a second.
constexpr int kProgressIntervalMs = 500;

// Captions wider than their controls (a translation longer than the Japanese)
// widen all of `captions` by the largest lack and push `next` right by as
// much; with `nextGivesWidth` the pushed controls also narrow by as much, so
// that the row keeps its right edge.
void widenForCaptions(std::initializer_list<QWidget*> captions, std::initializer_list<QWidget*> next,
                      bool nextGivesWidth)
{
    int lack = 0;
    for (QWidget* w : captions)
        lack = std::max(lack, w->sizeHint().width() - w->width());
    if (lack <= 0)
        return;
    for (QWidget* w : captions)
        w->resize(w->width() + lack, w->height());
    for (QWidget* w : next)
        w->setGeometry(w->x() + lack, w->y(), nextGivesWidth ? w->width() - lack : w->width(), w->height());
}

} // namespace

CSearchDlg::CSearchDlg(CSimulatorApp& app, QWidget* parent, NoticeSink* workerNotices)
    : QDialog(parent), m_app(app), m_ui(std::make_unique<Ui::CSearchDlg>()),
      m_notices(this, [this](const Notice& notice) { handleNotice(notice); }),
      m_workerNotices(workerNotices ? workerNotices : &m_notices)
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->searchButton);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("%1 %2").arg(QString::fromLatin1(kAppTitle), QString::fromLatin1(kVersionText)));
    setWindowIcon(applicationIcon());
    setMinimumSize(kMinWidth, kMinHeight);
    m_sizeGrip = new QSizeGrip(this);
    m_sizeGrip->setProperty("controlId", 1177);

    // Sex 1 and job 1.
    m_ui->sexMaleRadio->setChecked(true);
    m_ui->jobBladeRadio->setChecked(true);
    fillRarityCombo(m_ui->rarityCombo);
    // Number fields take digits only.
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    m_ui->minDefenceEdit->setValidator(new QRegularExpressionValidator(digits, m_ui->minDefenceEdit));
    m_ui->maxResultsEdit->setValidator(new QRegularExpressionValidator(digits, m_ui->maxResultsEdit));
    m_ui->minDefenceEdit->setText(QStringLiteral("0"));
    m_ui->maxResultsEdit->setText(QStringLiteral("10000"));
    m_ui->excludedItemsCheck->setChecked(false);
    m_ui->excludedSkillsCheck->setChecked(false);
    m_ui->requireSPartsCheck->setChecked(false);

    m_ui->skillPointsScroll->setRange(-99, 99);
    m_ui->skillPointsScroll->setInvertedAppearance(true);
    m_ui->skillPointsScroll->setValue(0);
    m_ui->skillPointsEdit->setText(QStringLiteral("0"));
    m_ui->wantedTreeLabel->clear();

    m_ui->wantedSkillList->setUp(m_app.skills());
    m_ui->resultList->setUp(m_app.skills());
    m_ui->setView->setUp();
    m_ui->skillTotalsList->setUp(m_app.skills());
    m_ui->useJewelsCheck->setChecked(true);
    // Exact jewel fitting is a choice within jewel use: off at start, and
    // open only while jewels are on.
    m_ui->exactJewelsCheck->setChecked(false);
    connect(m_ui->useJewelsCheck, &QCheckBox::toggled, m_ui->exactJewelsCheck, &QWidget::setEnabled);

    fillSkillTreeChooser();
    updateSkillButtons();
    refreshFixedLists();
    fillHistoryList(-1);
    updateResultButtons();

    m_throttle.setSingleShot(true);
    m_throttle.setInterval(kProgressIntervalMs);
    connect(&m_throttle, &QTimer::timeout, this, &CSearchDlg::onThrottleTimeout);

    connectControls();
    connectEditors();
    giveAccessibleNames(this);
    m_sizeGrip->setAccessibleName(tr("サイズ変更"));
    fitTranslatedCaptions();
    recordLayout();
    growToOpeningSize();
}

void CSearchDlg::fitTranslatedCaptions()
{
    // The Japanese window keeps its designed places; a translation may need
    // a few pixels more beside a caption, taken from the gap after the row.
    if (currentLanguage() == UiLanguage::Japanese)
        return;
    widenForCaptions({m_ui->jobBladeRadio}, {m_ui->jobGunnerRadio}, true);
    widenForCaptions({m_ui->excludedItemsCheck, m_ui->excludedSkillsCheck, m_ui->requireSPartsCheck},
                     {m_ui->excludedItemsEditButton, m_ui->excludedSkillsEditButton, m_ui->sPartsEditButton}, false);
    widenForCaptions({m_ui->commentCaption}, {m_ui->commentEdit}, true);
    // The fixed list's part column holds a check box and a word instead of one character.
    QHeaderView* header = m_ui->fixedEquipList->horizontalHeader();
    int partWidth = std::max(header->sectionSize(0), header->sectionSizeHint(0));
    for (int row = 0; row < m_ui->fixedEquipList->model()->rowCount(); ++row)
        partWidth = std::max(
            partWidth, m_ui->fixedEquipList->sizeHintForIndex(m_ui->fixedEquipList->model()->index(row, 0)).width());
    header->resizeSection(0, partWidth);
}

void CSearchDlg::growToOpeningSize()
{
    int height = this->height() + openingHeightGrowth();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        height = std::min(height, std::max(kMinHeight, screen->availableGeometry().height() - kFrameAllowance));
    if (height > this->height()) {
        m_openingHeight = height;
        resize(width(), height);
    }
}

CSearchDlg::~CSearchDlg()
{
    waitForWorkers();
    if (m_progressWindow)
        delete m_progressWindow.data();
    m_ui->resultList->showResults(nullptr);
    m_ui->setView->showSet(nullptr);
    m_ui->skillTotalsList->showSet(nullptr);
}

void CSearchDlg::connectControls()
{
    // The rules follow the state, not the click: the keyboard and a screen
    // reader's toggle action change it without one.
    connect(m_ui->sexMaleRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onSexClicked(1);
    });
    connect(m_ui->sexFemaleRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onSexClicked(2);
    });
    connect(m_ui->jobBladeRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onJobClicked(1);
    });
    connect(m_ui->jobGunnerRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onJobClicked(2);
    });
    connect(m_ui->skillTreeCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        fillActivatedSkillChooser();
        updateSkillButtons();
    });
    connect(m_ui->activatedSkillCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSearchDlg::updateSkillButtons);
    connect(m_ui->addSkillButton, &QPushButton::clicked, this, &CSearchDlg::onAddSkill);
    connect(m_ui->wantedSkillList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSearchDlg::onWantedSelectionChanged);
    connect(m_ui->adjustSkillButton, &QPushButton::clicked, this, &CSearchDlg::onAdjustSkill);
    connect(m_ui->removeSkillButton, &QPushButton::clicked, this, &CSearchDlg::onRemoveSkill);
    connect(m_ui->removeAllSkillsButton, &QPushButton::clicked, this, &CSearchDlg::onRemoveAllSkills);
    connect(m_ui->skillPointsEdit, &QLineEdit::textChanged, this, &CSearchDlg::onPointsTextChanged);
    connect(m_ui->skillPointsScroll, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_ui->skillPointsEdit->text().toInt() != value)
            m_ui->skillPointsEdit->setText(QString::number(value));
    });
    connect(m_ui->fixedEquipList, &CFixEquipListCtrl::checkToggled, this, &CSearchDlg::onFixEquipToggled);
    connect(m_ui->fixedJewelList, &CFixJewelListCtrl::checkToggled, this, &CSearchDlg::onFixJewelToggled);
    connect(m_ui->checkAllFixedCheck, &QCheckBox::clicked, this, &CSearchDlg::onCheckAllFixed);
    connect(m_ui->excludedItemsCheck, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui->excludedItemsCheck, m_app.exclusions().total() == 0,
                        tr("除外アイテムが登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui->excludedSkillsCheck, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui->excludedSkillsCheck, m_app.excludedSkills().total() == 0,
                        tr("除外スキルが登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui->requireSPartsCheck, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui->requireSPartsCheck, m_app.sParts().total() == 0,
                        tr("Ｓ防具が登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui->searchButton, &QPushButton::clicked, this, &CSearchDlg::onSearch);
    connect(m_ui->addableSearchButton, &QPushButton::clicked, this, &CSearchDlg::onAddableSearch);
    setUpExplainButton();

    connect(m_ui->resultList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSearchDlg::onResultSelectionChanged);
    connect(m_ui->resultList, &CDataListCtrl::rowsSorted, this, &CSearchDlg::showFirstResult);
    connect(m_ui->historyCombo, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CSearchDlg::updateResultButtons);
    connect(m_ui->showHistoryButton, &QPushButton::clicked, this, &CSearchDlg::onShowHistory);
    connect(m_ui->saveResultsButton, &QPushButton::clicked, this, &CSearchDlg::onSaveResults);
    connect(m_ui->addFavoriteButton, &QPushButton::clicked, this, &CSearchDlg::onAddFavorite);
    connect(m_ui->clipButton, &QPushButton::clicked, this, &CSearchDlg::onClip);
    connect(m_ui->restoreConditionButton, &QPushButton::clicked, this, &CSearchDlg::onRestoreCondition);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &CSearchDlg::accept);

    // The platform has no window menu to carry the version command: F1 opens
    // it, and so does the context menu of the window's free area, which shows the key.
    auto* about = new QAction(tr("バージョン情報"), this);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    connect(about, &QAction::triggered, this, &CSearchDlg::showAbout);
    addAction(about);
    addLanguageMenu();
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CSearchDlg::recordLayout()
{
    m_anchoring = WindowAnchoring();
    m_anchoring.recordWindow(this);
    m_anchoring.add(m_ui->conditionGroup, {.stretchWide = true});
    m_anchoring.add(m_ui->resultGroup, {.stretchWide = true, .stretchTall = true});
    m_anchoring.add(m_ui->closeButton, {.moveRight = true, .moveDown = true});
    for (QWidget* w : {static_cast<QWidget*>(m_ui->chooseYourselfButton), static_cast<QWidget*>(m_ui->organiseButton),
                       static_cast<QWidget*>(m_ui->historyLabel), static_cast<QWidget*>(m_ui->historyCombo),
                       static_cast<QWidget*>(m_ui->showHistoryButton), static_cast<QWidget*>(m_ui->saveResultsButton)})
        m_anchoring.add(w, {.moveDown = true});
    for (QWidget* w : {m_ui->editResultButton, m_ui->clipButton, m_ui->addFavoriteButton})
        m_anchoring.add(w, {.moveRight = true, .moveDown = true});
    m_anchoring.add(m_ui->resultList, {.stretchTall = true});
    m_anchoring.add(m_ui->skillTotalsList, {.stretchWide = true, .stretchTall = true});
    m_anchoring.add(m_ui->setView, {.stretchWide = true});
    // The comment field ends at the window's right edge at every width.
    m_anchoring.add(m_ui->commentEdit, {.stretchWide = true});
    m_anchoring.add(m_ui->fixedGroup, {.stretchWide = true, .widthBelowNarrowOnly = true});
    // Below the narrow width the two fixed lists share the shrink by their
    // widths (300 and 160), so the jewel list keeps a usable width.
    constexpr double kPieceListShare = 300.0 / 460.0;
    m_anchoring.add(m_ui->fixedEquipList,
                    {.stretchWide = true, .widthBelowNarrowOnly = true, .stretchShare = kPieceListShare});
    m_anchoring.add(m_ui->fixedJewelList, {.moveRight = true,
                                           .stretchWide = true,
                                           .widthBelowNarrowOnly = true,
                                           .moveShare = kPieceListShare,
                                           .stretchShare = 1.0 - kPieceListShare});
    m_anchoring.add(m_ui->editFixedButton, {.moveRight = true, .widthBelowNarrowOnly = true});
    // Fixed here, but moved by shareHeightWithCondition(): each resize starts
    // again from the recorded place.
    for (QWidget* w :
         {static_cast<QWidget*>(m_ui->skillGroup), static_cast<QWidget*>(m_ui->wantedSkillList),
          static_cast<QWidget*>(m_ui->wantedTreeLabel), static_cast<QWidget*>(m_ui->skillPointsEdit),
          static_cast<QWidget*>(m_ui->skillPointsScroll), static_cast<QWidget*>(m_ui->adjustSkillButton),
          static_cast<QWidget*>(m_ui->removeSkillButton), static_cast<QWidget*>(m_ui->removeAllSkillsButton),
          static_cast<QWidget*>(m_ui->resultCountLabel), static_cast<QWidget*>(m_ui->restoreConditionButton),
          static_cast<QWidget*>(m_ui->titleCaption), static_cast<QWidget*>(m_ui->titleEdit),
          static_cast<QWidget*>(m_ui->commentCaption)})
        m_anchoring.add(w, {});
    m_layoutRecorded = true;
    m_openingHeight = height();
    fitResultViews();
    placeSizeGrip();
}

void CSearchDlg::shareHeightWithCondition(const QSize& size)
{
    // Above the opening height the condition area takes a share of the
    // growth, so the wanted skills and the fixed lists show more rows; the
    // results area starts that much lower and takes the rest.
    const int growth = std::max(0, size.height() - m_openingHeight);
    const int down = growth / kConditionGrowthDivisor;
    if (down == 0)
        return;
    const auto taller = [down](QWidget* w) { w->setGeometry(w->geometry().adjusted(0, 0, 0, down)); };
    const auto lower = [down](QWidget* w) { w->move(w->x(), w->y() + down); };
    const auto startLower = [down](QWidget* w) { w->setGeometry(w->geometry().adjusted(0, down, 0, 0)); };
    for (QWidget* w : {static_cast<QWidget*>(m_ui->conditionGroup), static_cast<QWidget*>(m_ui->skillGroup),
                       static_cast<QWidget*>(m_ui->fixedGroup), static_cast<QWidget*>(m_ui->wantedSkillList)})
        taller(w);
    for (QWidget* w :
         {static_cast<QWidget*>(m_ui->wantedTreeLabel), static_cast<QWidget*>(m_ui->skillPointsEdit),
          static_cast<QWidget*>(m_ui->skillPointsScroll), static_cast<QWidget*>(m_ui->adjustSkillButton),
          static_cast<QWidget*>(m_ui->removeSkillButton), static_cast<QWidget*>(m_ui->removeAllSkillsButton),
          static_cast<QWidget*>(m_ui->resultCountLabel), static_cast<QWidget*>(m_ui->restoreConditionButton),
          static_cast<QWidget*>(m_ui->titleCaption), static_cast<QWidget*>(m_ui->titleEdit),
          static_cast<QWidget*>(m_ui->commentCaption), static_cast<QWidget*>(m_ui->commentEdit),
          static_cast<QWidget*>(m_ui->setView)})
        lower(w);
    for (QWidget* w : {static_cast<QWidget*>(m_ui->resultGroup), static_cast<QWidget*>(m_ui->resultList),
                       static_cast<QWidget*>(m_ui->skillTotalsList)})
        startLower(w);
}

void CSearchDlg::fitResultViews()
{
    // The set view and the skill totals share the height beside the result
    // list: the set view takes its seven rows (and the scroll bar to reach
    // "装飾品") while the totals keep a few rows; the totals take the rest.
    QWidget* setView = m_ui->setView;
    QWidget* totals = m_ui->skillTotalsList;
    const int top = setView->y();
    const int bottom = m_ui->resultList->geometry().bottom();
    const int available = bottom - top + 1 - kResultViewGap;
    const int totalsMinimum = m_ui->skillTotalsList->heightForRows(kTotalsRowsAtLeast);
    const int setHeight = std::max(0, std::min(m_ui->setView->heightForRows(kSetViewRows), available - totalsMinimum));
    setView->setGeometry(setView->x(), top, setView->width(), setHeight);
    totals->setGeometry(totals->x(), top + setHeight + kResultViewGap, totals->width(),
                        std::max(0, available - setHeight));
}

int CSearchDlg::openingHeightGrowth() const
{
    // What the results area lacks for the whole set and kTotalsRowsAtOpening rows of totals.
    const int available = m_ui->resultList->geometry().bottom() - m_ui->setView->y() + 1 - kResultViewGap;
    const int wanted =
        m_ui->setView->heightForRows(kSetViewRows) + m_ui->skillTotalsList->heightForRows(kTotalsRowsAtOpening);
    return std::max(0, wanted - available);
}

void CSearchDlg::placeSizeGrip()
{
    const QSize grip = m_sizeGrip->sizeHint();
    m_sizeGrip->setGeometry(width() - grip.width() - 2, height() - grip.height() - 2, grip.width(), grip.height());
    m_sizeGrip->setVisible(!isMaximized());
}

void CSearchDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_layoutRecorded)
        return;
    m_anchoring.apply(event->size());
    shareHeightWithCondition(event->size());
    fitResultViews();
    placeSizeGrip();
    update();
}

void CSearchDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    placeSizeGrip();
    if (m_keepSession && !m_openingSession)
        m_openingSession = sessionState();
}

QString CSearchDlg::discardQuestion()
{
    return tr("現在表示されている検索結果を破棄しますがよろしいですか？");
}

bool CSearchDlg::mayDiscardResults()
{
    // A save still running borrows the results and decides whether they are stored.
    waitForFileWorker();
    if (m_stored || !m_results || m_results->count() == 0)
        return true;
    return showMessage(this, discardQuestion(), MessageIcon::Question, MessageButtons::OkCancel) == MessageAnswer::Ok;
}

void CSearchDlg::done(int result)
{
    // Closing by any means (Escape, the close box, "閉じる") ends the program:
    // results not stored are given up only when the user agrees.
    if (!mayDiscardResults())
        return;
    // Both workers end first.
    waitForWorkers();
    saveSessionOnClose();
    QDialog::done(result);
}

void CSearchDlg::waitForWorkers()
{
    waitForSearchWorker();
    waitForFileWorker();
}

void CSearchDlg::waitForSearchWorker()
{
    if (!m_searchWorker)
        return;
    while (m_searchWorker->outcome() == OutcomeRunning) {
        m_searchWorker->requestCancel();
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    m_searchWorker->wait();
}

void CSearchDlg::waitForFileWorker()
{
    // The worker may be waiting for a message box shown on this thread, and
    // its notice must be handled before the next operation starts.
    // A test that holds the notices hands them on itself.
    while (m_fileWorker && m_fileWorkerBusy && m_workerNotices == &m_notices) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    if (m_fileWorker)
        m_fileWorker->wait();
}

void CSearchDlg::showAbout()
{
    CAboutDlg about({m_app.datFolder(), m_app.userFolder().root()}, this);
    runChildDialog(about);
}

} // namespace zeku
