#include "data/constellation_file.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace orvexal {
namespace {

TEST(ConstellationFile, LoadsThePublishedTable)
{
    ConstellationTables t;
    ASSERT_TRUE(LoadConstellationFile(test::ShareFile("Constell.dat"), t));
    ASSERT_EQ(t.ConCount, 357);
    EXPECT_EQ(std::tie(t.ConRaLow[1], t.ConRaHigh[1], t.ConDecLow[1], t.ConAbbrev[1]), std::tuple(0, 24, 88, "UMi"));
    // The last record is the south polar cap, so that every position finds a box.
    EXPECT_EQ(std::tie(t.ConRaLow[357], t.ConRaHigh[357], t.ConDecLow[357], t.ConAbbrev[357]),
              std::tuple(0, 24, -90, "Oct"));
    const std::tuple<double, double, std::string> positions[] = {
        {0, 90, "UMi"}, {0, -90, "Oct"}, {23.9999, -90, "Oct"}, {24, 0, ""},
        {1.2, 88.6, "UMi"}, {5.8, 7.4, "Ori"}, {6.65, -16.5, "CMa"},  // Polaris, Betelgeuse, Sirius
        {18.53, 38.6, "Lyr"}, {12.33, -62.4, "Cru"}, {16.35, -26.2, "Sco"},  // Vega, Acrux, Antares
        {0, 85, "Cep"}, {7.9999, 85, "Cep"}, {8, 85, "Cam"},  // box 0..8 h from +85 Dec: upper RA outside
        {9.1667, 82, "Cam"}, {9.1667, 81.9999, "Dra"},        // box 9.1667.. h from +82 Dec: lower Dec inside
    };
    for (const auto& [ra, dec, abbrev] : positions) {
        EXPECT_EQ(FindConstellation(t, ra, dec), abbrev) << ra << " h " << dec;
    }
}

using ConstellationFileLimit = test::TempFolderTest;

// The 358 boxes the tables hold load; a 359th fails the file. Its other
// faults are in file_faults_test.cpp.
TEST_F(ConstellationFileLimit, HoldsAtMost358Boxes)
{
    for (const int count : {358, 359}) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "0,24," + std::to_string(89 - i / 4.0) + ",\"Abc\"\r\n";
        }
        test::WriteFile("Constell.dat", text);
        ConstellationTables tables;
        const bool loaded = count == 358;
        EXPECT_EQ(LoadConstellationFile("Constell.dat", tables), loaded) << count;
        EXPECT_EQ(std::tie(tables.ConDataLoaded, tables.ConCount), std::tuple(loaded, loaded ? count : 0));
    }
}

}  // namespace
}  // namespace orvexal
