#pragma once
// The main window's wanted skills: the tree and skill choosers (with the
// favourite skills of the job), "追加", the wanted-skill list and its points
// ("調整", "削除", "全削除").

#include "data/EquipItem.h"

#include <QString>

#include <optional>
#include <vector>

class QObject;
class QWidget;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CSimulatorApp;

class WantedSkillEditor final {
public:
    WantedSkillEditor(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window);
    // The controls' opening state and their reactions.
    void setUpControls();
    void connectControls(QObject* context);

    const std::vector<SkillPoint>& skills() const { return m_wanted; }
    // Replaces the wanted skills and shows them (selecting `select` when >= 0).
    void replace(const std::vector<SkillPoint>& wanted, int select = -1);
    // Wants `skill` as "追加" does: a wanted tree gets the new points, a new one is appended.
    void add(const SkillPoint& skill);
    // Both choosers again, for the job the controls show.
    void fillSkillTreeChooser();
    void updateButtons();

private:
    void fillActivatedSkillChooser();
    // The favourite skills' row of both choosers, in the windows' language.
    static QString favoritesCaption();
    void onAddSkill();
    void onSelectionChanged();
    void onAdjust();
    void onRemove();
    void onRemoveAll();
    void onPointsTextChanged();

    CSimulatorApp& m_app;
    Ui::CSearchDlg& m_ui;
    QWidget& m_window;
    std::vector<SkillPoint> m_wanted;
    // The activated skill each row of the activated-skill chooser carries.
    std::vector<std::optional<SkillPoint>> m_chooserSkills;
};

} // namespace zeku
