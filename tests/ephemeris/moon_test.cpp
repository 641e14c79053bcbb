#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ephemeris/angular_distance.h"
#include "ephemeris/apparent_sidereal_time.h"
#include "ephemeris/delta_t.h"
#include "ephemeris/illuminated_fraction.h"
#include "ephemeris/moon.h"
#include "ephemeris/nutation.h"
#include "ephemeris/apparent_sun.h"

namespace orvexal {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

constexpr double kArcsecond = kDegree / 3600;

// The universal time of an instant given in Terrestrial Time, as the worked
// examples are (Meeus, Astronomical Algorithms, 2nd ed.).
double UtOf(double jdTt) { return jdTt - DeltaTSeconds(jdTt) / 86400; }

constexpr double kExample47 = 2448724.5;  // 1992 April 12, 0h TT
constexpr double kExample22 = 2446895.5;  // 1987 April 10, 0h, also of examples 12

TEST(DeltaT, FollowsTheObservedValuesAndItsPiecesJoin)
{
    // Observed TT - UT1 at the start of the year (Astronomical Almanac), and
    // the polynomials of 500-1600, 1600-1700 and -500-500 worked exactly in
    // rational arithmetic from their published coefficients.
    const std::tuple<double, double, double> values[] = {
        // year, seconds, tolerance
        {1950, 29.15, 1}, {1970, 40.18, 1}, {1990, 56.86, 1}, {2010, 66.07, 1},
        {1500, 198.3211828125, 1e-6}, {1650, 50.194015991, 1e-6}, {250, 8163.063847876, 1e-6},
        {-500.5, 17211.1048, 1e-6},  // before the polynomials: the long-term parabola
    };
    for (const auto& [year, seconds, tolerance] : values) {
        EXPECT_NEAR(DeltaTSeconds(2451545.0 + (year - 2000) * 365.25), seconds, tolerance) << year;
    }
    EXPECT_NEAR((TerrestrialTime(2451545.0) - 2451545.0) * 86400, 63.86, 1e-3);
    // Each polynomial ends within 0.25 s of where the next begins, as
    // published; a wrong coefficient shows as a step.
    for (double year : {-500.0, 500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0,
                        2005.0, 2050.0, 2150.0}) {
        const double jd = 2451545.0 + (year - 2000) * 365.25;
        EXPECT_NEAR(DeltaTSeconds(jd - 365.25e-6), DeltaTSeconds(jd), 0.3) << year;
    }
}

TEST(Nutation, MeeusExamples22aAnd12)
{
    // The full series gives -3.788" and +9.443"; the short one is stated
    // good to 0.5" and 0.1".
    const Nutation n = NutationAt(kExample22);
    EXPECT_NEAR(n.inLongitude / kArcsecond, -3.788, 0.5);
    EXPECT_NEAR(n.inObliquity / kArcsecond, 9.443, 0.1);
    // The short series itself, worked to the last digit from its four terms.
    EXPECT_NEAR(n.inLongitude / kArcsecond, -3.862767, 1e-5);
    EXPECT_NEAR(n.inObliquity / kArcsecond, 9.467984, 1e-5);
    EXPECT_NEAR(n.meanObliquity / kArcsecond, 84387.407, 0.001);  // 23 26' 27.407"
    EXPECT_NEAR(n.TrueObliquity() / kArcsecond, 84396.850, 0.1);   // 23 26' 36.850"
    // 2000 June 21, 0h, with the Sun's longitude near 90 deg: the full IAU 1980
    // series (erfa's nut80) gives -15.4243" and -4.5655".
    const Nutation june = NutationAt(2451716.5);
    EXPECT_NEAR(june.inLongitude / kArcsecond, -15.4243, 0.5);
    EXPECT_NEAR(june.inObliquity / kArcsecond, -4.5655, 0.1);
    const std::pair<double, double> siderealTimes[] = {
        // JD (UT), seconds of time since 0h
        {kExample22, 13 * 3600 + 10 * 60 + 46.1351},  // 12.a, apparent
        // 12.b, mean 8h 34m 57.0896s, with the equation of the equinoxes of 12.a
        {kExample22 + (19 + 21 / 60.0) / 24, 8 * 3600 + 34 * 60 + 57.0896 - 0.2317},
    };
    for (const auto& [jdUt, seconds] : siderealTimes) {
        const double st = GreenwichApparentSiderealTime(jdUt, NutationAt(jdUt));
        EXPECT_NEAR(st / (2 * std::numbers::pi) * 86400, seconds, 0.01) << jdUt;
    }
}

TEST(AngularDistance, WorkedValues)
{
    const std::tuple<const char*, double, double, double, double, double, double> cases[] = {
        // RA and Dec of both places, the distance, its tolerance; degrees
        {"Arcturus to Spica, example 17.a", 213.9154, 19.1825, 201.2983, -11.1614, 32.7930, 1e-4},
        {"across the pole", 0, 89.99, 180, 89.99, 0.02, 1e-12},
        {"antipodes", 10, -20, 190, 20, 180, 1e-12},
        // 0.001" apart, where the cosine formula has no digits left.
        {"one milliarcsecond", 100, 20, 100, 20 + 1 / 3.6e6, 1 / 3.6e6, 1e-14},
    };
    for (const auto& [what, ra1, dec1, ra2, dec2, degrees, tolerance] : cases) {
        const EquatorialPlace a{ra1 * kDegree, dec1 * kDegree};
        const EquatorialPlace b{ra2 * kDegree, dec2 * kDegree};
        EXPECT_NEAR(AngularDistance(a, b) / kDegree, degrees, tolerance) << what;
        EXPECT_NEAR(AngularDistance(b, a) / kDegree, degrees, tolerance) << what;
    }
}

TEST(Moon, MeeusExamples47aAnd25a)
{
    const MoonEcliptic mean = MoonMeanEclipticPlace(kExample47);
    EXPECT_NEAR(mean.ecliptic.longitude / kDegree, 133.162655, 2e-6);
    EXPECT_NEAR(mean.ecliptic.latitude / kDegree, -3.229126, 2e-6);
    EXPECT_NEAR(mean.distanceKm, 368409.7, 0.1);
    // The apparent place, with the short nutation series (0.5").
    const GeocentricPlace apparent = MoonApparentPlace(UtOf(kExample47));
    EXPECT_NEAR(apparent.equatorial.rightAscension / kDegree, 134.688470, 2e-4);
    EXPECT_NEAR(apparent.equatorial.declination / kDegree, 13.768368, 2e-4);
    EXPECT_NEAR(apparent.distanceKm, 368409.7, 0.1);
    // The Sun of example 25.a, 1992 October 13, 0h TT: Meeus gives 198.38083
    // and -7.78507 deg with his shorter nutation and aberration; with the
    // short nutation series and -20.4898"/R, worked in double precision from
    // the published terms, 198.38050571 and -7.78499437.
    const GeocentricPlace sun = SunApparentPlace(UtOf(2448908.5));
    EXPECT_NEAR(sun.equatorial.rightAscension / kDegree, 198.38050571, 1e-7);
    EXPECT_NEAR(sun.equatorial.declination / kDegree, -7.78499437, 1e-7);
    EXPECT_NEAR(sun.distanceKm / 149597870.7, 0.99766195, 1e-8);
}

TEST(Moon, WholeSeriesAgainstAnIndependentTranscription)
{
    // astropy 5.2's transcription of the same series: the terms inside
    // orbital_elements.calc_moon(Time(jd, format="jd", scale="tdb")), read
    // before it adds nutation and changes the frame, with eqs. 47.1-47.5 at
    // their published precision (astropy rounds them to nine digits); it
    // agrees to 1e-10 deg and 1e-7 km. At these instants (1934.0, 2034.0,
    // 2075.75, 2080.0) a unit more in any coefficient of the tables moves a
    // result by nine tolerances at least.
    const std::tuple<double, double, double, double> places[] = {
        // JD (TT); longitude, latitude, degrees; distance, km
        {2427438.5, 101.284915530938, 3.218818604432, 406401.5544872},
        {2463963.5, 49.988929955231, -3.399015258409, 367927.6771463},
        {2479212.6875, 99.693237660395, -0.042682675753, 404053.5394391},
        {2480765.0, 24.929161331791, 0.598070340448, 378371.6046756},
    };
    for (const auto& [jdTt, longitude, latitude, distanceKm] : places) {
        const MoonEcliptic moon = MoonMeanEclipticPlace(jdTt);
        EXPECT_NEAR(moon.ecliptic.longitude / kDegree, longitude, 1e-8) << jdTt;
        EXPECT_NEAR(moon.ecliptic.latitude / kDegree, latitude, 1e-8) << jdTt;
        EXPECT_NEAR(moon.distanceKm, distanceKm, 1e-4) << jdTt;
    }
}

TEST(Moon, IlluminatedFraction)
{
    // Example 48.a from its published places: the Moon of example 47.a and
    // the Sun at 1h 22m 37.9s, +8 41' 47", 149971520 km.
    const GeocentricPlace moon{{134.6885 * kDegree, 13.7684 * kDegree}, 368410};
    const GeocentricPlace sun{{20.6579 * kDegree, 8.6964 * kDegree}, 149971520};
    EXPECT_NEAR(IlluminatedFraction(moon, sun), 0.6786, 5e-5);
    const std::tuple<const char*, double, double, double> cases[] = {
        {"example 48.a, 1992 April 12 0h TT", UtOf(kExample47), 0.6784, 0.6788},
        {"full moon 2024 March 25 07:00 UT, penumbral eclipse", 2460394.791667, 0.999, 1},
        {"new moon 2024 April 8 18:21 UT, total solar eclipse", 2460409.264583, 0, 0.001},
    };
    for (const auto& [what, jdUt, low, high] : cases) {
        const double k = MoonIlluminatedFraction(jdUt);
        EXPECT_TRUE(k >= low && k <= high) << what << ": " << k;
    }
}

TEST(Moon, TotalSolarEclipseOf2024April8)
{
    // At conjunction (18:21 UT) the Moon passes 0.35 deg north of the Sun's
    // centre seen from the Earth's centre, but covers it seen from the point
    // of greatest eclipse, 25 17.4' N 104 08.3' W, at 18:17:20 UT, with the
    // Sun 69.8 deg high.
    const double conjunction = 2460409.264583;
    EXPECT_LT(AngularDistance(MoonApparentPlace(conjunction).equatorial, SunApparentPlace(conjunction).equatorial),
              0.5 * kDegree);
    const double greatest = 2460409.262037;
    const TopocentricPlace moon = MoonTopocentricPlace(greatest, {104.138, 25.29});
    EXPECT_LT(AngularDistance(moon.equatorial, SunApparentPlace(greatest).equatorial), kDegree / 60);
    EXPECT_NEAR(moon.altitude / kDegree, 69.8, 0.1);
}

TEST(Moon, ParallaxOfMarsMeeusExample40a)
{
    // Mars from Palomar, 7h 47m 27s west, 33 21' 22" north, at apparent
    // sidereal time 1h 40m 45s: from 22h 38m 07.25s, -15 46' 15.9" to
    // 22h 38m 08.54s, -15 46' 30.0".
    const GeocentricPlace mars{{339.530208 * kDegree, -15.771083 * kDegree}, 0.37276 * 149597870.7};
    const Observer palomar{(7 + 47 / 60.0 + 27 / 3600.0) * 15, 33 + 21 / 60.0 + 22 / 3600.0};
    const double siderealTime = (1 + 40 / 60.0 + 45 / 3600.0) * 15 * kDegree;
    const TopocentricPlace seen = TopocentricFromGeocentric(mars, palomar, siderealTime);
    EXPECT_NEAR(seen.equatorial.rightAscension / kDegree, (22 + 38 / 60.0 + 8.54 / 3600) * 15, 0.01 / 3600 * 15);
    EXPECT_NEAR(seen.equatorial.declination / kDegree, -(15 + 46 / 60.0 + 30.0 / 3600), 0.1 / 3600);
    // A body geocentrically on the horizon of the equator is as far from the
    // observer as the hypotenuse of its distance and the equatorial radius.
    const TopocentricPlace setting = TopocentricFromGeocentric({{0, 0}, 400000}, {0, 0}, 90 * kDegree);
    EXPECT_NEAR(setting.distanceKm, std::hypot(400000, 6378.14), 1e-6);
}

}  // namespace
}  // namespace orvexal
