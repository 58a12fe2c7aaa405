#include "ui/dialogs/CSetFitsDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/lists/ListText.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CSetFitsDlg.h"

#include <QItemSelectionModel>

namespace zeku {

CSetFitsDlg::CSetFitsDlg(const MasterData& master, const SearchCondition& condition, const EquipSet& set,
                         QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CSetFitsDlg>()),
      m_fits(fittingCandidates(condition, set, master))
{
    m_ui->setupUi(this);
    m_candidates.reserve(m_fits.size());
    for (const SetFit& fit : m_fits) {
        m_candidates.push_back(fit.candidate);
        // The weapon's jewels first, then head to leg, as a set is listed.
        std::vector<const Jewel*> placed;
        for (int holder : {kPartCount, 0, 1, 2, 3, 4})
            placed.insert(placed.end(), fit.jewels[holder].begin(), fit.jewels[holder].end());
        m_jewelTexts.push_back(jewelNames(placed));
    }
    m_ui->list1271->setUp([this](const AddableCandidate* row) {
        return m_jewelTexts[static_cast<std::size_t>(row - m_candidates.data())];
    });
    for (const AddableCandidate& candidate : m_candidates)
        m_ui->list1271->addCandidate(&candidate);
    m_ui->label1274->setText(tr("%1 件").arg(m_candidates.size()));
    keepEnterOnDefault(this, m_ui->button1272);
    giveAccessibleNames(this);
    connect(m_ui->button1272, &QPushButton::clicked, this, &CSetFitsDlg::onAddToCondition);
    connect(m_ui->list1271, &QAbstractItemView::doubleClicked, this, &CSetFitsDlg::onAddToCondition);
    connect(m_ui->button1273, &QPushButton::clicked, this, &CSetFitsDlg::reject);
    connect(m_ui->list1271->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSetFitsDlg::updateButtons);
    updateButtons();
}

CSetFitsDlg::~CSetFitsDlg() = default;

void CSetFitsDlg::updateButtons()
{
    m_ui->button1272->setEnabled(m_ui->list1271->selectedRow() >= 0);
}

void CSetFitsDlg::onAddToCondition()
{
    const int row = m_ui->list1271->selectedRow();
    const auto& rows = m_ui->list1271->getDataArray();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return;
    const AddableCandidate& c = *rows[static_cast<std::size_t>(row)];
    Q_EMIT addRequested(SkillPoint{c.tree->id, c.points});
}

} // namespace zeku
