// The progress window (bar scale, counts, percent title, remaining time,
// stop with confirmation, the cut-off ends), the condition confirm window's
// check boxes, the condition text in the windows' language, the favourite
// input dialog and the waiting window.

#include "UiFixtures.h"
#include "support/TestSupport.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/main/CFindConditionDispDlg.h"
#include "ui/app/UiLanguage.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/platform/TextConvert.h"
#include "ui/platform/WindowConditionText.h"
#include "ui/platform/WindowSupport.h"
#include "ui/platform/MessageBoxService.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <deque>

using namespace zeku;
using namespace zeku::test;

namespace {

template <typename T>
T* child(const QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QString labelText(const QWidget& window, const char* name)
{
    return child<QLabel>(window, name)->text();
}

// A condition with one wanted skill and the excluded-skill switch on.
SearchCondition sampleCondition()
{
    SearchCondition condition;
    condition.sex = 1;
    condition.job = 1;
    condition.wanted = {SkillPoint{kAttack, 10}};
    condition.useExcludedSkills = true;
    condition.excludedSkills.add(kGuard, -5);
    return condition;
}

// Conditions that between them reach every fixed word of the condition text:
// each class and sex, each rarity form, defence, jewel and list switches,
// empty and filled lists, a fixed weapon with jewels and pieces with and
// without. Every data name is ASCII, so any other character in a translated
// text is a fixed word the translation missed.
struct WordCoverage {
    SkillCatalogue skills;
    WeaponSlotList weapons;
    std::deque<EquipItem> items;
    Jewel jewel{"Power jewel", 1, 1, {}};
    std::vector<SearchCondition> conditions;
    bool jewelsFitted = false;

    WordCoverage()
    {
        skills.addTree({12, "Attack", {{12, 10, "Attack up S"}}});
        for (int part = 0; part < kPartCount; ++part) {
            EquipItem item;
            item.part = static_cast<PartKind>(part);
            item.name = "Iron " + std::to_string(part);
            item.sex = static_cast<uint16_t>(part % 3);
            item.slots = 3;
            items.push_back(item);
        }
        SearchCondition a;
        a.job = 1;
        a.sex = 2;
        a.useJewels = true;
        a.maxResults = 100;
        SearchCondition b = a;
        b.job = 2;
        b.sex = 1;
        b.rarity = 105;
        b.minDefence = 120;
        b.exactJewels = true;
        b.useExcludedItems = b.useExcludedSkills = b.requireSParts = true;
        b.fixed.setWeapon(weapons.forSlots(2));
        jewelsFitted = b.fixed.addWeaponJewels({&jewel, &jewel});
        b.fixed.setPiece(PartArm, &items[PartArm]);
        SearchCondition c = b;
        c.job = 0;
        c.sex = 0;
        c.rarity = -3;
        c.useJewels = false;
        c.wanted = {{12, 10}, {99, 5}};
        c.fixed.clear();
        c.fixed.setPiece(PartHead, &items[PartHead]);
        jewelsFitted = jewelsFitted && c.fixed.addPieceJewels(PartHead, {&jewel});
        for (const EquipItem& item : items) {
            c.excludedItems.add(item);
            c.sParts.add(item);
        }
        c.excludedItems.add(jewel);
        c.excludedSkills.add(12, 10);
        c.excludedSkills.add(99, 5);
        SearchCondition d = a;
        d.rarity = 7;
        conditions = {a, b, c, d};
    }
};

} // namespace

class TestProgressWindows : public QObject {
    Q_OBJECT

private:
    MasterData m_master;

private Q_SLOTS:
    void initTestCase() { buildSampleMaster(m_master); }
    // A failed check in English must not leave the next test in English.
    void cleanup() { applyLanguage(UiLanguage::Japanese); }

    void barScaleKeepsTheRangeAtMostAThousand()
    {
        const SearchCondition condition = sampleCondition();
        CFindProcessDlg window(nullptr, condition, m_master.skills());
        window.startSearch(500, 12345);
        QCOMPARE(window.barScale(), uint64_t(100));
        QCOMPARE(child<QProgressBar>(window, "progressBar")->maximum(), 123);
        QCOMPARE(labelText(window, "countsLine"), QStringLiteral("0 / 12,345"));
        QCOMPARE(window.windowTitle(), QStringLiteral("0% 検索中"));
        QVERIFY(child<QPlainTextEdit>(window, "conditionText")->toPlainText().contains(QStringLiteral("攻撃")));

        CFindProcessDlg exact(nullptr, condition, m_master.skills());
        exact.startSearch(10, 1000);
        QCOMPARE(exact.barScale(), uint64_t(1));
        QCOMPARE(child<QProgressBar>(exact, "progressBar")->maximum(), 1000);
    }

