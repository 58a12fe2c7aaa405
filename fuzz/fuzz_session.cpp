// user/Session.dat from arbitrary bytes, read against a small catalogue. A
// session that reads has a sex, a job, a size and only items and skill trees
// of the catalogue; saved again and read back it comes back the same, with
// nothing left to drop. The start-up reader of the language alone gives a
// known code or nothing, and the same as the whole reader when that reads.

#include "FuzzSupport.h"

#include "userfiles/SessionFile.h"

using namespace zeku;

namespace {

template <typename T>
bool within(const T* record, const std::vector<T>& items)
{
    return record >= items.data() && record < items.data() + items.size();
}

void checkState(const SessionState& state, const MasterData& master)
{
    const SearchCondition& condition = state.condition;
    ZEKU_FUZZ_CHECK(condition.sex == 1 || condition.sex == 2);
    ZEKU_FUZZ_CHECK(condition.job == 1 || condition.job == 2);
    ZEKU_FUZZ_CHECK(state.width > 0 && state.height > 0);
    for (const SkillPoint& skill : condition.wanted)
        ZEKU_FUZZ_CHECK(master.skills().findTree(skill.treeId) != nullptr && skill.points != 0);
    const EquipSet& set = condition.fixed;
    const std::vector<Jewel>& jewels = master.jewels().items();
    ZEKU_FUZZ_CHECK(!set.weapon() || within(set.weapon(), master.weaponSlots().items()));
    for (const Jewel* jewel : set.weaponSlots().jewels)
        ZEKU_FUZZ_CHECK(within(jewel, jewels));
    for (int part = 0; part < kPartCount; ++part) {
        const EquipItem* piece = set.piece(part);
        ZEKU_FUZZ_CHECK(!piece || (within(piece, master.equip(part).items()) && piece->part == part));
        for (const Jewel* jewel : set.pieceSlots(part).jewels)
            ZEKU_FUZZ_CHECK(within(jewel, jewels));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const MasterData& master = fuzz::listCatalogue();
    const UserFolder folder(fuzz::scratchFolder() / "session-user");
    static const bool prepared = [&folder] {
        std::filesystem::create_directories(folder.root());
        return true;
    }();
    (void)prepared;

    fuzz::writeInput(folder.sessionFile(), data, size);
    const std::optional<RestoredSession> session = loadSession(folder, master);
    const std::string language = loadSessionLanguage(folder);
    ZEKU_FUZZ_CHECK(language.empty() || language == kSessionLanguageJapanese || language == kSessionLanguageEnglish);
    if (session) {
        ZEKU_FUZZ_CHECK(language == session->state.language);
        checkState(session->state, master);
        ZEKU_FUZZ_CHECK(saveSession(folder, session->state));
        const std::optional<RestoredSession> again = loadSession(folder, master);
        ZEKU_FUZZ_CHECK(again.has_value());
        ZEKU_FUZZ_CHECK(again->droppedItems == 0);
        ZEKU_FUZZ_CHECK(sameSession(session->state, again->state));
    }
    fuzz::removeInput(folder.sessionFile());
    return 0;
}
