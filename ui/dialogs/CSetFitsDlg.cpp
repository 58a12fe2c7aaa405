#include "ui/dialogs/CSetFitsDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/lists/ListText.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CSetFitsDlg.h"

#include <QItemSelectionModel>
#include <QScreen>

#include <algorithm>

namespace zeku {

CSetFitsDlg::CSetFitsDlg(const MasterData& master, const SearchCondition& condition, const EquipSet& set,
                         QWidget* parent)
    : QDialog(parent), m_master(master), m_condition(condition), m_set(set), m_ui(std::make_unique<Ui::CSetFitsDlg>()),
      m_finder([](const Notice&) { return true; }, [this](const Notice& notice) { onNotice(notice); })
{
    m_ui->setupUi(this);
    m_ui->fitList->setUp([this](const AddableCandidate* row) {
        return m_jewelTexts[static_cast<std::size_t>(row - m_candidates.data())];
    });
    m_openingJewelWidth = m_ui->fitList->columnWidth(m_ui->fitList->model()->columnCount() - 1);
    keepEnterOnDefault(this, m_ui->addToConditionButton);
    giveAccessibleNames(this);
    connect(m_ui->addToConditionButton, &QPushButton::clicked, this, &CSetFitsDlg::onAddToCondition);
    connect(m_ui->fitList, &QAbstractItemView::doubleClicked, this, &CSetFitsDlg::onAddToCondition);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &CSetFitsDlg::reject);
    connect(m_ui->fitList->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CSetFitsDlg::updateButtons);
    // An answer again after "条件に追加" keeps the rows and the count shown until it arrives.
    m_ui->countLabel->setText(tr("検索中"));
    startAnswer();
    updateButtons();
}

void CSetFitsDlg::startAnswer()
{
    // The answer before has arrived, so its thread has ended: it goes at once.
    m_finder.reset(nullptr);
    m_finder.reset(std::make_unique<CSetFitsThread>(m_master, m_condition, m_set, m_finder.sink()));
    m_finder.start();
}

void CSetFitsDlg::done(int result)
{
    if (!m_finder.running()) {
        QDialog::done(result);
        return;
    }
    // The answer is not wanted any more; it stops within moments and its
    // final notice closes the window.
    m_closeResult = result;
    m_finder->requestCancel();
}

void CSetFitsDlg::onNotice(const Notice&)
{
    // The worker's one notice is its final one.
    if (m_closeResult) {
        QDialog::done(*m_closeResult);
        return;
    }
    fill(m_keepRow);
    m_keepRow = -1;
    if (!m_widened) {
        m_widened = true;
        widenForJewels();
    }
    updateButtons();
}

void CSetFitsDlg::fill(int row)
{
    // The rows point into m_candidates: they go before it changes.
    m_ui->fitList->clearRows();
    m_fits = m_finder->fits();
    m_candidates.clear();
    m_jewelTexts.clear();
    m_candidates.reserve(m_fits.size());
    for (const SetFit& fit : m_fits) {
        m_candidates.push_back(fit.candidate);
        // The weapon's jewels first, then head to leg, as a set is listed.
        std::vector<const Jewel*> placed;
        for (int holder : {kPartCount, 0, 1, 2, 3, 4})
            placed.insert(placed.end(), fit.jewels[holder].begin(), fit.jewels[holder].end());
        m_jewelTexts.push_back(jewelCounts(placed));
    }
    for (const AddableCandidate& candidate : m_candidates)
        m_ui->fitList->addCandidate(&candidate);
    const QString count = m_finder->outcome() == OutcomeOutOfMemory ? tr("メモリが不足しました  %1 件") : tr("%1 件");
    m_ui->countLabel->setText(count.arg(m_candidates.size()));
    // "装飾品" as wide as its longest text, never narrower than at the start.
    const int jewelColumn = m_ui->fitList->model()->columnCount() - 1;
    const int before = m_ui->fitList->columnWidth(jewelColumn);
    m_ui->fitList->resizeColumnToContents(jewelColumn);
    if (m_ui->fitList->columnWidth(jewelColumn) < before)
        m_ui->fitList->setColumnWidth(jewelColumn, before);
    // The same place stays selected, so that Enter goes on down the list.
    const int rows = m_ui->fitList->model()->rowCount();
    if (row >= 0 && rows > 0)
        m_ui->fitList->selectSingleRow(std::min(row, rows - 1));
}

void CSetFitsDlg::widenForJewels()
{
    const int jewelColumn = m_ui->fitList->model()->columnCount() - 1;
    const int wider = m_ui->fitList->columnWidth(jewelColumn) - m_openingJewelWidth;
    if (wider > 0)
        resize(std::min(width() + wider, screen()->availableGeometry().width()), height());
}

CSetFitsDlg::~CSetFitsDlg() = default;

void CSetFitsDlg::updateButtons()
{
    m_ui->addToConditionButton->setEnabled(m_ui->fitList->selectedRow() >= 0);
}

void CSetFitsDlg::onAddToCondition()
{
    const int row = m_ui->fitList->selectedRow();
    const auto& rows = m_ui->fitList->getDataArray();
    // One skill at a time: the next is chosen from the answer for the last.
    if (m_finder.running() || row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return;
    const AddableCandidate& c = *rows[static_cast<std::size_t>(row)];
    const SkillPoint skill{c.tree->id, c.points};
    Q_EMIT addRequested(skill);
    // Wanted from now on, as the main window adds it: a tree already wanted takes the new points.
    const auto wanted = std::find_if(m_condition.wanted.begin(), m_condition.wanted.end(),
                                     [&](const SkillPoint& w) { return w.treeId == skill.treeId; });
    if (wanted != m_condition.wanted.end())
        wanted->points = skill.points;
    else
        m_condition.wanted.push_back(skill);
    m_keepRow = row;
    startAnswer();
}

} // namespace zeku
