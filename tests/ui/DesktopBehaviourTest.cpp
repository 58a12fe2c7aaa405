// The main window as a desktop user meets it: the wait window's lock during
// file work, the window state after the manual editor, which button Enter
// presses, the choices driven through a screen reader's actions, accessible
// names, and the version command a mouse user finds.

#include "MainWindowFixture.h"
#include "ui/dialogs/CExclusiveItemEditDlg.h"
#include "ui/dialogs/CExclusiveSkillEditDlg.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CJewelRemoveDlg.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/dialogs/CSPartsEditDlg.h"
#include "ui/dialogs/CSkillFilterDlg.h"
#include "ui/dialogs/CUserFileArrangeDlg.h"
#include "ui/main/CFindConditionDispDlg.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace zeku;
using namespace zeku::test;

namespace {

constexpr int kWait = 20000;

// Runs the screen reader's toggle action on `control`.
void toggleByScreenReader(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    QVERIFY(iface && iface->actionInterface());
    QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

// The text of the label a screen reader announces for `control` (empty when none).
QString announcedLabel(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    const auto labels = iface->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

// The button of `dialog` whose caption is `caption`.
QAbstractButton* buttonCaptioned(const QDialog& dialog, const char* caption)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->text() == QString::fromUtf8(caption))
            return button;
    qFatal("no button %s", caption);
    return nullptr;
}

// What the user sees of `dialog`'s lists: the first two columns of every visible row.
QStringList listContents(const QDialog& dialog)
{
    QStringList rows;
    for (QAbstractItemView* view : dialog.findChildren<QAbstractItemView*>()) {
        if (!view->isVisibleTo(&dialog))
            continue;
        const QAbstractItemModel* model = view->model();
        for (int r = 0; r < model->rowCount(); ++r)
            rows << model->index(r, 0).data().toString() + '|' + model->index(r, 1).data().toString();
        rows << QStringLiteral("--");
    }
    return rows;
}

} // namespace

