#include "ui/night_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "numbers/units.h"
#include "ui/almanac_panel.h"

namespace orvexal {
namespace {

constexpr double kTopAltitude = 90;
constexpr double kAltitudeStep = 10;

// The air masses marked on the right-hand scale.
constexpr double kAirMassTicks[] = {1.0, 1.2, 1.5, 2, 3};

// Pixels of the device: the margin around everything, the gap between the
// chart and the almanac, the length of a tick and of a legend swatch, and the
// least size of the plot.
constexpr double kMargin = 10;
constexpr double kPanelGap = 16;
constexpr double kTick = 5;
constexpr double kSwatch = 26;
constexpr double kLeastPlotWidth = 260;
constexpr double kLeastPlotHeight = 160;

// The least size of the chart while it shows a message.
constexpr QSize kMessageSize(420, 300);

// The almanac takes at most this share of the width; beyond it its lines wrap.
constexpr double kPanelShare = 0.45;

// Steps between labelled hours of a time row, the first whose labels keep
// apart.
constexpr int kHourSteps[] = {1, 2, 3, 4, 6, 12};

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

// The colours of targets charted together, bright on the night's blue and
// apart from the Moon's white and the lines across the chart.
const QColor kTargetColours[] = {
    kTargetColour,         QColor(0, 220, 255),   QColor(255, 105, 180), QColor(180, 255, 100),
    QColor(255, 255, 80),  QColor(170, 140, 255), QColor(255, 130, 60),  QColor(80, 255, 200),
    QColor(255, 190, 190), QColor(120, 170, 255), QColor(210, 170, 110), QColor(200, 255, 200),
};
static_assert(std::size(kTargetColours) == kMostChartedTargets);
const QColor kMoonColour(242, 242, 242);
const QColor kMoonEdge(64, 64, 64);
const QColor kTwilightColour(124, 252, 0);
const QColor kCalculationColour(255, 77, 77);
const QColor kNowColour(255, 90, 255);
const QColor kGridColour(255, 255, 255, 60);
const QColor kLabelBox(0, 0, 0, 150);

// Pens, pixels: the target's curve, the Moon's over its dark edge, the lines
// across the chart.
constexpr double kTargetWidth = 3;
constexpr double kMoonWidth = 2;
constexpr double kMoonEdgeWidth = 4;
constexpr double kMarkerWidth = 2;

// The height of the moonrise and moonset symbols, in lines of text.
constexpr double kMoonSymbolSize = 0.55;

const SkyLook& LookOf(Sky sky)
{
    return kSkyLooks[static_cast<int>(sky)];
}

QString Tr(const char* text)
{
    return NightChart::tr(text);
}

std::vector<double> AltitudesOf(const std::vector<NightSample>& samples, double NightSample::*altitude)
{
    std::vector<double> altitudes;
    altitudes.reserve(samples.size());
    for (const NightSample& sample : samples) {
        altitudes.push_back(sample.*altitude);
    }
    return altitudes;
}

// The curve of altitudes at the samples above the horizon only: a stroke
// begins where it rises and ends where it sets, between samples by
// straight interpolation.
QPainterPath CurveAbove(const std::vector<NightSample>& samples, const std::vector<double>& altitudes)
{
    QPainterPath path;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double x = samples[i].localHours;
        const double y = altitudes[i];
        if (i == 0 && y >= 0) {
            path.moveTo(x, y);
        } else if (i > 0 && (altitudes[i - 1] < 0) != (y < 0)) {
            const double before = altitudes[i - 1];
            const double crossing = samples[i - 1].localHours + (x - samples[i - 1].localHours) * before / (before - y);
            y >= 0 ? path.moveTo(crossing, 0) : path.lineTo(crossing, 0);
        }
        if (y >= 0) {
            path.lineTo(x, y);
        }
    }
    return path;
}

// Where a clock read at the samples (hours, 0 up to 24) shows whole hours,
// in the night's hours, with the hour of its day: between two samples by
// straight interpolation, as the universal and sidereal times run evenly.
std::vector<std::pair<double, int>> WholeHours(const std::vector<NightSample>& samples, double NightSample::*clock)
{
    std::vector<std::pair<double, int>> ticks;
    const double first = samples.front().*clock;
    if (first == std::floor(first)) {
        ticks.emplace_back(samples.front().localHours, int(first) % 24);
    }
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double a = samples[i - 1].*clock;
        const double b = samples[i].*clock + (samples[i].*clock < a ? kHoursPerDay : 0);
        for (double hour = std::floor(a) + 1; hour <= b; ++hour) {
            const double at = samples[i - 1].localHours
                              + (samples[i].localHours - samples[i - 1].localHours) * (hour - a) / (b - a);
            ticks.emplace_back(at, int(hour) % 24);
        }
    }
    return ticks;
}

