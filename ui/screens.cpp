#include "ui/screens.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace orvexal {
namespace {

// The square of the distance between two rectangles, 0 when they touch.
qint64 DistanceSquared(const QRect& a, const QRect& b)
{
    const qint64 dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const qint64 dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

// start moved the least so that [start, start + length) lies in
// [low, low + room), or starting at low when it is longer than the room.
int Into(int start, int length, int low, int room)
{
    return std::max(low, std::min(start, low + room - length));
}

}  // namespace

QPoint OnNearestScreen(const QRect& frame, const QList<ScreenArea>& screens)
{
    const auto overlaps = [&frame](const ScreenArea& screen) { return screen.whole.intersects(frame); };
    if (screens.isEmpty() || std::ranges::any_of(screens, overlaps)) {
        return frame.topLeft();
    }
    const ScreenArea& nearest = *std::ranges::min_element(
        screens, {}, [&frame](const ScreenArea& screen) { return DistanceSquared(frame, screen.whole); });
    const QRect& usable = nearest.usable;
    return {Into(frame.left(), frame.width(), usable.left(), usable.width()),
            Into(frame.top(), frame.height(), usable.top(), usable.height())};
}

QList<ScreenArea> Screens()
{
    QList<ScreenArea> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.append({screen->geometry(), screen->availableGeometry()});
    }
    return areas;
}

}  // namespace orvexal
