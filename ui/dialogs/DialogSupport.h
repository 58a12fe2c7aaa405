#pragma once
// Helpers every editing dialog shares: finding a control by its resource id,
// naming controls for assistive technology, reading stored text as CP932,
// and the move between the two lists and the totals label of the two-list
// editors.

#include <QString>
#include <QPushButton>
#include <QVariant>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace zeku {

// The dialog result of "ファイル再読込": the caller reloads the list file and reopens the editor.
constexpr int kReloadFileResult = 6000;

// The child of `root` whose "controlId" property equals `id`, or nullptr.
QWidget* findControl(const QWidget* root, int id);

template <typename T>
T* control(const QWidget* root, int id)
{
    return qobject_cast<T*>(findControl(root, id));
}

// Moves the selected entries, or all entries shown, from one list of a
// two-list editor to the other.
template <typename List>
void moveEntries(List& from, List& to, bool all)
{
    std::vector<typename List::EntryPtr> moved;
    if (all)
        from.takeAllShown(moved);
    else
        from.takeSelected(moved);
    to.addEntries(std::move(moved));
}

// Gives every control of `root` an accessible name: buttons, check boxes and
// radios their caption, fields and lists the text of the label that names them
// (the label's buddy). Mnemonic ampersands are dropped.
void nameControlsForAssistiveTech(QWidget* root);

// Makes Enter press `defaultButton` only (none when nullptr): every other push
// button of `root` loses the auto-default that would make it the default when
// it has the focus, or, without a default, the first of them.
void keepEnterOnDefault(QWidget* root, QPushButton* defaultButton);

// Gives the free height of the grid layout that holds `list` to the rows the
// list spans: the last of them stretches, the others keep their natural
// height, and the other controls of the stretching row stay at its top. So the
// list, not empty bands, grows when the dialog is made taller.
void giveListTheFreeHeight(QWidget* list);

// The text of a field that will be stored, as CP932. When it holds a character
// CP932 cannot represent, shows a message naming it over `parent` and returns
// false without touching `out`.
bool readStoredText(QWidget* parent, const QString& text, std::string& out);

// A name filter text as CP932. A character CP932 cannot hold occurs in no
// name, so such a text becomes one that matches nothing.
std::string filterTextOf(const QString& text);

// The kanji of a part: "頭", "胴", "腕", "腰", "脚".
QString partKanji(int part);

// "アイテム数：%s (全て：%s)" with both counts formatted with thousands separators.
QString itemCountText(std::size_t shown, std::size_t all);

} // namespace zeku
