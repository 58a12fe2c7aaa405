// The condition area of the main window, driven by control id: the initial
// state, the skill choosers and wanted skills, sex and job with the fixed
// pieces that no longer fit, the fixed-list check rules, the list switches,
// exact jewel fitting within jewel use and the checks of "検索".

#include "MainWindowFixture.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/lists/CFixEquipListCtrl.h"
#include "ui/lists/CFixJewelListCtrl.h"
#include "ui/lists/CRequireSkillListCtrl.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace zeku;
using namespace zeku::test;

namespace {

QStringList comboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Checks or unchecks a row as the user's click would.
void toggleRow(QAbstractItemView* list, int row, bool checked)
{
    list->model()->setData(list->model()->index(row, 0), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

const QString kAttack = QStringLiteral("攻撃");

} // namespace

class TestMainWindowCondition : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithTheDefaults()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        QCOMPARE(window.windowTitle(), QStringLiteral("ZEKU 0.047"));
        QVERIFY(ctl<QRadioButton>(window, 1038)->isChecked() && !ctl<QRadioButton>(window, 1039)->isChecked());
        QVERIFY(ctl<QRadioButton>(window, 1040)->isChecked() && !ctl<QRadioButton>(window, 1041)->isChecked());
        auto* rarity = ctl<QComboBox>(window, 1053);
        QCOMPARE(rarity->count(), 26);
        QCOMPARE(rarity->currentText(), QStringLiteral("全て"));
        QCOMPARE(ctl<QLineEdit>(window, 1101)->text(), QStringLiteral("0"));
        QCOMPARE(ctl<QLineEdit>(window, 1101)->maxLength(), 4);
        QCOMPARE(ctl<QLineEdit>(window, 1094)->text(), QStringLiteral("10000"));
        QCOMPARE(ctl<QLineEdit>(window, 1094)->maxLength(), 6);
        QVERIFY(ctl<QCheckBox>(window, 1096)->isChecked());
        QCOMPARE(comboTexts(ctl<QComboBox>(window, 1062)),
                 QStringList({"全て", "よく使うスキル", "攻撃", "防御", "採取"}));
        auto* skills = ctl<QComboBox>(window, 1106);
        QCOMPARE(comboTexts(skills),
                 QStringList({"よく使うスキル", " ┗なし", "攻撃", " ┣攻撃力UP【小】", " ┣攻撃力UP【大】",
                              " ┗攻撃力DOWN【小】", "防御", " ┗防御力UP【小】", "採取", " ┗なし"}));
        QCOMPARE(skills->currentIndex(), -1);
        for (int id : {1067, 1064, 1068, 1090, 1069, 1110, 1093, 1095, 1057, 1058, 1092})
            QVERIFY2(!ctl(window, id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {1088, 1037, 1044, 1043, 1045, 1046, 1070, 1054})
            QVERIFY2(ctl(window, id)->isEnabled(), qPrintable(QString::number(id)));
        QCOMPARE(window.minimumSize(), QSize(820, 630));
    }

    void rarityRowsCarryTheirCodes()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        auto* rarity = ctl<QComboBox>(window, 1053);
        QCOMPARE(rarity->itemData(rarity->findText(QStringLiteral("1 のみ"))).toInt(), 1);
        QCOMPARE(rarity->itemData(rarity->findText(QStringLiteral("2 以上"))).toInt(), 102);
        QCOMPARE(rarity->itemData(rarity->findText(QStringLiteral("3 以下"))).toInt(), -3);
        window.setRarityCode(102);
        QCOMPARE(rarity->currentText(), QStringLiteral("2 以上"));
        window.setRarityCode(0);
        QCOMPARE(rarity->currentIndex(), 0);
    }

    void addingASkillOfAWantedTreeReplacesItsPoints()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        addWantedSkill(window, kAttack, QStringLiteral("攻撃力UP【小】"));
        addWantedSkill(window, QStringLiteral("防御"), QStringLiteral("防御力UP【小】"));
        addWantedSkill(window, kAttack, QStringLiteral("攻撃力UP【大】"));
        QCOMPARE(window.wantedSkills().size(), std::size_t(2));
        QCOMPARE(window.wantedSkills()[0].treeId, uint16_t(1));
        QCOMPARE(window.wantedSkills()[0].points, int16_t(15));
        auto* list = ctl<CRequireSkillListCtrl>(window, 1063);
        QCOMPARE(list->selectedRow(), 0);
        QCOMPARE(ctl<QLabel>(window, 1066)->text(), kAttack);
        QCOMPARE(ctl<QLineEdit>(window, 1064)->text(), QStringLiteral("15"));
        QVERIFY(ctl(window, 1090)->isEnabled() && ctl(window, 1068)->isEnabled() && ctl(window, 1069)->isEnabled());

