#pragma once
// The main window's condition area as one form: sex, job, rarity, defence, the
// maximum count, the jewel boxes and the three standing-list switches, with
// the wanted skills and the fixed equipment as parts of their own. It reads
// the controls as the SearchCondition a search from the window runs, shows a
// condition in them, and makes the checks every search from the window makes
// first.

#include "search/NoResultExplanation.h"
#include "search/SearchCondition.h"
#include "ui/main/FixedEquipmentLists.h"
#include "ui/main/WantedSkillEditor.h"

#include <QObject>

#include <optional>

class QCheckBox;
class QWidget;

namespace Ui {
class CSearchDlg;
}

namespace zeku {

class CSimulatorApp;

class ConditionForm final : public QObject {
public:
    ConditionForm(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window);
    // The controls' opening state: sex 1, job 1, no limits, jewels on.
    void setUpControls();
    void connectControls();

    WantedSkillEditor& wanted() { return m_wanted; }
    const WantedSkillEditor& wanted() const { return m_wanted; }
    FixedEquipmentLists& fixed() { return m_fixed; }
    const FixedEquipmentLists& fixed() const { return m_fixed; }

    // The condition the controls describe now, as a search from the window
    // would run it; a maximum count of 0 (or none) is the default count.
    SearchCondition conditionFromControls() const;
    // The check every search from the window makes first: the condition the
    // controls describe, or nothing after telling the user why it cannot run.
    std::optional<SearchCondition> readyCondition();
    // A count box that says no count shows the one the search runs with.
    void showDefaultCount();

    // A set value, not the user's choice: the rules of a change do not run.
    void setSex(int sex);
    void setJob(int job);
    void setRarityCode(RarityFilterCode code);
    // Sex, job, rarity, defence, count and the jewel boxes of a condition.
    void showBasicCondition(const SearchCondition& condition);
    // The three switches, without the empty-list message.
    void showSwitches(bool excludedItems, bool excludedSkills, bool requireSParts);
    // Makes one change "見つからない理由" offers, to the controls only.
    void applyConditionChange(const ConditionChange& change);

private:
    bool excludedSkillConflict();
    uint32_t maxResultsFromControls() const;
    void onSexClicked(int sex);
    void onJobClicked(int job);
    void onSwitchClicked(QCheckBox* box, bool listEmpty, const QString& emptyMessage);

    CSimulatorApp& m_app;
    Ui::CSearchDlg& m_ui;
    QWidget& m_window;
    WantedSkillEditor m_wanted;
    FixedEquipmentLists m_fixed;
};

} // namespace zeku
