// The Sun's place from a low-precision solar theory: mean motion of a
// circular orbit plus the equation of the centre, fixed obliquity
// (Practical Astronomy with Your Calculator, 1979, pp. 49-50).
#pragma once

namespace orvexal {

// The Sun's right ascension for a JD (universal time), decimal hours.
// jd 2451545.0 gives 18.7395..., which the pass packs to 18.442247.
double SunRightAscension(double jd);

// The Sun's declination for a JD, decimal degrees. jd 2451545.0 gives
// -23.0412..., packed -23.022833.
double SunDeclination(double jd);

}  // namespace orvexal
