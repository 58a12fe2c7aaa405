// The results area of the main window, driven by control id: a whole search
// down to the set view and skill totals, the limit ending, stopping, the
// out-of-memory ending before the start, history save and load, favourites,
// clip text, condition restore, sorting, the resize rules and the names the
// controls give to screen readers.

#include "MainWindowFixture.h"
#include "platform/NoticeSink.h"
#include "report/ClipText.h"
#include "search/EquipFindThread.h"
#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/lists/CDataSelectListCtrl.h"
#include "ui/lists/CFindResultListCtrl.h"
#include "ui/lists/CRequireSkillListCtrl.h"
#include "ui/lists/CSkillListCtrl.h"
#include "ui/main/CFindConditionDispDlg.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/ClipboardService.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/FavoriteIndex.h"
#include "userfiles/SavedFileIndex.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace zeku;
using namespace zeku::test;

namespace {

constexpr int kWait = 20000;

// Wants 攻撃 10 and presses "検索"; returns when the final notice was handled.
void searchAttack(CSearchDlg& window)
{
    addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
    clickControl(window, 1070);
    QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), kWait);
}

// True when another open file holds the advisory lock of `file`.
bool lockedElsewhere(const QString& file)
{
    const int fd = ::open(file.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
    ::close(fd);
    return locked;
}

// Closes the progress window with its "ＯＫ".
void closeProgress(CSearchDlg& window)
{
    QVERIFY(window.progressWindow());
    window.progressWindow()->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QVERIFY(!window.progressWindow());
    QVERIFY(window.isEnabled());
}

// Runs the same search on the engine directly and returns its results.
std::unique_ptr<SearchResultStore> engineResults(const CSimulatorApp& app, const SearchCondition& condition)
{
    auto store = std::make_unique<SearchResultStore>();
    SearchProgress progress;
    RecordingNoticeSink notices;
    CEquipFindThread worker(app.master(), condition, *store, progress, notices);
    worker.start();
    worker.wait();
    return store;
}

int32_t engineCount(const CSimulatorApp& app, const SearchCondition& condition)
{
    return engineResults(app, condition)->count();
}

// A main window whose searches store into blocks of one record, at most
// kStoredResults of them: storing the next result runs out of memory.
class StarvedStoreWindow final : public CSearchDlg {
public:
    static constexpr int kStoredResults = 3;
    using CSearchDlg::CSearchDlg;

protected:
    std::unique_ptr<SearchResultStore> newResultStore() override
    {
        return std::make_unique<SearchResultStore>(1, kStoredResults);
    }
};

// Answers child dialogs: the favourite input takes `title`, the confirm
// window checks "すべて"; both end with OK. Restores exec() when destroyed.
class DialogScript {
public:
    explicit DialogScript(QString title = QStringLiteral("保存テスト"))
    {
        setDialogRunner([this, title](QDialog& dialog) {
            ++m_runs;
            m_captions << dialog.windowTitle();
            if (auto* input = qobject_cast<CFavoriteDataInputDlg*>(&dialog)) {
                m_defaultTitles << controlById<QLineEdit>(input, 1049)->text();
                controlById<QLineEdit>(input, 1049)->setText(title);
                controlById<QLineEdit>(input, 1050)->setText(QStringLiteral("メモ"));
                input->accept();
            } else if (auto* confirm = qobject_cast<CFindConditionDispDlg*>(&dialog)) {
                confirm->findChild<QCheckBox*>(QStringLiteral("allCheck"))->click();
                confirm->accept();
            }
            return dialog.result();
        });
    }
    ~DialogScript() { setDialogRunner({}); }
    int runs() const { return m_runs; }
    QStringList captions() const { return m_captions; }
    QStringList defaultTitles() const { return m_defaultTitles; }

private:
    int m_runs = 0;
    QStringList m_captions;
    QStringList m_defaultTitles;
};

} // namespace

