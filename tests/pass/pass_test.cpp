#include <gtest/gtest.h>

#include <map>

#include "pass/pass.h"

namespace orvexal {
namespace {

LocalDateTime FixedNow() { return {2026, 12, 5, 4, 48, 49}; }

struct PassRun {
    FieldTable fields;
    ConstellationTables tables;
    SunPlace sun;
    std::optional<FaultKind> fault;

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
        {Field::Text1, "Kestrine Astr. Observatory"},
        {Field::Text2, "122.50514"}, {Field::Text3, "53.45289"}, {Field::Text4, "8"},
        {Field::Text5, "2026.1205"}, {Field::Text6, "04.4849"},
        {Field::Text7, "11.11111"}, {Field::Text8, "22.22222"},
        {Field::Text9, "2000"}, {Field::Text10, "2000"},
        {Field::Text11, "11.11111"}, {Field::Text12, "22.22222"},
        {Field::Text13, " 2461380.03390"}, {Field::Text14, "  .00031"},
        {Field::Text15, " 9.3446187"}, {Field::Text16, " 140.2115"},
        {Field::Text17, " 53.43154"}, {Field::Text18, " 1.2400"},
        {Field::Text19, "-1.36249"}, {Field::Text20, "All"},
        {Field::Text21, " 219.1826"}, {Field::Text22, " 66.53098"},
        {Field::Text23, " 16.4623"}, {Field::Text24, "-22.2119"},
        {Field::Text25, " 17.0603"}, {Field::Text26, " 6.56281"},
        {Field::Text27, "-10"},
    };
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(run[field], text) << FieldName(field);
    }
    EXPECT_NEAR(run.sun.SunRA, 16.4623, 1e-4);
    EXPECT_NEAR(run.sun.SunDec, -22.2119, 1e-4);
}

// A window whose own drawing code leaves a floating-point fault recorded.
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
    EXPECT_EQ(fields.Text(Field::Text26), " 6.56281");
}

TEST(CalculatePass, ClockDateIsKeptForLaterPasses)
{
    PassRun run;
    run.Calculate();
    run.fields.SetText(Field::Text6, "17.5557");
    run.Calculate();
    EXPECT_EQ(run[Field::Text5], "2026.1205");
    EXPECT_EQ(run[Field::Text6], "17.5557");
}

struct NormaliseCase {
    Field field;
    const char* typed;
    const char* shown;
};

TEST(CalculatePass, RewritesItsInputsInNormalisedForm)
{
    const NormaliseCase cases[] = {
        {Field::Text2, "122.50514abc", "122.50514"}, {Field::Text2, "", "0"},
        {Field::Text3, " -0.30", "-0.3"},             {Field::Text4, "7.5", "8"},
        {Field::Text4, "8.5", "8"},                   {Field::Text4, "-5.5", "-6"},
        {Field::Text7, "2.0", "2"},                   {Field::Text9, "1950.0", "1950"},
        {Field::Text8, "-.5", "-0.5"},
    };
    for (const auto& c : cases) {
        PassRun run({{c.field, c.typed}});
        run.Calculate();
        EXPECT_EQ(run[c.field], c.shown) << FieldName(c.field) << " " << c.typed;
    }
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
        PassRun run({{Field::Text5, c.date}, {Field::Text6, c.time}, {Field::Text4, c.zone}});
        if (c.epochOfDate) {
            run.fields.SetText(Field::Text10, "0");
        }
        run.Calculate();
        ASSERT_FALSE(run.fault) << c.date;
        EXPECT_EQ(run[Field::Text13], c.julianDate) << c.date << " " << c.time;
        if (c.epochOfDate) {
            EXPECT_EQ(run[Field::Text10], c.epochOfDate);
            EXPECT_EQ(run[Field::Text11], " 11.12292");
            EXPECT_EQ(run[Field::Text12], " 22.14229");
        }
    }
}

TEST(CalculatePass, EpochOfDateRoundingToAHalfYearShowsShort)
{
    // 2024 July 1, 15h UT: 182.625 days into the year, 2024.50001.
    PassRun run({{Field::Text5, "2024.0701"}, {Field::Text6, "15"}, {Field::Text4, "0"},
                 {Field::Text10, "0"}});
    run.Calculate();
    EXPECT_EQ(run[Field::Text10], "2024.5");
}

TEST(CalculatePass, ConstellationFieldEmptyWithoutTheBoundaryData)
{
    PassRun run({{Field::Text20, "Leo"}});
    run.Calculate();
    EXPECT_EQ(run[Field::Text20], "");
}

struct FaultCase {
    std::map<Field, std::string> typed;
    FaultKind kind;
    Field lastWritten;      // rewritten before the fault
    Field firstUntouched;   // keeps its text
};

TEST(CalculatePass, FaultEndsThePassAndKeepsWhatWasWritten)
{
    const FaultCase cases[] = {
        {{{Field::Text3, "1e400"}}, FaultKind::Overflow, Field::Text2, Field::Text13},
        {{{Field::Text3, "32768"}}, FaultKind::Overflow, Field::Text2, Field::Text13},
        {{{Field::Text4, "40000"}}, FaultKind::Overflow, Field::Text3, Field::Text13},
        {{{Field::Text5, "40000.0101"}}, FaultKind::Overflow, Field::Text5, Field::Text13},
        {{{Field::Text5, "30800.0101"}}, FaultKind::Overflow, Field::Text10, Field::Text13},
        {{{Field::Text6, "32767"}, {Field::Text4, "8"}, {Field::Text5, "2000.0101"}},
         FaultKind::Overflow, Field::Text6, Field::Text13},
        // A target exactly at the zenith: the azimuth divides by zero.
        {{{Field::Text2, "0"}, {Field::Text3, "20"}, {Field::Text4, "0"}, {Field::Text5, "2000.0101"},
          {Field::Text6, "0"}, {Field::Text7, "6.39522711"}, {Field::Text8, "20"}},
         FaultKind::DivisionByZero, Field::Text17, Field::Text16},
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
        EXPECT_EQ(*run.fault, c.kind) << FieldName(c.lastWritten);
        EXPECT_NE(run[c.lastWritten], before) << FieldName(c.lastWritten);
        EXPECT_EQ(run[c.firstUntouched], PassRun(typed)[c.firstUntouched]) << FieldName(c.lastWritten);
    }
}

TEST(CalculatePass, ExactZenithWritesUpToTheAltitude)
{
    PassRun run({{Field::Text2, "0"}, {Field::Text3, "20"}, {Field::Text4, "0"}, {Field::Text5, "2000.0101"},
                 {Field::Text6, "0"}, {Field::Text7, "6.39522711"}, {Field::Text8, "20"}});
    run.Calculate();
    EXPECT_EQ(run[Field::Text18], " 1");
    EXPECT_EQ(run[Field::Text17], " 90");
    EXPECT_EQ(run[Field::Text16], "0");
    EXPECT_EQ(run[Field::Text23], "0");
}

}  // namespace
}  // namespace orvexal
