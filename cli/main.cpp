// orvexal-calc: the calculation of Orvexal without any window, for scripts,
// batch work over many targets, and tests.
#include <iostream>
#include <stdexcept>

#include "cli/batch.h"
#include "cli/calculation.h"
#include "cli/command_line.h"
#include "cli/data_files.h"
#include "cli/help_text.h"
#include "cli/json_report.h"
#include "cli/night_json.h"
#include "cli/night_report.h"
#include "cli/report.h"
#include "cli/site_lookup.h"
#include "cli/target_report.h"
#include "data/constellation_file.h"
#include "data/location_file.h"

namespace {

using namespace orvexal;

constexpr int kExitFault = 1;
constexpr int kExitUsage = 2;

void ReadConstellations(const CommandLine& line, AppState& state)
{
    const std::string file = DataFilePath(line.constellationFile, kConstellationFile, NameMatch::Exact);
    if (!LoadConstellationFile(file, state.constellations)) {
        std::cerr << "orvexal-calc: the constellation file '" << file
                  << "' could not be read; the constellation field stays empty\n";
    }
}

void ReadLocations(const CommandLine& line, AppState& state)
{
    state.locationFile = DataFilePath(line.locationFile, kDefaultLocationFile, NameMatch::AnyCase);
    ReadSites(state.locationFile, state.locations);
}

// The exit status of a pass; its fault told on standard error.
int TellFault(const Outcome& outcome)
{
    if (!outcome.fault) {
        return 0;
    }
    std::cerr << "orvexal-calc: " << FaultMessage(*outcome.fault) << '\n';
    return kExitFault;
}

// The night of a completed pass; after a fault only the fault.
int ReportNight(const CommandLine& line, const Outcome& outcome)
{
    if (outcome.fault) {
        std::cout << (line.json ? NightJsonOfFault(*outcome.fault) : "");
        return TellFault(outcome);
    }
    const double step = line.stepMinutes.value_or(kNightStepMinutes);
    const NightInputs inputs = NightInputsOf(outcome.observed, LabelsOf(FieldsAfter(outcome)));
    const NightTrack track = ComputeNightTrack(inputs, step);
    std::cout << (line.json ? NightJson(inputs, track, step) : NightText(inputs, track, step));
    return 0;
}

// The target list planned for the night of a completed pass; after a fault
// only the fault.
int ReportTargets(const CommandLine& line, const Outcome& outcome)
{
    if (outcome.fault) {
        return TellFault(outcome);
    }
    const TargetReport report = PlanTargetList(line, outcome);
    std::cout << report.output;
    std::cerr << report.messages;
    return report.status;
}

int CalculateOnce(const CommandLine& line, AppState& state, const Clock& clock)
{
    const std::optional<std::size_t> site =
        line.site ? std::optional(FindSite(state.locations, state.locationFile, *line.site)) : std::nullopt;
    const Outcome outcome = Calculate(InputFields(line, state.locations, site), state, clock);
    if (line.night) {
        return ReportNight(line, outcome);
    }
    if (line.targetList) {
        return ReportTargets(line, outcome);
    }
    std::cout << (line.json ? JsonReport(outcome) : ReportText(outcome));
    return TellFault(outcome);
}

// Everything but the parsing of the command line; a wrong site or location
// file throws std::invalid_argument.
int Run(const CommandLine& line)
{
    if (line.help || line.version) {
        std::cout << (line.help ? HelpText() : ORVEXAL_VERSION_LINE "\n");
        return 0;
    }
    AppState state;
    if (line.listSites || line.site) {
        ReadLocations(line, state);
    }
    if (line.listSites) {
        std::cout << SiteTable(state.locations);
        return 0;
    }
    if (!line.targetList) {
        ReadConstellations(line, state);  // a list's plan shows no constellation
    }
    const Clock clock = line.now ? Clock([now = *line.now] { return now; }) : Clock(SystemUtcTime);
    if (line.batch) {
        std::ios::sync_with_stdio(false);
        if (line.header) {
            std::cout << BatchHeader() << std::endl;
        }
        return RunBatch(std::cin, std::cout, std::cerr, state, clock) == 0 ? 0 : kExitFault;
    }
    return CalculateOnce(line, state, clock);
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return Run(ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const std::invalid_argument& error) {
        std::cerr << "orvexal-calc: " << error.what() << '\n';
        return kExitUsage;
    }
}
