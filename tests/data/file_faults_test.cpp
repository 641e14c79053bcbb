// Faults of every file step, through the calls the program makes: the
// start-up reading Constell.dat, LOCATION.DAT and Orvex3.ini, a location
// file chosen later, and the settings written at exit.
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "data/startup.h"
#include "test_files.h"

namespace orvexal {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

const std::string kNul(1, '\0');
const std::string kNotUtf8 = "\xff\xfe";
const std::string kHeaders = "Sites\nname, longitude, latitude, zone\n";
const std::string kTexts = "\"1\"\n\"2\"\n\"3\"\n\"-12\"\n";  // Text2 .. Text4, Text27

// What a test puts where the program expects a data file.
struct Put {
    enum Kind { File, Folder, LongLine } kind;
    std::string text;  // the file, or what comes before a line of 50 MB without a line end
};

void Place(const std::string& name, const Put& put)
{
    fs::remove_all(name);
    if (put.kind == Put::Folder) {
        fs::create_directories(name + "/inside");
        return;
    }
    std::ofstream file(name, std::ios::binary);
    file << put.text;
    const std::string block(std::size_t{1} << 16, 'x');
    for (int i = 0; put.kind == Put::LongLine && i < 800; ++i) {
        file << block;
    }
}

// The most the resident memory grew while step ran, KiB: the peak after it
// less the resident size before it, so that no growth can hide behind an
// earlier peak. Reading a line of 50 MB whole would add more than 50,000.
long PeakGrowthKib(const std::function<void()>& step)
{
    long size = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> size >> resident;
    const long before = resident * (sysconf(_SC_PAGESIZE) / 1024);
    step();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss - before;
}

constexpr long kMemoryBoundKib = 4096;

auto Records(const ConstellationTables& t)
{
    return std::tie(t.ConRaLow, t.ConRaHigh, t.ConDecLow, t.ConAbbrev, t.ConCount, t.ConDataLoaded);
}

auto Records(const LocationList& l)
{
    return std::tie(l.LocName, l.LocLongitude, l.LocLatitude, l.LocTimeZone, l.LocCount);
}

class FileFaults : public test::TempFolderTest {
protected:
    // The start-up of a fresh program, within the memory bound.
    StartupResult Startup()
    {
        state_ = std::make_unique<AppState>();
        StartupResult result;
        EXPECT_LT(PeakGrowthKib([&] { result = RunStartup(*state_); }), kMemoryBoundKib);
        return result;
    }

