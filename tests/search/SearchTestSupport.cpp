#include "search/SearchTestSupport.h"

#include "reference/ReferenceSearch.h"
#include "search/SearchResultStore.h"

#include <algorithm>
#include <stdexcept>

namespace zeku::test {

std::vector<SearchImplementation> searchImplementations()
{
    return {{"Engine", &runCombinationSearch}, {"Reference", &runReferenceSearch}};
}

void TestMaster::piece(int part, const std::string& name, std::vector<SkillPoint> skills, PieceShape shape)
{
    EquipItem item;
    item.name = name;
    item.slots = shape.slots;
    item.defence = shape.defence;
    item.sex = shape.sex;
    item.job = shape.job;
    item.rarity = shape.rarity;
    item.skills = std::move(skills);
    m_master->mutableEquip(part).addItem(std::move(item));
}

void TestMaster::jewel(const std::string& name, std::vector<SkillPoint> skills, uint16_t slots, uint16_t rarity)
{
    Jewel jewel;
    jewel.name = name;
    jewel.slots = slots;
    jewel.rarity = rarity;
    jewel.skills = std::move(skills);
    m_master->mutableJewels().addItem(std::move(jewel));
}

void TestMaster::tree(uint16_t id, const std::vector<int16_t>& thresholds)
{
    SkillTree tree;
    tree.id = id;
    tree.name = "t" + std::to_string(id);
    for (int16_t threshold : thresholds)
        tree.activations.push_back(
            SkillActivation{id, threshold, std::to_string(id) + ":" + std::to_string(threshold)});
    m_master->mutableSkills().addTree(std::move(tree));
}

const EquipItem& TestMaster::findPiece(int part, const std::string& name, int sex) const
{
    for (const EquipItem& item : m_master->equip(part).items())
        if (item.name == name && (sex < 0 || item.sex == sex))
            return item;
    throw std::logic_error("no test piece " + name);
}

const Jewel& TestMaster::findJewel(const std::string& name) const
{
    for (const Jewel& jewel : m_master->jewels().items())
        if (jewel.name == name)
            return jewel;
    throw std::logic_error("no test jewel " + name);
}

SearchCondition makeCondition(std::vector<SkillPoint> wanted, bool useJewels)
{
    SearchCondition condition;
    condition.sex = kSexMale;
    condition.job = kJobBlade;
    condition.useJewels = useJewels;
    condition.wanted = std::move(wanted);
    return condition;
}

namespace {

std::string describeJewels(const JewelSlots& slots)
{
    if (slots.jewels.empty())
        return {};
    std::string text = "(";
    for (std::size_t i = 0; i < slots.jewels.size(); ++i)
        text += (i ? "," : "") + slots.jewels[i]->name;
    return text + ")";
}

// Counts every notice and lets a test react to it.
class HookedSink final : public NoticeSink {
public:
    HookedSink(const NoticeHook& hook, const SearchProgress& progress, std::atomic<int32_t>& cancel)
        : m_hook(hook), m_progress(progress), m_cancel(cancel)
    {
    }
    void post(const Notice& notice) override
    {
        codes.push_back(notice.code);
        if (m_hook)
            m_hook(notice.code, m_progress, m_cancel);
    }
    std::vector<int32_t> codes;

private:
    const NoticeHook& m_hook;
    const SearchProgress& m_progress;
    std::atomic<int32_t>& m_cancel;
};

} // namespace

std::string describeSet(const EquipSet& set)
{
    std::string text = set.weapon() ? "W" + std::to_string(set.weapon()->slots) : "-";
    text += describeJewels(set.weaponSlots());
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = set.piece(part);
        text += "|";
        text += piece ? piece->name + describeJewels(set.pieceSlots(part)) : "-";
    }
    return text;
}

std::string describeTotals(const EquipSet& set)
{
    std::string text;
    for (const auto& [tree, points] : set.totals().values())
        text += (text.empty() ? "" : " ") + std::to_string(tree) + ":" + std::to_string(points);
    return text;
}

bool jewelAllowed(const Jewel& jewel, const SearchCondition& condition)
{
    if (jewel.slots == 0 || (condition.useExcludedItems && condition.excludedItems.containsJewelName(jewel.name)))
        return false;
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const SkillPoint& p : jewel.skills) {
        auto wish = std::find_if(condition.wanted.begin(), condition.wanted.end(),
                                 [&](const SkillPoint& w) { return w.treeId == p.treeId; });
        if (wish != condition.wanted.end() && sign(p.points) != 0 && sign(p.points) == sign(wish->points))
            return true;
    }
    return false;
}

std::vector<int32_t> SearchCapture::noticesWithoutProgress() const
{
    std::vector<int32_t> codes;
    for (int32_t code : notices)
        if (code != FindProgress)
            codes.push_back(code);
    return codes;
}

SearchCapture runSearch(SearchFunction search, const MasterData& master, const SearchCondition& condition,
                        const NoticeHook& hook)
{
    SearchCondition copy(condition);
    // Blocks of one record: every stored result allocates, which the
    // out-of-memory tests need.
    SearchResultStore store(1);
    SearchProgress progress;
    std::atomic<int32_t> cancel{0};
    HookedSink sink(hook, progress, cancel);
    SearchRun run;
    run.master = &master;
    run.store = &store;
    run.progress = &progress;
    run.cancel = &cancel;
    run.notices = &sink;

    SearchCapture capture;
    capture.outcome = search(copy, run);
    for (int32_t i = 0; i < store.count(); ++i) {
        const EquipSet result = store.fullSet(i);
        capture.results.push_back(describeSet(result));
        capture.resultTotals.push_back(describeTotals(result));
        capture.resultSets.push_back(result);
    }
    capture.notices = sink.codes;
    capture.total = progress.total;
    capture.done = progress.done;
    capture.rawTotal = progress.rawTotal;
    capture.rawDone = progress.rawDone;
    capture.resultCount = progress.resultCount;
    capture.wantedAfter = copy.wanted;
    return capture;
}

std::vector<std::string> describeWanted(const std::vector<SkillPoint>& wanted)
{
    std::vector<std::string> text;
    for (const SkillPoint& w : wanted)
        text.push_back(std::to_string(w.treeId) + ":" + std::to_string(w.points));
    return text;
}

} // namespace zeku::test