        // The favourites chooser lists nothing before a search; a tree lists its skills.
        auto* trees = ctl<QComboBox>(window, 1062);
        trees->setCurrentIndex(1);
        QCOMPARE(ctl<QComboBox>(window, 1106)->count(), 0);
        QVERIFY(!ctl(window, 1067)->isEnabled());
        trees->setCurrentIndex(2);
        QCOMPARE(comboTexts(ctl<QComboBox>(window, 1106)),
                 QStringList({"攻撃力UP【小】", "攻撃力UP【大】", "攻撃力DOWN【小】"}));
        QCOMPARE(ctl<QComboBox>(window, 1106)->currentIndex(), 0);
    }

    void adjustAcceptsOnlyNonZeroValuesWithinNinetyNine()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        CSearchDlg window(fixture.app());
        addWantedSkill(window, kAttack, QStringLiteral("攻撃力UP【小】"));
        auto* points = ctl<QLineEdit>(window, 1064);
        for (const char* bad : {"0", "100", "-100"}) {
            points->setText(QString::fromLatin1(bad));
            clickControl(window, 1090);
            QCOMPARE(boxes.shown().back().text, QStringLiteral("スキル値の範囲は -99～99 (0を除く) です。"));
            QCOMPARE(boxes.shown().back().icon, MessageIcon::Information);
            QCOMPARE(window.wantedSkills()[0].points, int16_t(10));
        }
        points->setText(QStringLiteral("-99"));
        clickControl(window, 1090);
        QCOMPARE(window.wantedSkills()[0].points, int16_t(-99));
        QCOMPARE(points->palette().color(QPalette::Text), QColor(255, 0, 0));
        points->setText(QStringLiteral("99"));
        clickControl(window, 1090);
        QCOMPARE(window.wantedSkills()[0].points, int16_t(99));
        QCOMPARE(boxes.shown().size(), std::size_t(3));
        QCOMPARE(ctl<CRequireSkillListCtrl>(window, 1063)->selectedRow(), 0);
    }

    void removeSelectsTheNextAndRemoveAllEmpties()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        addWantedSkill(window, kAttack, QStringLiteral("攻撃力UP【小】"));
        addWantedSkill(window, QStringLiteral("防御"), QStringLiteral("防御力UP【小】"));
        auto* list = ctl<CRequireSkillListCtrl>(window, 1063);
        list->selectSingleRow(1);
        clickControl(window, 1068);
        QCOMPARE(window.wantedSkills().size(), std::size_t(1));
        QCOMPARE(list->selectedRow(), 0); // the last one
        QCOMPARE(ctl<QLabel>(window, 1066)->text(), kAttack);
        addWantedSkill(window, QStringLiteral("防御"), QStringLiteral("防御力UP【小】"));
        clickControl(window, 1069);
        QVERIFY(window.wantedSkills().empty());
        QCOMPARE(ctl<QLabel>(window, 1066)->text(), QString());
        QCOMPARE(ctl<QLineEdit>(window, 1064)->text(), QStringLiteral("0"));
        QVERIFY(!ctl(window, 1069)->isEnabled() && !ctl(window, 1068)->isEnabled());
    }

    void sexAndJobRemoveFixedPiecesThatNoLongerFit()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        EquipSet fixed;
        fixed.setPiece(PartHead, fixture.piece(PartHead, "男頭"));
        fixed.setPiece(PartBody, fixture.piece(PartBody, "鉄胴"));
        window.replaceFixedSet(fixed);
        clickControl(window, 1039);
        QVERIFY(ctl<QRadioButton>(window, 1039)->isChecked() && !ctl<QRadioButton>(window, 1038)->isChecked());
        QCOMPARE(window.fixedSet().piece(PartHead), nullptr);
        QCOMPARE(window.fixedSet().piece(PartBody), fixture.piece(PartBody, "鉄胴"));

        // Clicking the job already chosen changes nothing, not even the choosers.
        auto* trees = ctl<QComboBox>(window, 1062);
        trees->setCurrentIndex(3);
        clickControl(window, 1040);
        QVERIFY(ctl<QRadioButton>(window, 1040)->isChecked());
        QCOMPARE(trees->currentIndex(), 3);

        fixed.clear();
        fixed.setPiece(PartHead, fixture.piece(PartHead, "銃頭"));
        fixed.setPiece(PartBody, fixture.piece(PartBody, "鉄胴"));
        window.replaceFixedSet(fixed);
        clickControl(window, 1041);
        QVERIFY(ctl<QRadioButton>(window, 1041)->isChecked() && !ctl<QRadioButton>(window, 1040)->isChecked());
        QCOMPARE(trees->currentIndex(), 0); // refilled for the other job
        QVERIFY(window.fixedSet().piece(PartHead) != nullptr);
        clickControl(window, 1040);
        QCOMPARE(window.fixedSet().piece(PartHead), nullptr);
        QVERIFY(window.fixedSet().piece(PartBody) != nullptr);
    }

    void fixedListsFollowTheCheckRules()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        EquipSet fixed;
        fixed.setPiece(PartHead, fixture.piece(PartHead, "鉄頭"));
        fixed.addPieceJewels(PartHead, {&fixture.app().jewels().items()[0]});
        fixed.setPiece(PartBody, fixture.piece(PartBody, "鉄胴"));
        window.replaceFixedSet(fixed);
        auto* pieces = ctl<CFixEquipListCtrl>(window, 1059);
        auto* jewels = ctl<CFixJewelListCtrl>(window, 1060);
        auto* all = ctl<QCheckBox>(window, 1212);
        QVERIFY(!pieces->isChecked(0) && pieces->isChecked(1) && pieces->isChecked(2) && !pieces->isChecked(3));
        QVERIFY(jewels->isChecked(1) && !jewels->isChecked(2));
        QVERIFY(all->isChecked());

        toggleRow(pieces, 1, false); // the jewels go with their piece
        QVERIFY(!pieces->isChecked(1) && !jewels->isChecked(1));
        QVERIFY(!all->isChecked());
        toggleRow(jewels, 1, true); // and the piece comes with its jewels
        QVERIFY(pieces->isChecked(1) && jewels->isChecked(1));
        QVERIFY(all->isChecked());
        toggleRow(pieces, 3, true); // an empty row cannot be checked
        QVERIFY(!pieces->isChecked(3));
        toggleRow(jewels, 2, true); // nor a row without jewels
        QVERIFY(!jewels->isChecked(2));

        all->click();
        for (int row = 0; row < 6; ++row)
            QVERIFY(!pieces->isChecked(row) && !jewels->isChecked(row));
        all->click();
        QVERIFY(pieces->isChecked(1) && pieces->isChecked(2) && jewels->isChecked(1));
        QVERIFY(!pieces->isChecked(0) && !jewels->isChecked(2));
    }

    void fixedEquipmentEditorReplacesTheFixedSetOnOk()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        EquipSet fixed;
        fixed.setPiece(PartBody, fixture.piece(PartBody, "鉄胴"));
        window.replaceFixedSet(fixed);
        QStringList opened;
        bool minimisedMeanwhile = false;
        int answer = QDialog::Rejected;
        setDialogRunner([&](QDialog& dialog) -> int {
            opened << QString::fromLatin1(dialog.metaObject()->className());
            minimisedMeanwhile = window.isMinimized();
            return answer;
        });
        clickControl(window, 1088);
        QCOMPARE(opened, QStringList({"zeku::CManualEditDlg"}));
        QVERIFY(minimisedMeanwhile);
        QVERIFY(!window.isMinimized());
        QCOMPARE(window.fixedSet().piece(PartBody), fixture.piece(PartBody, "鉄胴"));

        window.replaceFixedSet(EquipSet());
        answer = QDialog::Accepted; // an editor started from the empty set gives it back
        clickControl(window, 1088);
        QCOMPARE(window.fixedSet().piece(PartBody), nullptr);
        clickControl(window, 1037);
        QCOMPARE(opened.size(), 3);
        setDialogRunner({});
    }

    void listEditorsOpenOnTheApplicationsLists()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        QStringList opened;
        const auto closeNextModal = [&opened] {
            QTimer::singleShot(0, [&opened] {
                QWidget* modal = QApplication::activeModalWidget();
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    opened << QString::fromLatin1(dialog->metaObject()->className());
                    dialog->reject();
                }
            });
        };
        for (int id : {1043, 1045, 1046}) {
            closeNextModal();
            clickControl(window, id);
        }
        QCOMPARE(opened,
                 QStringList({"zeku::CExclusiveItemEditDlg", "zeku::CExclusiveSkillEditDlg", "zeku::CSPartsEditDlg"}));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void switchesNeedAListAndSayWhy()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        CSearchDlg window(fixture.app());
        const struct {
            int id;
            const char* message;
        } cases[] = {
            {1099, "除外アイテムが登録されていません\n編集ボタンを押して登録してください"},
            {1107, "除外スキルが登録されていません\n編集ボタンを押して登録してください"},
            {1111, "Ｓ防具が登録されていません\n編集ボタンを押して登録してください"},
        };
        for (const auto& c : cases) {
            ctl<QCheckBox>(window, c.id)->click();
            QVERIFY(!ctl<QCheckBox>(window, c.id)->isChecked());
            QCOMPARE(boxes.shown().back().text, QString::fromUtf8(c.message));
        }
        fixture.app().sParts().add(*fixture.piece(PartLeg, "鉄脚"));
        ctl<QCheckBox>(window, 1111)->click();
        QVERIFY(ctl<QCheckBox>(window, 1111)->isChecked());
        fixture.app().sParts().clear();
        ctl<QCheckBox>(window, 1111)->click(); // turning off needs no list
        QVERIFY(!ctl<QCheckBox>(window, 1111)->isChecked());
        QCOMPARE(boxes.shown().size(), std::size_t(3));
    }

    void searchChecksSkillsAndExcludedSkills()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        CSearchDlg window(fixture.app());
        clickControl(window, 1070);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("スキル条件を入力してください"));
        QVERIFY(window.isEnabled());

        fixture.app().excludedSkills().add(1, 10);
        ctl<QCheckBox>(window, 1107)->click();
        addWantedSkill(window, kAttack, QStringLiteral("攻撃力UP【小】"));
        clickControl(window, 1070);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("'攻撃 (攻撃力UP【小】)' は除外スキルに登録されています\n"));

        // Points that reach the excluded threshold but activate no named skill.
        fixture.app().excludedSkills().clear();
        fixture.app().excludedSkills().add(1, 5);
        ctl<QLineEdit>(window, 1064)->setText(QStringLiteral("6"));
        clickControl(window, 1090);
        clickControl(window, 1070);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("'攻撃 (6)' は除外スキルに登録されています\n"));

        fixture.app().excludedSkills().clear();
        fixture.app().excludedSkills().add(1, -5);
        ctl<QLineEdit>(window, 1064)->setText(QStringLiteral("-10"));
        clickControl(window, 1090);
        clickControl(window, 1070);
        QCOMPARE(boxes.shown().back().text,
                 QStringLiteral("'攻撃 (攻撃力DOWN【小】)' は除外スキルに登録されています\n"));
        QVERIFY(window.isEnabled());
        QCOMPARE(boxes.shown().size(), std::size_t(4));

        // An excluded skill above the wanted points lets the search start.
        fixture.app().excludedSkills().clear();
        fixture.app().excludedSkills().add(1, 15);
        ctl<QLineEdit>(window, 1064)->setText(QStringLiteral("10"));
        clickControl(window, 1090);
        ctl<QLineEdit>(window, 1094)->clear();
        clickControl(window, 1070);
        QCOMPARE(boxes.shown().size(), std::size_t(4));
        QCOMPARE(ctl<QLineEdit>(window, 1094)->text(), QStringLiteral("10000"));
        QCOMPARE(window.currentCondition().maxResults, uint32_t(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), 20000);
        QVERIFY(window.progressWindow());
        window.progressWindow()->reject(); // "ＯＫ"
        QVERIFY(window.isEnabled());
        // The search counted the wanted skill as a favourite of the job.
        QCOMPARE(fixture.app().startupSettings().favoriteSkills(1).entries.size(), std::size_t(1));
        ctl<QComboBox>(window, 1062)->setCurrentIndex(1);
        QCOMPARE(comboTexts(ctl<QComboBox>(window, 1106)), QStringList({"攻撃力UP【小】"}));
    }

    void exactJewelsIsAChoiceWithinJewels()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        auto* jewels = ctl<QCheckBox>(window, 1096);
        auto* exact = ctl<QCheckBox>(window, 1247);
        QCOMPARE(exact->text(), QStringLiteral("装飾品を全組合せで判定"));
        QCOMPARE(exact->accessibleName(), exact->text());
        QVERIFY(!exact->isChecked() && exact->isEnabled());
        jewels->click();
        QVERIFY(!exact->isEnabled());
        jewels->click();
        QVERIFY(exact->isEnabled());
        exact->click();
        addWantedSkill(window, kAttack, QStringLiteral("攻撃力UP【小】"));
        for (bool withJewels : {true, false}) {
            if (!withJewels)
                jewels->click(); // the box stays checked but counts only with jewels
            clickControl(window, 1070);
            QCOMPARE(window.currentCondition().exactJewels, withJewels);
            QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), 20000);
            QVERIFY(window.progressWindow());
            window.progressWindow()->reject();
        }
    }
};

QTEST_MAIN(TestMainWindowCondition)
#include "MainWindowConditionTest.moc"
