// The data list base (header sort, reversal, kept selection, colours through
// the roles, menu 139) and the views of wanted skills, results, one set, its
// skill totals and the fixed pieces.

#include "UiFixtures.h"
#include "support/TestSupport.h"
#include "ui/lists/CDataSelectListCtrl.h"
#include "ui/lists/CFindResultListCtrl.h"
#include "ui/lists/CFixEquipListCtrl.h"
#include "ui/lists/CFixJewelListCtrl.h"
#include "ui/lists/CRequireSkillListCtrl.h"
#include "ui/lists/CSkillListCtrl.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <memory>

using namespace zeku;
using namespace zeku::test;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

enum ResultColumn { ColNo, ColDefence, ColSlots, ColUsed, ColFree, ColSkills };

// The numbers shown in the result list, top to bottom.
QList<int> shownNumbers(const CFindResultListCtrl& list)
{
    QList<int> numbers;
    for (const QString& text : columnTexts(list, ColNo))
        numbers << text.trimmed().toInt();
    return numbers;
}

} // namespace

class TestResultViews : public QObject {
    Q_OBJECT

private:
    MasterData m_master;
    std::vector<std::unique_ptr<EquipSet>> m_sets;

    const EquipItem& head(int i) const { return m_master.equip(PartHead).items()[static_cast<std::size_t>(i)]; }
    const EquipItem& only(int part) const { return m_master.equip(part).items()[0]; }
    const Jewel* jewel(int i) const { return &m_master.jewels().items()[static_cast<std::size_t>(i)]; }

    // A set of the given head piece with jewels, plus (optionally) the other four parts.
    EquipSet* makeSet(int headIndex, std::vector<const Jewel*> headJewels, bool full = false)
    {
        auto set = std::make_unique<EquipSet>();
        set->setPiece(PartHead, &head(headIndex));
        set->addPieceJewels(PartHead, headJewels);
        if (full)
            for (int part = PartBody; part < kPartCount; ++part)
                set->setPiece(part, &only(part));
        m_sets.push_back(std::move(set));
        return m_sets.back().get();
    }

    // Stores the sets as results 1, 2, … and shows them.
    void fillResults(CFindResultListCtrl& list, const std::vector<EquipSet*>& sets)
    {
        m_store = std::make_unique<SearchResultStore>();
        for (const EquipSet* set : sets)
            m_store->append(*set, m_master.skills());
        list.showResults(m_store.get());
    }
    std::unique_ptr<SearchResultStore> m_store;

private Q_SLOTS:
    void initTestCase() { buildSampleMaster(m_master); }

    void requireSkillListShowsPointsAndActivatedSkills()
    {
        CRequireSkillListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master.skills());
        QCOMPARE(headers(list), (QStringList{QStringLiteral("スキル値"), QStringLiteral("発動スキル")}));
        QCOMPARE(list.columnWidth(0), 160);
        QCOMPARE(list.columnWidth(1), 180);
        QVERIFY(!list.fullRowSelect());

        list.setWantedSkills({{kAttack, 10}, {kGuard, -10}, {kAttack, -5}, {kGather, 3}});
        QCOMPARE(columnTexts(list, 0), (QStringList{QStringLiteral("攻撃+10"), QStringLiteral("防御-10"),
                                                    QStringLiteral("攻撃-5"), QStringLiteral("採取+3")}));
        QCOMPARE(columnTexts(list, 1), (QStringList{QStringLiteral("攻撃力UP【小】"),
                                                    QStringLiteral("防御力DOWN【小】"), QString(), QString()}));
        // Red only for a negative wanted skill that activates something.
        QCOMPARE(cellForeground(list, 0, 1), kBlack);
        QCOMPARE(cellForeground(list, 1, 1), colors::kNegativeText);
        QCOMPARE(cellForeground(list, 2, 1), kBlack);
        QCOMPARE(cellForeground(list, 1, 0), kBlack);
        QCOMPARE(cellBackground(list, 1, 1), kWhite);

