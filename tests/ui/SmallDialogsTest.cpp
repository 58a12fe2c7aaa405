// The jewel removal dialog and the saved-data organiser.

#include "DialogTestSupport.h"
#include "UiFixtures.h"
#include "support/TestSupport.h"
#include "ui/dialogs/BackgroundFileTask.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CJewelRemoveDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/dialogs/CUserFileArrangeDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/FavoriteIndex.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <atomic>
#include <chrono>
#include <thread>

using namespace zeku;
using namespace zeku::test;

namespace {

constexpr int kJewelList = 1209, kCheckAll = 1211;
constexpr int kEntries = 1134, kUp = 1135, kDown = 1136, kChange = 3, kDelete = 4, kFavorites = 1137, kHistory = 1138;

bool enabled(const QWidget* dlg, int id)
{
    return ctl<QWidget>(dlg, id)->isEnabled();
}

// A user folder with three favourites (files a, b, c) and two stored searches.
struct SavedData {
    TempDir dir;
    UserFolder folder{dir.path()};

    SavedData()
    {
        std::filesystem::create_directories(folder.favoriteFolder());
        std::filesystem::create_directories(folder.historyFolder());
        FavoriteIndex favorites(folder);
        for (const char* name : {"a", "b", "c"}) {
            writeFileBytes(folder.favoriteFolder() / (std::string(name) + ".dat"), "x");
            favorites.append(sj(std::string("装備") + name), sj("コメント"),
                             std::string("user\\Favorite\\") + name + ".dat", kSexMale, kJobBlade);
        }
        favorites.save();
        SavedFileIndex history = SavedFileIndex::forHistory(folder);
        history.append(sj("検索1"), "", "user\\SearchHistory\\s1.dat");
        history.append(sj("検索2"), "", "user\\SearchHistory\\s2.dat");
        // The option counts in its section, and only with jewels on.
        writeFileBytes(folder.historyFolder() / "s1.dat", "[Condition]\r\nJewel=1\r\n[Option]\r\nExactJewel=1\r\n");
        writeFileBytes(folder.historyFolder() / "s2.dat", "[Condition]\r\nExactJewel=1\r\n");
        history.save();
    }
    std::string favoriteIndexBytes() const { return readFileBytes(folder.favoriteFolder() / "index.dat"); }
};

} // namespace

class TestSmallDialogs : public QObject {
    Q_OBJECT

private:
    MasterData m_master;

    const Jewel* jewel(int i) const { return &m_master.jewels().items()[static_cast<std::size_t>(i)]; }

private Q_SLOTS:
    void initTestCase() { buildSampleMaster(m_master); }

