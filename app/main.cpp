// The program: start-up on the main thread, the main search window, shutdown.

#include "ui/app/CSimulatorApp.h"
#include "ui/app/UiLanguage.h"
#include "ui/app/WindowWalk.h"
#include "platform/AppIdentity.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/WindowSupport.h"
#include "ui/platform/GuiErrorReporter.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/SessionFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {

// What the smoke run under a window manager saw; every field must end true.
struct WindowManagerChecks {
    bool mainMaximised = false;
    bool mainMinimisedWhileEditing = false;
    bool editorShown = false;
    bool mainBackMaximised = false;
    bool maximisedAfterSearches = false;

    bool allPassed() const
    {
        return mainMaximised && mainMinimisedWhileEditing && editorShown && mainBackMaximised && maximisedAfterSearches;
    }
    void print() const
    {
        std::fprintf(stderr,
                     "smoke: main window maximised %d, minimised while the editor is open %d, "
                     "editor shown %d, main window back maximised %d, maximised after searches %d\n",
                     mainMaximised, mainMinimisedWhileEditing, editorShown, mainBackMaximised, maximisedAfterSearches);
    }
};

// Runs a few small searches as the user does, closing each progress window
// with its button; true when the window came back maximised every time.
bool searchesKeepMaximised(zeku::CSearchDlg& window, const zeku::SkillCatalogue& skills)
{
    constexpr int kSearches = 3;
    // The first skill of the catalogue with a positive threshold.
    std::optional<zeku::SkillPoint> wanted;
    for (const zeku::SkillTree& tree : skills.trees())
        for (const zeku::SkillActivation& skill : tree.activations)
            if (!wanted && skill.threshold > 0)
                wanted = zeku::SkillPoint{skill.treeId, skill.threshold};
    if (!wanted)
        return false;
    if (auto* count = zeku::controlById<QLineEdit>(&window, 1094))
        count->setText(QStringLiteral("50"));
    for (int i = 0; i < kSearches; ++i) {
        window.replaceWantedSkills({*wanted});
        auto* search = zeku::controlById<QAbstractButton>(&window, 1070);
        if (!search)
            return false;
        search->click();
        if (!zeku::processEventsUntil([&window] { return !window.searchRunning() && window.progressWindow(); }, 60000))
            return false;
        if (auto* ok = window.progressWindow()->findChild<QAbstractButton*>(QStringLiteral("cancelButton")))
            ok->click();
        if (!zeku::processEventsUntil(
                [&window] { return !window.isMinimized() && window.isMaximized() && window.isVisible(); }, 10000))
            return false;
    }
    return true;
}

// With ZEKU_SMOKE_SCREENSHOT set to a file path, the main window saves a PNG
// of itself once it is on screen, then opens the manual editor as the user
// does ("自分で選ぶ") and saves it beside the first one ("-manual.png"), closes
// both and ends, so that a smoke test can check that the real program starts
// and draws its windows. With ZEKU_SMOKE_WINDOW_MANAGER also set, a window
// manager runs: the main window starts maximised, must be minimised while the
// editor is shown and come back maximised; the whole screen is kept as well
// ("-screen.png") while the editor is open.
void scheduleSmokeScreenshot(zeku::CSearchDlg& window, const zeku::SkillCatalogue& skills)
{
    const QString path = qEnvironmentVariable("ZEKU_SMOKE_SCREENSHOT");
    if (path.isEmpty())
        return;
    const bool windowManager = !qEnvironmentVariableIsEmpty("ZEKU_SMOKE_WINDOW_MANAGER");
    if (windowManager)
        window.setWindowState(Qt::WindowMaximized);
    QTimer::singleShot(1500, &window, [&window, &skills, path, windowManager] {
        auto checks = std::make_shared<WindowManagerChecks>();
        if (windowManager)
            checks->mainMaximised = zeku::processEventsUntil([&window] { return window.isMaximized(); }, 10000);
        bool saved = window.grab().save(path, "PNG");
        QString base = path;
        if (base.endsWith(QStringLiteral(".png")))
            base.chop(4);
        bool editorSaved = false;
        QTimer::singleShot(1500, &window, [&window, base, &editorSaved, checks, windowManager] {
            if (auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                if (windowManager)
                    checks->mainMinimisedWhileEditing =
                        zeku::processEventsUntil([&window] { return window.isMinimized(); }, 10000);
                checks->editorShown =
                    editor->isVisible() && editor->windowHandle() && editor->windowHandle()->isExposed();
                editorSaved = editor->grab().save(base + QStringLiteral("-manual.png"), "PNG");
                QScreen* screen = QGuiApplication::primaryScreen();
                if (windowManager && screen)
                    screen->grabWindow(0).save(base + QStringLiteral("-screen.png"), "PNG");
                editor->reject();
            }
        });
        constexpr int kChooseYourselfButton = 1037;
        if (auto* choose = zeku::controlById<QAbstractButton>(&window, kChooseYourselfButton))
            choose->click(); // returns when the editor has closed
        bool passed = saved && editorSaved;
        if (windowManager) {
            checks->mainBackMaximised = zeku::processEventsUntil(
                [&window] { return !window.isMinimized() && window.isMaximized() && window.isVisible(); }, 10000);
            checks->maximisedAfterSearches = searchesKeepMaximised(window, skills);
            checks->print();
            passed = passed && checks->allPassed();
        }
        // The results are not stored: the close question is answered with OK.
        static zeku::ScriptedMessageBoxService answerOk;
        window.done(passed ? QDialog::Accepted : QDialog::Rejected);
    });
}

