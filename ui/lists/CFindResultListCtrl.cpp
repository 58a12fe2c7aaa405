#include "ui/lists/CFindResultListCtrl.h"

#include "ui/lists/ListText.h"

namespace zeku {
namespace {

constexpr uint32_t kGroupNumber = 0x01;
constexpr uint32_t kGroupDefence = 0x08;
constexpr uint32_t kGroupSlots = 0x20;
constexpr uint32_t kGroupActivated = 0x40;
constexpr uint32_t kGroupUsed = 0x100;
constexpr uint32_t kGroupFree = 0x200;

const void* rowIdentity(const FindResultRow& row)
{
    return row.record;
}

// Compares the keys in order; the first difference decides.
template <typename... Keys>
int compareKeys(const FindResultRow& a, const FindResultRow& b, Keys... keys)
{
    int c = 0;
    ((c == 0 ? (c = compareNumbers(keys(a), keys(b))) : 0), ...);
    return c;
}

} // namespace

CFindResultListCtrl::CFindResultListCtrl(QWidget* parent) : CDataListCtrl(parent), m_table(&rowIdentity)
{
    setAccessibleName(tr("検索結果"));
}

int CFindResultListCtrl::numberWidth(int rowCount)
{
    static constexpr struct {
        int from;
        int width;
    } kWidths[] = {{10000000, 8}, {1000000, 7}, {100000, 6}, {10000, 5}, {1000, 4}, {100, 3}, {10, 2}};
    for (const auto& w : kWidths)
        if (rowCount >= w.from)
            return w.width;
    return 0;
}

void CFindResultListCtrl::setUp(const SkillCatalogue& skills)
{
    m_skills = &skills;
    setSwitches(false, true);
    // Every comparer ends in the unique result number.
    m_table.setStrictOrder(true);
    m_table.clearColumns();

    using Row = FindResultRow;
    auto number = [](const Row& r) { return static_cast<long long>(r.number); };
    auto defence = [](const Row& r) { return static_cast<long long>(r.record->defence); };
    auto slots = [](const Row& r) { return static_cast<long long>(r.record->slots); };
    auto used = [](const Row& r) { return static_cast<long long>(r.record->used); };
    auto free = [](const Row& r) { return static_cast<long long>(r.record->free); };
    auto activated = [](const Row& r) { return static_cast<long long>(r.record->skillCount); };
    auto numberText = [this](const Row& r, int) {
        return QString::asprintf("%*d", numberWidth(m_table.rowCount()), r.number);
    };
    auto valueText = [](auto key) { return [key](const Row& r, int) { return QString::number(key(r)); }; };

    m_table.beginGroup(kGroupNumber);
    auto& c0 = m_table.addColumn(QStringLiteral("No."), Qt::AlignRight, 40);
    c0.toolTip = tr("検索結果の番号");
    c0.text = numberText;
    c0.comparer = [=](const Row& a, const Row& b, int) { return compareKeys(a, b, number); };

    m_table.beginGroup(kGroupDefence);
    auto& c1 = m_table.addColumn(tr("防御"), Qt::AlignRight, 45);
    c1.toolTip = tr("防具5部位の防御力の合計");
    c1.text = valueText(defence);
    c1.comparer = [=](const Row& a, const Row& b, int) { return compareKeys(a, b, defence, slots, number); };

    m_table.beginGroup(kGroupSlots);
    auto& c2 = m_table.addColumn(tr("ｽﾛ"), Qt::AlignRight, 30);
    c2.toolTip = tr("武器と防具のスロット数の合計");
    c2.text = valueText(slots);
    c2.comparer = [=](const Row& a, const Row& b, int) {
        return compareKeys(a, b, slots, used, free, defence, number);
    };

    m_table.beginGroup(kGroupUsed);
    auto& c3 = m_table.addColumn(QStringLiteral("●"), Qt::AlignRight, 30);
    c3.toolTip = tr("装飾品で埋まっているスロット数");
    c3.text = valueText(used);
    c3.comparer = [=](const Row& a, const Row& b, int) {
        return compareKeys(a, b, used, slots, free, defence, number);
    };

    m_table.beginGroup(kGroupFree);
    auto& c4 = m_table.addColumn(QStringLiteral("○"), Qt::AlignRight, 30);
    c4.toolTip = tr("空いているスロット数");
    c4.text = valueText(free);
    c4.comparer = [=](const Row& a, const Row& b, int) {
        return compareKeys(a, b, free, slots, used, defence, number);
    };

    m_table.beginGroup(kGroupActivated);
    auto& c5 = m_table.addColumn(tr("ｽｷﾙ"), Qt::AlignRight, 35);
    c5.toolTip = tr("発動するスキルの数");
    c5.text = valueText(activated);
    c5.comparer = [=](const Row& a, const Row& b, int) { return compareKeys(a, b, activated, defence, number); };

    attachTable(&m_table);
    resetSortState();
}

void CFindResultListCtrl::showResults(const SearchResultStore* store)
{
    std::vector<FindResultRow>& rows = m_table.rows();
    rows.clear();
    m_store = store;
    m_builtFrom = nullptr;
    if (store) {
        rows.reserve(static_cast<std::size_t>(store->count()));
        for (int32_t i = 0; i < store->count(); ++i)
            rows.push_back(FindResultRow{&store->record(i), i + 1});
    }
    refreshRows();
}

const EquipSet* CFindResultListCtrl::resultAt(int row) const
{
    const ResultRecord* record = recordAt(row);
    if (record != m_builtFrom) {
        m_store->buildSet(*record, m_builtSet);
        m_builtFrom = record;
    }
    return &m_builtSet;
}

void CFindResultListCtrl::resetSortState()
{
    m_sortGroup = kGroupNumber;
    m_sortSubIndex = 0;
    m_direction = 1;
}

} // namespace zeku
