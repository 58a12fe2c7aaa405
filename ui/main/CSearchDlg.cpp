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
    keepEnterOnDefault(this, m_ui->button1070);
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("%1 %2").arg(QString::fromLatin1(kAppTitle), QString::fromLatin1(kVersionText)));
    setWindowIcon(applicationIcon());
    setMinimumSize(kMinWidth, kMinHeight);
    m_sizeGrip = new QSizeGrip(this);
    m_sizeGrip->setProperty("controlId", 1177);

    // Sex 1 and job 1.
    m_ui->radio1038->setChecked(true);
    m_ui->radio1040->setChecked(true);
    fillRarityCombo(m_ui->combo1053);
    // Number fields take digits only.
    const QRegularExpression digits(QStringLiteral("[0-9]*"));
    m_ui->edit1101->setValidator(new QRegularExpressionValidator(digits, m_ui->edit1101));
    m_ui->edit1094->setValidator(new QRegularExpressionValidator(digits, m_ui->edit1094));
    m_ui->edit1101->setText(QStringLiteral("0"));
    m_ui->edit1094->setText(QStringLiteral("10000"));
    m_ui->check1099->setChecked(false);
    m_ui->check1107->setChecked(false);
    m_ui->check1111->setChecked(false);

    m_ui->spin1065->setRange(-99, 99);
    m_ui->spin1065->setInvertedAppearance(true);
    m_ui->spin1065->setValue(0);
    m_ui->edit1064->setText(QStringLiteral("0"));
    m_ui->label1066->clear();

    m_ui->list1063->setUp(m_app.skills());
    m_ui->list1061->setUp(m_app.skills());
    m_ui->list1055->setUp();
    m_ui->list1056->setUp(m_app.skills());
    m_ui->check1096->setChecked(true);
    // Exact jewel fitting is a choice within jewel use: off at start, and
    // open only while jewels are on.
    m_ui->check1247->setChecked(false);
    connect(m_ui->check1096, &QCheckBox::toggled, m_ui->check1247, &QWidget::setEnabled);

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
    widenForCaptions({m_ui->radio1040}, {m_ui->radio1041}, true);
    widenForCaptions({m_ui->check1099, m_ui->check1107, m_ui->check1111},
                     {m_ui->button1043, m_ui->button1045, m_ui->button1046}, false);
    widenForCaptions({m_ui->commentCaption}, {m_ui->edit1109}, true);
    // The fixed list's part column holds a check box and a word instead of one character.
    QHeaderView* header = m_ui->list1059->horizontalHeader();
    int partWidth = std::max(header->sectionSize(0), header->sectionSizeHint(0));
    for (int row = 0; row < m_ui->list1059->model()->rowCount(); ++row)
        partWidth =
            std::max(partWidth, m_ui->list1059->sizeHintForIndex(m_ui->list1059->model()->index(row, 0)).width());
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
    m_ui->list1061->showResults(nullptr);
    m_ui->list1055->showSet(nullptr);
    m_ui->list1056->showSet(nullptr);
}

