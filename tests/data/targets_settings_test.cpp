#include <gtest/gtest.h>

#include <filesystem>

#include "data/targets_settings.h"

namespace orvexal {
namespace {

// A path with blanks, "=" and a non-ASCII name comes back as written, and
// fractional limits to the last digit.
TEST(TargetsSettings, WrittenAndReadBack)
{
    const TargetsSettings settings{"/home/obs/lists/M=42 \xc3\xa9t\xc3\xa9.txt", 29.957031, 34.5};
    EXPECT_EQ(ReadTargetsSettings(TargetsSettingsText(settings)), settings);
    const auto path = std::filesystem::temp_directory_path() / "orvexal-targets-settings.ini";
    ASSERT_TRUE(SaveTargetsSettings(path.string(), settings));
    EXPECT_EQ(LoadTargetsSettings(path.string()), settings);
    std::filesystem::remove(path);
    EXPECT_EQ(LoadTargetsSettings(path.string()), TargetsSettings{});
    EXPECT_FALSE(SaveTargetsSettings((path / "no-such-folder" / "targets.ini").string(), settings));
}

// A bad value keeps its default and spoils nothing else.
TEST(TargetsSettings, ReadTolerantly)
{
    const struct {
        const char* text;
        TargetsSettings read;
    } cases[] = {
        {"", {}},
        {"list=a.txt\r\naltitude=45\r\nmoon=20\r\n", {"a.txt", 45, 20}},
        {"altitude=91\nmoon=-1\nlist=b.txt", {"b.txt", 30, 0}},
        {"altitude=90\nmoon=180", {"", 90, 180}},
        {"altitude=thirty\nmoon=1e400\ncolour=red\nno equals sign\n=5", {}},
        {" moon = 12.5 \naltitude=nan\naltitude=0", {"", 0, 12.5}},
        {"\xff\xfe garbage\nmoon=7", {"", 30, 7}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadTargetsSettings(c.text), c.read) << c.text;
    }
}

}  // namespace
}  // namespace orvexal
