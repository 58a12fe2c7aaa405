// The manual equipment editor: its three modes, the filters, choosing pieces
// with the sex and job question, jewels, emptying, favourites and the skill filter.

#include "DialogTestSupport.h"
#include "UiFixtures.h"
#include "report/ClipText.h"
#include "support/TestSupport.h"
#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/lists/CDataSelectListCtrl.h"
#include "ui/lists/CEquipListCtrl.h"
#include "ui/lists/CJewelListCtrl.h"
#include "ui/platform/ClipboardService.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/Favorites.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace zeku;
using namespace zeku::test;

namespace {

constexpr int kMale = 1004, kFemale = 1005, kBlade = 1006, kGunner = 1007;
constexpr int kTabWeapon = 1031, kTabHead = 1011, kTabBody = 1027, kTabJewel = 1032;
constexpr int kWeaponList = 1015, kEquipList = 1000, kJewelList = 1008, kSetView = 1002;
constexpr int kChoose = 1009, kAttachWeapon = 1010, kAttachHead = 1016, kRemoveItem = 1012, kRemoveJewels = 1014;
constexpr int kRemoveAllJewels = 1023, kRemoveAll = 1013, kClip = 1042;
constexpr int kFavoriteCombo = 1043, kShow = 1025, kOverwrite = 1036, kAddFavorite = 1044;
constexpr int kTitle = 1047, kComment = 1046, kSexLabel = 1048, kJobLabel = 1049, kOk = 1037, kClose = 1022;
constexpr int kName = 1021, kMatchAll = 1218, kMatchAny = 1219, kFilterEdit = 1033, kFilterClear = 1034;

// Selects the row of `list` whose first column reads `name`.
void pick(QWidget* dlg, int list, const QString& name)
{
    auto* view = ctl<ReportListView>(dlg, list);
    const int row = static_cast<int>(columnTexts(*view, 0).indexOf(name));
    QVERIFY2(row >= 0, qPrintable(name));
    view->selectSingleRow(row);
}

bool enabled(const QWidget* dlg, int id)
{
    return ctl<QWidget>(dlg, id)->isEnabled();
}

} // namespace

class TestManualEdit : public QObject {
    Q_OBJECT

private:
    MasterData m_master;
    ExclusionSet m_exclusions;
    StartupSettings m_settings;

    const EquipItem* head(int i) const { return &m_master.equip(PartHead).items()[static_cast<std::size_t>(i)]; }
    const Jewel* jewel(int i) const { return &m_master.jewels().items()[static_cast<std::size_t>(i)]; }

    std::unique_ptr<CManualEditDlg> open(const UserFolder& folder, ManualEditInput input = {})
    {
        return std::make_unique<CManualEditDlg>(m_master, m_exclusions, m_settings, folder, input);
    }

private Q_SLOTS:
    void initTestCase() { buildSampleMaster(m_master); }

    void opensEmpty()
    {
        TempDir dir;
        auto dlg = open(UserFolder(dir.path()));
        QCOMPARE(dlg->windowTitle(), QStringLiteral("装備手動選択"));
        QVERIFY(ctl<QRadioButton>(dlg.get(), kMale)->isChecked());
        QVERIFY(ctl<QRadioButton>(dlg.get(), kBlade)->isChecked());
        QVERIFY(ctl<QRadioButton>(dlg.get(), kTabHead)->isChecked());
        QVERIFY(ctl<QCheckBox>(dlg.get(), 1220)->isChecked());
        QCOMPARE(ctl<QComboBox>(dlg.get(), 1052)->currentText(), QStringLiteral("全て"));
        QVERIFY(ctl<QPushButton>(dlg.get(), kOk)->isHidden());
        QCOMPARE(ctl<QPushButton>(dlg.get(), kClose)->text(), QStringLiteral("閉じる"));
        QVERIFY(ctl<QWidget>(dlg.get(), kWeaponList)->isHidden());
        QVERIFY(!ctl<QWidget>(dlg.get(), kEquipList)->isHidden());
        // Male blade users: both-sex pieces and the male blade cap, by rarity then name.
        QCOMPARE(columnTexts(*ctl<QAbstractItemView>(dlg.get(), kEquipList), 0),
                 (QStringList{QStringLiteral("レザーキャップ"), QStringLiteral("アイアンヘルム"),
                              QStringLiteral("ボーンヘルム")}));
        for (int id : {kRemoveItem, kRemoveAll, kRemoveAllJewels, kRemoveJewels, kClip, kAddFavorite, kChoose})
            QVERIFY(!enabled(dlg.get(), id));
        QVERIFY(!enabled(dlg.get(), kFavoriteCombo));
        QVERIFY(!enabled(dlg.get(), kMatchAll) && !enabled(dlg.get(), kFilterClear));
        QCOMPARE(ctl<QLabel>(dlg.get(), kSexLabel)->text(), QString());
        QCOMPARE(ctl<QLineEdit>(dlg.get(), kName)->accessibleName(), QStringLiteral("名称絞込"));
        QCOMPARE(ctl<QPushButton>(dlg.get(), kChoose)->accessibleName(), QStringLiteral("選択"));
    }

