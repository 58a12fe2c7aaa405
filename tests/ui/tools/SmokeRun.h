#pragma once
// The smoke run of the real main window (zeku_smoke_run): once on screen the
// main window saves a PNG of itself to `png`, opens the manual editor as the
// user does ("自分で選ぶ") and saves it beside the first one ("-manual.png"),
// closes both and ends, accepted when both files were written. With
// `windowManager`, a window manager runs: the main window starts maximised,
// must be minimised while the editor is shown and come back maximised, also
// after three small searches; the whole screen is kept as well
// ("-screen.png") while the editor is open.

#include <QString>

namespace zeku {

class CSearchDlg;
class SkillCatalogue;

// Call before the window is shown.
void scheduleSmokeRun(CSearchDlg& window, const SkillCatalogue& skills, const QString& png, bool windowManager);

} // namespace zeku
