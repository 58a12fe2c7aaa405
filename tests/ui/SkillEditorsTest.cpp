// The excluded-skill editor and the skill filter dialog.

#include "DialogTestSupport.h"
#include "UiFixtures.h"
#include "support/TestSupport.h"
#include "ui/dialogs/CExclusiveSkillEditDlg.h"
#include "ui/dialogs/CSkillFilterDlg.h"
#include "ui/lists/CExclusiveSkillListCtrl.h"
#include "userfiles/ItemListFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace zeku;
using namespace zeku::test;

namespace {

constexpr int kTreeCombo = 1152, kLeft = 1140, kRight = 1141, kPlus = 1166, kMinus = 1167;
constexpr int kAdd = 1142, kRemove = 1143, kAddAll = 1144, kRemoveAll = 1145, kReload = 1146, kSave = 1147;
constexpr int kFilterLeft = 1213, kFilterRight = 1214, kFilterAdd = 1215, kFilterRemove = 1216;
constexpr int kFilterRemoveAll = 1217;

QStringList skillNames(const QWidget* dlg, int list)
{
    return columnTexts(*ctl<QAbstractItemView>(dlg, list), 1);
}

QStringList treeNames(const QWidget* dlg, int list)
{
    return columnTexts(*ctl<QAbstractItemView>(dlg, list), 0);
}

} // namespace

class TestSkillEditors : public QObject {
    Q_OBJECT

private:
    MasterData m_master;

private Q_SLOTS:
    void initTestCase() { buildSampleMaster(m_master); }

    void excludedSkillEditorSplitsAndFilters()
    {
        ExcludedSkillList list;
        list.add(kAttack, -10);
        list.add(kGuard, 10);
        CExclusiveSkillEditDlg dlg(m_master.skills(), list, 1);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("除外スキル編集"));
        QCOMPARE(skillNames(&dlg, kRight),
                 (QStringList{QStringLiteral("攻撃力DOWN【小】"), QStringLiteral("防御力UP【小】")}));
        // Tree ascending, points descending.
        QCOMPARE(skillNames(&dlg, kLeft),
                 (QStringList{QStringLiteral("攻撃力UP【大】"), QStringLiteral("攻撃力UP【小】"),
                              QStringLiteral("防御力DOWN【小】"), QStringLiteral("火耐性+10")}));
        auto* combo = ctl<QComboBox>(&dlg, kTreeCombo);
        QCOMPARE(combo->count(), 5);
        QCOMPARE(combo->itemText(0), QStringLiteral("すべて"));
        QCOMPARE(combo->accessibleName(), QStringLiteral("スキル系統"));
        QVERIFY(ctl<QCheckBox>(&dlg, kSave)->isChecked());
        QCOMPARE(ctl<QLabel>(&dlg, 1207)->text(), QStringLiteral("アイテム数：4 (全て：4)"));

