#include "userfiles/StoredSearch.h"

#include "platform/Cp932.h"
#include "platform/ErrorReport.h"

namespace zeku {

void restoreResults(const StoredSearch& search, const SkillCatalogue& skills, SearchResultStore& store)
{
    EquipSet set;
    for (const NumberedCombination& combination : search.combinations)
        if (combination.resolve(search.items, set))
            store.append(set, skills);
}

std::string missingItemsMessage(const StoredSearch& search)
{
    if (search.missingItems.empty())
        return {};
    // The wording of this message is the program's own, typo included.
    std::string message = "以下のアイテム情報が見つからない為\n"
                          "検索結果の一部が復元できませんした。\n\n";
    for (const std::string& name : search.missingItems)
        message += cp932ToUtf8(name) + "\r\n";
    return message;
}

void reportMissingItems(const StoredSearch& search)
{
    if (!search.missingItems.empty())
        errorReporter().reportErrorMessage(missingItemsMessage(search));
}

} // namespace zeku
