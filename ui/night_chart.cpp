#include "ui/night_chart.h"

#include <QPainter>
#include <cmath>

namespace orvexal {
namespace {

constexpr double kTopAltitude = 90;
constexpr double kAltitudeStep = 10;

// The air masses marked on the right-hand scale.
constexpr double kAirMassTicks[] = {1.0, 1.2, 1.5, 2, 3};

// Pixels: the margin around everything, the room for the scales' labels
// beside and below the plot, the length of a tick and of a legend swatch.
constexpr int kMargin = 10;
constexpr int kScaleRoom = 46;
constexpr int kTick = 5;
constexpr int kSwatch = 26;

// The sky from day to night, and its name in the legend.
struct SkyLook {
    QColor colour;
    const char* name;
};

const SkyLook kSkyLooks[] = {
    {QColor(188, 217, 242), "day"},
    {QColor(143, 176, 214), "civil twilight"},
    {QColor(95, 127, 173), "nautical"},
    {QColor(53, 79, 122), "astronomical"},
    {QColor(23, 35, 61), "night"},
};

const QColor kTargetColour(255, 176, 32);
const QColor kMoonColour(242, 242, 242);
const QColor kMoonEdge(64, 64, 64);
const QColor kTwilightColour(124, 252, 0);
const QColor kCalculationColour(255, 77, 77);
const QColor kGridColour(255, 255, 255, 60);
const QColor kLabelBox(0, 0, 0, 150);

const SkyLook& LookOf(Sky sky)
{
    return kSkyLooks[static_cast<int>(sky)];
}

// 22.5 and 46.5 both as "22:30".
QString ClockText(double localHours)
{
    const long minutes = std::lround(localHours * 60);
    const long ofDay = ((minutes % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2").arg(ofDay / 60, 2, 10, QLatin1Char('0')).arg(ofDay % 60, 2, 10, QLatin1Char('0'));
}

QString Degrees(double value)
{
    return QStringLiteral("%1\u00b0").arg(value, 0, 'f', 1);
}

// A field's text without the blank of its sign position.
QString Shown(const std::string& text)
{
    return QString::fromStdString(text).trimmed();
}

QPainterPath Curve(const std::vector<NightSample>& samples, double NightSample::*altitude)
{
    QPainterPath path;
    path.moveTo(samples.front().localHours, samples.front().*altitude);
    for (const NightSample& s : samples) {
        path.lineTo(s.localHours, s.*altitude);
    }
    return path;
}

QString TargetText(const NightTrack& track)
{
    const NightSample& highest = track.highest;
    if (highest.altitude < 0) {
        return QStringLiteral("Target: below the horizon all through the chart (highest %1 at %2)")
            .arg(Degrees(highest.altitude), ClockText(highest.localHours));
    }
    const QString top = QStringLiteral("highest %1 at %2").arg(Degrees(highest.altitude), ClockText(highest.localHours));
    if (track.meridianCrossing) {
        return QStringLiteral("Target: on the meridian at %1, %2").arg(ClockText(track.meridianCrossing->localHours), top);
    }
    return QStringLiteral("Target: %1 (no meridian crossing in the chart)").arg(top);
}

QString MoonText(const NightTrack& track)
{
    return QStringLiteral("Moon: %1% lit; nearest the target %2 at %3")
        .arg(std::lround(track.almanac.moon.illuminatedFraction * 100))
        .arg(Degrees(track.moonClosest.moonDistance), ClockText(track.moonClosest.localHours));
}

QString TwilightText(const NightInputs& inputs, const NightTrack& track)
{
    QString text = QStringLiteral("Twilight, the Sun at %1\u00b0: dusk %2, dawn %3")
                       .arg(inputs.twilight)
                       .arg(Shown(inputs.labels.dusk), Shown(inputs.labels.dawn));
    if (!track.almanac.sun.twilight.dusk || !track.almanac.sun.twilight.dawn) {
        text += QStringLiteral(" (charted noon to noon)");
    }
    return text;
}

QString CalculationText(const NightInputs& inputs, double from, double to, double at)
{
    QString text = QStringLiteral("Calculation: %1 %2 local").arg(Shown(inputs.labels.date), ClockText(at));
    if (at < from || at > to) {
        text += QStringLiteral(", outside this night");
    }
    return text;
}

}  // namespace

NightChart::NightChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NightChart"));
    setMinimumSize(420, 300);
    for (const double airMass : kAirMassTicks) {
        airMassScale_.emplace_back(airMass, AltitudeOfAirMass(airMass));
    }
}

QSize NightChart::sizeHint() const
{
    return {900, 560};
}

void NightChart::SetNight(const NightInputs& inputs, const NightTrack& track)
{
    Layout layout;
    layout.from = track.samples.front().localHours;
    layout.to = track.samples.back().localHours;
    for (const SkyPeriod& period : track.sky) {
        layout.sky.emplace_back(QRectF(period.from, 0, period.to - period.from, kTopAltitude), LookOf(period.sky).colour);
    }
    layout.target = Curve(track.samples, &NightSample::altitude);
    layout.moon = Curve(track.samples, &NightSample::moonAltitude);
    if (track.almanac.sun.twilight.dusk) {
        layout.markers.push_back({*track.almanac.sun.twilight.dusk, kTwilightColour, Qt::DashLine, "dusk " + Shown(inputs.labels.dusk)});
    }
    if (track.almanac.sun.twilight.dawn) {
        layout.markers.push_back({*track.almanac.sun.twilight.dawn, kTwilightColour, Qt::DashLine, "dawn " + Shown(inputs.labels.dawn)});
    }
    const double at = track.observation.localHours;
    layout.markers.push_back({at, kCalculationColour, Qt::SolidLine, "calculation " + ClockText(at)});

    const NightLabels& labels = inputs.labels;
    layout.title = QStringLiteral("%1 \u2014 %2 \u2014 RA %3  Dec %4  (%5)")
                       .arg(Shown(labels.site), Shown(labels.date), Shown(labels.rightAscension),
                            Shown(labels.declination), Shown(labels.epoch));
    layout.legend = {
        {kTargetColour, Qt::SolidLine, TargetText(track)},
        {kMoonColour, Qt::DashLine, MoonText(track)},
        {kTwilightColour, Qt::DashLine, TwilightText(inputs, track)},
        {kCalculationColour, Qt::SolidLine, CalculationText(inputs, layout.from, layout.to, at)},
    };
    layout_ = std::move(layout);
    update();
}

// Lines of text between the plot and the legend: the hours and their name,
// and a gap.
constexpr double kBelowPlot = 2.6;

// Below the title and the scales' names, above the hours and the legend
// (its lines and the row of sky swatches), between the two scales.
QRectF NightChart::PlotArea() const
{
    const int line = fontMetrics().height();
    const int legendLines = layout_ ? static_cast<int>(layout_->legend.size()) + 1 : 0;
    const double top = kMargin + line * 2.8;
    const double bottom = height() - kMargin - legendLines * line - line * kBelowPlot;
    return QRectF(QPointF(kMargin + kScaleRoom, top), QPointF(width() - kMargin - kScaleRoom, bottom));
}

void NightChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());
    if (!layout_) {
        painter.drawText(rect(), Qt::AlignCenter, tr("Press Calculate on the main window to chart the night."));
        return;
    }
    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(QRect(kMargin, kMargin, width() - 2 * kMargin, fontMetrics().height() * 3 / 2),
                     Qt::AlignLeft | Qt::AlignVCenter, layout_->title);
    painter.setFont(font());

