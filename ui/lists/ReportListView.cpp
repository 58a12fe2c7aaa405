#include "ui/lists/ReportListView.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMetaMethod>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace zeku {

// Draws the selection over the first cell only when full-row select is off,
// as a report list without that style does.
class ReportItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool fullRow = true;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!fullRow && index.column() > 0)
            option->state &= ~QStyle::State_Selected;
    }
};

ReportListView::ReportListView(QWidget* parent) : QTableView(parent), m_delegate(new ReportItemDelegate(this))
{
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setSortingEnabled(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    // Narrow columns (a check box alone) keep the width they are given.
    horizontalHeader()->setMinimumSectionSize(8);
}

void ReportListView::setMultiSelection(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void ReportListView::setFullRowSelect(bool on)
{
    m_delegate->fullRow = on;
    viewport()->update();
}

bool ReportListView::fullRowSelect() const
{
    return m_delegate->fullRow;
}

std::vector<int> ReportListView::selectedRowNumbers() const
{
    std::vector<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ReportListView::selectedRow() const
{
    const std::vector<int> rows = selectedRowNumbers();
    return rows.empty() ? -1 : rows.front();
}

int ReportListView::heightForRows(int rows) const
{
    int columns = 0;
    for (int c = 0; model() && c < model()->columnCount(); ++c)
        columns += columnWidth(c);
    const int frame = 2 * frameWidth();
    const bool scrollsSideways = columns > width() - frame;
    const int scrollBar = scrollsSideways ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    return frame + horizontalHeader()->sizeHint().height() + rows * verticalHeader()->defaultSectionSize() + scrollBar;
}

void ReportListView::selectSingleRow(int row)
{
    if (!selectionModel())
        return;
    if (row < 0 || !model() || row >= model()->rowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

bool ReportListView::quickMenuFor(int row, QuickMenu& menu) const
{
    menu = QuickMenu{};
    if (!model() || row < 0 || row >= model()->rowCount() || !quickMenuRules(row, menu))
        return false;
    menu.excludeEnabled =
        menu.excludeEnabled && isSignalConnected(QMetaMethod::fromSignal(&ReportListView::quickExcludeRequested));
    menu.sPartEnabled =
        menu.sPartEnabled && isSignalConnected(QMetaMethod::fromSignal(&ReportListView::quickSPartRequested));
    return true;
}

QString ReportListView::excludeCommandText()
{
    return QCoreApplication::translate("zeku::ReportListView", "除外登録");
}

QString ReportListView::sPartCommandText()
{
    return QCoreApplication::translate("zeku::ReportListView", "Ｓ防具登録");
}

bool ReportListView::quickMenuRules(int, QuickMenu&) const
{
    return false;
}

void ReportListView::addRowMenuAction(QAction* action)
{
    m_rowActions.append(action);
}

void ReportListView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid())
        return;
    QuickMenu state;
    const bool quick = quickMenuFor(index.row(), state);
    if (!quick && m_rowActions.isEmpty())
        return;
    m_menuRow = index.row();
    QMenu menu(this);
    QAction* exclude = nullptr;
    QAction* sPart = nullptr;
    if (quick) {
        exclude = menu.addAction(excludeCommandText());
        sPart = menu.addAction(sPartCommandText());
        exclude->setEnabled(state.excludeEnabled);
        sPart->setEnabled(state.sPartEnabled);
        if (!m_rowActions.isEmpty())
            menu.addSeparator();
    }
    menu.addActions(m_rowActions);
    QAction* chosen = menu.exec(event->globalPos());
    if (!quick || !chosen)
        return;
    if (chosen == exclude)
        Q_EMIT quickExcludeRequested(state.registration);
    else if (chosen == sPart && state.registration.piece)
        Q_EMIT quickSPartRequested(state.registration); // only a piece can be an S part
}

} // namespace zeku
