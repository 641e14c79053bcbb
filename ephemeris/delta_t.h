// Delta T = TT - UT, the lag of the Earth's rotation behind the uniform
// time scale of the ephemerides, in seconds.
//
// The polynomials of Espenak and Meeus (Five Millennium Canon of Solar
// Eclipses, NASA/TP-2006-214141, 2006, section 2.6) from -500 to 2150, and
// their long-term parabola -20 + 32 u^2 s, u = (year - 1820) / 100
// (Morrison and Stephenson 2004), outside those years. Within 1955-2005
// the fit follows the observed values to about a second; after 2005 it is
// an extrapolation, some 5 s above the observed values by 2024. The pieces
// join to within 0.25 s, as published.
#pragma once

namespace orvexal {

// Delta T in seconds at a Julian Date (either scale: Delta T changes by
// far less than a second a year). 2451545.0 (2000 January 1.5) gives 63.86.
double DeltaTSeconds(double jd);

// The JD on the Terrestrial Time scale of a JD on the universal-time scale.
double TerrestrialTime(double jdUt);

}  // namespace orvexal