    void enterEndsTheDialogAndKeepsTheNameFilter()
    {
        // Enter presses OK where the dialog shows one, else "閉じる"; never "解除".
        for (const bool fixedCondition : {false, true}) {
            TempDir dir;
            ManualEditInput input;
            input.fixedCondition = fixedCondition;
            auto dlg = open(UserFolder(dir.path()), input);
            dlg->show();
            auto* name = ctl<QLineEdit>(dlg.get(), kName);
            name->setFocus();
            name->setText(QStringLiteral("ア"));
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(name->text(), QStringLiteral("ア"));
            QVERIFY(!dlg->isVisible());
            QCOMPARE(dlg->result(), int(fixedCondition ? QDialog::Accepted : QDialog::Rejected));
        }
    }

    void replacingAPieceDropsItsJewels()
    {
        TempDir dir;
        auto dlg = open(UserFolder(dir.path()));
        pick(dlg.get(), kEquipList, QStringLiteral("アイアンヘルム"));
        click(dlg.get(), kChoose);
        QCOMPARE(dlg->editedSet().piece(PartHead), head(0));
        QCOMPARE(dlg->setSex(), kSexMale);
        QCOMPARE(ctl<QLabel>(dlg.get(), kJobLabel)->text(), QStringLiteral("剣士"));
        QCOMPARE(ctl<ReportListView>(dlg.get(), kSetView)->selectedRow(), 1);
        click(dlg.get(), kTabJewel);
        QVERIFY(ctl<QWidget>(dlg.get(), kChoose)->isHidden());
        pick(dlg.get(), kJewelList, QStringLiteral("攻撃珠"));
        QVERIFY(!enabled(dlg.get(), kAttachWeapon)); // no weapon
        click(dlg.get(), kAttachHead);
        QCOMPARE(dlg->editedSet().pieceSlots(PartHead).jewels.size(), std::size_t{1});
        QCOMPARE(dlg->editedSet().totals().valueOf(kGuard), int16_t{-2});
        QVERIFY(!enabled(dlg.get(), kAttachHead)); // its one slot is used
        QVERIFY(enabled(dlg.get(), kRemoveAllJewels));
        click(dlg.get(), kTabHead);
        pick(dlg.get(), kEquipList, QStringLiteral("ボーンヘルム"));
        click(dlg.get(), kChoose);
        QCOMPARE(dlg->editedSet().piece(PartHead), head(3));
        QVERIFY(dlg->editedSet().pieceSlots(PartHead).jewels.empty());
        QCOMPARE(dlg->editedSet().totals().valueOf(kGuard), int16_t{0});
        QCOMPARE(dlg->editedSet().totals().valueOf(kAttack), int16_t{3});
        QVERIFY(!enabled(dlg.get(), kRemoveAllJewels));
    }

    void attachNeedsRoomInTheHolder()
    {
        TempDir dir;
        auto dlg = open(UserFolder(dir.path()));
        click(dlg.get(), kTabWeapon);
        pick(dlg.get(), kWeaponList, QStringLiteral("武器スロット１"));
        click(dlg.get(), kChoose);
        QCOMPARE(ctl<ReportListView>(dlg.get(), kSetView)->selectedRow(), 0);
        click(dlg.get(), kTabJewel);
        pick(dlg.get(), kJewelList, QStringLiteral("火耐珠")); // needs two
        QVERIFY(!enabled(dlg.get(), kAttachWeapon));
        QVERIFY(!enabled(dlg.get(), kAttachHead)); // no head piece
        pick(dlg.get(), kJewelList, QStringLiteral("防御珠"));
        QVERIFY(enabled(dlg.get(), kAttachWeapon));
        click(dlg.get(), kAttachWeapon);
        QCOMPARE(dlg->editedSet().weaponSlots().jewels, std::vector<const Jewel*>{jewel(1)});
        QVERIFY(!enabled(dlg.get(), kAttachWeapon));
    }

