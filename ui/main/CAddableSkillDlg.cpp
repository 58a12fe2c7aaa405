#include "ui/main/CAddableSkillDlg.h"

#include "ui/platform/WindowSupport.h"

#include "ui_CAddableSkillDlg.h"

#include <QItemSelectionModel>

#include <algorithm>

namespace zeku {

CAddableSkillDlg::CAddableSkillDlg(const MasterData& master, const SearchCondition& base, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CAddableSkillDlg>()),
      m_notices(this, [this](const Notice& notice) { onNotice(notice); })
{
    m_ui->setupUi(this);
    m_ui->list1241->setUp();
    giveAccessibleNames(this);
    m_finder = std::make_unique<CAddableFindThread>(master, base, m_notices);
    // At least 1: an empty range would show a busy bar instead of a finished one.
    m_ui->progress1242->setRange(0, std::max(1, static_cast<int>(m_finder->candidates().size())));
    m_ui->progress1242->setValue(0);
    connect(m_ui->button1243, &QPushButton::clicked, this, &CAddableSkillDlg::onAddToCondition);
    connect(m_ui->list1241, &QAbstractItemView::doubleClicked, this, &CAddableSkillDlg::onAddToCondition);
    connect(m_ui->button1244, &QPushButton::clicked, this, [this] { m_finder->requestCancel(); });
    connect(m_ui->button1245, &QPushButton::clicked, this, &CAddableSkillDlg::reject);
    connect(m_ui->list1241->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CAddableSkillDlg::updateButtons);
    showCount();
    updateButtons();
    m_finder->start();
}

// Closed through done(), the search has ended and its threads are joined;
// a window destroyed otherwise has the finder cancel and join them.
CAddableSkillDlg::~CAddableSkillDlg() = default;

void CAddableSkillDlg::done(int result)
{
    if (!m_running) {
        QDialog::done(result);
        return;
    }
    // A search still running is not wanted any more; it stops within moments
    // and its final notice closes the window.
    m_closeResult = result;
    m_finder->requestCancel();
}

void CAddableSkillDlg::onNotice(const Notice& notice)
{
    if (notice.kind != NoticeKind::Addable || !m_running)
        return;
    switch (notice.code) {
    case AddableFound:
        m_ui->list1241->addCandidate(&m_finder->candidates()[static_cast<std::size_t>(notice.param)]);
        ++m_found;
        [[fallthrough]];
    case AddableRejected:
        m_ui->progress1242->setValue(m_ui->progress1242->value() + 1);
        break;
    default:
        m_running = false;
        // The thread that posted the final notice has ended its work: the join is immediate.
        m_finder->wait();
        if (m_finder->outcome() == OutcomeCompleted)
            m_ui->progress1242->setValue(m_ui->progress1242->maximum());
        break;
    }
    showCount();
    updateButtons();
    if (!m_running && m_closeResult)
        QDialog::done(*m_closeResult);
}

void CAddableSkillDlg::showCount()
{
    QString text = QStringLiteral("%1 件").arg(m_found);
    if (m_running)
        text = QStringLiteral("検索中  ") + text;
    else if (m_finder->outcome() == OutcomeCancelled)
        text = QStringLiteral("中止しました  ") + text;
    else if (m_finder->outcome() == OutcomeOutOfMemory)
        text = QStringLiteral("メモリが不足しました  ") + text;
    m_ui->label1246->setText(text);
}

void CAddableSkillDlg::updateButtons()
{
    m_ui->button1244->setEnabled(m_running);
    m_ui->button1243->setEnabled(m_ui->list1241->selectedRow() >= 0);
}

void CAddableSkillDlg::onAddToCondition()
{
    const int row = m_ui->list1241->selectedRow();
    const auto& rows = m_ui->list1241->getDataArray();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return;
    const AddableCandidate& c = *rows[static_cast<std::size_t>(row)];
    Q_EMIT addRequested(SkillPoint{c.tree->id, c.points});
}

} // namespace zeku
