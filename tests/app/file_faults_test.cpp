// Faults of every file step through the calls the program makes: the
// start-up reading Constell.dat, LOCATION.DAT and Orvex3.ini, and the
// settings written at exit. One row per fault.
#include <gtest/gtest.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "app/startup.h"
#include "../data/test_files.h"

namespace orvexal {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

const std::string kNul(1, '\0');
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
    } else if (put.kind == Put::Link) {
        fs::create_symlink(put.text, name);
    } else if (put.kind == Put::Pipe) {  // opening it for reading would wait for a writer
        mkfifo(name.c_str(), 0600);
    } else {
        std::ofstream file(name, std::ios::binary);
        file << put.text;
        const std::string block(std::size_t{1} << 16, 'x');
        for (int i = 0; put.kind == Put::LongLine && i < 800; ++i) {
            file << block;
        }
    }
}

// A "Name:   N kB" figure of /proc/self/status, KiB.
long StatusKib(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line) && !line.starts_with(name + ":")) {
    }
    return std::stol(line.substr(name.size() + 1));
}

// The most the resident memory grew while step ran, KiB, the peak reset to
// the resident size first. Reading a line of 50 MB whole would add 50,000.
long PeakGrowthKib(const std::function<void()>& step)
{
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = StatusKib("VmRSS");
    step();
    return StatusKib("VmHWM") - before;
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

// Runs step in a child process; Wait gives its exit status, -1 when it did not exit.
pid_t Spawn(const std::function<int()>& step)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(step());
    }
    return child;
}

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

// 0 when the settings were written, 1 when not, 2 when the limit could not be set.
int Exit(Limit limit, const std::function<bool()>& save)
{
    if (limit == Limit::None) {
        return save() ? 0 : 1;
    }
    return Wait(Spawn([&] {
        constexpr uid_t kNobody = 65534;
        const rlimit sixteenBytes{16, 16};
        const bool set = limit == Limit::FullDisk
                             ? signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &sixteenBytes) == 0
                             : geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0
                                                  && setuid(kNobody) == 0);
        return set ? int(!save()) : 2;
    }));
}

constexpr long kMemoryBoundKib = 4096;

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

// Each row puts one file; the others are whole. What the start-up kept:
// the records loaded and the first one's name of each file, the window's
// position. The location file is read only after the constellation file.
TEST_F(FileFaults, EachFileAtStartup)
{
    const std::tuple<const char*, const char*, Put, std::string> cases[] = {
        {"whole, blank lines after it", "Constell.dat", {Put::File, "0,24,88,UMi\n\n  \n"}, "1 UMi|1 Site|none"},
        {"empty", "Constell.dat", {Put::File}, "0 |0 |none"},
        {"cut in a record", "Constell.dat", {Put::File, "0,24,88,UMi\n8,14."}, "0 |0 |none"},
        {"NUL in a number", "Constell.dat", {Put::File, "0,24,88,UMi\n8,1" + kNul + "4.5,86.5,UMi\n"}, "0 |0 |none"},
        {"50 MB unquoted item", "Constell.dat", {Put::LongLine, "0,24,88,UMi\n0,24,88,"}, "0 |0 |none"},
        {"a folder", "LOCATION.DAT", {Put::Folder}, "1 Oct|0 |none"},
        {"a named pipe", "LOCATION.DAT", {Put::Pipe}, "1 Oct|0 |none"},
        {"NUL in a header line", "LOCATION.DAT", {Put::File, "Si" + kNul + "tes\nx\nDome,1,2,3\n"}, "1 Oct|1 Dome|none"},
        {"50 MB header line", "LOCATION.DAT", {Put::LongLine}, "1 Oct|0 |none"},
        {"whole", "Orvex3.ini", {Put::File, "1500\n-900\n\"Dome\"\n" + kTexts}, "1 Oct|1 Site|Dome -12 1500,-900"},
        {"cut in a quoted item", "Orvex3.ini", {Put::File, "1500\n-900\n\"Dome\"\n\"1\"\n\"2\"\n\"3\"\n\"-1"},
         "1 Oct|1 Site|none"},
        {"50 MB quoted item", "Orvex3.ini", {Put::LongLine, "1500\n-900\n\""}, "1 Oct|1 Site|none"},
    };
    for (const auto& [what, file, put, kept] : cases) {
        SCOPED_TRACE(std::string(file) + ": " + what);
        Place("Constell.dat", {Put::File, "0,24,-90,Oct\n"});
        Place("LOCATION.DAT", {Put::File, kHeaders + "Site,1,2,3\n"});
        fs::remove_all("Orvex3.ini");
        Place(file, put);
        const std::optional<SettingsRecord> settings = Startup().settings;
        const WindowPosition& window = state_->window;
        EXPECT_EQ(std::to_string(state_->constellations.ConCount) + " " + state_->constellations.ConAbbrev[1] + "|"
                      + std::to_string(state_->locations.size()) + " "
                      + (state_->locations.empty() ? "" : state_->locations.front().name) + "|"
                      + (settings ? settings->texts.front() + " " + settings->texts.back() + " "
                                        + std::to_string(window.WinLeft) + "," + std::to_string(window.WinTop)
                                  : "none"),
                  kept);
        if (!settings) {  // nothing of a file that failed is applied
            EXPECT_EQ(std::tie(window.WinLeft, window.WinTop), std::tuple(100, 100));
        }
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
        {"replaced by a folder", false, {{"Orvex3.ini", {Put::Folder}}}},
        {"replaced by a link to a file", true, {{"Orvex3.ini", {Put::Link, "else.ini"}}, {"else.ini", elsewhere}}},
        {"a stale temporary folder", true, {{"Orvex3.ini.tmp", {Put::Folder}}}},
        // Left by a run that ended during its save, under a process id that has come round again.
        {"a stale temporary link", true, {{stale, {Put::Link, "else.ini"}}, {"else.ini", elsewhere}}},
        {"working folder read-only", false, {}, fs::perms{0555}, Limit::Unprivileged},
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
