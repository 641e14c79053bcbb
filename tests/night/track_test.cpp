#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

#include "numbers/packed.h"
#include "night/track.h"
#include "after_pass.h"

namespace orvexal {
namespace {

NightTrack AfterPass(const std::map<Field, std::string>& typed, double step = kNightStepMinutes)
{
    return ComputeNightTrack(InputsAfterPass(typed), step);
}

// The observing night runs from local noon to local noon: its midnight (JD,
// UT) for instants in zones east and west of Greenwich and at noon exactly,
// and the date of its evening, across a year's end and a leap day.
TEST(NightTrack, MidnightOfTheObservingNight)
{
    const struct {
        const char *zone, *date, *time;
        double midnight;
        int year, month, day;  // the evening
    } cases[] = {
        {"0", "2024.1215", "13", 2460660.5, 2024, 12, 15},  // La Palma, the night of December 15 to 16
        {"0", "2024.1215", "22", 2460660.5, 2024, 12, 15},
        {"0", "2024.1216", "3", 2460660.5, 2024, 12, 15},
        {"0", "2024.1216", "11.5959", 2460660.5, 2024, 12, 15},
        {"0", "2024.1216", "12", 2460661.5, 2024, 12, 16},  // noon begins the next night
        {"8", "2026.1204", "22", 2461379.8333333, 2026, 12, 4},  // 08:00 UT, as searched from the universal date
        {"-5.5", "2025.0115", "21", 2460691.2708333, 2025, 1, 15},  // 18:30 UT
        {"0", "2025.0101", "3", 2460676.5, 2024, 12, 31},
        {"0", "2024.0301", "2", 2460370.5, 2024, 2, 29},
    };
    for (const auto& c : cases) {
        const NightInputs night = InputsAfterPass({{Field::TimeZone, c.zone}, {Field::Date, c.date}, {Field::Time, c.time}});
        EXPECT_NEAR(night.localMidnight, c.midnight, 1e-6) << c.zone << " " << c.date << " " << c.time;
        EXPECT_EQ((std::array{night.evening.year, night.evening.month, night.evening.day}),
                  (std::array{c.year, c.month, c.day})) << c.date << " " << c.time;
    }
}

// Latitudes on the Earth reach the poles and no further.
TEST(NightTrack, LatitudeOnEarth)
{
    const struct {
        double latitude;
        bool onEarth;
    } cases[] = {{90, true}, {-90, true}, {90.0001, false}, {-95.3, false}, {std::nan(""), false}};
    for (const auto& c : cases) {
        EXPECT_EQ(LatitudeOnEarth({0, c.latitude}), c.onEarth) << c.latitude;
    }
}

// astropy 5.2 (FK5 J2000 place to its HADec frame, UTC taken as UT1) puts the
// hour angle 0 at JD 2461380.1016656; here the place is precessed to date.
TEST(NightTrack, MeridianCrossingAsAstropyFindsIt)
{
    const NightTrack night = AfterPass({{Field::NewEpoch, "0"}});
    ASSERT_TRUE(night.meridianCrossing);
    EXPECT_NEAR(night.meridianCrossing->jd, 2461380.1016656, 1.0 / 86400);
    EXPECT_EQ(night.highest.jd, night.meridianCrossing->jd);
    EXPECT_NEAR(night.meridianCrossing->azimuth, 180, 1e-3);  // due south of the zenith
}

// A target 0.3 h past the meridian at dusk is highest at dusk, where the
// dark time begins, not at the chart's first sample an hour before it; its
// culmination is still found, in the evening's daylight.
TEST(NightTrack, CulminatedBeforeDusk)
{
    const NightTrack before = AfterPass({});
    const double dusk = *before.almanac.sun.twilight.dusk;
    const double lst = before.samples.at(6).siderealHours;  // an hour after the first sample
    ASSERT_NEAR(before.samples.at(6).localHours, dusk, 1e-9);
    const float ra = PackDecimal(std::fmod(lst - 0.3 + 24, 24));
    const NightTrack night = AfterPass({{Field::RightAscension, std::to_string(ra)}});
    ASSERT_TRUE(night.meridianCrossing);
    EXPECT_NEAR(night.meridianCrossing->localHours, dusk - 0.3 / 1.0027379, 2.0 / 3600);
    EXPECT_NEAR(night.highest.localHours, dusk, 1.0 / 3600);
    EXPECT_LT(night.highest.altitude, night.meridianCrossing->altitude);
}

// The Moon 81 % lit on 2026 December 19. astropy 5.2 (built-in ephemeris,
// refraction for 1010 hPa, 10 C) gives its topocentric altitude and distance
// from the target (aberration applied to the target: 20") at two instants,
// and the fraction lit at local midnight, JD 2461394.8333333.
TEST(NightTrack, MoonAsAstropySeesIt)
{
    const struct {
        const char* time;
        double jd, altitude, distance;
    } cases[] = {{"18.051552", 2461394.5869852, 45.04695, 123.87297}, {"21.051552", 2461394.7119852, 52.40352, 122.52442}};
    for (const auto& c : cases) {
        const NightTrack night = AfterPass({{Field::Date, "2026.1219"}, {Field::Time, c.time}});
        const NightSample& s = night.observation;
        ASSERT_NEAR(s.jd, c.jd, 1e-6);
        EXPECT_NEAR(s.moonAltitude, c.altitude, 0.005) << c.jd;
        EXPECT_NEAR(s.moonDistance, c.distance, 0.01) << c.jd;
        EXPECT_NEAR(night.almanac.moon.illuminatedFraction, 0.80943, 1e-4);
        EXPECT_LT(night.moonClosest.moonDistance, 122.5);  // closing in through the night
    }
}

// Highest at the culmination, 90 - |latitude - dec| (latitude 53.758028),
// plus 29.8" of refraction above the horizon; every altitude and air mass
// of the night of the sign given.
TEST(NightTrack, CircumpolarAndNeverRisingTargets)
{
    const struct {
        const char* declination;
        double highest, sign;
    } cases[] = {{"80", 63.766306, 1}, {"-60", -23.758028, -1}};
    for (const auto& c : cases) {
        const NightTrack night = AfterPass({{Field::Declination, c.declination}});
        EXPECT_NEAR(night.highest.altitude, c.highest, 1e-3) << c.declination;
        for (const NightSample& s : night.samples) {
            ASSERT_GT(s.altitude * c.sign, 0) << c.declination << " at " << s.localHours;
            ASSERT_GT(s.airMass * c.sign, 0) << c.declination << " at " << s.localHours;
        }
    }
}

// Air mass 2: sec z less Hardie's 0.3 % at 29.9084 deg, raised 1.74' by
// refraction; and back, at the zenith 1 and near the horizon Young's 38.
TEST(NightTrack, AltitudeOfAirMass)
{
    EXPECT_NEAR(AltitudeOfAirMass(2), 29.93748, 1e-4);
    EXPECT_NEAR(AirMassOfAltitude(29.93748), 2, 1e-5);
    EXPECT_NEAR(AirMassOfAltitude(90), 1, 1e-9);
    EXPECT_NEAR(AirMassOfAltitude(0), 38, 0.5);
}

// Another target's curve through the track's samples: the track's own
// target gives its own altitudes; one on the pole stands at the latitude
// (53.758028) raised by refraction (about 0.75' at 53.8 deg) all night.
TEST(NightTrack, AltitudesOfAnotherTarget)
{
    const NightInputs inputs = InputsAfterPass({});
    const NightTrack night = ComputeNightTrack(inputs);
    const std::vector<double> own = AltitudesAt(night.samples, inputs.target, inputs.site.latitudeNorthDeg);
    const std::vector<double> pole = AltitudesAt(night.samples, {0, M_PI / 2}, inputs.site.latitudeNorthDeg);
    ASSERT_EQ(own.size(), night.samples.size());
    for (std::size_t i = 0; i < own.size(); ++i) {
        ASSERT_EQ(own[i], night.samples[i].altitude) << i;
        ASSERT_NEAR(pole[i], 53.758028 + 0.0125, 2e-3) << i;
    }
}

// Midnight sun at 69.65 N; at 88 N the Sun stays below -18 all day.
TEST(NightTrack, WithoutDuskAndDawnChartedNoonToNoon)
{
    const struct {
        const char *latitude, *date;
        Sky sky;
    } cases[] = {{"69.3857", "2026.0621", Sky::Day}, {"88", "2026.1221", Sky::Night}};
    for (const auto& c : cases) {
        const NightTrack night = AfterPass({{Field::Latitude, c.latitude}, {Field::Date, c.date}});
        EXPECT_FALSE(night.almanac.sun.twilight.dusk || night.almanac.sun.twilight.dawn);
        ASSERT_EQ(night.samples.size(), 145u);
        EXPECT_NEAR(night.samples.front().localHours, 12, 1e-6);
        ASSERT_EQ(night.sky.size(), 1u);
        EXPECT_EQ(night.sky[0].sky, c.sky);
    }
}

// A target on the equator setting, every minute, from 10 deg up at 16:05 to
// far below at 19:05: its altitude never rises, and the air mass is negative
// exactly when the altitude is.
TEST(NightTrack, SettingThroughTheHorizon)
{
    const NightTrack night = AfterPass({{Field::RightAscension, "16"}, {Field::Declination, "0"}}, 1);
    EXPECT_GT(night.samples[0].altitude, 10);
    EXPECT_LT(night.samples[180].altitude, -10);
    for (std::size_t i = 1; i <= 180; ++i) {
        const NightSample& s = night.samples[i];
        ASSERT_LE(s.altitude, night.samples[i - 1].altitude) << s.localHours;
        ASSERT_EQ(s.airMass > 0, s.altitude > 0) << s.localHours;
    }
}

// The sky from the Sun at each sample: full night begins and ends where the
// pass puts dusk and dawn for h0 = -18, within the 2 min of time the Sun
// moves in right ascension from 22:00, where the pass holds it, to dawn.
TEST(NightTrack, NightStretchBetweenAstronomicalDuskAndDawn)
{
    const NightTrack night = AfterPass({{Field::Twilight, "-18"}}, 30);
    ASSERT_EQ(night.sky.size(), 5u);  // nautical, astronomical, night, astronomical, nautical
    EXPECT_EQ(night.sky[2].sky, Sky::Night);
    EXPECT_NEAR(night.sky[2].from, *night.almanac.sun.twilight.dusk, 2.0 / 60);
    EXPECT_NEAR(night.sky[2].to, *night.almanac.sun.twilight.dawn, 2.0 / 60);
    EXPECT_NEAR(night.samples[1].localHours - night.samples[0].localHours, 0.5, 1e-6);
    EXPECT_NEAR(night.samples.back().localHours, *night.almanac.sun.twilight.dawn + 1, 1e-6);
}

// The instant of the calculation read back from the fields, in fractional
// and far zones: its local and universal clock times.
TEST(NightTrack, ObservationAsThePassSawIt)
{
    const struct {
        const char *zone, *time;
        double local, universal;
    } cases[] = {{"8", "22", 22, 6}, {"-5.5", "22.3", 22.5, 17}, {"0", "0.15", 0.25, 0.25}, {"-13", "1", 1, 12}};
    for (const auto& c : cases) {
        const NightTrack night = AfterPass({{Field::TimeZone, c.zone}, {Field::Time, c.time}}, 60);
        EXPECT_NEAR(std::fmod(night.observation.localHours, 24), c.local, 1e-6) << c.zone;
        EXPECT_NEAR(night.observation.universalHours, c.universal, 1e-6) << c.zone;
    }
    for (const double step : {0.0, 121.0, std::nan("")}) {
        EXPECT_THROW(AfterPass({}, step), std::invalid_argument) << step;
    }
    // At the least and the largest step the samples are a step apart, and
    // the sky's stretches (several limits crossed within one 2-hour step)
    // follow one another from the first sample to the last.
    for (const double step : {kNightLeastStepMinutes, kNightLargestStepMinutes}) {
        const NightTrack night = AfterPass({{Field::Twilight, "0"}}, step);
        EXPECT_NEAR(night.samples.at(1).localHours - night.samples[0].localHours, step / 60, 1e-6) << step;
        EXPECT_EQ(night.sky.front().from, night.samples.front().localHours) << step;
        EXPECT_EQ(night.sky.back().to, night.samples.back().localHours) << step;
        ASSERT_EQ(night.sky.size(), 9u) << step;  // day, three twilights, night and back
        for (std::size_t i = 0; i < night.sky.size(); ++i) {
            EXPECT_LE(night.sky[i].from, night.sky[i].to) << step << " " << i;
            EXPECT_EQ(static_cast<int>(night.sky[i].sky), i <= 4 ? i : 8 - i) << step << " " << i;
            if (i > 0) {
                EXPECT_EQ(night.sky[i].from, night.sky[i - 1].to) << step << " " << i;
            }
        }
    }
}

}  // namespace
}  // namespace orvexal
