#include "tools/WindowTexts.h"

#include "data/MasterData.h"
#include "ui/platform/TextConvert.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>
#include <QWidget>

#include <algorithm>

namespace zeku {

bool isJapanese(char32_t c)
{
    return (c >= 0x3001 && c <= 0x30FF) || (c >= 0x31F0 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF01 && c <= 0xFF9F);
}

bool hasJapanese(const QString& text)
{
    const QList<uint> code = text.toUcs4();
    return std::any_of(code.begin(), code.end(), [](uint c) { return isJapanese(c); });
}

QString japaneseCharacters(const QString& text)
{
    QString found;
    for (uint c : text.toUcs4()) {
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        if (isJapanese(c) && !found.contains(one))
            found += one;
    }
    return found;
}

DataNames::DataNames(const MasterData& master)
{
    const auto add = [this](const std::string& cp932) {
        const QString name = toQString(cp932);
        // A one-letter name would take that letter out of every caption.
        if (name.size() > 1)
            m_names.push_back(name);
    };
    for (const SkillTree& tree : master.skills().trees()) {
        add(tree.name);
        for (const SkillActivation& skill : tree.activations)
            add(skill.name);
    }
    for (int part = 0; part < kPartCount; ++part)
        for (const EquipItem& piece : master.equip(part).items())
            add(piece.name);
    for (const Jewel& jewel : master.jewels().items())
        add(jewel.name);
    std::sort(m_names.begin(), m_names.end(),
              [](const QString& a, const QString& b) { return a.size() != b.size() ? a.size() > b.size() : a < b; });
    m_names.erase(std::unique(m_names.begin(), m_names.end()), m_names.end());
}

bool DataNames::containsName(const QString& text) const
{
    return std::any_of(m_names.begin(), m_names.end(), [&](const QString& name) { return text.contains(name); });
}

QString DataNames::withoutNames(const QString& text) const
{
    QString left = text;
    for (const QString& name : m_names)
        if (left.contains(name))
            left.replace(name, QStringLiteral(" "));
    return left;
}

namespace {

QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"));
}

// The object names from `window` (excluded) down to `w`.
QString pathOf(const QWidget& window, const QObject* w)
{
    QStringList names;
    for (const QObject* o = w; o && o != &window; o = o->parent())
        names.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName());
    return names.isEmpty() ? QStringLiteral(".") : names.join(QLatin1Char('/'));
}

// The texts of one widget (not its children), as KIND, TEXT pairs.
QList<QPair<QString, QString>> ownTexts(const QWidget& w, bool isWindow, const DataNames& names)
{
    QList<QPair<QString, QString>> texts;
    const auto add = [&texts](const QString& kind, const QString& text) {
        if (!text.isEmpty())
            texts.append({kind, text});
    };
    if (isWindow)
        add(QStringLiteral("title"), w.windowTitle());
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        add(QStringLiteral("text"), button->text());
    if (auto* label = qobject_cast<const QLabel*>(&w))
        add(QStringLiteral("text"), label->text());
    if (auto* group = qobject_cast<const QGroupBox*>(&w))
        add(QStringLiteral("title"), group->title());
    if (auto* edit = qobject_cast<const QLineEdit*>(&w)) {
        add(QStringLiteral("text"), edit->text());
        add(QStringLiteral("placeholder"), edit->placeholderText());
    }
    if (auto* edit = qobject_cast<const QPlainTextEdit*>(&w))
        add(QStringLiteral("text"), edit->toPlainText());
    if (auto* edit = qobject_cast<const QTextEdit*>(&w))
        add(QStringLiteral("text"), edit->toPlainText());
    if (auto* combo = qobject_cast<const QComboBox*>(&w))
        for (int i = 0; i < combo->count(); ++i)
            if (!names.containsName(combo->itemText(i)))
                add(QStringLiteral("item %1").arg(i), combo->itemText(i));
    if (auto* tabs = qobject_cast<const QTabBar*>(&w))
        for (int i = 0; i < tabs->count(); ++i)
            add(QStringLiteral("tab %1").arg(i), tabs->tabText(i));
    // The rows of a list widget are sentences the program writes around data
    // names (the changes "why nothing fits" offers), not data cells.
    if (auto* list = qobject_cast<const QListWidget*>(&w))
        for (int i = 0; i < list->count(); ++i)
            add(QStringLiteral("row %1").arg(i), list->item(i)->text());
    // Column headers of tables and trees; the cells are data.
    if (qobject_cast<const QTableView*>(&w) || qobject_cast<const QTreeView*>(&w)) {
        const QAbstractItemModel* model = static_cast<const QAbstractItemView&>(w).model();
        for (int c = 0; model && c < model->columnCount(); ++c)
            add(QStringLiteral("header %1").arg(c), model->headerData(c, Qt::Horizontal).toString());
    }
    add(QStringLiteral("tip"), w.toolTip());
    add(QStringLiteral("status"), w.statusTip());
    add(QStringLiteral("whatsthis"), w.whatsThis());
    add(QStringLiteral("name"), w.accessibleName());
    add(QStringLiteral("description"), w.accessibleDescription());
    // Menu entries: the actions a widget (a window's context menu, a menu) carries.
    for (const QAction* action : w.actions()) {
        if (action->isSeparator())
            continue;
        QString text = action->text();
        if (!action->shortcut().isEmpty())
            text += QStringLiteral(" [") + action->shortcut().toString(QKeySequence::PortableText) + QLatin1Char(']');
        add(QStringLiteral("action"), text);
    }
    return texts;
}

} // namespace

QStringList windowTextLines(const QWidget& window, const DataNames& names)
{
    QStringList lines;
    const auto addWidget = [&](const QWidget& w) {
        for (const auto& [kind, text] : ownTexts(w, &w == &window, names))
            lines << pathOf(window, &w) + QLatin1Char('\t') + kind + QLatin1Char('\t') + escaped(text);
    };
    addWidget(window);
    // Windows parented to this one (a dialog it opened) are windows of their own.
    for (const QWidget* child : window.findChildren<QWidget*>())
        if (child->window() == &window)
            addWidget(*child);
    return lines;
}

} // namespace zeku
