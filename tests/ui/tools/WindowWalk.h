#pragma once
// A walk through every window and dialog of the running program, for the
// check of the windows' language (zeku_window_walk): the main window, once
// on screen, opens each window the user can reach from it as the user would
// (a search on the sample data, one that finds nothing, the editors, the
// result views' menus, the stored results …), writes the
// texts of each (see WindowTexts.h) and a PNG of it at its opening size into
// `folder`, closes it and goes on; at the end the main window closes,
// accepted.
//
// Files written: walk.txt, one line per text,
// "WINDOW<TAB>PATH<TAB>KIND<TAB>TEXT", with the working folder's path, the
// version and times masked; japanese-left.txt, the lines whose text still
// shows a Japanese character once the master-data names are taken out of it
// (with those characters after a last tab); WINDOW.png for each window.

#include <QString>

namespace zeku {

class CSearchDlg;
class CSimulatorApp;

// Call before the window is shown; `folder` is made when missing.
void scheduleWindowWalk(CSearchDlg& window, CSimulatorApp& app, const QString& folder);

} // namespace zeku
