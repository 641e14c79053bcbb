#include "night/target_path.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "night/crossings.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// A sidereal time brought into 0 up to 24 hours.
double Hours24(double hours)
{
    return WrapToPeriod(hours, kHoursPerDay);
}

// The hour angle, sidereal hours, in -12 up to 12.
double HourAngle(double lstHours, double raHours)
{
    return Hours24(lstHours - raHours + kHoursPerDay / 2) - kHoursPerDay / 2;
}

}  // namespace

SiderealClock::SiderealClock(double localMidnight, double longitudeWestDeg)
    : localMidnight_(localMidnight), longitudeHours_(longitudeWestDeg / kDegreesPerHour)
{
    const double start = JdOfNightHours(localMidnight, kNightStartHours);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        days_[i] = SiderealDayOf(start + static_cast<double>(i));
    }
}

double SiderealClock::LstHours(double nightHours) const
{
    const double jd = JdOfNightHours(localMidnight_, nightHours);
    return LocalSiderealTime(SiderealDayOf(jd), jd, longitudeHours_);
}

// Within each civil day the sidereal time is gmst0 + ut * rate - longitude:
// it reads lst after ((lst + longitude - gmst0) mod 24) / rate hours of
// universal time, and again a sidereal day later when that is still the
// same day.
NightHours SiderealClock::HoursShowing(double lstHours) const
{
    const double siderealDay = kHoursPerDay / kSiderealHoursPerHour;
    NightHours hours;
    for (const SiderealDay& day : days_) {
        for (double ut = Hours24(lstHours + longitudeHours_ - day.gmstAtStart) / kSiderealHoursPerHour;
             ut < kHoursPerDay; ut += siderealDay) {
            const double h = NightHoursOf(localMidnight_, day.start + ut / kHoursPerDay);
            if (h >= kNightStartHours && h < kNightEndHours) {
                hours.Add(h);
            }
        }
    }
    return hours;
}

void NightHours::Add(double hours)
{
    double* at = std::upper_bound(hours_.data(), hours_.data() + count_, hours);
    std::copy_backward(at, hours_.data() + count_, hours_.data() + count_ + 1);
    *at = hours;
    ++count_;
}

TargetTurn::TargetTurn(EquatorialPlace place, double latitudeNorthDeg)
    : raHours_(place.rightAscension / kRadiansPerDegree / kDegreesPerHour),
      sinProduct_(std::sin(latitudeNorthDeg * kRadiansPerDegree) * std::sin(place.declination)),
      cosProduct_(std::cos(latitudeNorthDeg * kRadiansPerDegree) * std::cos(place.declination))
{
}

double TargetTurn::HalfArc(double trueAltitudeDeg) const
{
    const double cosH = (std::sin(trueAltitudeDeg * kRadiansPerDegree) - sinProduct_) / cosProduct_;
    if (!(cosH < 1)) {  // also at a pole, where cos phi cos delta is 0
        return sinProduct_ >= std::sin(trueAltitudeDeg * kRadiansPerDegree) ? kHoursPerDay / 2 : 0;
    }
    if (cosH <= -1) {
        return kHoursPerDay / 2;
    }
    return std::acos(cosH) / kRadiansPerDegree / kDegreesPerHour;
}

double TargetTurn::SineOfAltitude(double lstHours) const
{
    return sinProduct_ + cosProduct_ * std::cos((lstHours - raHours_) * kDegreesPerHour * kRadiansPerDegree);
}

AltitudePassage PassageAbove(const SiderealClock& clock, const TargetTurn& target, double trueAltitudeDeg)
{
    const double arc = target.HalfArc(trueAltitudeDeg);
    const Interval night{kNightStartHours, kNightEndHours};
    if (arc == 0 || arc == kHoursPerDay / 2) {
        return {arc == 0 ? Intervals{} : Intervals{night}, {}, {}};
    }
    AltitudePassage passage;
    passage.up = clock.HoursShowing(target.RightAscensionHours() - arc);
    passage.down = clock.HoursShowing(target.RightAscensionHours() + arc);
    std::vector<Crossing> crossings;
    crossings.reserve(passage.up.end() - passage.up.begin() + (passage.down.end() - passage.down.begin()));
    for (const double h : passage.up) {
        crossings.push_back({h, true});
    }
    for (const double h : passage.down) {
        crossings.push_back({h, false});
    }
    std::ranges::sort(crossings, {}, &Crossing::hours);
    const bool aboveAtStart =
        std::fabs(HourAngle(clock.LstHours(kNightStartHours), target.RightAscensionHours())) <= arc;
    passage.above = StretchesOnSide(aboveAtStart, crossings, true, night);
    return passage;
}

NightHours Culminations(const SiderealClock& clock, const TargetTurn& target)
{
    return clock.HoursShowing(target.RightAscensionHours());
}

}  // namespace orvexal
