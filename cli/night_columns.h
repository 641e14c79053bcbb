// The columns of the night's samples, as the headless front end writes them:
// a heading with its unit for the text table, a key for the JSON object, and
// the decimals that carry the quantity's precision (a sample's JD to 0.1 s,
// hours to 0.4 s, degrees to 36", the air mass to 0.001).
#pragma once

#include <array>
#include <string_view>

#include "night/track.h"

namespace orvexal {

struct NightColumn {
    std::string_view heading;    // "alt(deg)"
    std::string_view key;        // "alt_deg"
    double NightSample::*value;
    int decimals;
    int width;                   // of the text column: the heading or the widest value
};

// In the order of the text table.
inline constexpr std::array<NightColumn, 11> kNightColumns{{
    {"JD(UT)", "jd", &NightSample::jd, 6, 14},
    {"local(h)", "local_h", &NightSample::localHours, 4, 8},
    {"UT(h)", "ut_h", &NightSample::universalHours, 4, 7},
    {"LST(h)", "lst_h", &NightSample::siderealHours, 4, 7},
    {"HA(h)", "ha_h", &NightSample::hourAngle, 4, 8},
    {"alt(deg)", "alt_deg", &NightSample::altitude, 2, 8},
    {"az(deg)", "az_deg", &NightSample::azimuth, 2, 7},
    {"airmass", "airmass", &NightSample::airMass, 3, 8},
    {"sun_alt(deg)", "sun_alt_deg", &NightSample::sunAltitude, 2, 12},
    {"moon_alt(deg)", "moon_alt_deg", &NightSample::moonAltitude, 2, 13},
    {"moon_dist(deg)", "moon_dist_deg", &NightSample::moonDistance, 2, 14},
}};

}  // namespace orvexal
