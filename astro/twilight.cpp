#include "astro/twilight.h"

#include <cmath>

#include "astro/sidereal_time.h"
#include "numbers/packed.h"

namespace orvexal {
namespace {

// The twilight searches' own degrees per radian.
constexpr double kDegreesPerRadian = 57.29577951;

// Guard against a value a hair below a whole unit losing it.
constexpr double kGuard = 1e-7;

// Search windows, days from local midnight jd0: dawn 00:00 to 09:00, dusk
// 16:00 of the evening before to 01:00.
constexpr double kDawnEarly = 0;
constexpr double kDawnLate = 0.375;
constexpr double kDuskEarly = -0.33333333333333;
constexpr double kDuskLate = 1.0 / 24;

// Twelve halvings of the nine-hour window leave 9 h / 4096 = 7.91 s.
constexpr int kHalvings = 12;

constexpr double kHoursPerDay = 24;
constexpr double kDegreesPerHour = 15;

struct SunForSearch {
    double longitude;  // degrees, + to the west
    double latitude;   // degrees, + to the north
    double ra;         // hours
    double dec;        // degrees
};

// Sine of the Sun's altitude at the trial JD t.
double SineAltitude(const SunForSearch& sun, double t)
{
    const double h = LocalSiderealTime(t, sun.longitude) - sun.ra;
    return std::sin(DegToRad(sun.dec)) * std::sin(DegToRad(sun.latitude))
           + (std::cos(DegToRad(sun.latitude)) * std::cos(DegToRad(sun.dec)))
                 * std::cos(DegToRad(kDegreesPerHour * h));
}

// Bisection of the window [a, b]; `stillEarly` tells from the sine of the
// altitude at the midpoint whether the crossing lies later. The answer is
// the last midpoint, not the centre of the final interval.
template <typename StillEarly>
double Bisect(const SunForSearch& sun, double a, double b, StillEarly stillEarly)
{
    double m = 0;
    for (int i = 0; i < kHalvings; ++i) {
        m = (b + a) / 2;
        if (stillEarly(SineAltitude(sun, m))) {
            a = m;
        } else {
            b = m;
        }
    }
    return m;
}

SunForSearch Prepare(double longitude, double latitude, float sunRA, float sunDec)
{
    return {longitude, latitude, PackedToDecimal(sunRA), PackedToDecimal(sunDec)};
}

}  // namespace

double PackedToDecimal(double x)
{
    const double s = SignOf(x);
    const double a = std::fabs(x);
    const double d = std::trunc(a + kGuard);
    const double m = std::trunc((a - d + kGuard) * 100);
    const float sec = static_cast<float>((a - d) * 10000 - m * 100);
    return s * ((m / 60 + d) + sec / 3600.0);
}

float DecimalToPacked(double x)
{
    const double s = SignOf(x);
    const double a = std::fabs(x);
    const double d = std::trunc(a + kGuard);
    const double m = std::trunc((a - d + kGuard) * 60);
    const float sec = static_cast<float>(((a - d) * 60 - m) * 60);
    return static_cast<float>(s * (d + (m + sec / 100.0) / 100));
}

double DegToRad(double x)
{
    return x / kDegreesPerRadian;
}

float DawnTime(double longitude, double latitude, double h0, double jd0, float sunRA, float sunDec)
{
    const SunForSearch sun = Prepare(longitude, latitude, sunRA, sunDec);
    const double s0 = std::sin(DegToRad(h0));
    const double m = Bisect(sun, jd0 + kDawnEarly, jd0 + kDawnLate,
                            [s0](double sineAltitude) { return sineAltitude < s0; });
    return DecimalToPacked((m - jd0) * kHoursPerDay);
}

float DuskTime(double longitude, double latitude, double h0, double jd0, float sunRA, float sunDec)
{
    const SunForSearch sun = Prepare(longitude, latitude, sunRA, sunDec);
    const double s0 = std::sin(DegToRad(h0));
    const double m = Bisect(sun, jd0 + kDuskEarly, jd0 + kDuskLate,
                            [s0](double sineAltitude) { return sineAltitude > s0; });
    return DecimalToPacked(kHoursPerDay - (jd0 - m) * kHoursPerDay);
}

}  // namespace orvexal