// The places of the legend's items in rows across a width, from its top
// left: each a swatch and its text. The items from the first of a second
// group on start a row of their own.
std::vector<QRectF> FlowLegend(const QStringList& texts, qsizetype secondGroup, const QFontMetricsF& metrics,
                               double width)
{
    const double row = metrics.height() * 1.3;
    const double spacing = 2 * metrics.averageCharWidth();
    std::vector<QRectF> places;
    QPointF at(0, 0);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const double itemWidth = kSwatch + metrics.averageCharWidth() + metrics.horizontalAdvance(texts[i]);
        if (at.x() > 0 && (at.x() + itemWidth > width || i == secondGroup)) {
            at = QPointF(0, at.y() + row);
        }
        places.emplace_back(at, QSizeF(itemWidth, row));
        at.rx() += itemWidth + spacing;
    }
    return places;
}

QPen Pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A small triangle above a point: standing on it, pointing up, for a
// moonrise; pointing down to it for a moonset.
void PaintMoonSymbol(QPainter& painter, const QPointF& at, double size, bool rising)
{
    const double base = rising ? 0 : -size;
    const double tip = rising ? -size : 0;
    const QPointF corners[] = {at + QPointF(0, tip), at + QPointF(-size * 0.6, base), at + QPointF(size * 0.6, base)};
    painter.setPen(Pen(kMoonEdge, 1));
    painter.setBrush(kMoonColour);
    painter.drawPolygon(corners, 3);
    painter.setBrush(Qt::NoBrush);
}

// Text drawn upward along a vertical line through a point.
void PaintUpward(QPainter& painter, const QPointF& centre, double length, double height, const QString& text)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(-90);
    painter.drawText(QRectF(-length / 2, -height / 2, length, height), Qt::AlignCenter, text);
    painter.restore();
}

}  // namespace

NightChart::NightChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NightChart"));
    setMinimumSize(kMessageSize);
    for (const double airMass : kAirMassTicks) {
        airMassScale_.emplace_back(airMass, AltitudeOfAirMass(airMass));
    }
    message_ = tr("Press Calculate on the main window to chart the night.");
    setToolTip(tr("Dusk, dawn and every time here follow the Sun and the Moon as they move through the night.\n"
                  "The main window's dusk and dawn hold the Sun at the calculation's instant\n"
                  "and can differ from these by a few minutes."));
}

QSize NightChart::sizeHint() const
{
    return {900, 560};
}

void NightChart::SetNight(const NightInputs& inputs, const NightTrack& track)
{
    Night night = SkyOf(inputs, track);
    const QPainterPath target = CurveAbove(track.samples, AltitudesOf(track.samples, &NightSample::altitude));
    night.targets.push_back({target, kTargetColour, tr("target"), {}});
    night.title = NightTitle(inputs);
    night.almanac = AlmanacLines(inputs, track.almanac);
    Show(std::move(night));
}

// Each target named above its highest point, where that is above the horizon.
void NightChart::SetTargets(const NightInputs& inputs, const NightTrack& track,
                            const std::vector<ChartedTarget>& targets)
{
    Night night = SkyOf(inputs, track);
    for (std::size_t i = 0; i < targets.size() && i < std::size(kTargetColours); ++i) {
        const std::vector<double>& altitudes = targets[i].altitudes;
        Curve curve{CurveAbove(track.samples, altitudes), kTargetColours[i], targets[i].name, {}};
        const auto highest = std::ranges::max_element(altitudes);
        if (highest != altitudes.end() && *highest >= 0) {
            curve.namedAt = QPointF(track.samples[std::size_t(highest - altitudes.begin())].localHours, *highest);
        }
        night.targets.push_back(std::move(curve));
    }
    night.title = TargetsTitle(inputs, int(targets.size()));
    night.almanac = SkyAlmanacLines(inputs, track.almanac);
    Show(std::move(night));
}