class TestMainWindowResults : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void searchFillsResultsSetViewAndTotals()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        searchAttack(window);
        QVERIFY(!window.isEnabled()); // until the progress window closes
        CFindProcessDlg* progress = window.progressWindow();
        QVERIFY(progress);
        QCOMPARE(progress->windowTitle(), QStringLiteral("検索完了"));
        closeProgress(window);

        const int32_t expected = engineCount(fixture.app(), window.currentCondition());
        QVERIFY(expected > 1);
        QCOMPARE(window.currentResults()->count(), expected);
        auto* results = ctl<CFindResultListCtrl>(window, 1061);
        QCOMPARE(results->model()->rowCount(), expected);
        QCOMPARE(ctl<QLabel>(window, 1113)->text(), QStringLiteral("%1 件").arg(expected));
        QVERIFY(ctl(window, 1093)->isEnabled());
        QVERIFY(ctl(window, 1110)->isEnabled());

        // The first set is in view at once.
        QCOMPARE(results->selectedRow(), 0);
        const EquipSet* set = results->resultAt(0);
        QVERIFY(set->totals().valueOf(1) >= 10);
        auto* setView = ctl<CDataSelectListCtrl>(window, 1055);
        QCOMPARE(setView->shownSet(), set);
        auto* totals = ctl<CSkillListCtrl>(window, 1056);
        QVERIFY(totals->model()->rowCount() >= 1);
        QCOMPARE(totals->cellText(0, 0), QStringLiteral("攻撃"));
        QVERIFY(ctl(window, 1057)->isEnabled() && ctl(window, 1058)->isEnabled());
        // The search was recorded as the job's favourite skill.
        QCOMPARE(ctl<QComboBox>(window, 1062)->itemText(1), QStringLiteral("よく使うスキル"));

        results->selectSingleRow(-1);
        QCOMPARE(setView->shownSet(), nullptr);
        QCOMPARE(totals->model()->rowCount(), 0);
    }

    void limitEndsTheSearchAtTheMaximum()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        ctl<QLineEdit>(window, 1094)->setText(QStringLiteral("2"));
        searchAttack(window);
        CFindProcessDlg* progress = window.progressWindow();
        QVERIFY(progress);
        QCOMPARE(progress->findChild<QLabel*>(QStringLiteral("countsLine"))->text(),
                 QStringLiteral("最大表示件数に達しましたので"));
        QCOMPARE(window.currentResults()->count(), 2);
        QCOMPARE(ctl<CFindResultListCtrl>(window, 1061)->model()->rowCount(), 2);
        closeProgress(window);
        // The count says the search was cut, once the progress window is gone too.
        auto* count = ctl<QLabel>(window, 1113);
        QCOMPARE(count->text(), QStringLiteral("2 件 打切り"));
        QCOMPARE(count->accessibleDescription(), QStringLiteral("最大表示件数に達したため検索を打ち切りました"));
        // A search that finds exactly the maximum and ends was not cut.
        SearchCondition unbounded = window.currentCondition();
        unbounded.maxResults = kDefaultMaxResults;
        const int32_t all = engineCount(fixture.app(), unbounded);
        QVERIFY(all > 2 && static_cast<uint32_t>(all) < kDefaultMaxResults);
        ctl<QLineEdit>(window, 1094)->setText(QString::number(all));
        clickControl(window, 1070);
        QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), kWait);
        closeProgress(window);
        QCOMPARE(window.currentResults()->count(), all);
        QCOMPARE(count->text(), QStringLiteral("%1 件").arg(all));
        QCOMPARE(count->accessibleDescription(), QString());
    }

    void outOfMemoryWhileStoringShowsEveryResultStoredSoFar()
    {
        AppFixture fixture;
        StarvedStoreWindow window(fixture.app());
        searchAttack(window);
        CFindProcessDlg* progress = window.progressWindow();
        QVERIFY(progress);
        QCOMPARE(progress->findChild<QLabel*>(QStringLiteral("countsLine"))->text(),
                 QStringLiteral("メモリ不足になりましたので"));
        const int32_t stored = StarvedStoreWindow::kStoredResults;
        QCOMPARE(window.currentResults()->count(), stored);
        QCOMPARE(ctl<QLabel>(window, 1113)->text(), QStringLiteral("%1 件").arg(stored));
        // The list shows them all, and they are the first results of the search.
        const std::unique_ptr<SearchResultStore> full = engineResults(fixture.app(), window.currentCondition());
        QVERIFY(full->count() > stored);
        auto* list = ctl<CFindResultListCtrl>(window, 1061);
        QCOMPARE(list->model()->rowCount(), stored);
        const SkillCatalogue& skills = fixture.app().skills();
        for (int row = 0; row < stored; ++row)
            QCOMPARE(buildClipText(*list->resultAt(row), skills), buildClipText(full->fullSet(row), skills));
        closeProgress(window);
    }

    void heldNoticesHandedOnInOrderEndWithTheLatestCounts()
    {
        AppFixture fixture;
        RecordingNoticeSink held;
        CSearchDlg window(fixture.app(), nullptr, &held);
        addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
        clickControl(window, 1070);
        QTRY_VERIFY_WITH_TIMEOUT(!held.notices().empty() && held.notices().back().code == FindFinished, kWait);
        const std::vector<Notice> notices = held.notices();
        QCOMPARE(notices.front().code, int32_t(FindStarted));
        // Every notice at once: displays in between are skipped, not the last one.
        for (const Notice& notice : notices)
            window.handleNotice(notice);
        QVERIFY(!window.searchRunning());
        CFindProcessDlg* progress = window.progressWindow();
        QVERIFY(progress);
        const int32_t count = window.currentResults()->count();
        QCOMPARE(progress->findChild<QLabel*>(QStringLiteral("hitsLine"))->text(), QStringLiteral("%1 件").arg(count));
        QCOMPARE(progress->windowTitle(), QStringLiteral("検索完了"));
        QCOMPARE(progress->done(), progress->total());
        QCOMPARE(ctl<CFindResultListCtrl>(window, 1061)->model()->rowCount(), count);
        closeProgress(window);
    }

    void stopAsksAndYesEndsTheSearch()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        RecordingNoticeSink held;
        CSearchDlg window(fixture.app(), nullptr, &held);
        addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
        clickControl(window, 1070);
        QVERIFY(!window.isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(held.notices().size() >= 2, kWait);
        window.handleNotice({NoticeKind::Search, FindStarted, 0});
        CFindProcessDlg* progress = window.progressWindow();
        QVERIFY(progress);
        progress->showProgress(0, 0);
        auto* stop = progress->findChild<QPushButton*>(QStringLiteral("cancelButton"));
        // The worker may have ended already, so the stage is set by hand: half done.
        progress->startSearch(10, 10);
        progress->showProgress(5, 5);

        boxes.queueAnswer(MessageAnswer::No);
        stop->click();
        QCOMPARE(boxes.shown().back().text, QStringLiteral("検索を終了してよろしいですか？"));
        QVERIFY(stop->isEnabled());
        QCOMPARE(window.progressWindow(), progress);

        boxes.queueAnswer(MessageAnswer::Yes);
        stop->click();
        QVERIFY(!stop->isEnabled());
        QVERIFY(window.progressWindow());
        window.handleNotice({NoticeKind::Search, FindCancelled, 0});
        QVERIFY(!window.progressWindow());
        QVERIFY(window.isEnabled());
        QVERIFY(!window.searchRunning());
        QCOMPARE(ctl<CFindResultListCtrl>(window, 1061)->model()->rowCount(), window.currentResults()->count());
    }

    // A close while the search runs asks it to stop and ends at the search's
    // final notice; until then the window stays open, and nothing waits.
    void closeWhileSearchingEndsAtTheFinalNotice()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        boxes.queueAnswer(MessageAnswer::Ok); // results found meanwhile may be given up
        RecordingNoticeSink held;
        CSearchDlg window(fixture.app(), nullptr, &held);
        window.show();
        addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
        clickControl(window, 1070);
        QVERIFY(window.searchRunning());
        window.close();
        QVERIFY(window.isVisible());
        const auto ended = [&held] {
            const int32_t code = held.notices().empty() ? FindStarted : held.notices().back().code;
            return code == FindCancelled || code == FindFinished || code == FindLimitReached;
        };
        QTRY_VERIFY_WITH_TIMEOUT(ended(), kWait);
        for (const Notice& notice : held.notices())
            window.handleNotice(notice);
        QVERIFY(!window.searchRunning());
        // The close also lets the start-up settings the search wrote reach the file.
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), kWait);
    }

    void outOfMemoryBeforeTheStartStillEnablesTheWindow()
    {
        AppFixture fixture;
        RecordingNoticeSink held;
        CSearchDlg window(fixture.app(), nullptr, &held);
        addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
        clickControl(window, 1070);
        QTRY_VERIFY_WITH_TIMEOUT(held.notices().size() >= 2, kWait);
        QVERIFY(!window.isEnabled());
        // Memory ran out while preparing: no started notice came before.
        window.handleNotice({NoticeKind::Search, FindOutOfMemory, 0});
        CFindProcessDlg* progress = window.progressWindow();
        QVERIFY(progress);
        QCOMPARE(progress->findChild<QLabel*>(QStringLiteral("countsLine"))->text(),
                 QStringLiteral("メモリ不足になりましたので"));
        closeProgress(window);
    }

    void historySaveAndLoad()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        DialogScript dialogs(QStringLiteral("履歴一"));
        CSearchDlg window(fixture.app());
        QVERIFY(!ctl(window, 1098)->isEnabled());
        searchAttack(window);
        closeProgress(window);
        const int32_t count = window.currentResults()->count();
        QVERIFY(!window.resultsStored());

        clickControl(window, 1093);
        QCOMPARE(dialogs.captions().back(), QStringLiteral("検索結果保存"));
        QCOMPARE(dialogs.defaultTitles().back(), QStringLiteral("剣士装備(男)"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        QVERIFY(window.resultsStored());
        QVERIFY(!window.waitingWindow());
        auto* history = ctl<QComboBox>(window, 1098);
        QCOMPARE(history->count(), 1);
        QCOMPARE(history->currentIndex(), 0);
        QCOMPARE(history->currentText(), QStringLiteral("履歴一"));
        QCOMPARE(ctl<QLineEdit>(window, 1108)->text(), QStringLiteral("履歴一"));
        QCOMPARE(ctl<QLineEdit>(window, 1109)->text(), QStringLiteral("メモ"));
        QCOMPARE(ctl<QLabel>(window, 1113)->text(), QStringLiteral("%1 件").arg(count));

        // A new search's results are not stored: loading asks before discarding them.
        ctl<QRadioButton>(window, 1039)->click();
        clickControl(window, 1070);
        QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), kWait);
        closeProgress(window);
        QVERIFY(!window.resultsStored());
        boxes.queueAnswer(MessageAnswer::Cancel);
        clickControl(window, 1095);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("現在表示されている検索結果を破棄しますがよろしいですか？"));
        QCOMPARE(boxes.shown().back().buttons, MessageButtons::OkCancel);
        QCOMPARE(window.currentCondition().sex, uint16_t(2));
        QVERIFY(!window.fileOperationRunning());

        boxes.queueAnswer(MessageAnswer::Ok);
        clickControl(window, 1095);
        QVERIFY(window.waitingWindow());
        QCOMPARE(window.waitingWindow()->windowTitle(), QStringLiteral("処理中"));
        QCOMPARE(window.waitingWindow()->line1(), QStringLiteral("読み込み中です。"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        QCOMPARE(window.currentResults()->count(), count);
        QCOMPARE(ctl<CFindResultListCtrl>(window, 1061)->model()->rowCount(), count);
        QCOMPARE(window.currentCondition().sex, uint16_t(1));
        QCOMPARE(ctl<QLineEdit>(window, 1108)->text(), QStringLiteral("履歴一"));
        // The first loaded set is in view.
        QCOMPARE(ctl<CFindResultListCtrl>(window, 1061)->selectedRow(), 0);
        QCOMPARE(ctl<CDataSelectListCtrl>(window, 1055)->shownSet(),
                 ctl<CFindResultListCtrl>(window, 1061)->resultAt(0));

        // Loaded results count as stored: no question the second time.
        const std::size_t asked = boxes.shown().size();
        clickControl(window, 1095);
        QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        QCOMPARE(boxes.shown().size(), asked);
    }

    void failedLoadLeavesNoResults()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        DialogScript dialogs;
        CSearchDlg window(fixture.app());
        searchAttack(window);
        closeProgress(window);
        clickControl(window, 1093);
        QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        // The stored file disappears behind the index's back.
        SavedFileIndex index = SavedFileIndex::forHistory(fixture.app().userFolder());
        QVERIFY(index.load());
        for (const auto& entry : std::filesystem::directory_iterator(fixture.dir() / "user" / "SearchHistory"))
            if (entry.path().filename() != "index.dat")
                std::filesystem::remove(entry.path());
        clickControl(window, 1095);
        QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("データの読み込み処理で異常が発生しました"));
        QCOMPARE(boxes.shown().back().icon, MessageIcon::Error);
        QCOMPARE(window.currentResults(), nullptr);
        QCOMPARE(ctl<CFindResultListCtrl>(window, 1061)->model()->rowCount(), 0);
        QVERIFY(!ctl(window, 1057)->isEnabled() && !ctl(window, 1058)->isEnabled() && !ctl(window, 1093)->isEnabled());
    }

    void failedSaveStillAsksBeforeDiscarding()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        DialogScript dialogs;
        CSearchDlg window(fixture.app());
        searchAttack(window);
        closeProgress(window);
        {
            zeku::test::FileSizeLimit fullDisk(16);
            clickControl(window, 1093);
            QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        }
        QCOMPARE(boxes.shown().back().text, QStringLiteral("データの保存処理で異常が発生しました"));
        QVERIFY(!window.resultsStored());
        boxes.queueAnswer(MessageAnswer::Cancel);
        window.reject();
        QCOMPARE(boxes.shown().back().text, CSearchDlg::discardQuestion());
        QVERIFY(window.currentResults());
    }

    void favoriteAndClipOfTheSelectedResult()
    {
        AppFixture fixture;
        DialogScript dialogs(QStringLiteral("お気に入り一"));
        RecordingClipboardService clipboard;
        CSearchDlg window(fixture.app());
        searchAttack(window);
        closeProgress(window);
        auto* results = ctl<CFindResultListCtrl>(window, 1061);
        results->selectSingleRow(1);
        const EquipSet* set = results->resultAt(1);

        clickControl(window, 1058);
        QCOMPARE(dialogs.defaultTitles().back(), QStringLiteral("剣士装備(男)"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        FavoriteIndex favorites(fixture.app().userFolder());
        QVERIFY(favorites.load());
        QCOMPARE(favorites.count(), 1);
        QCOMPARE(*favorites.title(0), sj("お気に入り一"));
        QCOMPARE(*favorites.comment(0), sj("メモ"));

        clickControl(window, 1057);
        QCOMPARE(clipboard.texts().size(), std::size_t(1));
        QCOMPARE(clipboard.texts()[0], buildClipText(*set, fixture.app().skills()));
    }

    // Another process holds the favourites' folder lock while "お気に入り追加"
    // saves: the window stays responsive under the wait window, and the entry
    // is written once the lock is let go.
    void favouriteWaitsForALockHeldByAnotherProcess()
    {
        AppFixture fixture;
        DialogScript dialogs(QStringLiteral("ロック待ち"));
        CSearchDlg window(fixture.app());
        window.show();
        searchAttack(window);
        closeProgress(window);
        ctl<CFindResultListCtrl>(window, 1061)->selectSingleRow(0);
        const std::filesystem::path folder = fixture.dir() / "user" / "Favorite";
        std::filesystem::create_directories(folder);
        const QString lockFile = QString::fromStdString((folder / ".lock").string());
        // flock holds the lock until cat reads the end of its input.
        QProcess holder;
        holder.start(QStringLiteral("flock"), {QStringLiteral("-o"), lockFile, QStringLiteral("cat")});
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(lockedElsewhere(lockFile), kWait);

        clickControl(window, 1058); // returns while the save waits for the lock
        QVERIFY(window.fileOperationRunning());
        QVERIFY(!window.isEnabled());
        // The wait window comes from a timer: the UI thread runs.
        QTRY_VERIFY_WITH_TIMEOUT(window.waitingWindow() && window.waitingWindow()->isVisible(), kWait);
        QCOMPARE(window.waitingWindow()->line1(), QStringLiteral("保存中です。"));
        QTest::keyClick(window.waitingWindow(), Qt::Key_Escape);
        QVERIFY(window.waitingWindow() && window.waitingWindow()->isVisible());
        FavoriteIndex waiting(fixture.app().userFolder());
        waiting.load();
        QCOMPARE(waiting.count(), 0);

        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(kWait));
        QTRY_VERIFY_WITH_TIMEOUT(!window.fileOperationRunning(), kWait);
        QVERIFY(window.isEnabled());
        QVERIFY(!window.waitingWindow());
        FavoriteIndex favorites(fixture.app().userFolder());
        QVERIFY(favorites.load());
        QCOMPARE(favorites.count(), 1);
        QCOMPARE(*favorites.title(0), sj("ロック待ち"));
    }

    void restoreConditionAsksAboutEachChangedList()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        DialogScript dialogs;
        CSimulatorApp& app = fixture.app();
        app.exclusions().add(*fixture.piece(PartHead, "男頭"));
        app.excludedSkills().add(2, -10);
        app.sParts().add(*fixture.piece(PartHead, "鉄頭"));
        CSearchDlg window(app);
        for (int id : {1099, 1107, 1111})
            ctl<QCheckBox>(window, id)->click();
        searchAttack(window);
        closeProgress(window);
        QVERIFY(window.currentResults()->count() > 0);

        // The entries change after the search: other sex, no skills, other lists.
        ctl<QRadioButton>(window, 1039)->click();
        ctl<QCheckBox>(window, 1096)->click();
        clickControl(window, 1069);
        app.exclusions().clear();
        app.excludedSkills().clear();
        app.excludedSkills().add(2, 10);
        app.sParts().clear();
        boxes.queueAnswer(MessageAnswer::Yes);
        boxes.queueAnswer(MessageAnswer::No);
        boxes.queueAnswer(MessageAnswer::Yes);
        clickControl(window, 1110);
        QCOMPARE(dialogs.captions().back(), QStringLiteral("検索条件確認"));
        QCOMPARE(boxes.shown().size(), std::size_t(3));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("除外アイテムデータを変更しました\nファイルに保存しますか？"));
        QCOMPARE(boxes.shown()[1].text, QStringLiteral("除外スキルデータを変更しました\nファイルに保存しますか？"));
        QCOMPARE(boxes.shown()[2].text, QStringLiteral("Ｓ防具データを変更しました\nファイルに保存しますか？"));
        QCOMPARE(boxes.shown()[0].buttons, MessageButtons::YesNo);
        QCOMPARE(app.saveExclusionsToFile(), 1);
        QCOMPARE(app.saveExcludedSkillsToFile(), 0);
        QCOMPARE(app.saveSPartsToFile(), 1);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QVERIFY(std::filesystem::exists(fixture.dir() / "user" / "ExclusiveItem.dat"));
        QVERIFY(!std::filesystem::exists(fixture.dir() / "user" / "ExclusiveSkill.dat"));
        QVERIFY(std::filesystem::exists(fixture.dir() / "user" / "SParts.dat"));
        // Answering No still replaces the application's list.
        QVERIFY(app.excludedSkills().contains(2, -10) && !app.excludedSkills().contains(2, 10));
        QCOMPARE(app.exclusions().total(), std::size_t(1));
        QCOMPARE(app.sParts().total(), std::size_t(1));
        QVERIFY(ctl<QRadioButton>(window, 1038)->isChecked());
        QVERIFY(ctl<QCheckBox>(window, 1096)->isChecked());
        QCOMPARE(window.wantedSkills().size(), std::size_t(1));
        QCOMPARE(ctl<CRequireSkillListCtrl>(window, 1063)->selectedRow(), -1);

        // Lists equal to the condition's ask nothing.
        clickControl(window, 1110);
        QCOMPARE(boxes.shown().size(), std::size_t(3));
    }

    void menu139OfTheSetViewOpensTheQuickRegistrations()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        searchAttack(window);
        closeProgress(window);
        ctl<CFindResultListCtrl>(window, 1061)->selectSingleRow(0);
        auto* setView = ctl<CDataSelectListCtrl>(window, 1055);
        int pieceRow = -1;
        for (int part = 0; part < kPartCount && pieceRow < 0; ++part)
            if (setView->shownSet()->piece(part))
                pieceRow = part + 1;
        QVERIFY(pieceRow > 0);
        QuickMenu menu;
        QVERIFY(setView->quickMenuFor(pieceRow, menu));
        QVERIFY(menu.excludeEnabled && menu.sPartEnabled);

        QStringList opened;
        setDialogRunner([&opened](QDialog& dialog) -> int {
            opened << QString::fromLatin1(dialog.metaObject()->className());
            return QDialog::Rejected;
        });
        Q_EMIT setView->quickExcludeRequested(menu.registration);
        Q_EMIT setView->quickSPartRequested(menu.registration);
        setDialogRunner({});
        QCOMPARE(opened, QStringList({"zeku::CQuickExclusiveRegistDlg", "zeku::CQuickSPartsRegistDlg"}));
    }

    void sortingShowsTheFirstRowAndTheHeaderArrow()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        searchAttack(window);
        closeProgress(window);
        auto* results = ctl<CFindResultListCtrl>(window, 1061);
        auto* setView = ctl<CDataSelectListCtrl>(window, 1055);
        QHeaderView* header = results->horizontalHeader();
        QVERIFY(!header->isSortIndicatorShown());
        results->selectSingleRow(1);
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            results->sortByHeader(1); // defence, then reversed
            QCOMPARE(results->selectedRow(), 0);
            QCOMPARE(setView->shownSet(), results->resultAt(0));
            QVERIFY(header->isSortIndicatorShown());
            QCOMPARE(header->sortIndicatorSection(), 1);
            QCOMPARE(header->sortIndicatorOrder(), order);
            // The first row holds the extreme defence of the order.
            const int last = results->model()->rowCount() - 1;
            const bool ascending = order == Qt::AscendingOrder;
            QVERIFY((results->recordAt(0)->defence <= results->recordAt(last)->defence) == ascending ||
                    results->recordAt(0)->defence == results->recordAt(last)->defence);
        }
        // A new list of results counts as unsorted again.
        searchAttack(window);
        closeProgress(window);
        QVERIFY(!header->isSortIndicatorShown());
    }

    void shortHeadersSayWhatTheyCount()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        QAbstractItemModel* model = ctl<CFindResultListCtrl>(window, 1061)->model();
        for (int column = 0; column < model->columnCount(); ++column)
            QVERIFY2(!model->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty(),
                     qPrintable(model->headerData(column, Qt::Horizontal).toString()));
        // Captions name the title and comment boxes.
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("titleCaption"))->buddy(), ctl<QWidget>(window, 1108));
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("commentCaption"))->buddy(), ctl<QWidget>(window, 1109));
    }

    void resizeMovesTheAnchoredControls()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize start = window.size();
        // As tall as the result views need on a large screen; the offscreen one is small.
        QCOMPARE(start.width(), 985);
        QVERIFY(start.height() >= 700);
        const QRect close = ctl(window, 1054)->geometry();
        const QRect results = ctl(window, 1061)->geometry();
        const QRect totals = ctl(window, 1056)->geometry();
        const QRect setView = ctl(window, 1055)->geometry();
        const QRect history = ctl(window, 1098)->geometry();
        const QRect fixedGroup = ctl(window, 1160)->geometry();
        const QRect fixedPieces = ctl(window, 1059)->geometry();
        const QRect fixedJewels = ctl(window, 1060)->geometry();
        const QRect edit = ctl(window, 1088)->geometry();
        const QRect search = ctl(window, 1070)->geometry();

        const QRect wanted = ctl(window, 1063)->geometry();
        window.resize(start.width() + 100, start.height() + 50);
        QTRY_COMPARE(ctl(window, 1054)->geometry(), close.translated(100, 50));
        // A third of the height gained goes to the condition area (the wanted
        // skills); the results area starts that much lower and takes the rest.
        constexpr int kUp = 50 / 3;
        QCOMPARE(ctl(window, 1063)->geometry(), wanted.adjusted(0, 0, 0, kUp));
        QCOMPARE(ctl(window, 1061)->geometry(), results.adjusted(0, kUp, 0, 50));
        // The set view and the totals share the height gained (see the daily-play test).
        QCOMPARE(ctl(window, 1056)->geometry().bottomRight(), totals.bottomRight() + QPoint(100, 50));
        QCOMPARE(ctl(window, 1055)->geometry().topLeft(), setView.topLeft() + QPoint(0, kUp));
        QCOMPARE(ctl(window, 1055)->width(), setView.width() + 100);
        // It loses no row; wide enough, it needs no side scroll bar any more.
        auto* setList = ctl<CDataSelectListCtrl>(window, 1055);
        QVERIFY(setList->height() >= std::min(setView.height(), setList->heightForRows(CSearchDlg::kSetViewRows)));
        QCOMPARE(ctl(window, 1098)->geometry(), history.translated(0, 50));
        QCOMPARE(ctl(window, 1070)->geometry(), search);
        // 985 pixels or wider: the fixed-equipment part keeps its place (its frame
        // grows with the condition area).
        QCOMPARE(ctl(window, 1160)->geometry(), fixedGroup.adjusted(0, 0, 0, kUp));
        QCOMPARE(ctl(window, 1060)->geometry(), fixedJewels);
        QCOMPARE(ctl(window, 1088)->geometry(), edit);

        window.resize(900, start.height());
        QTRY_COMPARE(ctl(window, 1160)->geometry(), fixedGroup.adjusted(0, 0, -85, 0));
        // The two fixed lists share the shrink by their widths (300 : 160).
        QCOMPARE(ctl(window, 1059)->geometry(), fixedPieces.adjusted(0, 0, -55, 0));
        QCOMPARE(ctl(window, 1060)->geometry(), fixedJewels.adjusted(-55, 0, -85, 0));
        QCOMPARE(ctl(window, 1088)->geometry(), edit.translated(-85, 0));
        QCOMPARE(ctl(window, 1054)->geometry(), close.translated(-85, 0));

        window.resize(700, 500);
        QVERIFY(window.width() >= 820 && window.height() >= 630);
    }

    void f1OpensTheVersionWindow()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList seen;
        setDialogRunner([&seen](QDialog& dialog) {
            seen << dialog.windowTitle() << controlById<QLabel>(&dialog, 1107)->text()
                 << controlById<QLabel>(&dialog, 1108)->text() << dialog.findChild<QLineEdit*>("datFolderText")->text()
                 << dialog.findChild<QLineEdit*>("userFolderText")->text();
            return int(QDialog::Accepted);
        });
        QTest::keyClick(&window, Qt::Key_F1);
        setDialogRunner({});
        // The two folders in use, as absolute paths.
        const QString base = QString::fromStdString(fixture.dir().path().string());
        QCOMPARE(seen, QStringList({"バージョン情報", "ZEKU", "0.047", base + "/dat", base + "/user"}));
    }

    void resultListExposesItsCellsToScreenReaders()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        searchAttack(window);
        closeProgress(window);
        auto* results = ctl<CFindResultListCtrl>(window, 1061);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(results);
        QVERIFY(list);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("検索結果"));
        QAccessibleTableInterface* table = list->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), window.currentResults()->count());
        QAccessibleInterface* cell = table->cellAt(0, 1);
        QVERIFY(cell);
        QCOMPARE(cell->text(QAccessible::Name), results->cellText(0, 1));
        // The short headers are described, as their tool tips are.
        const char* described[][2] = {
            {"No.", "検索結果の番号"},
            {"防御", "防具5部位の防御力の合計"},
            {"ｽﾛ", "武器と防具のスロット数の合計"},
            {"●", "装飾品で埋まっているスロット数"},
            {"○", "空いているスロット数"},
            {"ｽｷﾙ", "発動するスキルの数"},
        };
        QCOMPARE(table->columnCount(), 6);
        for (int c = 0; c < 6; ++c) {
            const QList<QAccessibleInterface*> headers = table->cellAt(0, c)->tableCellInterface()->columnHeaderCells();
            QCOMPARE(headers.size(), 1);
            QCOMPARE(headers[0]->text(QAccessible::Name), QString::fromUtf8(described[c][0]));
            QCOMPARE(headers[0]->text(QAccessible::Description), QString::fromUtf8(described[c][1]));
        }
    }

    void controlsCarryTheirCaptionsForScreenReaders()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        const struct {
            int id;
            const char* name;
        } expected[] = {
            {1101, "最低防御値"},   {1094, "最大表示件数"}, {1053, "レア"},   {1098, "保存履歴"},
            {1070, "検索"},         {1099, "除外アイテム"}, {1038, "男"},     {1041, "ガンナー"},
            {1212, "全てチェック"}, {1095, "保存履歴表示"}, {1054, "閉じる"}, {1111, "Ｓ防具必須"},
        };
        for (const auto& e : expected)
            QCOMPARE(ctl(window, e.id)->accessibleName(), QString::fromUtf8(e.name));
        // Every control that takes the keyboard focus has a name.
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (w->property("controlId").isValid() && w->focusPolicy() != Qt::NoFocus)
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(TestMainWindowResults)
#include "MainWindowResultsTest.moc"
