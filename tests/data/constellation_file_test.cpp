#include "data/constellation_file.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace orvexal {
namespace {

using test::ShareFile;
using test::WriteFile;

TEST(ConstellationFile, LoadsThePublishedTable)
{
    ConstellationTables tables;
    ASSERT_TRUE(LoadConstellationFile(ShareFile("Constell.dat"), tables));
    ASSERT_EQ(tables.ConCount, 357);
    EXPECT_EQ(tables.ConRaLow[1], 0);
    EXPECT_EQ(tables.ConRaHigh[1], 24);
    EXPECT_EQ(tables.ConDecLow[1], 88);
    EXPECT_EQ(tables.ConAbbrev[1], "UMi");
    EXPECT_EQ(tables.ConDecLow[3], 86.1667);
    EXPECT_EQ(tables.ConDecLow[357], -90);  // the south polar cap, 0 to 24 h
    EXPECT_EQ(tables.ConRaHigh[357], 24);
    EXPECT_EQ(tables.ConAbbrev[357], "Oct");

    const struct {
        double ra;
        double dec;
        const char* abbrev;
    } positions[] = {
        {0, 90, "UMi"},       {0, -90, "Oct"},   {23.9999, -90, "Oct"},
        {1.2, 88.6, "UMi"},   {5.8, 7.4, "Ori"},  {6.65, -16.5, "CMa"},  // Polaris, Betelgeuse, Sirius
        {18.53, 38.6, "Lyr"}, {12.33, -62.4, "Cru"}, {16.35, -26.2, "Sco"},  // Vega, Acrux, Antares
        {0, 85, "Cep"},  // box 0..8 h from +85: lower RA and lower Dec inside
        {7.9999, 85, "Cep"},  {8, 85, "Cam"},  // its upper RA is outside
        {9.1667, 82, "Cam"},  {9.1667, 81.9999, "Dra"},  // just below a box's lower Dec
        {24, 0, ""},  // no upper RA exceeds 24 h
    };
    for (const auto& p : positions) {
        EXPECT_EQ(FindConstellation(tables, p.ra, p.dec), p.abbrev) << p.ra << " h " << p.dec;
    }
}

class ConstellationFileFaults : public test::TempFolderTest {};

std::string Records(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "0,24," + std::to_string(89 - i / 4.0) + ",\"Abc\"\r\n";
    }
    return text;
}

TEST_F(ConstellationFileFaults, EachFaultLeavesTheDataUnloaded)
{
    const struct {
        std::string text;
        bool loaded;
        int count;
    } cases[] = {
        {Records(358), true, 358},
        {"0,24,88,UMi\n\n\n  \n", true, 1},  // blank lines at the end are no record
        {Records(359), false, 0},
        {"x,24,88,UMi\n", false, 0},  // non-numeric lower RA
        {"0,24,north,UMi\n", false, 0},  // non-numeric lower Dec
        {"0,24,88,UMi\n8,14.5,86.5\n", false, 0},  // the last record cut off
        {"0,24,,UMi\n", false, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        WriteFile("Constell.dat", c.text);
        ConstellationTables tables;
        EXPECT_EQ(LoadConstellationFile("Constell.dat", tables), c.loaded) << c.text;
        EXPECT_EQ(tables.ConDataLoaded, c.loaded);
        EXPECT_EQ(tables.ConCount, c.count);
    }
    ConstellationTables tables;
    EXPECT_FALSE(LoadConstellationFile("Missing.dat", tables));
}

}  // namespace
}  // namespace orvexal
