// zeku_window_walk FOLDER [--lang ja|en]: the program, started as `zeku` starts
// in the working folder, walks every window and dialog it has and writes
// their texts and PNGs into FOLDER (see WindowWalk.h). Status 0 once the
// walk has ended, 1 when the window closed otherwise, 2 for bad arguments.

#include "tools/WindowWalk.h"
#include "ui/app/CSimulatorApp.h"
#include "ui/app/ProgramStart.h"
#include "ui/main/RunMainWindow.h"

#include <QDialog>
#include <QString>

#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: zeku_window_walk FOLDER [--lang ja|en]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // The program sees its own arguments only.
    std::vector<char*> programArguments{argv[0]};
    programArguments.insert(programArguments.end(), argv + 2, argv + argc);
    programArguments.push_back(nullptr);
    const int programArgumentCount = static_cast<int>(programArguments.size()) - 1;
    const auto walk = [&folder](zeku::CSimulatorApp& app, zeku::GuiErrorReporter& errorReporter) {
        const auto schedule = [&](zeku::CSearchDlg& window) { zeku::scheduleWindowWalk(window, app, folder); };
        return zeku::runMainWindow(app, errorReporter, schedule) == QDialog::Accepted ? 0 : 1;
    };
    return zeku::runProgram(programArgumentCount, programArguments.data(), walk);
}