void CSearchDlg::connectControls()
{
    // The rules follow the state, not the click: the keyboard and a screen
    // reader's toggle action change it without one.
    connect(m_ui->radio1038, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onSexClicked(1);
    });
    connect(m_ui->radio1039, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onSexClicked(2);
    });
    connect(m_ui->radio1040, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onJobClicked(1);
    });
    connect(m_ui->radio1041, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            onJobClicked(2);
    });
    connect(m_ui->combo1062, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        fillActivatedSkillChooser();
        updateSkillButtons();
    });
    connect(m_ui->combo1106, qOverload<int>(&QComboBox::currentIndexChanged), this, &CSearchDlg::updateSkillButtons);
    connect(m_ui->button1067, &QPushButton::clicked, this, &CSearchDlg::onAddSkill);
    connect(m_ui->list1063->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSearchDlg::onWantedSelectionChanged);
    connect(m_ui->button1090, &QPushButton::clicked, this, &CSearchDlg::onAdjustSkill);
    connect(m_ui->button1068, &QPushButton::clicked, this, &CSearchDlg::onRemoveSkill);
    connect(m_ui->button1069, &QPushButton::clicked, this, &CSearchDlg::onRemoveAllSkills);
    connect(m_ui->edit1064, &QLineEdit::textChanged, this, &CSearchDlg::onPointsTextChanged);
    connect(m_ui->spin1065, &QScrollBar::valueChanged, this, [this](int value) {
        if (m_ui->edit1064->text().toInt() != value)
            m_ui->edit1064->setText(QString::number(value));
    });
    connect(m_ui->list1059, &CFixEquipListCtrl::checkToggled, this, &CSearchDlg::onFixEquipToggled);
    connect(m_ui->list1060, &CFixJewelListCtrl::checkToggled, this, &CSearchDlg::onFixJewelToggled);
    connect(m_ui->check1212, &QCheckBox::clicked, this, &CSearchDlg::onCheckAllFixed);
    connect(m_ui->check1099, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui->check1099, m_app.exclusions().total() == 0,
                        tr("除外アイテムが登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui->check1107, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui->check1107, m_app.excludedSkills().total() == 0,
                        tr("除外スキルが登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui->check1111, &QCheckBox::toggled, this, [this] {
        onSwitchClicked(m_ui->check1111, m_app.sParts().total() == 0,
                        tr("Ｓ防具が登録されていません\n編集ボタンを押して登録してください"));
    });
    connect(m_ui->button1070, &QPushButton::clicked, this, &CSearchDlg::onSearch);
    connect(m_ui->button1240, &QPushButton::clicked, this, &CSearchDlg::onAddableSearch);
    setUpExplainButton();

    connect(m_ui->list1061->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSearchDlg::onResultSelectionChanged);
    connect(m_ui->list1061, &CDataListCtrl::rowsSorted, this, &CSearchDlg::showFirstResult);
    connect(m_ui->combo1098, qOverload<int>(&QComboBox::currentIndexChanged), this, &CSearchDlg::updateResultButtons);
    connect(m_ui->button1095, &QPushButton::clicked, this, &CSearchDlg::onShowHistory);
    connect(m_ui->button1093, &QPushButton::clicked, this, &CSearchDlg::onSaveResults);
    connect(m_ui->button1058, &QPushButton::clicked, this, &CSearchDlg::onAddFavorite);
    connect(m_ui->button1057, &QPushButton::clicked, this, &CSearchDlg::onClip);
    connect(m_ui->button1110, &QPushButton::clicked, this, &CSearchDlg::onRestoreCondition);
    connect(m_ui->button1054, &QPushButton::clicked, this, &CSearchDlg::accept);

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
    m_anchoring.add(m_ui->group1158, {.stretchWide = true});
    m_anchoring.add(m_ui->group1159, {.stretchWide = true, .stretchTall = true});
    m_anchoring.add(m_ui->button1054, {.moveRight = true, .moveDown = true});
    for (QWidget* w : {static_cast<QWidget*>(m_ui->button1037), static_cast<QWidget*>(m_ui->button1044),
                       static_cast<QWidget*>(m_ui->label1156), static_cast<QWidget*>(m_ui->combo1098),
                       static_cast<QWidget*>(m_ui->button1095), static_cast<QWidget*>(m_ui->button1093)})
        m_anchoring.add(w, {.moveDown = true});
    for (QWidget* w : {m_ui->button1092, m_ui->button1057, m_ui->button1058})
        m_anchoring.add(w, {.moveRight = true, .moveDown = true});
    m_anchoring.add(m_ui->list1061, {.stretchTall = true});
    m_anchoring.add(m_ui->list1056, {.stretchWide = true, .stretchTall = true});
    m_anchoring.add(m_ui->list1055, {.stretchWide = true});
    // The comment field ends at the window's right edge at every width.
    m_anchoring.add(m_ui->edit1109, {.stretchWide = true});
    m_anchoring.add(m_ui->group1160, {.stretchWide = true, .widthBelowNarrowOnly = true});
    // Below the narrow width the two fixed lists share the shrink by their
    // widths (300 and 160), so the jewel list keeps a usable width.
    constexpr double kPieceListShare = 300.0 / 460.0;
    m_anchoring.add(m_ui->list1059,
                    {.stretchWide = true, .widthBelowNarrowOnly = true, .stretchShare = kPieceListShare});
    m_anchoring.add(m_ui->list1060, {.moveRight = true,
                                     .stretchWide = true,
                                     .widthBelowNarrowOnly = true,
                                     .moveShare = kPieceListShare,
                                     .stretchShare = 1.0 - kPieceListShare});
    m_anchoring.add(m_ui->button1088, {.moveRight = true, .widthBelowNarrowOnly = true});
    // Fixed here, but moved by shareHeightWithCondition(): each resize starts
    // again from the recorded place.
    for (QWidget* w : {static_cast<QWidget*>(m_ui->group1165), static_cast<QWidget*>(m_ui->list1063),
                       static_cast<QWidget*>(m_ui->label1066), static_cast<QWidget*>(m_ui->edit1064),
                       static_cast<QWidget*>(m_ui->spin1065), static_cast<QWidget*>(m_ui->button1090),
                       static_cast<QWidget*>(m_ui->button1068), static_cast<QWidget*>(m_ui->button1069),
                       static_cast<QWidget*>(m_ui->label1113), static_cast<QWidget*>(m_ui->button1110),
                       static_cast<QWidget*>(m_ui->titleCaption), static_cast<QWidget*>(m_ui->edit1108),
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
    for (QWidget* w : {static_cast<QWidget*>(m_ui->group1158), static_cast<QWidget*>(m_ui->group1165),
                       static_cast<QWidget*>(m_ui->group1160), static_cast<QWidget*>(m_ui->list1063)})
        taller(w);
    for (QWidget* w : {static_cast<QWidget*>(m_ui->label1066), static_cast<QWidget*>(m_ui->edit1064),
                       static_cast<QWidget*>(m_ui->spin1065), static_cast<QWidget*>(m_ui->button1090),
                       static_cast<QWidget*>(m_ui->button1068), static_cast<QWidget*>(m_ui->button1069),
                       static_cast<QWidget*>(m_ui->label1113), static_cast<QWidget*>(m_ui->button1110),
                       static_cast<QWidget*>(m_ui->titleCaption), static_cast<QWidget*>(m_ui->edit1108),
                       static_cast<QWidget*>(m_ui->commentCaption), static_cast<QWidget*>(m_ui->edit1109),
                       static_cast<QWidget*>(m_ui->list1055)})
        lower(w);
    for (QWidget* w : {static_cast<QWidget*>(m_ui->group1159), static_cast<QWidget*>(m_ui->list1061),
                       static_cast<QWidget*>(m_ui->list1056)})
        startLower(w);
}

void CSearchDlg::fitResultViews()
{
    // The set view and the skill totals share the height beside the result
    // list: the set view takes its seven rows (and the scroll bar to reach
    // "装飾品") while the totals keep a few rows; the totals take the rest.
    QWidget* setView = m_ui->list1055;
    QWidget* totals = m_ui->list1056;
    const int top = setView->y();
    const int bottom = m_ui->list1061->geometry().bottom();
    const int available = bottom - top + 1 - kResultViewGap;
    const int totalsMinimum = m_ui->list1056->heightForRows(kTotalsRowsAtLeast);
    const int setHeight = std::max(0, std::min(m_ui->list1055->heightForRows(kSetViewRows), available - totalsMinimum));
    setView->setGeometry(setView->x(), top, setView->width(), setHeight);
    totals->setGeometry(totals->x(), top + setHeight + kResultViewGap, totals->width(),
                        std::max(0, available - setHeight));
}

int CSearchDlg::openingHeightGrowth() const
{
    // What the results area lacks for the whole set and kTotalsRowsAtOpening rows of totals.
    const int available = m_ui->list1061->geometry().bottom() - m_ui->list1055->y() + 1 - kResultViewGap;
    const int wanted =
        m_ui->list1055->heightForRows(kSetViewRows) + m_ui->list1056->heightForRows(kTotalsRowsAtOpening);
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
