// Window geometry in twips, the unit the windows are drawn in: 1440 twips to
// the inch, so 15 twips to the pixel at 96 dots per inch. Qt scales pixels
// for screens of other densities.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

namespace orvexal {

inline constexpr double kTwipsPerPixel = 15.0;

int Pixels(double twips);

// Left, top, width and height of a control, twips.
struct Place {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

QRect PixelRect(const Place& place);

// Where the main window was put at start-up. A window still standing there
// saves the twips it was given (100 twips are 6.67 pixels, and the saved file
// should not drift from run to run); a moved window saves its pixel position
// in twips.
class WindowPlacement {
public:
    WindowPlacement(double leftTwips, double topTwips);

    QPoint PixelPosition() const { return pixels_; }
    QPointF TwipsAt(const QPoint& position) const;

private:
    QPointF twips_;
    QPoint pixels_;
};

}  // namespace orvexal