    void sexAndJobQuestion()
    {
        TempDir dir;
        ScriptedMessageBoxService boxes;
        ManualEditInput input;
        input.sex = kSexFemale;
        input.job = kJobGunner;
        input.set.setPiece(PartHead, head(2));
        input.set.addPieceJewels(PartHead, {jewel(1)});
        auto dlg = open(UserFolder(dir.path()), input);
        QVERIFY(ctl<QRadioButton>(dlg.get(), kFemale)->isChecked());
        QVERIFY(ctl<QRadioButton>(dlg.get(), kGunner)->isChecked());
        // The radio alone keeps the piece.
        click(dlg.get(), kMale);
        QCOMPARE(dlg->editedSet().piece(PartHead), head(2));
        click(dlg.get(), kTabBody);
        pick(dlg.get(), kEquipList, QStringLiteral("アイアンメイル"));

        boxes.queueAnswer(MessageAnswer::Cancel);
        click(dlg.get(), kChoose);
        QCOMPARE(boxes.shown().size(), std::size_t{1});
        QCOMPARE(boxes.shown()[0].text,
                 QStringLiteral("条件が変更されました。\n装備できない防具を外しますがよろしいですか？"));
        QCOMPARE(boxes.shown()[0].caption, QStringLiteral("装備選択確認"));
        QCOMPARE(boxes.shown()[0].buttons, MessageButtons::OkCancel);
        QCOMPARE(boxes.shown()[0].icon, MessageIcon::Question);
        QCOMPARE(dlg->editedSet().piece(PartHead), head(2));
        QCOMPARE(dlg->editedSet().pieceSlots(PartHead).jewels.size(), std::size_t{1});
        QVERIFY(dlg->editedSet().piece(PartBody) == nullptr);
        QCOMPARE(dlg->setSex(), kSexFemale);
        QCOMPARE(ctl<QLabel>(dlg.get(), kSexLabel)->text(), QStringLiteral("女"));

        boxes.queueAnswer(MessageAnswer::Ok);
        click(dlg.get(), kChoose);
        QVERIFY(dlg->editedSet().piece(PartHead) == nullptr);
        QVERIFY(dlg->editedSet().piece(PartBody) != nullptr);
        QCOMPARE(dlg->editedSet().totals().valueOf(kGuard), int16_t{0});
        QCOMPARE(dlg->setSex(), kSexMale);
        QCOMPARE(dlg->setJob(), kJobGunner);
    }

    void aNewPieceForTheSamePartAsksNothing()
    {
        TempDir dir;
        ScriptedMessageBoxService boxes;
        ManualEditInput input;
        input.sex = kSexFemale;
        input.job = kJobGunner;
        input.set.setPiece(PartHead, head(2));
        input.set.setPiece(PartBody, &m_master.equip(PartBody).items()[0]); // both sexes: never removed
        auto dlg = open(UserFolder(dir.path()), input);
        click(dlg.get(), kMale);
        pick(dlg.get(), kEquipList, QStringLiteral("ボーンヘルム"));
        click(dlg.get(), kChoose);
        QVERIFY(boxes.shown().empty());
        QCOMPARE(dlg->editedSet().piece(PartHead), head(3));
        QVERIFY(dlg->editedSet().piece(PartBody) != nullptr);
    }

