#pragma once
// The program's start-up and shutdown around its main window: the --lang
// option, the Qt application, the data folders, the windows' language and
// the core's error messages. `zeku` and the test programs that drive the
// same windows start the same way.

#include <functional>

namespace zeku {

class CSimulatorApp;
class GuiErrorReporter;

// Opens the main window on the loaded application and returns the exit
// status once it has closed.
using MainWindowRun = std::function<int(CSimulatorApp& app, GuiErrorReporter& errorReporter)>;

// Starts up with main()'s arguments and runs `mainWindow`; returns its status,
// 2 for an unknown --lang (said on standard error, before any window), or 1
// when the master data could not be read (the start-up's message said why).
int runProgram(int argc, char* argv[], const MainWindowRun& mainWindow);

} // namespace zeku
