// The Sun's place from a low-precision solar theory: mean motion of a
// circular orbit plus the equation of the centre, fixed obliquity
// (Practical Astronomy with Your Calculator, 1979, pp. 49-50).
#pragma once

namespace orvexal {

// The Sun's packed right ascension (H.MMSS) and declination (D.MMSS) of the
// last calculation, kept for the twilight searches.
struct SunPlace {
    float SunRA = 0;
    float SunDec = 0;
};

// The Sun's right ascension for a JD (universal time), packed H.MMSS, single
// precision. jd 2451545.0 gives 18.442247.
float SunRightAscension(double jd);

// The Sun's declination for a JD, packed D.MMSS, single precision.
// jd 2451545.0 gives -23.022833.
float SunDeclination(double jd);

}  // namespace orvexal
