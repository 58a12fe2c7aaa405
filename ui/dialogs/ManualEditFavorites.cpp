#include "ui/dialogs/ManualEditFavorites.h"

#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/ManualEditItemPicker.h"
#include "ui/dialogs/ManualEditSet.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/Favorites.h"

#include "ui_CManualEditDlg.h"

#include "platform/Cp932.h"

#include <QCoreApplication>

namespace zeku {
namespace {

// Made when shown, so that they come in the language of the moment.
QString saveFailedText()
{
    return QCoreApplication::translate("zeku::CManualEditDlg", "データの保存処理で異常が発生しました");
}

QString loadFailedText()
{
    return QCoreApplication::translate("zeku::CManualEditDlg", "データの読み込み処理で異常が発生しました");
}

QString savingText()
{
    return QCoreApplication::translate("zeku::CManualEditDlg", "保存中です。");
}

} // namespace

ManualEditFavoritesPane::ManualEditFavoritesPane(Ui::CManualEditDlg& ui, QWidget* dialog, const MasterData& master,
                                                 const UserFolder& folder, bool fixedCondition,
                                                 const EditedEquipSet& edited, ManualEditSetPane& setPane,
                                                 const ManualEditItemPicker& picker)
    : m_ui(ui), m_dialog(dialog), m_master(master), m_folder(folder), m_fixedCondition(fixedCondition),
      m_edited(edited), m_setPane(setPane), m_picker(picker)
{
    connect(m_ui.favoriteCombo, &QComboBox::currentIndexChanged, this, &ManualEditFavoritesPane::updateFavoriteButtons);
    connect(m_ui.addFavorite, &QPushButton::clicked, this, &ManualEditFavoritesPane::addFavorite);
    connect(m_ui.showFavorite, &QPushButton::clicked, this, &ManualEditFavoritesPane::showFavorite);
    connect(m_ui.overwriteFavorite, &QPushButton::clicked, this, &ManualEditFavoritesPane::overwriteFavorite);
}

void ManualEditFavoritesPane::fillFavoriteCombo()
{
    const QSignalBlocker block(m_ui.favoriteCombo);
    m_ui.favoriteCombo->clear();
    FavoriteIndex index(m_folder);
    if (!index.load())
        return;
    for (int i = 0; i < index.count(); ++i) {
        if (m_fixedCondition && !(codeFits(index.sex(i), m_edited.sex) && codeFits(index.job(i), m_edited.job)))
            continue;
        m_ui.favoriteCombo->addItem(toQString(*index.title(i)), i);
    }
    m_ui.favoriteCombo->setCurrentIndex(-1);
}

void ManualEditFavoritesPane::updateFavoriteButtons()
{
    const bool chosen = m_ui.favoriteCombo->currentIndex() >= 0;
    m_ui.favoriteCombo->setEnabled(m_ui.favoriteCombo->count() > 0);
    m_ui.showFavorite->setEnabled(chosen);
    m_ui.overwriteFavorite->setEnabled(chosen && !m_setPane.setIsEmpty());
}

void ManualEditFavoritesPane::addFavorite()
{
    if (m_setPane.setIsEmpty())
        return;
    const uint16_t sex = m_edited.sex;
    const uint16_t job = m_edited.job;
    std::string title = utf8ToCp932Lossy(
        (job == kJobBlade ? CManualEditDlg::tr("剣士装備") : CManualEditDlg::tr("ガンナー装備")).toStdString());
    title +=
        utf8ToCp932Lossy((sex == kSexMale ? CManualEditDlg::tr("(男)") : CManualEditDlg::tr("(女)")).toStdString());
    CFavoriteDataInputDlg input(m_dialog);
    input.setTitle(title);
    input.setComment(std::string());
    if (input.exec() != QDialog::Accepted)
        return;
    // The store waits for the folder's lock off the UI thread, on copies.
    BackgroundFileTask::start(
        m_dialog, savingText(),
        [folder = m_folder, sex, job, set = m_edited.set, title = input.title(), comment = input.comment()] {
            return saveNewFavorite(folder, sex, job, set, title, comment);
        },
        [this, title = input.title(), comment = input.comment()](bool saved) {
            if (!saved) {
                showMessage(m_dialog, saveFailedText(), MessageIcon::Error);
                return;
            }
            fillFavoriteCombo();
            m_ui.favoriteCombo->setCurrentIndex(m_ui.favoriteCombo->count() - 1);
            m_ui.titleField->setText(toQString(title));
            m_ui.commentField->setText(toQString(comment));
            updateFavoriteButtons();
        });
}

void ManualEditFavoritesPane::showFavorite()
{
    const int position = m_ui.favoriteCombo->currentData().toInt();
    if (m_ui.favoriteCombo->currentIndex() < 0)
        return;
    std::unique_ptr<FavoriteSet> favorite = loadFavorite(m_folder, m_master, position);
    if (!favorite) {
        showMessage(m_dialog, loadFailedText(), MessageIcon::Error);
        return;
    }
    if (favorite->missing)
        reportMissingItems(*favorite);
    m_ui.titleField->setText(toQString(favorite->title));
    m_ui.commentField->setText(toQString(favorite->comment));
    m_setPane.replaceSet(favorite->equipment, favorite->sex, favorite->job);
}

void ManualEditFavoritesPane::overwriteFavorite()
{
    const int comboRow = m_ui.favoriteCombo->currentIndex();
    if (comboRow < 0 || m_setPane.setIsEmpty())
        return;
    const int position = m_ui.favoriteCombo->currentData().toInt();
    std::unique_ptr<FavoriteSet> favorite = loadFavorite(m_folder, m_master, position);
    if (!favorite) {
        showMessage(m_dialog, loadFailedText(), MessageIcon::Error);
        return;
    }
    const QString question =
        CManualEditDlg::tr("現在の装備を '%1' に上書きしてよろしいですか？").arg(toQString(favorite->title));
    if (messageBoxService().showWithCaption(m_dialog, CManualEditDlg::tr("お気に入り上書き確認"), question,
                                            MessageIcon::Question, MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    CFavoriteDataInputDlg input(m_dialog);
    input.setTitle(favorite->title);
    input.setComment(favorite->comment);
    if (input.exec() != QDialog::Accepted)
        return;
    // The store waits for the folder's lock off the UI thread, on copies.
    BackgroundFileTask::start(
        m_dialog, savingText(),
        [folder = m_folder, position, storedPath = favorite->storedPath, sex = m_picker.radioSex(),
         job = m_picker.radioJob(), set = m_edited.set, title = input.title(), comment = input.comment()] {
            return zeku::overwriteFavorite(folder, position, storedPath, sex, job, set, title, comment);
        },
        [this, comboRow, position](bool saved) {
            if (!saved) {
                showMessage(m_dialog, saveFailedText(), MessageIcon::Error);
                return;
            }
            fillFavoriteCombo();
            m_ui.favoriteCombo->setCurrentIndex(comboRow);
            if (std::unique_ptr<FavoriteSet> reread = loadFavorite(m_folder, m_master, position)) {
                m_ui.titleField->setText(toQString(reread->title));
                m_ui.commentField->setText(toQString(reread->comment));
            }
            updateFavoriteButtons();
        });
}

} // namespace zeku
