#include "ui/main/ResultWorkspace.h"

#include "report/ClipText.h"
#include "report/FormatCount.h"
#include "ui/app/CSimulatorApp.h"
#include "ui/dialogs/ListFileSave.h"
#include "ui/main/CFindConditionDispDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/main/ConditionForm.h"
#include "ui/platform/ClipboardService.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "ui/platform/WindowSupport.h"
#include "userfiles/ItemListFiles.h"

#include "ui_CSearchDlg.h"

#include <QEvent>
#include <QPushButton>

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

// Asks whether a list the restore changed goes to its file; sets the flag.
template <typename Save>
void offerListSave(QWidget* parent, const QString& message, int32_t& flag, Save save)
{
    if (showMessage(parent, message, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes) {
        save();
        flag = 1;
    } else {
        flag = 0;
    }
}

} // namespace

ResultWorkspace::ResultWorkspace(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window, ConditionForm& form)
    : m_app(app), m_ui(ui), m_window(window), m_form(form)
{
}

ResultWorkspace::~ResultWorkspace()
{
    // The views let go of the results before they go.
    m_ui.resultList->showResults(nullptr);
    m_ui.setView->showSet(nullptr);
    m_ui.skillTotalsList->showSet(nullptr);
}

void ResultWorkspace::setUpViews()
{
    m_ui.resultList->setUp(m_app.skills());
    m_ui.setView->setUp();
    m_ui.skillTotalsList->setUp(m_app.skills());
}

void ResultWorkspace::connectControls()
{
    setUpExplainButton();
    connect(m_ui.resultList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { onSelectionChanged(); });
    connect(m_ui.resultList, &CDataListCtrl::rowsSorted, this, [this] { showFirstResult(); });
    connect(m_ui.historyCombo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { updateButtons(); });
    connect(m_ui.clipButton, &QPushButton::clicked, this, [this] { onClip(); });
    connect(m_ui.restoreConditionButton, &QPushButton::clicked, this, [this] { onRestoreCondition(); });
}

const EquipSet* ResultWorkspace::selectedResult() const
{
    const int row = m_ui.resultList->selectedRow();
    if (row < 0 || !m_results)
        return nullptr;
    return m_ui.resultList->resultAt(row);
}

bool ResultWorkspace::mayDiscardResults()
{
    if (m_stored || !m_results || m_results->count() == 0)
        return true;
    return showMessage(&m_window, CSearchDlg::discardQuestion(), MessageIcon::Question, MessageButtons::OkCancel) ==
           MessageAnswer::Ok;
}

void ResultWorkspace::updateButtons()
{
    const bool selected = selectedResult() != nullptr;
    m_ui.clipButton->setEnabled(selected);
    m_ui.editResultButton->setEnabled(selected);
    m_ui.addFavoriteButton->setEnabled(selected);
    m_ui.historyCombo->setEnabled(m_ui.historyCombo->count() > 0);
    m_ui.showHistoryButton->setEnabled(m_ui.historyCombo->currentIndex() >= 0);
    m_ui.saveResultsButton->setEnabled(m_ui.resultList->model()->rowCount() > 0);
    if (m_results) {
        const QString count = QString::fromStdString(formatCount(static_cast<uint64_t>(m_results->count())));
        // A search stopped at the maximum count says so beside the count once its progress window is gone.
        m_ui.resultCountLabel->setText(m_resultsCut ? CSearchDlg::tr("%1 件 打切り").arg(count)
                                                    : CSearchDlg::tr("%1 件").arg(count));
        m_ui.resultCountLabel->setToolTip(m_resultsCut ? CSearchDlg::tr("最大表示件数に達したため検索を打ち切りました")
                                                       : QString());
        m_ui.resultCountLabel->setAccessibleDescription(m_ui.resultCountLabel->toolTip());
    }
    m_ui.restoreConditionButton->setEnabled(isWearerSex(m_condition.sex));
}

SearchResultStore& ResultWorkspace::beginSearch(SearchCondition condition, std::unique_ptr<SearchResultStore> store)
{
    m_condition = std::move(condition);
    emptyResultViews();
    m_results = std::move(store);
    m_stored = false;
    updateButtons();
    return *m_results;
}

void ResultWorkspace::showSearchEnd(bool cut, bool offer)
{
    m_resultsCut = cut;
    showResultList();
    offerExplanation(offer && m_results && m_results->count() == 0);
}

void ResultWorkspace::discardResults()
{
    emptyResultViews();
    m_results.reset();
    updateButtons();
}

void ResultWorkspace::showLoaded(std::unique_ptr<SearchResultStore> results, const SearchCondition& condition,
                                 const std::string& title, const std::string& comment)
{
    m_results = std::move(results);
    m_condition = condition;
    m_ui.titleEdit->setText(toQString(title));
    m_ui.commentEdit->setText(toQString(comment));
    showResultList();
}

