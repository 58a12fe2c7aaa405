#pragma once
// The main window's frame and layout: the size grip, the controls anchored to
// the window's edges, the condition area's share of a taller window, the set
// view and skill totals beside the result list, the opening size, and the
// minimised state while a search or the manual editor has the screen.

#include "ui/main/WindowAnchoring.h"

#include <QSize>

class QDialog;
class QSizeGrip;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class MainWindowFrame final {
public:
    MainWindowFrame(QDialog& window, Ui::CSearchDlg& ui);
    void createSizeGrip();
    void nameSizeGrip();
    // Room for captions a translation made wider (the Japanese layout stays).
    void fitTranslatedCaptions();
    // Records the designed places the anchoring starts from at every resize.
    void recordLayout();
    // Grows the window to the height the opening rows need, within the primary screen.
    void growToOpeningSize();
    void resized(const QSize& size);
    void placeSizeGrip();

    // Minimises the window while a search or the manual editor has the
    // screen, remembering whether restoreWindow() brings it back maximised.
    void minimiseForWork();
    void restoreWindow();

private:
    // Gives the condition area its share of the height above the opening height.
    void shareHeightWithCondition(const QSize& size);
    // Shares the height beside the result list between the set view and the totals.
    void fitResultViews();
    // How much taller the window must be for the opening rows; 0 when it fits.
    int openingHeightGrowth() const;

    QDialog& m_window;
    Ui::CSearchDlg& m_ui;
    QSizeGrip* m_sizeGrip = nullptr;
    WindowAnchoring m_anchoring;
    bool m_layoutRecorded = false;
    int m_openingHeight = 0;
    bool m_backMaximised = false;
};

} // namespace zeku
