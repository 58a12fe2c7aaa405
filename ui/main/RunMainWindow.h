#pragma once
// The one way into the main search window from outside ui/main: the program
// (app/main.cpp) opens it here, and so do the test programs that drive it.

#include <functional>

namespace zeku {

class CSearchDlg;
class CSimulatorApp;
class GuiErrorReporter;

// Shows the main search window on `app`, with its last session restored, and
// returns how it ended (QDialog::Accepted or Rejected) once it has closed.
// `beforeShow`, when given, gets the window just before it is shown.
int runMainWindow(CSimulatorApp& app, GuiErrorReporter& errorReporter,
                  const std::function<void(CSearchDlg&)>& beforeShow = {});

} // namespace zeku
