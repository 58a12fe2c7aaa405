#pragma once
// Driving the editing dialogs in tests: controls by their resource id, clicks,
// list selection and check boxes, and answering a dialog that runs modally.

#include "platform/FolderLock.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/lists/ReportListView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QItemSelectionModel>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <vector>

namespace zeku::test {

// The control with `id`; fails the test when the dialog has none of that type.
template <typename T>
T* ctl(const QWidget* dialog, int id)
{
    T* w = zeku::control<T>(dialog, id);
    if (!w)
        qFatal("no control %d of the expected type", id);
    return w;
}

inline void click(const QWidget* dialog, int id)
{
    QAbstractButton* b = ctl<QAbstractButton>(dialog, id);
    QVERIFY2(b->isEnabled(), qPrintable(QStringLiteral("control %1 is disabled").arg(id)));
    b->click();
}

// Selects exactly `rows` of a list view, as the user would with Ctrl-clicks.
inline void selectRows(QAbstractItemView* view, const std::vector<int>& rows)
{
    view->selectionModel()->clearSelection();
    for (int r : rows)
        view->selectionModel()->select(view->model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Sets the check box of `row` as the user's click would.
inline void setRowChecked(QAbstractItemView* view, int row, bool checked)
{
    view->model()->setData(view->model()->index(row, 0), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

inline bool rowChecked(const QAbstractItemView* view, int row)
{
    return view->model()->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

// Runs `act` on the next modal dialog once it is shown (gives up after a while).
inline void whenModal(std::function<void(QWidget*)> act, int tries = 500)
{
    QTimer::singleShot(tries == 500 ? 0 : 2, [act = std::move(act), tries] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) {
            if (tries > 0)
                whenModal(act, tries - 1);
            return;
        }
        act(w);
    });
}

// Starts another process that holds the lock of `folder` as a save from
// elsewhere would, until its input is closed or 8 s have passed; true once
// it holds the lock.
inline bool holdFolderLock(QProcess& holder, const std::filesystem::path& folder)
{
    holder.start(QStringLiteral("flock"), {QString::fromStdString((folder / kFolderLockName).string()),
                                           QStringLiteral("timeout"), QStringLiteral("8"), QStringLiteral("sh"),
                                           QStringLiteral("-c"), QStringLiteral("echo held; read line")});
    return holder.waitForReadyRead(5000);
}

} // namespace zeku::test
