// Batch work of the headless front end: one calculation per input line.
#pragma once

#include <iosfwd>
#include <string>

#include "app/app_state.h"
#include "pass/clock.h"

namespace orvexal {

// Reads lines of TAB-separated texts, one for each field a command-line
// option types into (Text2 .. Text10, Text27), from `in`; for each writes
// one line to `out`: the texts of every field the pass reads or writes
// (Text2 .. Text27) after a pass from the designed fields, then "ok" or the
// fault's name, all TAB-separated, flushed at once. A line with another
// number of texts gives "error" and a message on `err`. Returns the number
// of lines that did not end "ok".
long RunBatch(std::istream& in, std::ostream& out, std::ostream& err, AppState& state,
              const Clock& clock);

// The first line that --header asks for: the output columns' object names,
// then "status".
std::string BatchHeader();

}  // namespace orvexal
