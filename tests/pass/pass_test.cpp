#include <gtest/gtest.h>

#include <map>

#include "pass/pass.h"

namespace orvexal {
namespace {

DateTime FixedNow() { return {2026, 12, 5, 12, 48, 49}; }

using Texts = std::map<Field, std::string>;

struct PassRun {
    FieldTable fields;
    ConstellationTables tables;
    SunPlace sun;
    std::optional<PassFault> fault;

    explicit PassRun(const Texts& typed = {})
    {
        for (const auto& [field, text] : typed) {
            fields.SetText(field, text);
        }
    }

    PassRun& Calculate()
    {
        fault = CalculatePass(fields, tables, sun, FixedNow);
        return *this;
    }

    std::string operator[](Field f) const { return fields.Text(f); }
};

// A pass from the designed fields with the texts typed over them completes
// and shows the texts given.
void ExpectShown(const Texts& typed, const Texts& shown)
{
    PassRun run(typed);
    run.Calculate();
    ASSERT_FALSE(run.fault) << typed.begin()->second;
    for (const auto& [field, text] : shown) {
        EXPECT_EQ(run[field], text) << FieldName(field) << " for " << typed.begin()->second;
    }
}

// Expected texts for the designed fields at 2026-12-05 04:48:49 local time,
// worked out from the formulas by an independent calculation.
TEST(CalculatePass, DesignedFieldsWithAFixedClock)
{
    PassRun run;
    run.tables.ConCount = 1;
    run.tables.ConRaHigh[1] = 24;
    run.tables.ConDecLow[1] = -90;
    run.tables.ConAbbrev[1] = "All";
    run.tables.ConDataLoaded = true;
    run.Calculate();
    ASSERT_FALSE(run.fault);
    const std::pair<Field, const char*> expected[] = {
        {Field::LocationName, "Kestrine Astr. Observatory"}, {Field::Longitude, "122.50514"},
        {Field::Latitude, "53.45289"}, {Field::TimeZone, "8"}, {Field::Date, "2026.1205"}, {Field::Time, "04.4849"},
        {Field::RightAscension, "11.11111"}, {Field::Declination, "22.22222"}, {Field::Epoch, "2000"},
        {Field::NewEpoch, "2000"}, {Field::NewRightAscension, "11.11111"}, {Field::NewDeclination, "22.22222"},
        {Field::JulianDate, " 2461380.03390"}, {Field::HeliocentricCorrection, "  .00031"},
        {Field::SiderealTime, " 9.3446187"}, {Field::Azimuth, " 140.2115"}, {Field::Altitude, " 53.43154"},
        {Field::AirMass, " 1.2400"}, {Field::HourAngle, "-1.36249"}, {Field::Constellation, "All"},
        {Field::GalacticLongitude, " 219.1826"}, {Field::GalacticLatitude, " 66.53098"},
        {Field::SunRightAscension, " 16.4623"}, {Field::SunDeclination, "-22.2119"}, {Field::Dusk, " 17.0603"},
        {Field::Dawn, " 6.56281"}, {Field::Twilight, "-10"}, {Field::Status, "LOCATION file has NOT been loaded"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(run[field], text) << FieldName(field);
    }
    EXPECT_NEAR(run.sun.SunRA, 16.4623, 1e-4);
    EXPECT_NEAR(run.sun.SunDec, -22.2119, 1e-4);
}

// A window whose own drawing code raises a floating-point fault with every
// text it takes: the pass does not take it for the calculation's.
class FaultyWindow : public FieldTable {
public:
    void SetText(Field field, const std::string& text) override
    {
        FieldTable::SetText(field, text);
        volatile double zero = 0;
        volatile double raised = 1 / zero;
        static_cast<void>(raised);
    }
};

TEST(CalculatePass, FaultsOfTheFieldsOwnerAreNotTheCalculations)
{
    FaultyWindow fields;
    ConstellationTables tables;
    SunPlace sun;
    EXPECT_EQ(CalculatePass(fields, tables, sun, FixedNow), std::nullopt);
    EXPECT_EQ(fields.Text(Field::Dawn), PassRun().Calculate()[Field::Dawn]);
}

TEST(CalculatePass, ClockDateIsKeptForLaterPasses)
{
    PassRun run;
    run.Calculate();
    run.fields.SetText(Field::Time, "17.5557");
    run.Calculate();
    EXPECT_EQ(run[Field::Date], "2026.1205");
    EXPECT_EQ(run[Field::Time], "17.5557");
}

TEST(CalculatePass, RewritesItsInputsInNormalisedForm)
{
    const std::tuple<Field, const char*, const char*> cases[] = {
        {Field::Longitude, "122.50514abc", "122.50514"}, {Field::Longitude, "", "0"},
        {Field::Latitude, " -0.30", "-0.3"},             {Field::TimeZone, "-5.50", "-5.5"},
        {Field::RightAscension, "2.0", "2"},             {Field::Declination, "-.5", "-0.5"},
        {Field::Epoch, "1950.0", "1950"},                {Field::Constellation, "Leo", ""},  // no boundary data
    };
    for (const auto& [field, typed, shown] : cases) {
        ExpectShown({{field, typed}}, {{field, shown}});
    }
}

// A target 0.09 s of time east of the meridian: its hour angle, 8.7e-06 as
// packed, is written in plain digits, not cut from "8.7...E-06".
TEST(CalculatePass, HourAngleWithinASecondOfTheMeridian)
{
    ExpectShown({{Field::RightAscension, "9.34461"}}, {{Field::HourAngle, " .000009"}});
}

// The universal date the local date is carried into shows in the epoch of
// the date (Text10) and the heliocentric correction (Text14, by the day of
// the year); the texts of the first two rows differ from those without the
// carry. Dusk (Text25) is that of the evening of December 31, which 16:00
// local time belongs to.
TEST(CalculatePass, UniversalDateCarriesIntoTheNextDayAndYear)
{
    const auto at = [](const char* date, const char* time, const char* zone) {
        return Texts{{Field::Date, date}, {Field::Time, time}, {Field::TimeZone, zone}, {Field::NewEpoch, "0"}};
    };
    const std::pair<Texts, Texts> cases[] = {
        // 2025 January 1, 1:55:57 UT; not carried, the epoch would be 2025.002.
        {at("2024.1231", "17.5557", "8"), {{Field::JulianDate, " 2460676.58052"}, {Field::NewEpoch, "2025"},
                                           {Field::HeliocentricCorrection, "  .00274"}, {Field::Dusk, " 17.1310"}}},
        // Hour 24 of December 31 stays on December 31.
        {at("2024.1231", "16", "8"), {{Field::JulianDate, " 2460676.5"}, {Field::NewEpoch, "2025.002"},
                                      {Field::HeliocentricCorrection, "  .00279"}, {Field::Dusk, " 17.1238"}}},
        {at("2024.0701", "15", "0"), {{Field::NewEpoch, "2024.5"}}},  // 2024.50001
        {at("2024.0702", "0", "0"), {{Field::NewEpoch, "2024.501"}, {Field::NewRightAscension, " 11.12292"},
                                     {Field::NewDeclination, " 22.14229"}}},
        {at("2024.0431", "12", "0"), {{Field::JulianDate, " 2460432"}}},  // April 31 is May 1
        {at("2024.1031", "12", "0"), {{Field::JulianDate, " 2460615"}}},  // October 31 stays
        // February 29 of leap years, Gregorian and Julian, is no March 1.
        {at("2000.0229", "12", "0"), {{Field::JulianDate, " 2451604"}}},
        {at("1500.0229", "12", "0"), {{Field::JulianDate, " 2268992"}}},
        // Before JD 0 the sign stays: -4713 is a common Julian year.
        {at("-4713.0101", "0", "0"), {{Field::JulianDate, "-365.5"}}},
    };
    for (const auto& [typed, shown] : cases) {
        ExpectShown(typed, shown);
    }
}

// Every fault is an overflow here; the pass names the computation it
// stopped in, and keeps the field written last and the one after it.
TEST(CalculatePass, FaultEndsThePassAndKeepsWhatWasWritten)
{
    const std::tuple<Texts, Computation, Field, Field> cases[] = {
        {{{Field::Latitude, "1e400"}}, Computation::ReadingInputs, Field::Longitude, Field::JulianDate},
        {{{Field::TimeZone, "40000"}}, Computation::ReadingInputs, Field::Latitude, Field::JulianDate},
        {{{Field::Date, "30800.0101"}}, Computation::JulianDate, Field::NewEpoch, Field::JulianDate},
        {{{Field::Time, "32767"}, {Field::TimeZone, "8"}, {Field::Date, "2000.0101"}}, Computation::ReadingInputs,
         Field::Time, Field::JulianDate},
        // The difference of the epochs overflows before its infinity turns
        // into the NaN that the precessed place's packing stops on.
        {{{Field::Epoch, "-1e308"}, {Field::NewEpoch, "1e308"}}, Computation::Precession, Field::JulianDate,
         Field::NewRightAscension},
    };
    for (const auto& [faulty, stopped, lastWritten, untouched] : cases) {
        // A trailing "x" in every input shows which inputs were rewritten.
        Texts typed;
        for (int i = 2; i <= 10; ++i) {
            const auto field = static_cast<Field>(i);
            typed[field] = (faulty.count(field) ? faulty.at(field) : std::string(DesignedText(field))) + "x";
        }
        const PassRun before(typed);
        PassRun run(typed);
        run.Calculate();
        ASSERT_TRUE(run.fault) << FieldName(lastWritten);
        EXPECT_EQ(std::pair(run.fault->kind, run.fault->computation), std::pair(FaultKind::Overflow, stopped));
        EXPECT_NE(run[lastWritten], before[lastWritten]) << FieldName(lastWritten);
        EXPECT_EQ(run[untouched], before[untouched]) << FieldName(lastWritten);
    }
}

// Sirius setting at Kitt Peak, 2024 March 2: on the horizon the apparent
// altitude follows Saemundsson's refraction and the air mass Young's
// formula; once out of sight the altitude is the true one and the air mass
// 1 / cos z, negative.
TEST(CalculatePass, TargetSettingThroughTheHorizon)
{
    const Texts kittPeak{{Field::Longitude, "111.3548"}, {Field::Latitude, "31.5748"}, {Field::TimeZone, "7"},
                         {Field::Date, "2024.0302"}, {Field::RightAscension, "6.450892"},
                         {Field::Declination, "-16.4258"}, {Field::NewEpoch, "0"}};
    const std::pair<const char*, Texts> cases[] = {
        {"1.3900", {{Field::Altitude, " 1.520077"}, {Field::AirMass, " 20.203"}}},
        {"1.5000", {{Field::Altitude, "-.3835759"}, {Field::AirMass, "-89.071"}}},
    };
    for (const auto& [time, shown] : cases) {
        Texts typed = kittPeak;
        typed[Field::Time] = time;
        ExpectShown(typed, shown);
    }
}

// Dusk and dawn where the Sun does not cross the twilight altitude inside
// the designed windows. Tromso's civil dusk on 2024 December 9 is at 13:59
// local time (astropy, geometric Sun), its dawn at 09:15.
TEST(CalculatePass, TwilightOutsideTheWindowsOrNotAtAll)
{
    const auto site = [](const char* lon, const char* lat, const char* zone, const char* date, const char* h0) {
        return Texts{{Field::Longitude, lon}, {Field::Latitude, lat}, {Field::TimeZone, zone},
                     {Field::Date, date},     {Field::Time, "0"},     {Field::Twilight, h0}};
    };
    const auto times = [](const char* dusk, const char* dawn) { return Texts{{Field::Dusk, dusk}, {Field::Dawn, dawn}}; };
    const std::pair<Texts, Texts> cases[] = {
        {site("-18.5719", "69.3857", "-1", "2024.1210", "-6"), times(" 13.5958", " 9.10597")},
        {site("-18.5719", "69.3857", "-1", "2024.1210", "0"), times("none", "none")},    // polar night
        {site("147.2936", "65.0735", "9", "2024.0621", "-10"), times("none", "none")},  // Poker Flat
        {site("0", "-90", "0", "2024.0621", "-10"), times("none", "none")},             // South Pole
    };
    for (const auto& [typed, shown] : cases) {
        ExpectShown(typed, shown);
    }
}

// La Palma (zone 0), nautical twilight: from the afternoon before to the
// last second before noon after it, one night's dusk and dawn, the Sun held
// where it stands at each instant. Searched from the universal date's
// midnight, 22:00 gave the evening before: 19.1459 and 7.03036.
TEST(CalculatePass, DuskAndDawnOfTheObservingNight)
{
    const auto at = [](const char* date, const char* time) {
        return Texts{{Field::Longitude, "17.5248"}, {Field::Latitude, "28.4536"}, {Field::TimeZone, "0"},
                     {Field::Date, date},           {Field::Time, time},         {Field::Twilight, "-12"}};
    };
    const auto times = [](const char* dusk, const char* dawn) { return Texts{{Field::Dusk, dusk}, {Field::Dawn, dawn}}; };
    ExpectShown(at("2024.1215", "13"), times(" 19.0926", " 6.57156"));
    ExpectShown(at("2024.1215", "22"), times(" 19.1101", " 6.59063"));
    ExpectShown(at("2024.1216", "11.5959"), times(" 19.1324", " 7.01445"));
}

// Half-hour zones are kept: 22:00 at Devasthal (zone -5.5) is 16:30 UT,
// in Nepal (-5.75) 16:15 UT. The Orion Nebula then stands at azimuth
// 177.385 deg (astropy: 177.376); with the zone rounded to -6 it was 164.5.
// "Now" is the clock's universal instant read on the site's zone clock.
TEST(CalculatePass, FractionalZonesShiftUniversalTime)
{
    const auto at = [](const char* zone) {
        return Texts{{Field::Longitude, "-79.4104"}, {Field::Latitude, "29.2137"}, {Field::TimeZone, zone},
                     {Field::Date, "2025.0115"},     {Field::Time, "22"},        {Field::RightAscension, "5.35"},
                     {Field::Declination, "-5.23"},  {Field::NewEpoch, "0"}};
    };
    ExpectShown(at("-5.5"), {{Field::TimeZone, "-5.5"}, {Field::JulianDate, " 2460691.1875"},
                             {Field::Azimuth, " 177.2305"}});
    ExpectShown(at("-5.75"), {{Field::JulianDate, " 2460691.17708"}});
    ExpectShown({{Field::TimeZone, "-5.5"}, {Field::Date, "0"}}, {{Field::Date, "2026.1205"}, {Field::Time, "18.1849"}});
    ExpectShown({{Field::TimeZone, "-11.5"}, {Field::Date, "0"}}, {{Field::Date, "2026.1206"}, {Field::Time, "00.1849"}});
}

}  // namespace
}  // namespace orvexal
