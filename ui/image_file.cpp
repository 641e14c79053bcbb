#include "ui/image_file.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace orvexal {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kInchesPerMetre = 1 / 0.0254;

struct FormatName {
    ImageFormat format;
    const char* extension;
    const char* filter;
};

constexpr FormatName kFormats[] = {
    {ImageFormat::Png, "png", QT_TRANSLATE_NOOP("ImageFile", "PNG image (*.png)")},
    {ImageFormat::Pdf, "pdf", QT_TRANSLATE_NOOP("ImageFile", "PDF document (*.pdf)")},
    {ImageFormat::Svg, "svg", QT_TRANSLATE_NOOP("ImageFile", "SVG drawing (*.svg)")},
};

QString FilterText(const FormatName& name)
{
    return QCoreApplication::translate("ImageFile", name.filter);
}

bool Draw(QPaintDevice& device, const QSize& size, const Drawing& draw)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    draw(painter, QSizeF(size));
    return painter.end();
}

bool SavePng(const QString& path, const QSize& size, double dotsPerInch, double ratio, const Drawing& draw)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    const int dotsPerMetre = int(std::lround(dotsPerInch * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return Draw(image, size, draw) && image.save(path, "PNG");
}

// One page of the drawing's size, without margins.
bool SavePdf(const QString& path, const QSize& size, double dotsPerInch, const QString& title, const Drawing& draw)
{
    QPdfWriter writer(path);
    writer.setResolution(int(std::lround(dotsPerInch)));
    writer.setPageSize(QPageSize(QSizeF(size) * kPointsPerInch / dotsPerInch, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(title);
    writer.setCreator(QCoreApplication::applicationName());
    return Draw(writer, size, draw);
}

bool SaveSvg(const QString& path, const QSize& size, double dotsPerInch, const QString& title, const Drawing& draw)
{
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(int(std::lround(dotsPerInch)));
    generator.setTitle(title);
    return Draw(generator, size, draw);
}

}  // namespace

QString ImageFilters()
{
    QStringList filters;
    for (const FormatName& name : kFormats) {
        filters << FilterText(name);
    }
    return filters.join(QStringLiteral(";;"));
}

ImageFormat FormatOfFilter(const QString& filter)
{
    for (const FormatName& name : kFormats) {
        if (filter == FilterText(name)) {
            return name.format;
        }
    }
    return ImageFormat::Png;
}

std::optional<ImageFormat> FormatOfName(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatName& name : kFormats) {
        if (suffix == QLatin1String(name.extension)) {
            return name.format;
        }
    }
    return std::nullopt;
}

QString WithExtension(const QString& path, ImageFormat format)
{
    if (FormatOfName(path)) {
        return path;
    }
    return path + QLatin1Char('.') + QLatin1String(kFormats[static_cast<int>(format)].extension);
}

std::optional<ImageFile> AskImageFile(QWidget* parent, const QString& offeredName)
{
    QString filter;
    const QString path = QFileDialog::getSaveFileName(parent, QCoreApplication::translate("ImageFile", "Save image"),
                                                      offeredName, ImageFilters(), &filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const ImageFormat format = FormatOfName(path).value_or(FormatOfFilter(filter));
    return ImageFile{WithExtension(path, format), format};
}

bool SaveDrawing(const QString& path, ImageFormat format, const QSize& size, double dotsPerInch,
                 double devicePixelRatio, const QString& title, const Drawing& draw)
{
    switch (format) {
    case ImageFormat::Pdf:
        return SavePdf(path, size, dotsPerInch, title, draw);
    case ImageFormat::Svg:
        return SaveSvg(path, size, dotsPerInch, title, draw);
    case ImageFormat::Png:
        break;
    }
    return SavePng(path, size, dotsPerInch, devicePixelRatio, draw);
}

}  // namespace orvexal
