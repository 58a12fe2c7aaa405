#pragma once
// "装備手動選択": the user assembles one equipment set by hand (a weapon slot
// count, one piece per part, jewels for each holder) and sees the set and its
// skill totals live. Favourites can be shown, added and overwritten, and the
// set copied as clip text. The dialog works on its own copy of the set; in
// fixed-condition mode the caller takes the edited set back after OK.
//
// The window composes three panes over its form: the lists to pick from with
// their filters (ManualEditItemPicker), the set being edited
// (ManualEditSetPane) and the favourites row (ManualEditFavoritesPane). It
// keeps the sex and job radios' meaning, OK and close, and the right-click
// windows.

#include "data/MasterData.h"
#include "search/EquipSet.h"
#include "ui/dialogs/ManualEditSet.h"
#include "ui/dialogs/StandingLists.h"
#include "ui/lists/QuickRegistration.h"
#include "search/ItemSets.h"
#include "search/SearchCondition.h"
#include "userfiles/StartupSettings.h"
#include "userfiles/UserFolder.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class CManualEditDlg;
}

namespace zeku {

class ManualEditFavoritesPane;
class ManualEditItemPicker;

// What the caller hands to the editor.
struct ManualEditInput {
    uint16_t sex = kSexBoth; // kSexBoth: not fixed
    uint16_t job = kJobBoth; // kJobBoth: not fixed
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
    const EquipSet& editedSet() const { return m_edited.set; }
    uint16_t setSex() const { return m_edited.sex; }
    uint16_t setJob() const { return m_edited.job; }
    int currentTab() const;

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
    const std::vector<uint16_t>& filterSkills(int job) const;

Q_SIGNALS:
    // "条件に追加" in the window opened from the set: the caller wants `skill`.
    void addWantedRequested(zeku::SkillPoint skill);

protected:
    // Comes to the front when shown: the caller minimises the main window meanwhile.
    void showEvent(QShowEvent* event) override;

private:
    // The right-click windows on the lists and the set.
    void quickExclude(const QuickRegistration& what);
    void quickSPart(const QuickRegistration& what);
    void showSetFits();

    std::unique_ptr<Ui::CManualEditDlg> m_ui;
    const MasterData& m_master;
    UserFolder m_folder;
    EditedEquipSet m_edited;
    std::optional<StandingLists> m_quickLists;
    std::function<SearchCondition()> m_fitsCondition;
    // The panes refer to the members above, so they come after them.
    std::unique_ptr<ManualEditItemPicker> m_picker;
    std::unique_ptr<ManualEditSetPane> m_setPane;
    std::unique_ptr<ManualEditFavoritesPane> m_favorites;
};

} // namespace zeku
