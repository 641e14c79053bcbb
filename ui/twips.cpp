#include "ui/twips.h"

#include <QtMath>

namespace orvexal {

int Pixels(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

QRect PixelRect(const Place& place)
{
    return QRect(Pixels(place.left), Pixels(place.top), Pixels(place.width), Pixels(place.height));
}

WindowPlacement::WindowPlacement(double leftTwips, double topTwips)
    : twips_(leftTwips, topTwips), pixels_(Pixels(leftTwips), Pixels(topTwips))
{
}

QPointF WindowPlacement::TwipsAt(const QPoint& position) const
{
    if (position == pixels_) {
        return twips_;
    }
    return QPointF(position) * kTwipsPerPixel;
}

}  // namespace orvexal
