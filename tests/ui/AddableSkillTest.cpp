// The window "追加スキル検索" on the bundled sample: opened from the main
// window, it lists the answer the command line gives for the same condition,
// and "条件に追加" puts a row into the wanted skills as "追加" would. The same
// for "このセットに追加できるスキル" on one result, against --fits.

#include "cli/AddableCommand.h"
#include "cli/JsonFormat.h"
#include "cli/ResultLineWriter.h"
#include "cli/SearchBench.h"
#include "MainWindowFixture.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CSetFitsDlg.h"
#include "ui/lists/CAddableSkillListCtrl.h"
#include "ui/lists/CFindResultListCtrl.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/WindowWorker.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTimer>

namespace zeku::test {

namespace {

// The wanted list "追加" would make of `wanted` and `chosen`: a wanted tree
// takes the new points, a new tree is appended.
std::vector<SkillPoint> afterAdding(std::vector<SkillPoint> wanted, const SkillPoint& chosen)
{
    auto same =
        std::find_if(wanted.begin(), wanted.end(), [&](const SkillPoint& w) { return w.treeId == chosen.treeId; });
    if (same != wanted.end())
        same->points = chosen.points;
    else
        wanted.push_back(chosen);
    return wanted;
}

void compareWanted(const std::vector<SkillPoint>& shown, const std::vector<SkillPoint>& expected)
{
    QCOMPARE(shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(shown[i].treeId, expected[i].treeId);
        QCOMPARE(shown[i].points, expected[i].points);
    }
}

// zeku-search's lines for `input` on its standard input, after `option -`.
QStringList runTool(const std::filesystem::path& dat, const QString& option, const std::string& input)
{
    QProcess cli;
    cli.start(QStringLiteral(ZEKU_SEARCH_TOOL),
              {QStringLiteral("--dat"), QString::fromStdString(dat.string()), option, QStringLiteral("-")});
    cli.write(QByteArray::fromStdString(input));
    cli.closeWriteChannel();
    cli.waitForFinished(60000);
    return QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Opens the right-click menu of `list` on `row` and chooses its last entry
// from the keyboard; returns the menu's entries.
QStringList chooseLastMenuEntry(ReportListView& list, int row)
{
    QStringList texts;
    list.scrollTo(list.model()->index(row, 0));
    const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            texts << action->text();
        menu->setActiveAction(menu->actions().constLast());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &click);
    return texts;
}

// The rows of "このセットに追加できるスキル" as zeku-search --fits prints them,
// the jewels taken from the shown column, where each jewel is counted
// ("名前3"); an uncounted name shows as "?". With `cut`, also whether a
// jewel text is wider than its column.
QStringList fitRows(const CSetFitsDlg& dialog, bool* cut = nullptr)
{
    QStringList rows;
    auto* list = ctl<CAddableSkillListCtrl>(dialog, 1271);
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const QRegularExpression counted(QStringLiteral("^(.+\\D)(\\d+)$"));
    for (int r = 0; r < list->model()->rowCount(); ++r) {
        nlohmann::ordered_json line = addableToJson(*list->getDataArray()[static_cast<std::size_t>(r)]);
        nlohmann::ordered_json names = nlohmann::ordered_json::array();
        const QString jewels = list->model()->index(r, 4).data().toString();
        if (cut && QFontMetrics(list->font()).horizontalAdvance(jewels) > list->columnWidth(4) - 2 * margin)
            *cut = true;
        for (const QString& entry : jewels.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch m = counted.match(entry);
            for (int n = m.hasMatch() ? m.captured(2).toInt() : 1; n > 0; --n)
                names.push_back(m.hasMatch() ? m.captured(1).toStdString() : std::string("?"));
        }
        line["jewels"] = names;
        rows << QString::fromStdString(line.dump());
    }
    return rows;
}

// Waits for the answer of "このセットに追加できるスキル". Events only: the
// menu that opened the window is still running, and what it has handed to
// deleteLater() must outlive it.
bool waitForAnswer(const CSetFitsDlg& dialog)
{
    QElapsedTimer clock;
    clock.start();
    while (dialog.searchRunning() && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !dialog.searchRunning();
}

std::string fitsInput(const SearchCondition& condition, const EquipSet& set, const MasterData& master)
{
    nlohmann::ordered_json input;
    input["condition"] = conditionToJson(condition);
    input["set"] = resultToJson(set, master, std::nullopt);
    return input.dump();
}

// Enters the three-skill bench condition (male blade user, jewels on) into
// the main window; gives its wanted skills.
std::vector<SkillPoint> enterBenchCondition(CSearchDlg& window, const CSimulatorApp& app)
{
    window.setSex(1);
    window.setJob(1);
    ctl<QCheckBox>(window, 1096)->setChecked(true);
    std::vector<SkillPoint> wanted = benchConditions(app.master()).at(2).condition.wanted;
    window.replaceWantedSkills(wanted);
    return wanted;
}

} // namespace

class AddableSkillTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsTheCommandLinesAnswerAndAddsTheChosenRow()
    {
        AppFixture fixture(sampleDatFolder());
        CSimulatorApp& app = fixture.app();
        const TempDir& dir = fixture.dir();
        CSearchDlg window(app);
        window.show();
        const std::vector<SkillPoint> wanted = enterBenchCondition(window, app);

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
            printed = runTool(dir / "dat", QStringLiteral("--addable"), condition.toStdString());

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
        compareWanted(window.wantedSkills(), afterAdding(wanted, chosen));
    }

