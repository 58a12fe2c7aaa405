// zeku_smoke_run OUTPUT.png [--window-manager] [--lang ja|en]: the program,
// started as `zeku` starts in the working folder, saves PNGs of its main
// window and of the manual editor and closes (see SmokeRun.h). Status 0 when
// everything was saved (and, with a window manager, every check passed), 1
// otherwise, 2 for bad arguments.

#include "tools/SmokeRun.h"
#include "ui/app/CSimulatorApp.h"
#include "ui/app/ProgramStart.h"
#include "ui/main/RunMainWindow.h"

#include <QDialog>
#include <QString>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: zeku_smoke_run OUTPUT.png [--window-manager] [--lang ja|en]\n");
        return 2;
    }
    const QString png = QString::fromLocal8Bit(argv[1]);
    int first = 2;
    const bool windowManager = argc > first && std::strcmp(argv[first], "--window-manager") == 0;
    if (windowManager)
        ++first;
    // The program sees its own arguments only.
    std::vector<char*> programArguments{argv[0]};
    programArguments.insert(programArguments.end(), argv + first, argv + argc);
    programArguments.push_back(nullptr);
    const int programArgumentCount = static_cast<int>(programArguments.size()) - 1;
    const auto smokeRun = [&](zeku::CSimulatorApp& app, zeku::GuiErrorReporter& errorReporter) {
        const auto schedule = [&](zeku::CSearchDlg& window) {
            zeku::scheduleSmokeRun(window, app.skills(), png, windowManager);
        };
        return zeku::runMainWindow(app, errorReporter, schedule) == QDialog::Accepted ? 0 : 1;
    };
    return zeku::runProgram(programArgumentCount, programArguments.data(), smokeRun);
}
