// The command line of the headless front end.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pass/clock.h"
#include "pass/fields.h"

namespace orvexal {

// The orders of a planned target list: by best time (the observable
// targets first), by name, by right ascension, by hours observable (the
// longest first).
enum class TargetOrder { Best, Name, RightAscension, Hours };

struct CommandLine {
    bool help = false;
    bool version = false;
    bool batch = false;
    bool header = false;     // --batch: a first line naming the columns
    bool json = false;       // one JSON object instead of the report
    bool listSites = false;
    bool night = false;      // the night of the calculation instead of its report
    bool csv = false;        // --targets: the table as comma-separated values
    std::map<Field, std::string> typed;            // checked texts for input fields
    std::optional<std::string> site;               // a name in the location file
    std::optional<DateTime> now;                   // the UTC instant fixed by --now
    std::optional<double> stepMinutes;             // --step: the night's samples, minutes
    std::optional<std::string> constellationFile;  // named by --constellations
    std::optional<std::string> locationFile;       // named by --locations
    std::optional<std::string> targetList;         // --targets: the list planned for the night
    std::optional<TargetOrder> order;              // --sort
    std::optional<double> minAltitudeDeg;          // --min-altitude, apparent
    std::optional<double> maxAirMass;              // --max-airmass
    std::optional<double> minMoonDistanceDeg;      // --min-moon-distance
};

// Parses the arguments (without the program name). Throws
// std::invalid_argument with a one-line message on an unknown option, a
// missing value, a value not in its field's form, a malformed --now, a
// --step outside the night's steps, a limit of --targets outside its range,
// or options that do not go together.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// "YYYY-MM-DD HH:MM:SS" (a trailing "Z" allowed) as a UTC date and time, or
// nothing when the text is not exactly in that form with a valid date and
// time of day.
std::optional<DateTime> ParseNow(std::string text);

}  // namespace orvexal
