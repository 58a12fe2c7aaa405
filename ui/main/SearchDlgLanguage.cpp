// The main window's "言語" in its context menu, which Shift+F10 opens too:
// the language the windows speak from the next start on. The choice is kept with the session at once,
// so it holds however the program ends; the windows open now keep their
// language (the translator is installed once, before the first window).

#include "ui/app/CSimulatorApp.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/SessionFile.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QShortcut>

namespace zeku {

void CSearchDlg::addLanguageMenu()
{
    auto* menu = new QMenu(tr("言語"), this);
    m_languageChoices = new QActionGroup(this); // exclusive: one radio entry checked
    const auto addChoice = [&](const QString& text, const std::string& code) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setData(QString::fromStdString(code));
        m_languageChoices->addAction(action);
    };
    addChoice(tr("システムに合わせる"), std::string());
    // Each language under its own name, so that a reader of either finds it
    // whatever the windows speak now.
    addChoice(QLocale(QLocale::Japanese).nativeLanguageName(), kSessionLanguageJapanese);
    addChoice(QStringLiteral("English"), kSessionLanguageEnglish);
    connect(m_languageChoices, &QActionGroup::triggered, this,
            [this](QAction* action) { chooseLanguage(action->data().toString().toStdString()); });
    addAction(menu->menuAction());
    showLanguageChoice();
    // Shift+F10 opens the menu of the focused control as the menu key does,
    // and so this window's menu (and "言語") from the keyboard wherever a
    // control has none of its own.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QWidget* target = focusWidget() ? focusWidget() : this;
        QPoint at = target->rect().center();
        // In a list, at its current row, where the mouse's menu would open.
        if (auto* view = qobject_cast<QAbstractItemView*>(target); view && view->currentIndex().isValid())
            at = view->viewport()->mapTo(view, view->visualRect(view->currentIndex()).center());
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QCoreApplication::sendEvent(target, &event);
    });
}

void CSearchDlg::showLanguageChoice()
{
    if (!m_languageChoices)
        return;
    for (QAction* action : m_languageChoices->actions())
        action->setChecked(action->data().toString().toStdString() == m_language);
}

void CSearchDlg::chooseLanguage(const std::string& code)
{
    if (code == m_language)
        return;
    m_language = code;
    showLanguageChoice();
    const SessionState state = sessionState();
    // A failed write was reported; closing the window tries again.
    if (!saveSession(m_app.userFolder(), state))
        return;
    // The file holds this state now: closing writes only what changes after it.
    m_openingSession = state;
    showMessage(this, tr("表示言語の変更は次回の起動時に反映されます。"), MessageIcon::Information);
}

} // namespace zeku
