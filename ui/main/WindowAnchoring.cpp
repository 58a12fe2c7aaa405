#include "ui/main/WindowAnchoring.h"

#include <algorithm>
#include <cmath>

namespace zeku {

void WindowAnchoring::add(QWidget* control, Anchor anchor)
{
    if (control)
        m_entries.push_back({control, control->geometry(), anchor});
}

QRect WindowAnchoring::place(const QRect& initial, const Anchor& anchor, const QSize& initialSize, const QSize& size)
{
    int dw = size.width() - initialSize.width();
    const int dh = size.height() - initialSize.height();
    if (anchor.widthBelowNarrowOnly) {
        // Wide windows leave these alone; narrower ones shrink them (or move
        // them left) by as much as the window lacks of the narrow width.
        dw = std::min(size.width(), kNarrowWidth) - std::min(initialSize.width(), kNarrowWidth);
    }
    QRect rect = initial;
    if (anchor.moveRight)
        rect.translate(static_cast<int>(std::lround(dw * anchor.moveShare)), 0);
    if (anchor.moveDown)
        rect.translate(0, dh);
    if (anchor.stretchWide)
        rect.setWidth(std::max(0, initial.width() + static_cast<int>(std::lround(dw * anchor.stretchShare))));
    if (anchor.stretchTall)
        rect.setHeight(std::max(0, initial.height() + dh));
    return rect;
}

void WindowAnchoring::apply(const QSize& size) const
{
    for (const Entry& entry : m_entries)
        entry.control->setGeometry(place(entry.initial, entry.anchor, m_initialSize, size));
}

} // namespace zeku
