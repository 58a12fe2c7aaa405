// The main window's "見つからない理由": offered as soon as a search completes
// without a result, it explains that search's condition in the window of that
// name; the change chosen there is made to the condition controls, and to
// nothing else.

#include "ui/app/CSimulatorApp.h"
#include "ui/main/CNoResultReasonDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CSearchDlg.h"

#include <QPushButton>

#include <QEvent>

#include <algorithm>

namespace zeku {
namespace {

// Gives `button` the focus as soon as it can take it: the search's final
// notice comes while the main window is still disabled under the progress
// window, and a disabled widget takes no focus, so the focus would go back to
// the result list when the window is enabled again.
class FocusWhenEnabled final : public QObject {
public:
    static constexpr const char* kName = "focusWhenEnabled";

    explicit FocusWhenEnabled(QPushButton* button) : QObject(button), m_button(button)
    {
        setObjectName(QLatin1String(kName));
        button->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_button && event->type() == QEvent::EnabledChange && m_button->isEnabled()) {
            if (m_button->isVisible())
                m_button->setFocus();
            deleteLater();
        }
        return false;
    }

private:
    QPushButton* m_button;
};

} // namespace

void CSearchDlg::setUpExplainButton()
{
    // Over the empty result list, where the player looks for the results; a
    // child of its viewport, so it moves with the list.
    m_explainButton = new QPushButton(tr("見つからない理由"), m_ui->resultList->viewport());
    m_explainButton->setProperty("controlId", 1248);
    m_explainButton->setAccessibleName(tr("見つからない理由"));
    m_explainButton->setAutoDefault(false);
    m_explainButton->adjustSize();
    m_explainButton->move(8, 8);
    m_explainButton->hide();
    connect(m_explainButton, &QPushButton::clicked, this, &CSearchDlg::onExplainNoResult);
}

void CSearchDlg::offerExplanation(bool offer)
{
    if (!m_explainButton)
        return; // still being set up
    m_explainButton->setVisible(offer);
    if (!offer)
        return;
    // Space opens it at once.
    if (m_explainButton->isEnabled())
        m_explainButton->setFocus();
    else if (!m_explainButton->findChild<QObject*>(QLatin1String(FocusWhenEnabled::kName), Qt::FindDirectChildrenOnly))
        new FocusWhenEnabled(m_explainButton);
}

void CSearchDlg::onExplainNoResult()
{
    // The condition of the search that found nothing, as it ran.
    const SearchCondition searched = m_resultsCondition;
    // A window of its own, as the progress window is: a child would be
    // disabled with this window.
    CNoResultReasonDlg dialog(m_app.master(), searched, nullptr);
    connect(&dialog, &CNoResultReasonDlg::applyRequested, this, &CSearchDlg::applyConditionChange);
    // A change made ("この条件にする"): the next step is "検索" with it.
    if (runOwnWindowOver(*this, dialog, m_ui->searchButton) == QDialog::Accepted)
        m_ui->searchButton->setFocus();
}

void CSearchDlg::applyConditionChange(const ConditionChange& change)
{
    std::vector<SkillPoint> wanted = m_wanted;
    const auto entry =
        std::find_if(wanted.begin(), wanted.end(), [&](const SkillPoint& w) { return w.treeId == change.treeId; });
    // Fixed-list rows: 0 the weapon, then the parts.
    const int row = change.holder == kWeaponPosition ? 0 : change.holder + 1;
    switch (change.kind) {
    case ChangeKind::Drop:
        if (entry != wanted.end()) {
            wanted.erase(entry);
            replaceWantedSkills(wanted);
        }
        break;
    case ChangeKind::Lower:
        if (entry != wanted.end()) {
            entry->points = change.points;
            replaceWantedSkills(wanted, static_cast<int>(entry - wanted.begin()));
        }
        break;
    case ChangeKind::SwitchOff:
        (change.which == ConditionSwitch::ExcludedItems    ? m_ui->excludedItemsCheck
         : change.which == ConditionSwitch::ExcludedSkills ? m_ui->excludedSkillsCheck
                                                           : m_ui->requireSPartsCheck)
            ->setChecked(false);
        break;
    case ChangeKind::MinDefence:
        m_ui->minDefenceEdit->setText(QStringLiteral("0"));
        break;
    case ChangeKind::Rarity:
        setRarityCode(0);
        break;
    case ChangeKind::JewelsOn:
        m_ui->useJewelsCheck->setChecked(true);
        break;
    case ChangeKind::ExactJewelsOn:
        m_ui->exactJewelsCheck->setChecked(true);
        break;
    case ChangeKind::UnfixPiece:
        m_ui->fixedEquipList->setChecked(row, false);
        m_ui->fixedJewelList->setChecked(row, false);
        m_ui->checkAllFixedCheck->setChecked(allFixedRowsChecked());
        break;
    case ChangeKind::UnfixJewels:
        m_ui->fixedJewelList->setChecked(row, false);
        m_ui->checkAllFixedCheck->setChecked(allFixedRowsChecked());
        break;
    }
}

} // namespace zeku
