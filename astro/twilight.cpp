#include "astro/twilight.h"

#include <cmath>
#include <optional>

#include "astro/sidereal_time.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Degrees to radians with the searches' own constant.
double DegToRad(double x)
{
    return x / kTwilightDegreesPerRadian;
}

// Search windows, days from local midnight jd0: dawn 00:00 to 09:00, dusk
// 16:00 of the evening before to 01:00.
constexpr double kDawnEarly = 0;
constexpr double kDawnLate = 0.375;
constexpr double kDuskEarly = -0.33333333333333;
constexpr double kDuskLate = 1.0 / 24;

// Twelve halvings of the nine-hour window leave 9 h / 4096 = 7.91 s.
constexpr int kHalvings = 12;

// Sidereal days per solar day: the Sun's hour angle (with the Sun held at
// one place) turns this much faster than the clock.
constexpr double kSiderealRate = kTwilightSiderealHoursPerHour;

// Half a sidereal day, in days: from the Sun's upper to its lower
// culmination.
constexpr double kHalfSiderealDay = 0.5 / kSiderealRate;

constexpr double kHoursPerHalfDay = 12;

// The Sun held at one place, seen from the site. Its altitude's sine is
// p + q cos H: p = sin(dec) sin(latitude), q = cos(latitude) cos(dec), worked
// out once for the whole search.
struct SunForSearch {
    double longitude;  // hours, + to the west
    double ra;         // hours
    double p;
    double q;
};

// The Sun's hour angle at the JD t of a civil day.
double HourAngle(const SunForSearch& sun, const SiderealDay& day, double t)
{
    return LocalSiderealTime(day, t, sun.longitude) - sun.ra;
}

// Sine of the Sun's altitude at the trial JD t of a civil day.
double SineAltitude(const SunForSearch& sun, const SiderealDay& day, double t)
{
    return sun.p + sun.q * std::cos(DegToRad(kDegreesPerHour * HourAngle(sun, day, t)));
}

double SineAltitude(const SunForSearch& sun, double t)
{
    return SineAltitude(sun, SiderealDayOf(t), t);
}

// Whether the Sun, held at its place, crosses the altitude whose sine is s0
// at all in a day: its altitude swings between the sines p - q (lower
// culmination) and p + q (upper culmination).
bool CrossesInADay(const SunForSearch& sun, double s0)
{
    return sun.q > 0 && sun.p - sun.q <= s0 && sun.p + sun.q >= s0;
}

// The Sun's lower culmination nearest local midnight jd0: its hour angle
// there is 12 h, reached after 12 - H(jd0) sidereal hours, taken in
// (-12, 12].
double LowerCulmination(const SunForSearch& sun, double jd0)
{
    double r = kHoursPerHalfDay - HourAngle(sun, SiderealDayOf(jd0), jd0);
    r -= kHoursPerDay * std::ceil((r - kHoursPerHalfDay) / kHoursPerDay);
    return jd0 + r / kHoursPerDay / kSiderealRate;
}

// A search: its designed window, in days from local midnight jd0, and the
// way the Sun moves through h0.
struct Search {
    double early;
    double late;
    bool rising;
};

constexpr Search kDawn{kDawnEarly, kDawnLate, true};
constexpr Search kDusk{kDuskEarly, kDuskLate, false};

// Whether the Sun, at the sine of its altitude, has still to cross s0.
bool StillEarly(const Search& search, double sineAltitude, double s0)
{
    return search.rising ? sineAltitude < s0 : sineAltitude > s0;
}

// Bisection of [a, b] for the crossing. The answer is the last midpoint,
// not the centre of the final interval; when the midpoint is exactly at
// s0 the late end moves.
double Bisect(const SunForSearch& sun, const Search& search, double s0, double a, double b)
{
    double m = 0;
    SiderealDay day = SiderealDayOf(a);
    for (int i = 0; i < kHalvings; ++i) {
        m = (b + a) / 2;
        day = SiderealDayOf(m, day);
        if (StillEarly(search, SineAltitude(sun, day, m), s0)) {
            a = m;
        } else {
            b = m;
        }
    }
    return m;
}

// The JD of the crossing, or none when the Sun stays on one side of h0 all
// day. The designed window is searched when it holds the crossing; when it
// does not (high latitudes, deep twilights) the half sidereal day between
// the Sun's culminations on that side of the lower culmination nearest jd0,
// which always holds it.
std::optional<double> Crossing(const SunForSearch& sun, const Search& search, double h0, double jd0)
{
    const double s0 = std::sin(DegToRad(h0));
    if (!CrossesInADay(sun, s0)) {
        return std::nullopt;
    }
    double a = jd0 + search.early;
    double b = jd0 + search.late;
    if (!StillEarly(search, SineAltitude(sun, a), s0) || StillEarly(search, SineAltitude(sun, b), s0)) {
        const double lower = LowerCulmination(sun, jd0);
        a = search.rising ? lower : lower - kHalfSiderealDay;
        b = search.rising ? lower + kHalfSiderealDay : lower;
    }
    return Bisect(sun, search, s0, a, b);
}

SunForSearch Prepare(double longitudeWestDeg, double latitudeNorthDeg, double sunRaHours, double sunDecDeg)
{
    return {longitudeWestDeg / kDegreesPerHour, sunRaHours,
            std::sin(DegToRad(sunDecDeg)) * std::sin(DegToRad(latitudeNorthDeg)),
            std::cos(DegToRad(latitudeNorthDeg)) * std::cos(DegToRad(sunDecDeg))};
}

}  // namespace

std::optional<double> DawnTime(double longitudeWestDeg, double latitudeNorthDeg, double h0, double jd0,
                               double sunRaHours, double sunDecDeg)
{
    const auto m = Crossing(Prepare(longitudeWestDeg, latitudeNorthDeg, sunRaHours, sunDecDeg), kDawn, h0, jd0);
    if (!m) {
        return std::nullopt;
    }
    return (*m - jd0) * kHoursPerDay;
}

std::optional<double> DuskTime(double longitudeWestDeg, double latitudeNorthDeg, double h0, double jd0,
                               double sunRaHours, double sunDecDeg)
{
    const auto m = Crossing(Prepare(longitudeWestDeg, latitudeNorthDeg, sunRaHours, sunDecDeg), kDusk, h0, jd0);
    if (!m) {
        return std::nullopt;
    }
    return kHoursPerDay - (jd0 - *m) * kHoursPerDay;
}

}  // namespace orvexal
