#include "night/almanac.h"

#include <numeric>

#include "astro/sidereal_time.h"
#include "night/observing_night.h"

namespace orvexal {

double TotalHours(const Intervals& intervals)
{
    return std::accumulate(intervals.begin(), intervals.end(), 0.0,
                           [](double sum, const Interval& i) { return sum + (i.to - i.from); });
}

Almanac ComputeAlmanac(const NightInputs& inputs)
{
    const ObservingNight night(inputs.site, inputs.localMidnight, inputs.twilight);
    Almanac almanac;
    almanac.midnightJd = inputs.localMidnight;
    almanac.siderealAtMidnight = LocalSiderealTime(inputs.localMidnight, inputs.site.longitudeWestDeg);
    almanac.dark = night.Dark();
    almanac.sun = night.Sun();
    almanac.moon = night.Moon();
    almanac.target = night.Target(inputs.target, TargetOfDate(inputs), ObservingNight::ThresholdsOf({}));
    return almanac;
}

}  // namespace orvexal
