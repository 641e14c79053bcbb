// Units and the values of pi that the calculation carries.
//
// The formulas were published with their constants written to a given
// number of digits, and the results are reproduced to the last digit, so
// each written value of pi, 2 pi and the degrees in a radian is kept as it
// was published and named here once, by what it serves.
#pragma once

namespace orvexal {

// Degrees in one radian, as the calculation pass and the coordinate
// transforms carry it.
constexpr double kDegreesPerRadian = 57.295779513086;

// The same factor as the Sun's theory writes it, and as the twilight
// searches write it.
constexpr double kSunDegreesPerRadian = 57.29577952;
constexpr double kTwilightDegreesPerRadian = 57.29577951;

// Sidereal hours per hour of universal time, each as its formula was
// published: the pass's mean sidereal time carries 1.00273790934, the
// twilight searches' Sun 1.00273790935.
constexpr double kSiderealHoursPerHour = 1.00273790934;
constexpr double kTwilightSiderealHoursPerHour = 1.00273790935;

// Degrees per hour of right ascension or time.
constexpr double kDegreesPerHour = 15;

// The day in hours, minutes and seconds of time.
constexpr double kHoursPerDay = 24;
constexpr double kMinutesPerHour = 60;
constexpr double kSecondsPerMinute = 60;
constexpr double kMinutesPerDay = 1440;
constexpr double kSecondsPerHour = 3600;
constexpr double kSecondsPerDay = 86400;

// The standard epoch J2000.0, 2000 January 1.5 TT, as a Julian Date, and the
// Julian century and year in days: the time argument of the modern series
// (the Moon, nutation, sidereal time) and of Julian epochs.
constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerCentury = 36525;
constexpr double kDaysPerJulianYear = 365.25;

// Radians in a degree and in a second of arc, to the full double precision
// of pi: for the Moon and the other modern series, which carry no written
// value of pi of their own.
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
constexpr double kRadiansPerArcsecond = kRadiansPerDegree / 3600;
constexpr double kRadiansPerTurn = 2 * 3.14159265358979323846;

// pi/2 in double precision: the limit of the arctangent at an infinite
// argument.
constexpr double kHalfPi = 1.5707963267948966;

// pi and pi/2 to ten decimals: the arccosine's range, and the Sun's
// equation of the centre (360 / pi degrees per radian of eccentricity).
constexpr double kPiTenDecimals = 3.1415926535;
constexpr double kHalfPiTenDecimals = 1.5707963268;

// Half and whole turns added to bring an arctangent into its quadrant.
struct Turn {
    double half;  // added in the left half-plane
    double full;  // added to a negative angle
};

// pi and 2 pi to 15 significant digits, rounded in the last digit: the
// direction angle of a point and the galactic latitude.
constexpr Turn kQuadrantTurn{3.14159265358959, 6.28318530717918};

// pi to eight decimals and 2 pi to seven: the precessed right ascension.
constexpr Turn kPrecessionTurn{3.14159265, 6.2831853};

// 2 pi to eight decimals: the precession angle per turn of the equinox.
constexpr double kPrecessionFullTurn = 6.28318531;

// 2 pi to nine decimals: an azimuth west of the meridian.
constexpr double kAzimuthFullTurn = 6.283185307;

}  // namespace orvexal
