#include "data/settings_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "calc/fields.h"
#include "test_files.h"

namespace orvexal {
namespace {

using test::kFirstRunSettings;
using test::ReadFile;
using test::WriteFile;
namespace fs = std::filesystem;

SettingsRecord Designed(Int16 left = 100, Int16 top = 100)
{
    const auto text = [](Field f) { return std::string(DesignedText(f)); };
    return {left, top, text(Field::Text1), text(Field::Text2), text(Field::Text3), text(Field::Text4),
            text(Field::Text27)};
}

SettingsRecord Site(Int16 left, Int16 top, const std::string& twilight)
{
    return {left, top, "Site", "1", "2", "3", twilight};
}

class SettingsFile : public test::TempFolderTest {};

TEST_F(SettingsFile, WritesTheDesignedExampleByteForByte)
{
    ASSERT_TRUE(WriteSettingsFile("Orvex3.ini", Designed()));
    EXPECT_EQ(ReadFile("Orvex3.ini"), kFirstRunSettings);
    EXPECT_EQ(ReadSettingsFile("Orvex3.ini"), Designed());
    EXPECT_FALSE(fs::exists("Orvex3.ini.tmp"));
}

TEST_F(SettingsFile, TextsReadBackAsWritten)
{
    for (const std::string text : {"Mount Wilson, CA", "5\" refractor \"Bob\"", "", "  blanks  ", "a,\"b\",c"}) {
        SettingsRecord settings = Designed(-1440, 32767);
        settings.Text1 = settings.Text27 = text;
        ASSERT_TRUE(WriteSettingsFile("Orvex3.ini", settings));
        EXPECT_EQ(ReadSettingsFile("Orvex3.ini"), settings) << text;
    }
    EXPECT_NE(ReadFile("Orvex3.ini").find("\n\"a,\"\"b\"\",c\"\n"), std::string::npos);

    SettingsRecord broken = Designed();
    broken.Text1 = "two\r\nlines\n";
    ASSERT_TRUE(WriteSettingsFile("Orvex3.ini", broken));
    EXPECT_EQ(ReadSettingsFile("Orvex3.ini")->Text1, "twolines");
}

TEST_F(SettingsFile, AppliesOnlyAWholeFile)
{
    const std::string texts = "\"Site\"\n\"1\"\n\"2\"\n\"3\"\n";
    const struct {
        std::string text;
        std::optional<SettingsRecord> settings;
    } cases[] = {
        {"-1440\r\n200\r\n\"Site\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"-10\"\r\n", Site(-1440, 200, "-10")},
        {"100\n100\n" + texts + "-12\n", Site(100, 100, "-12")},  // unquoted, a number
        {"100\n100\n" + texts + "-12.50\n", Site(100, 100, "-12.5")},
        {"100\n100\n" + texts + "low\n", Site(100, 100, "low")},
        {"32767, -32768, Site, 1, 2, 3, \"x\"", Site(32767, -32768, "x")},
        {"100\n100\n" + texts, std::nullopt},  // six items
        {"abc\n100\n" + texts + "\"-10\"\n", std::nullopt},
        {"32768\n100\n" + texts + "\"-10\"\n", std::nullopt},
        {"100\n-32769\n" + texts + "\"-10\"\n", std::nullopt},
        {"\"100\"\n100\n" + texts + "\"-10\"\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        WriteFile("Orvex3.ini", c.text);
        EXPECT_EQ(ReadSettingsFile("Orvex3.ini"), c.settings) << c.text;
    }
    EXPECT_EQ(ReadSettingsFile("Missing.ini"), std::nullopt);
}

// Tests run as root, for whom a folder without write permission is still
// writable; each fault below stops root too.
TEST_F(SettingsFile, AFailedWriteKeepsTheOldFile)
{
    WriteFile("Orvex3.ini", kFirstRunSettings);
    const SettingsRecord changed = Designed(5, 5);
    fs::create_directory("Orvex3.ini.tmp");  // the temporary name is taken by a folder
    EXPECT_FALSE(WriteSettingsFile("Orvex3.ini", changed));
    fs::remove("Orvex3.ini.tmp");
    fs::create_symlink("/dev/full", "Orvex3.ini.tmp");  // a full disk
    EXPECT_FALSE(WriteSettingsFile("Orvex3.ini", changed));
    EXPECT_FALSE(fs::exists(fs::symlink_status("Orvex3.ini.tmp")));
    EXPECT_EQ(ReadFile("Orvex3.ini"), kFirstRunSettings);

    EXPECT_FALSE(WriteSettingsFile("no-such-folder/Orvex3.ini", changed));
    fs::create_directories("taken/Orvex3.ini/inside");  // the settings name is a folder
    EXPECT_FALSE(WriteSettingsFile("taken/Orvex3.ini", changed));
    EXPECT_FALSE(fs::exists("taken/Orvex3.ini.tmp"));
}

TEST(SettingsTwips, RoundsSinglePrecisionTwipsIntoSixteenBits)
{
    const struct {
        double twips;
        Int16 expected;
    } cases[] = {
        {100, 100},        {100.5, 100},         {101.5, 102},       {-0.5, 0},
        {-1440.4, -1440},  {100.50000001, 100},  // as a single, 100.5: halves to even
        {32767.5, 32767},  {40000, 32767},       {-40000, -32768},   {-32768.5, -32768},
        {1e300, 32767},    {-1e300, -32768},     {std::nan(""), 32767},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TwipsToInt16(c.twips), c.expected) << c.twips;
    }
}

}  // namespace
}  // namespace orvexal
