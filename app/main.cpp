// The program: start-up on the main thread, the main search window, shutdown.

#include "app/CSimulatorApp.h"
#include "report/AppIdentity.h"
#include "ui/platform/GuiErrorReporter.h"

#include <QApplication>

namespace {

// Runs the main search window modally and returns when it has closed. The
// main window is not part of the program yet, so start-up ends here.
int runMainWindow(zeku::CSimulatorApp& app)
{
    (void)app;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zeku::kAppTitle));

    // File errors of the core appear as message boxes from here on.
    zeku::GuiErrorReporter errorReporter;
    zeku::setErrorReporter(&errorReporter);

    int exitCode = 1;
    {
        zeku::CSimulatorApp app;
        if (app.startUp())
            exitCode = runMainWindow(app);
    }
    zeku::setErrorReporter(nullptr);
    return exitCode;
}
