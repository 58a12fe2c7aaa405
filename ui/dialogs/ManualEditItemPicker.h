#pragma once
// The lists "装備手動選択" picks from (weapon slot counts, the pieces of one
// part, jewels), switched by the part radios, with their filters: the sex and
// job radios, rarity, name, the skill filter and hiding excluded items. It
// also shows the button that takes the selection: "選択", or one "…に装着"
// per holder that has room for the selected jewel.

#include "data/MasterData.h"
#include "search/EquipSet.h"
#include "search/ItemSets.h"
#include "userfiles/StartupSettings.h"
#include "userfiles/UserFolder.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <vector>

class QPushButton;
class QWidget;

namespace Ui {
class CManualEditDlg;
}

namespace zeku {

class ManualEditItemPicker final : public QObject {
    Q_OBJECT
public:
    // `settings` keeps the skill filter's candidates and is saved to `folder`
    // when they change; `set` is the edited set the attach buttons look at.
    ManualEditItemPicker(Ui::CManualEditDlg& ui, QWidget* dialog, const MasterData& master,
                         const ExclusionSet& exclusions, StartupSettings& settings, const UserFolder& folder,
                         const EquipSet& set);

    // 0 weapon, 1-5 the parts (part kind + 1), 6 jewels.
    int tab() const { return m_tab; }
    // The sex and job the radios give.
    uint16_t radioSex() const;
    uint16_t radioJob() const;
    // The chosen trees of the skill filter of `job` (1 or 2).
    const std::vector<uint16_t>& filterSkills(int job) const { return m_filterSkills[job == kJobBlade ? 0 : 1]; }
    // "武器に装着" to "脚に装着", by holder.
    const std::array<QPushButton*, 6>& attachButtons() const { return m_attachButtons; }

    void switchTab(int tab);
    void refilterAll();
    void updatePickButtons();

private:
    std::vector<uint16_t>& currentFilter();
    void applyFilters();
    void nameEdited(const QString& text);
    void setMatchMode(int mode);
    void clearSkillFilter();
    void editSkillFilter();

    Ui::CManualEditDlg& m_ui;
    QWidget* m_dialog;
    const MasterData& m_master;
    const ExclusionSet& m_exclusions;
    StartupSettings& m_settings;
    const UserFolder& m_folder;
    const EquipSet& m_set;
    int m_tab = 1;
    QString m_armourName;
    QString m_jewelName;
    std::array<std::vector<uint16_t>, 2> m_filterSkills;
    std::array<QPushButton*, 6> m_attachButtons{};
};

} // namespace zeku