    void setWindowListsWhatTheCommandLineFitsAndAddsTheChosenRow()
    {
        AppFixture fixture(sampleDatFolder());
        CSimulatorApp& app = fixture.app();
        const TempDir& dir = fixture.dir();
        CSearchDlg window(app);
        window.show();
        const std::vector<SkillPoint> wanted = enterBenchCondition(window, app);
        clickControl(window, 1070);
        QVERIFY(QTest::qWaitFor([&] { return !window.searchRunning(); }, 60000));
        if (CFindProcessDlg* progress = window.progressWindow())
            progress->reject();
        QVERIFY(window.currentResults() && window.currentResults()->count() > 1);
        // The controls move on (one wanted skill fewer); the window answers
        // for the results on display.
        const SearchCondition shownCondition = window.currentCondition();
        window.replaceWantedSkills(std::vector<SkillPoint>(wanted.begin(), wanted.end() - 1));

        // Of the first results, the one with the most fitting skills, so that
        // the comparisons below have rows to compare.
        auto* results = ctl<CFindResultListCtrl>(window, 1061);
        int row = 0;
        std::size_t most = 0;
        for (int r = 0; r < std::min(results->model()->rowCount(), 300); ++r) {
            const std::size_t count = fittingCandidates(shownCondition, *results->resultAt(r), app.master()).size();
            if (count > most) {
                most = count;
                row = r;
            }
        }
        const EquipSet set = *results->resultAt(row);

        QStringList shown, shownAfterAdding, menuTexts;
        SkillPoint chosen;
        bool openAfterEnter = false, closedByEscape = false, jewelsCut = false, answered = false;
        setDialogRunner([&](QDialog& dialog) -> int {
            auto& fits = dynamic_cast<CSetFitsDlg&>(dialog);
            fits.show();
            answered = waitForAnswer(fits);
            shown = fitRows(fits, &jewelsCut);
            // Enter is "条件に追加" on the selected row; Escape closes.
            auto* list = ctl<CAddableSkillListCtrl>(fits, 1271);
            const int last = list->model()->rowCount() - 1;
            list->setFocus();
            list->selectSingleRow(last);
            const AddableCandidate* picked = list->getDataArray().at(static_cast<std::size_t>(last));
            chosen = SkillPoint{picked->tree->id, picked->points};
            QTest::keyClick(list, Qt::Key_Return);
            openAfterEnter = fits.isVisible();
            answered = answered && waitForAnswer(fits);
            shownAfterAdding = fitRows(fits);
            QTest::keyClick(list, Qt::Key_Escape);
            closedByEscape = !fits.isVisible() && fits.result() == QDialog::Rejected;
            return fits.result();
        });
        const std::vector<SkillPoint> before = window.wantedSkills();
        menuTexts = chooseLastMenuEntry(*results, row);
        setDialogRunner({});

        QVERIFY(answered);
        QCOMPARE(menuTexts, QStringList{QStringLiteral("このセットに追加できるスキル")});
        QVERIFY(openAfterEnter);
        QVERIFY(closedByEscape);
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown, runTool(dir / "dat", QStringLiteral("--fits"), fitsInput(shownCondition, set, app.master())));
        QVERIFY(!jewelsCut);
        compareWanted(window.wantedSkills(), afterAdding(before, chosen));
        // After "条件に追加" the window answers for its condition with the chosen skill wanted too.
        SearchCondition withChosen = shownCondition;
        withChosen.wanted = afterAdding(shownCondition.wanted, chosen);
        QCOMPARE(shownAfterAdding,
                 runTool(dir / "dat", QStringLiteral("--fits"), fitsInput(withChosen, set, app.master())));
        QVERIFY(shownAfterAdding != shown);

        // The manual editor on the same result asks for the condition the
        // controls describe now, the chosen skill wanted there too.
        results->selectSingleRow(row);
        QStringList editorMenu, editorShown;
        std::string editorInput;
        setDialogRunner([&](QDialog& dialog) -> int {
            if (auto* fits = qobject_cast<CSetFitsDlg*>(&dialog)) {
                answered = waitForAnswer(*fits);
                editorShown = fitRows(*fits);
                return QDialog::Rejected;
            }
            auto& editor = dynamic_cast<CManualEditDlg&>(dialog);
            editorInput = fitsInput(window.conditionFromControls(), editor.editedSet(), app.master());
            editorMenu = chooseLastMenuEntry(*ctl<ReportListView>(editor, 1002), 1);
            return QDialog::Rejected;
        });
        clickControl(window, 1092);
        setDialogRunner({});
        QVERIFY(answered);
        QCOMPARE(editorMenu, (QStringList{ReportListView::excludeCommandText(), ReportListView::sPartCommandText(),
                                          QString(), QStringLiteral("このセットに追加できるスキル")}));
        QVERIFY(editorShown != shown);
        QCOMPARE(editorShown, runTool(dir / "dat", QStringLiteral("--fits"), editorInput));
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

    // The set window opens before its answer and closes, as the window above
    // does, on its worker's final notice. Destroyed while their workers run,
    // both windows leave them to stop on their own.
    void setWindowClosesOnTheFinalNoticeAndNoWindowWaitsForItsWorker()
    {
        AppFixture fixture;
        SearchCondition condition;
        condition.sex = 1;
        condition.job = 1;
        condition.wanted = {SkillPoint{1, 10}};
        CSetFitsDlg fits(fixture.app().master(), condition, EquipSet{});
        fits.show();
        clickControl(fits, 1273);
        QVERIFY(fits.isVisible());
        QVERIFY(QTest::qWaitFor([&] { return !fits.isVisible(); }, 60000));
        QCOMPARE(fits.result(), int(QDialog::Rejected));

        delete new CAddableSkillDlg(fixture.app().master(), condition);
        delete new CSetFitsDlg(fixture.app().master(), condition, EquipSet{});
        QCOMPARE(WorkerRelay::stopping(), 2);
        QVERIFY(QTest::qWaitFor([] { return WorkerRelay::stopping() == 0; }, 60000));
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
