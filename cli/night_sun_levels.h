// The Sun's fixed altitudes in the night's summary: sunset and sunrise, and
// the ends of civil, nautical and astronomical twilight (night/almanac.h),
// each with its caption in the text summary and its key in the JSON one.
// The evening reads them in this order, the morning in the reverse; dusk
// and dawn at the twilight altitude typed stand between the two.
#pragma once

#include <array>
#include <string_view>

#include "night/almanac.h"

namespace orvexal {

struct SunLevel {
    std::string_view duskCaption;  // "civil dusk"
    std::string_view dawnCaption;  // "civil dawn"
    std::string_view duskKey;      // "civil_dusk_local_h"
    std::string_view dawnKey;      // "civil_dawn_local_h"
    SunPassage SunAlmanac::*passage;
};

inline constexpr std::array<SunLevel, 4> kSunLevels{{
    {"sunset", "sunrise", "sunset_local_h", "sunrise_local_h", &SunAlmanac::horizon},
    {"civil dusk", "civil dawn", "civil_dusk_local_h", "civil_dawn_local_h", &SunAlmanac::civil},
    {"nautical dusk", "nautical dawn", "nautical_dusk_local_h", "nautical_dawn_local_h", &SunAlmanac::nautical},
    {"astronomical dusk", "astronomical dawn", "astronomical_dusk_local_h", "astronomical_dawn_local_h",
     &SunAlmanac::astronomical},
}};

}  // namespace orvexal
