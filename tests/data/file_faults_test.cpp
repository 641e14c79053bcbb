// Faults of every file step, through the calls the program makes: the
// start-up reading Constell.dat, LOCATION.DAT and Orvex3.ini, a location
// file chosen later, and the settings written at exit.
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

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
    enum Kind { File, Folder, LongLine, Link, Pipe } kind;
    std::string text{};  // the file, what comes before a line of 50 MB without a line end, or the link's target
};

void Place(const std::string& name, const Put& put)
{
    fs::remove_all(name);
    if (put.kind == Put::Folder) {
        fs::create_directories(name + "/inside");
        return;
    }
    if (put.kind == Put::Link) {
        fs::create_symlink(put.text, name);
        return;
    }
    if (put.kind == Put::Pipe) {  // opening it for reading would wait for a writer
        mkfifo(name.c_str(), 0600);
        return;
    }
    std::ofstream file(name, std::ios::binary);
    file << put.text;
    const std::string block(std::size_t{1} << 16, 'x');
    for (int i = 0; put.kind == Put::LongLine && i < 800; ++i) {
        file << block;
    }
}

// A "Name:   N kB" figure of /proc/self/status, KiB.
long StatusKib(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(name + ":")) {
            return std::stol(line.substr(name.size() + 1));
        }
    }
    return -1;
}

// The most the resident memory grew while step ran, KiB: the peak is reset
// to the resident size first, so that neither an earlier peak of this
// process nor one of the process that started it (which getrusage carries
// over an exec) hides or feigns growth. Reading a line of 50 MB whole would
// add more than 50,000.
long PeakGrowthKib(const std::function<void()>& step)
{
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = StatusKib("VmRSS");
    step();
    return StatusKib("VmHWM") - before;
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

// Every entry below the working folder, links not followed: a file's
// content, "folder", or "-> " and a link's target.
std::map<std::string, std::string> Entries()
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(".")) {
        const std::string name = entry.path().lexically_relative(".").string();
        entries[name] = entry.is_symlink()     ? "-> " + fs::read_symlink(entry).string()
                        : entry.is_directory() ? "folder"
                                               : ReadFile(name);
    }
    return entries;
}

// Starts step in a child process, which ends with the status step returns.
pid_t Spawn(const std::function<int()>& step)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(step());
    }
    return child;
}

// The child's exit status, -1 when it did not exit.
int Wait(pid_t child)
{
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// How the exit is run: in this process, in a child that drops to the user
// nobody (root writes into any folder, whatever its permissions), or in one
// whose files cannot grow past 16 bytes (a full disk).
enum class Limit { None, Unprivileged, FullDisk };

bool SetLimit(Limit limit)
{
    if (limit == Limit::FullDisk) {
        const rlimit sixteenBytes{16, 16};
        return signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &sixteenBytes) == 0;
    }
    constexpr uid_t kNobody = 65534;
    return geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
}

// 0 when the settings were written, 1 when not, 2 when the limit could not be set.
int Exit(Limit limit, const std::function<bool()>& save)
{
    if (limit == Limit::None) {
        return save() ? 0 : 1;
    }
    return Wait(Spawn([&] { return SetLimit(limit) ? int(!save()) : 2; }));
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
    std::optional<std::string> name{};
};

