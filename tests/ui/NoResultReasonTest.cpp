// The window "見つからない理由" on the bundled sample: offered when "検索"
// completes without a result, it shows the answer the command line gives for
// the same condition, and "この条件にする" makes the chosen change to the main
// window's condition, after which "検索" finds sets.

#include "cli/ExplainCommand.h"
#include "cli/JsonFormat.h"
#include "MainWindowFixture.h"
#include "platform/Cp932.h"
#include "ui/main/CNoResultReasonDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/WindowWorker.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <nlohmann/json.hpp>

#include <algorithm>

namespace zeku::test {

constexpr int kWait = 60000;

// True when `child` is among the accessible children of `parent`, at the index it reports.
bool isAccessibleChild(QWidget* parent, QWidget* child)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(parent);
    for (int i = 0; i < iface->childCount(); ++i)
        if (QAccessibleInterface* c = iface->child(i); c && c->object() == child)
            return iface->indexOfChild(c) == i && c->text(QAccessible::Name) == child->accessibleName();
    return false;
}

class NoResultReasonTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void offeredAfterNothingFoundAgreesWithTheCommandLineAndApplies()
    {
        AppFixture fixture(sampleDatFolder());
        CSimulatorApp& app = fixture.app();
        const TempDir& dir = fixture.dir();
        CSearchDlg window(app);
        window.show();
        // 瞬律 and 烈灯 at 15, rarity at most 4, the head fixed with a jewel: nothing fits.
        window.setSex(1);
        window.setJob(1);
        window.setRarityCode(-4);
        ctl<QCheckBox>(window, 1096)->setChecked(true);
        const std::vector<SkillPoint> wanted{{37, 15}, {76, 15}};
        window.replaceWantedSkills(wanted);
        EquipSet fixed;
        for (const EquipItem& piece : app.master().equip(0).items())
            if (piece.name == utf8ToCp932Lossy("ソンハゴ頭"))
                fixed.setPiece(0, &piece);
        QVERIFY(fixed.piece(0));
        for (const Jewel& jewel : app.master().jewels().items())
            if (jewel.name == utf8ToCp932Lossy("轟甲珠【１】"))
                fixed.addPieceJewel(0, &jewel);
        window.replaceFixedSet(fixed);

        auto* offer = ctl<QPushButton>(window, 1248);
        QVERIFY(!isAccessibleChild(ctl(window, 1061), offer));
        clickControl(window, 1070);
        QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), kWait);
        QCOMPARE(window.currentResults()->count(), 0);
        window.progressWindow()->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QVERIFY(offer->isVisible());
        QCOMPARE(offer->accessibleName(), QStringLiteral("見つからない理由"));
        // The offer has the focus once the main window is enabled again, and
        // screen readers find it among the result list's children.
        QCOMPARE(window.focusWidget(), offer);
        QVERIFY(isAccessibleChild(ctl(window, 1061), offer));

        bool finished = false, mainDisabled = false, progressFull = false, named = true, listGrows = false;
        QString status;
        QStringList shownReaches, shownChanges, printed, texts;
        std::vector<ConditionChange> listed;
        setDialogRunner([&](QDialog& dialog) -> int {
            auto& reason = dynamic_cast<CNoResultReasonDlg&>(dialog);
            mainDisabled = !window.isEnabled();
            finished = QTest::qWaitFor([&] { return !reason.searchRunning(); }, kWait);
            auto* progress = ctl<QProgressBar>(reason, 1252);
            progressFull = progress->value() == progress->maximum();
            for (QWidget* control : reason.findChildren<QWidget*>())
                if (control->property("controlId").isValid() && !qobject_cast<QLabel*>(control))
                    named = named && !control->accessibleName().isEmpty();

            // The table as the command line's reach lines: tree, wanted, reach, met.
            auto* table = ctl<QTableWidget>(reason, 1253);
            for (int row = 0; row < table->rowCount(); ++row)
                shownReaches << QStringLiteral("%1 %2 %3 %4")
                                    .arg(table->item(row, 0)->text(),
                                         QString::number(table->item(row, 1)->text().toInt()),
                                         QString::number(table->item(row, 2)->text().toInt()),
                                         table->item(row, 3)->text().isEmpty() ? "true" : "false");
            auto* list = ctl<QListWidget>(reason, 1255);
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
            listed = reason.listedChanges();
            status = ctl<QLabel>(reason, 1251)->text();
            // Enlarged, the window gives the room to its list of changes.
            reason.show();
            const QSize before = list->size();
            reason.resize(reason.size() + QSize(200, 200));
            QCoreApplication::processEvents();
            listGrows = list->width() > before.width() && list->height() >= before.height() + 100;
            for (const ConditionChange& change : listed)
                shownChanges << QString::fromStdString(changeToJson(change).dump());

            QProcess cli;
            cli.start(QStringLiteral(ZEKU_SEARCH_TOOL),
                      {QStringLiteral("--dat"), QString::fromStdString((dir / "dat").string()),
                       QStringLiteral("--explain"), QStringLiteral("-")});
            cli.write(QByteArray::fromStdString(conditionToJson(reason.explainer().condition()).dump()));
            cli.closeWriteChannel();
            cli.waitForFinished(kWait);
            printed = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

            // "瞬律 を +15 から +10 に下げる".
            const auto lower = std::find_if(listed.begin(), listed.end(), [](const ConditionChange& c) {
                return c.kind == ChangeKind::Lower && c.treeId == 37;
            });
            if (lower != listed.end())
                list->setCurrentRow(static_cast<int>(lower - listed.begin()));
            clickControl(reason, 1256);
            return reason.result();
        });
        clickControl(window, 1248);
        setDialogRunner({});

        QVERIFY(finished);
        QVERIFY(progressFull);
        QVERIFY(mainDisabled);
        QVERIFY(named);
        QVERIFY(listGrows);
        // Changes are counted as ways, not as sets.
        QCOMPARE(status, QStringLiteral("条件を一つ変えると見つかります  %1 通り").arg(listed.size()));
        QVERIFY(window.isEnabled());
        // The change made, the focus is on "検索", not on the window's first control.
        QCOMPARE(window.focusWidget(), ctl(window, 1070));
        // The command line's lines: first the reaches, then the changes.
        QStringList printedReaches, printedChanges;
        for (const QString& line : printed) {
            const nlohmann::json j = nlohmann::json::parse(line.toStdString());
            if (j["kind"] == "reach")
                printedReaches << QStringLiteral("%1 %2 %3 %4")
                                      .arg(QString::fromStdString(j["tree_name"].get<std::string>()))
                                      .arg(j["wanted"].get<int>())
                                      .arg(j["reach"].get<int>())
                                      .arg(j["met"].get<bool>() ? "true" : "false");
            else
                printedChanges << line;
        }
        QCOMPARE(shownReaches, printedReaches);
        QCOMPARE(shownChanges, printedChanges);
        QVERIFY(texts.contains(QStringLiteral("瞬律 を +15 から +10 に下げる")));
        QVERIFY(texts.contains(QStringLiteral("レアを「全て」にする")));
        QVERIFY(texts.contains(QStringLiteral("頭の固定を外す")));

        // Only the chosen wanted skill changed; "検索" now finds sets.
        QCOMPARE(window.wantedSkills().size(), 2u);
        QCOMPARE(window.wantedSkills()[0].points, int16_t{10});
        QCOMPARE(window.wantedSkills()[1].points, int16_t{15});
        clickControl(window, 1070);
        QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), kWait);
        QVERIFY(window.currentResults()->count() > 0);
        QCOMPARE(window.currentCondition().rarity, RarityFilterCode{-4});
        QVERIFY(window.currentCondition().fixed.piece(0));
        QVERIFY(!offer->isVisible());
    }

    // When no single change finds sets, the empty list says so, and says
    // when each wanted skill reaches its points alone but not all together.
    void saysWhyTheListOfChangesIsEmpty()
    {
        AppFixture fixture(sampleDatFolder());
        CSearchDlg window(fixture.app());
        const struct {
            int rarity;
            std::vector<SkillPoint> wanted;
            const char* note;
        } cases[] = {
            {-4,
             {{37, 15}, {76, 15}, {1, 10}, {2, 10}},
             "どのスキルも単独なら必要ポイントに届きますが、全てを同時には満たせません"},
            {0, {{37, 40}, {76, 40}}, "一つの変更で見つかる変え方はありません"},
        };
        for (const auto& c : cases) {
            window.setSex(1);
            window.setJob(1);
            window.setRarityCode(c.rarity);
            ctl<QCheckBox>(window, 1096)->setChecked(true);
            window.replaceWantedSkills(c.wanted);
            CNoResultReasonDlg reason(fixture.app().master(), window.conditionFromControls());
            QVERIFY(QTest::qWaitFor([&] { return !reason.searchRunning(); }, kWait));
            QCOMPARE(reason.explainer().outcome(), ExplainOutcome::Finished);
            QVERIFY(reason.listedChanges().empty());
            auto* list = ctl<QListWidget>(reason, 1255);
            QCOMPARE(list->count(), 1);
            QCOMPARE(list->item(0)->text(), QString::fromUtf8(c.note));
            // A sentence, not a change: it cannot be chosen or applied.
            QVERIFY(!(list->item(0)->flags() & Qt::ItemIsSelectable));
            QVERIFY(!ctl<QPushButton>(reason, 1256)->isEnabled());
        }
    }

    // "閉じる" while it explains asks the worker to stop and returns at once;
    // the window closes on the worker's final notice. Destroyed while it
    // explains, the window leaves the worker to stop on its own.
    void closesOnTheFinalNoticeWithoutWaitingForIt()
    {
        AppFixture fixture(sampleDatFolder());
        SearchCondition condition;
        condition.sex = 1;
        condition.job = 1;
        condition.wanted = {SkillPoint{37, 15}, SkillPoint{76, 15}};
        CNoResultReasonDlg reason(fixture.app().master(), condition);
        reason.show();
        clickControl(reason, 1257);
        QVERIFY(reason.isVisible());
        QVERIFY(QTest::qWaitFor([&] { return !reason.isVisible(); }, kWait));
        QVERIFY(!reason.searchRunning());
        QCOMPARE(reason.result(), int(QDialog::Rejected));

        delete new CNoResultReasonDlg(fixture.app().master(), condition);
        QCOMPARE(WorkerRelay::stopping(), 1);
        QVERIFY(QTest::qWaitFor([] { return WorkerRelay::stopping() == 0; }, kWait));
    }
};

} // namespace zeku::test

QTEST_MAIN(zeku::test::NoResultReasonTest)
#include "NoResultReasonTest.moc"