// The sky, the Moon, the lines across the chart and the time scales of a
// track.
NightChart::Night NightChart::SkyOf(const NightInputs& inputs, const NightTrack& track)
{
    Night night;
    night.from = track.samples.front().localHours;
    night.to = track.samples.back().localHours;
    for (const SkyPeriod& period : track.sky) {
        const QRectF band(period.from, 0, period.to - period.from, kTopAltitude);
        night.sky.emplace_back(band, LookOf(period.sky).colour);
    }
    night.moon = CurveAbove(track.samples, AltitudesOf(track.samples, &NightSample::moonAltitude));
    const MoonAlmanac& moon = track.almanac.moon;
    for (const auto& [event, rising] : {std::pair{moon.rise, true}, std::pair{moon.set, false}}) {
        if (event) {
            night.moonEvents.emplace_back(*event, rising);
        }
    }
    AddMarkers(night, inputs, track);
    night.local = WholeHours(track.samples, &NightSample::localHours);
    night.universal = WholeHours(track.samples, &NightSample::universalHours);
    night.sidereal = WholeHours(track.samples, &NightSample::siderealHours);
    return night;
}

void NightChart::Show(Night night)
{
    night_ = std::move(night);
    now_.reset();
    message_.clear();
    UpdateMinimumSize();
    Changed();
}

// The almanac's dusk and dawn at the twilight typed and the calculation's
// instant, where the chart holds them, with their lines in the legend.
void NightChart::AddMarkers(Night& night, const NightInputs& inputs, const NightTrack& track)
{
    const SunPassage& twilight = track.almanac.sun.twilight;
    for (const auto& [event, name] :
         {std::pair{twilight.dusk, tr("dusk %1")}, std::pair{twilight.dawn, tr("dawn %1")}}) {
        if (event) {
            night.markers.push_back({*event, kTwilightColour, Qt::DashLine, name.arg(ClockText(*event))});
        }
    }
    const QString altitude = LimitText(inputs.twilight);
    night.twilightText = twilight.dusk || twilight.dawn
                             ? tr("dusk, dawn at %1").arg(altitude)
                             : tr("no dusk or dawn at %1: charted noon to noon").arg(altitude);
    const double at = track.observation.localHours;
    night.calculationText = tr("calculation %1").arg(ClockText(at));
    if (at < night.from || at > night.to) {
        night.calculationText += tr(", outside the chart");
    } else {
        night.markers.push_back({at, kCalculationColour, Qt::SolidLine, night.calculationText});
    }
}

void NightChart::SetMessage(const QString& message)
{
    night_.reset();
    now_.reset();
    message_ = message;
    setMinimumSize(kMessageSize);
    Changed();
}

void NightChart::SetNow(double nightHours)
{
    const std::optional<double> now =
        night_ && nightHours >= night_->from && nightHours <= night_->to ? std::optional(nightHours) : std::nullopt;
    if (now != now_) {
        now_ = now;
        Changed();
    }
}

void NightChart::Changed()
{
    setAccessibleDescription(Texts().join(QLatin1Char('\n')));
    update();
}

QStringList NightChart::Texts() const
{
    if (!night_) {
        return {message_};
    }
    QStringList texts{night_->title};
    for (const Marker& marker : Markers()) {
        texts << marker.label;
    }
    for (const LegendItem& item : Legend()) {
        texts << item.text;
    }
    for (const AlmanacLine& line : night_->almanac) {
        texts << (line.kind == AlmanacLine::Kind::Entry ? line.label + QLatin1Char(' ') + line.value : line.label);
    }
    return texts;
}

QString NightChart::NowText() const
{
    return tr("now %1").arg(ClockReading(*now_));
}

