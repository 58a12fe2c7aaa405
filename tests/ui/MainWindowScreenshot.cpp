// Draws the main window with the results of a search on the bundled sample
// data and saves it as a PNG, for the documentation.
//
// usage: zeku_main_window_screenshot DAT_FOLDER OUTPUT.png [TREE_ROW…]
// Each TREE_ROW is a row of the skill-tree chooser whose first skill is wanted
// (default: rows 2 and 3, the first two trees).

#include "ui/app/CSimulatorApp.h"
#include "ui/lists/CFindResultListCtrl.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/WindowSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <filesystem>

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: zeku_main_window_screenshot DAT_FOLDER OUTPUT.png [TREE_ROW...]\n");
        return 2;
    }
    // A scratch working folder: the search records favourite skills in user/.
    QTemporaryDir work;
    std::filesystem::copy(argv[1], std::filesystem::path(work.path().toStdString()) / "dat",
                          std::filesystem::copy_options::recursive);
    zeku::CSimulatorApp app(work.path().toStdString());
    if (!app.startUp())
        return 1;

    zeku::CSearchDlg window(app);
    window.show();
    QList<int> rows;
    for (int i = 3; i < argc; ++i)
        rows << QString::fromLocal8Bit(argv[i]).toInt();
    if (rows.isEmpty())
        rows << 2 << 3;
    auto* trees = zeku::controlById<QComboBox>(&window, 1062);
    auto* skills = zeku::controlById<QComboBox>(&window, 1106);
    for (int row : rows) {
        trees->setCurrentIndex(row);
        skills->setCurrentIndex(0);
        zeku::controlById<QAbstractButton>(&window, 1067)->click();
    }
    zeku::controlById<QAbstractButton>(&window, 1070)->click();
    while (window.searchRunning()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    if (zeku::CFindProcessDlg* progress = window.progressWindow())
        progress->reject();
    auto* results = zeku::controlById<zeku::CFindResultListCtrl>(&window, 1061);
    results->selectSingleRow(0);
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
    const bool saved = window.grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
    std::printf("%d results\n", window.currentResults() ? window.currentResults()->count() : 0);
    return saved ? 0 : 1;
}
