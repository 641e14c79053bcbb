// The night of one calculation as one JSON object (RFC 8259), for programs
// to read:
//   {"status": "ok", "computation": null,
//    "summary": {"site": "Kitt Peak ...", "date": "2024.0702", "target_ra": "20.4106",
//                "target_dec": "45.2152", "target_epoch": "2024.50137", "twilight_deg": -10.00,
//                "dusk_local_h": 20.4264, "dawn_local_h": 27.8128, "moon_illuminated_fraction": 0.1803,
//                "meridian_crossing": {sample} or null, "highest": {sample},
//                "step_min": 10.0000, "sample_count": 57},
//    "samples": [{"jd": 2460494.697417, "local_h": 19.4264, "ut_h": 2.4264, ...}, ...]}
// The texts are the fields' as the pass left them, as in JsonReport; a
// sample has the keys of the text table's columns (cli/night_columns.h);
// local hours count from the evening's midnight (night/track.h), and a dusk
// or dawn the Sun does not reach that day is null. After a pass that ended
// on a fault the status and computation say so, and the summary and the
// samples are null.
#pragma once

#include <string>

#include "night/track.h"
#include "pass/pass.h"

namespace orvexal {

std::string NightJson(const NightInputs& inputs, const NightTrack& track, double stepMinutes);

std::string NightJsonOfFault(const PassFault& fault);

}  // namespace orvexal
