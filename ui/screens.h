// Keeping a window reachable: a window whose restored place lies off every
// screen (a screen since unplugged, a smaller desktop, a position clamped to
// 16 bits) is brought onto the screen nearest to it.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

namespace orvexal {

// A screen's whole area and its usable area, without panels, in pixels.
struct ScreenArea {
    QRect whole;
    QRect usable;
};

// Where a window's frame goes. A frame that shares at least a pixel with one
// of the screens stays where it is, also partly off the left or top edge; a
// frame off all of them moves the shortest way into the usable area of the
// nearest screen (its top-left corner first, when the frame is larger).
QPoint OnNearestScreen(const QRect& frame, const QList<ScreenArea>& screens);

// The screens of the running program.
QList<ScreenArea> Screens();

}  // namespace orvexal