        combo->setCurrentIndex(1); // 攻撃
        QCOMPARE(skillNames(&dlg, kLeft).size(), 2);
        QCOMPARE(skillNames(&dlg, kRight), QStringList{QStringLiteral("攻撃力DOWN【小】")});
        QCOMPARE(ctl<QLabel>(&dlg, 1208)->text(), QStringLiteral("アイテム数：1 (全て：2)"));
        ctl<QCheckBox>(&dlg, kPlus)->click();
        QVERIFY(skillNames(&dlg, kLeft).isEmpty());
        QVERIFY(!ctl<QPushButton>(&dlg, kAddAll)->isEnabled());
        ctl<QCheckBox>(&dlg, kMinus)->click();
        QVERIFY(skillNames(&dlg, kRight).isEmpty());
        ctl<QCheckBox>(&dlg, kPlus)->click();
        ctl<QCheckBox>(&dlg, kMinus)->click();
        combo->setCurrentIndex(0);
        QCOMPARE(skillNames(&dlg, kLeft).size(), 4);
    }

    void excludedSkillMovesAndUnknownEntriesDropped()
    {
        ExcludedSkillList list;
        list.add(kFire, 10);
        list.add(kAttack, 15); // no activation at 15
        list.add(99, 10); // no such tree
        CExclusiveSkillEditDlg dlg(m_master.skills(), list, 0);
        QCOMPARE(skillNames(&dlg, kRight), QStringList{QStringLiteral("火耐性+10")});
        selectRows(ctl<QAbstractItemView>(&dlg, kLeft), {0, 2});
        click(&dlg, kAdd);
        QCOMPARE(skillNames(&dlg, kRight), (QStringList{QStringLiteral("火耐性+10"), QStringLiteral("攻撃力UP【大】"),
                                                        QStringLiteral("攻撃力DOWN【小】")}));
        QCOMPARE(ctl<CExclusiveSkillListCtrl>(&dlg, kRight)->selectedRowNumbers(), (std::vector<int>{1, 2}));
        ExcludedSkillList edited = dlg.editedList();
        QCOMPARE(edited.total(), std::size_t{3});
        // Master order: tree id ascending, then points descending; no names.
        QCOMPARE(edited.entries()[0].treeId, kAttack);
        QCOMPARE(edited.entries()[0].threshold, int16_t{20});
        QCOMPARE(edited.entries()[1].threshold, int16_t{-10});
        QCOMPARE(edited.entries()[2].treeId, kFire);
        QVERIFY(edited.entries()[0].name.empty());
        QVERIFY(!edited.contains(kAttack, 15));
        QVERIFY(!edited.contains(99, 10));
        click(&dlg, kRemoveAll);
        QVERIFY(skillNames(&dlg, kRight).isEmpty());
        QCOMPARE(dlg.editedList().total(), std::size_t{0});
    }

    void excludedSkillProtocol()
    {
        TempDir dir;
        UserFolder folder(dir.path());
        ExcludedSkillList list;
        list.add(kAttack, 15); // unknown: dropped on OK
        int32_t flag = 1;
        whenModal([](QWidget* dlg) {
            click(dlg, kAddAll);
            click(dlg, kReload);
            whenModal([](QWidget* second) { click(second, 1); });
        });
        QCOMPARE(CExclusiveSkillEditDlg::editList(m_master.skills(), folder, list, flag), int(QDialog::Accepted));
        // The reload read a missing file: an empty list, written back on OK.
        QCOMPARE(list.total(), std::size_t{0});
        QVERIFY(std::filesystem::exists(folder.exclusiveSkillFile()));

        whenModal([](QWidget* dlg) {
            selectRows(ctl<QAbstractItemView>(dlg, kLeft), {5}); // 火耐性+10
            click(dlg, kAdd);
            ctl<QCheckBox>(dlg, kSave)->setChecked(false);
            click(dlg, 1);
        });
        QCOMPARE(CExclusiveSkillEditDlg::editList(m_master.skills(), folder, list, flag), int(QDialog::Accepted));
        QVERIFY(list.contains(kFire, 10));
        QCOMPARE(flag, 0);
        ExcludedSkillList reread;
        QVERIFY(loadExcludedSkills(folder, reread));
        QCOMPARE(reread.total(), std::size_t{0});

        whenModal([](QWidget* dlg) {
            click(dlg, kRemoveAll);
            click(dlg, 2);
        });
        QCOMPARE(CExclusiveSkillEditDlg::editList(m_master.skills(), folder, list, flag), int(QDialog::Rejected));
        QCOMPARE(list.total(), std::size_t{1});
    }

    void skillFilterStartsFromTheChoices()
    {
        CSkillFilterDlg::Choices choices{{kGuard, 1}, {kGather, 0}};
        CSkillFilterDlg dlg(m_master.skills(), choices);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("スキル絞込み"));
        auto* left = ctl<QAbstractItemView>(&dlg, kFilterLeft);
        auto* right = ctl<QAbstractItemView>(&dlg, kFilterRight);
        QCOMPARE(headers(*left), QStringList{QStringLiteral("スキル一覧")});
        QCOMPARE(headers(*right), QStringList{QStringLiteral("絞込スキル")});
        QCOMPARE(treeNames(&dlg, kFilterLeft), (QStringList{QStringLiteral("攻撃"), QStringLiteral("火耐性")}));
        QCOMPARE(treeNames(&dlg, kFilterRight), (QStringList{QStringLiteral("防御"), QStringLiteral("採取")}));
        QVERIFY(rowChecked(right, 0));
        QVERIFY(!rowChecked(right, 1));
        QVERIFY(!ctl<QPushButton>(&dlg, kFilterAdd)->isEnabled());
        QVERIFY(!ctl<QPushButton>(&dlg, kFilterRemove)->isEnabled());
        QVERIFY(ctl<QPushButton>(&dlg, kFilterRemoveAll)->isEnabled());

        // Both left rows move, checked, selected at the end; the left list is empty.
        selectRows(left, {0, 1});
        click(&dlg, kFilterAdd);
        QCOMPARE(treeNames(&dlg, kFilterRight).size(), 4);
        QVERIFY(rowChecked(right, 2) && rowChecked(right, 3));
        QCOMPARE(ctl<ReportListView>(&dlg, kFilterRight)->selectedRowNumbers(), (std::vector<int>{2, 3}));
        QVERIFY(!ctl<QPushButton>(&dlg, kFilterAdd)->isEnabled());

        // Moving back drops the check; the row after the last moved one is selected.
        selectRows(right, {0});
        click(&dlg, kFilterRemove);
        QCOMPARE(treeNames(&dlg, kFilterLeft), QStringList{QStringLiteral("防御")});
        QCOMPARE(ctl<ReportListView>(&dlg, kFilterRight)->selectedRowNumbers(), (std::vector<int>{0}));
        setRowChecked(right, 2, false); // 火耐性 stays a candidate that does not filter
        click(&dlg, 1);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const CSkillFilterDlg::Choices expected{{kGather, 0}, {kAttack, 1}, {kFire, 0}};
        QVERIFY(dlg.choices() == expected);
    }

    void skillFilterRemoveAllEmptiesTheMap()
    {
        CSkillFilterDlg dlg(m_master.skills(), {{kAttack, 1}, {kFire, 1}});
        click(&dlg, kFilterRemoveAll);
        QVERIFY(treeNames(&dlg, kFilterRight).isEmpty());
        QCOMPARE(treeNames(&dlg, kFilterLeft), (QStringList{QStringLiteral("防御"), QStringLiteral("採取"),
                                                            QStringLiteral("攻撃"), QStringLiteral("火耐性")}));
        QCOMPARE(ctl<ReportListView>(&dlg, kFilterLeft)->selectedRowNumbers(), (std::vector<int>{2, 3}));
        QVERIFY(!ctl<QPushButton>(&dlg, kFilterRemoveAll)->isEnabled());
        click(&dlg, 1);
        QVERIFY(dlg.choices().empty());
    }
};

QTEST_MAIN(TestSkillEditors)
#include "SkillEditorsTest.moc"
