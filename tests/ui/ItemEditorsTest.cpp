// The excluded-item and S-part editors and the two quick registration
// dialogs: filling, filters, moves, the protocol with the caller, and what
// the quick dialogs write.

#include "DialogTestSupport.h"
#include "UiFixtures.h"
#include "support/TestSupport.h"
#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/CExclusiveItemEditDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/dialogs/CQuickExclusiveRegistDlg.h"
#include "ui/dialogs/CQuickSPartsRegistDlg.h"
#include "ui/dialogs/CSPartsEditDlg.h"
#include "ui/lists/CItemListCtrl.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/ItemListFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace zeku;
using namespace zeku::test;

namespace {

// Exclusion editor ids.
constexpr int kLeft = 1095, kRight = 1096, kLeftTotals = 1205, kRightTotals = 1206;
constexpr int kKindAll = 1124, kKindHead = 1125, kKindJewel = 1130, kSexFemaleRadio = 1117;
constexpr int kName = 1121, kNameClear = 1123;
constexpr int kAdd = 1067, kRemove = 1068, kAddAll = 1069, kRemoveAll = 1070, kReload = 3, kSave = 1115;

QStringList shownNames(const QWidget* dlg, int list)
{
    return columnTexts(*ctl<CItemListCtrl>(dlg, list), 2);
}

// Every piece and jewel of the sample master.
std::size_t catalogueSize(const MasterData& m)
{
    std::size_t n = m.jewels().items().size();
    for (int p = 0; p < kPartCount; ++p)
        n += m.equip(p).items().size();
    return n;
}

} // namespace

class TestItemEditors : public QObject {
    Q_OBJECT

private:
    MasterData m_master;

    const EquipItem& head(int i) const { return m_master.equip(PartHead).items()[static_cast<std::size_t>(i)]; }
    const Jewel& jewel(int i) const { return m_master.jewels().items()[static_cast<std::size_t>(i)]; }

private Q_SLOTS:
    void initTestCase() { buildSampleMaster(m_master); }

