// The program: start-up on the main thread, the main search window, shutdown.

#include "ui/app/CSimulatorApp.h"
#include "report/AppIdentity.h"
#include "ui/main/CSearchDlg.h"
#include "ui/main/WindowSupport.h"
#include "ui/platform/GuiErrorReporter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

namespace {

// With ZEKU_SMOKE_SCREENSHOT set to a file path, the main window saves a PNG
// of itself once it is on screen, then opens the manual editor as the user
// does ("自分で選ぶ") and saves it beside the first one ("-manual.png"), closes
// both and ends, so that a smoke test can check that the real program starts
// and draws its windows.
void scheduleSmokeScreenshot(zeku::CSearchDlg& window)
{
    const QString path = qEnvironmentVariable("ZEKU_SMOKE_SCREENSHOT");
    if (path.isEmpty())
        return;
    QTimer::singleShot(1500, &window, [&window, path] {
        bool saved = window.grab().save(path, "PNG");
        QString editorPath = path;
        if (editorPath.endsWith(QStringLiteral(".png")))
            editorPath.chop(4);
        editorPath += QStringLiteral("-manual.png");
        bool editorSaved = false;
        QTimer::singleShot(1500, &window, [editorPath, &editorSaved] {
            if (auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                editorSaved = editor->grab().save(editorPath, "PNG");
                editor->reject();
            }
        });
        constexpr int kChooseYourselfButton = 1037;
        if (auto* choose = zeku::controlById<QAbstractButton>(&window, kChooseYourselfButton))
            choose->click(); // returns when the editor has closed
        window.done(saved && editorSaved ? QDialog::Accepted : QDialog::Rejected);
    });
}

// Runs the main search window modally and returns when it has closed.
int runMainWindow(zeku::CSimulatorApp& app, zeku::GuiErrorReporter& errorReporter)
{
    zeku::CSearchDlg window(app);
    errorReporter.setDialogParent(&window);
    scheduleSmokeScreenshot(window);
    const int result = window.exec();
    errorReporter.setDialogParent(nullptr);
    // Start-up does not look at how the window ended, except the smoke run.
    if (!qEnvironmentVariableIsEmpty("ZEKU_SMOKE_SCREENSHOT"))
        return result == QDialog::Accepted ? 0 : 1;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zeku::kAppTitle));
    QApplication::setWindowIcon(zeku::applicationIcon());
    // Ties the windows to the installed desktop entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zeku.Zeku"));

    // File errors of the core appear as message boxes from here on.
    zeku::GuiErrorReporter errorReporter;
    zeku::setErrorReporter(&errorReporter);

    int exitCode = 1;
    {
        // dat/ and user/ of the working directory, or those of an installed program.
        zeku::CSimulatorApp app(zeku::currentDataFolders());
        if (app.startUp())
            exitCode = runMainWindow(app, errorReporter);
    }
    zeku::setErrorReporter(nullptr);
    return exitCode;
}