    std::unique_ptr<AppState> state_;
};

// A row gives what is read in the file's first record name, or nothing
// when the step must fail.
struct ReadCase {
    const char* what;
    Put put;
    std::optional<std::string> name;
};

TEST_F(FileFaults, ConstellationFileAtStartup)
{
    const ReadCase cases[] = {
        {"whole", {Put::File, "0,24,88,UMi\n"}, "UMi"},
        {"a folder", {Put::Folder, ""}, std::nullopt},
        {"cut in a record", {Put::File, "0,24,88,UMi\n8,14."}, std::nullopt},
        {"cut in a quoted item", {Put::File, "0,24,88,UMi\n8,14.5,86.5,\"UM"}, std::nullopt},
        {"NUL in a name", {Put::File, "0,24,88,U" + kNul + "Mi\n"}, "U" + kNul + "Mi"},
        {"NUL in a number", {Put::File, "0,24,88,UMi\n8,1" + kNul + "4.5,86.5,UMi\n"}, std::nullopt},
        {"not UTF-8 in a name", {Put::File, "0,24,88,\"" + kNotUtf8 + "\"\n"}, kNotUtf8},
        {"not UTF-8 in a number", {Put::File, "0,24,88,UMi\n8,14.5" + kNotUtf8 + ",86.5,UMi\n"}, std::nullopt},
        {"50 MB line", {Put::LongLine, "0,24,88,UMi\n0,24,88,"}, std::nullopt},
    };
    WriteFile("LOCATION.DAT", kHeaders + "Site,1,2,3\n");
    for (const auto& [what, put, name] : cases) {
        SCOPED_TRACE(what);
        Place("Constell.dat", put);
        const StartupResult result = Startup();
        ConstellationTables expected;
        if (name) {
            expected.ConRaHigh[1] = 24;
            expected.ConDecLow[1] = 88;
            expected.ConAbbrev[1] = *name;
            expected.ConCount = 1;
            expected.ConDataLoaded = true;
        }
        EXPECT_EQ(Records(state_->constellations), Records(expected));
        // The start-up loads the location file only after the constellation data.
        EXPECT_EQ(result.locationLoad, name ? std::optional(LocationLoadResult::Loaded) : std::nullopt);
    }
}

// Each row at start-up as LOCATION.DAT, and chosen later over a list loaded
// before, which a failed load leaves exactly as it was.
TEST_F(FileFaults, LocationFile)
{
    const ReadCase cases[] = {
        {"whole", {Put::File, kHeaders + "\"Dome, north\",1,2,3\n"}, "Dome, north"},
        {"a folder", {Put::Folder, ""}, std::nullopt},
        {"cut in a header line", {Put::File, "Sites"}, std::nullopt},
        {"cut in a record", {Put::File, kHeaders + "Dome,1,2"}, std::nullopt},
        {"cut in a quoted name", {Put::File, kHeaders + "\"Dome, no"}, std::nullopt},
        {"NUL in a header", {Put::File, "Si" + kNul + "tes\nx\nDome,1,2,3\n"}, "Dome"},
        {"NUL in a name", {Put::File, kHeaders + "Do" + kNul + "me,1,2,3\n"}, "Do" + kNul + "me"},
        {"NUL in a number", {Put::File, kHeaders + "Dome,1,2" + kNul + ",3\n"}, std::nullopt},
        {"not UTF-8 in a name", {Put::File, kHeaders + "\"" + kNotUtf8 + "\",1,2,3\n"}, kNotUtf8},
        {"not UTF-8 in a number", {Put::File, kHeaders + "Dome,1," + kNotUtf8 + "2,3\n"}, std::nullopt},
        {"50 MB header line", {Put::LongLine, ""}, std::nullopt},
        {"50 MB name", {Put::LongLine, kHeaders + "\""}, std::nullopt},
    };
    WriteFile("Constell.dat", "0,24,-90,Oct\n");
    auto before = std::make_unique<LocationList>();
    before->LocFileName = test::ShareFile("LOCATION.DAT");
    ASSERT_EQ(LoadLocationFile(*before), LocationLoadResult::Loaded);
    const std::string chosen = (fs::current_path() / "chosen.dat").string();
    for (const auto& [what, put, name] : cases) {
        SCOPED_TRACE(what);
        Place("LOCATION.DAT", put);
        Place(chosen, put);
        const auto result = name ? LocationLoadResult::Loaded : LocationLoadResult::Failed;
        EXPECT_EQ(Startup().locationLoad, result);
        EXPECT_EQ(std::tie(state_->locations.LocCount, state_->locations.LocName[1]),
                  std::tuple(name ? 1 : 0, name.value_or("")));
        auto list = std::make_unique<LocationList>(*before);
        list->LocFileName = chosen;
        EXPECT_LT(PeakGrowthKib([&] { EXPECT_EQ(LoadLocationFile(*list), result); }), kMemoryBoundKib);
        if (name) {
            EXPECT_EQ(std::tie(list->LocCount, list->LocName[1], list->LocName[2]), std::tuple(1, *name, ""));
        } else {
            EXPECT_EQ(Records(*list), Records(*before));
        }
    }
}

TEST_F(FileFaults, SettingsFileAtStartup)
{
    const ReadCase cases[] = {
        {"whole", {Put::File, "1500\n-900\n\"Dome\"\n" + kTexts}, "Dome"},
        {"a folder", {Put::Folder, ""}, std::nullopt},
        {"cut in a line", {Put::File, "1500\n-9"}, std::nullopt},
        {"cut in a quoted item", {Put::File, "1500\n-900\n\"Dome\"\n\"1\"\n\"2\"\n\"3\"\n\"-1"}, std::nullopt},
        {"NUL in a name", {Put::File, "1500\n-900\n\"Do" + kNul + "me\"\n" + kTexts}, "Do" + kNul + "me"},
        {"NUL in a number", {Put::File, "1500\n-9" + kNul + "00\n\"Dome\"\n" + kTexts}, std::nullopt},
        {"not UTF-8 in a name", {Put::File, "1500\n-900\n\"" + kNotUtf8 + "\"\n" + kTexts}, kNotUtf8},
        {"not UTF-8 in a number", {Put::File, "1500" + kNotUtf8 + "\n-900\n\"Dome\"\n" + kTexts}, std::nullopt},
        {"50 MB number", {Put::LongLine, ""}, std::nullopt},
        {"50 MB quoted name", {Put::LongLine, "1500\n-900\n\""}, std::nullopt},
    };
    for (const auto& [what, put, name] : cases) {
        SCOPED_TRACE(what);
        Place("Orvex3.ini", put);
        const StartupResult result = Startup();
        const auto settings = [&name] { return SettingsRecord{1500, -900, *name, "1", "2", "3", "-12"}; };
        EXPECT_EQ(result.settings, name ? std::optional(settings()) : std::nullopt);
        // Nothing of a file that failed is applied: the window goes to 100, 100 twips.
        EXPECT_EQ(std::tie(state_->window.WinLeft, state_->window.WinTop),
                  name ? std::tuple(1500, -900) : std::tuple(100, 100));
    }
}

}  // namespace
}  // namespace orvexal