class TestDesktopBehaviour : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void waitWindowLocksTheMainWindowUntilTheFileWorkIsHandled()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        RecordingNoticeSink held;
        CSearchDlg window(fixture.app(), nullptr, &held);
        window.show();
        addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】"));
        clickControl(window, 1070);
        QTRY_VERIFY_WITH_TIMEOUT(!held.notices().empty() && held.notices().back().code == FindFinished, kWait);
        for (const Notice& notice : held.notices())
            window.handleNotice(notice);
        window.progressWindow()->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        QVERIFY(window.isEnabled());

        int childDialogs = 0;
        setDialogRunner([&childDialogs](QDialog& dialog) {
            ++childDialogs;
            if (auto* input = qobject_cast<CFavoriteDataInputDlg*>(&dialog)) {
                controlById<QLineEdit>(input, 1049)->setText(QStringLiteral("保存中"));
                input->accept();
            }
            return dialog.result();
        });
        const std::size_t noticesBefore = held.notices().size();
        ctl(window, 1093)->setFocus();
        clickControl(window, 1093);
        QCOMPARE(childDialogs, 1);
        CMessageDlg* wait = window.waitingWindow();
        QVERIFY(wait && wait->isVisible());
        // The worker is done but its notice not yet handled: the lock still holds.
        QTRY_VERIFY_WITH_TIMEOUT(held.notices().size() > noticesBefore, kWait);
        QVERIFY(!window.isEnabled());
        QTest::mouseClick(ctl(window, 1044), Qt::LeftButton); // "保存データ整理" does not open
        QTest::mouseClick(ctl(window, 1070), Qt::LeftButton); // nor does a search start
        QCOMPARE(childDialogs, 1);
        QVERIFY(!window.searchRunning());
        QTest::keyClick(wait, Qt::Key_Escape);
        wait->close();
        QVERIFY(wait->isVisible());

        window.handleNotice(held.notices().back());
        setDialogRunner({});
        QVERIFY(!window.waitingWindow());
        QVERIFY(window.isEnabled());
        QCOMPARE(ctl<QComboBox>(window, 1098)->count(), 1);
        // The focus is back where the player left it, not on the first radio button.
        QCOMPARE(window.focusWidget(), ctl(window, 1093));
    }

    void keyboardReachesTheSkillsBeforeSearchAndTheWindowMenu()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        addWantedSkill(window, QStringLiteral("攻撃"), QStringLiteral("攻撃力UP【小】")); // enables "全削除"
        // Tab goes from the switches to the skill choosers, and from the
        // wanted skills' buttons on to "検索".
        ctl(window, 1046)->setFocus();
        QTest::keyClick(&window, Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), ctl(window, 1062));
        ctl(window, 1069)->setFocus();
        QTest::keyClick(&window, Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), ctl(window, 1070));
        // Shift+F10 on a button opens the window's menu, "言語" included; the
        // menu runs its own loop, so it is read and closed from a timer.
        QStringList entries;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                for (QAction* action : menu->actions())
                    entries << action->text();
                menu->close();
            }
        });
        poll.start(20);
        QTest::keyClick(&window, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(!entries.isEmpty());
        QVERIFY2(entries.contains(QStringLiteral("言語")), qPrintable(entries.join(QLatin1Char(','))));
    }

    void maximisedWindowComesBackMaximisedAfterTheEditor()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.showMaximized();
        bool minimisedMeanwhile = false;
        setDialogRunner([&](QDialog&) {
            minimisedMeanwhile = window.isMinimized();
            return int(QDialog::Rejected);
        });
        clickControl(window, 1037);
        setDialogRunner({});
        QVERIFY(minimisedMeanwhile);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isMaximized());
    }

    void enterPressesOnlyTheNamedDefault()
    {
        AppFixture fixture;
        CSimulatorApp& app = fixture.app();
        ManualEditInput fixedInput;
        fixedInput.fixedCondition = true;
        const SearchCondition noCondition;
        const struct {
            const char* defaultCaption;
            std::function<std::unique_ptr<QDialog>()> open;
        } dialogs[] = {
            {"検索", [&] { return std::make_unique<CSearchDlg>(app); }},
            {"閉じる", [&] { return std::make_unique<CUserFileArrangeDlg>(app.userFolder()); }},
            {"閉じる",
             [&] {
                 return std::make_unique<CManualEditDlg>(app.master(), app.exclusions(), app.startupSettings(),
                                                         app.userFolder(), ManualEditInput{});
             }},
            {"ＯＫ",
             [&] {
                 return std::make_unique<CManualEditDlg>(app.master(), app.exclusions(), app.startupSettings(),
                                                         app.userFolder(), fixedInput);
             }},
            {"ＯＫ", [&] { return std::make_unique<CExclusiveItemEditDlg>(app.master(), app.exclusions(), 1); }},
            {"ＯＫ", [&] { return std::make_unique<CExclusiveSkillEditDlg>(app.skills(), app.excludedSkills(), 1); }},
            {"ＯＫ", [&] { return std::make_unique<CSPartsEditDlg>(app.master(), app.sParts(), 1); }},
            {"ＯＫ", [&] { return std::make_unique<CSkillFilterDlg>(app.skills(), CSkillFilterDlg::Choices{}); }},
            {"ＯＫ", [&] { return std::make_unique<CFavoriteDataInputDlg>(); }},
            {"ＯＫ", [&] { return std::make_unique<CJewelRemoveDlg>(std::vector<const Jewel*>{}); }},
            {"ＯＫ", [&] { return std::make_unique<CFindConditionDispDlg>(noCondition, app.skills()); }},
        };
        for (const auto& d : dialogs) {
            std::unique_ptr<QDialog> dialog = d.open();
            dialog->show();
            // Qt clicks the default button on Enter, or a button that is
            // auto-default when it has the focus: only the default may be either.
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                const bool named = button->isVisible() && button->text() == QString::fromUtf8(d.defaultCaption);
                QVERIFY2(button->isDefault() == named, qPrintable(dialog->windowTitle() + " " + button->text()));
                QVERIFY2(named || !button->autoDefault(), qPrintable(dialog->windowTitle() + " " + button->text()));
            }
        }

        // Enter on the focused "追加" starts a search (which asks for skills) instead of adding one.
        ScriptedMessageBoxService boxes;
        CSearchDlg window(app);
        window.show();
        QTest::keyClick(ctl(window, 1067), Qt::Key_Return);
        QVERIFY(window.wantedSkills().empty());
        QCOMPARE(boxes.shown().back().text, QStringLiteral("スキル条件を入力してください"));
    }

    void screenReaderTogglesRunTheChoiceRules()
    {
        AppFixture fixture;
        ScriptedMessageBoxService boxes;
        CSearchDlg window(fixture.app());
        for (int id : {1038, 1039, 1040, 1041})
            QCOMPARE(QAccessible::queryAccessibleInterface(ctl(window, id))->role(), QAccessible::RadioButton);
        auto* male = ctl<QRadioButton>(window, 1038);
        auto* female = ctl<QRadioButton>(window, 1039);
        auto* blade = ctl<QRadioButton>(window, 1040);
        auto* gunner = ctl<QRadioButton>(window, 1041);

        EquipSet fixed;
        fixed.setPiece(PartHead, fixture.piece(PartHead, "男頭"));
        window.replaceFixedSet(fixed);
        toggleByScreenReader(male); // the sex already chosen stays chosen
        QVERIFY(male->isChecked() && !female->isChecked());
        toggleByScreenReader(female);
        QVERIFY(female->isChecked() && !male->isChecked());
        QCOMPARE(window.fixedSet().piece(PartHead), nullptr);

        auto* trees = ctl<QComboBox>(window, 1062);
        trees->setCurrentIndex(3);
        toggleByScreenReader(gunner);
        QVERIFY(gunner->isChecked() && !blade->isChecked());
        QCOMPARE(trees->currentIndex(), 0); // the choosers were refilled for the gunner
        fixed.clear();
        fixed.setPiece(PartHead, fixture.piece(PartHead, "銃頭"));
        window.replaceFixedSet(fixed);
        toggleByScreenReader(blade);
        QVERIFY(blade->isChecked() && !gunner->isChecked());
        QCOMPARE(window.fixedSet().piece(PartHead), nullptr);

        // A switch over an empty list turns back off and says why, however it was toggled.
        auto* items = ctl<QCheckBox>(window, 1099);
        toggleByScreenReader(items);
        QVERIFY(!items->isChecked());
        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QCOMPARE(boxes.shown().back().text,
                 QStringLiteral("除外アイテムが登録されていません\n編集ボタンを押して登録してください"));
    }

    void dialogChoicesReactAlikeToClicksAndScreenReaders()
    {
        AppFixture fixture;
        CSimulatorApp& app = fixture.app();
        const struct {
            const char* caption;
            std::function<std::unique_ptr<QDialog>()> open;
        } cases[] = {
            {"頭", [&] { return std::make_unique<CExclusiveItemEditDlg>(app.master(), app.exclusions(), 1); }},
            {"プラススキル",
             [&] { return std::make_unique<CExclusiveSkillEditDlg>(app.skills(), app.excludedSkills(), 1); }},
            {"胴",
             [&] {
                 return std::make_unique<CManualEditDlg>(app.master(), app.exclusions(), app.startupSettings(),
                                                         app.userFolder(), ManualEditInput{});
             }},
            {"女",
             [&] {
                 return std::make_unique<CManualEditDlg>(app.master(), app.exclusions(), app.startupSettings(),
                                                         app.userFolder(), ManualEditInput{});
             }},
        };
        for (const auto& c : cases) {
            std::unique_ptr<QDialog> clicked = c.open();
            const QStringList before = listContents(*clicked);
            buttonCaptioned(*clicked, c.caption)->click();
            const QStringList afterClick = listContents(*clicked);
            QVERIFY2(afterClick != before, c.caption);
            std::unique_ptr<QDialog> toggled = c.open();
            toggleByScreenReader(buttonCaptioned(*toggled, c.caption));
            QCOMPARE(listContents(*toggled), afterClick);
        }
    }

    void screenReadersTellTheControlsApart()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        QStringList names;
        for (int id : {1043, 1045, 1046, 1088, 1092}) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(ctl(window, id));
            names << iface->text(QAccessible::Name);
            QVERIFY(!names.back().isEmpty());
        }
        names.removeDuplicates();
        QCOMPARE(names.size(), 5);
        QCOMPARE(ctl<QPushButton>(window, 1043)->text(), QStringLiteral("編集")); // the caption stays
        QCOMPARE(announcedLabel(ctl(window, 1053)), QStringLiteral("レア"));
        QCOMPARE(announcedLabel(ctl(window, 1062)), QStringLiteral("スキル系統"));
        // The points field is not announced through the empty label beside it.
        QCOMPARE(announcedLabel(ctl(window, 1064)), QString());
        QCOMPARE(QAccessible::queryAccessibleInterface(ctl(window, 1064))->text(QAccessible::Name),
                 QStringLiteral("スキル値"));
    }

    void versionCommandIsInTheContextMenu()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
        QAction* about = nullptr;
        for (QAction* action : window.actions())
            if (action->text() == QStringLiteral("バージョン情報"))
                about = action;
        QVERIFY(about);
        QCOMPARE(about->shortcut(), QKeySequence(Qt::Key_F1));
        QStringList seen;
        setDialogRunner([&seen](QDialog& dialog) {
            seen << dialog.windowTitle();
            return int(QDialog::Accepted);
        });
        about->trigger();
        setDialogRunner({});
        QCOMPARE(seen, QStringList({"バージョン情報"}));
    }

    // The window frame shows the icon the desktop installs, in each of its sizes.
    void windowsCarryTheInstalledIcon()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        const QList<QSize> sizes = window.windowIcon().availableSizes();
        QCOMPARE(sizes.size(), int(std::size(kApplicationIconSizes)));
        for (int size : kApplicationIconSizes) {
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
            QCOMPARE(window.windowIcon().pixmap(size, size).size(), QSize(size, size));
        }
    }
};

QTEST_MAIN(TestDesktopBehaviour)
#include "DesktopBehaviourTest.moc"
