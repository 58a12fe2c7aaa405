#include "ui/dialogs/DialogSupport.h"

#include "report/FormatCount.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"

#include <QCoreApplication>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace zeku {

QWidget* findControl(const QWidget* root, int id)
{
    const QList<QWidget*> children = root->findChildren<QWidget*>();
    for (QWidget* w : children) {
        const QVariant v = w->property("controlId");
        if (v.isValid() && v.toInt() == id)
            return w;
    }
    return nullptr;
}

namespace {

QString withoutMnemonic(QString text)
{
    text.remove(QLatin1Char('&'));
    return text;
}

} // namespace

void keepEnterOnDefault(QWidget* root, QPushButton* defaultButton)
{
    for (QPushButton* button : root->findChildren<QPushButton*>())
        button->setAutoDefault(button == defaultButton);
    if (defaultButton)
        defaultButton->setDefault(true);
}

void giveListTheFreeHeight(QWidget* list)
{
    auto* grid = qobject_cast<QGridLayout*>(list->parentWidget()->layout());
    const int index = grid ? grid->indexOf(list) : -1;
    if (index < 0)
        return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    const int last = row + rowSpan - 1;
    for (int r = 0; r < grid->rowCount(); ++r)
        grid->setRowStretch(r, r == last ? 1 : 0);
    for (int i = 0; i < grid->count(); ++i) {
        int r = 0, c = 0, rs = 0, cs = 0;
        grid->getItemPosition(i, &r, &c, &rs, &cs);
        if (r == last && rs == 1)
            grid->itemAt(i)->setAlignment(Qt::AlignTop);
    }
    grid->invalidate();
}

void nameControlsForAssistiveTech(QWidget* root)
{
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (b->accessibleName().isEmpty() && !b->text().isEmpty())
            b->setAccessibleName(withoutMnemonic(b->text()));
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (buddy && !label->text().isEmpty())
            buddy->setAccessibleName(withoutMnemonic(label->text()));
    }
}

bool readStoredText(QWidget* parent, const QString& text, std::string& out)
{
    QString offending;
    if (fromQStringStrict(text, out, offending))
        return true;
    showMessage(parent, unrepresentableCharMessage(offending), MessageIcon::Warning);
    return false;
}

std::string filterTextOf(const QString& text)
{
    std::string out;
    QString offending;
    if (fromQStringStrict(text, out, offending))
        return out;
    // No name holds a NUL byte, so this text is found in none of them.
    return std::string(1, '\0');
}

QString partKanji(int part)
{
    static const char* const kParts[] = {
        QT_TRANSLATE_NOOP("zeku::DialogSupport", "頭"), QT_TRANSLATE_NOOP("zeku::DialogSupport", "胴"),
        QT_TRANSLATE_NOOP("zeku::DialogSupport", "腕"), QT_TRANSLATE_NOOP("zeku::DialogSupport", "腰"),
        QT_TRANSLATE_NOOP("zeku::DialogSupport", "脚")};
    return part >= 0 && part < 5 ? QCoreApplication::translate("zeku::DialogSupport", kParts[part]) : QString();
}

QString itemCountText(std::size_t shown, std::size_t all)
{
    return QCoreApplication::translate("zeku::DialogSupport", "アイテム数：%1 (全て：%2)")
        .arg(QString::fromStdString(formatCount(shown)), QString::fromStdString(formatCount(all)));
}

} // namespace zeku
