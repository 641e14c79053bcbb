// The report of one calculation, for an observer to read.
#pragma once

#include <string>

#include "cli/calculation.h"

namespace orvexal {

// One line per field in the window's order: the caption padded to a column,
// the field's text (as a script reading the old report expects it there),
// then its unit and convention. A result not reached shows "-".
std::string ReportText(const Outcome& outcome);

// "overflow in the precession to the new epoch; the results after it were
// not calculated"
std::string FaultMessage(const PassFault& fault);

}  // namespace orvexal
