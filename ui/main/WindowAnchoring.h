#pragma once
// The main window's resize rules: each anchored control keeps its recorded
// rectangle shifted or stretched by the window's growth since initialisation.

#include <QRect>
#include <QSize>
#include <QWidget>

#include <vector>

namespace zeku {

// How one control follows the window's growth.
struct Anchor {
    bool moveRight = false;
    bool moveDown = false;
    bool stretchWide = false;
    bool stretchTall = false;
    // Follows the width only below kNarrowWidth (see below) instead of always.
    bool widthBelowNarrowOnly = false;
    // The parts of the width change the move and the stretch take, so that
    // two controls side by side can share a shrink instead of one vanishing.
    double moveShare = 1.0;
    double stretchShare = 1.0;
};

class WindowAnchoring {
public:
    // Width at and above which the narrow-only controls keep their place.
    static constexpr int kNarrowWidth = 985;

    // Records `window`'s size and the rectangles of the controls added later.
    void recordWindow(const QWidget* window) { m_initialSize = window->size(); }
    // Adds `control` with its current rectangle.
    void add(QWidget* control, Anchor anchor);
    // Places every control for the window's new size `size`.
    void apply(const QSize& size) const;
    // The rectangle `anchor` gives `initial` for a window of `size` that
    // started at `initialSize`.
    static QRect place(const QRect& initial, const Anchor& anchor, const QSize& initialSize, const QSize& size);

private:
    struct Entry {
        QWidget* control;
        QRect initial;
        Anchor anchor;
    };
    QSize m_initialSize;
    std::vector<Entry> m_entries;
};

} // namespace zeku
