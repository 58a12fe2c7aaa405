// The program: start-up on the main thread, the main search window, shutdown.

#include "ui/app/ProgramStart.h"
#include "ui/main/RunMainWindow.h"

int main(int argc, char* argv[])
{
    return zeku::runProgram(argc, argv, [](zeku::CSimulatorApp& app, zeku::GuiErrorReporter& errorReporter) {
        zeku::runMainWindow(app, errorReporter);
        // Start-up does not look at how the window ended.
        return 0;
    });
}
