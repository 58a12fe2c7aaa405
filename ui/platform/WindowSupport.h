#pragma once
// What every window shares: finding a control by the resource
// id it carries as the dynamic property "controlId", naming controls for
// assistive technology, and running child dialogs through one replaceable hook.

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QVariant>
#include <QWidget>

#include <functional>

namespace zeku {

// The child of `root` whose "controlId" is `id`, cast to T; nullptr when none.
template <typename T = QWidget>
T* controlById(const QWidget* root, int id)
{
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* child : children) {
        const QVariant value = child->property("controlId");
        if (value.isValid() && value.toInt() == id)
            return qobject_cast<T*>(child);
    }
    return nullptr;
}

// Gives each control of `root` without an accessible name one: buttons and
// check boxes their caption, a field the text of the label whose buddy it is,
// a group's children keep their own. Mnemonic ampersands are dropped.
void giveAccessibleNames(QWidget* root);

// The program's icon, the sizes the desktop installs (app/icons), built into
// the program: windows show it in their frame and the version window beside
// the title.
inline constexpr int kApplicationIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
QIcon applicationIcon();

// Runs a child dialog modally and returns its result. Windows call every
// child dialog through this, so that tests can fill in and end the dialog
// instead of a person.
using DialogRunner = std::function<int(QDialog&)>;

// The runner in force: QDialog::exec() unless a test installed another.
int runChildDialog(QDialog& dialog);
// Installs `runner` (an empty function restores exec()). UI thread only.
void setDialogRunner(DialogRunner runner);

// Runs `dialog`, a window of its own, with `owner` disabled meanwhile, and
// then gives the focus back to the control of `owner` that had it, or to
// `fallbackFocus` when that one is gone, hidden or disabled by then. Disabling
// a window clears its focus, and the window would otherwise hand the focus to
// its first control when it is active again.
int runOwnWindowOver(QWidget& owner, QDialog& dialog, QWidget* fallbackFocus);

} // namespace zeku
