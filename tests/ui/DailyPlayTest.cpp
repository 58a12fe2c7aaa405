// The main window over several sessions of play: its frame and condition come
// back after a real close and a new application object, a damaged or foreign
// session file starts afresh, unstored results are never discarded by a key,
// the result views keep readable heights, and the additional-skill window
// follows the condition it changes. The layouts are kept as PNGs under
// build/artifacts. The offscreen screen is 1920 × 1080 here, a common desktop.

#include "MainWindowFixture.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/lists/CAddableSkillListCtrl.h"
#include "ui/lists/CDataSelectListCtrl.h"
#include "ui/lists/CFindResultListCtrl.h"
#include "ui/lists/CSkillListCtrl.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "userfiles/SessionFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <fstream>

using namespace zeku;
using namespace zeku::test;

namespace {

constexpr int kWait = 20000;

void keepScreenshot(QWidget& window, const QString& name)
{
    QDir().mkpath(QStringLiteral(ZEKU_ARTIFACT_DIR));
    QVERIFY(window.grab().save(QStringLiteral(ZEKU_ARTIFACT_DIR "/%1.png").arg(name), "PNG"));
}

// Wants 攻撃 10, searches and closes the progress window.
void searchAttack(CSearchDlg& window)
{
    addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
    clickControl(window, 1070);
    QTRY_VERIFY_WITH_TIMEOUT(!window.searchRunning(), kWait);
    QVERIFY(window.progressWindow());
    window.progressWindow()->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QVERIFY(window.currentResults() && window.currentResults()->count() > 1);
}

// What saveSession() writes for the state of sessionLanguageIsWrittenOnlyOnceChosen,
// as every version before the language choice wrote it.
constexpr char kPlainSessionBytes[] =
    "Version=0.047\r\n[Window]\r\nX=10\r\nY=20\r\nWidth=1000\r\nHeight=720\r\nMaximized=0\r\n"
    "[DataBase]\r\nCount=0\r\n[Condition]\r\nSex=1\r\nJob=2\r\nRare=0\r\nDef=0\r\nSkill=1,10\r\n"
    "FixParts=0,0,0,0,0,0,0,0,0,0,0,0\r\nMaxDisp=10000\r\nJewel=0\r\nExclusiveItem=0\r\nExclusiveSkill=0\r\n"
    "SParts=0\r\n";

std::string readAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// True when `line` is a line of the [Window] section of the session file `bytes`.
bool inWindowSection(const std::string& bytes, const std::string& line)
{
    const std::size_t window = bytes.find("\r\n[Window]\r\n");
    const std::size_t found = bytes.find("\r\n" + line + "\r\n");
    return window != std::string::npos && found != std::string::npos && found > window &&
           found < bytes.find("\r\n[", window + 2);
}

} // namespace

