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
    EXPECT_EQ(result.settings, std::nullopt);
    EXPECT_EQ(std::tie(state_->locations.LocCount, state_->window.WinLeft, state_->window.WinTop),
              std::tuple(0, 100, 100));
    EXPECT_TRUE(SaveSettings(*state_, 100, 100, FieldTable()));
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
    EXPECT_EQ(std::tie(state_->locations.LocFileName, state_->locations.LocCount), std::tuple("LOCATION.DAT", 20));
    EXPECT_EQ(std::tie(state_->window.WinLeft, state_->window.WinTop), std::tuple(-1440, 200));
    ASSERT_TRUE(result.settings);
    FieldTable fields;
    ApplySettingsToFields(*result.settings, fields);
    EXPECT_EQ(fields.Text(Field::Text1) + fields.Text(Field::Text4) + fields.Text(Field::Text27), "Lick8-12");
    // At exit the window reports single-precision twips, clamped into 16 bits.
    EXPECT_TRUE(SaveSettings(*state_, 1e6, 200.5, fields));
    EXPECT_EQ(std::tie(state_->window.WinLeft, state_->window.WinTop), std::tuple(32767, 200));
    EXPECT_EQ(ReadFile("Orvex3.ini"), "32767\n200\n\"Lick\"\n\"121.3834\"\n\"37.2029\"\n\"8\"\n\"-12\"\n");
}

TEST_F(Startup, LoadsLocationsOnlyAfterTheConstellationData)
{
    fs::copy_file(ShareFile("LOCATION.DAT"), kDefaultLocationFile);
    EXPECT_EQ(RunStartup(*state_).locationLoad, std::nullopt);
    EXPECT_EQ(std::tie(state_->locations.LocFileName, state_->locations.LocCount), std::tuple("", 0));
    fs::copy_file(ShareFile("Constell.dat"), kConstellationFile);
    fs::copy_file(ShareFile("Constell.dat"), kDefaultLocationFile, fs::copy_options::overwrite_existing);
    EXPECT_EQ(RunStartup(*state_).locationLoad, LocationLoadResult::WrongFile);
    EXPECT_EQ(state_->locations.LocCount, 0);
}

}  // namespace
}  // namespace orvexal
