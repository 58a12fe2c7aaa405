#pragma once
// The texts a window shows the user, listed for the checks of the windows'
// language: every caption, title, tool tip, accessible name, column header
// and menu entry, one line per text, named by the control that carries it.
// Data cells (the items of list, tree and table views) are not texts of the
// window; master-data names inside a text can be taken out before checking
// the words around them.

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace zeku {

class MasterData;

// Kana (full and half width), CJK ideographs, CJK punctuation other than the
// ideographic space, and the full-width Latin forms ("ＯＫ").
bool isJapanese(char32_t c);
bool hasJapanese(const QString& text);
// The Japanese characters of `text`, in order, each once.
QString japaneseCharacters(const QString& text);

// The names of the master data: skill trees, skills, pieces and jewels.
class DataNames {
public:
    explicit DataNames(const MasterData& master);
    // True when `text` contains a name.
    bool containsName(const QString& text) const;
    // `text` with every name taken out, the longest names first, so that a
    // skill named after its tree goes whole.
    QString withoutNames(const QString& text) const;

private:
    std::vector<QString> m_names; // longest first
};

// One line per text of `window` and its children: "PATH<TAB>KIND<TAB>TEXT",
// PATH being the object names from the window down to the control (the class
// name where a control has none), KIND what the text is ("title", "text",
// "tip", "name", "header 2", "item 0", "row 0", "action" …). Line breaks and
// tabs in a text are written as \n and \t. Combo box items that contain a
// master-data name are data and left out; so are the cells of table, tree and
// list views, except the rows of a list widget, which are sentences.
QStringList windowTextLines(const QWidget& window, const DataNames& names);

} // namespace zeku
