// The manual editor's favourites: the combo, adding, showing and overwriting.

#include "ui/dialogs/CManualEditDlg.h"

#include "ui/dialogs/CFavoriteDataInputDlg.h"
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

} // namespace

void CManualEditDlg::fillFavoriteCombo()
{
    const QSignalBlocker block(m_ui->favoriteCombo);
    m_ui->favoriteCombo->clear();
    FavoriteIndex index(m_folder);
    if (!index.load())
        return;
    for (int i = 0; i < index.count(); ++i) {
        if (m_fixedCondition && !(codeFits(index.sex(i), m_setSex) && codeFits(index.job(i), m_setJob)))
            continue;
        m_ui->favoriteCombo->addItem(toQString(*index.title(i)), i);
    }
    m_ui->favoriteCombo->setCurrentIndex(-1);
}

void CManualEditDlg::updateFavoriteButtons()
{
    const bool chosen = m_ui->favoriteCombo->currentIndex() >= 0;
    m_ui->favoriteCombo->setEnabled(m_ui->favoriteCombo->count() > 0);
    m_ui->showFavorite->setEnabled(chosen);
    m_ui->overwriteFavorite->setEnabled(chosen && !setIsEmpty());
}

void CManualEditDlg::addFavorite()
{
    if (setIsEmpty())
        return;
    std::string title = utf8ToCp932Lossy((m_setJob == kJobBlade ? tr("剣士装備") : tr("ガンナー装備")).toStdString());
    title += utf8ToCp932Lossy((m_setSex == kSexMale ? tr("(男)") : tr("(女)")).toStdString());
    CFavoriteDataInputDlg input(this);
    input.setTitle(title);
    input.setComment(std::string());
    if (input.exec() != QDialog::Accepted)
        return;
    if (!saveNewFavorite(m_folder, m_setSex, m_setJob, m_set, input.title(), input.comment())) {
        showMessage(this, saveFailedText(), MessageIcon::Error);
        return;
    }
    fillFavoriteCombo();
    m_ui->favoriteCombo->setCurrentIndex(m_ui->favoriteCombo->count() - 1);
    m_ui->titleField->setText(toQString(input.title()));
    m_ui->commentField->setText(toQString(input.comment()));
    updateFavoriteButtons();
}

void CManualEditDlg::showFavorite()
{
    const int position = m_ui->favoriteCombo->currentData().toInt();
    if (m_ui->favoriteCombo->currentIndex() < 0)
        return;
    std::unique_ptr<FavoriteSet> favorite = loadFavorite(m_folder, m_master, position);
    if (!favorite) {
        showMessage(this, loadFailedText(), MessageIcon::Error);
        return;
    }
    if (favorite->missing)
        reportMissingItems(*favorite);
    m_set = favorite->equipment;
    m_ui->titleField->setText(toQString(favorite->title));
    m_ui->commentField->setText(toQString(favorite->comment));
    m_setSex = favorite->sex;
    m_setJob = favorite->job;
    updateLabels();
    updateFavoriteButtons();
    redrawSet();
    updatePickButtons();
}

void CManualEditDlg::overwriteFavorite()
{
    const int comboRow = m_ui->favoriteCombo->currentIndex();
    if (comboRow < 0 || setIsEmpty())
        return;
    const int position = m_ui->favoriteCombo->currentData().toInt();
    std::unique_ptr<FavoriteSet> favorite = loadFavorite(m_folder, m_master, position);
    if (!favorite) {
        showMessage(this, loadFailedText(), MessageIcon::Error);
        return;
    }
    const QString question = tr("現在の装備を '%1' に上書きしてよろしいですか？").arg(toQString(favorite->title));
    if (messageBoxService().showWithCaption(this, tr("お気に入り上書き確認"), question, MessageIcon::Question,
                                            MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    CFavoriteDataInputDlg input(this);
    input.setTitle(favorite->title);
    input.setComment(favorite->comment);
    if (input.exec() != QDialog::Accepted)
        return;
    if (!zeku::overwriteFavorite(m_folder, position, favorite->storedPath, radioSex(), radioJob(), m_set, input.title(),
                                 input.comment())) {
        showMessage(this, saveFailedText(), MessageIcon::Error);
        return;
    }
    fillFavoriteCombo();
    m_ui->favoriteCombo->setCurrentIndex(comboRow);
    if (std::unique_ptr<FavoriteSet> reread = loadFavorite(m_folder, m_master, position)) {
        m_ui->titleField->setText(toQString(reread->title));
        m_ui->commentField->setText(toQString(reread->comment));
    }
    updateFavoriteButtons();
}

} // namespace zeku
