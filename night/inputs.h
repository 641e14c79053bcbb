// What the night needs of the last calculation, as the completed pass hands
// it over typed (pass/pass.h): the site, the observation instant, the
// target at the new epoch and the twilight definition; and the fields'
// texts that label the chart.
#pragma once

#include <string>

#include "astro/sky_place.h"
#include "ephemeris/topocentric.h"
#include "pass/fields.h"
#include "pass/pass.h"

namespace orvexal {

// Texts of the pass, as its fields show them.
struct NightLabels {
    std::string site;            // Text1, the site's name
    std::string date;            // Text5, local date YYYY.MMDD
    std::string time;            // Text6, local time H.MMSS
    std::string rightAscension;  // Text11, the target at the new epoch, H.MS
    std::string declination;     // Text12, D.MS
    std::string epoch;           // Text10, the new epoch, years
    std::string dusk;            // Text25, H.MS or "none"
    std::string dawn;            // Text26
};

// A local calendar date.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct NightInputs {
    Observer site;               // decimal degrees, longitude positive to the west
    double observationJd = 0;    // the instant of the calculation, JD, universal time
    double localMidnight = 0;    // JD (universal time) of the local midnight that the
                                 // pass's dusk and dawn lie before and after
    EquatorialPlace target;      // radians, mean equator and equinox of targetEpoch
    double targetEpoch = 0;      // the new epoch, years
    double twilight = 0;         // the Sun's altitude that defines dusk and dawn, degrees
    CivilDate evening;           // the local date of the evening the night begins with,
                                 // which names the night
    NightLabels labels;
};

// The night of a completed pass, from what it read and worked out: the
// fields' texts only label it.
NightInputs NightInputsOf(const ObservedPass& pass, NightLabels labels);

// The labels, as the fields show them after the pass.
NightLabels LabelsOf(const FieldTexts& fields);

// Whether the site's latitude lies on the Earth, within 90 degrees of the
// equator (the main window takes any number): a night is charted only there.
constexpr double kPoleLatitude = 90;
bool LatitudeOnEarth(const Observer& site);

// The night's hours: local hours counted from the midnight before the
// evening, so that the night runs from 12 (local noon) to 36 (the next
// noon), 18.5 is 18:30 that evening and 25.25 is 01:15 the next morning.
// localMidnight is the JD (universal time) of the midnight in the middle.
double NightHoursOf(double localMidnight, double jd);
double JdOfNightHours(double localMidnight, double hours);

// The night from local noon to the next local noon, and its midnight, in
// the night's hours.
constexpr double kNightStartHours = 12;
constexpr double kNightEndHours = 36;
constexpr double kMidnightHours = 24;

// The target referred to the mean equator and equinox of the date (the
// Julian epoch of the observation), as the Moon's place is referred to
// that of date: they differ by the nutation, some 20", nothing to the eye.
EquatorialPlace TargetOfDate(const NightInputs& inputs);

}  // namespace orvexal
