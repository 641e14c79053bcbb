#include "ui/night_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <ranges>

#include "numbers/units.h"

namespace orvexal {
namespace {

// Whole units of the day, for the integer arithmetic of clock texts.
constexpr long kDayMinutes = long(kMinutesPerDay);
constexpr long kHourMinutes = long(kMinutesPerHour);
constexpr long kMinuteSeconds = long(kSecondsPerMinute);
constexpr long kHourSeconds = long(kSecondsPerHour);

constexpr double kPercent = 100;

const QChar kMinus(0x2212);

QString Tr(const char* text)
{
    return QCoreApplication::translate("NightTexts", text);
}

QString TwoDigits(long value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// Minutes counted from a midnight as "HH:MM" of the day.
QString MinutesOfDay(long minutes)
{
    const long ofDay = ((minutes % kDayMinutes) + kDayMinutes) % kDayMinutes;
    return TwoDigits(ofDay / kHourMinutes) + QLatin1Char(':') + TwoDigits(ofDay % kHourMinutes);
}

// A number with a true minus sign.
QString Signed(const QString& number)
{
    QString text = number;
    return text.replace(QLatin1Char('-'), kMinus);
}

// The value in whole units and sixtieths, to the nearest second, with the
// three unit marks: "5h 35m 17s", "+22° 13′ 20″".
QString Sexagesimal(double value, const QString& units, bool withSign)
{
    const long seconds = std::lround(std::abs(value) * kSecondsPerHour);
    const QString sign = !withSign ? QString() : (value < 0 && seconds > 0 ? QString(kMinus) : QStringLiteral("+"));
    return QStringLiteral("%1%2%3 %4%5 %6%7")
        .arg(sign)
        .arg(seconds / kHourSeconds)
        .arg(units[0])
        .arg(TwoDigits(seconds / kMinuteSeconds % kMinuteSeconds), units.mid(1, 1))
        .arg(TwoDigits(seconds % kMinuteSeconds), units.mid(2, 1));
}

QString EventTime(const std::optional<double>& hours)
{
    return hours ? ClockText(*hours) : Tr("none");
}

AlmanacLine Heading(const QString& text)
{
    return {AlmanacLine::Kind::Heading, text, {}};
}

AlmanacLine Phrase(const QString& text)
{
    return {AlmanacLine::Kind::Phrase, text, {}};
}

AlmanacLine Entry(const QString& label, const QString& value)
{
    return {AlmanacLine::Kind::Entry, label, value};
}

// Events of a body in the order they happen in the night, those that do not
// happen last.
struct Event {
    QString label;
    std::optional<double> hours;
    QString note;  // after the time
};

void AddInOrder(std::vector<AlmanacLine>& lines, std::vector<Event> events)
{
    std::ranges::stable_sort(events, [](const Event& a, const Event& b) {
        return a.hours.has_value() && (!b.hours || *a.hours < *b.hours);
    });
    for (const Event& event : events) {
        lines.push_back(Entry(event.label, EventTime(event.hours) + (event.hours ? event.note : QString())));
    }
}

// The limits of the Sun's altitude named in the almanac, degrees, from the
// horizon down.
constexpr double kTwilightLimits[] = {kCivilTwilightAltitude, kNauticalTwilightAltitude,
                                      kAstronomicalTwilightAltitude};

// Where the Sun does not reach a limit all night (or all day), a phrase that
// says so; none where it sets and reaches astronomical night.
std::optional<QString> SunPhrase(const SunAlmanac& sun)
{
    if (sun.lowest > kSunsetAltitude) {
        return Tr("the Sun does not set (midnight sun)");
    }
    if (sun.highest < kSunsetAltitude) {
        for (const double limit : std::views::reverse(kTwilightLimits)) {
            if (sun.highest < limit) {
                return Tr("the Sun stays below %1 all day").arg(LimitText(limit));
            }
        }
        return Tr("the Sun does not rise (polar night)");
    }
    for (const double limit : kTwilightLimits) {
        if (sun.lowest > limit) {
            return Tr("the Sun stays above %1 all night").arg(LimitText(limit));
        }
    }
    return std::nullopt;
}

void AddSun(std::vector<AlmanacLine>& lines, const SunAlmanac& sun)
{
    lines.push_back(Heading(Tr("Sun")));
    const std::pair<const char*, std::optional<double>> passages[] = {
        {"sunset", sun.horizon.dusk},
        {"civil dusk", sun.civil.dusk},
        {"nautical dusk", sun.nautical.dusk},
        {"astronomical dusk", sun.astronomical.dusk},
        {"astronomical dawn", sun.astronomical.dawn},
        {"nautical dawn", sun.nautical.dawn},
        {"civil dawn", sun.civil.dawn},
        {"sunrise", sun.horizon.dawn},
    };
    for (const auto& [label, hours] : passages) {
        lines.push_back(Entry(Tr(label), EventTime(hours)));
    }
    if (const std::optional<QString> phrase = SunPhrase(sun)) {
        lines.push_back(Phrase(*phrase));
    }
}

void AddMoon(std::vector<AlmanacLine>& lines, const MoonAlmanac& moon)
{
    lines.push_back(Heading(Tr("Moon")));
    if (!moon.rise && !moon.set) {
        lines.push_back(Phrase(moon.aboveAtMidnight ? Tr("the Moon is up all night")
                                                    : Tr("the Moon is below the horizon all night")));
    } else {
        AddInOrder(lines, {{Tr("moonrise"), moon.rise, {}}, {Tr("moonset"), moon.set, {}}});
    }
    lines.push_back(Entry(Tr("phase"), Tr("%1 % lit, %2")
                                           .arg(std::lround(moon.illuminatedFraction * kPercent))
                                           .arg(moon.waxing ? Tr("waxing") : Tr("waning"))));
}

void AddTarget(std::vector<AlmanacLine>& lines, const Almanac& almanac)
{
    const TargetAlmanac& target = almanac.target;
    lines.push_back(Heading(Tr("Target")));
    const QString transitAltitude = QStringLiteral(" (%1)").arg(DegreesText(target.transitAltitude));
    if (target.path == TargetPath::RisesAndSets) {
        AddInOrder(lines, {{Tr("rises"), target.rise, {}},
                           {Tr("transit"), target.transit, transitAltitude},
                           {Tr("sets"), target.set, {}}});
    } else {
        lines.push_back(Phrase(target.path == TargetPath::NeverRises ? Tr("never rises")
                                                                     : Tr("never sets (circumpolar)")));
        AddInOrder(lines, {{Tr("transit"), target.transit, transitAltitude}});
    }
    const bool dark = !almanac.dark.empty();
    const QString at = Tr("%1 at %2");
    lines.push_back(Entry(dark ? Tr("highest in the dark") : Tr("highest in the night"),
                          at.arg(DegreesText(target.highest.altitude), ClockText(target.highestAt))));
    if (dark) {
        lines.push_back(Entry(Tr("above %1 in the dark").arg(LimitText(kHighAltitude)),
                              DurationText(TotalHours(target.windows))));
    }
    lines.push_back(
        Entry(Tr("Moon nearest"), at.arg(DegreesText(target.moonLeastDistance), ClockText(target.moonLeastAt))));
}

void AddNight(std::vector<AlmanacLine>& lines, const NightInputs& inputs, const Almanac& almanac)
{
    lines.push_back(Heading(Tr("Night")));
    lines.push_back(
        Entry(Tr("dark, Sun below %1").arg(LimitText(inputs.twilight)), DurationText(TotalHours(almanac.dark))));
    lines.push_back(Entry(Tr("moonless, Sun below %1").arg(LimitText(kAstronomicalTwilightAltitude)),
                          DurationText(almanac.moon.darkHoursWithoutMoon)));
    lines.push_back(Entry(Tr("LST at midnight"), ClockText(almanac.siderealAtMidnight)));
}

}  // namespace

QString ClockText(double nightHours)
{
    return MinutesOfDay(std::lround(nightHours * kMinutesPerHour));
}

QString ClockReading(double nightHours)
{
    return MinutesOfDay(static_cast<long>(std::floor(nightHours * kMinutesPerHour)));
}

QString DurationText(double hours)
{
    const long minutes = std::lround(hours * kMinutesPerHour);
    return Tr("%1 h %2 min").arg(minutes / kHourMinutes).arg(minutes % kHourMinutes);
}

QString DegreesText(double degrees)
{
    return Signed(QString::number(degrees, 'f', 1)) + QChar(0x00b0);
}

QString LimitText(double degrees)
{
    return Signed(QString::number(degrees, 'g', 6)) + QChar(0x00b0);
}

QString NightDateText(const CivilDate& date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year, 4, 10, QLatin1Char('0'))
        .arg(TwoDigits(date.month), TwoDigits(date.day));
}

QString RightAscensionText(double hours)
{
    return Sexagesimal(hours, QStringLiteral("hms"), false);
}

QString DeclinationText(double degrees)
{
    return Sexagesimal(degrees, QStringLiteral("\u00b0\u2032\u2033"), true);
}

std::vector<AlmanacLine> AlmanacLines(const NightInputs& inputs, const Almanac& almanac)
{
    std::vector<AlmanacLine> lines;
    AddSun(lines, almanac.sun);
    AddMoon(lines, almanac.moon);
    AddTarget(lines, almanac);
    AddNight(lines, inputs, almanac);
    return lines;
}

std::vector<AlmanacLine> SkyAlmanacLines(const NightInputs& inputs, const Almanac& almanac)
{
    std::vector<AlmanacLine> lines;
    AddSun(lines, almanac.sun);
    AddMoon(lines, almanac.moon);
    AddNight(lines, inputs, almanac);
    return lines;
}

QString NightTitle(const NightInputs& inputs)
{
    const double raHours = inputs.target.rightAscension * kDegreesPerRadian / kDegreesPerHour;
    const double decDegrees = inputs.target.declination * kDegreesPerRadian;
    return Tr("%1 \u2014 night of %2 \u2014 RA %3, Dec %4 (%5)")
        .arg(QString::fromStdString(inputs.labels.site).trimmed(), NightDateText(inputs.evening),
             RightAscensionText(raHours), DeclinationText(decDegrees),
             QString::number(inputs.targetEpoch, 'g', 8));
}

QString TargetsTitle(const NightInputs& inputs, int targets)
{
    const QString night = Tr("%1 \u2014 night of %2")
                              .arg(QString::fromStdString(inputs.labels.site).trimmed(), NightDateText(inputs.evening));
    if (targets == 0) {
        return night;
    }
    return night + QStringLiteral(" \u2014 ") + (targets == 1 ? Tr("1 target") : Tr("%1 targets").arg(targets));
}

QString ImageBaseName(const NightInputs& inputs)
{
    static const QRegularExpression kRefused(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString site = QString::fromStdString(inputs.labels.site).trimmed();
    site.replace(kRefused, QStringLiteral("_"));
    return (site.isEmpty() ? Tr("night") : site) + QLatin1Char(' ') + NightDateText(inputs.evening);
}

QString LatitudeMessage(double latitudeNorthDeg)
{
    return Tr("The latitude %1 is beyond %2: there is no night to chart.")
        .arg(DeclinationText(latitudeNorthDeg),
             LimitText(kPoleLatitude));
}

}  // namespace orvexal
