#include "ui/main/WindowSupport.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

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
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(40, 90, 160));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(size * 3 / 4);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("Z"));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

int runChildDialog(QDialog& dialog)
{
    if (runnerSlot())
        return runnerSlot()(dialog);
    return dialog.exec();
}

void setDialogRunner(DialogRunner runner)
{
    runnerSlot() = std::move(runner);
}

} // namespace zeku
