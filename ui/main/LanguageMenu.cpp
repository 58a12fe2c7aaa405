#include "ui/main/LanguageMenu.h"

#include "ui/main/CSearchDlg.h"
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

LanguageMenu::LanguageMenu(QWidget& window, std::function<void()> chosen)
    : m_window(window), m_chosen(std::move(chosen))
{
}

void LanguageMenu::addToWindow()
{
    auto* menu = new QMenu(CSearchDlg::tr("言語"), &m_window);
    m_choices = new QActionGroup(&m_window); // exclusive: one radio entry checked
    const auto addChoice = [&](const QString& text, const std::string& code) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setData(QString::fromStdString(code));
        m_choices->addAction(action);
    };
    addChoice(CSearchDlg::tr("システムに合わせる"), std::string());
    // Each language under its own name, so that a reader of either finds it
    // whatever the windows speak now.
    addChoice(QLocale(QLocale::Japanese).nativeLanguageName(), kSessionLanguageJapanese);
    addChoice(QStringLiteral("English"), kSessionLanguageEnglish);
    connect(m_choices, &QActionGroup::triggered, this,
            [this](QAction* action) { choose(action->data().toString().toStdString()); });
    m_window.addAction(menu->menuAction());
    showChoice();
    // Shift+F10 opens the menu of the focused control as the menu key does,
    // and so the window's menu (and "言語") from the keyboard wherever a
    // control has none of its own.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &m_window);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QWidget* target = m_window.focusWidget() ? m_window.focusWidget() : &m_window;
        QPoint at = target->rect().center();
        // In a list, at its current row, where the mouse's menu would open.
        if (auto* view = qobject_cast<QAbstractItemView*>(target); view && view->currentIndex().isValid())
            at = view->viewport()->mapTo(view, view->visualRect(view->currentIndex()).center());
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QCoreApplication::sendEvent(target, &event);
    });
}

void LanguageMenu::setCode(const std::string& code)
{
    m_code = code;
    showChoice();
}

void LanguageMenu::showChoice()
{
    if (!m_choices)
        return;
    for (QAction* action : m_choices->actions())
        action->setChecked(action->data().toString().toStdString() == m_code);
}

void LanguageMenu::choose(const std::string& code)
{
    if (code == m_code)
        return;
    setCode(code);
    m_chosen();
}

} // namespace zeku
