#include <gtest/gtest.h>

#include <map>

#include "pass/pass.h"

namespace orvexal {
namespace {

DateTime FixedNow() { return {2026, 12, 5, 12, 48, 49}; }

struct PassRun {
    FieldTable fields;
    ConstellationTables tables;
    SunPlace sun;
    std::optional<PassFault> fault;

    explicit PassRun(const std::map<Field, std::string>& typed = {})
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
        {Field::LocationName, "Kestrine Astr. Observatory"},
        {Field::Longitude, "122.50514"}, {Field::Latitude, "53.45289"}, {Field::TimeZone, "8"},
        {Field::Date, "2026.1205"}, {Field::Time, "04.4849"},
        {Field::RightAscension, "11.11111"}, {Field::Declination, "22.22222"},
        {Field::Epoch, "2000"}, {Field::NewEpoch, "2000"},
        {Field::NewRightAscension, "11.11111"}, {Field::NewDeclination, "22.22222"},
        {Field::JulianDate, " 2461380.03390"}, {Field::HeliocentricCorrection, "  .00031"},
        {Field::SiderealTime, " 9.3446187"}, {Field::Azimuth, " 140.2115"},
        {Field::Altitude, " 53.43154"}, {Field::AirMass, " 1.2400"},
        {Field::HourAngle, "-1.36249"}, {Field::Constellation, "All"},
        {Field::GalacticLongitude, " 219.1826"}, {Field::GalacticLatitude, " 66.53098"},
        {Field::SunRightAscension, " 16.4623"}, {Field::SunDeclination, "-22.2119"},
        {Field::Dusk, " 17.0603"}, {Field::Dawn, " 6.56281"},
        {Field::Twilight, "-10"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(run[field], text) << FieldName(field);
    }
    EXPECT_NEAR(run.sun.SunRA, 16.4623, 1e-4);
    EXPECT_NEAR(run.sun.SunDec, -22.2119, 1e-4);
}

// A window whose own drawing code raises a floating-point fault, kept from
// the calculation's flags as the fields' owners must.
class FaultyWindow : public FieldTable {
public:
    void SetText(Field field, const std::string& text) override
    {
        const FloatingFaultsKept calculationFaults;
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
    EXPECT_EQ(fields.Text(Field::Dawn), " 6.56281");
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

struct NormaliseCase {
    Field field;
    const char* typed;
    const char* shown;
};

TEST(CalculatePass, RewritesItsInputsInNormalisedForm)
{
    const NormaliseCase cases[] = {
        {Field::Longitude, "122.50514abc", "122.50514"}, {Field::Longitude, "", "0"},
        {Field::Latitude, " -0.30", "-0.3"},             {Field::TimeZone, "-5.50", "-5.5"},
        {Field::RightAscension, "2.0", "2"},                   {Field::Epoch, "1950.0", "1950"},
        {Field::Declination, "-.5", "-0.5"},
    };
    for (const auto& c : cases) {
        PassRun run({{c.field, c.typed}});
        run.Calculate();
        EXPECT_EQ(run[c.field], c.shown) << FieldName(c.field) << " " << c.typed;
    }
}

// A target 0.09 s of time east of the meridian: its hour angle, 8.7e-06 as
// packed, is written in plain digits, not cut from "8.7...E-06".
TEST(CalculatePass, HourAngleWithinASecondOfTheMeridian)
{
    PassRun run({{Field::RightAscension, "9.34461"}});
    run.Calculate();
    EXPECT_EQ(run[Field::HourAngle], " .000009");
}

struct DateCase {
    const char* date;
    const char* time;
    const char* zone;
    const char* julianDate;
    const char* epochOfDate;
};

TEST(CalculatePass, UniversalDateCarriesIntoTheNextDayMonthAndYear)
{
    const DateCase cases[] = {
        {"2024.1231", "17.5557", "8", " 2460676.58052", nullptr},  // 2025 Jan 1, 1:55:57 UT
        {"2024.1231", "16.0000", "8", " 2460676.5", nullptr},      // hour 24 of Dec 31
        {"2024.0702", "0", "0", " 2460493.5", "2024.501"},
        {"2023.0229", "12", "0", " 2460005", nullptr},            // Feb 29 of a common year: Mar 1
        {"2024.0230", "12", "0", " 2460371", nullptr},            // Feb 30 of a leap year: Mar 1
        {"2024.0431", "12", "0", " 2460432", nullptr},            // Apr 31: May 1
        {"1900.0229", "0", "0", " 2415079.5", nullptr},
        {"1582.1010", "6", "0", " 2299159.75", nullptr},
        // Before JD 0 the sign stays; the day count before -1999 runs a day
        // late, as its truncating divisions give it.
        {"-4713.0101", "0", "0", "-364.5", nullptr},
    };
    for (const auto& c : cases) {
        PassRun run({{Field::Date, c.date}, {Field::Time, c.time}, {Field::TimeZone, c.zone}});
        if (c.epochOfDate) {
            run.fields.SetText(Field::NewEpoch, "0");
        }
        run.Calculate();
        ASSERT_FALSE(run.fault) << c.date;
        EXPECT_EQ(run[Field::JulianDate], c.julianDate) << c.date << " " << c.time;
        if (c.epochOfDate) {
            EXPECT_EQ(run[Field::NewEpoch], c.epochOfDate);
            EXPECT_EQ(run[Field::NewRightAscension], " 11.12292");
            EXPECT_EQ(run[Field::NewDeclination], " 22.14229");
        }
    }
}

TEST(CalculatePass, EpochOfDateRoundingToAHalfYearShowsShort)
{
    // 2024 July 1, 15h UT: 182.625 days into the year, 2024.50001.
    PassRun run({{Field::Date, "2024.0701"}, {Field::Time, "15"}, {Field::TimeZone, "0"},
                 {Field::NewEpoch, "0"}});
    run.Calculate();
    EXPECT_EQ(run[Field::NewEpoch], "2024.5");
}

TEST(CalculatePass, ConstellationFieldEmptyWithoutTheBoundaryData)
{
    PassRun run({{Field::Constellation, "Leo"}});
    run.Calculate();
    EXPECT_EQ(run[Field::Constellation], "");
}

struct FaultCase {
    std::map<Field, std::string> typed;
    FaultKind kind;
    Computation stopped;
    Field lastWritten;      // rewritten before the fault
    Field firstUntouched;   // keeps its text
};

TEST(CalculatePass, FaultEndsThePassAndKeepsWhatWasWritten)
{
    const FaultCase cases[] = {
        {{{Field::Latitude, "1e400"}}, FaultKind::Overflow, Computation::ReadingInputs, Field::Longitude, Field::JulianDate},
        {{{Field::Latitude, "32768"}}, FaultKind::Overflow, Computation::ReadingInputs, Field::Longitude, Field::JulianDate},
        {{{Field::TimeZone, "40000"}}, FaultKind::Overflow, Computation::ReadingInputs, Field::Latitude, Field::JulianDate},
        {{{Field::Date, "40000.0101"}}, FaultKind::Overflow, Computation::ReadingInputs, Field::Date, Field::JulianDate},
        {{{Field::Date, "30800.0101"}}, FaultKind::Overflow, Computation::JulianDate, Field::NewEpoch, Field::JulianDate},
        {{{Field::Time, "32767"}, {Field::TimeZone, "8"}, {Field::Date, "2000.0101"}},
         FaultKind::Overflow, Computation::ReadingInputs, Field::Time, Field::JulianDate},
        // The difference of the epochs overflows before its infinity turns
        // into the NaN that the precessed place's packing stops on.
        {{{Field::Epoch, "-1e308"}, {Field::NewEpoch, "1e308"}}, FaultKind::Overflow, Computation::Precession,
         Field::JulianDate, Field::NewRightAscension},
    };
    for (const auto& c : cases) {
        // A trailing "x" in every input shows which inputs were rewritten.
        std::map<Field, std::string> typed;
        for (int i = 2; i <= 10; ++i) {
            const auto field = static_cast<Field>(i);
            typed[field] = (c.typed.count(field) ? c.typed.at(field) : std::string(DesignedText(field))) + "x";
        }
        PassRun run(typed);
        const std::string before = run[c.lastWritten];
        run.Calculate();
        ASSERT_TRUE(run.fault) << FieldName(c.lastWritten);
        EXPECT_EQ(run.fault->kind, c.kind) << FieldName(c.lastWritten);
        EXPECT_EQ(run.fault->computation, c.stopped) << FieldName(c.lastWritten);
        EXPECT_NE(run[c.lastWritten], before) << FieldName(c.lastWritten);
        EXPECT_EQ(run[c.firstUntouched], PassRun(typed)[c.firstUntouched]) << FieldName(c.lastWritten);
    }
}

TEST(CalculatePass, ExactZenithShowsAzimuthZeroAndGoesOn)
{
    PassRun run({{Field::Longitude, "0"}, {Field::Latitude, "20"}, {Field::TimeZone, "0"}, {Field::Date, "2000.0101"},
                 {Field::Time, "0"}, {Field::RightAscension, "6.39522711"}, {Field::Declination, "20"}});
    run.Calculate();
    EXPECT_FALSE(run.fault);
    EXPECT_EQ(run[Field::AirMass], " 1");
    EXPECT_EQ(run[Field::Altitude], " 90");
    EXPECT_EQ(run[Field::Azimuth], " 0");
    EXPECT_EQ(run[Field::Dawn], " 5.50489");
}

struct SiteCase {
    std::map<Field, std::string> typed;
    std::map<Field, std::string> shown;
};

void ExpectShown(const SiteCase& c)
{
    PassRun run(c.typed);
    run.Calculate();
    ASSERT_FALSE(run.fault) << c.typed.begin()->second;
    for (const auto& [field, text] : c.shown) {
        EXPECT_EQ(run[field], text) << FieldName(field) << " for " << c.typed.begin()->second;
    }
}

// Sirius setting at Kitt Peak, 2024 March 2: on the horizon the apparent
// altitude follows Saemundsson's refraction and the air mass Young's
// formula; once out of sight the altitude is the true one and the air mass
// 1 / cos z, negative.
TEST(CalculatePass, TargetSettingThroughTheHorizon)
{
    const std::map<Field, std::string> kittPeak{
        {Field::Longitude, "111.3548"}, {Field::Latitude, "31.5748"}, {Field::TimeZone, "7"},
        {Field::Date, "2024.0302"}, {Field::RightAscension, "6.450892"}, {Field::Declination, "-16.4258"},
        {Field::NewEpoch, "0"}};
    const std::pair<const char*, std::map<Field, std::string>> cases[] = {
        {"1.3900", {{Field::Altitude, " 1.520077"}, {Field::AirMass, " 20.203"}}},
        {"1.5000", {{Field::Altitude, "-.3835759"}, {Field::AirMass, "-89.071"}}},
    };
    for (const auto& [time, shown] : cases) {
        auto typed = kittPeak;
        typed[Field::Time] = time;
        ExpectShown({typed, shown});
    }
}

// Dusk and dawn where the Sun does not cross the twilight altitude inside
// the designed windows. Tromso's civil dusk on 2024 December 9 is at 13:59
// local time (astropy, geometric Sun), its dawn at 09:15.
TEST(CalculatePass, TwilightOutsideTheWindowsOrNotAtAll)
{
    const auto site = [](const char* lon, const char* lat, const char* zone, const char* date,
                         const char* h0) {
        return std::map<Field, std::string>{{Field::Longitude, lon}, {Field::Latitude, lat}, {Field::TimeZone, zone},
                                            {Field::Date, date}, {Field::Time, "0"}, {Field::Twilight, h0}};
    };
    const auto times = [](const char* dusk, const char* dawn) {
        return std::map<Field, std::string>{{Field::Dusk, dusk}, {Field::Dawn, dawn}};
    };
    const SiteCase cases[] = {
        {site("-18.5719", "69.3857", "-1", "2024.1210", "-6"), times(" 13.5958", " 9.10597")},
        {site("-18.5719", "69.3857", "-1", "2024.1210", "0"), times("none", "none")},  // polar night
        {site("147.2936", "65.0735", "9", "2024.0621", "-10"), times("none", "none")},  // Poker Flat
        {site("-3.1118", "55.5712", "0", "2024.0621", "-18"), times("none", "none")},  // Edinburgh
        {site("0", "-90", "0", "2024.0621", "-10"), times("none", "none")},  // South Pole
    };
    for (const auto& c : cases) {
        ExpectShown(c);
    }
}

// Half-hour zones are kept: 22:00 at Devasthal (zone -5.5) is 16:30 UT,
// in Nepal (-5.75) 16:15 UT. The Orion Nebula then stands at azimuth
// 177.385 deg (astropy: 177.376); with the zone rounded to -6 it was 164.5.
TEST(CalculatePass, FractionalZonesShiftUniversalTime)
{
    const auto at = [](const char* zone) {
        return std::map<Field, std::string>{{Field::Longitude, "-79.4104"}, {Field::Latitude, "29.2137"},
                                            {Field::TimeZone, zone}, {Field::Date, "2025.0115"},
                                            {Field::Time, "22"}, {Field::RightAscension, "5.35"}, {Field::Declination, "-5.23"},
                                            {Field::NewEpoch, "0"}};
    };
    ExpectShown({at("-5.5"), {{Field::TimeZone, "-5.5"}, {Field::JulianDate, " 2460691.1875"},
                              {Field::Azimuth, " 177.2305"}}});
    ExpectShown({at("-5.75"), {{Field::JulianDate, " 2460691.17708"}}});
}

// "Now" is the clock's universal instant read on the site's zone clock.
TEST(CalculatePass, PresentInstantOnTheSiteClock)
{
    const std::pair<const char*, std::map<Field, std::string>> cases[] = {
        {"8", {{Field::Date, "2026.1205"}, {Field::Time, "04.4849"}}},
        {"0", {{Field::Date, "2026.1205"}, {Field::Time, "12.4849"}}},
        {"-5.5", {{Field::Date, "2026.1205"}, {Field::Time, "18.1849"}}},
        {"-11.5", {{Field::Date, "2026.1206"}, {Field::Time, "00.1849"}}},
    };
    for (const auto& [zone, shown] : cases) {
        ExpectShown({{{Field::TimeZone, zone}, {Field::Date, "0"}}, shown});
    }
}

}  // namespace
}  // namespace orvexal