    void removingTheLastItemClearsTitleCommentAndLabels()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ManualEditInput input;
        input.sex = kSexMale;
        input.job = kJobBlade;
        input.set.setPiece(PartHead, head(1));
        QVERIFY(saveNewFavorite(folder, kSexMale, kJobBlade, input.set, sj("お気に入り"), sj("メモ")));
        auto dlg = open(folder, input);
        auto* combo = ctl<QComboBox>(dlg.get(), kFavoriteCombo);
        QCOMPARE(combo->count(), 1);
        QVERIFY(!enabled(dlg.get(), kShow));
        combo->setCurrentIndex(0);
        click(dlg.get(), kShow);
        QCOMPARE(ctl<QLineEdit>(dlg.get(), kTitle)->text(), QStringLiteral("お気に入り"));
        QCOMPARE(ctl<QLineEdit>(dlg.get(), kComment)->text(), QStringLiteral("メモ"));
        ctl<ReportListView>(dlg.get(), kSetView)->selectSingleRow(1);
        QVERIFY(enabled(dlg.get(), kRemoveItem));
        QVERIFY(!enabled(dlg.get(), kRemoveJewels));
        click(dlg.get(), kRemoveItem);
        QVERIFY(ctl<QLineEdit>(dlg.get(), kTitle)->text().isEmpty());
        QVERIFY(ctl<QLineEdit>(dlg.get(), kComment)->text().isEmpty());
        QVERIFY(ctl<QLabel>(dlg.get(), kSexLabel)->text().isEmpty());
        QVERIFY(ctl<QLabel>(dlg.get(), kJobLabel)->text().isEmpty());
        QCOMPARE(dlg->setSex(), uint16_t{0});
        QVERIFY(!enabled(dlg.get(), kOverwrite));
        QVERIFY(!enabled(dlg.get(), kRemoveAll));
    }

    void fixedConditionModeListsFittingFavourites()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        // The index keeps the sex and job of each favourite's pieces.
        EquipSet maleBlade, femaleGunner, set;
        maleBlade.setPiece(PartHead, head(1));
        femaleGunner.setPiece(PartHead, head(2));
        set.setPiece(PartHead, head(0));
        QVERIFY(saveNewFavorite(folder, kSexMale, kJobBlade, maleBlade, sj("男剣士"), ""));
        QVERIFY(saveNewFavorite(folder, kSexFemale, kJobGunner, femaleGunner, sj("女ガンナー"), ""));
        QVERIFY(saveNewFavorite(folder, kSexMale, kJobBlade, set, sj("共通"), ""));
        ManualEditInput input;
        input.sex = kSexMale;
        input.job = kJobBlade;
        input.set = set;
        input.fixedCondition = true;
        auto dlg = open(folder, input);
        auto* combo = ctl<QComboBox>(dlg.get(), kFavoriteCombo);
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("男剣士"));
        QCOMPARE(combo->itemText(1), QStringLiteral("共通"));
        QCOMPARE(combo->itemData(1).toInt(), 2); // the index position
        QCOMPARE(ctl<QPushButton>(dlg.get(), kClose)->text(), QStringLiteral("キャンセル"));
        QVERIFY(!ctl<QPushButton>(dlg.get(), kOk)->isHidden());
        for (int id : {kMale, kFemale, kBlade, kGunner})
            QVERIFY(!enabled(dlg.get(), id));
        // Without fixed condition every favourite is listed.
        input.fixedCondition = false;
        QCOMPARE(ctl<QComboBox>(open(folder, input).get(), kFavoriteCombo)->count(), 3);
        click(dlg.get(), kOk);
        QCOMPARE(dlg->result(), int(QDialog::Accepted));
        QCOMPARE(dlg->editedSet().piece(PartHead), head(0));
    }

    void removingChosenJewels()
    {
        TempDir dir;
        ManualEditInput input;
        input.set.setPiece(PartHead, head(3));
        input.set.addPieceJewels(PartHead, {jewel(0), jewel(1), jewel(0)});
        auto dlg = open(UserFolder(dir.path()), input);
        ctl<ReportListView>(dlg.get(), kSetView)->selectSingleRow(1);
        std::size_t rows = 0;
        whenModal([&rows](QWidget* remover) {
            auto* view = ctl<QAbstractItemView>(remover, 1209);
            rows = static_cast<std::size_t>(view->model()->rowCount());
            setRowChecked(view, 0, true);
            setRowChecked(view, 1, true);
            click(remover, 1);
        });
        click(dlg.get(), kRemoveJewels);
        QCOMPARE(rows, std::size_t{3});
        QCOMPARE(dlg->editedSet().pieceSlots(PartHead).jewels, std::vector<const Jewel*>{jewel(0)});
        QCOMPARE(dlg->editedSet().totals().valueOf(kAttack), int16_t{4});
        click(dlg.get(), kRemoveAllJewels);
        QVERIFY(dlg->editedSet().pieceSlots(PartHead).jewels.empty());
        QCOMPARE(dlg->editedSet().totals().valueOf(kAttack), int16_t{3});
        click(dlg.get(), kRemoveAll);
        QVERIFY(dlg->editedSet().piece(PartHead) == nullptr);
    }

    void addAndOverwriteFavourites()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ScriptedMessageBoxService boxes;
        auto dlg = open(folder);
        pick(dlg.get(), kEquipList, QStringLiteral("レザーキャップ"));
        click(dlg.get(), kChoose);
        QString offered;
        whenModal([&offered](QWidget* input) {
            offered = ctl<QLineEdit>(input, 1049)->text();
            ctl<QLineEdit>(input, 1050)->setText(QStringLiteral("初めて"));
            static_cast<QDialog*>(input)->accept();
        });
        click(dlg.get(), kAddFavorite);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(offered, QStringLiteral("剣士装備(男)"));
        auto* combo = ctl<QComboBox>(dlg.get(), kFavoriteCombo);
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(ctl<QLineEdit>(dlg.get(), kComment)->text(), QStringLiteral("初めて"));

        // Overwrite: asked first, then new texts; the radios give sex and job.
        click(dlg.get(), kTabWeapon);
        pick(dlg.get(), kWeaponList, QStringLiteral("武器スロット２"));
        click(dlg.get(), kChoose);
        whenModal([](QWidget* input) {
            ctl<QLineEdit>(input, 1049)->setText(QStringLiteral("改訂"));
            static_cast<QDialog*>(input)->accept();
        });
        click(dlg.get(), kOverwrite);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("現在の装備を '剣士装備(男)' に上書きしてよろしいですか？"));
        QCOMPARE(boxes.shown().back().caption, QStringLiteral("お気に入り上書き確認"));
        QCOMPARE(combo->itemText(0), QStringLiteral("改訂"));
        QCOMPARE(ctl<QLineEdit>(dlg.get(), kTitle)->text(), QStringLiteral("改訂"));
        std::unique_ptr<FavoriteSet> stored = loadFavorite(folder, m_master, 0);
        QVERIFY(stored);
        QVERIFY(stored->equipment.weapon() != nullptr);
        QCOMPARE(stored->equipment.weapon()->slots, uint16_t{2});

        // Cancel at the question leaves the favourite alone.
        boxes.queueAnswer(MessageAnswer::Cancel);
        click(dlg.get(), kRemoveAll);
        pick(dlg.get(), kEquipList, QStringLiteral("アイアンヘルム"));
        click(dlg.get(), kTabHead);
        pick(dlg.get(), kEquipList, QStringLiteral("アイアンヘルム"));
        click(dlg.get(), kChoose);
        click(dlg.get(), kOverwrite);
        QVERIFY(loadFavorite(folder, m_master, 0)->equipment.weapon() != nullptr);

        // Showing it brings the stored set back.
        click(dlg.get(), kShow);
        QVERIFY(dlg->editedSet().weapon() != nullptr);
        QVERIFY(dlg->editedSet().piece(PartHead) != nullptr);
        QCOMPARE(dlg->editedSet().piece(PartHead), head(1));
    }

    void storingWaitsForTheFolderLockWithoutFreezing()
    {
        // Another process holds the favourites folder's lock: the editor
        // stores in the background, keeps serving queued calls and shows the
        // wait window; the favourite is listed once the lock is free.
        TempDir dir;
        UserFolder folder(dir.path());
        std::filesystem::create_directories(folder.favoriteFolder());
        QProcess holder;
        QVERIFY(holdFolderLock(holder, folder.favoriteFolder()));
        auto dlg = open(folder);
        dlg->show();
        pick(dlg.get(), kEquipList, QStringLiteral("レザーキャップ"));
        click(dlg.get(), kChoose);
        whenModal([](QWidget* input) { static_cast<QDialog*>(input)->accept(); });
        click(dlg.get(), kAddFavorite);
        bool queuedCallRan = false;
        QTimer::singleShot(0, dlg.get(), [&queuedCallRan] { queuedCallRan = true; });
        QTRY_VERIFY(queuedCallRan);
        QTRY_VERIFY(dlg->findChild<CMessageDlg*>() && dlg->findChild<CMessageDlg*>()->isVisible());
        QCOMPARE(dlg->findChild<CMessageDlg*>()->line1(), QStringLiteral("保存中です。"));
        QCOMPARE(holder.state(), QProcess::Running); // the lock is still held
        QCOMPARE(ctl<QComboBox>(dlg.get(), kFavoriteCombo)->count(), 0);

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QVERIFY(!dlg->findChild<CMessageDlg*>());
        QCOMPARE(ctl<QComboBox>(dlg.get(), kFavoriteCombo)->count(), 1);
        FavoriteIndex index(folder);
        QVERIFY(index.load());
        QCOMPARE(index.count(), 1);
    }

    void skillFilterSaveWaitsForTheUserFolderLock()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        QProcess holder;
        QVERIFY(holdFolderLock(holder, folder.root()));
        m_settings.filterSkills(kJobBlade) = {kGuard};
        auto dlg = open(folder);
        dlg->show();
        whenModal([](QWidget* filter) { click(filter, 1); });
        click(dlg.get(), kFilterEdit);
        QTRY_VERIFY(dlg->findChild<CMessageDlg*>() && dlg->findChild<CMessageDlg*>()->isVisible());
        QVERIFY(!std::filesystem::exists(folder.startupFile()));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QVERIFY(std::filesystem::exists(folder.startupFile()));
        m_settings.filterSkills(kJobBlade).clear();
    }

    void favouriteWithMissingItemsLoadsWithoutThem()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        RecordingErrorReporter errors;
        EquipItem gone;
        gone.part = PartBody;
        gone.name = sj("幻のメイル");
        EquipSet set;
        set.setPiece(PartHead, head(0));
        set.setPiece(PartBody, &gone);
        QVERIFY(saveNewFavorite(folder, kSexMale, kJobBlade, set, sj("古い装備"), ""));
        auto dlg = open(folder);
        ctl<QComboBox>(dlg.get(), kFavoriteCombo)->setCurrentIndex(0);
        click(dlg.get(), kShow);
        QCOMPARE(errors.messages.size(), std::size_t{1});
        QVERIFY(errors.messages[0].find("幻のメイル") != std::string::npos ||
                errors.messages[0].find(sj("幻のメイル")) != std::string::npos);
        QCOMPARE(dlg->editedSet().piece(PartHead), head(0));
        QVERIFY(dlg->editedSet().piece(PartBody) == nullptr);
        QCOMPARE(ctl<QLineEdit>(dlg.get(), kTitle)->text(), QStringLiteral("古い装備"));

        // A favourite whose file is gone cannot be shown.
        ScriptedMessageBoxService boxes;
        std::filesystem::remove_all(folder.favoriteFolder());
        std::filesystem::create_directories(folder.favoriteFolder());
        FavoriteIndex index(folder);
        index.append(sj("消えた"), "", "user\\Favorite\\none.dat", 0, 0);
        QVERIFY(index.save());
        auto again = open(folder);
        ctl<QComboBox>(again.get(), kFavoriteCombo)->setCurrentIndex(0);
        click(again.get(), kShow);
        QCOMPARE(boxes.shown().size(), std::size_t{1});
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("データの読み込み処理で異常が発生しました"));
        QCOMPARE(boxes.shown()[0].icon, MessageIcon::Error);
    }

    void clipCopiesTheSetText()
    {
        TempDir dir;
        RecordingClipboardService clipboard;
        ManualEditInput input;
        input.set.setPiece(PartHead, head(0));
        auto dlg = open(UserFolder(dir.path()), input);
        click(dlg.get(), kClip);
        QCOMPARE(clipboard.texts().size(), std::size_t{1});
        QCOMPARE(clipboard.texts()[0], buildClipText(dlg->editedSet(), m_master.skills()));
    }

    void nameFilterPerTab()
    {
        TempDir dir;
        auto dlg = open(UserFolder(dir.path()));
        auto* name = ctl<QLineEdit>(dlg.get(), kName);
        name->setText(QStringLiteral("ボーン"));
        QCOMPARE(columnTexts(*ctl<QAbstractItemView>(dlg.get(), kEquipList), 0),
                 QStringList{QStringLiteral("ボーンヘルム")});
        QVERIFY(enabled(dlg.get(), 1035));
        click(dlg.get(), kTabJewel);
        QVERIFY(name->text().isEmpty());
        QCOMPARE(columnTexts(*ctl<QAbstractItemView>(dlg.get(), kJewelList), 0).size(), 4);
        name->setText(QStringLiteral("防"));
        QCOMPARE(columnTexts(*ctl<QAbstractItemView>(dlg.get(), kJewelList), 0), QStringList{QStringLiteral("防御珠")});
        click(dlg.get(), kTabBody);
        QCOMPARE(name->text(), QStringLiteral("ボーン"));
        QVERIFY(columnTexts(*ctl<QAbstractItemView>(dlg.get(), kEquipList), 0).isEmpty());
        click(dlg.get(), 1035);
        QCOMPARE(columnTexts(*ctl<QAbstractItemView>(dlg.get(), kEquipList), 0).size(), 1);
        QVERIFY(!enabled(dlg.get(), 1035));
    }

    void rightClickRegistersAndRefilters()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ExcludedSkillList skills;
        SPartSet sParts;
        int32_t fEx = 0, fSk = 0, fSp = 0;
        StandingLists lists{folder, m_exclusions, skills, sParts, fEx, fSk, fSp};
        auto dlg = open(folder);
        auto* equip = ctl<CEquipListCtrl>(dlg.get(), kEquipList);
        QuickMenu menu;
        QVERIFY(equip->quickMenuFor(0, menu));
        QVERIFY(!menu.excludeEnabled); // nobody listens yet
        dlg->enableQuickRegistration(lists);
        QVERIFY(equip->quickMenuFor(0, menu));
        QVERIFY(menu.excludeEnabled && menu.sPartEnabled);
        QCOMPARE(menu.registration.piece, head(1)); // レザーキャップ, the first row
        whenModal([](QWidget* quick) {
            setRowChecked(ctl<QAbstractItemView>(quick, 1170), 0, true);
            click(quick, 1);
        });
        Q_EMIT equip->quickExcludeRequested(menu.registration);
        QVERIFY(m_exclusions.contains(*head(1)));
        QVERIFY(!columnTexts(*equip, 0).contains(QStringLiteral("レザーキャップ")));
        whenModal([](QWidget* quick) {
            setRowChecked(ctl<QAbstractItemView>(quick, 1201), 0, true);
            click(quick, 1);
        });
        Q_EMIT equip->quickSPartRequested(menu.registration);
        QVERIFY(sParts.contains(*head(1)));
        m_exclusions.clear();
    }

    void skillFilterChoosesAndClears()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        m_settings.filterSkills(kJobBlade) = {kGuard};
        auto dlg = open(folder);
        auto* equip = ctl<QAbstractItemView>(dlg.get(), kEquipList);
        whenModal([](QWidget* filter) {
            auto* left = ctl<QAbstractItemView>(filter, 1213);
            selectRows(left, {static_cast<int>(columnTexts(*left, 0).indexOf(QStringLiteral("攻撃")))});
            click(filter, 1215);
            click(filter, 1);
        });
        click(dlg.get(), kFilterEdit);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(dlg->filterSkills(kJobBlade), std::vector<uint16_t>{kAttack});
        QCOMPARE(m_settings.filterSkills(kJobBlade), (std::vector<uint16_t>{kAttack, kGuard}));
        QVERIFY(std::filesystem::exists(folder.startupFile()));
        QVERIFY(ctl<QRadioButton>(dlg.get(), kMatchAll)->isChecked());
        QCOMPARE(columnTexts(*equip, 0),
                 (QStringList{QStringLiteral("アイアンヘルム"), QStringLiteral("ボーンヘルム")}));
        // The job's own list: gunners have no filter yet.
        click(dlg.get(), kGunner);
        QVERIFY(!enabled(dlg.get(), kFilterClear));
        click(dlg.get(), kBlade);
        QVERIFY(enabled(dlg.get(), kMatchAny));
        click(dlg.get(), kFilterClear);
        QVERIFY(dlg->filterSkills(kJobBlade).empty());
        QVERIFY(!ctl<QRadioButton>(dlg.get(), kMatchAll)->isChecked());
        QVERIFY(!ctl<QRadioButton>(dlg.get(), kMatchAny)->isChecked());
        QCOMPARE(columnTexts(*equip, 0).size(), 3);
        // A new editor starts with no chosen trees; the candidates stay.
        auto again = open(folder);
        QVERIFY(again->filterSkills(kJobBlade).empty());
        QCOMPARE(m_settings.filterSkills(kJobBlade).size(), std::size_t{2});
        m_settings.filterSkills(kJobBlade).clear();
    }
};

QTEST_MAIN(TestManualEdit)
#include "ManualEditTest.moc"
