// Local times of dusk and dawn for a twilight defined by the Sun's altitude,
// found by bisection of the Sun's altitude over a fixed nine-hour window
// (Practical Astronomy with Your Calculator, 1979, pp. 36-37), in decimal
// hours. The Sun is held at the place computed for the observation instant;
// the pass hands it over as the decimal value of its packed single-precision
// fields (PackedToDecimal) and packs the times with DecimalToPacked. Where the Sun does
// not cross h0 inside that window (high latitudes, deep twilights) the half
// day between its culminations is searched instead, and where it does not
// cross h0 at all that day there is no dusk or dawn.
#pragma once

#include <optional>

namespace orvexal {

// Local time of dawn, hours after local midnight jd0: the Sun rises through
// h0 (degrees) between jd0 and 09:00. longitudeWestDeg positive to the west,
// latitudeNorthDeg positive north; the Sun held at sunRaHours and sunDecDeg.
// Outside that window the crossing after the Sun's lower culmination nearest
// jd0 (a dawn before midnight is negative). None when the Sun stays above or
// below h0 all day.
std::optional<double> DawnTime(double longitudeWestDeg, double latitudeNorthDeg, double h0, double jd0,
                               double sunRaHours, double sunDecDeg);

// Local time of dusk, hours after the midnight before jd0: the Sun sinks
// through h0 between 16:00 of the evening before jd0 and 01:00, so a dusk
// after midnight is 24 or more. Outside that window the crossing before the
// Sun's lower culmination nearest jd0 (a dusk before 16:00 shows as such).
// None as for dawn.
std::optional<double> DuskTime(double longitudeWestDeg, double latitudeNorthDeg, double h0, double jd0,
                               double sunRaHours, double sunDecDeg);

}  // namespace orvexal
