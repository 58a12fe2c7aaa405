#include "userfiles/StoredSearch.h"

#include "platform/Cp932.h"
#include "platform/ErrorReport.h"

namespace zeku {

void restoreResults(const StoredSearch& search, const SkillCatalogue& skills, SearchResultStore& store)
{
    EquipSet set;
    for (std::size_t i = 0; i < search.combinations.size(); ++i)
        if (search.combinations.resolve(i, search.items, set))
            store.append(set, skills);
}

std::string missingItemsMessage(const StoredSearch& search, std::size_t droppedRecords)
{
    std::string message;
    if (!search.missingItems.empty()) {
        // The wording of this message is the program's own, typo included.
        message = "以下のアイテム情報が見つからない為\n"
                  "検索結果の一部が復元できませんした。\n\n";
        for (const std::string& name : search.missingItems)
            message += cp932ToUtf8(name) + "\r\n";
    }
    if (droppedRecords > 0) {
        if (!message.empty())
            message += "\r\n";
        message += "復元できなかった検索結果：" + std::to_string(droppedRecords) + "件\r\n";
    }
    return message;
}

void reportMissingItems(const StoredSearch& search, std::size_t droppedRecords)
{
    UserMessage message{
        MessageId::SearchMissingItems, {std::to_string(droppedRecords)}, missingItemsMessage(search, droppedRecords)};
    if (message.text.empty())
        return;
    for (const std::string& name : search.missingItems)
        message.args.push_back(cp932ToUtf8(name));
    errorReporter().reportMessage(message);
}

} // namespace zeku