    const QRectF plot = PlotArea();
    // Hours to the right, degrees of altitude up.
    const double perHour = plot.width() / (layout_->to - layout_->from);
    const double perDegree = plot.height() / kTopAltitude;
    const QTransform toPlot(perHour, 0, 0, -perDegree, plot.left() - layout_->from * perHour, plot.bottom());

    PaintSky(painter, toPlot);
    PaintCurves(painter, toPlot);
    PaintAxes(painter, plot, toPlot);
    PaintMarkers(painter, plot, toPlot);
    PaintLegend(painter, plot);
}

void NightChart::PaintSky(QPainter& painter, const QTransform& toPlot) const
{
    for (const auto& [band, colour] : layout_->sky) {
        painter.fillRect(toPlot.mapRect(band), colour);
    }
}

void NightChart::PaintCurves(QPainter& painter, const QTransform& toPlot) const
{
    painter.save();
    painter.setClipRect(toPlot.mapRect(QRectF(layout_->from, 0, layout_->to - layout_->from, kTopAltitude)));
    painter.setTransform(toPlot);
    painter.setBrush(Qt::NoBrush);
    QPen pen(kMoonEdge, 4);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawPath(layout_->moon);
    pen = QPen(kMoonColour, 2, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawPath(layout_->moon);
    pen = QPen(kTargetColour, 3);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.drawPath(layout_->target);
    painter.restore();
}

// Altitude every 10 degrees on the left, the air mass where it has its
// marked values on the right, the local hours below, and a faint grid.
void NightChart::PaintAxes(QPainter& painter, const QRectF& plot, const QTransform& toPlot) const
{
    const QFontMetrics metrics = fontMetrics();
    const int half = metrics.height() / 2;
    for (double altitude = 0; altitude <= kTopAltitude; altitude += kAltitudeStep) {
        const double y = toPlot.map(QPointF(layout_->from, altitude)).y();
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().windowText().color());
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        painter.drawText(QRectF(kMargin, y - half, kScaleRoom - kTick - 3, 2 * half), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1\u00b0").arg(altitude));
    }
    for (const auto& [airMass, altitude] : airMassScale_) {
        const double y = toPlot.map(QPointF(layout_->from, altitude)).y();
        painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + kTick, y));
        painter.drawText(QRectF(plot.right() + kTick + 3, y - half, kScaleRoom, 2 * half), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(airMass, 'f', airMass < 2 ? 1 : 0));
    }
    const QRectF names(kMargin, plot.top() - 2 * half - half, width() - 2 * kMargin, 2 * half);
    painter.drawText(names, Qt::AlignLeft | Qt::AlignVCenter, tr("altitude"));
    painter.drawText(names, Qt::AlignRight | Qt::AlignVCenter, tr("air mass"));
    for (double hour = std::ceil(layout_->from); hour <= layout_->to; ++hour) {
        const double x = toPlot.map(QPointF(hour, 0)).x();
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(palette().windowText().color());
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
        painter.drawText(QRectF(x - 30, plot.bottom() + kTick, 60, 2 * half), Qt::AlignCenter, ClockText(hour).left(2));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + kTick + 2 * half, plot.width(), 2 * half), Qt::AlignCenter,
                     tr("local time"));
    painter.drawRect(plot);
}

