#include "ui/main/RunMainWindow.h"

#include "ui/main/CSearchDlg.h"
#include "ui/platform/GuiErrorReporter.h"

#include <QApplication>

namespace zeku {

// Runs the main search window and returns when it has closed. Not through
// exec(): that makes the window application-modal, and Qt then blocks real
// mouse and keyboard input to every window that is not its child, such as the
// progress window, which is a window of its own so that it stays enabled while
// this one is disabled.
int runMainWindow(CSimulatorApp& app, GuiErrorReporter& errorReporter,
                  const std::function<void(CSearchDlg&)>& beforeShow)
{
    CSearchDlg window(app);
    errorReporter.setDialogParent(&window);
    window.restoreSession();
    if (beforeShow)
        beforeShow(window);
    // The window's end, and only that, ends the event loop: a progress
    // window left last on screen does not.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &QDialog::finished, &window, [](int ended) { QCoreApplication::exit(ended); });
    window.show();
    const int result = QApplication::exec();
    errorReporter.setDialogParent(nullptr);
    return result;
}

} // namespace zeku
