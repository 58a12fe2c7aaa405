// The catalogue lists of the editors: armour, jewels, weapon slots, the item
// and skill lists of the two-list editors, the rarity choices, and the sort
// procedure they share.

#include "UiFixtures.h"
#include "support/TestSupport.h"
#include "ui/lists/CEquipListCtrl.h"
#include "ui/lists/CExclusiveSkillListCtrl.h"
#include "ui/lists/CItemListCtrl.h"
#include "ui/lists/CJewelListCtrl.h"
#include "ui/lists/CWeaponListCtrl.h"
#include "ui/lists/DataListSort.h"
#include "ui/lists/ListText.h"
#include "ui/lists/RarityCombo.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <random>

using namespace zeku;
using namespace zeku::test;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// Armour list columns with every group shown.
enum EquipColumn { ColRarity, ColName, ColDefence, ColFire, ColWater, ColThunder, ColSlots = 8, ColSkill1 };

EquipListFilter headFilter(uint16_t sex, uint16_t job)
{
    EquipListFilter f;
    f.part = PartHead;
    f.sex = sex;
    f.job = job;
    return f;
}

QStringList names(const QAbstractItemView& view, int column)
{
    return columnTexts(view, column);
}

} // namespace

class TestCatalogueLists : public QObject {
    Q_OBJECT

private:
    MasterData m_master;

    const EquipItem& head(int i) const { return m_master.equip(PartHead).items()[static_cast<std::size_t>(i)]; }
    const Jewel& jewel(int i) const { return m_master.jewels().items()[static_cast<std::size_t>(i)]; }

private Q_SLOTS:
    void initTestCase() { buildSampleMaster(m_master); }

    void quickSortOrdersEveryInput()
    {
        std::mt19937 random(47);
        for (int size : {0, 1, 2, 3, 17, 1000}) {
            for (int distinct : {1, 3, 1000}) {
                std::vector<int> values(static_cast<std::size_t>(size));
                for (int& v : values)
                    v = static_cast<int>(random() % static_cast<unsigned>(distinct));
                std::vector<int> expected = values;
                std::sort(expected.begin(), expected.end());
                quickSortEntries(values, [](int a, int b) { return compareNumbers(a, b); });
                QCOMPARE(values, expected);
            }
        }
        // Already ordered and reversed inputs.
        std::vector<int> ascending(2000);
        for (int i = 0; i < 2000; ++i)
            ascending[static_cast<std::size_t>(i)] = i;
        std::vector<int> descending(ascending.rbegin(), ascending.rend());
        quickSortEntries(descending, [](int a, int b) { return compareNumbers(a, b); });
        QCOMPARE(descending, ascending);
        std::vector<int> sorted = ascending;
        quickSortEntries(sorted, [](int a, int b) { return compareNumbers(a, b); });
        QCOMPARE(sorted, ascending);
    }

    void namesMatchOnlyAtCharacterBoundaries()
    {
        // "ア" is 0x83 0x41 and "ソ" 0x83 0x5C: their second bytes are "A" and "\".
        QVERIFY(!containsCp932(sj("アイアンヘルム"), "A"));
        QVERIFY(!containsCp932(sj("ソウル"), "\\"));
        QVERIFY(containsCp932(sj("Aアイ"), "A"));
        QVERIFY(containsCp932(sj("アイアンヘルム"), sj("ヘルム")));
        QVERIFY(containsCp932(sj("ヘルム"), ""));
        QVERIFY(!containsCp932(sj("ヘル"), sj("ヘルム")));
        // Byte-wise name order: a prefix first, bytes unsigned.
        QVERIFY(compareNames(sj("アイアン"), sj("アイアンヘルム")) < 0);
        QVERIFY(compareNames(sj("ボーン"), sj("アイアン")) > 0);
        QVERIFY(compareNames("Z", sj("ア")) < 0);
    }

