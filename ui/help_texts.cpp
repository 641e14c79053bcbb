#include "ui/help_texts.h"

namespace orvexal {
namespace {

// Page 1: the input fields.
constexpr HelpLine kInputLines[] = {
    {240, 120, "Label1", 0, "LATITUDE (+ to N)      In the form DD.MMSS (degree.minutesecond), negative if south of the equator. "},
    {480, 120, "Label13", 35, "eg for Calgary AB,  use 51.03 for 51 deg 3 min N."},
    {720, 120, "Label2", 0, "LONGITUDE (+ to W)     In the form DDD.MMSS, pos to W, neg to E  (eg  for Calgary AB use 114.17 "},
    {960, 120, "Label14", 35, "for 114 deg 17' W)"},
    {1200, 120, "Label3", 0, "TIME ZONE (PDT=7)     Hours from UTC (+ to West), eg PST=8, PDT=MST=7, India=-5.5 (fractions are kept)."},
    {1560, 120, "Label4", 0, "DATE (YYYY.MMDD)     In the form year.monthday.  eg use 1990.0809 for 1990 Aug 9.  From "},
    {1800, 120, "Label5", 35, "-1999.1000 to 1582.1004, the Julian calendar is used.  From 1582.1015 to"},
    {2040, 120, "Label6", 35, "9999, the Gregorian calendar is used.  (The days 1582 Oct 5-14 did not exist"},
    {2280, 120, "Label7", 35, "in Catholic countries.)  For the present date and time (system clock), use 0."},
    {2640, 120, "Label8", 0, "TIME (local)                  In the form HH.MMSSs.  eg use 22.1232 for 22h 12m 32s. "},
    {3000, 120, "Label9", 0, "RIGHT ASCENSION      In the form HH.MMSSs. eg use 20.4058 (or just 20.41) for Deneb."},
    {3360, 120, "Label10", 0, "DECLINATION              In the form DD.MMSS.  eg use -52.41 for Canopus."},
    {3720, 120, "Label11", 0, "ABOVE EPOCH             For coordinates given above.  eg 1855, 1950 or 2000, etc."},
    {4080, 120, "Label12", 0, "NEW EPOCH                Desired epoch to be precessed to.  Use 0 for the date you typed in."},
    {4440, 120, "Label15", 0, "ANGLE SUN for twi-lite   Pick your favourite twilight: Civil = -6°, Nautical = -12°, Astronomical = -18°"},
};

// Page 2: the result fields.
constexpr HelpLine kOutputLines[] = {
    {240, 120, "Label1", 0, "New Right Ascens.          Precessed Right Ascension (new epoch) in the form HH.MMSSs."},
    {480, 120, "Label2", 39, "Note that we are ignoring any proper motion."},
    {720, 120, "Label3", 0, "New Declination              Precessed Declination (new epoch) in the form +/- DD.MMSSs."},
    {960, 120, "Label4", 40, "Note that we are ignoring any proper motion here also."},
    {1200, 120, "Label5", 0, "Julian Date (JD)               JDs are consecutively numbered days starting at -4712 January 1."},
    {1560, 120, "Label6", 0, "Corr'n (+ JD = HJD)         The correction needed for heliocentric times (at the centre of the sun)."},
    {1920, 120, "Label7", 0, "Loc. Sidereal Time           Right Ascension at your local south point (meridian)."},
    {2280, 120, "Label8", 0, "Azimuthal Angle               Angle from the north point, measured eastward (DD.MMSS)."},
    {2640, 120, "Label9", 0, "Zenith Angle                   Angle from the zenith toward the horizon (DD.MMSS)."},
    {3000, 120, "Label10", 0, "Air Mass                         Number of atmospheres you are looking through (zenith = 1.00)."},
    {3360, 120, "Label11", 0, "Hour Angle                      Hours west of meridian (eg 1 h is 15 deg W, -1 h is 15 deg E)"},
    {3720, 120, "Label12", 0, "Constellation                    In the standard 3-letter abbreviation.  See any astronomy text for a list."},
    {4080, 120, "Label13", 0, "Galactic Longitude           The angle from the centre of the Galaxy, measured to the left (eastward)"},
    {4320, 120, "Label14", 41, "along the plane of the Galaxy."},
    {4560, 120, "Label15", 0, "Galactic Latitude             The angle above (+) or below (-) the plane of the Galaxy."},
    {4920, 120, "Label16", 0, "Sun's right ascension       at the given date and time."},
    {5280, 120, "Label17", 0, "Sun'sdeclination              at the given date and time."},
    {5640, 120, "Label18", 0, "Local time of dusk           According to your definition of dusk, in the night (noon to noon) holding your time."},
    {6000, 120, "Label19", 0, "Local time of dawn           According to your definition of dawn, entered at the left, ending that night."},
};

// Page 3: where the formulas come from, with their accuracy.
constexpr HelpLine kJustificationLines[] = {
    {240, 240, "Label1", 0, "PRECESSION is from vectors in rotating coordinates.  The obliquity of the ecliptic is from the"},
    {480, 120, "Label2", 21, "Explanatory Supplement to the Ephemeris 1961, page 169.  Errors are < 0.2 s in RA and"},
    {720, 120, "Label3", 21, "< 2\" in Dec up to 25 years (120 years: 0.35 s on the sky, 4.5\"); proper motion is neglected."},
    {1080, 240, "Label4", 0, "JULIAN DATE uses the Julian calendar to 1582 Oct 4 (JD 0 = -4712 Jan 1.5) and the Gregorian from"},
    {1320, 120, "Label5", 21, "1582 Oct 15 to 9999.  [The days 1582 Oct 5-14 did not exist in Catholic countries.]"},
    {1680, 240, "Label6", 0, "HELIOCENTRIC CORRECTION is by fitting data from the Manual for Photoelectric Photometry"},
    {1920, 240, "Label7", 20, "[1967], page 8, by the American Association of Variable Star Observers."},
    {2160, 240, "Label8", 20, "The error is typically 0.00001 days (0.9 s), at worst 0.00006 days (5.3 s)."},
    {2520, 240, "Label9", 0, "LOCAL SIDEREAL TIME is by formulae in the Astronomical Ephemeris (1986), page 86.  It is the"},
    {2760, 240, "Label10", 20, "mean Greenwich Sidereal Time; UT1-UTC and equation of equinoxes ignored (error up to 1.7 sec)."},
    {3120, 240, "Label11", 0, "AZIMUTHAL and ZENITH ANGLES use formulae in Duffett-Smith, Practical Astronomy"},
    {3360, 240, "Label12", 20, "with Your Calculator (Cambridge U. Press, 1979), page 15.  These are"},
    {3600, 240, "Label13", 20, "apparent values; refraction is allowed for (3rd order; below about 4 deg Saemundsson's formula)."},
    {3960, 240, "Label14", 0, "AIR MASS is from Henden and Kaitchuck, Astronomical Photometry, (1982), page 87."},
    {4200, 240, "Label15", 20, "The standard X = csc (Z), corrected for refraction (3rd order); below about 4 deg, Young's (1994)."},
    {4560, 240, "Label16", 0, "CONSTELLATION is from Roman, Publ. of the Astr. Soc. Pacific, 617, p. 695 (July 87)."},
    {4920, 240, "Label17", 0, "GALACTIC COORDINATES are from vectors in rotating coord. systems.  The coordinates for the"},
    {5160, 240, "Label18", 20, "Galactic pole and centre are from the Observer's Handbook (1990), page 16."},
    {5400, 240, "Label19", 20, "Errors are up to 6.5' in longitude (on the sky) and 5.9' in latitude (depends on coordinates)."},
    {5760, 240, "Label20", 0, "SUN'S COORDINATES use formulae in Duffett-Smith, 1979 [ibid], pages 49-50"},
    {6120, 240, "Label22", 0, "DUSK + DAWN TIMES use formulae in Duffett-Smith, 1979 [ibid], pages 36-37"},
};

}  // namespace

const std::array<HelpPageDesign, 3> kHelpPages{{
    {"frmHelp1", "HELP 1 - INPUT", 8970, 5445, 8775, kInputLines,
     {2880, 4920, 1095, 375}, std::nullopt, Place{1440, 4920, 1335, 375}},
    {"frmHelp2", "HELP 2 - OUTPUT", 8730, 6975, 8535, kOutputLines,
     {2640, 6480, 1095, 375}, Place{120, 6480, 1215, 375}, Place{1440, 6480, 1095, 375}},
    {"frmHelp3", "HELP 3 - JUSTIFICATION", 8730, 7260, 8535, kJustificationLines,
     {2640, 6600, 1095, 375}, Place{120, 6600, 1215, 375}, std::nullopt},
}};

}  // namespace orvexal
