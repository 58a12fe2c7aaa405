// The main window's session: its frame and condition are kept in the user
// folder when it closes and come back when the next one opens.

#include "ui/app/CSimulatorApp.h"
#include "ui/lists/RarityCombo.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/SessionFile.h"

#include "ui_CSearchDlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <QTimer>

namespace zeku {

namespace {

// How much of a frame's top must lie on a screen for the title bar to be grabbed.
constexpr int kGrabbableWidth = 120;
constexpr int kGrabbableHeight = 40;

// A frame larger than `area` shrinks to it (not below `minimum`) and moves
// just as far as it must to lie on it; a frame that fits stays as it is.
QRect fitLargeFrame(const QRect& frame, const QRect& area, const QSize& minimum)
{
    if (frame.width() <= area.width() && frame.height() <= area.height())
        return frame;
    const QSize size(std::max(minimum.width(), std::min(frame.width(), area.width())),
                     std::max(minimum.height(), std::min(frame.height(), area.height())));
    QRect placed(frame.topLeft(), size);
    placed.moveLeft(std::max(area.left(), std::min(placed.left(), area.right() + 1 - size.width())));
    placed.moveTop(std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - size.height())));
    return placed;
}

} // namespace

QRect CSearchDlg::frameOnScreen(const QRect& frame, const QSize& minimum)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QRect top(frame.topLeft(), QSize(frame.width(), kGrabbableHeight));
    for (QScreen* screen : screens) {
        const QRect shared = screen->availableGeometry().intersected(top);
        if (shared.width() >= std::min(kGrabbableWidth, frame.width()) && shared.height() >= kGrabbableHeight)
            return fitLargeFrame(frame, screen->availableGeometry(), minimum);
    }
    // Off every screen (one was removed, or the layout changed): the primary
    // screen takes the window, centred and no larger than it.
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary)
        return frame;
    const QRect area = primary->availableGeometry();
    const QSize size(std::max(minimum.width(), std::min(frame.width(), area.width())),
                     std::max(minimum.height(), std::min(frame.height(), area.height())));
    QRect placed(QPoint(0, 0), size);
    placed.moveCenter(area.center());
    placed.moveTopLeft(QPoint(std::max(area.left(), placed.left()), std::max(area.top(), placed.top())));
    return placed;
}

void CSearchDlg::restoreSession()
{
    m_keepSession = true;
    // The language choice of the last session, as start-up read it.
    m_language = loadSessionLanguage(m_app.userFolder());
    showLanguageChoice();
    const std::optional<RestoredSession> session = loadSession(m_app.userFolder(), m_app.master());
    if (!session)
        return;
    const SessionState& state = session->state;
    const QRect frame =
        frameOnScreen(QRect(state.x, state.y, std::max(state.width, kMinWidth), std::max(state.height, kMinHeight)),
                      QSize(kMinWidth, kMinHeight));
    resize(frame.size());
    move(frame.topLeft());
    if (state.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);

    const SearchCondition& condition = state.condition;
    showBasicCondition(condition);
    {
        // A switch comes back on only while its list has entries, without the empty-list message.
        const QSignalBlocker blockItems(m_ui->excludedItemsCheck);
        const QSignalBlocker blockSParts(m_ui->requireSPartsCheck);
        const QSignalBlocker blockSkills(m_ui->excludedSkillsCheck);
        m_ui->excludedItemsCheck->setChecked(condition.useExcludedItems && m_app.exclusions().total() > 0);
        m_ui->excludedSkillsCheck->setChecked(condition.useExcludedSkills && m_app.excludedSkills().total() > 0);
        m_ui->requireSPartsCheck->setChecked(condition.requireSParts && m_app.sParts().total() > 0);
    }
    replaceFixedSet(condition.fixed);
    replaceWantedSkills(condition.wanted, condition.wanted.empty() ? -1 : 0);

    if (session->droppedItems > 0) {
        const QString text =
            tr("前回の検索条件のうち、データにない装備・装飾品・スキル %1 件を外しました。").arg(session->droppedItems);
        // Told once the window is on screen.
        QTimer::singleShot(0, this, [this, text] { showMessage(this, text, MessageIcon::Information); });
    }
}

SessionState CSearchDlg::sessionState() const
{
    SessionState state;
    // A maximised window keeps the frame it comes back to.
    const QRect frame = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    const QRect usable = frame.isValid() ? frame : geometry();
    // The place is that of the frame, title bar included, as move() takes it
    // back: the inner place would creep down and right by the decoration at
    // each start under a window manager. The size stays the inner size, as
    // resize() takes it.
    const QPoint decoration = geometry().topLeft() - frameGeometry().topLeft();
    state.x = usable.x() - decoration.x();
    state.y = usable.y() - decoration.y();
    state.width = usable.width();
    state.height = usable.height();
    state.maximized = isMaximized() || (windowState() & Qt::WindowMaximized);
    state.condition = conditionFromControls();
    state.language = m_language;
    return state;
}

void CSearchDlg::saveSessionOnClose()
{
    // Nothing changed since the window opened: nothing is written.
    if (!m_keepSession)
        return;
    const SessionState state = sessionState();
    if (m_openingSession && sameSession(state, *m_openingSession))
        return;
    saveSession(m_app.userFolder(), state);
}

} // namespace zeku
