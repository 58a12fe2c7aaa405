#pragma once
// "保存データ整理": renames, deletes and reorders the saved favourites and the
// saved search results. It keeps no data of its own: every operation reads the
// chosen index afresh, changes it and writes it back, and the list is refilled
// only when the write succeeded, so a failed write loses no entry.

#include "userfiles/SavedFileIndex.h"
#include "userfiles/UserFolder.h"

#include <QDialog>

#include <functional>
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
    void updateButtons();

    // What one change of the index came to.
    enum class IndexChange { Done, EntryGone, Failed };
    using Change = std::function<IndexChange(SavedFileIndex& index)>;
    // Runs `change` on `index` off the UI thread, since it waits for the
    // folder's lock. Then the list is refilled with `rowAfter` selected when
    // it was done, refilled from scratch when the entry had gone, and left as
    // it was when the change failed.
    void changeInBackground(std::unique_ptr<SavedFileIndex> index, int rowAfter, Change change);

    std::unique_ptr<Ui::CUserFileArrangeDlg> m_ui;
    UserFolder m_folder;
    QStandardItemModel* m_model;
};

} // namespace zeku
