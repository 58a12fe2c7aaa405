#include "ui/platform/WindowSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>

namespace zeku {

namespace {

QString withoutMnemonic(QString text)
{
    text.remove(QLatin1Char('&'));
    return text;
}

DialogRunner& runnerSlot()
{
    static DialogRunner runner;
    return runner;
}

} // namespace

void giveAccessibleNames(QWidget* root)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && buddy->accessibleName().isEmpty() && !label->text().isEmpty())
            buddy->setAccessibleName(withoutMnemonic(label->text()));
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>())
        if (button->accessibleName().isEmpty() && !button->text().isEmpty())
            button->setAccessibleName(withoutMnemonic(button->text()));
    for (QGroupBox* group : root->findChildren<QGroupBox*>())
        if (group->accessibleName().isEmpty())
            group->setAccessibleName(withoutMnemonic(group->title()));
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : kApplicationIconSizes)
        icon.addFile(QStringLiteral(":/icons/zeku-%1.png").arg(size), QSize(size, size));
    return icon;
}

int runChildDialog(QDialog& dialog)
{
    if (runnerSlot())
        return runnerSlot()(dialog);
    return dialog.exec();
}

int runOwnWindowOver(QWidget& owner, QDialog& dialog, QWidget* fallbackFocus)
{
    const QPointer<QWidget> focused = owner.focusWidget();
    owner.setEnabled(false);
    const int result = runChildDialog(dialog);
    owner.setEnabled(true);
    QWidget* next = focused && focused->isVisible() && focused->isEnabled() ? focused.data() : fallbackFocus;
    if (next && next->isVisible() && next->isEnabled())
        next->setFocus();
    return result;
}

void setDialogRunner(DialogRunner runner)
{
    runnerSlot() = std::move(runner);
}

} // namespace zeku
