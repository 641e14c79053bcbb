// The night of one calculation as one JSON object (RFC 8259), for programs
// to read:
//   {"status": "ok", "computation": null,
//    "summary": {"site": "Kitt Peak National Observatory", "date": "2024.0702",
//                "target_ra": " 20.41481", "target_dec": " 45.22063", "target_epoch": "2024.504",
//                "twilight_deg": -10.00, "sunset_local_h": 19.6053, "civil_dusk_local_h": 20.0734,
//                "nautical_dusk_local_h": 20.6447, "astronomical_dusk_local_h": 21.2610,
//                "dusk_local_h": 20.4502, "dawn_local_h": 28.5761, "astronomical_dawn_local_h": 27.7654,
//                "nautical_dawn_local_h": 28.3817, "civil_dawn_local_h": 28.9530,
//                "sunrise_local_h": 29.4211, "moonrise_local_h": 27.0006, "moonset_local_h": 16.9125,
//                "moon_up_at_midnight": false, "moon_illuminated_fraction": 0.0830,
//                "moon_waxing": false, "dark_hours_without_moon": 5.7396,
//                "target_path": "rises_and_sets", "target_rise_local_h": 17.6710,
//                "target_transit_local_h": 26.3437, "target_transit_alt_deg": 76.59,
//                "target_set_local_h": 35.0164, "meridian_crossing": {sample} or null,
//                "highest": {sample}, "target_hours_above_30_deg": 7.4250,
//                "moon_least_distance_deg": 87.38, "moon_least_distance_local_h": 20.4502,
//                "lst_at_midnight_h": 18.3466, "step_min": 10.0000, "sample_count": 62},
//    "samples": [{"jd": 2460494.602093, "local_h": 19.4502, "ut_h": 2.4502, ...}, ...]}
// The texts are the fields' as the pass left them, as in JsonReport; the
// rest is the night's almanac (night/almanac.h), in the order of the text
// summary. "dusk_local_h" and "dawn_local_h" are at the twilight typed;
// "target_path" is "rises_and_sets", "never_rises" or "never_sets"; the
// hours above 30 degrees, the highest point and the Moon's least distance
// are those of the dark time (the Sun below the twilight typed), the last
// two those of the whole night when it has none. A sample has the keys of
// the text table's columns (cli/night_columns.h). Local hours count from
// the midnight before the evening (night/inputs.h); an event that does not
// happen in the night, noon to noon, is null. After a pass that ended on a
// fault the status and computation say so, and the summary and the samples
// are null.
#pragma once

#include <string>

#include "night/track.h"
#include "pass/pass.h"

namespace orvexal {

std::string NightJson(const NightInputs& inputs, const NightTrack& track, double stepMinutes);

std::string NightJsonOfFault(const PassFault& fault);

// The summary's members of the Sun and the Moon, each on a line of its own
// after a comma: ",\n    \"sunset_local_h\": 17.9123", ...
std::string SunAndMoonMembers(const SunAlmanac& sun, const MoonAlmanac& moon);

// "rises_and_sets", "never_rises" or "never_sets".
std::string TargetPathKey(TargetPath path);

}  // namespace orvexal