class TestDailyPlay : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sessionComesBackAfterACloseAndANewApplication()
    {
        AppFixture fixture;
        const std::filesystem::path root = fixture.dir().path();
        const EquipItem* femaleHead = fixture.piece(PartHead, "女頭");
        const EquipItem* body = fixture.piece(PartBody, "防胴");
        {
            CSearchDlg window(fixture.app());
            window.restoreSession();
            window.setGeometry(100, 80, 1200, 900);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            ctl<QRadioButton>(window, 1039)->setChecked(true); // female
            ctl<QRadioButton>(window, 1041)->setChecked(true); // gunner
            window.setRarityCode(3);
            ctl<QLineEdit>(window, 1101)->setText(QStringLiteral("45"));
            ctl<QLineEdit>(window, 1094)->setText(QStringLiteral("999999"));
            ctl<QCheckBox>(window, 1096)->setChecked(true);
            ctl<QCheckBox>(window, 1247)->setChecked(true);
            fixture.app().exclusions().add(*body);
            fixture.app().excludedSkills().add(2, 10);
            ctl<QCheckBox>(window, 1099)->setChecked(true);
            ctl<QCheckBox>(window, 1107)->setChecked(true);
            window.replaceWantedSkills({{1, 15}, {2, 10}, {3, -10}});
            EquipSet fixed;
            fixed.setPiece(PartHead, femaleHead);
            fixed.setPiece(PartBody, body);
            fixed.addPieceJewels(PartBody, {fixture.app().master().jewels().items().data()});
            window.replaceFixedSet(fixed);
            window.setWindowState(Qt::WindowMaximized);
            QTRY_VERIFY(window.isMaximized());
            clickControl(window, 1054);
            QTRY_VERIFY(!window.isVisible()); // once the session is written
        }
        const std::string bytes = readAll(root / "user" / "Session.dat");
        QVERIFY(bytes.rfind("Version=", 0) == 0);
        QVERIFY(bytes.find("\r\n[Window]\r\n") != std::string::npos);
        QVERIFY(bytes.find('\n') == bytes.find("\r\n") + 1); // CR LF

        CSimulatorApp again(root);
        QVERIFY(again.startUp());
        again.exclusions().add(*again.master().equip(PartBody).items().data()); // lists are not kept: fill them
        again.excludedSkills().add(2, 10);
        CSearchDlg window(again);
        window.restoreSession();
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        window.show();
        QTRY_VERIFY(window.isMaximized());
        QCOMPARE(window.normalGeometry().size(), QSize(1200, 900));
        const SearchCondition c = window.conditionFromControls();
        QCOMPARE(c.sex, uint16_t(2));
        QCOMPARE(c.job, uint16_t(2));
        QCOMPARE(c.rarity, RarityFilterCode(3));
        QCOMPARE(c.minDefence, uint16_t(45));
        QCOMPARE(c.maxResults, uint32_t(999999));
        QVERIFY(c.useJewels && c.exactJewels);
        QVERIFY(c.useExcludedItems && c.useExcludedSkills && !c.requireSParts);
        QCOMPARE(c.wanted.size(), 3u);
        QCOMPARE(c.wanted[1].treeId, uint16_t(2));
        QCOMPARE(c.wanted[2].points, int16_t(-10));
        QVERIFY(c.fixed.piece(PartHead) && c.fixed.piece(PartHead)->name == femaleHead->name);
        QVERIFY(c.fixed.piece(PartBody) && c.fixed.piece(PartBody)->name == body->name);
        QCOMPARE(c.fixed.pieceSlots(PartBody).jewels.size(), 1u);
        QVERIFY(!c.fixed.piece(PartArm));
    }

    void aSessionLeftAsItOpenedWritesNothing()
    {
        AppFixture fixture;
        {
            CSearchDlg window(fixture.app());
            window.restoreSession();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            clickControl(window, 1054);
        }
        QVERIFY(!std::filesystem::exists(fixture.dir() / "user" / "Session.dat"));
        CSearchDlg window(fixture.app());
        window.restoreSession();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ctl<QLineEdit>(window, 1101)->setText(QStringLiteral("1")); // one field is enough
        clickControl(window, 1054);
        QTRY_VERIFY(!window.isVisible()); // once the session is written
        QVERIFY(std::filesystem::exists(fixture.dir() / "user" / "Session.dat"));
    }

    void aFrameOffEveryScreenComesBackOntoOne()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize minimum(CSearchDlg::kMinWidth, CSearchDlg::kMinHeight);
        const QRect inside(100, 100, 1000, 700);
        QCOMPARE(CSearchDlg::frameOnScreen(inside, minimum), inside);
        // A title bar just on the edge stays; one a pixel beyond it moves.
        const QRect edge(screen.right() - 119, 100, 1000, 700);
        QCOMPARE(CSearchDlg::frameOnScreen(edge, minimum), edge);
        const QRect gone = CSearchDlg::frameOnScreen(edge.translated(1, 0), minimum);
        QVERIFY(screen.contains(gone));
        const QRect huge = CSearchDlg::frameOnScreen(QRect(-5000, 3000, 4000, 3000), minimum);
        QVERIFY(screen.contains(huge));
        QCOMPARE(huge.size(), screen.size());
        // A frame larger than the screen it is on shrinks to it, title bar on screen.
        const QRect absurd =
            CSearchDlg::frameOnScreen(QRect(screen.left() + 10, screen.top() + 10, 32767, 32767), minimum);
        QCOMPARE(absurd, screen);
        const QRect tooWide =
            CSearchDlg::frameOnScreen(QRect(screen.left() + 10, screen.top() + 20, screen.width() + 1, 700), minimum);
        QCOMPARE(tooWide, QRect(screen.left(), screen.top() + 20, screen.width(), 700));
    }

    void damagedOrForeignSessionFilesStartAfresh_data()
    {
        // Each row breaks one thing of a file that reads (the row "whole" below).
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("reads");
        const QByteArray window = "[Window]\r\nWidth=900\r\nHeight=777\r\n";
        const QByteArray condition =
            "[Condition]\r\nSex=2\r\nJob=1\r\nSkill=1,10\r\nFixParts=0,0,0,0,0,0,0,0,0,0,0,0\r\n"
            "MaxDisp=123\r\nSParts=0\r\n";
        const QByteArray version = "Version=0.047\r\n";
        QTest::newRow("whole") << version + window + condition << true;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("junk") << QByteArray("\x81\x00\xff zzz\r\n[Window\r\n", 18) << false;
        QTest::newRow("no version first") << window + version + condition << false;
        QTest::newRow("no window") << version + condition << false;
        QTest::newRow("two windows") << version + window + window + condition << false;
        QTest::newRow("no height") << version + "[Window]\r\nWidth=900\r\n" + condition << false;
        QTest::newRow("zero width") << version + "[Window]\r\nWidth=0\r\nHeight=777\r\n" + condition << false;
        QTest::newRow("no condition") << version + window << false;
        QTest::newRow("sex 3") << version + window + QByteArray(condition).replace("Sex=2", "Sex=3") << false;
        QTest::newRow("job 0") << version + window + QByteArray(condition).replace("Job=1", "Job=0") << false;
        QTest::newRow("odd skill line") << version + window + QByteArray(condition).replace("Skill=1,10", "Skill=1")
                                        << false;
        QTest::newRow("history file") << version + window + condition +
                                             "[Records]\r\nCount=1\r\n0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                                      << false;
    }

    void damagedOrForeignSessionFilesStartAfresh()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, reads);
        AppFixture fixture;
        writeFileBytes(fixture.dir() / "user" / "Session.dat", bytes.toStdString());
        ScriptedMessageBoxService boxes;
        CSearchDlg fresh(fixture.app());
        CSearchDlg window(fixture.app());
        window.restoreSession();
        QCoreApplication::processEvents();
        QVERIFY(boxes.shown().empty());
        if (reads) {
            QCOMPARE(window.height(), 777);
            QCOMPARE(ctl<QLineEdit>(window, 1094)->text(), QStringLiteral("123"));
            QCOMPARE(window.wantedSkills().size(), 1u);
            return;
        }
        QCOMPARE(window.size(), fresh.size());
        QCOMPARE(ctl<QLineEdit>(window, 1094)->text(), QStringLiteral("10000"));
        QVERIFY(window.wantedSkills().empty());
    }

    void aSessionFileThatIsALinkIsNotFollowed()
    {
        AppFixture fixture;
        const std::filesystem::path real = fixture.dir() / "elsewhere.dat";
        writeFileBytes(real, "Version=0.047\r\n[Window]\r\nWidth=900\r\nHeight=777\r\n[Condition]\r\nSex=2\r\nJob=1\r\n"
                             "FixParts=0,0,0,0,0,0,0,0,0,0,0,0\r\nSParts=0\r\n");
        QVERIFY(loadSession(UserFolder(fixture.dir() / "elsewhere-user"), fixture.app().master()) == std::nullopt);
        std::filesystem::copy_file(real, fixture.dir() / "user" / "Session.dat");
        QVERIFY(loadSession(fixture.app().userFolder(), fixture.app().master()).has_value()); // the plain file reads
        std::filesystem::remove(fixture.dir() / "user" / "Session.dat");
        std::filesystem::create_symlink(real, fixture.dir() / "user" / "Session.dat");
        QVERIFY(!loadSession(fixture.app().userFolder(), fixture.app().master()).has_value());
    }

    // "Language=" of [Window]: read by the whole reader and by the start-up
    // reader alike; only a known code in [Window] counts.
    void sessionLanguageKey_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("reads"); // the whole session
        const QByteArray head = "Version=0.047\r\n[Window]\r\nWidth=900\r\nHeight=777\r\n";
        const QByteArray condition =
            "[Condition]\r\nSex=2\r\nJob=1\r\nFixParts=0,0,0,0,0,0,0,0,0,0,0,0\r\nSParts=0\r\n";
        QTest::newRow("never chosen") << head + condition << QString() << true;
        QTest::newRow("en") << head + "Language=en\r\n" + condition << QStringLiteral("en") << true;
        QTest::newRow("ja") << head + "Language=ja\r\n" + condition << QStringLiteral("ja") << true;
        QTest::newRow("unknown: the system's") << head + "Language=de\r\n" + condition << QString() << true;
        QTest::newRow("upper case") << head + "Language=EN\r\n" + condition << QString() << true;
        QTest::newRow("empty value") << head + "Language=\r\n" + condition << QString() << true;
        QTest::newRow("before [Window]") << QByteArray("Version=0.047\r\nLanguage=en\r\n") + head.mid(15) + condition
                                         << QString() << true;
        QTest::newRow("window without size")
            << QByteArray("Version=0.047\r\n[Window]\r\nWidth=900\r\nLanguage=en\r\n") + condition << QString()
            << false;
    }

    void sessionLanguageKey()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, language);
        QFETCH(bool, reads);
        AppFixture fixture;
        writeFileBytes(fixture.dir() / "user" / "Session.dat", bytes.toStdString());
        QCOMPARE(QString::fromStdString(loadSessionLanguage(fixture.app().userFolder())), language);
        const std::optional<RestoredSession> session = loadSession(fixture.app().userFolder(), fixture.app().master());
        QCOMPARE(session.has_value(), reads);
        if (session)
            QCOMPARE(QString::fromStdString(session->state.language), language);
    }

    // A session that never chose a language writes today's bytes; a chosen
    // one adds its line to [Window] and nothing else.
    void sessionLanguageIsWrittenOnlyOnceChosen()
    {
        AppFixture fixture;
        SessionState state;
        state.x = 10;
        state.y = 20;
        state.width = 1000;
        state.height = 720;
        state.condition.sex = 1;
        state.condition.job = 2;
        state.condition.wanted = {{1, 10}};
        const std::filesystem::path file = fixture.dir() / "user" / "Session.dat";
        QVERIFY(saveSession(fixture.app().userFolder(), state));
        const std::string plain = readAll(file);
        QCOMPARE(QByteArray::fromStdString(plain), QByteArray(kPlainSessionBytes));
        state.language = kSessionLanguageEnglish;
        QVERIFY(saveSession(fixture.app().userFolder(), state));
        std::string chosen = plain;
        chosen.insert(chosen.find("Maximized=0\r\n") + 13, "Language=en\r\n");
        QCOMPARE(QByteArray::fromStdString(readAll(file)), QByteArray::fromStdString(chosen));
        const std::optional<RestoredSession> back = loadSession(fixture.app().userFolder(), fixture.app().master());
        QVERIFY(back && sameSession(back->state, state));
        state.language = "de"; // no code of ours: not written
        QVERIFY(saveSession(fixture.app().userFolder(), state));
        QCOMPARE(readAll(file), plain);
    }

    // The context menu's "言語" keeps the choice in the session file at once
    // and says when it takes effect; the next window shows it checked.
    void languageChoiceOfTheContextMenuIsKept()
    {
        AppFixture fixture;
        const std::filesystem::path file = fixture.dir() / "user" / "Session.dat";
        ScriptedMessageBoxService boxes;
        const auto choices = [](CSearchDlg& window) {
            for (QAction* action : window.actions())
                if (action->menu() && action->text() == QStringLiteral("言語"))
                    return action->menu()->actions();
            return QList<QAction*>();
        };
        const auto checked = [](const QList<QAction*>& actions) {
            QStringList texts;
            for (QAction* action : actions)
                if (action->isChecked())
                    texts << action->text();
            return texts;
        };
        {
            CSearchDlg window(fixture.app());
            window.restoreSession();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QList<QAction*> actions = choices(window);
            QCOMPARE(actions.size(), 3);
            QCOMPARE(actions[0]->text(), QStringLiteral("システムに合わせる"));
            QCOMPARE(actions[1]->text(), QStringLiteral("日本語"));
            QCOMPARE(actions[2]->text(), QStringLiteral("English"));
            QCOMPARE(checked(actions), QStringList({"システムに合わせる"}));
            actions[0]->trigger(); // the choice in force: nothing written, nothing said
            QVERIFY(!std::filesystem::exists(file));
            QVERIFY(boxes.shown().empty());
            actions[2]->trigger();
            QCOMPARE(checked(actions), QStringList({"English"}));
            QTRY_VERIFY(inWindowSection(readAll(file), "Language=en"));
            QTRY_COMPARE(boxes.shown().size(), 1u); // once the write has ended
            QCOMPARE(boxes.shown().back().text, QStringLiteral("表示言語の変更は次回の起動時に反映されます。"));
            clickControl(window, 1054);
        }
        QCOMPARE(loadSessionLanguage(fixture.app().userFolder()), std::string("en"));
        CSearchDlg window(fixture.app());
        window.restoreSession();
        const QList<QAction*> actions = choices(window);
        QCOMPARE(checked(actions), QStringList({"English"}));
        actions[0]->trigger();
        QTRY_VERIFY(readAll(file).find("Language=") == std::string::npos);
        QTRY_COMPARE(boxes.shown().size(), 2u);
    }

    void itemsTheCatalogueLostAreDroppedAndCounted()
    {
        AppFixture fixture;
        SessionState state;
        state.width = 1000;
        state.height = 720;
        state.condition.sex = 1;
        state.condition.job = 1;
        state.condition.wanted = {{1, 10}, {2, 10}};
        state.condition.fixed.setPiece(PartHead, fixture.piece(PartHead, "鉄頭"));
        state.condition.fixed.setPiece(PartLeg, fixture.piece(PartLeg, "鉄脚"));
        QVERIFY(saveSession(fixture.app().userFolder(), state));
        // The catalogue no longer has "鉄脚" nor skill tree 2.
        const std::filesystem::path file = fixture.dir() / "user" / "Session.dat";
        std::string bytes = readAll(file);
        const std::string leg = sj("鉄脚");
        bytes.replace(bytes.find(leg), leg.size(), sj("消えた脚"));
        bytes.replace(bytes.find("Skill=2,10"), 10, "Skill=9,10");
        writeFileBytes(file, bytes);

        ScriptedMessageBoxService boxes;
        CSearchDlg window(fixture.app());
        window.restoreSession();
        QTRY_COMPARE(boxes.shown().size(), 1u);
        QVERIFY2(boxes.shown().back().text.contains(QStringLiteral(" 2 件")), qPrintable(boxes.shown().back().text));
        QCOMPARE(window.wantedSkills().size(), 1u);
        QVERIFY(window.fixedSet().piece(PartHead));
        QVERIFY(!window.fixedSet().piece(PartLeg));
    }

    void closingAsksBeforeUnstoredResultsGo_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Escape") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("閉じる") << 2;
    }

    void closingAsksBeforeUnstoredResultsGo()
    {
        QFETCH(int, way);
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        CSearchDlg window(fixture.app());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto close = [&] {
            if (way == 0)
                QTest::keyClick(&window, Qt::Key_Escape);
            else if (way == 1)
                window.close();
            else
                clickControl(window, 1054);
        };
        // Nothing on display: no question.
        close();
        QVERIFY(boxes.shown().empty());
        QVERIFY(!window.isVisible());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        searchAttack(window);
        const int32_t count = window.currentResults()->count();
        const std::size_t before = boxes.shown().size();
        boxes.queueAnswer(MessageAnswer::Cancel);
        close();
        QCOMPARE(boxes.shown().size(), before + 1);
        QCOMPARE(boxes.shown().back().text, QStringLiteral("現在表示されている検索結果を破棄しますがよろしいですか？"));
        QCOMPARE(boxes.shown().back().buttons, MessageButtons::OkCancel);
        QVERIFY(window.isVisible());
        QCOMPARE(window.currentResults()->count(), count);
        QCOMPARE(ctl<CFindResultListCtrl>(window, 1061)->model()->rowCount(), count);

        boxes.queueAnswer(MessageAnswer::Ok);
        close();
        QVERIFY(!window.isVisible());
    }

    void resultViewsKeepReadableHeights()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        searchAttack(window);
        auto* setView = ctl<CDataSelectListCtrl>(window, 1055);
        auto* totals = ctl<CSkillListCtrl>(window, 1056);
        keepScreenshot(window, QStringLiteral("main-window-opening"));
        QVERIFY2(setView->height() >= setView->heightForRows(CSearchDlg::kSetViewRows),
                 qPrintable(QString::number(setView->height())));
        QVERIFY2(totals->height() >= totals->heightForRows(CSearchDlg::kTotalsRowsAtOpening),
                 qPrintable(QString::number(totals->height())));
        QVERIFY(setView->geometry().bottom() < totals->geometry().top());

        // Maximised, the wanted skills and the results show more rows.
        const int wantedHeight = ctl<QWidget>(window, 1063)->height();
        const int resultsHeight = ctl<QWidget>(window, 1061)->height();
        window.setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(window.isMaximized());
        QTRY_VERIFY(window.height() > 1000);
        QVERIFY(ctl<QWidget>(window, 1063)->height() > wantedHeight + 50);
        QVERIFY(ctl<QWidget>(window, 1061)->height() > resultsHeight + 100);
        QVERIFY(ctl<QWidget>(window, 1063)->geometry().bottom() < ctl<QWidget>(window, 1061)->y());
        keepScreenshot(window, QStringLiteral("main-window-maximised"));
        window.setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(!window.isMaximized());

        window.resize(CSearchDlg::kMinWidth, CSearchDlg::kMinHeight);
        QTest::qWait(20);
        keepScreenshot(window, QStringLiteral("main-window-minimum-results"));
        QVERIFY(totals->height() >= totals->heightForRows(CSearchDlg::kTotalsRowsAtLeast));
        QVERIFY(setView->height() >= setView->heightForRows(2));
        // "装飾品", the last column, is reached by the side scroll bar.
        QScrollBar* side = setView->horizontalScrollBar();
        QVERIFY(side->isVisible() || side->maximum() == 0);
        QVERIFY(totals->geometry().bottom() <= ctl<QWidget>(window, 1061)->geometry().bottom());
        // Back from the maximised size, the condition area is as it opened.
        QCOMPARE(ctl<QWidget>(window, 1063)->height(), wantedHeight);
        QVERIFY(ctl<QWidget>(window, 1063)->geometry().bottom() < ctl<QWidget>(window, 1061)->y());
    }

    void manualEditorShowsFifteenPieceRows()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        int opening = 0, enlarged = 0, wanted = 0;
        setDialogRunner([&](QDialog& dialog) {
            auto& editor = dynamic_cast<CManualEditDlg&>(dialog);
            editor.show();
            if (!QTest::qWaitForWindowExposed(&editor))
                return int(QDialog::Rejected);
            auto* list = editor.findChild<ReportListView*>(QStringLiteral("equipList"));
            wanted = list->heightForRows(CManualEditDlg::kListRowsAtLeast);
            opening = list->height();
            keepScreenshot(editor, QStringLiteral("manual-editor-opening"));
            editor.resize(editor.width() + 200, editor.height() + 200);
            QTest::qWait(20);
            enlarged = list->height();
            return int(QDialog::Rejected);
        });
        clickControl(window, 1037);
        setDialogRunner({});
        QVERIFY2(opening >= wanted, qPrintable(QStringLiteral("%1 < %2").arg(opening).arg(wanted)));
        QVERIFY(enlarged >= opening);
    }

    void progressAndWaitWindowsOfferNoMaximise()
    {
        AppFixture fixture;
        CFindProcessDlg progress(nullptr, SearchCondition(), fixture.app().skills());
        QVERIFY(!(progress.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(progress.windowFlags() & Qt::WindowMinimizeButtonHint);
        CMessageDlg wait(nullptr);
        QVERIFY(!(wait.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(wait.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void additionalSkillWindowFollowsItsAdditions()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
        QStringList baseLines, rowsAfter, reference;
        bool stopShownAtOnce = false, closedAfterStop = false;
        setDialogRunner([&](QDialog& dialog) -> int {
            auto& addable = dynamic_cast<CAddableSkillDlg&>(dialog);
            auto* base = addable.findChild<QLabel*>(QStringLiteral("baseCondition"));
            baseLines << base->text();
            if (!QTest::qWaitFor([&] { return !addable.searchRunning(); }, kWait))
                return int(QDialog::Rejected);
            auto* list = ctl<CAddableSkillListCtrl>(addable, 1241);
            // A row of another tree than 攻撃: the condition grows by one skill.
            int other = -1;
            for (int r = 0; r < list->model()->rowCount() && other < 0; ++r)
                if (list->getDataArray()[static_cast<std::size_t>(r)]->tree->id != 1)
                    other = r;
            if (other < 0)
                return int(QDialog::Rejected);
            list->selectSingleRow(other);
            clickControl(addable, 1243);
            baseLines << base->text();
            if (!QTest::qWaitFor([&] { return !addable.searchRunning(); }, kWait))
                return int(QDialog::Rejected);
            for (int r = 0; r < list->model()->rowCount(); ++r)
                rowsAfter << list->cellText(r, 0) + list->cellText(r, 1);
            // A fresh window on the condition the main window has now.
            CAddableSkillDlg fresh(fixture.app().master(), window.conditionFromControls());
            if (!QTest::qWaitFor([&] { return !fresh.searchRunning(); }, kWait))
                return int(QDialog::Rejected);
            auto* freshList = ctl<CAddableSkillListCtrl>(fresh, 1241);
            for (int r = 0; r < freshList->model()->rowCount(); ++r)
                reference << freshList->cellText(r, 0) + freshList->cellText(r, 1);
            // "中止" answers before the search's last word.
            addable.restart(window.conditionFromControls());
            clickControl(addable, 1244);
            stopShownAtOnce = !ctl<QPushButton>(addable, 1244)->isEnabled() &&
                              ctl<QLabel>(addable, 1246)->text().startsWith(QStringLiteral("中止しています"));
            clickControl(addable, 1245);
            closedAfterStop = QTest::qWaitFor([&] { return !addable.isVisible(); }, kWait);
            return addable.result();
        });
        clickControl(window, 1240);
        setDialogRunner({});
        QCOMPARE(window.wantedSkills().size(), 2u);
        QCOMPARE(baseLines.size(), 2);
        QCOMPARE(baseLines[0], QStringLiteral("基本条件：攻撃+10"));
        QVERIFY2(baseLines[1].startsWith(QStringLiteral("基本条件：攻撃+10　")), qPrintable(baseLines[1]));
        QCOMPARE(rowsAfter, reference);
        QVERIFY(stopShownAtOnce);
        QVERIFY(closedAfterStop);
    }
};

int main(int argc, char* argv[])
{
    // A screen of a common desktop rather than the offscreen default 800 × 600.
    const QString config =
        QDir::temp().filePath(QStringLiteral("zeku-daily-screen-%1.json").arg(QCoreApplication::applicationPid()));
    {
        std::ofstream out(config.toStdString());
        out << R"({"screens":[{"name":"screen","x":0,"y":0,"width":1920,"height":1080,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.toUtf8());
    QApplication app(argc, argv);
    TestDailyPlay test;
    const int failed = QTest::qExec(&test, argc, argv);
    QFile::remove(config);
    return failed;
}

#include "DailyPlayTest.moc"