    void fillsBothListsFromTheUserList()
    {
        ExclusionSet set;
        set.add(head(1));
        set.add(jewel(2));
        CExclusiveItemEditDlg dlg(m_master, set, 0);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("除外アイテム編集"));
        QCOMPARE(shownNames(&dlg, kRight), (QStringList{QStringLiteral("レザーキャップ"), QStringLiteral("火耐珠")}));
        QCOMPARE(shownNames(&dlg, kLeft).size(), static_cast<int>(catalogueSize(m_master)) - 2);
        QVERIFY(ctl<QRadioButton>(&dlg, kKindAll)->isChecked());
        QVERIFY(ctl<QRadioButton>(&dlg, 1122)->isChecked());
        QVERIFY(ctl<QRadioButton>(&dlg, 1131)->isChecked());
        QVERIFY(!ctl<QCheckBox>(&dlg, kSave)->isChecked());
        QCOMPARE(ctl<QLabel>(&dlg, kRightTotals)->text(), QStringLiteral("アイテム数：2 (全て：2)"));
        // The other count covers every kind whatever the filter.
        click(&dlg, kKindJewel);
        QCOMPARE(ctl<QLabel>(&dlg, kRightTotals)->text(), QStringLiteral("アイテム数：1 (全て：2)"));
        QVERIFY(!ctl<QPushButton>(&dlg, kAdd)->isEnabled());
        QVERIFY(ctl<QPushButton>(&dlg, kRemoveAll)->isEnabled());
        QCOMPARE(ctl<QComboBox>(&dlg, 1120)->accessibleName(), QStringLiteral("レア"));
        QCOMPARE(ctl<QAbstractItemView>(&dlg, kLeft)->accessibleName(), QStringLiteral("検索対象アイテム"));
        QCOMPARE(ctl<QPushButton>(&dlg, kAddAll)->accessibleName(), QStringLiteral("全追加→"));
    }

    void addAllMovesOnlyTheShownKind()
    {
        ExclusionSet set;
        CExclusiveItemEditDlg dlg(m_master, set, 1);
        click(&dlg, kKindHead);
        QCOMPARE(shownNames(&dlg, kLeft).size(), 4);
        click(&dlg, kAddAll);
        QVERIFY(shownNames(&dlg, kLeft).isEmpty());
        QCOMPARE(shownNames(&dlg, kRight).size(), 4);
        QVERIFY(!ctl<QPushButton>(&dlg, kAddAll)->isEnabled());
        ExclusionSet edited = dlg.editedList();
        QCOMPARE(edited.total(), std::size_t{4});
        QCOMPARE(edited.pieces(PartHead).size(), std::size_t{4});
        // With "全て" everything that is left moves.
        click(&dlg, kKindAll);
        click(&dlg, kAddAll);
        QCOMPARE(dlg.editedList().total(), catalogueSize(m_master));
        QCOMPARE(ctl<QLabel>(&dlg, kLeftTotals)->text(), QStringLiteral("アイテム数：0 (全て：0)"));
    }

    void movedEntriesComeLastAndSelectedUntilRefiltered()
    {
        ExclusionSet set;
        set.add(head(0));
        set.add(head(3));
        CExclusiveItemEditDlg dlg(m_master, set, 1);
        auto* left = ctl<CItemListCtrl>(&dlg, kLeft);
        auto* right = ctl<CItemListCtrl>(&dlg, kRight);
        // The jewel "攻撃珠" (rarity 1) would sort before both rarity-2 heads.
        const int row = static_cast<int>(shownNames(&dlg, kLeft).indexOf(QStringLiteral("攻撃珠")));
        QVERIFY(row >= 0);
        selectRows(left, {row});
        QVERIFY(ctl<QPushButton>(&dlg, kAdd)->isEnabled());
        click(&dlg, kAdd);
        QCOMPARE(shownNames(&dlg, kRight).last(), QStringLiteral("攻撃珠"));
        QCOMPARE(right->selectedRowNumbers(), (std::vector<int>{2}));
        QVERIFY(ctl<QPushButton>(&dlg, kRemove)->isEnabled());
        QVERIFY(!shownNames(&dlg, kLeft).contains(QStringLiteral("攻撃珠")));
        // A refilter lists the parts first, each by rarity then name, then jewels.
        click(&dlg, kSexFemaleRadio);
        QCOMPARE(shownNames(&dlg, kRight), (QStringList{QStringLiteral("アイアンヘルム"),
                                                        QStringLiteral("ボーンヘルム"), QStringLiteral("攻撃珠")}));
        // Back again.
        selectRows(right, {2});
        click(&dlg, kRemove);
        QCOMPARE(shownNames(&dlg, kLeft).last(), QStringLiteral("攻撃珠"));
    }

    void nameFilterMatchesAndRefusesNothingSilently()
    {
        ExclusionSet set;
        CExclusiveItemEditDlg dlg(m_master, set, 1);
        auto* name = ctl<QLineEdit>(&dlg, kName);
        QCOMPARE(name->accessibleName(), QStringLiteral("名称"));
        name->setText(QStringLiteral("ヘルム"));
        QCOMPARE(shownNames(&dlg, kLeft).size(), 3);
        // A character no item name can hold shows nothing rather than something else.
        name->setText(QStringLiteral("ヘルム\U0001F600"));
        QVERIFY(shownNames(&dlg, kLeft).isEmpty());
        click(&dlg, kNameClear);
        QVERIFY(name->text().isEmpty());
        QCOMPARE(shownNames(&dlg, kLeft).size(), static_cast<int>(catalogueSize(m_master)));
    }

    void sPartEditorListsArmourOnly()
    {
        SPartSet set;
        set.add(head(2));
        CSPartsEditDlg dlg(m_master, set, 1);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Ｓ防具編集"));
        QCOMPARE(shownNames(&dlg, 1197), QStringList{QStringLiteral("ソウルヘルム")});
        QCOMPARE(shownNames(&dlg, 1192).size(), static_cast<int>(catalogueSize(m_master) - 4 - 1));
        QVERIFY(ctl<QCheckBox>(&dlg, 1199)->isChecked());
        click(&dlg, 1186); // 頭
        click(&dlg, 1195); // 全追加→
        SPartSet edited = dlg.editedList();
        QCOMPARE(edited.pieces(PartHead).size(), std::size_t{4});
        QCOMPARE(edited.total(), std::size_t{4});
    }

    void protocolAppliesOkAndDropsCancelAndReload()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ExclusionSet list;
        list.add(head(0));
        int32_t flag = 1;

        // Cancel after moves: nothing changes, nothing written.
        whenModal([](QWidget* dlg) {
            click(dlg, kAddAll);
            click(dlg, 2);
        });
        QCOMPARE(CExclusiveItemEditDlg::editList(m_master, folder, list, flag), int(QDialog::Rejected));
        QCOMPARE(list.total(), std::size_t{1});
        QVERIFY(!std::filesystem::exists(folder.exclusiveItemFile()));

        // Reload drops the moves and reopens from the file; OK then takes the
        // second editor's list, writes it and remembers the unchecked flag.
        ExclusionSet onDisk;
        onDisk.add(jewel(1));
        QVERIFY(saveExclusionList(folder, onDisk));
        QStringList reopened;
        whenModal([&reopened](QWidget* dlg) {
            click(dlg, kAddAll);
            whenModal([&reopened](QWidget* second) {
                reopened = shownNames(second, kRight);
                selectRows(ctl<CItemListCtrl>(second, kLeft), {0});
                click(second, kAdd);
                ctl<QCheckBox>(second, kSave)->setChecked(false);
                click(second, 1);
            });
            click(dlg, kReload);
        });
        QCOMPARE(CExclusiveItemEditDlg::editList(m_master, folder, list, flag), int(QDialog::Accepted));
        QCOMPARE(reopened, QStringList{QStringLiteral("防御珠")});
        QCOMPARE(list.total(), std::size_t{2});
        QVERIFY(list.contains(jewel(1)));
        QCOMPARE(flag, 0);
        ExclusionSet reread;
        QVERIFY(loadExclusionList(folder, m_master, reread));
        QVERIFY(reread.equals(onDisk)); // not saved: the flag was off

        // OK with the flag on writes the file.
        whenModal([](QWidget* dlg) {
            ctl<QCheckBox>(dlg, kSave)->setChecked(true);
            click(dlg, 1);
        });
        QCOMPARE(CExclusiveItemEditDlg::editList(m_master, folder, list, flag), int(QDialog::Accepted));
        QCOMPARE(flag, 1);
        QVERIFY(loadExclusionList(folder, m_master, reread));
        QVERIFY(reread.equals(list));
    }

    void saveAsksWhenAnotherWindowSavedTheListMeanwhile()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ExclusionSet list;
        ListFileStamp stamp;
        QVERIFY(!loadExclusionList(folder, m_master, list, &stamp)); // no file yet
        ExclusionSet other;
        other.add(jewel(1));
        QVERIFY(saveExclusionList(folder, other)); // another window's save
        const std::string theirs = zeku::test::readFileBytes(folder.exclusiveItemFile());

        ScriptedMessageBoxService messages;
        int32_t flag = 1;
        // No keeps the other window's file; Yes overwrites it.
        for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            messages.queueAnswer(answer);
            whenModal([](QWidget* dlg) {
                selectRows(ctl<CItemListCtrl>(dlg, kLeft), {0});
                click(dlg, kAdd);
                click(dlg, 1);
            });
            QCOMPARE(CExclusiveItemEditDlg::editList(m_master, folder, list, flag, nullptr, &stamp),
                     int(QDialog::Accepted));
            if (answer == MessageAnswer::No)
                QCOMPARE(zeku::test::readFileBytes(folder.exclusiveItemFile()), theirs);
        }
        QCOMPARE(int(messages.shown().size()), 2);
        QVERIFY(messages.shown()[0].text.contains(QStringLiteral("他のウィンドウで変更されています")));
        QCOMPARE(messages.shown()[0].buttons, MessageButtons::YesNo);
        ExclusionSet reread;
        QVERIFY(loadExclusionList(folder, m_master, reread));
        QVERIFY(reread.equals(list));
        QCOMPARE(list.total(), std::size_t{2});
    }

    void saveOverAWindowWaitsForTheLockThenAsks()
    {
        // With a window to own it, the save waits for the user folder's lock
        // behind the wait window; the question about another window's save
        // comes after that first attempt, and Yes writes this list.
        TempDir dir;
        UserFolder folder(dir.path());
        ExclusionSet list;
        ListFileStamp stamp;
        QVERIFY(!loadExclusionList(folder, m_master, list, &stamp)); // no file yet
        ExclusionSet other;
        other.add(jewel(1));
        QVERIFY(saveExclusionList(folder, other)); // another window's save
        QWidget owner;
        owner.show();
        QProcess holder;
        QVERIFY(holdFolderLock(holder, folder.root()));
        ScriptedMessageBoxService messages;
        messages.queueAnswer(MessageAnswer::Yes);
        int32_t flag = 1;
        whenModal([](QWidget* dlg) {
            selectRows(ctl<CItemListCtrl>(dlg, kLeft), {0});
            click(dlg, kAdd);
            click(dlg, 1);
        });
        QCOMPARE(CExclusiveItemEditDlg::editList(m_master, folder, list, flag, &owner, &stamp), int(QDialog::Accepted));
        QTRY_VERIFY(owner.findChild<CMessageDlg*>() && owner.findChild<CMessageDlg*>()->isVisible());
        QVERIFY(messages.shown().empty());
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(int(messages.shown().size()), 1);
        QVERIFY(messages.shown()[0].text.contains(QStringLiteral("他のウィンドウで変更されています")));
        ExclusionSet reread;
        QVERIFY(loadExclusionList(folder, m_master, reread));
        QVERIFY(reread.equals(list));
        QCOMPARE(list.total(), std::size_t{1});
    }

    void quickExclusionListsARepeatedJewelOnce()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ExclusionSet exclusions;
        exclusions.add(jewel(0));
        ExcludedSkillList skills;
        SPartSet sParts;
        int32_t fEx = 0, fSk = 1, fSp = 1;
        StandingLists lists{folder, exclusions, skills, sParts, fEx, fSk, fSp};
        QuickRegistration what;
        what.jewels = {&jewel(0), &jewel(1), &jewel(0), &jewel(0)};
        CQuickExclusiveRegistDlg dlg(m_master.skills(), what, lists);
        auto* view = ctl<QAbstractItemView>(&dlg, 1170);
        QCOMPARE(dlg.rowCount(), 2);
        QCOMPARE(headers(*view),
                 (QStringList{QStringLiteral("\u3000"), QStringLiteral("名称"), QStringLiteral("状態")}));
        QCOMPARE(columnTexts(*view, 0), (QStringList{QStringLiteral("珠"), QStringLiteral("珠")}));
        QCOMPARE(columnTexts(*view, 2), (QStringList{QStringLiteral("登録済"), QString()}));
        QVERIFY(!ctl<QCheckBox>(&dlg, 1171)->isChecked()); // the remembered exclusion flag
        QVERIFY(!ctl<QPushButton>(&dlg, 1)->isEnabled());

        // Only the registered row checked: nothing written, flag unchanged.
        setRowChecked(view, 0, true);
        QVERIFY(ctl<QPushButton>(&dlg, 1)->isEnabled());
        ctl<QCheckBox>(&dlg, 1171)->setChecked(true);
        click(&dlg, 1);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(exclusions.total(), std::size_t{1});
        QCOMPARE(fEx, 0);
        QVERIFY(!std::filesystem::exists(folder.exclusiveItemFile()));
    }

    void quickExclusionWritesWhatItAdded()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ExclusionSet exclusions;
        ExcludedSkillList skills;
        skills.add(kAttack, 10);
        SPartSet sParts;
        int32_t fEx = 1, fSk = 0, fSp = 1;
        StandingLists lists{folder, exclusions, skills, sParts, fEx, fSk, fSp};
        QuickRegistration what;
        what.skillTreeName = sj("攻撃");
        CQuickExclusiveRegistDlg dlg(m_master.skills(), what, lists);
        auto* view = ctl<QAbstractItemView>(&dlg, 1170);
        QCOMPARE(columnTexts(*view, 1), (QStringList{QStringLiteral("攻撃力UP【小】"), QStringLiteral("攻撃力UP【大】"),
                                                     QStringLiteral("攻撃力DOWN【小】")}));
        QCOMPARE(columnTexts(*view, 2), (QStringList{QStringLiteral("登録済"), QString(), QString()}));
        QCOMPARE(cellForeground(*view, 2, 1), colors::kNegativeText);
        QVERIFY(cellForeground(*view, 1, 1) != colors::kNegativeText);
        QVERIFY(!ctl<QCheckBox>(&dlg, 1171)->isChecked()); // the remembered skill flag
        setRowChecked(view, 2, true);
        setRowChecked(view, 2, false);
        QVERIFY(!ctl<QPushButton>(&dlg, 1)->isEnabled());
        setRowChecked(view, 0, true);
        setRowChecked(view, 2, true);
        ctl<QCheckBox>(&dlg, 1171)->setChecked(true);
        click(&dlg, 1);
        QCOMPARE(skills.total(), std::size_t{2});
        QVERIFY(skills.contains(kAttack, -10));
        QCOMPARE(fSk, 1);
        QCOMPARE(fEx, 1);
        ExcludedSkillList reread;
        QVERIFY(loadExcludedSkills(folder, reread));
        QVERIFY(reread.equals(skills));
        QVERIFY(!std::filesystem::exists(folder.exclusiveItemFile()));
    }

    void quickExclusionOverAWindowWritesBothListsOnceTheLockIsFree()
    {
        // The quick window closes at once; its two files are written one
        // after the other behind the wait window over the window that opened it.
        TempDir dir;
        UserFolder folder(dir.path());
        ExclusionSet exclusions;
        ExcludedSkillList skills;
        SPartSet sParts;
        int32_t fEx = 1, fSk = 1, fSp = 1;
        StandingLists lists{folder, exclusions, skills, sParts, fEx, fSk, fSp};
        QuickRegistration what;
        what.jewels = {&jewel(1)};
        what.skillTreeName = sj("攻撃");
        QWidget owner;
        owner.show();
        QProcess holder;
        QVERIFY(holdFolderLock(holder, folder.root()));
        {
            CQuickExclusiveRegistDlg dlg(m_master.skills(), what, lists, &owner);
            auto* view = ctl<QAbstractItemView>(&dlg, 1170);
            for (int row = 0; row < dlg.rowCount(); ++row)
                setRowChecked(view, row, true);
            click(&dlg, 1);
        }
        QTRY_VERIFY(owner.findChild<CMessageDlg*>() && owner.findChild<CMessageDlg*>()->isVisible());
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        ExclusionSet items;
        QVERIFY(loadExclusionList(folder, m_master, items));
        QVERIFY(items.equals(exclusions) && items.contains(jewel(1)));
        ExcludedSkillList reread;
        QVERIFY(loadExcludedSkills(folder, reread));
        QVERIFY(reread.equals(skills) && skills.total() > 0);
    }

    void quickSPartRegistersOnePiece()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ExclusionSet exclusions;
        ExcludedSkillList skills;
        SPartSet sParts;
        int32_t fEx = 1, fSk = 1, fSp = 1;
        StandingLists lists{folder, exclusions, skills, sParts, fEx, fSk, fSp};
        {
            CQuickSPartsRegistDlg dlg(head(2), lists);
            auto* view = ctl<QAbstractItemView>(&dlg, 1201);
            QCOMPARE(columnTexts(*view, 0), QStringList{QStringLiteral("頭")});
            QCOMPARE(columnTexts(*view, 2), QStringList{QString()});
            ctl<QCheckBox>(&dlg, 1202)->setChecked(false);
            setRowChecked(view, 0, true);
            click(&dlg, 1);
        }
        QVERIFY(sParts.contains(head(2)));
        QCOMPARE(fSp, 0);
        QVERIFY(!std::filesystem::exists(folder.sPartsFile()));
        CQuickSPartsRegistDlg again(head(2), lists);
        QCOMPARE(cellText(*ctl<QAbstractItemView>(&again, 1201), 0, 2), QStringLiteral("登録済"));
        QVERIFY(!ctl<QCheckBox>(&again, 1202)->isChecked());
    }
};

QTEST_MAIN(TestItemEditors)
#include "ItemEditorsTest.moc"
