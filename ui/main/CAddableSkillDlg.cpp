#include "ui/main/CAddableSkillDlg.h"

#include "ui/platform/TextConvert.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CAddableSkillDlg.h"

#include <QItemSelectionModel>
#include <QResizeEvent>

#include <algorithm>

namespace zeku {

namespace {

// "基本条件：" and the wanted skills, "攻撃+10　防御+10": the skill names are
// data, parted by an ideographic space in every language.
QString baseConditionText(const MasterData& master, const SearchCondition& base)
{
    QStringList skills;
    for (const SkillPoint& skill : base.wanted) {
        const std::string* name = master.skills().treeName(skill.treeId);
        skills << (name ? toQString(*name) : QString::number(skill.treeId)) +
                      QString::asprintf("%+d", static_cast<int>(skill.points));
    }
    return CAddableSkillDlg::tr("基本条件：") + skills.join(QChar(0x3000));
}

} // namespace

CAddableSkillDlg::CAddableSkillDlg(const MasterData& master, const SearchCondition& base, QWidget* parent)
    : QDialog(parent), m_master(master), m_ui(std::make_unique<Ui::CAddableSkillDlg>()),
      m_finder([](const Notice& notice) { return notice.code != AddableFound && notice.code != AddableRejected; },
               [this](const Notice& notice) { onNotice(notice); })
{
    m_ui->setupUi(this);
    m_ui->addableList->setUp();
    giveAccessibleNames(this);
    setMinimumSize(size());
    // The list takes what the window grows; the buttons follow its edges.
    m_anchoring.recordWindow(this);
    m_anchoring.add(m_ui->baseCondition, {.stretchWide = true});
    m_anchoring.add(m_ui->countLabel, {.stretchWide = true});
    m_anchoring.add(m_ui->progressBar, {.stretchWide = true});
    m_anchoring.add(m_ui->stopButton, {.moveRight = true});
    m_anchoring.add(m_ui->addableList, {.stretchWide = true, .stretchTall = true});
    m_anchoring.add(m_ui->addToConditionButton, {.moveDown = true});
    m_anchoring.add(m_ui->closeButton, {.moveRight = true, .moveDown = true});
    m_layoutRecorded = true;
    connect(m_ui->addToConditionButton, &QPushButton::clicked, this, &CAddableSkillDlg::onAddToCondition);
    connect(m_ui->addableList, &QAbstractItemView::doubleClicked, this, &CAddableSkillDlg::onAddToCondition);
    connect(m_ui->stopButton, &QPushButton::clicked, this, &CAddableSkillDlg::onStop);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &CAddableSkillDlg::reject);
    connect(m_ui->addableList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CAddableSkillDlg::updateButtons);
    start(base);
}

void CAddableSkillDlg::start(const SearchCondition& base)
{
    // The rows point into the old finder's candidates: they go before it does.
    // The old finder has posted its final notice: deleting it is immediate.
    m_ui->addableList->clearRows();
    m_finder.reset(nullptr);
    m_finder.reset(std::make_unique<CAddableFindThread>(m_master, base, m_finder.sink()));
    m_ui->baseCondition->setText(baseConditionText(m_master, base));
    // At least 1: an empty range would show a busy bar instead of a finished one.
    m_ui->progressBar->setRange(0, std::max(1, static_cast<int>(m_finder->candidates().size())));
    m_ui->progressBar->setValue(0);
    m_found = 0;
    m_running = true;
    m_stopping = false;
    showCount();
    updateButtons();
    m_finder.start();
}

void CAddableSkillDlg::restart(const SearchCondition& base)
{
    m_keepRow = m_ui->addableList->selectedRow();
    if (!m_running) {
        start(base);
        return;
    }
    // The running search's final notice starts the next one.
    m_nextBase = base;
    m_finder->requestCancel();
}

void CAddableSkillDlg::onStop()
{
    m_finder->requestCancel();
    // Shown at once: the search ends at its next check.
    m_stopping = true;
    showCount();
    updateButtons();
}

void CAddableSkillDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_layoutRecorded)
        m_anchoring.apply(size());
}

// Closed through done(), the search has ended; a window destroyed while it
// runs leaves it to stop on its own (WindowWorker.h).
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
    const bool final = notice.code != AddableFound && notice.code != AddableRejected;
    if (m_nextBase) {
        // The old search's rows are not wanted; its final notice starts the new one.
        if (final && !m_closeResult) {
            const SearchCondition base = *m_nextBase;
            m_nextBase.reset();
            start(base);
            return;
        }
        if (!final)
            return;
        m_nextBase.reset();
    }
    switch (notice.code) {
    case AddableFound:
        m_ui->addableList->addCandidate(&m_finder->candidates()[static_cast<std::size_t>(notice.param)]);
        ++m_found;
        if (m_keepRow >= 0 && m_ui->addableList->selectedRow() < 0 &&
            m_ui->addableList->model()->rowCount() > m_keepRow) {
            m_ui->addableList->selectSingleRow(m_keepRow);
            m_keepRow = -1;
        }
        [[fallthrough]];
    case AddableRejected:
        m_ui->progressBar->setValue(m_ui->progressBar->value() + 1);
        break;
    default:
        m_running = false;
        if (m_finder->outcome() == OutcomeCompleted)
            m_ui->progressBar->setValue(m_ui->progressBar->maximum());
        break;
    }
    showCount();
    updateButtons();
    if (!m_running && m_closeResult)
        QDialog::done(*m_closeResult);
}

void CAddableSkillDlg::showCount()
{
    // Whole lines, so that a translation can put the count where its language wants it.
    QString text;
    if (m_running && m_stopping)
        text = tr("中止しています  %1 件");
    else if (m_running)
        text = tr("検索中  %1 件");
    else if (m_finder->outcome() == OutcomeCancelled)
        text = tr("中止しました  %1 件");
    else if (m_finder->outcome() == OutcomeOutOfMemory)
        text = tr("メモリが不足しました  %1 件");
    else
        text = tr("%1 件");
    m_ui->countLabel->setText(text.arg(m_found));
}

void CAddableSkillDlg::updateButtons()
{
    m_ui->stopButton->setEnabled(m_running && !m_stopping);
    m_ui->addToConditionButton->setEnabled(m_ui->addableList->selectedRow() >= 0);
}

void CAddableSkillDlg::onAddToCondition()
{
    const int row = m_ui->addableList->selectedRow();
    const auto& rows = m_ui->addableList->getDataArray();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size())
        return;
    const AddableCandidate& c = *rows[static_cast<std::size_t>(row)];
    Q_EMIT addRequested(SkillPoint{c.tree->id, c.points});
}

} // namespace zeku