// Each marker's label in a dark box at the top of its line, on a row of its
// own so that labels of close times do not cover each other.
void NightChart::PaintMarkers(QPainter& painter, const QRectF& plot, const QTransform& toPlot) const
{
    const QFontMetrics metrics = fontMetrics();
    int row = 0;
    for (const Marker& marker : layout_->markers) {
        if (marker.hours < layout_->from || marker.hours > layout_->to) {
            continue;
        }
        const double x = toPlot.map(QPointF(marker.hours, 0)).x();
        painter.setPen(QPen(marker.colour, 2, marker.style));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        QRectF box = metrics.boundingRect(marker.label).adjusted(-4, -2, 4, 2);
        box.moveTop(plot.top() + 4 + row++ * (box.height() + 2));
        box.moveLeft(x + box.width() + 4 > plot.right() ? x - box.width() - 3 : x + 3);
        painter.fillRect(box, kLabelBox);
        painter.setPen(marker.colour);
        painter.drawText(box, Qt::AlignCenter, marker.label);
    }
}

// The curves and lines with their swatches, then the shades of the sky.
void NightChart::PaintLegend(QPainter& painter, const QRectF& plot) const
{
    const int line = fontMetrics().height();
    double y = plot.bottom() + line * kBelowPlot;
    const QColor text = palette().windowText().color();
    for (const LegendLine& entry : layout_->legend) {
        const QPointF left(kMargin + kScaleRoom, y + line / 2.0);
        painter.fillRect(QRectF(left.x() - 2, y, kSwatch + 4, line), kSkyLooks[3].colour);
        painter.setPen(QPen(entry.colour, 3, entry.style));
        painter.drawLine(left, left + QPointF(kSwatch, 0));
        painter.setPen(text);
        painter.drawText(QRectF(left.x() + kSwatch + 8, y, width(), line), Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        y += line;
    }
    double x = kMargin + kScaleRoom;
    for (const SkyLook& look : kSkyLooks) {
        painter.fillRect(QRectF(x, y + 3, kSwatch, line - 6), look.colour);
        painter.setPen(text);
        const QString name = QString::fromLatin1(look.name);
        painter.drawText(QRectF(x + kSwatch + 5, y, width(), line), Qt::AlignLeft | Qt::AlignVCenter, name);
        x += kSwatch + 5 + fontMetrics().horizontalAdvance(name) + 16;
    }
}

}  // namespace orvexal