// The night's lines and the present's, while the chart holds it.
std::vector<NightChart::Marker> NightChart::Markers() const
{
    std::vector<Marker> markers = night_->markers;
    if (now_) {
        markers.push_back({*now_, kNowColour, Qt::SolidLine, NowText()});
    }
    return markers;
}

std::vector<NightChart::LegendItem> NightChart::Legend() const
{
    std::vector<LegendItem> items;
    for (const Curve& curve : night_->targets) {
        items.push_back({Swatch::Line, curve.colour, kTargetWidth, Qt::SolidLine, curve.name});
    }
    items.insert(items.end(), {
        {Swatch::MoonLine, kMoonColour, kMoonWidth, Qt::DashLine, tr("Moon")},
        {Swatch::MoonEvents, kMoonColour, 1, Qt::SolidLine, tr("moonrise, moonset")},
        {Swatch::Line, kTwilightColour, kMarkerWidth, Qt::DashLine, night_->twilightText},
        {Swatch::Line, kCalculationColour, kMarkerWidth, Qt::SolidLine, night_->calculationText},
    });
    if (now_) {
        items.push_back({Swatch::Line, kNowColour, kMarkerWidth, Qt::SolidLine, NowText()});
    }
    for (const SkyLook& look : kSkyLooks) {
        items.push_back({Swatch::Fill, look.colour, 0, Qt::SolidLine, Tr(look.name)});
    }
    return items;
}

// The lines first, the shades of the sky from a row of their own.
std::vector<QRectF> NightChart::PlaceLegend(const std::vector<LegendItem>& items, const QFontMetricsF& metrics,
                                            double width)
{
    QStringList texts;
    for (const LegendItem& item : items) {
        texts << item.text;
    }
    const auto firstShade = std::ranges::find(items, Swatch::Fill, &LegendItem::swatch);
    return FlowLegend(texts, firstShade - items.begin(), metrics, width);
}

// The title across the top; the almanac down the right; the legend at the
// bottom left; the plot between, with its altitude and air-mass scales
// beside it, the sidereal hours above it and the local and universal hours
// below it.
NightChart::Frame NightChart::FrameOf(const QFontMetricsF& metrics, const QSizeF& size, double panelWidth) const
{
    Frame frame;
    frame.line = metrics.height();
    frame.scaleRoom = frame.line + metrics.horizontalAdvance(QStringLiteral("90\u00b0")) + kTick + 12;
    frame.rowGap = std::max(kTick, frame.line / 2) + 2;
    frame.title = QRectF(kMargin, kMargin, size.width() - 2 * kMargin, frame.line * 1.5);
    const double top = frame.title.bottom() + frame.line / 2;
    frame.panel = QRectF(size.width() - kMargin - panelWidth, top, panelWidth, size.height() - kMargin - top);
    const double left = kMargin + frame.scaleRoom;
    const double right = frame.panel.left() - kPanelGap;
    const std::vector<QRectF> places = PlaceLegend(Legend(), metrics, right - left);
    const double legendHeight = places.empty() ? 0 : places.back().bottom();
    frame.legend = QRectF(left, size.height() - kMargin - legendHeight, right - left, legendHeight);
    const double plotTop = top + frame.line + frame.rowGap;
    const double plotBottom = frame.legend.top() - frame.line / 2 - 2 * frame.line - frame.rowGap;
    frame.plot = QRectF(QPointF(left, plotTop), QPointF(right - frame.scaleRoom, plotBottom));
    return frame;
}

// Wide enough for the almanac beside a plot of the least size, and high
// enough for all of the almanac or for the plot, whichever needs more.
void NightChart::UpdateMinimumSize()
{
    const double panelWidth = AlmanacWidth(night_->almanac, font(), this);
    const QFontMetricsF metrics(font(), this);
    const Frame least = FrameOf(metrics, QSizeF(0, 0), panelWidth);
    const double width = 2 * kMargin + 2 * least.scaleRoom + kLeastPlotWidth + kPanelGap + panelWidth;
    const Frame narrowest = FrameOf(metrics, QSizeF(width, 0), panelWidth);
    const double forPlot = kLeastPlotHeight - narrowest.plot.height();
    const double forPanel = narrowest.panel.top() + AlmanacHeight(night_->almanac, font(), this, panelWidth) + kMargin;
    setMinimumSize(int(std::ceil(width)), int(std::ceil(std::max(forPlot, forPanel))));
}

