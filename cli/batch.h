// Batch work of the headless front end: one calculation per input line.
#pragma once

#include <iosfwd>
#include <string>

#include "app/app_state.h"
#include "pass/clock.h"

namespace orvexal {

// Reads lines of ten TAB-separated texts (Text2 .. Text10, Text27) from
// `in`; for each writes one line to `out`: the texts of Text2 .. Text27
// after a pass from the designed fields, then "ok" or the fault's name, all
// TAB-separated, flushed at once. A line without exactly ten texts gives
// "error" and a message on `err`. Returns the number of lines that did not
// end "ok".
long RunBatch(std::istream& in, std::ostream& out, std::ostream& err, AppState& state,
              const Clock& clock);

// The first line that --header asks for: the columns' object names, Text2
// to Text27, then "status".
std::string BatchHeader();

}  // namespace orvexal
