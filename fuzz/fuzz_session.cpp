// user/Session.dat from arbitrary bytes, read against a small catalogue. A
// session that reads has a sex, a job, a size and only items and skill trees
// of the catalogue; saved again and read back it comes back the same, with
// nothing left to drop. The start-up reader of the language alone gives a
// known code or nothing, and the same as the whole reader when that reads.

#include "FuzzSupport.h"

#include "userfiles/SessionFile.h"

using namespace zeku;

namespace {

void checkState(const SessionState& state, const MasterData& master)
{
    const SearchCondition& condition = state.condition;
    ZEKU_FUZZ_CHECK(condition.sex == 1 || condition.sex == 2);
    ZEKU_FUZZ_CHECK(condition.job == 1 || condition.job == 2);
    ZEKU_FUZZ_CHECK(state.width > 0 && state.height > 0);
    for (const SkillPoint& skill : condition.wanted)
        ZEKU_FUZZ_CHECK(master.skills().findTree(skill.treeId) != nullptr && skill.points != 0);
    fuzz::checkSetBelongsTo(condition.fixed, master);
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
