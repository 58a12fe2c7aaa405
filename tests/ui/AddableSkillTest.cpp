// The window "追加スキル検索" on the bundled sample: opened from the main
// window, it lists the answer the command line gives for the same condition,
// and "条件に追加" puts a row into the wanted skills as "追加" would.

#include "cli/AddableCommand.h"
#include "cli/JsonFormat.h"
#include "cli/SearchBench.h"
#include "MainWindowFixture.h"
#include "ui/lists/CAddableSkillListCtrl.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"

#include <QCheckBox>
#include <QProcess>
#include <QProgressBar>
#include <QTest>

namespace zeku::test {

class AddableSkillTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsTheCommandLinesAnswerAndAddsTheChosenRow()
    {
        TempDir dir;
        std::filesystem::copy(std::filesystem::path(ZEKU_SOURCE_DIR) / "dat", dir / "dat");
        std::filesystem::create_directories(dir / "user");
        CSimulatorApp app(dir.path());
        QVERIFY(app.startUp());
        CSearchDlg window(app);
        window.show();
        // The three-skill bench condition: male blade user, jewels on.
        window.setSex(1);
        window.setJob(1);
        ctl<QCheckBox>(window, 1096)->setChecked(true);
        const std::vector<SkillPoint> wanted = benchConditions(app.master()).at(2).condition.wanted;
        window.replaceWantedSkills(wanted);

        bool finished = false, mainDisabled = false, progressFull = false;
        QStringList shown, printed;
        SkillPoint chosen;
        setDialogRunner([&](QDialog& dialog) -> int {
            auto& addable = dynamic_cast<CAddableSkillDlg&>(dialog);
            mainDisabled = !window.isEnabled();
            finished = QTest::qWaitFor([&] { return !addable.searchRunning(); }, 60000);
            auto* list = ctl<CAddableSkillListCtrl>(addable, 1241);
            for (const AddableCandidate* row : list->getDataArray())
                shown << QString::fromStdString(addableToJson(*row).dump());
            progressFull = ctl<QProgressBar>(addable, 1242)->value() == ctl<QProgressBar>(addable, 1242)->maximum();

            // The command line on the same condition.
            const QString condition = QString::fromStdString(conditionToJson(addable.finder().base()).dump());
            QProcess cli;
            cli.start(QStringLiteral(ZEKU_SEARCH_TOOL),
                      {QStringLiteral("--dat"), QString::fromStdString((dir / "dat").string()),
                       QStringLiteral("--addable"), QStringLiteral("-")});
            cli.write(condition.toUtf8());
            cli.closeWriteChannel();
            cli.waitForFinished(60000);
            printed = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

            // The last row goes into the condition; the window stays open for more.
            const int last = list->model()->rowCount() - 1;
            list->selectSingleRow(last);
            const AddableCandidate* row = list->getDataArray().at(static_cast<std::size_t>(last));
            chosen = SkillPoint{row->tree->id, row->points};
            clickControl(addable, 1243);
            clickControl(addable, 1245);
            return addable.result();
        });
        clickControl(window, 1240);
        setDialogRunner({});

        QVERIFY(finished);
        QVERIFY(progressFull);
        QVERIFY(mainDisabled);
        QVERIFY(window.isEnabled());
        // No search ran: there are still no results, and so no condition of theirs.
        QCOMPARE(window.currentCondition().sex, uint16_t(0));
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown, printed);
        // As "追加" does: a wanted tree takes the new points, a new tree is appended.
        std::vector<SkillPoint> expected = wanted;
        auto same = std::find_if(expected.begin(), expected.end(),
                                 [&](const SkillPoint& w) { return w.treeId == chosen.treeId; });
        if (same != expected.end())
            same->points = chosen.points;
        else
            expected.push_back(chosen);
        QCOMPARE(window.wantedSkills().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(window.wantedSkills()[i].treeId, expected[i].treeId);
            QCOMPARE(window.wantedSkills()[i].points, expected[i].points);
        }
    }

    void closesOnTheFinalNoticeWithoutWaitingForIt()
    {
        AppFixture fixture;
        SearchCondition condition;
        condition.sex = 1;
        condition.job = 1;
        condition.wanted = {SkillPoint{1, 10}};
        CAddableSkillDlg addable(fixture.app().master(), condition);
        addable.show();
        // "閉じる" before the final notice was handled: the search is cancelled
        // and the window stays until that notice comes.
        clickControl(addable, 1245);
        QVERIFY(addable.isVisible());
        QVERIFY(QTest::qWaitFor([&] { return !addable.isVisible(); }, 60000));
        QVERIFY(!addable.searchRunning());
        QCOMPARE(addable.result(), int(QDialog::Rejected));
    }

    void refusesAnEmptyWantedList()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        CSearchDlg window(fixture.app());
        window.show();
        bool opened = false;
        setDialogRunner([&](QDialog&) {
            opened = true;
            return 0;
        });
        clickControl(window, 1240);
        setDialogRunner({});
        QVERIFY(!opened);
        QCOMPARE(boxes.shown().size(), 1u);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("スキル条件を入力してください"));
    }
};

} // namespace zeku::test

QTEST_MAIN(zeku::test::AddableSkillTest)
#include "AddableSkillTest.moc"
