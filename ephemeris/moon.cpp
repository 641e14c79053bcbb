#include "ephemeris/moon.h"

#include <cmath>
#include <cstddef>

#include "astro/angles.h"
#include "ephemeris/apparent_sidereal_time.h"
#include "ephemeris/delta_t.h"
#include "ephemeris/ecliptic.h"
#include "ephemeris/illuminated_fraction.h"
#include "ephemeris/nutation.h"
#include "ephemeris/apparent_sun.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Meeus, eqs. 47.1 to 47.5: the Moon's mean longitude L', the mean
// elongation D, the Sun's mean anomaly M, the Moon's mean anomaly M' and
// its argument of latitude F; degrees and degrees per century^n, n = 0..4.
constexpr double kMeanLongitude[] = {218.3164477, 481267.88123421, -0.0015786, 1.0 / 538841, -1.0 / 65194000};
constexpr double kElongation[] = {297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868, -1.0 / 113065000};
constexpr double kSunAnomaly[] = {357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000, 0};
constexpr double kMoonAnomaly[] = {134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699, -1.0 / 14712000};
constexpr double kLatitudeArgument[] = {93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000, 1.0 / 863310000};

// The arguments of the additive terms: A1 (Venus), A2 (Jupiter), A3;
// degrees and degrees per century.
constexpr double kA1[] = {119.75, 131.849};
constexpr double kA2[] = {53.09, 479264.290};
constexpr double kA3[] = {313.45, 481266.484};

// Eq. 47.6: the eccentricity factor E of the Earth's orbit, which scales
// terms in M once and terms in 2M twice.
constexpr double kEccentricityFactor[] = {1, -0.002516, -0.0000074};

constexpr double kMeanDistanceKm = 385000.56;

// One periodic term: the multiples of D, M, M', F in its argument, and its
// coefficients, in 1e-6 degree for longitude and latitude, in 1e-3 km for
// the distance (cosine).
struct LongitudeDistanceTerm {
    signed char d, m, mp, f;
    int longitude;
    int distance;
};
struct LatitudeTerm {
    signed char d, m, mp, f;
    int latitude;
};

// Table 47.A: longitude (sine) and distance (cosine).
constexpr LongitudeDistanceTerm kLongitudeDistanceTerms[] = {
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
};

// Table 47.B: latitude (sine).
constexpr LatitudeTerm kLatitudeTerms[] = {
    {0, 0, 0, 1, 5128122},
    {0, 0, 1, 1, 280602},
    {0, 0, 1, -1, 277693},
    {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},
    {2, 0, -1, -1, 46271},
    {2, 0, 0, 1, 32573},
    {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},
    {0, 0, 2, -1, 8822},
    {2, -1, 0, -1, 8216},
    {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},
    {2, 1, 0, -1, -3359},
    {2, -1, -1, 1, 2463},
    {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065},
    {0, 1, -1, -1, -1870},
    {4, 0, -1, -1, 1828},
    {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},
    {0, 1, -1, 1, -1565},
    {1, 0, 0, 1, -1491},
    {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},
    {0, 1, 0, -1, -1344},
    {1, 0, 0, -1, -1335},
    {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},
    {4, 0, -1, 1, 833},
    {0, 0, 1, -3, 777},
    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},
    {2, 0, 2, -1, 596},
    {2, -1, 1, -1, 491},
    {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},
    {2, 0, 2, 1, 422},
    {2, 0, -3, -1, 421},
    {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},
    {4, 0, 0, 1, 331},
    {2, -1, 1, 1, 315},
    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},
    {2, 1, 1, -1, -229},
    {1, 1, 0, -1, 223},
    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},
    {2, 1, -1, -1, -220},
    {1, 0, 1, 1, -185},
    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},
    {4, 0, -2, -1, 176},
    {4, -1, -1, -1, 166},
    {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},
    {1, 0, -1, -1, -119},
    {4, -1, 0, -1, 115},
    {2, -2, 0, 1, 107},
};

// The additive terms that follow the tables in Meeus, ch. 47: 1e-6 degree.
constexpr double kVenusLongitude = 3958;           // sin A1
constexpr double kFlatteningLongitude = 1962;      // sin (L' - F)
constexpr double kJupiterLongitude = 318;          // sin A2
constexpr double kFlatteningLatitude = -2235;      // sin L'
constexpr double kA3Latitude = 382;                // sin A3
constexpr double kVenusLatitude = 175;             // sin (A1 - F) and sin (A1 + F)
constexpr double kAnomalyLatitude = 127;           // sin (L' - M')
constexpr double kAnomalySumLatitude = -115;       // sin (L' + M')
constexpr double kMicrodegree = 1e-6 * kRadiansPerDegree;

