#include "ui/dialogs/CUserFileArrangeDlg.h"

#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/HistoryOptionScan.h"
#include "userfiles/StoredPath.h"

#include "ui_CUserFileArrangeDlg.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace zeku {

namespace {

// Reads `index` again under its folder's lock after the user answered; false
// when `row` no longer holds the entry stored at `path`. The question was asked
// without the folder's lock, so that other saves need not wait for the user;
// the change goes ahead only if the entry is still there.
bool reloadForUpdate(SavedFileIndex& index, int row, const std::string& path)
{
    return index.loadForUpdate() && index.path(row) && *index.path(row) == path;
}

} // namespace

CUserFileArrangeDlg::CUserFileArrangeDlg(const UserFolder& folder, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CUserFileArrangeDlg>()), m_folder(folder),
      m_model(new QStandardItemModel(this))
{
    m_ui->setupUi(this);
    keepEnterOnDefault(this, m_ui->closeButton);
    m_ui->entryList->setModel(m_model);
    m_ui->entryList->setAccessibleName(windowTitle());
    giveListTheFreeHeight(m_ui->entryList);

    // On the state, not the click: a screen reader's toggle has no click.
    connect(m_ui->favoriteRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showIndex(true);
    });
    connect(m_ui->historyRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            showIndex(false);
    });
    connect(m_ui->upButton, &QPushButton::clicked, this, [this] { moveEntry(-1); });
    connect(m_ui->downButton, &QPushButton::clicked, this, [this] { moveEntry(+1); });
    connect(m_ui->changeButton, &QPushButton::clicked, this, &CUserFileArrangeDlg::changeEntry);
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &CUserFileArrangeDlg::deleteEntry);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->entryList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CUserFileArrangeDlg::updateButtons);
    showIndex(true);
    nameControlsForAssistiveTech(this);
}

CUserFileArrangeDlg::~CUserFileArrangeDlg() = default;

bool CUserFileArrangeDlg::showingFavorites() const
{
    return m_ui->favoriteRadio->isChecked();
}

std::unique_ptr<SavedFileIndex> CUserFileArrangeDlg::chosenIndex() const
{
    if (showingFavorites())
        return std::make_unique<FavoriteIndex>(m_folder);
    return std::make_unique<SavedFileIndex>(SavedFileIndex::forHistory(m_folder));
}

void CUserFileArrangeDlg::showIndex(bool favorites)
{
    {
        const QSignalBlocker blockFavorites(m_ui->favoriteRadio);
        const QSignalBlocker blockHistory(m_ui->historyRadio);
        m_ui->favoriteRadio->setChecked(favorites);
        m_ui->historyRadio->setChecked(!favorites);
    }
    refill(-1);
}

void CUserFileArrangeDlg::refill(int row)
{
    m_model->removeRows(0, m_model->rowCount());
    setColumns();
    std::unique_ptr<SavedFileIndex> index = chosenIndex();
    if (index->load()) {
        for (int i = 0; i < index->count(); ++i) {
            QList<QStandardItem*> row{new QStandardItem(toQString(*index->title(i))),
                                      new QStandardItem(toQString(*index->comment(i)))};
            // A stored search made with exact jewel fitting says so: loading
            // it turns the option on again.
            if (!showingFavorites())
                row.append(new QStandardItem(historyEntryUsesExactJewels(*index, i) ? tr("全組合せ") : QString()));
            for (QStandardItem* item : row)
                item->setEditable(false);
            m_model->appendRow(row);
        }
    }
    if (row >= 0 && row < m_model->rowCount()) {
        m_ui->entryList->selectSingleRow(row);
        m_ui->entryList->setFocus();
    }
    updateButtons();
}

void CUserFileArrangeDlg::setColumns()
{
    QStringList headers{tr("タイトル"), tr("コメント")};
    if (!showingFavorites())
        headers.append(tr("装飾品判定"));
    if (m_model->columnCount() == headers.size())
        return; // keeps the widths the user dragged
    m_model->setColumnCount(static_cast<int>(headers.size()));
    m_model->setHorizontalHeaderLabels(headers);
    m_ui->entryList->setColumnWidth(0, 160);
    m_ui->entryList->setColumnWidth(1, headers.size() > 2 ? 160 : 240);
    if (headers.size() > 2)
        m_ui->entryList->setColumnWidth(2, 80);
}

