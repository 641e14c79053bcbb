#include "night/plan.h"

#include <algorithm>

#include "astro/precession.h"
#include "astro/sidereal_time.h"
#include "night/observing_night.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kJ2000Epoch = 2000.0;

TargetPlan PlanOf(const ObservingNight& night, const CatalogPlace& target, double epochOfDate,
                  const ObservingNight::Thresholds& thresholds)
{
    TargetPlan plan;
    plan.placeOfDate =
        Precess(target.epoch, target.place, epochOfDate);
    plan.night = night.Target(plan.placeOfDate, plan.placeOfDate, thresholds);
    plan.bestMoonDistance = night.MoonDistance(plan.placeOfDate, plan.night.highestAt);
    if (!plan.night.windows.empty()) {
        plan.longest = *std::ranges::max_element(plan.night.windows, {}, [](const Interval& i) { return i.to - i.from; });
    }
    return plan;
}

}  // namespace

CatalogPlace CatalogPlaceOf(double raHours, double decDeg, double epochYears)
{
    return {{raHours * kDegreesPerHour * kRadiansPerDegree, decDeg * kRadiansPerDegree}, epochYears};
}

PlanNight PlanNightOf(const NightInputs& inputs)
{
    return {inputs.site, inputs.localMidnight, inputs.twilight};
}

NightPlan PlanTargets(const PlanNight& night, std::span<const CatalogPlace> targets, const TargetLimits& limits)
{
    const ObservingNight observing(night.site, night.localMidnight, night.twilightDeg);
    const double epochOfDate = kJ2000Epoch + (night.localMidnight - kJ2000) / kDaysPerJulianYear;
    NightPlan plan{LocalSiderealTime(night.localMidnight, night.site.longitudeWestDeg), observing.Dark(), observing.Sun(),
                   observing.Moon(), {}};
    const ObservingNight::Thresholds thresholds = ObservingNight::ThresholdsOf(limits);
    plan.targets.reserve(targets.size());
    for (const CatalogPlace& target : targets) {
        plan.targets.push_back(PlanOf(observing, target, epochOfDate, thresholds));
    }
    return plan;
}

}  // namespace orvexal
