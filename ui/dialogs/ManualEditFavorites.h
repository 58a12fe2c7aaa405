#pragma once
// The favourites row of "装備手動選択": the combo of stored favourites, showing
// one as the edited set, adding the set as a new favourite and overwriting the
// chosen one, with the title and comment fields. The stores take the folder's
// lock, so they run off the UI thread through BackgroundFileTask.

#include "data/MasterData.h"
#include "userfiles/UserFolder.h"

#include <QObject>

class QWidget;

namespace Ui {
class CManualEditDlg;
}

namespace zeku {

class ManualEditItemPicker;
class ManualEditSetPane;
struct EditedEquipSet;

class ManualEditFavoritesPane final : public QObject {
    Q_OBJECT
public:
    // In fixed-condition mode the combo lists only the favourites that fit
    // the edited set's sex and job.
    ManualEditFavoritesPane(Ui::CManualEditDlg& ui, QWidget* dialog, const MasterData& master, const UserFolder& folder,
                            bool fixedCondition, const EditedEquipSet& edited, ManualEditSetPane& setPane,
                            const ManualEditItemPicker& picker);

    void fillFavoriteCombo();
    void updateFavoriteButtons();

private:
    void addFavorite();
    void showFavorite();
    void overwriteFavorite();

    Ui::CManualEditDlg& m_ui;
    QWidget* m_dialog;
    const MasterData& m_master;
    const UserFolder& m_folder;
    bool m_fixedCondition;
    const EditedEquipSet& m_edited;
    ManualEditSetPane& m_setPane;
    const ManualEditItemPicker& m_picker;
};

} // namespace zeku