// A polynomial in t of up to five coefficients, degrees, as radians.
template <std::size_t N>
double Angle(const double (&c)[N], double t)
{
    double sum = 0;
    for (std::size_t i = N; i-- > 0;) {
        sum = sum * t + c[i];
    }
    return sum * kRadiansPerDegree;
}

// The fundamental arguments at one instant, radians, and E.
struct Arguments {
    double d, m, mp, f;
    double eccentricity;

    double Of(int dk, int mk, int mpk, int fk) const { return dk * d + mk * m + mpk * mp + fk * f; }
    // E to the power |multiple of M|, 0, 1 or 2, by multiplication: the
    // same values as std::pow (checked on 20 million E), at half the cost
    // of the whole series.
    double Scale(int mk) const
    {
        if (mk == 0) {
            return 1;
        }
        return mk == 1 || mk == -1 ? eccentricity : eccentricity * eccentricity;
    }
};

}  // namespace

MoonEcliptic MoonMeanEclipticPlace(double jdTt)
{
    const double t = (jdTt - kJ2000) / kDaysPerCentury;
    const double meanLongitude = Angle(kMeanLongitude, t);
    const Arguments a{Angle(kElongation, t), Angle(kSunAnomaly, t), Angle(kMoonAnomaly, t),
                      Angle(kLatitudeArgument, t),
                      kEccentricityFactor[0] + t * (kEccentricityFactor[1] + t * kEccentricityFactor[2])};

    double longitude = 0;  // 1e-6 degree
    double distance = 0;   // 1e-3 km
    for (const auto& term : kLongitudeDistanceTerms) {
        const double argument = a.Of(term.d, term.m, term.mp, term.f);
        const double scale = a.Scale(term.m);
        longitude += scale * term.longitude * std::sin(argument);
        distance += scale * term.distance * std::cos(argument);
    }
    double latitude = 0;  // 1e-6 degree
    for (const auto& term : kLatitudeTerms) {
        latitude += a.Scale(term.m) * term.latitude * std::sin(a.Of(term.d, term.m, term.mp, term.f));
    }

    const double a1 = Angle(kA1, t);
    const double a2 = Angle(kA2, t);
    const double a3 = Angle(kA3, t);
    longitude += kVenusLongitude * std::sin(a1) + kFlatteningLongitude * std::sin(meanLongitude - a.f)
                 + kJupiterLongitude * std::sin(a2);
    latitude += kFlatteningLatitude * std::sin(meanLongitude) + kA3Latitude * std::sin(a3)
                + kVenusLatitude * (std::sin(a1 - a.f) + std::sin(a1 + a.f))
                + kAnomalyLatitude * std::sin(meanLongitude - a.mp)
                + kAnomalySumLatitude * std::sin(meanLongitude + a.mp);

    const double lambda = WrapToPeriod(meanLongitude + longitude * kMicrodegree, kRadiansPerTurn);
    return {{lambda, latitude * kMicrodegree}, kMeanDistanceKm + distance / 1000};
}

GeocentricPlace MoonApparentPlace(double jdUt)
{
    const double jdTt = TerrestrialTime(jdUt);
    const MoonEcliptic mean = MoonMeanEclipticPlace(jdTt);
    const Nutation nutation = NutationAt(jdTt);
    const EclipticPlace apparent{mean.ecliptic.longitude + nutation.inLongitude, mean.ecliptic.latitude};
    return {EquatorialFromEcliptic(apparent, nutation.TrueObliquity()), mean.distanceKm};
}

TopocentricPlace MoonTopocentricPlace(double jdUt, Observer observer)
{
    const Nutation nutation = NutationAt(TerrestrialTime(jdUt));
    return TopocentricFromGeocentric(MoonApparentPlace(jdUt), observer,
                                     GreenwichApparentSiderealTime(jdUt, nutation));
}

double MoonIlluminatedFraction(double jdUt)
{
    return IlluminatedFraction(MoonApparentPlace(jdUt), SunApparentPlace(jdUt));
}

}  // namespace orvexal
