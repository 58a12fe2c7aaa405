#include "ui/lists/CFindResultListCtrl.h"

#include "ui/lists/ListText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QStyleOptionViewItem>

#include <algorithm>

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

// The buttons shown over the list's viewport ("見つからない理由" after an empty
// search), in child order.
QList<QWidget*> overlayButtons(const QAbstractItemView& list)
{
    QList<QWidget*> shown;
    for (QAbstractButton* button : list.viewport()->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        if (button->isVisibleTo(&list))
            shown.append(button);
    return shown;
}

// The standard table interface of the result list, with the buttons over its
// viewport as further children: the table alone lists only headers and
// cells, so a screen reader would never find such a button.
class ResultListAccessible final : public QAccessibleInterface {
public:
    ResultListAccessible(QAccessibleInterface* table, QAbstractItemView* list)
        : m_table(table), m_tableId(QAccessible::uniqueId(table)), m_list(list)
    {
    }
    // The table interface is the cache's; by id, as it may have gone first.
    ~ResultListAccessible() override { QAccessible::deleteAccessibleInterface(m_tableId); }

    bool isValid() const override { return m_table->isValid(); }
    QObject* object() const override { return m_table->object(); }
    QWindow* window() const override { return m_table->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return m_table->relations(match);
    }
    QAccessibleInterface* focusChild() const override
    {
        for (QWidget* button : overlayButtons(*m_list))
            if (button->hasFocus())
                return QAccessible::queryAccessibleInterface(button);
        return m_table->focusChild();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (QWidget* button : overlayButtons(*m_list))
            if (QRect(button->mapToGlobal(QPoint(0, 0)), button->size()).contains(x, y))
                return QAccessible::queryAccessibleInterface(button);
        return m_table->childAt(x, y);
    }
    QAccessibleInterface* parent() const override { return m_table->parent(); }
    QAccessibleInterface* child(int index) const override
    {
        const int tableChildren = m_table->childCount();
        if (index < tableChildren)
            return m_table->child(index);
        const QList<QWidget*> buttons = overlayButtons(*m_list);
        const int b = index - tableChildren;
        return b < buttons.size() ? QAccessible::queryAccessibleInterface(buttons[b]) : nullptr;
    }
    int childCount() const override { return m_table->childCount() + static_cast<int>(overlayButtons(*m_list).size()); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int b = child ? static_cast<int>(overlayButtons(*m_list).indexOf(child->object())) : -1;
        return b >= 0 ? m_table->childCount() + b : m_table->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return m_table->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { m_table->setText(t, text); }
    QRect rect() const override { return m_table->rect(); }
    QAccessible::Role role() const override { return m_table->role(); }
    QAccessible::State state() const override { return m_table->state(); }
    void* interface_cast(QAccessible::InterfaceType type) override { return m_table->interface_cast(type); }

private:
    QAccessibleInterface* m_table;
    QAccessible::Id m_tableId;
    QAbstractItemView* m_list;
};

bool g_askingForTable = false;

// Gives the result list ResultListAccessible around the interface its base
// classes get.
QAccessibleInterface* resultListAccessible(const QString& className, QObject* object)
{
    if (g_askingForTable || className != QLatin1String(CFindResultListCtrl::staticMetaObject.className()))
        return nullptr;
    g_askingForTable = true; // this factory passes, the table's own answers
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(object);
    g_askingForTable = false;
    return table ? new ResultListAccessible(table, static_cast<QAbstractItemView*>(object)) : nullptr;
}

} // namespace

CFindResultListCtrl::CFindResultListCtrl(QWidget* parent) : CDataListCtrl(parent), m_table(&rowIdentity)
{
    QAccessible::installFactory(&resultListAccessible); // once; later calls change nothing
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
    fitNumberColumn();
}

void CFindResultListCtrl::fitNumberColumn()
{
    // Never narrower than at the start; wide enough for the largest number,
    // which the last row has as the rows were just numbered.
    int width = m_table.columnInfo(0).width;
    if (const int rows = m_table.rowCount(); rows > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        width = std::max(width, itemDelegate()->sizeHint(option, model()->index(rows - 1, 0)).width());
    }
    setColumnWidth(0, width);
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
