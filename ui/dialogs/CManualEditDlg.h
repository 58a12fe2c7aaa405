#pragma once
// "装備手動選択": the user assembles one equipment set by hand (a weapon slot
// count, one piece per part, jewels for each holder) and sees the set and its
// skill totals live. Favourites can be shown, added and overwritten, and the
// set copied as clip text. The dialog works on its own copy of the set; in
// fixed-condition mode the caller takes the edited set back after OK.

#include "data/MasterData.h"
#include "search/EquipSet.h"
#include "ui/dialogs/StandingLists.h"
#include "ui/lists/QuickRegistration.h"
#include "search/ItemSets.h"
#include "search/SearchCondition.h"
#include "userfiles/StartupSettings.h"
#include "userfiles/UserFolder.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPushButton;

namespace Ui {
class CManualEditDlg;
}

namespace zeku {

// What the caller hands to the editor.
struct ManualEditInput {
    uint16_t sex = 0; // 0 not fixed, 1 male, 2 female
    uint16_t job = 0; // 0 not fixed, 1 blade user, 2 gunner
    EquipSet set;
    bool fixedCondition = false;
};

class CManualEditDlg : public QDialog {
    Q_OBJECT
public:
    // Tabs: 0 weapon, 1-5 the parts (part kind + 1), 6 jewels.
    static constexpr int kWeaponTab = 0;
    static constexpr int kJewelTab = 6;
    // Rows the item lists show at the opening size, and keep at any size.
    static constexpr int kListRowsAtLeast = 15;

    // `master`, `exclusions`, `settings` and `folder` belong to the application
    // and must outlive the dialog; the skill filter candidates are saved to
    // Startup.dat through `settings`.
    CManualEditDlg(const MasterData& master, const ExclusionSet& exclusions, StartupSettings& settings,
                   const UserFolder& folder, const ManualEditInput& input, QWidget* parent = nullptr);
    ~CManualEditDlg() override;

    // The edited set, and its sex and job (0 when not fixed).
    const EquipSet& editedSet() const { return m_set; }
    uint16_t setSex() const { return m_setSex; }
    uint16_t setJob() const { return m_setJob; }
    int currentTab() const { return m_tab; }

    // Lets the right-click commands "除外登録" and "Ｓ防具登録" of the editor's
    // lists open the quick registration dialogs on `lists` (whose exclusions
    // must be the set given to the constructor); the lists are refiltered after.
    void enableQuickRegistration(const StandingLists& lists);
    // Adds "このセットに追加できるスキル" to the right-click menu of the set
    // and skill views: it opens that window on the edited set, for the
    // condition `condition` gives at that moment; its "条件に追加" rows come
    // out of addWantedRequested.
    void enableSetFits(std::function<SearchCondition()> condition);
    // The chosen trees of the skill filter of `job` (1 or 2).
    const std::vector<uint16_t>& filterSkills(int job) const { return m_filterSkills[job == 1 ? 0 : 1]; }

Q_SIGNALS:
    // "条件に追加" in the window opened from the set: the caller wants `skill`.
    void addWantedRequested(zeku::SkillPoint skill);

protected:
    // Comes to the front when shown: the caller minimises the main window meanwhile.
    void showEvent(QShowEvent* event) override;

private:
    // Filters and lists (CManualEditDlg.cpp).
    uint16_t radioSex() const;
    uint16_t radioJob() const;
    std::vector<uint16_t>& currentFilter();
    void switchTab(int tab);
    void applyFilters();
    void nameEdited(const QString& text);
    void setMatchMode(int mode);
    void clearSkillFilter();
    void editSkillFilter();
    void refilterAll();
    void updatePickButtons();
    void updateSetButtons();
    void updateLabels();
    void redrawSet(int selectRow = -1);

    // The set (ManualEditSet.cpp).
    bool setIsEmpty() const;
    void choose();
    void attachJewel(int holder);
    void removeItem();
    void removeJewels();
    void removeAllJewels();
    void emptySet();
    void afterRemoval();
    void copyClip();

    void quickExclude(const QuickRegistration& what);
    void quickSPart(const QuickRegistration& what);
    void showSetFits();

    // Favourites (ManualEditFavorites.cpp).
    void fillFavoriteCombo();
    void updateFavoriteButtons();
    void addFavorite();
    void showFavorite();
    void overwriteFavorite();

    std::unique_ptr<Ui::CManualEditDlg> m_ui;
    const MasterData& m_master;
    const ExclusionSet& m_exclusions;
    StartupSettings& m_settings;
    UserFolder m_folder;
    int m_tab = 1;
    EquipSet m_set;
    uint16_t m_setSex = 0;
    uint16_t m_setJob = 0;
    bool m_fixedCondition = false;
    QString m_armourName;
    QString m_jewelName;
    std::array<std::vector<uint16_t>, 2> m_filterSkills;
    std::array<QPushButton*, 6> m_attachButtons{};
    std::optional<StandingLists> m_quickLists;
    std::function<SearchCondition()> m_fitsCondition;
};

} // namespace zeku
