#pragma once
// "保存データ整理": renames, deletes and reorders the saved favourites and the
// saved search results. It keeps no data of its own: every operation reads the
// chosen index afresh, changes it and writes it back, and the list is refilled
// only when the write succeeded, so a failed write loses no entry.

#include "userfiles/SavedFileIndex.h"
#include "userfiles/UserFolder.h"

#include <QDialog>

#include <memory>

class QStandardItemModel;

namespace Ui {
class CUserFileArrangeDlg;
}

namespace zeku {

class CUserFileArrangeDlg : public QDialog {
    Q_OBJECT
public:
    // Works on the index files under `folder`.
    explicit CUserFileArrangeDlg(const UserFolder& folder, QWidget* parent = nullptr);
    ~CUserFileArrangeDlg() override;

private:
    // The index of the chosen radio, not yet read.
    std::unique_ptr<SavedFileIndex> chosenIndex() const;
    bool showingFavorites() const;
    // Checks the radio, then fills the list from the index on disk.
    void showIndex(bool favorites);
    // Refills the list and selects, focuses and scrolls to `row`.
    void refill(int row);
    // Title and comment; stored searches add their jewel-fitting option.
    void setColumns();
    void moveEntry(int delta);
    void changeEntry();
    void deleteEntry();
    // Reads `index` again under its folder's lock after the user answered; false
    // (the list refilled) when `row` no longer holds the entry stored at `path`.
    bool reloadForUpdate(SavedFileIndex& index, int row, const std::string& path);
    void updateButtons();

    std::unique_ptr<Ui::CUserFileArrangeDlg> m_ui;
    UserFolder m_folder;
    QStandardItemModel* m_model;
};

} // namespace zeku