        // No sorting: a header click changes nothing.
        list.sortByHeader(0);
        QCOMPARE(cellText(list, 0, 0), QStringLiteral("攻撃+10"));
    }

    void requireSkillMenuHandsOverTheTreeName()
    {
        CRequireSkillListCtrl list;
        list.setUp(m_master.skills());
        list.setWantedSkills({{kAttack, 10}, {kGuard, -10}});
        QuickMenu menu;
        // Nobody listens yet: the menu opens with both entries greyed.
        QVERIFY(list.quickMenuFor(0, menu));
        QVERIFY(!menu.excludeEnabled);
        QVERIFY(!menu.sPartEnabled);

        QSignalSpy excluded(&list, &ReportListView::quickExcludeRequested);
        QSignalSpy sParts(&list, &ReportListView::quickSPartRequested);
        QVERIFY(list.quickMenuFor(0, menu));
        QVERIFY(menu.excludeEnabled);
        QVERIFY(!menu.sPartEnabled); // the S-part entry stays greyed even with a listener
        QCOMPARE(menu.registration.skillTreeName, sj("攻撃"));
        QVERIFY(list.quickMenuFor(1, menu));
        QCOMPARE(menu.registration.skillTreeName, sj("防御"));
        QVERIFY(!list.quickMenuFor(2, menu)); // not on a row
    }

    void resultNumbersAreWidenedToTheRowCount()
    {
        QCOMPARE(CFindResultListCtrl::numberWidth(9), 0);
        QCOMPARE(CFindResultListCtrl::numberWidth(10), 2);
        QCOMPARE(CFindResultListCtrl::numberWidth(99), 2);
        QCOMPARE(CFindResultListCtrl::numberWidth(100), 3);
        QCOMPARE(CFindResultListCtrl::numberWidth(999999), 6);
        QCOMPARE(CFindResultListCtrl::numberWidth(1000000), 7);
        QCOMPARE(CFindResultListCtrl::numberWidth(10000000), 8);
        QCOMPARE(CFindResultListCtrl::numberWidth(200000000), 8);

        CFindResultListCtrl list;
        list.setUp(m_master.skills());
        EquipSet* set = makeSet(0, {});
        std::vector<EquipSet*> sets(150, set);
        fillResults(list, sets);
        QCOMPARE(cellText(list, 6, ColNo), QStringLiteral("  7"));
        QCOMPARE(cellText(list, 149, ColNo), QStringLiteral("150"));
    }

    void resultColumnsShowTheDerivedValues()
    {
        CFindResultListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master.skills());
        QCOMPARE(headers(list), (QStringList{QStringLiteral("No."), QStringLiteral("防御"), QStringLiteral("ｽﾛ"),
                                             QStringLiteral("●"), QStringLiteral("○"), QStringLiteral("ｽｷﾙ")}));
        const int widths[] = {40, 45, 30, 30, 30, 35};
        for (int c = 0; c < 6; ++c) {
            QCOMPARE(list.columnWidth(c), widths[c]);
            QCOMPARE(list.model()->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
                     int(Qt::AlignRight));
        }
        // Head ボーンヘルム (3 slots, 攻撃+3) with 剛力珠 (3 slots, 攻撃+4) and the four others.
        EquipSet* set = makeSet(3, {jewel(3)}, true);
        SearchResultStore store;
        store.append(*set, m_master.skills());
        list.showResults(&store);
        QCOMPARE(list.model()->rowCount(), 1);
        QCOMPARE(cellText(list, 0, ColNo), QStringLiteral("1"));
        QCOMPARE(cellText(list, 0, ColDefence), QStringLiteral("54"));
        QCOMPARE(cellText(list, 0, ColSlots), QStringLiteral("7"));
        QCOMPARE(cellText(list, 0, ColUsed), QStringLiteral("3"));
        QCOMPARE(cellText(list, 0, ColFree), QStringLiteral("4"));
        // 攻撃 3+4+2+1+1 = 11 activates; 防御 2+1 = 3 and 火耐性 -2-1 do not.
        QCOMPARE(cellText(list, 0, ColSkills), QStringLiteral("1"));
        // The set built from the record: the same pieces, jewels and totals.
        const EquipSet* built = list.resultAt(0);
        for (int part = 0; part < kPartCount; ++part) {
            QCOMPARE(built->piece(part), set->piece(part));
            QCOMPARE(built->pieceSlots(part).jewels, set->pieceSlots(part).jewels);
        }
        QVERIFY(built->totals().values() == set->totals().values());
        QCOMPARE(list.recordAt(0), &store.record(0));
        list.showResults(nullptr);
        QCOMPARE(list.model()->rowCount(), 0);
    }

    void headerClicksSortReverseAndKeepTheSelection()
    {
        CFindResultListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master.skills());
        // Defence 10, 5, 20, 12, 10, 5 for numbers 1 … 6; slots 1, 0, 2, 3, 1, 0.
        std::vector<EquipSet*> sets = {makeSet(0, {}), makeSet(1, {}), makeSet(2, {}),
                                       makeSet(3, {}), makeSet(0, {}), makeSet(1, {})};
        fillResults(list, sets);
        QCOMPARE(list.sortGroup(), 0x01u);
        QCOMPARE(list.sortSubIndex(), 0);

        // Refilled results count as sorted by number: the first click reverses.
        list.sortByHeader(ColNo);
        QCOMPARE(shownNumbers(list), (QList<int>{6, 5, 4, 3, 2, 1}));
        QCOMPARE(list.sortDirection(), -1);

        list.selectSingleRow(2); // number 4
        list.sortByHeader(ColDefence);
        // Defence, then total slots, then number, ascending.
        QCOMPARE(shownNumbers(list), (QList<int>{2, 6, 1, 5, 4, 3}));
        QCOMPARE(list.sortGroup(), 0x08u);
        QCOMPARE(list.sortDirection(), 1);
        QCOMPARE(list.selectedRowNumbers(), std::vector<int>{4});
        QCOMPARE(list.currentIndex().row(), 4);
        QCOMPARE(cellText(list, list.selectedRow(), ColNo).trimmed(), QStringLiteral("4"));

        // Same column: reversed, selection follows; third click restores.
        list.sortByHeader(ColDefence);
        QCOMPARE(shownNumbers(list), (QList<int>{3, 4, 5, 1, 6, 2}));
        QCOMPARE(list.selectedRowNumbers(), std::vector<int>{1});
        QCOMPARE(list.currentIndex().row(), 1);
        list.sortByHeader(ColDefence);
        QCOMPARE(shownNumbers(list), (QList<int>{2, 6, 1, 5, 4, 3}));

        // Another column always starts ascending.
        list.sortByHeader(ColFree);
        QCOMPARE(list.sortDirection(), 1);
        QCOMPARE(shownNumbers(list), (QList<int>{2, 6, 1, 5, 3, 4}));

        // After a refill the order is the owner's and "No." reverses again.
        fillResults(list, sets);
        QCOMPARE(shownNumbers(list), (QList<int>{1, 2, 3, 4, 5, 6}));
        list.sortByHeader(ColFree);
        list.sortByHeader(ColNo);
        QCOMPARE(shownNumbers(list), (QList<int>{1, 2, 3, 4, 5, 6}));
        list.sortByHeader(ColNo);
        QCOMPARE(shownNumbers(list), (QList<int>{6, 5, 4, 3, 2, 1}));
    }

    void headerClickOnTheViewSorts()
    {
        CFindResultListCtrl list;
        list.setUp(m_master.skills());
        fillResults(list, {makeSet(2, {}), makeSet(1, {}), makeSet(3, {})});
        list.resize(400, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QHeaderView* header = list.horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(ColDefence) + header->sectionSize(ColDefence) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(shownNumbers(list), (QList<int>{2, 3, 1}));
    }

    void aMillionResultsListAtOnce()
    {
        // The rows refer to the compact records; nothing is copied per row.
        std::vector<EquipSet*> sets = {makeSet(0, {}), makeSet(1, {}), makeSet(2, {}), makeSet(3, {jewel(3)})};
        CFindResultListCtrl list;
        list.setUp(m_master.skills());
        constexpr int kRows = 1000000;
        SearchResultStore store;
        for (int i = 0; i < kRows; ++i)
            store.append(*sets[static_cast<std::size_t>(i % 4)], m_master.skills());
        list.showResults(&store);
        QCOMPARE(list.model()->rowCount(), kRows);
        QCOMPARE(cellText(list, 0, ColNo), QStringLiteral("      1"));
        QCOMPARE(cellText(list, kRows - 1, ColNo), QStringLiteral("1000000"));
        QCOMPARE(cellText(list, 500001, ColDefence), QStringLiteral("5"));
        // "No." shows the largest number whole: the text fits between the
        // cell's margins. The first four-digit list too.
        const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
        const auto numberFits = [&] {
            const QString last = cellText(list, list.model()->rowCount() - 1, ColNo);
            return QFontMetrics(list.font()).horizontalAdvance(last) <= list.columnWidth(ColNo) - 2 * margin;
        };
        QVERIFY(numberFits());
        SearchResultStore fourDigits;
        for (int i = 0; i < 1500; ++i)
            fourDigits.append(*sets[0], m_master.skills());
        list.showResults(&fourDigits);
        QVERIFY(numberFits());
        list.showResults(&store);

        list.selectSingleRow(kRows - 1);
        list.sortByHeader(ColDefence);
        // Defence 5 (numbers 2, 6, …) first; the selected number 1000000 (ボーンヘルム,
        // defence 12) keeps its selection.
        QCOMPARE(cellText(list, 0, ColNo).trimmed(), QStringLiteral("2"));
        QCOMPARE(cellText(list, 1, ColNo).trimmed(), QStringLiteral("6"));
        QCOMPARE(cellText(list, kRows - 1, ColDefence), QStringLiteral("20"));
        QCOMPARE(cellText(list, list.selectedRow(), ColNo), QStringLiteral("1000000"));
        list.sortByHeader(ColDefence);
        QCOMPARE(cellText(list, 0, ColNo).trimmed(), QStringLiteral("999999"));
    }

    void setViewShowsNothingWithoutASet()
    {
        CDataSelectListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp();
        QCOMPARE(headers(list),
                 (QStringList{QStringLiteral("ﾚｱ"), QStringLiteral("名称"), QStringLiteral("防御"),
                              QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("雷"), QStringLiteral("氷"),
                              QStringLiteral("龍"), QStringLiteral("ｽﾛｯﾄ"), QStringLiteral("装飾品")}));
        QCOMPARE(list.columnWidth(8), 70);
        QCOMPARE(list.columnWidth(9), 220);
        QCOMPARE(columnTexts(list, 1),
                 (QStringList{QStringLiteral("武器スロットなし"), QStringLiteral("なし"), QStringLiteral("なし"),
                              QStringLiteral("なし"), QStringLiteral("なし"), QStringLiteral("なし"),
                              QStringLiteral("＜合　計＞")}));
        for (int c : {0, 2, 3, 8, 9})
            QCOMPARE(cellText(list, 6, c), QString());
        QuickMenu menu;
        QVERIFY(!list.quickMenuFor(1, menu));
    }

    void setViewShowsPiecesSlotsAndTotals()
    {
        CDataSelectListCtrl list;
        list.setUp();
        EquipSet set;
        set.setWeapon(m_master.weaponSlots().forSlots(2));
        set.addWeaponJewels({jewel(0)});
        set.setPiece(PartHead, &head(0));
        set.addPieceJewels(PartHead, {jewel(0)});
        set.setPiece(PartBody, &only(PartBody));
        set.setPiece(PartWaist, &only(PartWaist));

        list.selectSingleRow(3);
        list.showSet(&set);
        QCOMPARE(list.selectedRow(), 3); // the selection stays on its row
        QCOMPARE(cellText(list, 0, 1), toQString(m_master.weaponSlots().forSlots(2)->name));
        QCOMPARE(cellText(list, 0, 8), QStringLiteral("●○"));
        QCOMPARE(cellText(list, 0, 9), QStringLiteral("攻撃珠"));
        QCOMPARE(cellText(list, 0, 0), QString());
        // アイアンヘルム: r2, defence 10, fire +1, thunder -2, one slot filled.
        QCOMPARE(cellText(list, 1, 0), QStringLiteral("2"));
        QCOMPARE(cellText(list, 1, 1), QStringLiteral("アイアンヘルム"));
        QCOMPARE(cellText(list, 1, 2), QStringLiteral("10"));
        QCOMPARE(cellText(list, 1, 3), QStringLiteral("+1"));
        QCOMPARE(cellText(list, 1, 4), QString());
        QCOMPARE(cellText(list, 1, 5), QStringLiteral("-2"));
        QCOMPARE(cellText(list, 1, 8), QStringLiteral("●"));
        QCOMPARE(cellText(list, 2, 8), QStringLiteral("○"));
        QCOMPARE(cellText(list, 2, 9), QString());
        QCOMPARE(cellText(list, 3, 1), QStringLiteral("なし"));
        QCOMPARE(cellText(list, 4, 8), QString()); // a piece without slots
        // Totals: defence 32, fire +3, thunder -2, dragon -1, 2 filled and 2 free slots.
        QCOMPARE(cellText(list, 6, 2), QStringLiteral("32"));
        QCOMPARE(cellText(list, 6, 3), QStringLiteral("+3"));
        QCOMPARE(cellText(list, 6, 5), QStringLiteral("-2"));
        QCOMPARE(cellText(list, 6, 7), QStringLiteral("-1"));
        QCOMPARE(cellText(list, 6, 8), QStringLiteral("●2○2"));
        QCOMPARE(cellText(list, 6, 9), QStringLiteral("攻撃珠2"));

        QCOMPARE(cellForeground(list, 1, 5), colors::kNegativeText);
        QCOMPARE(cellForeground(list, 1, 3), kBlack);
        QCOMPARE(cellForeground(list, 6, 7), colors::kNegativeText);
        for (int c = 0; c < 10; ++c) {
            QCOMPARE(cellBackground(list, 6, c), colors::kTotalBackground);
            QCOMPARE(cellBackground(list, 1, c), kWhite);
        }

        // Nothing slotted: the totals show only the free slots.
        EquipSet empty;
        empty.setPiece(PartArm, &only(PartArm));
        list.showSet(&empty);
        QCOMPARE(cellText(list, 6, 8), QStringLiteral("○2"));
        QCOMPARE(cellText(list, 0, 1), QStringLiteral("武器スロットなし"));
    }

    void setViewMenuFollowsTheRow()
    {
        CDataSelectListCtrl list;
        list.setUp();
        QSignalSpy excluded(&list, &ReportListView::quickExcludeRequested);
        QSignalSpy sParts(&list, &ReportListView::quickSPartRequested);
        EquipSet set;
        set.setWeapon(m_master.weaponSlots().forSlots(1));
        set.setPiece(PartHead, &head(3));
        set.addPieceJewels(PartHead, {jewel(1), jewel(2)});
        list.showSet(&set);

        QuickMenu menu;
        QVERIFY(!list.quickMenuFor(0, menu)); // a weapon without jewels
        QVERIFY(list.quickMenuFor(1, menu));
        QVERIFY(menu.excludeEnabled && menu.sPartEnabled);
        QCOMPARE(menu.registration.piece, &head(3));
        QCOMPARE(menu.registration.jewels, (std::vector<const Jewel*>{jewel(1), jewel(2)}));
        QVERIFY(!list.quickMenuFor(2, menu)); // no body piece
        QVERIFY(!list.quickMenuFor(6, menu)); // totals

        set.addWeaponJewels({jewel(0)});
        QVERIFY(list.quickMenuFor(0, menu));
        QVERIFY(menu.excludeEnabled);
        QVERIFY(!menu.sPartEnabled);
        QVERIFY(menu.registration.piece == nullptr);
        QCOMPARE(menu.registration.jewels, (std::vector<const Jewel*>{jewel(0)}));
    }

    void skillTotalsOrderActivatedSkillsFirst()
    {
        CSkillListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master.skills());
        QCOMPARE(headers(list),
                 (QStringList{QStringLiteral("スキル系統"), QStringLiteral("武"), QStringLiteral("頭"),
                              QStringLiteral("胴"), QStringLiteral("腕"), QStringLiteral("腰"), QStringLiteral("脚"),
                              QStringLiteral("計"), QStringLiteral("発動スキル")}));
        QCOMPARE(list.columnWidth(0), 100);
        QCOMPARE(list.columnWidth(7), 80);
        QCOMPARE(list.columnWidth(8), 160);

        // Weapon: 攻撃珠 ×3 (攻撃+3, 防御-3). Head アイアンヘルム (攻撃+2 防御-1) with
        // 攻撃珠. Body アイアンメイル (攻撃+2). Arm アイアンアーム (防御+2) with 火耐珠 ×1.
        // Leg アイアングリーヴ (防御+1 攻撃+1).
        EquipSet set;
        set.setWeapon(m_master.weaponSlots().forSlots(3));
        set.addWeaponJewels({jewel(0), jewel(0), jewel(0)});
        set.setPiece(PartHead, &head(0));
        set.addPieceJewels(PartHead, {jewel(0)});
        set.setPiece(PartBody, &only(PartBody));
        set.setPiece(PartArm, &only(PartArm));
        set.addPieceJewels(PartArm, {jewel(2)});
        set.setPiece(PartLeg, &only(PartLeg));
        list.showSet(&set);

        // 攻撃 3+3+2+1 = 9, no skill; 防御 -3-2+2+1 = -2, none; 火耐性 +2, none.
        // Without activated skills the rows go by descending total.
        QCOMPARE(columnTexts(list, 0),
                 (QStringList{QStringLiteral("攻撃"), QStringLiteral("火耐性"), QStringLiteral("防御")}));
        QCOMPARE(cellText(list, 0, 1), QStringLiteral("+3(+3)"));
        QCOMPARE(cellText(list, 0, 2), QStringLiteral("+3(+1)"));
        QCOMPARE(cellText(list, 0, 3), QStringLiteral("+2"));
        QCOMPARE(cellText(list, 0, 4), QString());
        QCOMPARE(cellText(list, 0, 6), QStringLiteral("+1"));
        QCOMPARE(cellText(list, 0, 7), QStringLiteral("+9(+4)"));
        QCOMPARE(cellText(list, 0, 8), QString());
        QCOMPARE(cellText(list, 1, 4), QStringLiteral("+2(+2)"));
        QCOMPARE(cellText(list, 2, 1), QStringLiteral("-3(-3)"));
        QCOMPARE(cellText(list, 2, 2), QStringLiteral("-2(-1)"));
        QCOMPARE(cellText(list, 2, 7), QStringLiteral("-2(-4)"));
        QCOMPARE(cellForeground(list, 2, 1), colors::kNegativeText);
        QCOMPARE(cellForeground(list, 2, 0), kBlack);
        QCOMPARE(cellForeground(list, 0, 1), kBlack);
        QCOMPARE(cellBackground(list, 0, 7), colors::kTotalBackground);
        QCOMPARE(cellBackground(list, 0, 8), colors::kTotalBackground);
        QCOMPARE(cellBackground(list, 0, 6), kWhite);

        // ボーンヘルム with 剛力珠 lifts 攻撃 over its first threshold.
        EquipSet strong;
        strong.setWeapon(m_master.weaponSlots().forSlots(3));
        strong.addWeaponJewels({jewel(0), jewel(0), jewel(0)});
        strong.setPiece(PartHead, &head(3));
        strong.addPieceJewels(PartHead, {jewel(3)});
        strong.setPiece(PartBody, &only(PartBody));
        strong.setPiece(PartWaist, &only(PartWaist));
        strong.setPiece(PartLeg, &only(PartLeg));
        list.showSet(&strong);
        // 攻撃 3+3+4+2+1+1 = 14 → UP【小】; 防御 -3+1 = -2; 火耐性 -2-1 = -3.
        QCOMPARE(columnTexts(list, 0),
                 (QStringList{QStringLiteral("攻撃"), QStringLiteral("防御"), QStringLiteral("火耐性")}));
        QCOMPARE(cellText(list, 0, 8), QStringLiteral("攻撃力UP【小】"));
        QCOMPARE(cellText(list, 2, 7), QStringLiteral("-3(-1)"));
        QCOMPARE(cellForeground(list, 2, 8), colors::kNegativeText); // total negative: name red too

        QuickMenu menu;
        QSignalSpy excluded(&list, &ReportListView::quickExcludeRequested);
        QVERIFY(list.quickMenuFor(1, menu));
        QCOMPARE(menu.registration.skillTreeName, sj("防御"));
        QVERIFY(menu.excludeEnabled);
        QVERIFY(!menu.sPartEnabled);

        list.showSet(nullptr);
        QCOMPARE(list.model()->rowCount(), 0);
    }

    void skillTotalsPutNegativeActivatedSkillsAfterPositiveOnes()
    {
        CSkillListCtrl list;
        list.setUp(m_master.skills());
        EquipSet set;
        set.setWeapon(m_master.weaponSlots().forSlots(3));
        set.addWeaponJewels({jewel(0), jewel(0), jewel(0)});
        set.setPiece(PartHead, &head(3));
        set.addPieceJewels(PartHead, {jewel(0), jewel(0), jewel(0)});
        set.setPiece(PartBody, &only(PartBody));
        set.addPieceJewels(PartBody, {jewel(0)});
        set.setPiece(PartArm, &only(PartArm));
        set.addPieceJewels(PartArm, {jewel(2)});
        set.setPiece(PartLeg, &only(PartLeg));
        set.addPieceJewels(PartLeg, {jewel(0)});
        list.showSet(&set);
        // 攻撃 3+6+3+2 = 14 (UP), 防御 -3-3-1+2+0 = -5 (DOWN), 火耐性 -2+2 = 0 (none):
        // the positive skill, then the negative one, then the rest.
        QCOMPARE(columnTexts(list, 0),
                 (QStringList{QStringLiteral("攻撃"), QStringLiteral("防御"), QStringLiteral("火耐性")}));
        QCOMPARE(cellText(list, 0, 7), QStringLiteral("+14(+8)"));
        QCOMPARE(cellText(list, 1, 7), QStringLiteral("-5(-8)"));
        QCOMPARE(cellText(list, 1, 8), QStringLiteral("防御力DOWN【小】"));
        QCOMPARE(cellForeground(list, 1, 8), colors::kNegativeText);
        QCOMPARE(cellForeground(list, 0, 8), kBlack);
        QCOMPARE(cellText(list, 1, 6), QStringLiteral("+0(-1)"));
        QCOMPARE(cellText(list, 2, 2), QStringLiteral("-2"));
        QCOMPARE(cellText(list, 2, 4), QStringLiteral("+2(+2)"));
        QCOMPARE(cellText(list, 2, 7), QStringLiteral("+0(+2)"));
    }

    void fixedPiecesShowChecksAndGreyUncheckedRows()
    {
        CFixEquipListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(headers(list), (QStringList{QStringLiteral("部位"), QStringLiteral("名称"), QStringLiteral("ｽﾛｯﾄ")}));
        QCOMPARE(list.columnWidth(1), 140);
        QCOMPARE(columnTexts(list, 0), (QStringList{QStringLiteral("武"), QStringLiteral("頭"), QStringLiteral("胴"),
                                                    QStringLiteral("腕"), QStringLiteral("腰"), QStringLiteral("脚")}));
        QCOMPARE(columnTexts(list, 1), QStringList(6, QStringLiteral("なし")));

        EquipSet set;
        set.setWeapon(m_master.weaponSlots().forSlots(3));
        set.addWeaponJewels({jewel(2)});
        set.setPiece(PartHead, &head(3));
        set.addPieceJewels(PartHead, {jewel(0)});
        list.showSet(&set);
        QCOMPARE(cellText(list, 0, 1), toQString(m_master.weaponSlots().forSlots(3)->name));
        QCOMPARE(cellText(list, 0, 2), QStringLiteral("●●○"));
        QCOMPARE(cellText(list, 1, 1), QStringLiteral("ボーンヘルム"));
        QCOMPARE(cellText(list, 1, 2), QStringLiteral("●○○"));
        QCOMPARE(cellText(list, 2, 1), QString()); // missing items leave both cells empty
        QCOMPARE(cellText(list, 2, 2), QString());
        list.rewriteSlotCell(1, true);
        QCOMPARE(cellText(list, 1, 2), QStringLiteral("○○○"));
        list.rewriteSlotCell(1, false);
        QCOMPARE(cellText(list, 1, 2), QStringLiteral("●○○"));

        const QModelIndex check = list.model()->index(1, 0);
        QVERIFY(list.model()->flags(check) & Qt::ItemIsUserCheckable);
        QVERIFY(!(list.model()->flags(list.model()->index(1, 1)) & Qt::ItemIsUserCheckable));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(cellForeground(list, 1, c), colors::kUncheckedText);
        QSignalSpy toggled(&list, &CFixListCtrl::checkToggled);
        list.setChecked(1, true);
        QCOMPARE(toggled.count(), 0); // the program's own checks are not the user's
        QCOMPARE(check.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(cellForeground(list, 1, c), kBlack);
        QVERIFY(list.model()->setData(check, Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(toggled.count(), 1);
        QCOMPARE(toggled[0][0].toInt(), 1);
        QCOMPARE(toggled[0][1].toBool(), false);
        QVERIFY(!list.isChecked(1));
        QCOMPARE(cellForeground(list, 1, 1), colors::kUncheckedText);

        QSignalSpy excluded(&list, &ReportListView::quickExcludeRequested);
        QSignalSpy sParts(&list, &ReportListView::quickSPartRequested);
        QuickMenu menu;
        QVERIFY(!list.quickMenuFor(0, menu)); // the weapon row
        QVERIFY(!list.quickMenuFor(2, menu)); // no piece
        QVERIFY(list.quickMenuFor(1, menu));
        QVERIFY(menu.excludeEnabled && menu.sPartEnabled);
        QCOMPARE(menu.registration.piece, &head(3));
        QVERIFY(menu.registration.jewels.empty());
    }

    void fixedJewelsListTheJewelsPerRow()
    {
        CFixJewelListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(headers(list), (QStringList{QString(), QStringLiteral("装飾品")}));
        QCOMPARE(list.columnWidth(0), 25);
        QCOMPARE(columnTexts(list, 1), QStringList(6, QString()));

        EquipSet set;
        set.setWeapon(m_master.weaponSlots().forSlots(2));
        set.setPiece(PartHead, &head(3));
        set.addPieceJewels(PartHead, {jewel(0), jewel(2)});
        list.showSet(&set);
        QCOMPARE(columnTexts(list, 1), (QStringList{QString(), QStringLiteral("攻撃珠, 火耐珠"), QString(), QString(),
                                                    QString(), QString()}));
        QCOMPARE(cellForeground(list, 1, 1), QColor()); // no greying in this list

        QSignalSpy excluded(&list, &ReportListView::quickExcludeRequested);
        QuickMenu menu;
        QVERIFY(!list.quickMenuFor(0, menu)); // a weapon without jewels
        QVERIFY(list.quickMenuFor(1, menu));
        QVERIFY(menu.excludeEnabled);
        QVERIFY(!menu.sPartEnabled);
        QCOMPARE(menu.registration.jewels, (std::vector<const Jewel*>{jewel(0), jewel(2)}));
    }
};

QTEST_MAIN(TestResultViews)
#include "ResultViewsTest.moc"
