#include "astro/sidereal_time.h"

#include <cmath>

#include "astro/angles.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kGmstA0 = 6.697374558;        // GMST at 0h UT at the epoch, hours
constexpr double kGmstA1 = 2400.051336907;     // hours per Julian century
constexpr double kGmstA2 = 2.5862e-5;          // hours per century squared
constexpr double kGmstA3 = 1.72e-9;            // hours per century cubed (subtracted)

}  // namespace

namespace {

double CivilDayStart(double jd)
{
    return std::floor(jd + 0.5) - 0.5;
}

SiderealDay SiderealDayFrom(double j0)
{
    const double t = (j0 - kJ2000) / kDaysPerCentury;
    // The terms grouped and ordered as published: another order changes
    // the last bits, and the single-precision result with them.
    return {j0, (t * kGmstA2 * t) + (t * kGmstA1 + kGmstA0) - (t * kGmstA3 * t * t)};
}

}  // namespace

SiderealDay SiderealDayOf(double jd)
{
    return SiderealDayFrom(CivilDayStart(jd));
}

SiderealDay SiderealDayOf(double jd, const SiderealDay& known)
{
    const double j0 = CivilDayStart(jd);
    return j0 == known.start ? known : SiderealDayFrom(j0);
}

float LocalSiderealTime(const SiderealDay& day, double jd, double longitudeHours)
{
    const double ut = (jd - day.start) * kHoursPerDay;
    double gst = ut * kSiderealHoursPerHour + day.gmstAtStart;
    if (gst > kHoursPerDay) {
        gst = WrapToPeriod(gst, kHoursPerDay);
        if (gst == 0) {
            gst = kHoursPerDay;  // whole days past 24 h come down to 24 h, not 0
        }
    } else if (gst < 0) {
        gst = WrapToPeriod(gst, kHoursPerDay);
    }
    double lst = gst - longitudeHours;
    if (lst < 0) {
        lst += kHoursPerDay;
    }
    if (lst > kHoursPerDay) {
        lst -= kHoursPerDay;
    }
    return static_cast<float>(lst);
}

float LocalSiderealTime(double jd, double longitudeWestDeg)
{
    return LocalSiderealTime(SiderealDayOf(jd), jd, longitudeWestDeg / kDegreesPerHour);
}

}  // namespace orvexal
