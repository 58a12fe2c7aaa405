#pragma once
// The dialogs the main window opens for editing: the three standing-list
// editors, the manual equipment editor in its three modes ("装備編集" of the
// fixed set and of a result, "自分で選ぶ"), the saved-data organiser, and the
// quick registrations of menu 139 on its lists.

#include "search/EquipSet.h"

#include <QObject>

#include <cstdint>

class QWidget;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CSimulatorApp;
class ConditionForm;
class MainWindowFrame;
class ResultFiles;
class ResultWorkspace;

class EditingDialogs final : public QObject {
public:
    EditingDialogs(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, MainWindowFrame& frame, ConditionForm& form,
                   ResultWorkspace& workspace, ResultFiles& files);
    void connectControls();

private:
    void connectQuickRegistrations();
    // Runs the manual editor on `set` with the window minimised; true on OK,
    // and then the edited set is in `edited` (when given).
    bool runManualEditor(uint16_t sex, uint16_t job, const EquipSet& set, bool fixedCondition,
                         EquipSet* edited = nullptr);
    void onEditFixedSet();
    void onOrganise();

    CSimulatorApp& m_app;
    Ui::CSearchDlg& m_ui;
    QWidget& m_window;
    MainWindowFrame& m_frame;
    ConditionForm& m_form;
    ResultWorkspace& m_workspace;
    ResultFiles& m_files;
};

} // namespace zeku
