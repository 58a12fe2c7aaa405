#include "ui/main/CNoResultReasonDlg.h"

#include "ui/dialogs/DialogSupport.h"
#include "ui/platform/TextConvert.h"
#include "ui/platform/WindowSupport.h"

#include "ui_CNoResultReasonDlg.h"

#include <QHeaderView>

#include <algorithm>

namespace zeku {
namespace {

// The place whose fixed piece or jewels a change takes off: a part, or the weapon's slots.
QString holderWord(int32_t holder)
{
    return holder == EquipPosition::Weapon ? CNoResultReasonDlg::tr("武器スロット") : partKanji(holder);
}

QString signedPoints(int32_t points)
{
    return points > 0 ? QStringLiteral("+%1").arg(points) : QString::number(points);
}

QString treeWord(uint16_t treeId, const SkillCatalogue& skills)
{
    const std::string* name = skills.treeName(treeId);
    return name ? toQString(*name) : QString::number(treeId);
}

} // namespace

QString changeText(const ConditionChange& change, const SkillCatalogue& skills)
{
    switch (change.kind) {
    case ChangeKind::Drop:
        return CNoResultReasonDlg::tr("%1 を外す").arg(treeWord(change.treeId, skills));
    case ChangeKind::Lower:
        // Towards 0: a bad skill's points are raised, a good skill's lowered.
        return (change.points < 0 ? CNoResultReasonDlg::tr("%1 を %2 から %3 に緩める")
                                  : CNoResultReasonDlg::tr("%1 を %2 から %3 に下げる"))
            .arg(treeWord(change.treeId, skills), signedPoints(change.wantedPoints), signedPoints(change.points));
    case ChangeKind::SwitchOff:
        if (change.which == ConditionSwitch::ExcludedItems)
            return CNoResultReasonDlg::tr("除外アイテムを使わない");
        if (change.which == ConditionSwitch::ExcludedSkills)
            return CNoResultReasonDlg::tr("除外スキルを使わない");
        return CNoResultReasonDlg::tr("Ｓ防具を必須にしない");
    case ChangeKind::MinDefence:
        return CNoResultReasonDlg::tr("最低防御値を 0 にする");
    case ChangeKind::Rarity:
        return CNoResultReasonDlg::tr("レアを「全て」にする");
    case ChangeKind::JewelsOn:
        return CNoResultReasonDlg::tr("装飾品を使う");
    case ChangeKind::ExactJewelsOn:
        return CNoResultReasonDlg::tr("装飾品を全組合せで判定する");
    case ChangeKind::UnfixPiece:
        return CNoResultReasonDlg::tr("%1の固定を外す").arg(holderWord(change.holder));
    case ChangeKind::UnfixJewels:
        return CNoResultReasonDlg::tr("%1の固定装飾品を外す").arg(holderWord(change.holder));
    }
    return QString();
}

CNoResultReasonDlg::CNoResultReasonDlg(const MasterData& master, const SearchCondition& condition, QWidget* parent)
    : QDialog(parent), m_skills(master.skills()), m_ui(std::make_unique<Ui::CNoResultReasonDlg>()),
      m_explainer(
          [](const Notice& notice) { return notice.code != ExplainFindsSets && notice.code != ExplainFindsNone; },
          [this](const Notice& notice) { onNotice(notice); })
{
    m_ui->setupUi(this);
    giveAccessibleNames(this);
    m_explainer.reset(std::make_unique<CNoResultExplainThread>(master, condition, m_explainer.sink()));
    m_ui->progressBar->setRange(0, static_cast<int>(m_explainer->total()));
    m_ui->progressBar->setValue(0);
    fillReaches();
    connect(m_ui->applyButton, &QPushButton::clicked, this, &CNoResultReasonDlg::onApply);
    connect(m_ui->changeList, &QListWidget::itemDoubleClicked, this, &CNoResultReasonDlg::onApply);
    connect(m_ui->stopButton, &QPushButton::clicked, this, [this] { m_explainer->requestCancel(); });
    connect(m_ui->closeButton, &QPushButton::clicked, this, &CNoResultReasonDlg::reject);
    connect(m_ui->changeList, &QListWidget::currentRowChanged, this, &CNoResultReasonDlg::updateButtons);
    showStatus();
    updateButtons();
    m_explainer.start();
}

// Closed through done(), the explanation has ended; a window destroyed
// while it runs leaves it to stop on its own (WindowWorker.h).
CNoResultReasonDlg::~CNoResultReasonDlg() = default;

void CNoResultReasonDlg::done(int result)
{
    if (!m_running) {
        QDialog::done(result);
        return;
    }
    // An explanation still running is not wanted any more; it stops within
    // moments and its final notice closes the window.
    m_closeResult = result;
    m_explainer->requestCancel();
}

void CNoResultReasonDlg::fillReaches()
{
    QTableWidget* table = m_ui->reachTable;
    table->setColumnCount(4);
    table->setHorizontalHeaderLabels({tr("スキル系統"), tr("必要"), tr("最大"), tr("不足")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    const std::vector<SkillReach>& reaches = m_explainer->reaches();
    table->setRowCount(static_cast<int>(reaches.size()));
    for (std::size_t i = 0; i < reaches.size(); ++i) {
        const SkillReach& r = reaches[i];
        const int row = static_cast<int>(i);
        table->setItem(row, 0, new QTableWidgetItem(treeWord(r.treeId, m_skills)));
        for (const auto& [column, value] : {std::pair{1, int32_t{r.wanted}}, std::pair{2, r.reach}}) {
            auto* item = new QTableWidgetItem(signedPoints(value));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
        // The shortfall mark is a mark, the same in every language.
        auto* mark = new QTableWidgetItem(r.met ? QString() : QString(QChar(0x00D7)));
        mark->setTextAlignment(Qt::AlignCenter);
        if (!r.met)
            mark->setForeground(QColor(255, 0, 0));
        table->setItem(row, 3, mark);
    }
}

void CNoResultReasonDlg::onNotice(const Notice& notice)
{
    if (notice.kind != NoticeKind::Explain || !m_running)
        return;
    if (notice.code == ExplainFindsSets || notice.code == ExplainFindsNone) {
        m_ui->progressBar->setValue(m_ui->progressBar->value() + 1);
        if (notice.code == ExplainFindsSets && notice.param > 0) {
            // Rows stay in the order the changes are tried, whatever order they are found in.
            const std::size_t index = static_cast<std::size_t>(notice.param) - 1;
            const auto at = std::lower_bound(m_listedIndex.begin(), m_listedIndex.end(), index);
            const auto row = at - m_listedIndex.begin();
            m_listedIndex.insert(at, index);
            m_listed.insert(m_listed.begin() + row, m_explainer->changes()[index]);
            m_ui->changeList->insertItem(static_cast<int>(row), changeText(m_explainer->changes()[index], m_skills));
        }
    } else {
        m_running = false;
        // The final answer replaces what was shown on the way.
        showChanges(m_explainer->answer());
        const ExplainOutcome outcome = m_explainer->outcome();
        if (outcome == ExplainOutcome::Finished || outcome == ExplainOutcome::HasResults)
            m_ui->progressBar->setValue(m_ui->progressBar->maximum());
    }
    showStatus();
    updateButtons();
    if (!m_running && m_closeResult)
        QDialog::done(*m_closeResult);
}

void CNoResultReasonDlg::showChanges(const std::vector<ConditionChange>& changes)
{
    m_listed = changes;
    m_listedIndex.clear();
    m_ui->changeList->clear();
    for (const ConditionChange& change : changes)
        m_ui->changeList->addItem(changeText(change, m_skills));
    if (!changes.empty())
        m_ui->changeList->setCurrentRow(0);
    else if (m_explainer->outcome() == ExplainOutcome::Finished)
        addNoChangeNote();
}

void CNoResultReasonDlg::addNoChangeNote()
{
    // A sentence in the list, where the changes would be; it cannot be chosen.
    const std::vector<SkillReach>& reaches = m_explainer->reaches();
    const bool eachReachable =
        !reaches.empty() && std::all_of(reaches.begin(), reaches.end(), [](const SkillReach& r) { return r.met; });
    auto* note = new QListWidgetItem(
        eachReachable ? tr("どのスキルも単独なら必要ポイントに届きますが、全てを同時には満たせません")
                      : tr("一つの変更で見つかる変え方はありません"));
    note->setFlags(Qt::ItemIsEnabled); // read as any row, never selected
    m_ui->changeList->addItem(note);
}

void CNoResultReasonDlg::showStatus()
{
    // Changes are counted as ways ("通り"), not as sets ("件").
    const int found = static_cast<int>(m_listed.size());
    QString text;
    if (m_running)
        text = tr("検索中  %1 通り").arg(found);
    else if (m_explainer->outcome() == ExplainOutcome::HasResults)
        text = tr("この条件で装備が見つかります");
    else if (m_explainer->outcome() == ExplainOutcome::Cancelled)
        text = tr("中止しました  %1 通り").arg(found);
    else if (m_explainer->outcome() == ExplainOutcome::OutOfMemory)
        text = tr("メモリが不足しました  %1 通り").arg(found);
    else if (found == 0)
        text = tr("条件を一つ変えるだけで見つかる変え方はありません");
    else
        text = tr("条件を一つ変えると見つかります  %1 通り").arg(found);
    m_ui->statusLabel->setText(text);
}

void CNoResultReasonDlg::updateButtons()
{
    m_ui->stopButton->setEnabled(m_running);
    const int row = m_ui->changeList->currentRow();
    m_ui->applyButton->setEnabled(row >= 0 && static_cast<std::size_t>(row) < m_listed.size());
}

void CNoResultReasonDlg::onApply()
{
    const int row = m_ui->changeList->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_listed.size())
        return;
    const ConditionChange change = m_listed[static_cast<std::size_t>(row)];
    Q_EMIT applyRequested(change);
    accept();
}

} // namespace zeku