TEST_F(FileFaults, ConstellationFileAtStartup)
{
    const ReadCase cases[] = {
        {"whole, blank lines after it", {Put::File, "0,24,88,UMi\n\n  \n"}, "UMi"},
        {"empty", {Put::File}},
        {"a folder", {Put::Folder}},
        {"cut in a record", {Put::File, "0,24,88,UMi\n8,14."}},
        {"cut in a quoted item", {Put::File, "0,24,88,UMi\n8,14.5,86.5,\"UM"}},
        {"NUL in a name", {Put::File, "0,24,88,U" + kNul + "Mi\n"}, "U" + kNul + "Mi"},
        {"NUL in a number", {Put::File, "0,24,88,UMi\n8,1" + kNul + "4.5,86.5,UMi\n"}},
        {"not UTF-8 in a name", {Put::File, "0,24,88,\"" + kNotUtf8 + "\"\n"}, kNotUtf8},
        {"not UTF-8 in a number", {Put::File, "0,24,88,UMi\n8,14.5" + kNotUtf8 + ",86.5,UMi\n"}},
        {"50 MB line", {Put::LongLine, "0,24,88,UMi\n0,24,88,"}},
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
        {"a folder", {Put::Folder}},
        {"a named pipe", {Put::Pipe}},
        {"cut in a header line", {Put::File, "Sites"}},
        {"cut in a record", {Put::File, kHeaders + "Dome,1,2"}},
        {"cut in a quoted name", {Put::File, kHeaders + "\"Dome, no"}},
        {"NUL in a header", {Put::File, "Si" + kNul + "tes\nx\nDome,1,2,3\n"}, "Dome"},
        {"NUL in a name", {Put::File, kHeaders + "Do" + kNul + "me,1,2,3\n"}, "Do" + kNul + "me"},
        {"NUL in a number", {Put::File, kHeaders + "Dome,1,2" + kNul + ",3\n"}},
        {"not UTF-8 in a name", {Put::File, kHeaders + "\"" + kNotUtf8 + "\",1,2,3\n"}, kNotUtf8},
        {"not UTF-8 in a number", {Put::File, kHeaders + "Dome,1," + kNotUtf8 + "2,3\n"}},
        {"50 MB header line", {Put::LongLine}},
        {"50 MB name", {Put::LongLine, kHeaders + "\""}},
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
        {"a folder", {Put::Folder}},
        {"cut in a line", {Put::File, "1500\n-9"}},
        {"cut in a quoted item", {Put::File, "1500\n-900\n\"Dome\"\n\"1\"\n\"2\"\n\"3\"\n\"-1"}},
        {"NUL in a name", {Put::File, "1500\n-900\n\"Do" + kNul + "me\"\n" + kTexts}, "Do" + kNul + "me"},
        {"NUL in a number", {Put::File, "1500\n-9" + kNul + "00\n\"Dome\"\n" + kTexts}},
        {"not UTF-8 in a name", {Put::File, "1500\n-900\n\"" + kNotUtf8 + "\"\n" + kTexts}, kNotUtf8},
        {"not UTF-8 in a number", {Put::File, "1500" + kNotUtf8 + "\n-900\n\"Dome\"\n" + kTexts}},
        {"50 MB number", {Put::LongLine}},
        {"50 MB quoted name", {Put::LongLine, "1500\n-900\n\""}},
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

// The settings read at start-up, then the working folder changed while the
// program runs, then the exit. Whatever happens, the exit ends; nothing but
// Orvex3.ini changes, and that only to the whole new file; no temporary file
// is left.
TEST_F(FileFaults, SettingsFileAtExit)
{
    constexpr fs::perms kOwn{0700};
    struct ExitCase {
        const char* what;
        bool written;
        std::vector<std::pair<std::string, Put>> placed{};  // replacing what was there
        fs::perms folder = kOwn;
        Limit limit = Limit::None;
    };
    const Put elsewhere{Put::File, "kept\n"};
    const std::string stale = "Orvex3.ini.tmp-" + std::to_string(getpid()) + "-0";
    const ExitCase cases[] = {
        {"as read", true},
        {"replaced by another file", true, {{"Orvex3.ini", {Put::File, "another copy\n"}}}},
        {"replaced by a folder", false, {{"Orvex3.ini", {Put::Folder}}}},
        {"replaced by a link to a file", true, {{"Orvex3.ini", {Put::Link, "else.ini"}}, {"else.ini", elsewhere}}},
        {"replaced by a link to a folder", true, {{"Orvex3.ini", {Put::Link, "else"}}, {"else", {Put::Folder}}}},
        {"removed, a dangling link in its place", true, {{"Orvex3.ini", {Put::Link, "gone.ini"}}}},
        {"a stale temporary folder", true, {{"Orvex3.ini.tmp", {Put::Folder}}}},
        // Left by a run that ended during its save, under a process id that has come round again.
        {"a stale temporary link", true, {{stale, {Put::Link, "else.ini"}}, {"else.ini", elsewhere}}},
        {"working folder read-only", false, {}, fs::perms{0555}, Limit::Unprivileged},
        {"working folder open to all", true, {}, fs::perms{0777}, Limit::Unprivileged},
        {"full disk", false, {}, kOwn, Limit::FullDisk},
    };
    for (const auto& [what, written, placed, folder, limit] : cases) {
        SCOPED_TRACE(what);
        fs::permissions(".", kOwn);
        for (const fs::directory_entry& entry : fs::directory_iterator(".")) {
            fs::remove_all(entry);
        }
        WriteFile("Orvex3.ini", "1500\n-900\n\"Dome\"\n" + kTexts);
        FieldTable fields;
        ApplySettingsToFields(*Startup().settings, fields);
        for (const auto& [name, put] : placed) {
            Place(name, put);
        }
        fs::permissions(".", folder);
        std::map<std::string, std::string> expected = Entries();
        if (written) {
            expected["Orvex3.ini"] = "1440\n2880\n\"Dome\"\n" + kTexts;
        }
        EXPECT_EQ(Exit(limit, [&] { return SaveSettings(*state_, 1440, 2880, fields); }), written ? 0 : 1);
        EXPECT_EQ(Entries(), expected);
    }
    fs::permissions(".", kOwn);
}

// Two copies of the program ending at the same moment, many times over:
// every save succeeds, and the file left is the whole file of one of them.
TEST_F(FileFaults, TwoCopiesSavingAtOnce)
{
    const auto copy = [](Int16 left) {
        return Spawn([left] {
            bool all = true;
            for (int i = 0; i < 200; ++i) {
                all = WriteSettingsFile("Orvex3.ini", {left, 0, "Copy", "1", "2", "3", "-12"}) && all;
            }
            return all ? 0 : 1;
        });
    };
    const pid_t first = copy(1);
    const pid_t second = copy(2);
    EXPECT_EQ(std::tuple(Wait(first), Wait(second)), std::tuple(0, 0));
    const std::map<std::string, std::string> entries = Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries.begin()->second == "1\n0\n\"Copy\"\n" + kTexts
                || entries.begin()->second == "2\n0\n\"Copy\"\n" + kTexts);
}

}  // namespace
}  // namespace orvexal