bool NightChart::SaveImage(const QString& path, ImageFormat format, const QString& title) const
{
    return SaveDrawing(path, format, size(), logicalDpiY(), devicePixelRatioF(), title,
                       [this](QPainter& painter, const QSizeF& size) { Paint(painter, size); });
}

void NightChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, size());
}

void NightChart::Paint(QPainter& painter, const QSizeF& size) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    painter.fillRect(QRectF(QPointF(0, 0), size), palette().window());
    painter.setPen(palette().windowText().color());
    if (!night_) {
        painter.drawText(QRectF(QPointF(0, 0), size).adjusted(kMargin, kMargin, -kMargin, -kMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, message_);
        painter.restore();
        return;
    }
    const QFontMetricsF metrics(font(), painter.device());
    const double panelWidth =
        std::min(AlmanacWidth(night_->almanac, font(), painter.device()), size.width() * kPanelShare);
    const Frame frame = FrameOf(metrics, size, panelWidth);
    // Hours to the right, degrees of altitude up.
    const QRectF& plot = frame.plot;
    const double perHour = plot.width() / (night_->to - night_->from);
    const double perDegree = plot.height() / kTopAltitude;
    const QTransform toPlot(perHour, 0, 0, -perDegree, plot.left() - night_->from * perHour, plot.bottom());

    PaintTitle(painter, frame);
    PaintPlot(painter, frame, toPlot);
    PaintAltitudeScales(painter, frame, toPlot);
    PaintTimeRows(painter, frame, toPlot);
    PaintMoonEvents(painter, toPlot);
    PaintCurveNames(painter, frame, toPlot);
    PaintMarkers(painter, frame, toPlot);
    PaintLegend(painter, frame);
    painter.setPen(palette().windowText().color());
    PaintAlmanac(painter, frame.panel, night_->almanac);
    painter.restore();
}

void NightChart::PaintTitle(QPainter& painter, const Frame& frame) const
{
    QFont bold = font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    const QFontMetricsF metrics(bold, painter.device());
    painter.drawText(frame.title, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(night_->title, Qt::ElideRight, frame.title.width()));
    painter.restore();
}

// The sky's bands, a faint grid at every 10 degrees and every local hour,
// the Moon's curve and the target's over them, and a frame.
void NightChart::PaintPlot(QPainter& painter, const Frame& frame, const QTransform& toPlot) const
{
    const QRectF& plot = frame.plot;
    for (const auto& [band, colour] : night_->sky) {
        painter.fillRect(toPlot.mapRect(band).intersected(plot), colour);
    }
    painter.setPen(Pen(kGridColour, 1));
    for (double altitude = kAltitudeStep; altitude < kTopAltitude; altitude += kAltitudeStep) {
        const double y = toPlot.map(QPointF(night_->from, altitude)).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    for (const auto& [hours, hourOfDay] : night_->local) {
        const double x = toPlot.map(QPointF(hours, 0)).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    const QPainterPath moon = toPlot.map(night_->moon);
    painter.strokePath(moon, Pen(kMoonEdge, kMoonEdgeWidth));
    painter.strokePath(moon, Pen(kMoonColour, kMoonWidth, Qt::DashLine));
    for (const Curve& curve : night_->targets) {
        painter.strokePath(toPlot.map(curve.path), Pen(curve.colour, kTargetWidth));
    }
    painter.setPen(Pen(palette().windowText().color(), 1));
    painter.drawRect(plot);
}

// Altitude every 10 degrees on the left, the air mass where it has its
// marked values on the right, each scale named upward along its side.
void NightChart::PaintAltitudeScales(QPainter& painter, const Frame& frame, const QTransform& toPlot) const
{
    const QRectF& plot = frame.plot;
    const double labelRoom = frame.scaleRoom - frame.line - kTick - 6;
    const auto label = [&](double x, double y, const QString& text, Qt::Alignment side) {
        painter.drawText(QRectF(x, y - frame.line / 2, labelRoom, frame.line), side | Qt::AlignVCenter, text);
    };
    for (double altitude = 0; altitude <= kTopAltitude; altitude += kAltitudeStep) {
        const double y = toPlot.map(QPointF(night_->from, altitude)).y();
        painter.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        label(plot.left() - kTick - 3 - labelRoom, y, QStringLiteral("%1\u00b0").arg(altitude), Qt::AlignRight);
    }
    for (const auto& [airMass, altitude] : airMassScale_) {
        const double y = toPlot.map(QPointF(night_->from, altitude)).y();
        painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + kTick, y));
        label(plot.right() + kTick + 3, y, QString::number(airMass, 'f', airMass < 2 ? 1 : 0), Qt::AlignLeft);
    }
    const double middle = plot.center().y();
    PaintUpward(painter, QPointF(kMargin + frame.line / 2, middle), plot.height(), frame.line, tr("altitude"));
    PaintUpward(painter, QPointF(plot.right() + frame.scaleRoom - frame.line / 2, middle), plot.height(), frame.line,
                tr("air mass"));
}