    void progressShowsPercentAndCompletion()
    {
        const SearchCondition condition = sampleCondition();
        CFindProcessDlg window(nullptr, condition, m_master.skills());
        window.startSearch(200, 3000);
        window.showProgress(100, 1999);
        QCOMPARE(window.windowTitle(), QStringLiteral("66% 検索中"));
        QCOMPARE(labelText(window, "countsLine"), QStringLiteral("1,999 / 3,000"));
        QCOMPARE(child<QProgressBar>(window, "progressBar")->value(), 199);
        QVERIFY(window.timerRunning());
        window.showHits(1234567);
        QCOMPARE(labelText(window, "hitsLine"), QStringLiteral("1,234,567 件"));

        window.showProgress(200, 3000);
        QCOMPARE(window.windowTitle(), QStringLiteral("検索完了"));
        QCOMPARE(labelText(window, "countsLine"), QStringLiteral("検索完了しました"));
        QCOMPARE(labelText(window, "remainingLine"), QString());
        QCOMPARE(child<QPushButton>(window, "cancelButton")->text(), QStringLiteral("ＯＫ"));
        QVERIFY(!window.timerRunning());
    }

    void remainingTimeForms()
    {
        QCOMPARE(CFindProcessDlg::remainingTimeText(3725), QStringLiteral("推定残り時間: 1時間02分05秒"));
        QCOMPARE(CFindProcessDlg::remainingTimeText(61), QStringLiteral("推定残り時間: 1分01秒"));
        QCOMPARE(CFindProcessDlg::remainingTimeText(59), QStringLiteral("推定残り時間: 59秒"));
        QCOMPARE(CFindProcessDlg::remainingTimeText(0), QStringLiteral("推定残り時間: 0秒"));
    }

    void remainingTimeNeedsOneSecondAndARate()
    {
        const SearchCondition condition = sampleCondition();
        CFindProcessDlg window(nullptr, condition, m_master.skills());
        uint64_t now = 5000;
        window.setTickSource([&now] { return now; });
        window.startSearch(1100, 5000);
        window.showProgress(0, 1); // starts the clock at 5000
        const QString initial = labelText(window, "remainingLine");

        now = 5999; // less than a second
        window.showProgress(100, 100);
        window.updateRemainingTime();
        QCOMPARE(labelText(window, "remainingLine"), initial);

        now = 7000; // two seconds, 50 combinations a second, 1000 left
        window.updateRemainingTime();
        QCOMPARE(labelText(window, "remainingLine"), QStringLiteral("推定残り時間: 20秒"));

        window.showProgress(1, 200); // rate 0: the line stays
        window.updateRemainingTime();
        QCOMPARE(labelText(window, "remainingLine"), QStringLiteral("推定残り時間: 20秒"));
    }

    void stopAsksAndOnlyYesRequestsCancel()
    {
        const SearchCondition condition = sampleCondition();
        ScriptedMessageBoxService boxes;
        CFindProcessDlg window(nullptr, condition, m_master.skills());
        QSignalSpy cancel(&window, &CFindProcessDlg::cancelRequested);
        window.startSearch(100, 100);
        window.showProgress(10, 10);
        auto* button = child<QPushButton>(window, "cancelButton");

        boxes.queueAnswer(MessageAnswer::No);
        button->click();
        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("検索を終了してよろしいですか？"));
        QCOMPARE(boxes.shown()[0].buttons, MessageButtons::YesNo);
        QCOMPARE(cancel.count(), 0);
        QVERIFY(button->isEnabled());
        QVERIFY(window.isVisible());

        boxes.queueAnswer(MessageAnswer::Yes);
        button->click();
        QCOMPARE(cancel.count(), 1);
        QVERIFY(!button->isEnabled());
        QVERIFY(window.isVisible()); // the main window closes it on the cancelled notice

        // The search completed before it saw the request: "ＯＫ" must still close.
        window.showProgress(100, 100);
        QVERIFY(button->isEnabled());
        QCOMPARE(button->text(), QStringLiteral("ＯＫ"));
        button->click();
        QVERIFY(!window.isVisible());
        QCOMPARE(boxes.shown().size(), std::size_t(2));
    }

