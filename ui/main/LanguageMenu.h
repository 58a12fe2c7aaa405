#pragma once
// The main window's "言語" in its context menu, which Shift+F10 opens too:
// the language the windows speak from the next start on. The windows open
// now keep their language (the translator is installed once, before the
// first window); the choice is kept with the session at once by the owner.

#include <QObject>

#include <functional>
#include <string>

class QActionGroup;
class QWidget;

namespace zeku {

class LanguageMenu final : public QObject {
public:
    // `chosen` runs after the user chose another language than the one in force.
    LanguageMenu(QWidget& window, std::function<void()> chosen);
    // Adds the menu to the window's context menu, and Shift+F10 to open it.
    void addToWindow();
    // The language chosen for the next start: a session file code, empty for the system's.
    const std::string& code() const { return m_code; }
    void setCode(const std::string& code);

private:
    void showChoice();
    void choose(const std::string& code);

    QWidget& m_window;
    std::function<void()> m_chosen;
    std::string m_code;
    QActionGroup* m_choices = nullptr;
};

} // namespace zeku