// The local sidereal time above the plot, ticked on its top edge; the local
// time below it, ticked on its bottom edge; the universal time under that.
// Each row labels whole hours of its own scale, every hour or every few
// where the labels would crowd, and none that would stand past the plot's
// ends; its name stands at its left.
void NightChart::PaintTimeRows(QPainter& painter, const Frame& frame, const QTransform& toPlot) const
{
    const QRectF& plot = frame.plot;
    const QFontMetricsF metrics(font(), painter.device());
    const double labelWidth = metrics.horizontalAdvance(QStringLiteral("00"));
    const double perHour = toPlot.m11();
    const auto apart = [&](int s) { return s * perHour >= labelWidth + 2 * metrics.averageCharWidth(); };
    const auto found = std::ranges::find_if(kHourSteps, apart);
    const int step = found == std::ranges::end(kHourSteps) ? kHourSteps[std::size(kHourSteps) - 1] : *found;
    const struct {
        const Ticks& ticks;
        double top;
        double tickFrom, tickTo;  // the tick's ends, or none
        QString name;
    } rows[] = {
        {night_->sidereal, plot.top() - frame.rowGap - frame.line, plot.top() - kTick, plot.top(), tr("LST")},
        {night_->local, plot.bottom() + frame.rowGap, plot.bottom(), plot.bottom() + kTick, tr("local")},
        {night_->universal, plot.bottom() + frame.rowGap + frame.line, 0, 0, tr("UT")},
    };
    for (const auto& row : rows) {
        painter.drawText(QRectF(kMargin, row.top, frame.scaleRoom - kTick - 3, frame.line),
                         Qt::AlignRight | Qt::AlignVCenter, row.name);
        for (const auto& [hours, hourOfDay] : row.ticks) {
            const double x = toPlot.map(QPointF(hours, 0)).x();
            if (row.tickTo > row.tickFrom) {
                painter.drawLine(QPointF(x, row.tickFrom), QPointF(x, row.tickTo));
            }
            const QRectF box(x - labelWidth, row.top, 2 * labelWidth, frame.line);
            if (hourOfDay % step == 0 && x - labelWidth / 2 >= plot.left() && x + labelWidth / 2 <= plot.right()) {
                painter.drawText(box, Qt::AlignCenter, QStringLiteral("%1").arg(hourOfDay, 2, 10, QLatin1Char('0')));
            }
        }
    }
}

void NightChart::PaintMoonEvents(QPainter& painter, const QTransform& toPlot) const
{
    const double size = QFontMetricsF(font(), painter.device()).height() * kMoonSymbolSize;
    for (const auto& [hours, rising] : night_->moonEvents) {
        if (hours >= night_->from && hours <= night_->to) {
            PaintMoonSymbol(painter, toPlot.map(QPointF(hours, 0)), size, rising);
        }
    }
}