    void armourListColumnsFollowTheMask()
    {
        CEquipListCtrl full;
        QAbstractItemModelTester tester(full.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        full.setUp(m_master);
        QCOMPARE(headers(full), (QStringList{QStringLiteral("ﾚｱ"), QStringLiteral("名称"), QStringLiteral("防御"),
                                             QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("雷"),
                                             QStringLiteral("氷"), QStringLiteral("龍"), QStringLiteral("ｽﾛｯﾄ"),
                                             QStringLiteral("ｽｷﾙ1"), QStringLiteral("ｽｷﾙ2"), QStringLiteral("ｽｷﾙ3")}));
        const int widths[] = {30, 160, 40, 35, 35, 35, 35, 35, 60, 110, 110, 110};
        for (int c = 0; c < 12; ++c)
            QCOMPARE(full.columnWidth(c), widths[c]);
        QCOMPARE(full.columnInfo(ColThunder).group, 0x10u);
        QCOMPARE(full.columnInfo(ColThunder).firstColumn, int(ColFire));

        CEquipListCtrl editor;
        editor.setUp(m_master, 0x6C);
        QCOMPARE(headers(editor),
                 (QStringList{QStringLiteral("名称"), QStringLiteral("防御"), QStringLiteral("ｽﾛｯﾄ"),
                              QStringLiteral("ｽｷﾙ1"), QStringLiteral("ｽｷﾙ2"), QStringLiteral("ｽｷﾙ3")}));
    }

    void armourListFiltersInMasterOrder()
    {
        CEquipListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master);

        list.applyFilter(headFilter(kSexMale, kJobBlade));
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("レザーキャップ"), QStringLiteral("アイアンヘルム"),
                                                    QStringLiteral("ボーンヘルム")}));
        list.applyFilter(headFilter(kSexFemale, kJobGunner));
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("アイアンヘルム"), QStringLiteral("ボーンヘルム"),
                                                    QStringLiteral("ソウルヘルム")}));

        EquipListFilter f = headFilter(kSexMale, kJobBlade);
        f.rarity = -1;
        list.applyFilter(f);
        QCOMPARE(names(list, ColName), QStringList{QStringLiteral("レザーキャップ")});
        f.rarity = 0; // a separator row
        f.nameText = sj("ヘルム");
        list.applyFilter(f);
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("アイアンヘルム"), QStringLiteral("ボーンヘルム")}));
        f.nameText = std::string(1, 'A');
        list.applyFilter(f);
        QCOMPARE(list.model()->rowCount(), 0);

        ExclusionSet excluded;
        excluded.add(head(0));
        f = headFilter(kSexMale, kJobBlade);
        f.hideExcluded = true;
        f.exclusions = &excluded;
        list.applyFilter(f);
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("レザーキャップ"), QStringLiteral("ボーンヘルム")}));

        f = headFilter(kSexFemale, kJobGunner);
        f.filterTrees = {kAttack, kFire};
        f.matchMode = 1;
        list.applyFilter(f);
        QCOMPARE(names(list, ColName), QStringList{QStringLiteral("ソウルヘルム")});
        f.matchMode = 2;
        list.applyFilter(f);
        QCOMPARE(list.model()->rowCount(), 3);

        f = headFilter(kSexMale, kJobBlade);
        f.part = PartLeg;
        list.applyFilter(f);
        QCOMPARE(list.currentPart(), int(PartLeg));
        QCOMPARE(names(list, ColName), QStringList{QStringLiteral("アイアングリーヴ")});
    }

    void armourCellsAndColours()
    {
        CEquipListCtrl list;
        list.setUp(m_master);
        EquipListFilter f = headFilter(kSexMale, kJobBlade);
        f.filterTrees = {kAttack};
        list.applyFilter(f);
        // Rows: アイアンヘルム, ボーンヘルム (both have positive 攻撃).
        QCOMPARE(cellText(list, 0, ColRarity), QStringLiteral("2"));
        QCOMPARE(cellText(list, 0, ColDefence), QStringLiteral("10"));
        QCOMPARE(cellText(list, 0, ColFire), QStringLiteral("+1"));
        QCOMPARE(cellText(list, 0, ColWater), QString());
        QCOMPARE(cellText(list, 0, ColThunder), QStringLiteral("-2"));
        QCOMPARE(cellText(list, 0, ColSlots), QStringLiteral("○"));
        QCOMPARE(cellText(list, 1, ColSlots), QStringLiteral("○○○"));
        QCOMPARE(cellText(list, 0, ColSkill1), QStringLiteral("攻撃+2"));
        QCOMPARE(cellText(list, 0, ColSkill1 + 1), QStringLiteral("防御-1"));
        QCOMPARE(cellText(list, 0, ColSkill1 + 2), QString());

        QCOMPARE(cellForeground(list, 0, ColThunder), colors::kNegativeText);
        QCOMPARE(cellForeground(list, 0, ColFire), kBlack);
        QCOMPARE(cellBackground(list, 0, ColSkill1), colors::kFilterSkillBackground);
        QCOMPARE(cellForeground(list, 0, ColSkill1 + 1), colors::kNegativeText);
        QCOMPARE(cellBackground(list, 0, ColSkill1 + 1), kWhite);
        QCOMPARE(cellBackground(list, 0, ColName), kWhite);
        QCOMPARE(cellBackground(list, 1, ColName), colors::kOddRowBackground);
        QCOMPARE(cellBackground(list, 1, ColSkill1), colors::kFilterSkillBackground);
        // ボーンヘルム's 火耐性-2 is red and never highlighted.
        QCOMPARE(cellForeground(list, 1, ColSkill1 + 1), colors::kNegativeText);
        QCOMPARE(cellBackground(list, 1, ColSkill1 + 1), colors::kOddRowBackground);

        QSignalSpy excluded(&list, &ReportListView::quickExcludeRequested);
        QSignalSpy sParts(&list, &ReportListView::quickSPartRequested);
        QuickMenu menu;
        QVERIFY(list.quickMenuFor(1, menu));
        QVERIFY(menu.excludeEnabled && menu.sPartEnabled);
        QCOMPARE(menu.registration.piece, &head(3));
    }

    void armourSortingBySkillAndTheResetAfterAFilter()
    {
        CEquipListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master);
        list.applyFilter(headFilter(kSexFemale, kJobGunner));
        list.sortByHeader(ColName);
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("アイアンヘルム"), QStringLiteral("ソウルヘルム"),
                                                    QStringLiteral("ボーンヘルム")}));
        list.sortByHeader(ColName);
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("ボーンヘルム"), QStringLiteral("ソウルヘルム"),
                                                    QStringLiteral("アイアンヘルム")}));
        // Pieces without a third skill come first, in name order.
        list.sortByHeader(ColSkill1 + 2);
        QCOMPARE(list.sortGroup(), 0x40u);
        QCOMPARE(list.sortSubIndex(), 2);
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("アイアンヘルム"), QStringLiteral("ボーンヘルム"),
                                                    QStringLiteral("ソウルヘルム")}));
        // Resistance columns sort by their own element.
        list.sortByHeader(ColThunder);
        QCOMPARE(list.sortSubIndex(), 2);
        QCOMPARE(names(list, ColThunder), (QStringList{QStringLiteral("-2"), QString(), QString()}));

        list.sortByHeader(ColDefence);
        list.sortByHeader(ColDefence);
        QCOMPARE(names(list, ColDefence),
                 (QStringList{QStringLiteral("20"), QStringLiteral("12"), QStringLiteral("10")}));
        // A new filter shows master order and forgets the sorted column.
        list.applyFilter(headFilter(kSexFemale, kJobGunner));
        QCOMPARE(list.sortGroup(), 0u);
        QCOMPARE(list.sortSubIndex(), -1);
        QCOMPARE(names(list, ColName), (QStringList{QStringLiteral("アイアンヘルム"), QStringLiteral("ボーンヘルム"),
                                                    QStringLiteral("ソウルヘルム")}));
        list.sortByHeader(ColDefence);
        QCOMPARE(names(list, ColDefence),
                 (QStringList{QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("20")}));
    }

    void jewelListOrdersByFirstSkill()
    {
        CJewelListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master);
        QCOMPARE(headers(list), (QStringList{QStringLiteral("ﾚｱ"), QStringLiteral("名称"), QStringLiteral("ｽﾛｯﾄ"),
                                             QStringLiteral("ｽｷﾙ1"), QStringLiteral("ｽｷﾙ2")}));
        QCOMPARE(list.columnWidth(1), 180);
        list.applyFilter(JewelListFilter{});
        QCOMPARE(names(list, 1), (QStringList{QStringLiteral("攻撃珠"), QStringLiteral("剛力珠"),
                                              QStringLiteral("防御珠"), QStringLiteral("火耐珠")}));
        QCOMPARE(cellText(list, 1, 2), QStringLiteral("●●●"));
        QCOMPARE(cellText(list, 1, 4), QStringLiteral("火耐性-1"));
        QCOMPARE(cellBackground(list, 1, 0), colors::kOddRowBackground);

        JewelListFilter f;
        f.rarity = -1;
        list.applyFilter(f);
        QCOMPARE(names(list, 1), (QStringList{QStringLiteral("攻撃珠"), QStringLiteral("防御珠")}));
        f = JewelListFilter{};
        f.filterTrees = {kFire};
        list.applyFilter(f);
        QCOMPARE(names(list, 1), QStringList{QStringLiteral("火耐珠")});
        QCOMPARE(cellBackground(list, 0, 3), colors::kFilterSkillBackground);
        ExclusionSet excluded;
        excluded.add(jewel(0));
        f = JewelListFilter{};
        f.hideExcluded = true;
        f.exclusions = &excluded;
        f.nameText = sj("珠");
        list.applyFilter(f);
        QCOMPARE(list.model()->rowCount(), 3);

        // Excluding hands over a one-jewel list; as an S part a jewel does nothing.
        QSignalSpy excludedSpy(&list, &ReportListView::quickExcludeRequested);
        QSignalSpy sPartSpy(&list, &ReportListView::quickSPartRequested);
        QuickMenu menu;
        QVERIFY(list.quickMenuFor(0, menu));
        QVERIFY(menu.excludeEnabled);
        QCOMPARE(menu.registration.jewels.size(), std::size_t(1));
        QVERIFY(menu.registration.piece == nullptr);
    }

    void weaponListShowsTheThreeSlotItems()
    {
        CWeaponListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp(m_master.weaponSlots());
        QCOMPARE(headers(list), (QStringList{QStringLiteral("名称"), QStringLiteral("ｽﾛｯﾄ")}));
        QCOMPARE(names(list, 1), (QStringList{QStringLiteral("○"), QStringLiteral("○○"), QStringLiteral("○○○")}));
        QCOMPARE(cellText(list, 0, 0), toQString(m_master.weaponSlots().items()[0].name));
        QCOMPARE(cellBackground(list, 1, 0), colors::kOddRowBackground);
        list.sortByHeader(1);
        list.sortByHeader(1);
        QCOMPARE(names(list, 1), (QStringList{QStringLiteral("○○○"), QStringLiteral("○○"), QStringLiteral("○")}));
        QuickMenu menu;
        QVERIFY(!list.quickMenuFor(0, menu));
    }

    void itemListMovesEntriesInAndOut()
    {
        CItemListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp();
        QCOMPARE(headers(list), (QStringList{QStringLiteral("  "), QStringLiteral("ﾚｱ"), QStringLiteral("名称")}));
        QCOMPARE(list.columnWidth(2), 220);
        QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);

        const EquipItem& body = m_master.equip(PartBody).items()[0];
        std::vector<CItemListCtrl::EntryPtr> in;
        in.push_back(CItemListCtrl::makePieceEntry(head(0), 1));
        in.push_back(CItemListCtrl::makeJewelEntry(jewel(0), 1));
        in.push_back(CItemListCtrl::makePieceEntry(body, 1));
        in.push_back(CItemListCtrl::makePieceEntry(head(1), 2));
        list.addEntries(std::move(in));
        QCOMPARE(names(list, 2), (QStringList{QStringLiteral("アイアンヘルム"), QStringLiteral("攻撃珠"),
                                              QStringLiteral("アイアンメイル"), QStringLiteral("レザーキャップ")}));
        QCOMPARE(names(list, 0),
                 (QStringList{QStringLiteral("頭"), QStringLiteral("珠"), QStringLiteral("胴"), QStringLiteral("頭")}));
        QCOMPARE(list.selectedRowNumbers(), (std::vector<int>{0, 1, 2, 3}));

        // More rows: only the new ones end up selected.
        std::vector<CItemListCtrl::EntryPtr> more;
        more.push_back(CItemListCtrl::makeJewelEntry(jewel(2), 3));
        list.addEntries(std::move(more));
        QCOMPARE(list.selectedRowNumbers(), std::vector<int>{4});
        // Masters are kept in rarity, then name order.
        std::vector<const ListEntry*> all = list.allEntries();
        QCOMPARE(all.size(), std::size_t(5));
        QCOMPARE(all[0]->piece, &head(1));
        QCOMPARE(all[1]->piece, &head(0));

        // Armour first by part, rarity, name; then jewels by rarity.
        list.sortByHeader(0);
        QCOMPARE(names(list, 2),
                 (QStringList{QStringLiteral("レザーキャップ"), QStringLiteral("アイアンヘルム"),
                              QStringLiteral("アイアンメイル"), QStringLiteral("攻撃珠"), QStringLiteral("火耐珠")}));
        QCOMPARE(list.selectedRowNumbers(), std::vector<int>{4}); // still 火耐珠

        QItemSelection pick;
        pick.select(list.model()->index(1, 0), list.model()->index(1, 2));
        pick.select(list.model()->index(3, 0), list.model()->index(3, 2));
        list.selectionModel()->select(pick, QItemSelectionModel::ClearAndSelect);
        std::vector<CItemListCtrl::EntryPtr> out;
        list.takeSelected(out);
        QCOMPARE(out.size(), std::size_t(2));
        QCOMPARE(out[0]->piece, &head(0));
        QCOMPARE(out[1]->jewel, &jewel(0));
        QCOMPARE(names(list, 2), (QStringList{QStringLiteral("レザーキャップ"), QStringLiteral("アイアンメイル"),
                                              QStringLiteral("火耐珠")}));
        QCOMPARE(list.allEntries().size(), std::size_t(3));
        QVERIFY(list.selectedRowNumbers().empty());

        list.applyFilter(PartHead, 0, 0, 0, "");
        QCOMPARE(names(list, 2), QStringList{QStringLiteral("レザーキャップ")});
        list.applyFilter(CItemListCtrl::kJewelKind, 0, 0, 0, "");
        QCOMPARE(names(list, 2), QStringList{QStringLiteral("火耐珠")});
        list.applyFilter(CItemListCtrl::kAllKinds, kSexFemale, 0, 0, "");
        QCOMPARE(names(list, 2), (QStringList{QStringLiteral("アイアンメイル"), QStringLiteral("火耐珠")}));
        list.applyFilter(CItemListCtrl::kAllKinds, 0, 0, -1, "");
        QCOMPARE(names(list, 2), QStringList{QStringLiteral("レザーキャップ")});

        // Rows added after a head-only filter include a jewel; taking all
        // shown rows takes it out of its own master too.
        list.applyFilter(PartHead, 0, 0, 0, "");
        std::vector<CItemListCtrl::EntryPtr> jewelOnly;
        jewelOnly.push_back(CItemListCtrl::makeJewelEntry(jewel(3), 4));
        list.addEntries(std::move(jewelOnly));
        list.takeAllShown(out);
        QCOMPARE(out.size(), std::size_t(2));
        QCOMPARE(out[0]->piece, &head(1));
        QCOMPARE(out[1]->jewel, &jewel(3));
        QCOMPARE(list.model()->rowCount(), 0);
        all = list.allEntries();
        QCOMPARE(all.size(), std::size_t(2)); // アイアンメイル and 火耐珠 stay
    }

    void excludedSkillListSortsAndFilters()
    {
        CExclusiveSkillListCtrl list;
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setUp();
        QCOMPARE(headers(list), (QStringList{QStringLiteral("スキル系統"), QStringLiteral("発動スキル")}));
        QCOMPARE(list.columnWidth(0), 120);
        QCOMPARE(list.columnWidth(1), 160);

        std::vector<CExclusiveSkillListCtrl::EntryPtr> in;
        in.push_back(CExclusiveSkillListCtrl::makeEntry(kAttack, 10, m_master.skills()));
        in.push_back(CExclusiveSkillListCtrl::makeEntry(kGuard, -5, m_master.skills()));
        in.push_back(CExclusiveSkillListCtrl::makeEntry(kAttack, 20, m_master.skills()));
        in.push_back(CExclusiveSkillListCtrl::makeEntry(kAttack, -10, m_master.skills()));
        list.addEntries(std::move(in));
        QCOMPARE(list.selectedRowNumbers(), (std::vector<int>{0, 1, 2, 3}));
        QCOMPARE(cellText(list, 1, 0), QStringLiteral("防御"));
        QCOMPARE(cellText(list, 1, 1), QStringLiteral("防御力DOWN【小】"));
        QCOMPARE(cellForeground(list, 1, 1), colors::kNegativeText);
        QCOMPARE(cellForeground(list, 0, 1), kBlack);
        QCOMPARE(cellForeground(list, 1, 0), kBlack);

        list.applyFilter(0, true, true);
        QCOMPARE(names(list, 1), (QStringList{QStringLiteral("攻撃力UP【大】"), QStringLiteral("攻撃力UP【小】"),
                                              QStringLiteral("攻撃力DOWN【小】"), QStringLiteral("防御力DOWN【小】")}));
        list.sortByHeader(1);
        QCOMPARE(names(list, 1), (QStringList{QStringLiteral("攻撃力DOWN【小】"), QStringLiteral("攻撃力UP【小】"),
                                              QStringLiteral("攻撃力UP【大】"), QStringLiteral("防御力DOWN【小】")}));
        list.sortByHeader(0);
        QCOMPARE(names(list, 1), (QStringList{QStringLiteral("攻撃力UP【大】"), QStringLiteral("攻撃力UP【小】"),
                                              QStringLiteral("攻撃力DOWN【小】"), QStringLiteral("防御力DOWN【小】")}));

        list.applyFilter(kAttack, false, true);
        QCOMPARE(names(list, 1), QStringList{QStringLiteral("攻撃力DOWN【小】")});
        list.applyFilter(0, true, false);
        QCOMPARE(list.model()->rowCount(), 2);
        list.applyFilter(0, false, false);
        QCOMPARE(list.model()->rowCount(), 0);

        list.applyFilter(0, true, true);
        list.selectSingleRow(3);
        std::vector<CExclusiveSkillListCtrl::EntryPtr> out;
        list.takeSelected(out);
        QCOMPARE(out.size(), std::size_t(1));
        QCOMPARE(out[0]->treeId, kGuard);
        QCOMPARE(list.allEntries().size(), std::size_t(3));
        list.takeAllShown(out);
        QCOMPARE(out.size(), std::size_t(3));
        QVERIFY(list.allEntries().empty());
    }

    void rarityChoicesCarryTheirCodes()
    {
        const std::vector<RarityChoice>& rows = rarityChoices();
        QCOMPARE(rows.size(), std::size_t(26));
        QCOMPARE(rows[0].label, QStringLiteral("全て"));
        QCOMPARE(rows[1].label, QStringLiteral("-------"));
        QCOMPARE(rows[2].label, QStringLiteral("1 以下"));
        QCOMPARE(rows[2].code, RarityFilterCode(-1));
        QCOMPARE(rows[8].label, QStringLiteral("7 以下"));
        QCOMPARE(rows[9].code, RarityFilterCode(0));
        QCOMPARE(rows[10].label, QStringLiteral("1 のみ"));
        QCOMPARE(rows[17].code, RarityFilterCode(8));
        QCOMPARE(rows[18].label, QStringLiteral("-------"));
        QCOMPARE(rows[19].label, QStringLiteral("2 以上"));
        QCOMPARE(rows[19].code, RarityFilterCode(102));
        QCOMPARE(rows[25].code, RarityFilterCode(108));
        // The codes a condition, a file or the command line takes are exactly
        // the ones these rows offer.
        for (int code = -300; code <= 300; ++code) {
            const bool offered =
                std::any_of(rows.begin(), rows.end(), [code](const RarityChoice& row) { return row.code == code; });
            QVERIFY2(isOfferedRarityCode(code) == offered, qPrintable(QString::number(code)));
        }

        QComboBox combo;
        combo.addItem(QStringLiteral("old"));
        fillRarityCombo(&combo);
        QCOMPARE(combo.count(), 26);
        QCOMPARE(combo.currentIndex(), 0);
        combo.setCurrentIndex(21);
        QCOMPARE(selectedRarityCode(&combo), RarityFilterCode(104));
        combo.setCurrentIndex(18);
        QCOMPARE(selectedRarityCode(&combo), RarityFilterCode(0));
    }
};

QTEST_MAIN(TestCatalogueLists)
#include "CatalogueListsTest.moc"
