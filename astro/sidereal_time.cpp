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
constexpr double kSiderealRate = 1.00273790934;  // sidereal hours per UT hour

}  // namespace

float LocalSiderealTime(double jd, double longitude)
{
    const double j0 = std::floor(jd + 0.5) - 0.5;  // 0h UT of the civil day containing jd
    const double t = (j0 - kJ2000) / kDaysPerCentury;
    const double gmst0 = (t * kGmstA2 * t) + (t * kGmstA1 + kGmstA0) - (t * kGmstA3 * t * t);
    const double ut = (jd - j0) * kHoursPerDay;
    double gst = ut * kSiderealRate + gmst0;
    if (gst > kHoursPerDay) {
        gst = WrapToPeriod(gst, kHoursPerDay);
        if (gst == 0) {
            gst = kHoursPerDay;  // whole days past 24 h come down to 24 h, not 0
        }
    } else if (gst < 0) {
        gst = WrapToPeriod(gst, kHoursPerDay);
    }
    double lst = gst - longitude / kDegreesPerHour;
    if (lst < 0) {
        lst += kHoursPerDay;
    }
    if (lst > kHoursPerDay) {
        lst -= kHoursPerDay;
    }
    return static_cast<float>(lst);
}

}  // namespace orvexal
