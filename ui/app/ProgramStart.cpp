#include "ui/app/ProgramStart.h"

#include "platform/AppIdentity.h"
#include "ui/app/CSimulatorApp.h"
#include "ui/app/UiLanguage.h"
#include "ui/platform/GuiErrorReporter.h"
#include "ui/platform/WindowSupport.h"
#include "userfiles/SessionFile.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>

#include <cstdio>

namespace zeku {

int runProgram(int argc, char* argv[], const MainWindowRun& mainWindow)
{
    // --lang is read before Qt sees the arguments: a bad value ends at once.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const LanguageOption languageOption = parseLanguageOption(arguments);
    if (languageOption.badValue) {
        std::fprintf(stderr, "zeku: unknown language \"%s\" for --lang (use ja or en)\n",
                     languageOption.badValue->toLocal8Bit().constData());
        return 2;
    }

    QApplication qtApp(argc, argv);
    // dat/ and user/ of the working directory, or those of an installed program.
    const DataFolders folders = currentDataFolders();
    // --lang, else the language chosen in an earlier session, else English for
    // an English system and Japanese otherwise; installed before any window
    // (or start-up message) is made.
    const QString remembered = QString::fromStdString(loadSessionLanguage(UserFolder(folders.user)));
    const UiLanguage language = startupLanguage(languageOption, remembered, QLocale::system());
    if (!applyLanguage(language))
        std::fprintf(stderr, "zeku: the English translation could not be loaded; the windows stay Japanese\n");
    QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    QApplication::setWindowIcon(applicationIcon());
    // Ties the windows to the installed desktop entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zeku.Zeku"));

    // File errors of the core appear as message boxes from here on.
    GuiErrorReporter errorReporter;
    setErrorReporter(&errorReporter);

    int exitCode = 1;
    {
        CSimulatorApp app(folders);
        if (app.startUp())
            exitCode = mainWindow(app, errorReporter);
    }
    setErrorReporter(nullptr);
    return exitCode;
}

} // namespace zeku
