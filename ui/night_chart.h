// The night chart: the target's and the Moon's altitude against local time
// over the sky shaded by the Sun's altitude, with the air mass beside the
// altitude, the twilight the user defined at dusk and dawn, and the instant
// of the calculation. It draws a night track (night/track.h) and computes
// nothing of it: the curves and bands are laid out in hours and degrees
// when the night changes, and only mapped onto the widget when painted.
#pragma once

#include <QPainterPath>
#include <QWidget>
#include <optional>
#include <vector>

#include "night/track.h"

namespace orvexal {

class NightChart : public QWidget {
    Q_OBJECT

public:
    explicit NightChart(QWidget* parent = nullptr);

    void SetNight(const NightInputs& inputs, const NightTrack& track);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A vertical line across the chart at a local time, labelled at its top.
    struct Marker {
        double hours;
        QColor colour;
        Qt::PenStyle style;
        QString label;
    };

    // A line of the legend and the look of the swatch before it.
    struct LegendLine {
        QColor colour;
        Qt::PenStyle style;
        QString text;
    };

    // What the chart shows of a night, in hours and degrees.
    struct Layout {
        double from = 0;  // local hours at the left and right edges
        double to = 0;
        std::vector<std::pair<QRectF, QColor>> sky;
        QPainterPath target;
        QPainterPath moon;
        std::vector<Marker> markers;
        QString title;
        std::vector<LegendLine> legend;
    };

    QRectF PlotArea() const;
    void PaintSky(QPainter& painter, const QTransform& toPlot) const;
    void PaintAxes(QPainter& painter, const QRectF& plot, const QTransform& toPlot) const;
    void PaintCurves(QPainter& painter, const QTransform& toPlot) const;
    void PaintMarkers(QPainter& painter, const QRectF& plot, const QTransform& toPlot) const;
    void PaintLegend(QPainter& painter, const QRectF& plot) const;

    std::optional<Layout> layout_;
    std::vector<std::pair<double, double>> airMassScale_;  // air mass, apparent altitude
};

}  // namespace orvexal
