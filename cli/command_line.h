// The command line of the headless front end.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pass/clock.h"
#include "pass/fields.h"

namespace orvexal {

struct CommandLine {
    bool help = false;
    bool batch = false;
    std::map<Field, std::string> typed;      // texts given for input fields
    std::optional<DateTime> now;             // the UTC instant fixed by --now
    std::optional<std::string> constellationFile;  // named by --constellations
};

// Parses the arguments (without the program name). Throws
// std::invalid_argument with a one-line message on an unknown option, a
// missing value or a malformed --now.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// "YYYY-MM-DD HH:MM:SS" (a trailing "Z" allowed) as a UTC date and time, or
// nothing when the text is not exactly in that form with a valid date and
// time of day.
std::optional<DateTime> ParseNow(std::string text);

// The --help text.
std::string UsageText();

}  // namespace orvexal
