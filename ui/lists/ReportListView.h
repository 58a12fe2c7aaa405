#pragma once
// The report-style list view every list of the program is built on: one row
// per entry, whole-row selection, no grid, fixed row height (so that a view
// over a million rows lays out at once), and the right-click menu 139 with
// its two quick registration commands, plus the commands a window adds for
// every row.

#include "ui/lists/QuickRegistration.h"

#include <QList>
#include <QTableView>

#include <vector>

class QAction;

namespace zeku {

class ReportItemDelegate;

class ReportListView : public QTableView {
    Q_OBJECT
public:
    explicit ReportListView(QWidget* parent = nullptr);

    // Allows several selected rows (one by default).
    void setMultiSelection(bool on);
    // Highlights the whole selected row (default) or only its first cell.
    void setFullRowSelect(bool on);
    bool fullRowSelect() const;

    // Selected rows in increasing order.
    std::vector<int> selectedRowNumbers() const;
    // The first selected row, or -1.
    int selectedRow() const;
    // Selects `row` alone, makes it current and scrolls it into view; -1 clears.
    void selectSingleRow(int row);
    // The height that shows `rows` rows with the header, the frame and, when
    // the columns are wider than the list, the side scroll bar.
    int heightForRows(int rows) const;

    // Menu 139 for a click on `row`: false when it does not open there. An
    // entry is enabled only when the list allows it for the row and someone
    // listens for its command.
    bool quickMenuFor(int row, QuickMenu& menu) const;

    // Adds `action` to the right-click menu of every row, below the entries
    // of menu 139 when they are shown; the window reacts to its trigger and
    // asks menuRow() which row the menu opened on.
    void addRowMenuAction(QAction* action);
    const QList<QAction*>& rowMenuActions() const { return m_rowActions; }
    // The row the right-click menu last opened on, or -1.
    int menuRow() const { return m_menuRow; }

    // Menu entry texts.
    static QString excludeCommandText();
    static QString sPartCommandText();

Q_SIGNALS:
    // "除外登録" chosen on a row.
    void quickExcludeRequested(const zeku::QuickRegistration& registration);
    // "Ｓ防具登録" chosen on a row.
    void quickSPartRequested(const zeku::QuickRegistration& registration);

protected:
    // The list's own rules for menu 139 on `row`; by default it never opens.
    virtual bool quickMenuRules(int row, QuickMenu& menu) const;

    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    ReportItemDelegate* m_delegate;
    QList<QAction*> m_rowActions;
    int m_menuRow = -1;
};

} // namespace zeku
