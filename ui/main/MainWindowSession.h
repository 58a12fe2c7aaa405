#pragma once
// The main window's session: its frame, its condition and the language
// choice are kept in the user folder (when the window closes, and the
// language at once when chosen) and come back when the next window opens.
// The writes run off the UI thread through the window's file work.

#include "userfiles/SessionFile.h"

#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

class QDialog;

namespace zeku {

class CSimulatorApp;
class ConditionForm;
class LanguageMenu;
class ResultFiles;

class MainWindowSession final {
public:
    MainWindowSession(CSimulatorApp& app, QDialog& window, ConditionForm& form, LanguageMenu& language,
                      ResultFiles& files);
    // Brings back the frame and condition the last window left in the user
    // folder (a missing, foreign or damaged file changes nothing) and keeps
    // them there again when the window closes.
    void restore();
    // The frame, condition and language choice the window would keep now.
    SessionState state() const;
    // A frame at least partly off every screen, moved onto the primary one.
    static QRect frameOnScreen(const QRect& frame, const QSize& minimum);
    // The window is on screen: the state it opened with is what a close compares with.
    void noteShown();
    // Keeps the session when it changed since the window opened, then runs `closed`.
    void saveOnClose(std::function<void()> closed);
    // Keeps the language just chosen, and says when it takes effect.
    void keepLanguageChoice();

private:
    CSimulatorApp& m_app;
    QDialog& m_window;
    ConditionForm& m_form;
    LanguageMenu& m_language;
    ResultFiles& m_files;
    bool m_keepSession = false;
    // The session as the window first appeared (placed and restored), or as last written.
    std::optional<SessionState> m_openingSession;
};

} // namespace zeku
