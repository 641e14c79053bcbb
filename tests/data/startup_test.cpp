#include "data/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "data/constellation_file.h"
#include "test_files.h"

namespace orvexal {
namespace {

using test::ReadFile;
using test::ShareFile;
namespace fs = std::filesystem;

class Startup : public test::TempFolderTest {
protected:
    std::unique_ptr<AppState> state_ = std::make_unique<AppState>();
};

TEST_F(Startup, FirstRunInAnEmptyFolder)
{
    state_->window = {7, 7};
    const StartupResult result = RunStartup(*state_);
    EXPECT_FALSE(state_->constellations.ConDataLoaded);
    EXPECT_EQ(result.locationLoad, std::nullopt);
    EXPECT_EQ(state_->locations.LocCount, 0);
    EXPECT_EQ(result.settings, std::nullopt);
    EXPECT_EQ(state_->window.WinLeft, 100);
    EXPECT_EQ(state_->window.WinTop, 100);

    const FieldTable fields;
    EXPECT_TRUE(SaveSettings(*state_, 100, 100, fields));
    EXPECT_EQ(ReadFile("Orvex3.ini"), test::kFirstRunSettings);
}

TEST_F(Startup, ReadsAllThreeFiles)
{
    fs::copy_file(ShareFile("Constell.dat"), kConstellationFile);
    fs::copy_file(ShareFile("LOCATION.DAT"), kDefaultLocationFile);
    test::WriteFile("Orvex3.ini", "-1440\n200\n\"Lick\"\n\"121.3834\"\n\"37.2029\"\n\"8\"\n-12\n");
    const StartupResult result = RunStartup(*state_);
    EXPECT_EQ(state_->constellations.ConCount, 357);
    EXPECT_EQ(result.locationLoad, LocationLoadResult::Loaded);
    EXPECT_EQ(state_->locations.LocFileName, "LOCATION.DAT");
    EXPECT_EQ(state_->locations.LocCount, 20);
    ASSERT_TRUE(result.settings);
    EXPECT_EQ(state_->window.WinLeft, -1440);
    EXPECT_EQ(state_->window.WinTop, 200);

    FieldTable fields;
    ApplySettingsToFields(*result.settings, fields);
    EXPECT_EQ(fields.Text(Field::Text1), "Lick");
    EXPECT_EQ(fields.Text(Field::Text4), "8");
    EXPECT_EQ(fields.Text(Field::Text27), "-12");
    EXPECT_TRUE(SaveSettings(*state_, -1440.4, 200.5, fields));
    EXPECT_EQ(ReadFile("Orvex3.ini"), "-1440\n200\n\"Lick\"\n\"121.3834\"\n\"37.2029\"\n\"8\"\n\"-12\"\n");
}

TEST_F(Startup, LoadsLocationsOnlyAfterTheConstellationData)
{
    fs::copy_file(ShareFile("LOCATION.DAT"), kDefaultLocationFile);
    EXPECT_EQ(RunStartup(*state_).locationLoad, std::nullopt);
    EXPECT_EQ(state_->locations.LocCount, 0);
    EXPECT_EQ(state_->locations.LocFileName, "");

    fs::copy_file(ShareFile("Constell.dat"), kConstellationFile);
    fs::copy_file(ShareFile("Constell.dat"), kDefaultLocationFile, fs::copy_options::overwrite_existing);
    EXPECT_EQ(RunStartup(*state_).locationLoad, LocationLoadResult::WrongFile);
    EXPECT_EQ(state_->locations.LocCount, 0);
}

TEST_F(Startup, SaveSettingsClampsAndReportsFailure)
{
    const FieldTable fields;
    EXPECT_TRUE(SaveSettings(*state_, 1e6, -99999.6, fields));
    EXPECT_EQ(state_->window.WinLeft, 32767);
    EXPECT_EQ(state_->window.WinTop, -32768);
    fs::create_directory("Orvex3.ini.tmp");
    EXPECT_FALSE(SaveSettings(*state_, 0, 0, fields));
    const auto kept = ReadSettingsFile("Orvex3.ini");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->WinLeft, 32767);
    EXPECT_EQ(kept->WinTop, -32768);
}

}  // namespace
}  // namespace orvexal
