#include "ui/lists/CItemListCtrl.h"

#include "ui/lists/ListText.h"

#include <algorithm>

namespace zeku {
namespace {

constexpr uint32_t kGroupKind = 0x1000;

int compareKind(const ListEntry& a, const ListEntry& b)
{
    // Armour before jewels; pieces by part, rarity, name; jewels by rarity, name.
    if (int c = compareNumbers(a.piece == nullptr, b.piece == nullptr))
        return c;
    if (a.piece)
        if (int c = compareNumbers(a.piece->part, b.piece->part))
            return c;
    return compareRarityThenName(a, b);
}

} // namespace

CItemListCtrl::CItemListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("アイテム"));
}

void CItemListCtrl::setUp()
{
    setSwitches(false, true);
    setMultiSelection(true);
    using Entry = const ListEntry*;
    m_table.clearColumns();
    m_table.beginGroup(kGroupKind);
    auto& kind = m_table.addColumn(QStringLiteral("  "), Qt::AlignRight, 30);
    kind.text = [](const Entry& e, int) {
        static const char* const kParts[kPartCount] = {QT_TR_NOOP("頭"), QT_TR_NOOP("胴"), QT_TR_NOOP("腕"),
                                                       QT_TR_NOOP("腰"), QT_TR_NOOP("脚")};
        return e->piece ? tr(kParts[e->piece->part]) : tr("珠");
    };
    kind.comparer = [](const Entry& a, const Entry& b, int) { return compareKind(*a, *b); };
    addRarityColumn(m_table);
    addNameColumn(m_table, 220);
    attachTable(&m_table);
    resetSortState();
}

std::size_t CItemListCtrl::masterOf(const ListEntry& entry)
{
    return entry.piece ? static_cast<std::size_t>(entry.piece->part) : kJewelKind;
}

CItemListCtrl::EntryPtr CItemListCtrl::makePieceEntry(const EquipItem& piece, int32_t number)
{
    auto e = std::make_unique<ListEntry>();
    e->number = number;
    e->kind = ListEntry::kArmour;
    e->piece = &piece;
    return e;
}

CItemListCtrl::EntryPtr CItemListCtrl::makeJewelEntry(const Jewel& jewel, int32_t number)
{
    auto e = std::make_unique<ListEntry>();
    e->number = number;
    e->kind = ListEntry::kJewel;
    e->jewel = &jewel;
    return e;
}

void CItemListCtrl::addEntries(std::vector<EntryPtr> entries)
{
    std::vector<const ListEntry*> added;
    for (EntryPtr& e : entries) {
        added.push_back(e.get());
        m_masters[masterOf(*e)].push_back(std::move(e));
    }
    for (auto& master : m_masters)
        quickSortEntries(master, [](const EntryPtr& a, const EntryPtr& b) { return compareRarityThenName(*a, *b); });
    std::vector<const ListEntry*>& shown = m_table.rows();
    const int first = static_cast<int>(shown.size());
    shown.insert(shown.end(), added.begin(), added.end());
    updateRowCount();
    selectRowRange(first, static_cast<int>(shown.size()) - 1);
}

CItemListCtrl::EntryPtr CItemListCtrl::removeFromMasters(const ListEntry* entry)
{
    for (auto& master : m_masters) {
        auto it = std::find_if(master.begin(), master.end(), [&](const EntryPtr& e) { return e.get() == entry; });
        if (it != master.end()) {
            EntryPtr taken = std::move(*it);
            master.erase(it);
            return taken;
        }
    }
    return nullptr;
}

void CItemListCtrl::takeSelected(std::vector<EntryPtr>& out)
{
    out.clear();
    const std::vector<int> rows = selectedRowNumbers();
    std::vector<const ListEntry*>& shown = m_table.rows();
    for (int row : rows)
        if (EntryPtr e = removeFromMasters(shown[static_cast<std::size_t>(row)]))
            out.push_back(std::move(e));
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        shown.erase(shown.begin() + *it);
    selectionModel()->clear();
    updateRowCount();
}

void CItemListCtrl::takeAllShown(std::vector<EntryPtr>& out)
{
    // Each entry leaves the master that holds it, whatever the current kind:
    // rows added after the last filter may belong to another kind.
    out.clear();
    for (const ListEntry* entry : m_table.rows())
        if (EntryPtr e = removeFromMasters(entry))
            out.push_back(std::move(e));
    m_table.rows().clear();
    updateRowCount();
}

void CItemListCtrl::applyFilter(int kind, uint16_t sex, uint16_t job, RarityFilterCode rarity,
                                const std::string& nameText)
{
    m_kind = kind;
    auto nameOk = [&](const ListEntry& e) { return nameText.empty() || containsCp932(e.name(), nameText); };
    auto codeOk = [](uint16_t chosen, uint16_t item) { return chosen == 0 || codeFits(item, chosen); };
    std::vector<const ListEntry*>& shown = m_table.rows();
    shown.clear();
    auto addPart = [&](int part) {
        for (const EntryPtr& e : m_masters[static_cast<std::size_t>(part)]) {
            const EquipItem& piece = *e->piece;
            if (codeOk(sex, piece.sex) && codeOk(job, piece.job) && rarityPasses(rarity, piece.rarity) && nameOk(*e))
                shown.push_back(e.get());
        }
    };
    auto addJewels = [&] {
        for (const EntryPtr& e : m_masters[kJewelKind])
            if (rarityPasses(rarity, e->jewel->rarity) && nameOk(*e))
                shown.push_back(e.get());
    };
    if (kind >= 0 && kind < kPartCount) {
        addPart(kind);
    } else if (kind == kJewelKind) {
        addJewels();
    } else {
        for (int part = 0; part < kPartCount; ++part)
            addPart(part);
        addJewels();
    }
    refreshRows();
}

std::vector<const ListEntry*> CItemListCtrl::allEntries() const
{
    std::vector<const ListEntry*> all;
    for (const auto& master : m_masters)
        for (const EntryPtr& e : master)
            all.push_back(e.get());
    return all;
}

} // namespace zeku
