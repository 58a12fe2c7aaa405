#include "ui/main/MainWindowFrame.h"

#include "ui/app/UiLanguage.h"
#include "ui/main/CSearchDlg.h"

#include "ui_CSearchDlg.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSizeGrip>

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace zeku {

namespace {

constexpr int kMinHeight = CSearchDlg::kMinHeight;
constexpr int kResultViewGap = 4;
// The condition area takes this part (1/n) of the height gained above the opening height.
constexpr int kConditionGrowthDivisor = 3;
// Room left for the window frame and title bar on the screen.
constexpr int kFrameAllowance = 40;
constexpr int kSetViewRows = CSearchDlg::kSetViewRows;
constexpr int kTotalsRowsAtOpening = CSearchDlg::kTotalsRowsAtOpening;
constexpr int kTotalsRowsAtLeast = CSearchDlg::kTotalsRowsAtLeast;

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

MainWindowFrame::MainWindowFrame(QDialog& window, Ui::CSearchDlg& ui) : m_window(window), m_ui(ui)
{
}

void MainWindowFrame::createSizeGrip()
{
    m_sizeGrip = new QSizeGrip(&m_window);
    m_sizeGrip->setProperty("controlId", 1177);
}

void MainWindowFrame::nameSizeGrip()
{
    m_sizeGrip->setAccessibleName(CSearchDlg::tr("サイズ変更"));
}

void MainWindowFrame::fitTranslatedCaptions()
{
    // The Japanese window keeps its designed places; a translation may need
    // a few pixels more beside a caption, taken from the gap after the row.
    if (currentLanguage() == UiLanguage::Japanese)
        return;
    widenForCaptions({m_ui.jobBladeRadio}, {m_ui.jobGunnerRadio}, true);
    widenForCaptions({m_ui.excludedItemsCheck, m_ui.excludedSkillsCheck, m_ui.requireSPartsCheck},
                     {m_ui.excludedItemsEditButton, m_ui.excludedSkillsEditButton, m_ui.sPartsEditButton}, false);
    widenForCaptions({m_ui.commentCaption}, {m_ui.commentEdit}, true);
    // The fixed list's part column holds a check box and a word instead of one character.
    QHeaderView* header = m_ui.fixedEquipList->horizontalHeader();
    int partWidth = std::max(header->sectionSize(0), header->sectionSizeHint(0));
    for (int row = 0; row < m_ui.fixedEquipList->model()->rowCount(); ++row)
        partWidth = std::max(
            partWidth, m_ui.fixedEquipList->sizeHintForIndex(m_ui.fixedEquipList->model()->index(row, 0)).width());
    header->resizeSection(0, partWidth);
}

void MainWindowFrame::growToOpeningSize()
{
    int height = m_window.height() + openingHeightGrowth();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        height = std::min(height, std::max(kMinHeight, screen->availableGeometry().height() - kFrameAllowance));
    if (height > m_window.height()) {
        m_openingHeight = height;
        m_window.resize(m_window.width(), height);
    }
}

void MainWindowFrame::recordLayout()
{
    m_anchoring = WindowAnchoring();
    m_anchoring.recordWindow(&m_window);
    m_anchoring.add(m_ui.conditionGroup, {.stretchWide = true});
    m_anchoring.add(m_ui.resultGroup, {.stretchWide = true, .stretchTall = true});
    m_anchoring.add(m_ui.closeButton, {.moveRight = true, .moveDown = true});
    for (QWidget* w : {static_cast<QWidget*>(m_ui.chooseYourselfButton), static_cast<QWidget*>(m_ui.organiseButton),
                       static_cast<QWidget*>(m_ui.historyLabel), static_cast<QWidget*>(m_ui.historyCombo),
                       static_cast<QWidget*>(m_ui.showHistoryButton), static_cast<QWidget*>(m_ui.saveResultsButton)})
        m_anchoring.add(w, {.moveDown = true});
    for (QWidget* w : {m_ui.editResultButton, m_ui.clipButton, m_ui.addFavoriteButton})
        m_anchoring.add(w, {.moveRight = true, .moveDown = true});
    m_anchoring.add(m_ui.resultList, {.stretchTall = true});
    m_anchoring.add(m_ui.skillTotalsList, {.stretchWide = true, .stretchTall = true});
    m_anchoring.add(m_ui.setView, {.stretchWide = true});
    // The comment field ends at the window's right edge at every width.
    m_anchoring.add(m_ui.commentEdit, {.stretchWide = true});
    m_anchoring.add(m_ui.fixedGroup, {.stretchWide = true, .widthBelowNarrowOnly = true});
    // Below the narrow width the two fixed lists share the shrink by their
    // widths (300 and 160), so the jewel list keeps a usable width.
    constexpr double kPieceListShare = 300.0 / 460.0;
    m_anchoring.add(m_ui.fixedEquipList,
                    {.stretchWide = true, .widthBelowNarrowOnly = true, .stretchShare = kPieceListShare});
    m_anchoring.add(m_ui.fixedJewelList, {.moveRight = true,
                                          .stretchWide = true,
                                          .widthBelowNarrowOnly = true,
                                          .moveShare = kPieceListShare,
                                          .stretchShare = 1.0 - kPieceListShare});
    m_anchoring.add(m_ui.editFixedButton, {.moveRight = true, .widthBelowNarrowOnly = true});
    // Fixed here, but moved by shareHeightWithCondition(): each resize starts
    // again from the recorded place.
    for (QWidget* w : {static_cast<QWidget*>(m_ui.skillGroup), static_cast<QWidget*>(m_ui.wantedSkillList),
                       static_cast<QWidget*>(m_ui.wantedTreeLabel), static_cast<QWidget*>(m_ui.skillPointsEdit),
                       static_cast<QWidget*>(m_ui.skillPointsScroll), static_cast<QWidget*>(m_ui.adjustSkillButton),
                       static_cast<QWidget*>(m_ui.removeSkillButton), static_cast<QWidget*>(m_ui.removeAllSkillsButton),
                       static_cast<QWidget*>(m_ui.resultCountLabel), static_cast<QWidget*>(m_ui.restoreConditionButton),
                       static_cast<QWidget*>(m_ui.titleCaption), static_cast<QWidget*>(m_ui.titleEdit),
                       static_cast<QWidget*>(m_ui.commentCaption)})
        m_anchoring.add(w, {});
    m_layoutRecorded = true;
    m_openingHeight = m_window.height();
    fitResultViews();
    placeSizeGrip();
}

void MainWindowFrame::shareHeightWithCondition(const QSize& size)
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
    for (QWidget* w : {static_cast<QWidget*>(m_ui.conditionGroup), static_cast<QWidget*>(m_ui.skillGroup),
                       static_cast<QWidget*>(m_ui.fixedGroup), static_cast<QWidget*>(m_ui.wantedSkillList)})
        taller(w);
    for (QWidget* w : {static_cast<QWidget*>(m_ui.wantedTreeLabel), static_cast<QWidget*>(m_ui.skillPointsEdit),
                       static_cast<QWidget*>(m_ui.skillPointsScroll), static_cast<QWidget*>(m_ui.adjustSkillButton),
                       static_cast<QWidget*>(m_ui.removeSkillButton), static_cast<QWidget*>(m_ui.removeAllSkillsButton),
                       static_cast<QWidget*>(m_ui.resultCountLabel), static_cast<QWidget*>(m_ui.restoreConditionButton),
                       static_cast<QWidget*>(m_ui.titleCaption), static_cast<QWidget*>(m_ui.titleEdit),
                       static_cast<QWidget*>(m_ui.commentCaption), static_cast<QWidget*>(m_ui.commentEdit),
                       static_cast<QWidget*>(m_ui.setView)})
        lower(w);
    for (QWidget* w : {static_cast<QWidget*>(m_ui.resultGroup), static_cast<QWidget*>(m_ui.resultList),
                       static_cast<QWidget*>(m_ui.skillTotalsList)})
        startLower(w);
}

void MainWindowFrame::fitResultViews()
{
    // The set view and the skill totals share the height beside the result
    // list: the set view takes its seven rows (and the scroll bar to reach
    // "装飾品") while the totals keep a few rows; the totals take the rest.
    QWidget* setView = m_ui.setView;
    QWidget* totals = m_ui.skillTotalsList;
    const int top = setView->y();
    const int bottom = m_ui.resultList->geometry().bottom();
    const int available = bottom - top + 1 - kResultViewGap;
    const int totalsMinimum = m_ui.skillTotalsList->heightForRows(kTotalsRowsAtLeast);
    const int setHeight = std::max(0, std::min(m_ui.setView->heightForRows(kSetViewRows), available - totalsMinimum));
    setView->setGeometry(setView->x(), top, setView->width(), setHeight);
    totals->setGeometry(totals->x(), top + setHeight + kResultViewGap, totals->width(),
                        std::max(0, available - setHeight));
}

int MainWindowFrame::openingHeightGrowth() const
{
    // What the results area lacks for the whole set and kTotalsRowsAtOpening rows of totals.
    const int available = m_ui.resultList->geometry().bottom() - m_ui.setView->y() + 1 - kResultViewGap;
    const int wanted =
        m_ui.setView->heightForRows(kSetViewRows) + m_ui.skillTotalsList->heightForRows(kTotalsRowsAtOpening);
    return std::max(0, wanted - available);
}

void MainWindowFrame::placeSizeGrip()
{
    const QSize grip = m_sizeGrip->sizeHint();
    m_sizeGrip->setGeometry(m_window.width() - grip.width() - 2, m_window.height() - grip.height() - 2, grip.width(),
                            grip.height());
    m_sizeGrip->setVisible(!m_window.isMaximized());
}

void MainWindowFrame::resized(const QSize& size)
{
    if (!m_layoutRecorded)
        return;
    m_anchoring.apply(size);
    shareHeightWithCondition(size);
    fitResultViews();
    placeSizeGrip();
    m_window.update();
}

void MainWindowFrame::minimiseForWork()
{
    // Read before minimising: once minimised, the state the window manager
    // reports back can lag, and may no longer say maximised.
    if (!m_window.isMinimized())
        m_backMaximised = m_window.isMaximized();
    m_window.showMinimized();
}

void MainWindowFrame::restoreWindow()
{
    m_window.setEnabled(true);
    // Only the minimised state goes: a window maximised before comes back maximised.
    if (std::exchange(m_backMaximised, false))
        m_window.setWindowState((m_window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    else if (m_window.isMinimized())
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowMinimized);
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

} // namespace zeku
