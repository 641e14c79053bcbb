// One calculation of the headless front end: the fields as the command line
// sets them, one pass, and what each field shows afterwards.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "app/app_state.h"
#include "pass/pass.h"

namespace orvexal {

struct Outcome {
    // Every field's text after the pass; nothing for a result the pass did
    // not reach because it ended on a fault.
    std::map<Field, std::optional<std::string>> shown;
    std::optional<PassFault> fault;
    ObservedPass observed;  // what a completed pass read and worked out
};

// The window's designed texts; then the name, place and zone of site
// `site` of the list (0 the first), when one was chosen; then the typed
// texts. A place typed without a site is not the designed one: the
// location's name then reads "(as given)".
FieldTable InputFields(const CommandLine& line, const LocationList& sites, std::optional<std::size_t> site);

Outcome Calculate(FieldTable fields, AppState& state, const Clock& clock);

// The fields as a completed pass left them (the status line as designed),
// for what is computed after the pass.
FieldTable FieldsAfter(const Outcome& outcome);

}  // namespace orvexal
