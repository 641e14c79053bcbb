#include <gtest/gtest.h>

#include "astro/constellation.h"

namespace orvexal {
namespace {

struct Box {
    double raLow, raHigh, decLow;
    const char* abbrev;
};

ConstellationTables TablesOf(std::initializer_list<Box> boxes)
{
    ConstellationTables t;
    for (const Box& box : boxes) {
        ++t.ConCount;
        t.ConRaLow[t.ConCount] = box.raLow;
        t.ConRaHigh[t.ConCount] = box.raHigh;
        t.ConDecLow[t.ConCount] = box.decLow;
        t.ConAbbrev[t.ConCount] = box.abbrev;
    }
    t.ConDataLoaded = true;
    return t;
}

struct FindCase {
    double ra;
    double dec;
    const char* result;
};

TEST(FindConstellation, FirstBoxHoldingThePosition)
{
    const ConstellationTables t = TablesOf({
        {0, 24, 88, "UMi"},
        {8, 14.5, 86.5, "UMi"},
        {0, 8, 85, "Cep"},
        {14.5, 24, 85, "Dra"},
        {8, 14.5, 80, "Cam"},
        {0, 24, -90, "Oct"},
    });
    const FindCase cases[] = {
        {0, 90, "UMi"},
        {8, 86.5, "UMi"},     // lower RA and lower Dec inside
        {14.5, 86.5, "Dra"},  // upper RA outside: a later record
        {7.9999, 86.5, "Cep"},
        {10, 81, "Cam"},
        {23.99, -89, "Oct"},
        {0, -90, "Oct"},
        {24, 0, ""},  // passes the check, lies in no box
        {-0.0001, 0, "[invalid coords]"},
        {24.0001, 0, "[invalid coords]"},
        {12, 90.0001, "[invalid coords]"},
        {12, -90.0001, "[invalid coords]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindConstellation(t, c.ra, c.dec), c.result) << c.ra << " " << c.dec;
    }
}

TEST(FindConstellation, TruncatedTableFindsNothingBeyondItsLastRecord)
{
    ConstellationTables t = TablesOf({{0, 24, 88, "UMi"}, {8, 14.5, 86.5, "UMi"}});
    EXPECT_EQ(FindConstellation(t, 3, 10), "");
    t.ConCount = 0;
    EXPECT_EQ(FindConstellation(t, 3, 89), "");
}

}  // namespace
}  // namespace orvexal
