// orvexal-calc: the calculation of Orvexal without any window, for scripts,
// batch work over many targets, and tests.
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <stdexcept>

#include "cli/batch.h"
#include "cli/command_line.h"
#include "data/app_state.h"
#include "data/constellation_file.h"
#include "pass/pass.h"

namespace {

using namespace orvexal;

constexpr int kExitFault = 1;
constexpr int kExitUsage = 2;

// Caption column of the single-calculation report: the longest caption
// ("DEFINITION OF TWILIGHT: Sun altitude =") and two blanks.
constexpr int kCaptionWidth = 40;

// The fields in the main window's order: the input column from the top,
// then the result column from the top.
constexpr Field kWindowOrder[] = {
    Field::LocationName,  Field::Longitude,  Field::Latitude,  Field::TimeZone,  Field::Date,  Field::Time,
    Field::RightAscension,  Field::Declination,  Field::Epoch,  Field::NewEpoch, Field::Twilight, Field::NewRightAscension,
    Field::NewDeclination, Field::JulianDate, Field::HeliocentricCorrection, Field::SiderealTime, Field::Azimuth, Field::Altitude,
    Field::AirMass, Field::HourAngle, Field::Constellation, Field::GalacticLongitude, Field::GalacticLatitude, Field::SunRightAscension,
    Field::SunDeclination, Field::Dusk, Field::Dawn,
};

// The constellation file to read: the one named on the command line, else
// Constell.dat in the working folder, else the copy installed with the
// program. The installed copy is found from the program's own place, so an
// installed tree works wherever it is moved and from any working folder.
std::string ConstellationFileOf(const CommandLine& line)
{
    const std::string inWorkingFolder(kConstellationFile);
    if (line.constellationFile) {
        return *line.constellationFile;
    }
    std::error_code error;
    if (std::filesystem::exists(inWorkingFolder, error)) {
        return inWorkingFolder;
    }
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    const auto installed = program.parent_path() / ORVEXAL_DATA_FROM_BIN / inWorkingFolder;
    return !error && std::filesystem::exists(installed, error) ? installed.string() : inWorkingFolder;
}

int CalculateOnce(const CommandLine& line, AppState& state, const Clock& clock)
{
    FieldTable fields;
    for (const auto& [field, text] : line.typed) {
        fields.SetText(field, text);
    }
    const auto fault = CalculatePass(fields, state.constellations, state.sun, clock);
    for (const Field field : kWindowOrder) {
        std::cout << std::left << std::setw(kCaptionWidth) << FieldCaption(field) << fields.Text(field)
                  << '\n';
    }
    if (fault) {
        std::cerr << "orvexal-calc: the calculation ended on an arithmetic fault: " << FaultName(fault->kind)
                  << '\n';
        return kExitFault;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    CommandLine line;
    try {
        line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "orvexal-calc: " << error.what() << '\n';
        return kExitUsage;
    }
    if (line.help) {
        std::cout << UsageText();
        return 0;
    }
    AppState state;
    const std::string constellationFile = ConstellationFileOf(line);
    if (!LoadConstellationFile(constellationFile, state.constellations)) {
        std::cerr << "orvexal-calc: the constellation file '" << constellationFile
                  << "' could not be read; the constellation field stays empty\n";
    }
    const Clock clock = line.now ? Clock([now = *line.now] { return now; }) : Clock(SystemUtcTime);
    if (line.batch) {
        std::ios::sync_with_stdio(false);
        RunBatch(std::cin, std::cout, std::cerr, state, clock);
        return 0;
    }
    return CalculateOnce(line, state, clock);
}
