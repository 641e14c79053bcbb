#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "after_pass.h"
#include "night/almanac.h"

namespace orvexal {
namespace {

// La Palma (17 52' 48" W, 28 45' 36" N, zone 0), nautical twilight, the
// Orion Nebula at the epoch of the date.
Almanac LaPalma(const char* date, const std::map<Field, std::string>& typed = {})
{
    std::map<Field, std::string> fields{{Field::Longitude, "17.5248"},     {Field::Latitude, "28.4536"},
                                        {Field::TimeZone, "0"},            {Field::Date, date},
                                        {Field::RightAscension, "5.3517"}, {Field::Declination, "-5.2328"},
                                        {Field::NewEpoch, "0"},            {Field::Twilight, "-12"}};
    fields.insert(typed.begin(), typed.end());
    return ComputeAlmanac(InputsAfterPass(fields));
}

constexpr double kSecond = 1.0 / 3600;

// The night of 2024 December 15 to 16, night hours. astropy 5.2 (built-in
// ephemeris, WGS84 at sea level, no refraction): the Sun's centre and the
// Moon's upper limb (its centre at -(34' + semidiameter)) bisected to the
// second; the target at apparent altitude 0 and 30 deg with Saemundsson's
// refraction added to astropy's geometric altitude; its culmination from
// astropy's hour angle; mean sidereal time at 0h UT.
TEST(Almanac, LaPalmaAsAstropySeesIt)
{
    const Almanac a = LaPalma("2024.1215");
    const std::pair<std::optional<double>, double> events[] = {
        {a.sun.horizon.dusk, 18.27504},      {a.sun.civil.dusk, 18.70811},     {a.sun.nautical.dusk, 19.19955},
        {a.sun.astronomical.dusk, 19.68145}, {a.sun.astronomical.dawn, 30.55680}, {a.sun.nautical.dawn, 31.03883},
        {a.sun.civil.dawn, 31.53042},        {a.sun.horizon.dawn, 31.96365},   {a.sun.twilight.dusk, 19.19955},
        {a.moon.rise, 18.34804},             {a.moon.set, 33.23100},           {a.target.rise, 19.29193},
        {a.target.transit, 25.12255},        {a.target.set, 30.95316},
    };
    for (const auto& [event, hours] : events) {
        ASSERT_TRUE(event) << hours;
        EXPECT_NEAR(*event, hours, 3 * kSecond) << hours;
    }
    EXPECT_NEAR(a.siderealAtMidnight, 4.483274, kSecond / 10);
    EXPECT_NEAR(a.moon.illuminatedFraction, 0.99301, 1e-4);
    EXPECT_FALSE(a.moon.waxing);                   // full on December 15, 09:02 UT
    EXPECT_EQ(a.moon.darkHoursWithoutMoon, 0);     // up from sunset to sunrise
    EXPECT_NEAR(TotalHours(a.target.windows), 28.53926 - 21.70583, 3 * kSecond);
    EXPECT_EQ(a.target.highestAt, *a.target.transit);
    EXPECT_NEAR(a.target.moonLeastAt, *a.sun.nautical.dusk, kSecond);  // the full Moon moves away eastward
}

// Four nights later the Moon sets before the night's noon and again after
// the next: it rises at 22:34 (astropy: 22:34:24) and is still up at noon.
// The night is dark without it from astronomical dusk (astropy: 19:42:37)
// to moonrise.
TEST(Almanac, MoonriseWithoutMoonset)
{
    const Almanac a = LaPalma("2024.1219");
    ASSERT_TRUE(a.moon.rise);
    EXPECT_NEAR(*a.moon.rise, 22.57357, 3 * kSecond);
    EXPECT_FALSE(a.moon.set);
    EXPECT_TRUE(a.moon.aboveAtMidnight);
    EXPECT_NEAR(a.moon.darkHoursWithoutMoon, 22.57357 - 19.71045, 5 * kSecond);
}

// 69 39' N: at the winter solstice the Sun stands at most 90 - 69.65 - 23.44
// = -3.09 deg (it neither sets nor rises, but dips below -6 and comes back);
// at the summer solstice at least +3.09 (no dusk or dawn at all, no dark
// time). At 88 N in December it never comes above -18: the night is all dark.
TEST(Almanac, PolarNightAndMidnightSun)
{
    const auto at = [](const char* latitude, const char* date) {
        return ComputeAlmanac(InputsAfterPass({{Field::Longitude, "-18.5719"}, {Field::Latitude, latitude},
                                               {Field::TimeZone, "-1"}, {Field::Date, date}, {Field::Time, "0"}}));
    };
    const Almanac winter = at("69.3857", "2024.1221");
    EXPECT_NEAR(winter.sun.highest, -3.09, 0.15);
    EXPECT_FALSE(winter.sun.horizon.dusk || winter.sun.horizon.dawn);
    EXPECT_TRUE(winter.sun.civil.dusk && winter.sun.civil.dawn);

    const Almanac summer = at("69.3857", "2024.0621");
    EXPECT_NEAR(summer.sun.lowest, 3.09, 0.15);
    for (const SunPassage* passage : {&summer.sun.horizon, &summer.sun.civil, &summer.sun.nautical,
                                      &summer.sun.astronomical, &summer.sun.twilight}) {
        EXPECT_FALSE(passage->dusk || passage->dawn);
    }
    EXPECT_TRUE(summer.dark.empty());
    EXPECT_TRUE(summer.target.windows.empty());

    const Almanac polar = at("88", "2024.1221");
    EXPECT_FALSE(polar.sun.astronomical.dusk || polar.sun.astronomical.dawn);
    ASSERT_EQ(polar.dark.size(), 1u);
    EXPECT_EQ(TotalHours(polar.dark), kNightEndHours - kNightStartHours);
}

// From 53 45' 29" N a target at +80 never sets; one at -60 never rises, its
// culmination 90 - 53.758 - 60 = -23.76 deg.
TEST(Almanac, CircumpolarAndNeverRisingTargets)
{
    const struct {
        const char* declination;
        TargetPath path;
        double transitAltitude;
    } cases[] = {{"80", TargetPath::NeverSets, 63.766}, {"-60", TargetPath::NeverRises, -23.758}};
    for (const auto& c : cases) {
        const Almanac a = ComputeAlmanac(InputsAfterPass({{Field::Declination, c.declination}}));
        EXPECT_EQ(a.target.path, c.path) << c.declination;
        EXPECT_FALSE(a.target.rise || a.target.set) << c.declination;
        EXPECT_NEAR(a.target.transitAltitude, c.transitAltitude, 0.01) << c.declination;
    }
}

}  // namespace
}  // namespace orvexal
