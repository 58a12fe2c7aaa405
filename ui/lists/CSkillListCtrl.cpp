#include "ui/lists/CSkillListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"

#include <array>
#include <map>
#include <utility>

namespace zeku {
namespace {

constexpr int kSources = 1 + kPartCount; // weapon, then the five parts
enum Column { ColTree, ColWeapon, ColTotal = ColWeapon + kSources, ColActivated, ColCount };

// The points one tree gets from each source, split into the item's own and its jewels'.
struct TreeRow {
    uint16_t treeId = 0;
    std::array<int, kSources> item{};
    std::array<int, kSources> jewel{};
    int16_t total = 0;
    int16_t jewelTotal = 0;
    std::string activated;
};

void addPoints(std::map<uint16_t, TreeRow>& rows, const std::vector<SkillPoint>& points, int source, bool jewel)
{
    for (const SkillPoint& p : points) {
        TreeRow& row = rows[p.treeId];
        row.treeId = p.treeId;
        (jewel ? row.jewel : row.item)[static_cast<std::size_t>(source)] += p.points;
    }
}

void addJewels(std::map<uint16_t, TreeRow>& rows, const JewelSlots& slots, int source)
{
    for (const Jewel* j : slots.jewels)
        addPoints(rows, j->skills, source, true);
}

// Row `j` goes before row `i`: activated skills first, positive totals
// descending, then negative totals most negative first; the rest by total.
bool comesBefore(const TreeRow& j, const TreeRow& i)
{
    const bool hasJ = !j.activated.empty();
    const bool hasI = !i.activated.empty();
    if (hasJ != hasI)
        return hasJ;
    if (hasJ && j.total < 0 && i.total < 0)
        return j.total < i.total;
    return j.total > i.total;
}

QString pointsText(int points, int jewelPoints)
{
    return QString::asprintf("%+d(%+d)", points, jewelPoints);
}

} // namespace

CSkillListCtrl::CSkillListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("スキル"));
}

void CSkillListCtrl::setUp(const SkillCatalogue& skills)
{
    m_skills = &skills;
    setSwitches(true, false);
    m_table.clearColumns();
    static const char* const kHeaders[ColCount] = {
        QT_TR_NOOP("スキル系統"), QT_TR_NOOP("武"), QT_TR_NOOP("頭"), QT_TR_NOOP("胴"),        QT_TR_NOOP("腕"),
        QT_TR_NOOP("腰"),         QT_TR_NOOP("脚"), QT_TR_NOOP("計"), QT_TR_NOOP("発動スキル")};
    for (int c = 0; c < ColCount; ++c) {
        const bool left = c == ColTree || c == ColActivated;
        const int width = c == ColTree ? 100 : c == ColTotal ? 80 : c == ColActivated ? 160 : 60;
        m_table.beginGroup(1u << c);
        auto& column = m_table.addColumn(tr(kHeaders[c]), left ? Qt::AlignLeft : Qt::AlignRight, width);
        column.text = [c](const TextRow& row, int) { return row.cells[static_cast<std::size_t>(c)]; };
        column.colors = [c](const TextRow& row, int, CellColors& colors) {
            // The activated skill is red when its total is.
            const int source = c == ColActivated ? int(ColTotal) : c;
            const bool negative = row.cells[static_cast<std::size_t>(source)].startsWith(QLatin1Char('-'));
            if (c != ColTree && negative)
                colors.text = colors::kNegativeText;
            if (c == ColTotal || c == ColActivated)
                colors.background = colors::kTotalBackground;
        };
    }
    attachTable(&m_table);
}

void CSkillListCtrl::showSet(const EquipSet* set)
{
    std::vector<TextRow>& shown = m_table.rows();
    shown.clear();
    if (set) {
        std::map<uint16_t, TreeRow> gathered;
        addJewels(gathered, set->weaponSlots(), 0);
        for (int part = 0; part < kPartCount; ++part) {
            if (const EquipItem* piece = set->piece(part))
                addPoints(gathered, piece->skills, part + 1, false);
            addJewels(gathered, set->pieceSlots(part), part + 1);
        }

        std::vector<TreeRow> rows;
        for (auto& [id, row] : gathered) {
            int item = 0;
            int jewel = 0;
            for (int s = 0; s < kSources; ++s) {
                item += row.item[static_cast<std::size_t>(s)];
                jewel += row.jewel[static_cast<std::size_t>(s)];
            }
            row.total = static_cast<int16_t>(item + jewel);
            row.jewelTotal = static_cast<int16_t>(jewel);
            row.activated = m_skills->activatedSkillName(id, row.total);
            rows.push_back(std::move(row));
        }
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (std::size_t j = i + 1; j < rows.size(); ++j)
                if (comesBefore(rows[j], rows[i]))
                    std::swap(rows[i], rows[j]);

        for (const TreeRow& row : rows) {
            TextRow text(ColCount);
            const std::string* name = m_skills->treeName(row.treeId);
            text.key = name ? *name : std::string();
            text.cells[ColTree] = toQString(text.key);
            for (int s = 0; s < kSources; ++s) {
                const int item = row.item[static_cast<std::size_t>(s)];
                const int jewel = row.jewel[static_cast<std::size_t>(s)];
                QString& cell = text.cells[static_cast<std::size_t>(ColWeapon + s)];
                if (jewel != 0)
                    cell = pointsText(item + jewel, jewel);
                else if (item != 0)
                    cell = signedText(item);
            }
            text.cells[ColTotal] = row.jewelTotal != 0 ? pointsText(row.total, row.jewelTotal) : signedText(row.total);
            text.cells[ColActivated] = toQString(row.activated);
            shown.push_back(std::move(text));
        }
    }
    refreshRows();
}

bool CSkillListCtrl::quickMenuRules(int row, QuickMenu& menu) const
{
    menu.registration.skillTreeName = m_table.rows()[static_cast<std::size_t>(row)].key;
    menu.excludeEnabled = true;
    return true;
}

} // namespace zeku
