#include "ui/lists/RarityCombo.h"

#include <QCoreApplication>
#include <QComboBox>

namespace zeku {

std::vector<RarityChoice> rarityChoices()
{
    // Made on each call, so that the labels come in the language of the moment.
    return [] {
        const QString separator = QStringLiteral("-------");
        std::vector<RarityChoice> rows{{QCoreApplication::translate("zeku::RarityCombo", "全て"), 0}, {separator, 0}};
        for (int n = 1; n <= kRarityAtMostTop; ++n)
            rows.push_back({QCoreApplication::translate("zeku::RarityCombo", "%1 以下").arg(n),
                            rarityCode(RarityBound::AtMost, n)});
        rows.push_back({separator, 0});
        for (int n = 1; n <= kRarityOnlyTop; ++n)
            rows.push_back(
                {QCoreApplication::translate("zeku::RarityCombo", "%1 のみ").arg(n), rarityCode(RarityBound::Only, n)});
        rows.push_back({separator, 0});
        for (int n = kRarityAtLeastBottom; n <= kRarityAtLeastTop; ++n)
            rows.push_back({QCoreApplication::translate("zeku::RarityCombo", "%1 以上").arg(n),
                            rarityCode(RarityBound::AtLeast, n)});
        return rows;
    }();
}

void fillRarityCombo(QComboBox* combo)
{
    combo->clear();
    for (const RarityChoice& choice : rarityChoices())
        combo->addItem(choice.label, static_cast<int>(choice.code));
    combo->setCurrentIndex(0);
}

RarityFilterCode selectedRarityCode(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? 0 : static_cast<RarityFilterCode>(combo->currentData().toInt());
}

} // namespace zeku