// Each named curve's name in its colour in a dark box above its highest
// point, kept within the plot and lowered past the names placed before it.
void NightChart::PaintCurveNames(QPainter& painter, const Frame& frame, const QTransform& toPlot) const
{
    const QRectF& plot = frame.plot;
    const QFontMetricsF metrics(font(), painter.device());
    std::vector<QRectF> placed;
    for (const Curve& curve : night_->targets) {
        if (!curve.namedAt) {
            continue;
        }
        const QPointF at = toPlot.map(*curve.namedAt);
        QRectF box(0, 0, metrics.horizontalAdvance(curve.name) + 8, frame.line + 4);
        box.moveCenter(QPointF(at.x(), at.y() - box.height() / 2 - 4));
        const double rightmost = std::max(plot.left() + 1, plot.right() - box.width() - 1);
        box.moveLeft(std::clamp(box.left(), plot.left() + 1, rightmost));
        box.moveTop(std::max(box.top(), plot.top() + 1));
        while (std::ranges::any_of(placed, [&box](const QRectF& other) { return other.intersects(box); })) {
            box.translate(0, box.height() + 2);
        }
        placed.push_back(box);
        painter.fillRect(box, kLabelBox);
        painter.setPen(curve.colour);
        painter.drawText(box, Qt::AlignCenter, curve.name);
    }
}

// Each line's label in a dark box at its top, beside the line (before it
// near the plot's right end), on the first row where it covers no other.
void NightChart::PaintMarkers(QPainter& painter, const Frame& frame, const QTransform& toPlot) const
{
    const QRectF& plot = frame.plot;
    const QFontMetricsF metrics(font(), painter.device());
    std::vector<QRectF> placed;
    for (const Marker& marker : Markers()) {
        const double x = toPlot.map(QPointF(marker.hours, 0)).x();
        painter.setPen(Pen(marker.colour, kMarkerWidth, marker.style));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        QRectF box(0, 0, metrics.horizontalAdvance(marker.label) + 8, frame.line + 4);
        box.moveLeft(x + box.width() + 4 > plot.right() ? std::max(plot.left() + 1, x - box.width() - 3) : x + 3);
        box.moveTop(plot.top() + 4);
        while (std::ranges::any_of(placed, [&box](const QRectF& other) { return other.intersects(box); })) {
            box.translate(0, box.height() + 2);
        }
        placed.push_back(box);
        painter.fillRect(box, kLabelBox);
        painter.setPen(marker.colour);
        painter.drawText(box, Qt::AlignCenter, marker.label);
    }
}

void NightChart::PaintLegend(QPainter& painter, const Frame& frame) const
{
    const QFontMetricsF metrics(font(), painter.device());
    const std::vector<LegendItem> items = Legend();
    const std::vector<QRectF> places = PlaceLegend(items, metrics, frame.legend.width());
    const QColor text = palette().windowText().color();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const LegendItem& item = items[i];
        const QRectF place = places[i].translated(frame.legend.topLeft());
        const QRectF swatch(place.left(), place.center().y() - frame.line / 2 + 2, kSwatch, frame.line - 4);
        const QPointF left(swatch.left() + 2, swatch.center().y());
        const QPointF right(swatch.right() - 2, swatch.center().y());
        painter.fillRect(swatch, item.swatch == Swatch::Fill ? item.colour : kSkyLooks[3].colour);
        if (item.swatch == Swatch::MoonLine) {
            painter.setPen(Pen(kMoonEdge, kMoonEdgeWidth));
            painter.drawLine(left, right);
        }
        if (item.swatch == Swatch::Line || item.swatch == Swatch::MoonLine) {
            painter.setPen(Pen(item.colour, item.penWidth, item.style));
            painter.drawLine(left, right);
        }
        if (item.swatch == Swatch::MoonEvents) {
            const double size = frame.line * kMoonSymbolSize;
            const double y = swatch.center().y() + size / 2;
            PaintMoonSymbol(painter, QPointF(swatch.left() + swatch.width() / 3, y), size, true);
            PaintMoonSymbol(painter, QPointF(swatch.right() - swatch.width() / 3, y), size, false);
        }
        painter.setPen(text);
        const QRectF label = place.adjusted(kSwatch + metrics.averageCharWidth(), 0, 0, 0);
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
}

}  // namespace orvexal
