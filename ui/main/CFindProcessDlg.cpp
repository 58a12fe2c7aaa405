#include "ui/main/CFindProcessDlg.h"

#include "ui/platform/WindowConditionText.h"
#include "report/FormatCount.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"

#include "ui_CFindProcessDlg.h"

#include <chrono>

namespace zeku {

namespace {

// The text field's share of the window height, hidden with "条件表示" off.
constexpr int kConditionHeight = 300;

uint64_t steadyTick()
{
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count()) + 1;
}

QString grouped(uint64_t value)
{
    return QString::fromStdString(formatCount(value));
}

} // namespace

CFindProcessDlg::CFindProcessDlg(QWidget* mainWindow, const SearchCondition& condition, const SkillCatalogue& skills)
    : QDialog(nullptr), m_ui(std::make_unique<Ui::CFindProcessDlg>()), m_mainWindow(mainWindow), m_condition(condition),
      m_skills(skills), m_tick(steadyTick)
{
    // A window of its own rather than a child widget: the main window is
    // disabled while the search runs, and a child would be disabled with it.
    m_ui->setupUi(this);
    setModal(false);
    // Title, minimise and close: a progress display has nothing to maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &CFindProcessDlg::updateRemainingTime);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CFindProcessDlg::onCancelButton);
    connect(m_ui->showConditionCheck, &QCheckBox::clicked, this, &CFindProcessDlg::applyShowCondition);
    connect(m_ui->topMostCheck, &QCheckBox::clicked, this, &CFindProcessDlg::applyTopMost);
    m_ui->cancelButton->setAccessibleName(m_ui->cancelButton->text());
    m_ui->showConditionCheck->setAccessibleName(m_ui->showConditionCheck->text());
    m_ui->topMostCheck->setAccessibleName(m_ui->topMostCheck->text());
    m_ui->conditionText->setAccessibleName(tr("検索条件"));
    m_ui->progressBar->setAccessibleName(tr("進捗"));
}

CFindProcessDlg::~CFindProcessDlg() = default;

void CFindProcessDlg::startSearch(uint64_t total, uint64_t rawTotal)
{
    // The bar's range must fit an int: scale the raw count down to 1000 or less.
    m_barScale = 1;
    for (uint64_t x = rawTotal; x > 1000; x /= 10)
        m_barScale *= 10;
    m_ui->progressBar->setRange(0, static_cast<int>(rawTotal / m_barScale));
    m_total = total;
    m_rawTotal = rawTotal;
    showProgress(0, 0);

    m_ui->conditionText->setPlainText(windowConditionText(m_condition, m_skills));

    if (m_mainWindow) {
        const QRect owner = m_mainWindow->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    m_fullRect = geometry();
    applyShowCondition();
    show();
    raise();
    activateWindow();
}

void CFindProcessDlg::showProgress(uint64_t done, uint64_t rawDone)
{
    m_ui->progressBar->setValue(static_cast<int>(rawDone / m_barScale));
    m_ui->countsLine->setText(QStringLiteral("%1 / %2").arg(grouped(rawDone), grouped(m_rawTotal)));
    // A 128-bit product: raw counts above 1.8e17 would wrap in 64 bits.
    const uint64_t percent =
        m_rawTotal == 0 ? 0 : static_cast<uint64_t>(static_cast<unsigned __int128>(rawDone) * 100 / m_rawTotal);
    if (rawDone < m_rawTotal) {
        setWindowTitle(tr("%1% 検索中").arg(percent));
        if (m_startTick == 0) {
            m_startTick = m_tick();
            m_timer.start();
        }
    } else {
        setWindowTitle(tr("検索完了"));
        m_ui->countsLine->setText(tr("検索完了しました"));
        m_ui->cancelButton->setText(tr("ＯＫ"));
        m_ui->cancelButton->setAccessibleName(m_ui->cancelButton->text());
        // A stop confirmed just before the end disabled the button: "ＯＫ" must work.
        m_ui->cancelButton->setEnabled(true);
        m_ui->remainingLine->clear();
        m_timer.stop();
    }
    m_done = done;
}

void CFindProcessDlg::showHits(uint64_t count)
{
    m_ui->hitsLine->setText(tr("%1 件").arg(grouped(count)));
    m_hits = count;
}

void CFindProcessDlg::showCutOff(const QString& countsLine, const QString& remainingLine)
{
    m_ui->progressBar->setValue(m_ui->progressBar->maximum());
    setWindowTitle(tr("検索完了"));
    m_ui->countsLine->setText(countsLine);
    m_ui->remainingLine->setText(remainingLine);
    m_ui->cancelButton->setText(tr("ＯＫ"));
    m_ui->cancelButton->setAccessibleName(m_ui->cancelButton->text());
    m_ui->cancelButton->setEnabled(true);
    m_timer.stop();
    m_done = m_total;
}

void CFindProcessDlg::showLimitReached()
{
    // The trailing ideographic spaces keep the centred Japanese lines' look.
    showCutOff(tr("最大表示件数に達しましたので"), tr("検索を打ち切りました　　　　"));
}

void CFindProcessDlg::showOutOfMemory()
{
    showCutOff(tr("メモリ不足になりましたので"), tr("検索を打ち切りました　　　"));
}

void CFindProcessDlg::updateRemainingTime()
{
    const uint64_t elapsed = (m_tick() - m_startTick) / 1000;
    if (elapsed == 0)
        return;
    const uint64_t rate = m_done / elapsed;
    if (rate == 0)
        return;
    const uint64_t remaining = m_total > m_done ? (m_total - m_done) / rate : 0;
    m_ui->remainingLine->setText(remainingTimeText(remaining));
}

QString CFindProcessDlg::remainingTimeText(uint64_t remainingSeconds)
{
    const uint64_t hours = remainingSeconds / 3600;
    const uint64_t minutes = remainingSeconds % 3600 / 60;
    const uint64_t seconds = remainingSeconds % 60;
    const auto two = [](uint64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    if (hours != 0)
        return tr("推定残り時間: %1時間%2分%3秒").arg(hours).arg(two(minutes), two(seconds));
    if (minutes != 0)
        return tr("推定残り時間: %1分%2秒").arg(minutes).arg(two(seconds));
    return tr("推定残り時間: %1秒").arg(seconds);
}

void CFindProcessDlg::reject()
{
    onCancelButton();
}

void CFindProcessDlg::onCancelButton()
{
    if (m_done < m_total) {
        const MessageAnswer answer =
            showMessage(this, tr("検索を終了してよろしいですか？"), MessageIcon::Question, MessageButtons::YesNo);
        // The search may have ended while the question was open.
        if (answer == MessageAnswer::Yes && m_done < m_total) {
            m_ui->cancelButton->setEnabled(false);
            Q_EMIT cancelRequested();
        }
        return;
    }
    m_timer.stop();
    QDialog::reject();
}

void CFindProcessDlg::applyShowCondition()
{
    if (!m_fullRect.isValid())
        return;
    const bool show = m_ui->showConditionCheck->isChecked();
    m_ui->conditionText->setVisible(show);
    const int height = show ? m_fullRect.height() : m_fullRect.height() - kConditionHeight;
    setFixedSize(width(), height);
}

void CFindProcessDlg::applyTopMost()
{
    const bool visible = isVisible();
    const QRect place = geometry();
    setWindowFlag(Qt::WindowStaysOnTopHint, m_ui->topMostCheck->isChecked());
    setGeometry(place);
    if (visible)
        show();
}

} // namespace zeku