void CUserFileArrangeDlg::updateButtons()
{
    const int row = m_ui->entryList->selectedRow();
    m_ui->upButton->setEnabled(row > 0);
    m_ui->downButton->setEnabled(row >= 0 && row < m_model->rowCount() - 1);
    m_ui->changeButton->setEnabled(row >= 0);
    m_ui->deleteButton->setEnabled(row >= 0);
}

void CUserFileArrangeDlg::changeInBackground(std::unique_ptr<SavedFileIndex> index, int rowAfter, Change change)
{
    auto outcome = std::make_shared<IndexChange>(IndexChange::Failed);
    BackgroundFileTask::start(
        this, tr("保存中です。"),
        [index = std::shared_ptr<SavedFileIndex>(std::move(index)), change = std::move(change), outcome] {
            *outcome = change(*index);
            return *outcome == IndexChange::Done;
        },
        [this, rowAfter, outcome](bool) {
            if (*outcome == IndexChange::Done)
                refill(rowAfter);
            else if (*outcome == IndexChange::EntryGone)
                refill(-1);
        });
}

void CUserFileArrangeDlg::moveEntry(int delta)
{
    const int row = m_ui->entryList->selectedRow();
    if (row < 0)
        return;
    const int target = row + delta;
    changeInBackground(chosenIndex(), target, [row, delta, target](SavedFileIndex& index) {
        if (!index.loadForUpdate() || target < 0 || target >= index.count())
            return IndexChange::Failed;
        // Up: a copy goes before the entry above, then the original (now one
        // further down) leaves. Down: a copy goes after the entry below, then the
        // original leaves.
        const bool moved = delta < 0 ? index.insertCopy(row, target) && index.removeEntry(row + 1)
                                     : index.insertCopy(row, row + 2) && index.removeEntry(row);
        return moved && index.save() ? IndexChange::Done : IndexChange::Failed;
    });
}

void CUserFileArrangeDlg::changeEntry()
{
    const int row = m_ui->entryList->selectedRow();
    std::unique_ptr<SavedFileIndex> index = chosenIndex();
    if (row < 0 || !index->load() || !index->contains(row))
        return;
    CFavoriteDataInputDlg input(this);
    input.setCaption(tr("変更"));
    input.setTitle(*index->title(row));
    input.setComment(*index->comment(row));
    const std::string path = *index->path(row);
    if (input.exec() != QDialog::Accepted)
        return;
    changeInBackground(std::move(index), row,
                       [row, path, title = input.title(), comment = input.comment()](SavedFileIndex& index) {
                           if (!reloadForUpdate(index, row, path))
                               return IndexChange::EntryGone;
                           return index.replaceEntry(row, title, comment, path) && index.save() ? IndexChange::Done
                                                                                                : IndexChange::Failed;
                       });
}

void CUserFileArrangeDlg::deleteEntry()
{
    const int row = m_ui->entryList->selectedRow();
    std::unique_ptr<SavedFileIndex> index = chosenIndex();
    if (row < 0 || !index->load() || !index->contains(row))
        return;
    const QString text = showingFavorites() ? tr("お気に入りデータ '%1' を削除してよろしいですか？")
                                            : tr("検索結果データ '%1' を削除してよろしいですか？");
    if (showMessage(this, text.arg(toQString(*index->title(row))), MessageIcon::Question, MessageButtons::YesNo) !=
        MessageAnswer::Yes)
        return;
    const std::string path = *index->path(row);
    changeInBackground(std::move(index), -1, [folder = m_folder, row, path](SavedFileIndex& index) {
        if (!reloadForUpdate(index, row, path))
            return IndexChange::EntryGone;
        // The data file goes only once the index no longer lists it.
        if (!index.removeEntry(row) || !index.save())
            return IndexChange::Failed;
        removeStoredFile(folder, path);
        return IndexChange::Done;
    });
}

} // namespace zeku
