// The list dialogs on the bundled sample data, at their opening size and
// enlarged: the lists take the free height and grow with the dialog, open at
// their first row, and the main window's fixed-jewel list keeps a usable width
// at the window's minimum size. Every dialog is kept as a PNG under
// build/artifacts for a person to look at.

#include "DialogTestSupport.h"
#include "MainWindowFixture.h"
#include "ui/dialogs/CExclusiveItemEditDlg.h"
#include "ui/dialogs/CExclusiveSkillEditDlg.h"
#include "ui/dialogs/CSPartsEditDlg.h"
#include "ui/dialogs/CSetFitsDlg.h"
#include "ui/dialogs/CSkillFilterDlg.h"
#include "ui/dialogs/CUserFileArrangeDlg.h"
#include "ui/main/CSearchDlg.h"

#include <QAbstractItemView>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

#include <functional>

using namespace zeku;
using namespace zeku::test;

namespace {

// Extra height the enlarged screenshots get.
constexpr int kEnlarge = 240;

void keepScreenshot(QWidget& window, const QString& name)
{
    QDir().mkpath(QStringLiteral(ZEKU_ARTIFACT_DIR));
    QVERIFY(window.grab().save(QStringLiteral(ZEKU_ARTIFACT_DIR "/%1.png").arg(name), "PNG"));
}

// The list views of `dialog` with the given control ids.
QList<QAbstractItemView*> listsOf(const QDialog& dialog, std::initializer_list<int> ids)
{
    QList<QAbstractItemView*> lists;
    for (int id : ids)
        lists << ctl<QAbstractItemView>(&dialog, id);
    return lists;
}

} // namespace

class TestDialogLayout : public QObject {
    Q_OBJECT

private:
    MasterData m_master;
    TempDir m_dir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_master.load(std::filesystem::path(ZEKU_SOURCE_DIR) / "dat").ok()); }

    void listsTakeTheFreeHeightAndOpenAtTheirFirstRow()
    {
        const ExclusionSet exclusions;
        const ExcludedSkillList excludedSkills;
        const SPartSet sParts;
        const UserFolder folder(m_dir.path());
        const struct {
            const char* file;
            std::function<std::unique_ptr<QDialog>()> open;
            std::initializer_list<int> lists;
        } dialogs[] = {
            {"dialog-exclusive-items",
             [&] { return std::make_unique<CExclusiveItemEditDlg>(m_master, exclusions, 1); },
             {1095, 1096}},
            {"dialog-exclusive-skills",
             [&] { return std::make_unique<CExclusiveSkillEditDlg>(m_master.skills(), excludedSkills, 1); },
             {1140, 1141}},
            {"dialog-s-parts", [&] { return std::make_unique<CSPartsEditDlg>(m_master, sParts, 1); }, {1192, 1197}},
            {"dialog-skill-filter",
             [&] { return std::make_unique<CSkillFilterDlg>(m_master.skills(), CSkillFilterDlg::Choices{}); },
             {1213, 1214}},
            {"dialog-organiser", [&] { return std::make_unique<CUserFileArrangeDlg>(folder); }, {1134}},
        };
        for (const auto& d : dialogs) {
            std::unique_ptr<QDialog> dialog = d.open();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            const QList<QAbstractItemView*> lists = listsOf(*dialog, d.lists);
            keepScreenshot(*dialog, QString::fromLatin1(d.file));
            QList<int> opening;
            for (QAbstractItemView* list : lists) {
                const QString what = QStringLiteral("%1 list %2: %3 of %4 px")
                                         .arg(QString::fromLatin1(d.file), list->accessibleName())
                                         .arg(list->height())
                                         .arg(dialog->height());
                QVERIFY2(list->height() * 2 >= dialog->height(), qPrintable(what));
                QVERIFY2(list->verticalScrollBar()->value() == 0, qPrintable(what));
                opening << list->height();
            }

            // The buttons beside the lists stand in one column next to them.
            QList<int> buttonColumns;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->geometry().top() >= lists.front()->geometry().top() &&
                    button->geometry().top() < lists.front()->geometry().bottom())
                    buttonColumns << button->geometry().left();
            QVERIFY2(!buttonColumns.isEmpty() && std::all_of(buttonColumns.begin(), buttonColumns.end(),
                                                             [&](int x) { return x == buttonColumns.front(); }),
                     d.file);

            dialog->resize(dialog->width() + kEnlarge, dialog->height() + kEnlarge);
            QTest::qWait(20);
            keepScreenshot(*dialog, QString::fromLatin1(d.file) + QStringLiteral("-enlarged"));
            for (int i = 0; i < lists.size(); ++i)
                QVERIFY2(lists[i]->height() >= opening[i] + kEnlarge - 10, d.file);
        }
    }

    void setWindowListGrowsWithTheWindow()
    {
        CSetFitsDlg dialog(m_master, SearchCondition{}, EquipSet{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        keepScreenshot(dialog, QStringLiteral("dialog-set-fits"));
        QWidget* list = ctl<QWidget>(&dialog, 1271);
        const int opening = list->height();
        dialog.resize(dialog.width() + kEnlarge, dialog.height() + kEnlarge);
        QTest::qWait(20);
        QVERIFY2(list->height() >= opening + kEnlarge - 10, qPrintable(QString::number(list->height())));
        // The buttons stay below the list.
        QVERIFY(ctl<QWidget>(&dialog, 1272)->geometry().top() > list->geometry().bottom());
    }

    void fixedJewelListKeepsItsWidthAtTheMinimumSize()
    {
        AppFixture fixture;
        CSearchDlg window(fixture.app());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(CSearchDlg::kMinWidth, CSearchDlg::kMinHeight);
        QTest::qWait(20);
        keepScreenshot(window, QStringLiteral("main-window-minimum"));
        QWidget* jewels = ctl<QWidget>(&window, 1060);
        QWidget* pieces = ctl<QWidget>(&window, 1059);
        // Wide enough for its name column: half the width of the piece list beside it.
        QVERIFY2(jewels->width() * 2 >= pieces->width(), qPrintable(QString::number(jewels->width())));
        QVERIFY(jewels->geometry().left() > pieces->geometry().right());
        // Nothing of the results header runs past the window's right edge.
        QVERIFY(ctl<QWidget>(&window, 1109)->geometry().right() < window.width());
    }
};

QTEST_MAIN(TestDialogLayout)
#include "DialogLayoutTest.moc"
