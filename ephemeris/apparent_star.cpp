#include "ephemeris/apparent_star.h"

#include <cmath>

#include "ephemeris/apparent_sun.h"
#include "ephemeris/delta_t.h"
#include "ephemeris/nutation.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kAberrationConstant = 20.49552;  // kappa, arcseconds (Meeus ch. 23)
// The longitude of the Earth's perihelion, degrees: per century and per
// century^2 (Meeus ch. 23).
constexpr double kPerihelion[] = {102.93735, 1.71946, 0.00046};

}  // namespace

StarApparentPlace::StarApparentPlace(double jdUt)
{
    const double jdTt = TerrestrialTime(jdUt);
    const double t = (jdTt - kJ2000) / kDaysPerCentury;
    const Nutation n = NutationAt(jdTt);
    const double c0 = std::cos(n.meanObliquity);
    const double s0 = std::sin(n.meanObliquity);
    const double ct = std::cos(n.TrueObliquity());
    const double st = std::sin(n.TrueObliquity());
    const double cp = std::cos(n.inLongitude);
    const double sp = std::sin(n.inLongitude);
    // R1(-true obliquity) R3(-delta psi) R1(mean obliquity)
    nutation_ = {Direction{cp, -sp * c0, -sp * s0},
                 Direction{sp * ct, cp * c0 * ct + s0 * st, cp * s0 * ct - c0 * st},
                 Direction{sp * st, cp * c0 * st - s0 * ct, cp * s0 * st + c0 * ct}};

    const SunOrbit sun = SunOrbitAt(jdTt);
    const auto& [p0, p1, p2] = kPerihelion;
    const double perihelion = (p0 + t * (p1 + t * p2)) * kRadiansPerDegree;
    const double kappa = kAberrationConstant * kRadiansPerArcsecond;
    const double x = kappa * (std::sin(sun.trueLongitude) - sun.eccentricity * std::sin(perihelion));
    const double y = kappa * (sun.eccentricity * std::cos(perihelion) - std::cos(sun.trueLongitude));
    velocity_ = {x, y * ct, y * st};
}

StarApparentPlace::Direction StarApparentPlace::ApparentDirection(EquatorialPlace meanOfDate) const
{
    const double c = std::cos(meanOfDate.declination);
    const Direction mean{c * std::cos(meanOfDate.rightAscension), c * std::sin(meanOfDate.rightAscension),
                         std::sin(meanOfDate.declination)};
    Direction apparent{};
    for (std::size_t i = 0; i < apparent.size(); ++i) {
        apparent[i] = nutation_[i][0] * mean[0] + nutation_[i][1] * mean[1] + nutation_[i][2] * mean[2]
                      + velocity_[i];
    }
    const double length = std::hypot(apparent[0], apparent[1], apparent[2]);
    for (double& a : apparent) {
        a /= length;
    }
    return apparent;
}

EquatorialPlace StarApparentPlace::operator()(EquatorialPlace meanOfDate) const
{
    const auto [x, y, z] = ApparentDirection(meanOfDate);
    return {std::atan2(y, x), std::asin(z)};
}

}  // namespace orvexal