    void completedWindowClosesWithoutAsking()
    {
        const SearchCondition condition = sampleCondition();
        ScriptedMessageBoxService boxes;
        CFindProcessDlg window(nullptr, condition, m_master.skills());
        QSignalSpy cancel(&window, &CFindProcessDlg::cancelRequested);
        QSignalSpy finished(&window, &QDialog::finished);
        window.startSearch(100, 100);
        window.showProgress(100, 100);
        child<QPushButton>(window, "cancelButton")->click();
        QVERIFY(boxes.shown().empty());
        QCOMPARE(cancel.count(), 0);
        QCOMPARE(finished.count(), 1);
    }

    void cutOffEndsSayWhy()
    {
        const SearchCondition condition = sampleCondition();
        CFindProcessDlg limited(nullptr, condition, m_master.skills());
        limited.startSearch(100, 2000);
        limited.showProgress(10, 30);
        limited.showLimitReached();
        QCOMPARE(limited.windowTitle(), QStringLiteral("検索完了"));
        QCOMPARE(labelText(limited, "countsLine"), QStringLiteral("最大表示件数に達しましたので"));
        QCOMPARE(labelText(limited, "remainingLine"), QStringLiteral("検索を打ち切りました　　　　"));
        QCOMPARE(child<QProgressBar>(limited, "progressBar")->value(), 200);
        QCOMPARE(limited.done(), limited.total());
        QVERIFY(!limited.timerRunning());

        CFindProcessDlg memory(nullptr, condition, m_master.skills());
        memory.startSearch(100, 2000);
        memory.showOutOfMemory();
        QCOMPARE(labelText(memory, "countsLine"), QStringLiteral("メモリ不足になりましたので"));
        QCOMPARE(labelText(memory, "remainingLine"), QStringLiteral("検索を打ち切りました　　　"));
        QCOMPARE(child<QPushButton>(memory, "cancelButton")->text(), QStringLiteral("ＯＫ"));
    }

