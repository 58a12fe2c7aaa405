#include "ui/main/MainWindowSession.h"

#include "ui/app/CSimulatorApp.h"
#include "ui/main/CSearchDlg.h"
#include "ui/main/ConditionForm.h"
#include "ui/main/LanguageMenu.h"
#include "ui/main/ResultFiles.h"
#include "ui/platform/MessageBoxService.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <algorithm>

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

QRect MainWindowSession::frameOnScreen(const QRect& frame, const QSize& minimum)
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

MainWindowSession::MainWindowSession(CSimulatorApp& app, QDialog& window, ConditionForm& form, LanguageMenu& language,
                                     ResultFiles& files)
    : m_app(app), m_window(window), m_form(form), m_language(language), m_files(files)
{
}

void MainWindowSession::restore()
{
    m_keepSession = true;
    // The language choice of the last session, as start-up read it.
    m_language.setCode(loadSessionLanguage(m_app.userFolder()));
    const std::optional<RestoredSession> session = loadSession(m_app.userFolder(), m_app.master());
    if (!session)
        return;
    const SessionState& state = session->state;
    constexpr int kMinWidth = CSearchDlg::kMinWidth;
    constexpr int kMinHeight = CSearchDlg::kMinHeight;
    const QRect frame =
        frameOnScreen(QRect(state.x, state.y, std::max(state.width, kMinWidth), std::max(state.height, kMinHeight)),
                      QSize(kMinWidth, kMinHeight));
    m_window.resize(frame.size());
    m_window.move(frame.topLeft());
    if (state.maximized)
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);

    const SearchCondition& condition = state.condition;
    m_form.showBasicCondition(condition);
    // A switch comes back on only while its list has entries, without the empty-list message.
    m_form.showSwitches(condition.useExcludedItems && m_app.exclusions().total() > 0,
                        condition.useExcludedSkills && m_app.excludedSkills().total() > 0,
                        condition.requireSParts && m_app.sParts().total() > 0);
    m_form.fixed().replace(condition.fixed);
    m_form.wanted().replace(condition.wanted, condition.wanted.empty() ? -1 : 0);

    if (session->droppedItems > 0) {
        const QString text =
            CSearchDlg::tr("前回の検索条件のうち、データにない装備・装飾品・スキル %1 件を外しました。")
                .arg(session->droppedItems);
        // Told once the window is on screen.
        QWidget* window = &m_window;
        QTimer::singleShot(0, window, [window, text] { showMessage(window, text, MessageIcon::Information); });
    }
}

SessionState MainWindowSession::state() const
{
    SessionState state;
    // A maximised window keeps the frame it comes back to.
    const QRect frame =
        m_window.isMaximized() || m_window.isMinimized() ? m_window.normalGeometry() : m_window.geometry();
    const QRect usable = frame.isValid() ? frame : m_window.geometry();
    // The place is that of the frame, title bar included, as move() takes it
    // back: the inner place would creep down and right by the decoration at
    // each start under a window manager. The size stays the inner size, as
    // resize() takes it.
    const QPoint decoration = m_window.geometry().topLeft() - m_window.frameGeometry().topLeft();
    state.x = usable.x() - decoration.x();
    state.y = usable.y() - decoration.y();
    state.width = usable.width();
    state.height = usable.height();
    state.maximized = m_window.isMaximized() || (m_window.windowState() & Qt::WindowMaximized);
    state.condition = m_form.conditionFromControls();
    state.language = m_language.code();
    return state;
}

void MainWindowSession::noteShown()
{
    if (m_keepSession && !m_openingSession)
        m_openingSession = state();
}

void MainWindowSession::saveOnClose(std::function<void()> closed)
{
    // Nothing changed since the window opened: nothing is written.
    const std::optional<SessionState> now = m_keepSession ? std::optional<SessionState>(state()) : std::nullopt;
    if (!now || (m_openingSession && sameSession(*now, *m_openingSession))) {
        closed();
        return;
    }
    // A failed write was reported; the window closes all the same.
    m_files.runInBackground(
        CSearchDlg::tr("保存中です。"),
        [folder = m_app.userFolder(), state = *now] { return saveSession(folder, state); },
        [closed = std::move(closed)](bool) { closed(); });
}

void MainWindowSession::keepLanguageChoice()
{
    const SessionState now = state();
    m_files.runInBackground(
        CSearchDlg::tr("保存中です。"), [folder = m_app.userFolder(), now] { return saveSession(folder, now); },
        [this, now](bool succeeded) {
            // A failed write was reported; closing the window tries again.
            if (!succeeded)
                return;
            // The file holds this state now: closing writes only what changes after it.
            m_openingSession = now;
            showMessage(&m_window, CSearchDlg::tr("表示言語の変更は次回の起動時に反映されます。"),
                        MessageIcon::Information);
        });
}

} // namespace zeku
