// `orvexal-calc --targets FILE`: a target list planned for the observing
// night of the calculation (night/plan.h). The night's almanac (the site,
// the evening, the limits, the Sun, the Moon, the sidereal time at
// midnight), then the targets' table (cli/target_table.h) sorted as asked;
// or the same as CSV (the table alone) or as one JSON object.
#pragma once

#include <string>

#include "cli/calculation.h"
#include "cli/command_line.h"

namespace orvexal {

struct TargetReport {
    std::string output;    // for standard output
    std::string messages;  // for standard error: the list's bad lines, a list not read
    int status = 0;        // 0 planned; 1 bad lines (the good ones planned); 2 no list
};

// The list named by line.targetList, planned for the night of a completed
// pass.
TargetReport PlanTargetList(const CommandLine& line, const Outcome& outcome);

}  // namespace orvexal