// Runs the main search window and returns when it has closed. Not through
// exec(): that makes the window application-modal, and Qt then blocks real
// mouse and keyboard input to every window that is not its child, such as the
// progress window, which is a window of its own so that it stays enabled while
// this one is disabled.
int runMainWindow(zeku::CSimulatorApp& app, zeku::GuiErrorReporter& errorReporter)
{
    zeku::CSearchDlg window(app);
    errorReporter.setDialogParent(&window);
    window.restoreSession();
    scheduleSmokeScreenshot(window, app.skills());
    const bool walking = zeku::scheduleWindowWalk(window, app);
    // The window's end, and only that, ends the event loop: a progress
    // window left last on screen does not.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &QDialog::finished, &window, [](int ended) { QCoreApplication::exit(ended); });
    window.show();
    const int result = QApplication::exec();
    errorReporter.setDialogParent(nullptr);
    // Start-up does not look at how the window ended, except the smoke run and the walk.
    if (walking || !qEnvironmentVariableIsEmpty("ZEKU_SMOKE_SCREENSHOT"))
        return result == QDialog::Accepted ? 0 : 1;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // --lang is read before Qt sees the arguments: a bad value ends at once.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const zeku::LanguageOption languageOption = zeku::parseLanguageOption(arguments);
    if (languageOption.badValue) {
        std::fprintf(stderr, "zeku: unknown language \"%s\" for --lang (use ja or en)\n",
                     languageOption.badValue->toLocal8Bit().constData());
        return 2;
    }

    QApplication qtApp(argc, argv);
    // dat/ and user/ of the working directory, or those of an installed program.
    const zeku::DataFolders folders = zeku::currentDataFolders();
    // --lang, else the language chosen in an earlier session, else English for
    // an English system and Japanese otherwise; installed before any window
    // (or start-up message) is made.
    const QString remembered = QString::fromStdString(zeku::loadSessionLanguage(zeku::UserFolder(folders.user)));
    const zeku::UiLanguage language = zeku::startupLanguage(languageOption, remembered, QLocale::system());
    if (!zeku::applyLanguage(language))
        std::fprintf(stderr, "zeku: the English translation could not be loaded; the windows stay Japanese\n");
    QApplication::setApplicationName(QString::fromLatin1(zeku::kAppTitle));
    QApplication::setWindowIcon(zeku::applicationIcon());
    // Ties the windows to the installed desktop entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zeku.Zeku"));

    // File errors of the core appear as message boxes from here on.
    zeku::GuiErrorReporter errorReporter;
    zeku::setErrorReporter(&errorReporter);

    int exitCode = 1;
    {
        zeku::CSimulatorApp app(folders);
        if (app.startUp())
            exitCode = runMainWindow(app, errorReporter);
    }
    zeku::setErrorReporter(nullptr);
    return exitCode;
}
