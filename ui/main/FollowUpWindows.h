#pragma once
// The windows that search on from the main window: "追加スキル検索" on the
// condition the controls describe, "このセットに追加できるスキル" on one
// result (the result list's menu), and "見つからない理由" after a search that
// found nothing. Skills they hand back are wanted as "追加" wants them; a
// change "見つからない理由" makes goes to the condition controls only.

#include <QObject>

class QWidget;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CSimulatorApp;
class ConditionForm;
class ResultWorkspace;

class FollowUpWindows final : public QObject {
public:
    FollowUpWindows(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, ConditionForm& form,
                    ResultWorkspace& workspace);
    void connectControls();
    void addResultMenuEntry();

private:
    void onAddableSearch();
    void onSetFits();
    void onExplainNoResult();

    CSimulatorApp& m_app;
    Ui::CSearchDlg& m_ui;
    QWidget& m_window;
    ConditionForm& m_form;
    ResultWorkspace& m_workspace;
};

} // namespace zeku
