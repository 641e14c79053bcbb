#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "astro/angular_distance.h"
#include "astro/delta_t.h"
#include "astro/illuminated_fraction.h"
#include "astro/moon.h"
#include "astro/solar_coordinates.h"

namespace orvexal {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kArcminute = kDegree / 60;

// The universal time of an instant given in Terrestrial Time, as the worked
// examples are.
double UtOf(double jdTt) { return jdTt - DeltaTSeconds(jdTt) / 86400; }

// Meeus, Astronomical Algorithms, 2nd ed., example 47.a: 1992 April 12, 0h TT.
constexpr double kExample47 = 2448724.5;

TEST(Moon, MeeusExample47a)
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
}

TEST(Moon, SunOfMeeusExample25a)
{
    const GeocentricPlace sun = SunApparentPlace(UtOf(2448908.5));  // 1992 October 13, 0h TT
    EXPECT_NEAR(sun.equatorial.rightAscension / kDegree, 198.38083, 1e-3);
    EXPECT_NEAR(sun.equatorial.declination / kDegree, -7.78507, 1e-3);
    EXPECT_NEAR(sun.distanceKm / 149597870.7, 0.99766, 1e-5);
}

TEST(Moon, IlluminatedFraction)
{
    // Example 48.a from its published places: the Moon of example 47.a and
    // the Sun at 1h 22m 37.9s, +8 41' 47", 149971520 km.
    const GeocentricPlace moon{{134.6885 * kDegree, 13.7684 * kDegree}, 368410};
    const GeocentricPlace sun{{20.6579 * kDegree, 8.6964 * kDegree}, 149971520};
    EXPECT_NEAR(IlluminatedFraction(moon, sun), 0.6786, 5e-5);

    struct Case {
        const char* what;
        double jdUt;
        double low, high;
    };
    const Case cases[] = {
        {"example 48.a, 1992 April 12 0h TT", UtOf(kExample47), 0.6784, 0.6788},
        {"full moon 2024 March 25 07:00 UT, penumbral eclipse", 2460394.791667, 0.999, 1},
        {"new moon 2024 April 8 18:21 UT, total solar eclipse", 2460409.264583, 0, 0.001},
        {"first quarter 2024 April 15 19:13 UT", 2460416.300694, 0.49, 0.51},
    };
    for (const Case& c : cases) {
        const double k = MoonIlluminatedFraction(c.jdUt);
        EXPECT_GE(k, c.low) << c.what;
        EXPECT_LE(k, c.high) << c.what;
    }
}

TEST(Moon, TotalSolarEclipseOf2024April8)
{
    // At conjunction the Moon passes 0.35 deg north of the Sun's centre seen
    // from the Earth's centre ...
    const double conjunction = 2460409.264583;  // 18:21 UT
    EXPECT_LT(AngularDistance(MoonApparentPlace(conjunction).equatorial, SunApparentPlace(conjunction).equatorial),
              0.5 * kDegree);

    // ... but covers it seen from the point of greatest eclipse, 25 17.4' N
    // 104 08.3' W, at 18:17:20 UT, with the Sun 69.8 deg high.
    const double greatest = 2460409.262037;
    const TopocentricPlace moon = MoonTopocentricPlace(greatest, {104.138, 25.29});
    EXPECT_LT(AngularDistance(moon.equatorial, SunApparentPlace(greatest).equatorial), 1 * kArcminute);
    EXPECT_NEAR(moon.altitude / kDegree, 69.8, 0.1);
}

TEST(Moon, ParallaxOfMarsMeeusExample40a)
{
    // Mars from Palomar, 7h 47m 27s west, 33 21' 22" north (its height of
    // 1706 m moves Mars by less than 0.01"), at apparent sidereal time
    // 1h 40m 45s: from 22h 38m 07.25s, -15 46' 15.9" to 22h 38m 08.54s,
    // -15 46' 30.0".
    const GeocentricPlace mars{{339.530208 * kDegree, -15.771083 * kDegree}, 0.37276 * 149597870.7};
    const Observer palomar{(7 + 47 / 60.0 + 27 / 3600.0) * 15, 33 + 21 / 60.0 + 22 / 3600.0};
    const double siderealTime = (1 + 40 / 60.0 + 45 / 3600.0) * 15 * kDegree;
    const TopocentricPlace seen = TopocentricFromGeocentric(mars, palomar, siderealTime);
    EXPECT_NEAR(seen.equatorial.rightAscension / kDegree, (22 + 38 / 60.0 + 8.54 / 3600) * 15, 0.01 / 3600 * 15);
    EXPECT_NEAR(seen.equatorial.declination / kDegree, -(15 + 46 / 60.0 + 30.0 / 3600), 0.1 / 3600);
}

TEST(Moon, ParallaxOfAMoonOnTheHorizon)
{
    // A horizontal parallax of 0.95 deg: the Moon, geocentrically on the
    // horizon, appears lower by the parallax (by atan sin pi, 0.94987 deg, at
    // the equator; at the pole the radius is smaller by 1/298.257); it
    // shifts along the horizon, in right ascension at the equator, not in
    // declination; in the zenith nothing moves.
    const double distanceKm = 6378.14 / std::sin(0.95 * kDegree);
    struct Case {
        const char* what;
        double latitude, hourAngle, declination;  // degrees
        double altitude, rightAscensionShift, declinationShift;  // degrees
    };
    const Case cases[] = {
        {"equator, setting", 0, 90, 0, -0.94987, -0.94987, 0},
        {"equator, rising", 0, -90, 0, -0.94987, 0.94987, 0},
        {"equator, zenith", 0, 0, 0, 90, 0, 0},
        {"north pole", 90, 30, 0, -0.94669, 0, -0.94669},
    };
    for (const Case& c : cases) {
        // Greenwich sidereal time for the hour angle at longitude 0; right
        // ascension 10 deg.
        const GeocentricPlace body{{10 * kDegree, c.declination * kDegree}, distanceKm};
        const TopocentricPlace seen = TopocentricFromGeocentric(body, {0, c.latitude}, (10 + c.hourAngle) * kDegree);
        EXPECT_NEAR(seen.altitude / kDegree, c.altitude, 1e-4) << c.what;
        EXPECT_NEAR((seen.equatorial.rightAscension / kDegree - 10), c.rightAscensionShift, 1e-4) << c.what;
        EXPECT_NEAR((seen.equatorial.declination / kDegree - c.declination), c.declinationShift, 1e-4) << c.what;
    }
}

}  // namespace
}  // namespace orvexal
