#include "data/settings_file.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_files.h"

namespace orvexal {
namespace {

using SettingsFile = test::TempFolderTest;

// Quotes doubled, blanks kept, line breaks left out of a text; the round
// trip of any record read is the settings fuzz target's.
TEST_F(SettingsFile, WritesTextsThatReadBack)
{
    const SettingsRecord settings{-1440, 32767, "a,\"b\",c", "122.50514", "53.45289", "8", "a,\"b\",c"};
    ASSERT_TRUE(WriteSettingsFile("Orvex3.ini", settings));
    EXPECT_EQ(ReadSettingsFile("Orvex3.ini"), settings);
    EXPECT_EQ(test::ReadFile("Orvex3.ini"),
              "-1440\n32767\n\"a,\"\"b\"\",c\"\n\"122.50514\"\n\"53.45289\"\n\"8\"\n\"a,\"\"b\"\",c\"\n");
    ASSERT_TRUE(WriteSettingsFile("Orvex3.ini", {100, 100, "two\r\nlines\n", "1", "2", "3", "-10"}));
    EXPECT_EQ(ReadSettingsFile("Orvex3.ini")->texts.front(), "twolines");
}

TEST_F(SettingsFile, AppliesOnlyAWholeFile)
{
    const std::string texts = "\"Site\"\n\"1\"\n\"2\"\n\"3\"\n";
    const auto site = [](Int16 left, Int16 top, const char* twilight) {
        return std::optional<SettingsRecord>({left, top, "Site", "1", "2", "3", twilight});
    };
    const std::pair<std::string, std::optional<SettingsRecord>> cases[] = {
        {"-1440\r\n200\r\n\"Site\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"-10\"\r\n", site(-1440, 200, "-10")},
        {"100\n100\n" + texts + "-12.50\n", site(100, 100, "-12.5")},  // unquoted seventh item: a number
        {"100\n100\n" + texts + "low\n", site(100, 100, "low")},
        {"32767, -32768, Site, 1, 2, 3, \"x\"", site(32767, -32768, "x")},
        {"100\n100\n" + texts, std::nullopt},  // six items
        {"32768\n100\n" + texts + "\"-10\"\n", std::nullopt},
        {"100\n-32769\n" + texts + "\"-10\"\n", std::nullopt},
        {"\"100\"\n100\n" + texts + "\"-10\"\n", std::nullopt},
    };
    for (const auto& [text, settings] : cases) {
        test::WriteFile("Orvex3.ini", text);
        EXPECT_EQ(ReadSettingsFile("Orvex3.ini"), settings) << text.substr(0, 40);
    }
}

TEST(SettingsTwips, RoundsSinglePrecisionTwipsIntoSixteenBits)
{
    const std::pair<double, Int16> cases[] = {
        {100.5, 100}, {101.5, 102}, {-0.5, 0},
        {100.50000001, 100},  // as a single 100.5, whose half goes to the even 100
        {32767.5, 32767}, {40000, 32767}, {-32768.5, -32768}, {-1e300, -32768}, {std::nan(""), 32767},
    };
    for (const auto& [twips, expected] : cases) {
        EXPECT_EQ(TwipsToInt16(twips), expected) << twips;
    }
}

}  // namespace
}  // namespace orvexal
