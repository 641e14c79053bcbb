// The outcome of one calculation as one JSON object (RFC 8259), for
// programs to read:
//   {"status": "ok", "computation": null,
//    "inputs": {"longitude": {"object": "Text2", "text": "122.50514",
//                             "unit": "D.MS, + to the west"}, ...},
//    "results": {"julian_date": {"object": "Text13", ...}, ...}}
// "status" is "ok" or the fault's name ("overflow"), "computation" null or
// the computation the fault stopped; a result not reached has the text null.
#pragma once

#include <string>

#include "cli/calculation.h"

namespace orvexal {

std::string JsonReport(const Outcome& outcome);

// The members that open every object of the front end, indented as those
// of JsonReport: "status": "ok", "computation": null.
std::string StatusMembers(const std::optional<PassFault>& fault);

}  // namespace orvexal