    void showConditionChangesOnlyTheHeight()
    {
        const SearchCondition condition = sampleCondition();
        CFindProcessDlg window(nullptr, condition, m_master.skills());
        window.startSearch(100, 100);
        auto* show = child<QCheckBox>(window, "showConditionCheck");
        auto* text = child<QPlainTextEdit>(window, "conditionText");
        show->click();
        QVERIFY(show->isChecked());
        QVERIFY(text->isVisible());
        const QSize full = window.size();
        show->click();
        QVERIFY(text->isHidden());
        QCOMPARE(window.size(), QSize(full.width(), full.height() - 300));

        child<QCheckBox>(window, "topMostCheck")->click();
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.size(), QSize(full.width(), full.height() - 300));
    }

    void confirmWindowCheckBoxRules()
    {
        const SearchCondition condition = sampleCondition(); // only the excluded-skill switch on
        CFindConditionDispDlg dialog(condition, m_master.skills());
        auto* basic = child<QCheckBox>(dialog, "basicCheck");
        auto* skills = child<QCheckBox>(dialog, "skillsCheck");
        auto* fixed = child<QCheckBox>(dialog, "fixedCheck");
        auto* items = child<QCheckBox>(dialog, "excludedItemsCheck");
        auto* excludedSkills = child<QCheckBox>(dialog, "excludedSkillsCheck");
        auto* sParts = child<QCheckBox>(dialog, "sPartsCheck");
        auto* all = child<QCheckBox>(dialog, "allCheck");
        QVERIFY(!items->isEnabled());
        QVERIFY(excludedSkills->isEnabled());
        QVERIFY(!sParts->isEnabled());
        QVERIFY(child<QPlainTextEdit>(dialog, "conditionText")->toPlainText().contains(QStringLiteral("攻撃")));

        basic->click();
        skills->click();
        fixed->click();
        QVERIFY(!all->isChecked()); // the enabled excluded-skill box is still off
        excludedSkills->click();
        QVERIFY(all->isChecked());
        skills->click();
        QVERIFY(!all->isChecked());

        all->click(); // checks the three and the enabled one only
        QVERIFY(basic->isChecked() && skills->isChecked() && fixed->isChecked() && excludedSkills->isChecked());
        QVERIFY(!items->isChecked() && !sParts->isChecked());
        all->click();
        QVERIFY(!basic->isChecked() && !excludedSkills->isChecked());

        basic->click();
        excludedSkills->click();
        child<QPushButton>(dialog, "okButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.parts().basic && dialog.parts().excludedSkills);
        QVERIFY(!dialog.parts().skills && !dialog.parts().fixed && !dialog.parts().excludedItems &&
                !dialog.parts().sParts);
    }

    // The windows' words: without a translation exactly the core's text of
    // the files, in English the same lines with no Japanese word left.
    void conditionTextFollowsTheWindowsLanguage()
    {
        const WordCoverage data;
        QVERIFY(data.jewelsFitted);
        std::vector<QStringList> japanese;
        for (const SearchCondition& condition : data.conditions) {
            std::string core;
            appendConditionText(condition, data.skills, core);
            QCOMPARE(windowConditionText(condition, data.skills), toQString(core));
            japanese.push_back(toQString(core).split(QStringLiteral("\r\n")));
        }
        QVERIFY(applyLanguage(UiLanguage::English));
        for (std::size_t i = 0; i < data.conditions.size(); ++i) {
            const QString english = windowConditionText(data.conditions[i], data.skills);
            QCOMPARE(english.split(QStringLiteral("\r\n")).size(), japanese[i].size());
            for (QChar ch : english)
                QVERIFY2(ch.unicode() < 0x80 || ch == QChar(0x25A0), qPrintable(english)); // ■ marks a heading
        }
    }

    void favoriteInputRefusesWhatCannotBeStored()
    {
        ScriptedMessageBoxService boxes;
        CFavoriteDataInputDlg dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("お気に入り装備登録"));
        dialog.setCaption(QStringLiteral("検索結果保存"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("検索結果保存"));
        dialog.setTitle(sj("剣士装備(男)"));
        auto* title = controlById<QLineEdit>(&dialog, 1049);
        auto* comment = controlById<QLineEdit>(&dialog, 1050);
        QVERIFY(title && comment);
        QCOMPARE(title->text(), QStringLiteral("剣士装備(男)"));
        QCOMPARE(title->accessibleName(), QStringLiteral("タイトル"));

        title->clear();
        dialog.accept();
        QCOMPARE(boxes.shown().back().text, QStringLiteral("タイトルを入力してください。"));
        QCOMPARE(boxes.shown().back().icon, MessageIcon::Warning);

        title->setText(QStringLiteral("火力"));
        comment->setText(QStringLiteral("a,b"));
        dialog.accept();
        QCOMPARE(boxes.shown().back().text, QStringLiteral("カンマ記号は使用できません。"));

        comment->setText(QStringLiteral("雪だるま☃"));
        dialog.accept();
        QCOMPARE(boxes.shown().size(), std::size_t(3));
        QVERIFY(boxes.shown().back().text.contains(QStringLiteral("☃")));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));

        // Titles the index line cannot hold are refused as the command line refuses them.
        comment->setText(QStringLiteral("一番"));
        for (const char* hostile : {"a=b", "#1 火力装備", ";x", "Version", "a\tb", " 前"}) {
            title->setText(QString::fromUtf8(hostile));
            dialog.accept();
            QCOMPARE(boxes.shown().back().icon, MessageIcon::Warning);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(boxes.shown().size(), std::size_t(9));
        title->setText(QStringLiteral("火力"));

        dialog.accept();
        QCOMPARE(boxes.shown().size(), std::size_t(9));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.title(), sj("火力"));
        QCOMPARE(dialog.comment(), sj("一番"));
    }

    void waitingWindowShowsItsTwoLines()
    {
        QWidget owner;
        CMessageDlg window(&owner);
        window.showMessage(QStringLiteral("処理中"), QStringLiteral("読み込み中です。"),
                           QStringLiteral("しばらくお待ちください。"));
        QVERIFY(window.isVisible());
        QVERIFY(!window.isModal());
        QCOMPARE(window.windowTitle(), QStringLiteral("処理中"));
        QCOMPARE(controlById<QLabel>(&window, 1112)->text(), QStringLiteral("読み込み中です。"));
        QCOMPARE(controlById<QLabel>(&window, 1113)->text(), QStringLiteral("しばらくお待ちください。"));
    }
};

QTEST_MAIN(TestProgressWindows)
#include "ProgressWindowsTest.moc"
