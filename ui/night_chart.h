// The night chart: the target's and the Moon's altitude against time over
// the sky shaded by the Sun's altitude, with the air mass beside the
// altitude; local time below it and universal time under that, the local
// sidereal time above it, each at whole hours of its own; the almanac's dusk
// and dawn at the twilight typed, the instant of the calculation and, while
// the night holds it, the present moment; moonrise and moonset on the
// Moon's curve; a legend under it and the night's almanac beside it (all
// times clock times). Instead of the calculation's target it can show the
// curves of up to kMostChartedTargets other targets, each in a colour of
// its own and named beside its highest point and in the legend, with the
// almanac of the Sun, the Moon and the night.
//
// It draws a night track (night/track.h) and computes nothing of it: the
// curves, bands and hours are laid out in hours and degrees when the night
// changes, and mapped onto the device only when painted. One routine paints
// the chart on any paint device (the widget, an image, a PDF or SVG file),
// fitting it to the size it is given with the device's font metrics.
#pragma once

#include <QPainterPath>
#include <QWidget>
#include <optional>
#include <vector>

#include "night/track.h"
#include "ui/image_file.h"
#include "ui/night_texts.h"

namespace orvexal {

// The most target curves one chart tells apart by colour.
inline constexpr int kMostChartedTargets = 12;

// A target charted beside others: its name and its apparent altitudes,
// degrees, at the samples of the track it is charted with.
struct ChartedTarget {
    QString name;
    std::vector<double> altitudes;
};

class NightChart : public QWidget {
    Q_OBJECT

public:
    explicit NightChart(QWidget* parent = nullptr);

    void SetNight(const NightInputs& inputs, const NightTrack& track);

    // The night of the track with the targets' curves in place of its
    // target's (at most kMostChartedTargets of them; none: the sky alone).
    void SetTargets(const NightInputs& inputs, const NightTrack& track, const std::vector<ChartedTarget>& targets);

    // A message shown instead of a chart.
    void SetMessage(const QString& message);

    // The present moment, in the night's hours: a line across the chart
    // while the charted night holds it.
    void SetNow(double nightHours);

    // Every text the chart shows, in reading order: the title, the labels of
    // its lines, the legend and the almanac ("label value"), or its message.
    QStringList Texts() const;

    // Paints the chart filling a size of the painter's device.
    void Paint(QPainter& painter, const QSizeF& size) const;

    // Writes the chart as it is shown into a file of the format, the title
    // in its properties; false when the file cannot be written.
    bool SaveImage(const QString& path, ImageFormat format, const QString& title) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A vertical line across the chart at a time, labelled at its top.
    struct Marker {
        double hours;
        QColor colour;
        Qt::PenStyle style;
        QString label;
    };

    // A swatch of the legend and its text.
    enum class Swatch { Line, MoonLine, MoonEvents, Fill };
    struct LegendItem {
        Swatch swatch;
        QColor colour;
        double penWidth;
        Qt::PenStyle style;
        QString text;
    };

    // Where a time scale shows whole hours: the night's hours, the hour of its day.
    using Ticks = std::vector<std::pair<double, int>>;

    // A target's curve, above the horizon only, and the place of its name
    // (its highest point), when it is named on the plot.
    struct Curve {
        QPainterPath path;
        QColor colour;
        QString name;
        std::optional<QPointF> namedAt;
    };

    // What the chart shows of a night, in hours and degrees.
    struct Night {
        double from = 0;  // the night's hours at the left and right edges
        double to = 0;
        std::vector<std::pair<QRectF, QColor>> sky;
        std::vector<Curve> targets;
        QPainterPath moon;
        std::vector<std::pair<double, bool>> moonEvents;  // hours, rising
        std::vector<Marker> markers;
        Ticks local, universal, sidereal;
        QString title;
        QString twilightText;     // the legend's line for dusk and dawn
        QString calculationText;  // and for the calculation
        std::vector<AlmanacLine> almanac;
    };

    // Where the parts go on a device, in its pixels.
    struct Frame {
        QRectF title;
        QRectF plot;
        QRectF panel;
        QRectF legend;
        double scaleRoom = 0;  // beside the plot, for a scale's labels and name
        double rowGap = 0;     // between the plot and a time row
        double line = 0;
    };

    // The places of the legend's items from its top left.
    static std::vector<QRectF> PlaceLegend(const std::vector<LegendItem>& items, const QFontMetricsF& metrics,
                                           double width);
    static Night SkyOf(const NightInputs& inputs, const NightTrack& track);
    static void AddMarkers(Night& night, const NightInputs& inputs, const NightTrack& track);
    void Show(Night night);
    QString NowText() const;
    Frame FrameOf(const QFontMetricsF& metrics, const QSizeF& size, double panelWidth) const;
    std::vector<LegendItem> Legend() const;
    std::vector<Marker> Markers() const;
    void UpdateMinimumSize();
    void Changed();

    void PaintTitle(QPainter& painter, const Frame& frame) const;
    void PaintPlot(QPainter& painter, const Frame& frame, const QTransform& toPlot) const;
    void PaintAltitudeScales(QPainter& painter, const Frame& frame, const QTransform& toPlot) const;
    void PaintTimeRows(QPainter& painter, const Frame& frame, const QTransform& toPlot) const;
    void PaintMoonEvents(QPainter& painter, const QTransform& toPlot) const;
    void PaintCurveNames(QPainter& painter, const Frame& frame, const QTransform& toPlot) const;
    void PaintMarkers(QPainter& painter, const Frame& frame, const QTransform& toPlot) const;
    void PaintLegend(QPainter& painter, const Frame& frame) const;

    std::optional<Night> night_;
    std::optional<double> now_;  // the present, when the chart holds it
    QString message_;
    std::vector<std::pair<double, double>> airMassScale_;  // air mass, apparent altitude
};

}  // namespace orvexal
