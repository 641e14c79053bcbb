// A drawing saved as an image file: PNG (pixels), or PDF or SVG (vector),
// drawn by one painting routine at a size in pixels, the device's text at
// the resolution of the screen it was laid out on, so that the three look as
// the window does.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QPainter;

namespace orvexal {

enum class ImageFormat { Png, Pdf, Svg };

// The save dialog's filters, "PNG image (*.png);;...", in the order of the
// formats, and the format of one of them.
QString ImageFilters();
ImageFormat FormatOfFilter(const QString& filter);

// The format a file name's extension names (in any case), if any.
std::optional<ImageFormat> FormatOfName(const QString& path);

// The name with the format's extension added, unless it has one of the
// three.
QString WithExtension(const QString& path, ImageFormat format);

// Paints on a device of the size given.
using Drawing = std::function<void(QPainter& painter, const QSizeF& size)>;

// Writes the drawing into a file: size in pixels at dotsPerInch (the
// screen's logical resolution), PNG at devicePixelRatio pixels per pixel.
// False when the file cannot be written.
bool SaveDrawing(const QString& path, ImageFormat format, const QSize& size, double dotsPerInch,
                 double devicePixelRatio, const QString& title, const Drawing& draw);

}  // namespace orvexal
