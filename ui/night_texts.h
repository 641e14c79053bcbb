// The texts of the Night window, made from the night's typed values
// (night/inputs.h, night/almanac.h): clock times to the minute, durations,
// angles, the almanac's lines, the chart's title, the name its image is
// saved under and the message for a latitude off the Earth.
#pragma once

#include <QString>
#include <vector>

#include "night/almanac.h"

namespace orvexal {

// The night's hours as a clock time to the nearest minute: 22.5 and 46.5
// both as "22:30", 23.9999 as "00:00".
QString ClockText(double nightHours);

// The same, the minute begun, as a clock shows the present: 28.8136 ("04:48:49")
// as "04:48".
QString ClockReading(double nightHours);

// Hours as "3 h 25 min", to the nearest minute.
QString DurationText(double hours);

// Degrees to a tenth: "56.3°", "−15.2°".
QString DegreesText(double degrees);

// A limit of altitude as typed or named, without decimals it does not have:
// "−12°", "30°", "−10.5°".
QString LimitText(double degrees);

// A night's evening as "2024-12-15".
QString NightDateText(const CivilDate& date);

// A right ascension in hours as "5h 35m 17s", a declination in degrees as
// "−5° 23′ 28″", each to the nearest second.
QString RightAscensionText(double hours);
QString DeclinationText(double degrees);

// One line of the almanac: a heading, a label with its value, or a phrase
// (its label alone).
struct AlmanacLine {
    enum class Kind { Heading, Entry, Phrase };
    Kind kind = Kind::Entry;
    QString label;
    QString value;
};

// The almanac in clock times, under the headings Sun, Moon, Target and
// Night: the Sun's passages (sunset to sunrise, "none" where the Sun does
// not pass that altitude in the night); the Moon's rise and set in their
// order and its phase; the target's rise, culmination and set in their
// order, or whether it never rises or never sets, its highest point, its
// time high and the Moon's least distance from it in the dark time; the dark
// hours and the local sidereal time at midnight.
std::vector<AlmanacLine> AlmanacLines(const NightInputs& inputs, const Almanac& almanac);

// The same without the target: the Sun, the Moon and the night, for a
// chart of other targets.
std::vector<AlmanacLine> SkyAlmanacLines(const NightInputs& inputs, const Almanac& almanac);

// "Kestrine Astr. Observatory — night of 2026-12-04 — RA 11h 11m 11s,
// Dec +22° 13′ 20″ (2000.000)".
QString NightTitle(const NightInputs& inputs);

// "La Palma — night of 2024-12-15 — 5 targets", for a chart of a list's
// targets (without the count when none is charted).
QString TargetsTitle(const NightInputs& inputs, int targets);

// The name an image of the night is offered under, without an extension:
// the site and the evening's date, "Kestrine Astr. Observatory 2026-12-04",
// with the characters that file systems refuse in a name replaced by "_".
QString ImageBaseName(const NightInputs& inputs);

// Why a site has no night to chart: its latitude lies beyond a pole.
QString LatitudeMessage(double latitudeNorthDeg);

}  // namespace orvexal