    void jewelRemovalRowsAndCheckAll()
    {
        CJewelRemoveDlg dlg({jewel(0), jewel(2), jewel(0)});
        QCOMPARE(dlg.windowTitle(), QStringLiteral("装飾品解除"));
        auto* view = ctl<QAbstractItemView>(&dlg, kJewelList);
        QCOMPARE(headers(*view), (QStringList{QStringLiteral("\u3000"), QStringLiteral("名称"), QStringLiteral("ｽﾛｯﾄ"),
                                              QStringLiteral("ｽｷﾙ")}));
        QCOMPARE(columnTexts(*view, 1),
                 (QStringList{QStringLiteral("攻撃珠"), QStringLiteral("火耐珠"), QStringLiteral("攻撃珠")}));
        QCOMPARE(columnTexts(*view, 2), (QStringList{QStringLiteral("●"), QStringLiteral("●●"), QStringLiteral("●")}));
        QCOMPARE(columnTexts(*view, 3), (QStringList{QString(), QString(), QString()}));
        QVERIFY(!enabled(&dlg, 1));
        auto* checkAll = ctl<QCheckBox>(&dlg, kCheckAll);
        for (int r = 0; r < 3; ++r) {
            QVERIFY(!checkAll->isChecked());
            setRowChecked(view, r, true);
            QVERIFY(enabled(&dlg, 1));
        }
        QVERIFY(checkAll->isChecked());
        setRowChecked(view, 1, false);
        QVERIFY(!checkAll->isChecked());
        checkAll->click();
        QVERIFY(rowChecked(view, 0) && rowChecked(view, 1) && rowChecked(view, 2));
        checkAll->click();
        QVERIFY(!rowChecked(view, 0) && !rowChecked(view, 1) && !rowChecked(view, 2));
        QVERIFY(!enabled(&dlg, 1));
        // Both occurrences of the repeated jewel go.
        setRowChecked(view, 0, true);
        setRowChecked(view, 2, true);
        click(&dlg, 1);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.removed(), (std::vector<const Jewel*>{jewel(0), jewel(0)}));
    }

    void organiserButtonsFollowTheSelection()
    {
        SavedData data;
        CUserFileArrangeDlg dlg(data.folder);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("保存データ整理"));
        auto* list = ctl<ReportListView>(&dlg, kEntries);
        QVERIFY(ctl<QRadioButton>(&dlg, kFavorites)->isChecked());
        QCOMPARE(headers(*list), (QStringList{QStringLiteral("タイトル"), QStringLiteral("コメント")}));
        QCOMPARE(columnTexts(*list, 0),
                 (QStringList{QStringLiteral("装備a"), QStringLiteral("装備b"), QStringLiteral("装備c")}));
        for (int id : {kUp, kDown, kChange, kDelete})
            QVERIFY(!enabled(&dlg, id));
        list->selectSingleRow(0);
        QVERIFY(!enabled(&dlg, kUp));
        QVERIFY(enabled(&dlg, kDown) && enabled(&dlg, kChange) && enabled(&dlg, kDelete));
        list->selectSingleRow(2);
        QVERIFY(enabled(&dlg, kUp));
        QVERIFY(!enabled(&dlg, kDown));
        click(&dlg, kHistory);
        QCOMPARE(columnTexts(*list, 0), (QStringList{QStringLiteral("検索1"), QStringLiteral("検索2")}));
        QCOMPARE(headers(*list),
                 (QStringList{QStringLiteral("タイトル"), QStringLiteral("コメント"), QStringLiteral("装飾品判定")}));
        QCOMPARE(columnTexts(*list, 2), (QStringList{QStringLiteral("全組合せ"), QString()}));
        QVERIFY(!enabled(&dlg, kDelete));
        click(&dlg, kFavorites);
        QCOMPARE(headers(*list), (QStringList{QStringLiteral("タイトル"), QStringLiteral("コメント")}));
    }

    void upThenDownRestoresTheIndex()
    {
        SavedData data;
        const std::string before = data.favoriteIndexBytes();
        CUserFileArrangeDlg dlg(data.folder);
        auto* list = ctl<ReportListView>(&dlg, kEntries);
        list->selectSingleRow(2);
        click(&dlg, kUp);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(columnTexts(*list, 0),
                 (QStringList{QStringLiteral("装備a"), QStringLiteral("装備c"), QStringLiteral("装備b")}));
        QCOMPARE(list->selectedRow(), 1);
        FavoriteIndex index(data.folder);
        QVERIFY(index.load());
        QCOMPARE(*index.path(1), std::string("user\\Favorite\\c.dat"));
        QCOMPARE(index.sex(1), kSexMale); // sex and job travel with the entry
        QCOMPARE(index.job(1), kJobBlade);
        click(&dlg, kDown);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(list->selectedRow(), 2);
        QCOMPARE(data.favoriteIndexBytes(), before);
    }

    void enterClosesWithoutTouchingTheIndex()
    {
        SavedData data;
        const std::string before = data.favoriteIndexBytes();
        CUserFileArrangeDlg dlg(data.folder);
        dlg.show();
        auto* list = ctl<ReportListView>(&dlg, kEntries);
        list->selectSingleRow(2);
        list->setFocus();
        QTest::keyClick(&dlg, Qt::Key_Return);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(data.favoriteIndexBytes(), before);
    }

    void changeRenamesInPlace()
    {
        SavedData data;
        CUserFileArrangeDlg dlg(data.folder);
        auto* list = ctl<ReportListView>(&dlg, kEntries);
        click(&dlg, kHistory);
        list->selectSingleRow(1);
        QString caption;
        whenModal([&caption](QWidget* input) {
            caption = input->windowTitle();
            ctl<QLineEdit>(input, 1049)->setText(QStringLiteral("新しい名前"));
            ctl<QLineEdit>(input, 1050)->setText(QStringLiteral("メモ"));
            static_cast<QDialog*>(input)->accept();
        });
        click(&dlg, kChange);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(caption, QStringLiteral("変更"));
        QCOMPARE(cellText(*list, 1, 0), QStringLiteral("新しい名前"));
        QCOMPARE(cellText(*list, 1, 1), QStringLiteral("メモ"));
        QCOMPARE(list->selectedRow(), 1);
        SavedFileIndex history = SavedFileIndex::forHistory(data.folder);
        QVERIFY(history.load());
        QCOMPARE(*history.title(1), sj("新しい名前"));
        QCOMPARE(*history.path(1), std::string("user\\SearchHistory\\s2.dat"));
    }

    void deleteAsksAndRemovesTheFileAfterTheIndex()
    {
        SavedData data;
        ScriptedMessageBoxService boxes;
        CUserFileArrangeDlg dlg(data.folder);
        auto* list = ctl<ReportListView>(&dlg, kEntries);
        list->selectSingleRow(1);
        boxes.queueAnswer(MessageAnswer::No);
        click(&dlg, kDelete);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("お気に入りデータ '装備b' を削除してよろしいですか？"));
        QCOMPARE(boxes.shown().back().buttons, MessageButtons::YesNo);
        QCOMPARE(boxes.shown().back().icon, MessageIcon::Question);
        QCOMPARE(columnTexts(*list, 0).size(), 3);

        boxes.queueAnswer(MessageAnswer::Yes);
        click(&dlg, kDelete);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(columnTexts(*list, 0), (QStringList{QStringLiteral("装備a"), QStringLiteral("装備c")}));
        QVERIFY(!std::filesystem::exists(data.folder.favoriteFolder() / "b.dat"));
        QVERIFY(std::filesystem::exists(data.folder.favoriteFolder() / "c.dat"));
    }

    void organiserWaitsForTheFolderLockWithoutFreezing()
    {
        // Another process holds the lock: the move waits behind the wait
        // window, and lands once the lock is free.
        SavedData data;
        QProcess holder;
        QVERIFY(holdFolderLock(holder, data.folder.favoriteFolder()));
        CUserFileArrangeDlg dlg(data.folder);
        dlg.show();
        auto* list = ctl<ReportListView>(&dlg, kEntries);
        list->selectSingleRow(0);
        click(&dlg, kDown);
        QTRY_VERIFY(dlg.findChild<CMessageDlg*>() && dlg.findChild<CMessageDlg*>()->isVisible());
        QCOMPARE(holder.state(), QProcess::Running); // the lock is still held
        QCOMPARE(cellText(*list, 0, 0), QStringLiteral("装備a"));
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(5000));
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(columnTexts(*list, 0),
                 (QStringList{QStringLiteral("装備b"), QStringLiteral("装備a"), QStringLiteral("装備c")}));
        QCOMPARE(list->selectedRow(), 1);
    }

    void failedIndexWriteKeepsEveryEntry()
    {
        SavedData data;
        ScriptedMessageBoxService boxes;
        RecordingErrorReporter errors;
        const std::string before = data.favoriteIndexBytes();
        CUserFileArrangeDlg dlg(data.folder);
        auto* list = ctl<ReportListView>(&dlg, kEntries);
        // Writes stop after the version line: every index write fails.
        zeku::test::FileSizeLimit fullDisk(20);
        list->selectSingleRow(0);
        boxes.queueAnswer(MessageAnswer::Yes);
        click(&dlg, kDelete);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(data.favoriteIndexBytes(), before);
        QVERIFY(std::filesystem::exists(data.folder.favoriteFolder() / "a.dat"));
        QCOMPARE(columnTexts(*list, 0).size(), 3);
        list->selectSingleRow(0);
        click(&dlg, kDown);
        QTRY_COMPARE(BackgroundFileTask::running(), 0);
        QCOMPARE(data.favoriteIndexBytes(), before);
        QCOMPARE(cellText(*list, 0, 0), QStringLiteral("装備a"));
        QVERIFY(!errors.fileErrors.empty());
    }

    // Two writes over one window: it stays disabled until the last is handed
    // back, each outcome arrives in the order the work ended, and what waits
    // for no write running (the close of the main window) runs only then.
    void backgroundWritesOverOneWindowNest()
    {
        QWidget owner;
        owner.show();
        std::atomic<bool> endFirst{false}, endSecond{false};
        const auto workUntil = [](std::atomic<bool>& end) {
            return [&end] {
                while (!end)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                return true;
            };
        };
        std::vector<int> handedBack;
        BackgroundFileTask::start(&owner, {}, workUntil(endFirst), [&](bool) { handedBack.push_back(1); });
        BackgroundFileTask::start(&owner, {}, workUntil(endSecond), [&](bool) { handedBack.push_back(2); });
        bool idle = false;
        BackgroundFileTask::whenIdle([&] { idle = true; });
        QVERIFY(!owner.isEnabled());
        endSecond = true;
        QTRY_COMPARE(handedBack.size(), std::size_t(1));
        QVERIFY(!owner.isEnabled());
        QVERIFY(!idle);
        endFirst = true;
        QTRY_VERIFY(idle);
        QVERIFY(owner.isEnabled());
        QCOMPARE(handedBack, (std::vector<int>{2, 1}));
    }
};

QTEST_MAIN(TestSmallDialogs)
#include "SmallDialogsTest.moc"
