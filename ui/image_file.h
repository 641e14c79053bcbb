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
class QWidget;

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

// A file chosen in the save dialog and the format it is written in. The
// name is offered without an extension, so that the filter chosen decides
// the format; an extension typed (.png, .pdf, .svg) decides it instead. The
// name gets the format's extension when it has none of them. None when the
// dialog is cancelled.
struct ImageFile {
    QString path;
    ImageFormat format = ImageFormat::Png;
};
std::optional<ImageFile> AskImageFile(QWidget* parent, const QString& offeredName);

// Paints on a device of the size given.
using Drawing = std::function<void(QPainter& painter, const QSizeF& size)>;

// Writes the drawing into a file: size in pixels at dotsPerInch (the
// screen's logical resolution), PNG at devicePixelRatio pixels per pixel.
// False when the file cannot be written.
bool SaveDrawing(const QString& path, ImageFormat format, const QSize& size, double dotsPerInch,
                 double devicePixelRatio, const QString& title, const Drawing& draw);

}  // namespace orvexal
