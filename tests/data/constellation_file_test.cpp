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
    EXPECT_EQ(FindConstellation(t, 6.65, -16.5), "CMa");  // Sirius
}

using ConstellationFileLimit = test::TempFolderTest;

// The 358 boxes the tables hold load; a 359th fails the file and leaves
// nothing to search of the tables loaded before. Its other faults are in
// file_faults_test.cpp.
TEST_F(ConstellationFileLimit, HoldsAtMost358Boxes)
{
    ConstellationTables tables;
    for (const int count : {358, 359}) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += "0,24," + std::to_string(89 - i / 4.0) + ",\"Abc\"\r\n";
        }
        test::WriteFile("Constell.dat", text);
        const bool loaded = count == 358;
        EXPECT_EQ(LoadConstellationFile("Constell.dat", tables), loaded) << count;
        EXPECT_EQ(std::tie(tables.ConDataLoaded, tables.ConCount), std::tuple(loaded, loaded ? count : 0));
    }
    EXPECT_EQ(tables.ConDecLow[358], 89 - 357 / 4.0);
}

}  // namespace
}  // namespace orvexal