void ResultWorkspace::clearTitle()
{
    m_ui.resultCountLabel->clear();
    m_ui.titleEdit->clear();
    m_ui.commentEdit->clear();
}

void ResultWorkspace::emptyResultViews()
{
    m_resultsCut = false;
    offerExplanation(false);
    m_ui.resultList->showResults(nullptr);
    m_ui.setView->showSet(nullptr);
    m_ui.skillTotalsList->showSet(nullptr);
}

void ResultWorkspace::showResultList()
{
    m_ui.resultList->showResults(m_results.get());
    showFirstResult();
}

void ResultWorkspace::showFirstResult()
{
    // The set view and skill totals follow the selection: the first set is in view at once.
    CFindResultListCtrl* list = m_ui.resultList;
    if (list->model()->rowCount() > 0) {
        list->selectSingleRow(0);
        list->scrollToTop();
    }
    list->viewport()->update();
    onSelectionChanged();
}

void ResultWorkspace::onSelectionChanged()
{
    const EquipSet* set = selectedResult();
    m_ui.setView->showSet(set);
    m_ui.skillTotalsList->showSet(set);
    updateButtons();
}

void ResultWorkspace::setUpExplainButton()
{
    // Over the empty result list, where the player looks for the results; a
    // child of its viewport, so it moves with the list.
    m_explainButton = new QPushButton(CSearchDlg::tr("見つからない理由"), m_ui.resultList->viewport());
    m_explainButton->setProperty("controlId", 1248);
    m_explainButton->setAccessibleName(CSearchDlg::tr("見つからない理由"));
    m_explainButton->setAutoDefault(false);
    m_explainButton->adjustSize();
    m_explainButton->move(8, 8);
    m_explainButton->hide();
}

void ResultWorkspace::offerExplanation(bool offer)
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

void ResultWorkspace::onClip()
{
    if (const EquipSet* set = selectedResult())
        clipboardService().setText(buildClipText(*set, m_app.skills()));
}

void ResultWorkspace::onRestoreCondition()
{
    // The dialog shows a copy: a load finishing meanwhile cannot change it.
    const SearchCondition condition = m_condition;
    CFindConditionDispDlg confirm(condition, m_app.skills(), &m_window);
    if (runChildDialog(confirm) != QDialog::Accepted)
        return;
    const ConditionParts& parts = confirm.parts();
    std::vector<SkillPoint> wanted = m_form.wanted().skills();
    if (parts.basic) {
        m_form.showBasicCondition(condition);
        // The stored choices come back as they were, without the empty-list message.
        m_form.showSwitches(condition.useExcludedItems, condition.useExcludedSkills, condition.requireSParts);
    }
    if (parts.skills)
        wanted = condition.wanted;
    if (parts.fixed)
        m_form.fixed().replace(condition.fixed);
    const UserFolder& folder = m_app.userFolder();
    QWidget* parent = &m_window;
    // The lists the user agrees to store are written one after the other, off the UI thread.
    std::vector<ListFileWrite> writes;
    if (parts.excludedItems) {
        const bool same = m_app.exclusions().equals(condition.excludedItems);
        m_app.exclusions().copyFrom(condition.excludedItems);
        if (!same)
            offerListSave(parent, CSearchDlg::tr("除外アイテムデータを変更しました\nファイルに保存しますか？"),
                          m_app.saveExclusionsToFile(), [&] {
                              writes.push_back(
                                  {&m_app.exclusionsStamp(), [folder, list = m_app.exclusions()](ListFileStamp* s) {
                                       return saveExclusionList(folder, list, s);
                                   }});
                          });
    }
    if (parts.excludedSkills) {
        const bool same = m_app.excludedSkills().equals(condition.excludedSkills);
        m_app.excludedSkills().copyFrom(condition.excludedSkills);
        if (!same)
            offerListSave(parent, CSearchDlg::tr("除外スキルデータを変更しました\nファイルに保存しますか？"),
                          m_app.saveExcludedSkillsToFile(), [&] {
                              writes.push_back({&m_app.excludedSkillsStamp(),
                                                [folder, list = m_app.excludedSkills()](ListFileStamp* s) {
                                                    return saveExcludedSkills(folder, list, s);
                                                }});
                          });
    }
    if (parts.sParts) {
        const bool same = m_app.sParts().equals(condition.sParts);
        m_app.sParts().copyFrom(condition.sParts);
        if (!same)
            offerListSave(parent, CSearchDlg::tr("Ｓ防具データを変更しました\nファイルに保存しますか？"),
                          m_app.saveSPartsToFile(), [&] {
                              writes.push_back(
                                  {&m_app.sPartsStamp(), [folder, list = m_app.sParts()](ListFileStamp* s) {
                                       return saveSPartList(folder, list, s);
                                   }});
                          });
    }
    m_form.wanted().replace(wanted, -1);
    if (!writes.empty())
        saveListFilesInBackground(parent, std::move(writes));
}

} // namespace zeku
