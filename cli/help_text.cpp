#include "cli/help_text.h"

namespace orvexal {

std::string_view HelpText()
{
    return R"(Usage: orvexal-calc [options]          one calculation, a report of every field
       orvexal-calc --json [options]   the same as one JSON object
       orvexal-calc --night [--step MINUTES] [--json] [options]
                                       the night of the calculation
       orvexal-calc --targets FILE [--sort best|name|ra|hours] [limits]
                    [--csv | --json] [site, date, time, zone, twilight]
                                       a target list planned for the night
       orvexal-calc --batch [--header] [--now TIME] [--constellations FILE]
       orvexal-calc --list-sites [--locations FILE]

Runs Orvexal's calculation without a window. Each line of the report gives
the window's caption, the field's text and its unit. Options not given keep
the window's texts, shown in brackets.

Packed notation. An angle or a time is one number: the whole part is degrees
or hours, the first two decimals are minutes, the next two seconds (D.MMSS,
H.MMSS), further decimals fractions of a second. 20.4058 is 20h 40m 58s,
-33.0530 is -33 deg 05' 30", 22.15 is 22h 15m. Minutes and seconds must be
below 60. A date is YYYY.MMDD: 2024.0615 is 2024 June 15. A minus may be
typed as "-" or as the Unicode minus (U+2212).

Signs. Longitude and time zone are positive to the WEST of Greenwich:
Pacific Standard Time is 8, Central European Time -1, India -5.5; universal
time is local time plus the zone. Latitude and declination are positive to
the north.

The site
  --site NAME          a site of the location file: its name, longitude,
                       latitude and zone. Letter case does not matter, and
                       the start of a name is enough when it fits one site
                       (a name typed in full wins over longer ones). --zone
                       may still change the zone (summer time)
  --locations FILE     the location file (default: LOCATION.DAT in the
                       working folder, in any letter case, else the copy
                       installed with the program)
  --list-sites         print the sites of the location file and stop
  --longitude D.MMSS   + to the west                       (122.50514)
  --latitude D.MMSS    + to the north, within 90           (53.45289)
  --zone HOURS         + to the west                       (8)

The instant
  --date YYYY.MMDD     the local date. 0 means now: the system clock's
                       instant in UTC, read on the site's zone clock (UTC
                       minus the zone), fills the date and time fields.
                       Any other date needs --time             (0)
  --time H.MMSS        the local time on the zone clock; only with
                       --date                              (17.5557)
  --now "YYYY-MM-DD HH:MM:SS"
                       the present instant in UTC (a trailing "Z" is
                       allowed) instead of the system clock's, for a date 0

The target and twilight
  --ra H.MMSS          right ascension                     (11.11111)
  --dec D.MMSS         declination                         (22.22222)
  --epoch YEARS        the epoch of --ra and --dec         (2000.0)
  --new-epoch YEARS    the epoch to precess to; 0 means the epoch of the
                       date                                (2000.0)
  --twilight DEGREES   the Sun's altitude that defines dusk and dawn
                       (-18 astronomical, -12 nautical)    (-10)
  --constellations FILE
                       the constellation boundary file (default:
                       Constell.dat in the working folder, else the copy
                       installed with the program); without it the
                       constellation stays empty

Results. The altitude is apparent (refraction included); the hour angle is
positive west of the meridian; the azimuth counts from north through east.
Dusk and dawn are those of the observing night that holds the instant: a
night runs from local noon to the next local noon, so an evening east of
Greenwich gives that evening's dusk and the next morning's dawn. They hold
the Sun at its place at the instant. A dusk of 24 or more is after
midnight, a dawn below 0 before it; "none": the Sun does not cross the
twilight altitude that night. When the calculation ends on an arithmetic
fault, the results it did not reach show "-" and the fault and the
computation it stopped are told on standard error.

  --json               print one JSON object instead of the report: every
                       input and result by meaning ("julian_date",
                       "air_mass"), each with its "text", its "unit" and the
                       window's object name ("Text13"); a result not reached
                       has the text null. "status" is "ok" or the fault
                       ("overflow", "division by zero", "invalid argument"),
                       "computation" the computation it stopped, or null

The night
  --night              instead of the report, the observing night of the
                       calculation, local noon to the next local noon. First a
                       summary: the site and the instant, the target at the new
                       epoch, then the night's almanac, each time as the clock
                       reads it and in the night's hours (below), "none" where
                       it does not happen that night: sunset; the end of civil
                       (-6 deg), nautical (-12) and astronomical (-18)
                       twilight; dusk and dawn at --twilight; the start of
                       astronomical, nautical and civil twilight; sunrise (at
                       sunset and sunrise the Sun's upper limb is on the
                       horizon); moonrise and moonset (or up or below the
                       horizon all night), the Moon's lit fraction at midnight,
                       waxing or waning, the dark hours without it (the Sun
                       below -18 deg, the Moon down); the target's rise and set
                       (or "never rises", "never sets"), its meridian crossing
                       and altitude there; in the dark time (the Sun below
                       --twilight) the hours it stands above 30 deg, its
                       highest point and the Moon's least distance from it
                       (these two over the whole night when it has no dark
                       time); the local mean sidereal time at midnight. Here
                       the Sun moves through the night in its apparent place,
                       while the report holds the mean Sun at the instant: dusk
                       and dawn may differ from the report's by a minute or a
                       few, more at high latitudes. Then one line per sample,
                       from an hour before dusk to an hour after dawn (noon to
                       noon when the Sun does not cross the twilight altitude
                       that night), under a line naming each column with its
                       unit, in decimal hours and degrees, not packed: the
                       local clock (HH:MM), the Julian Date, the night's hours
                       (local hours counted from the midnight before the
                       evening: 25.5 is 01:30 the next morning), universal
                       time, local sidereal time, the target's hour angle,
                       altitude, azimuth and air mass (as in the report), the
                       Sun's altitude, the Moon's altitude seen from the site
                       and its distance from the target.
                       With --json the same as one JSON object: "status",
                       "computation", "summary" (keys listed in the README:
                       times in the night's hours, degrees, null for an event
                       that does not happen) and "samples". After an arithmetic
                       fault there is no night, only the fault (--json:
                       "summary" and "samples" null)
  --step MINUTES       with --night: the time between samples, whole or
                       decimal minutes from 1 second (0.0167) to 120; the
                       last sample falls an hour after dawn  (10)

Target lists
  --targets FILE       plan the targets of a list for the observing night of
                       the site, date, time, zone and twilight given (no
                       target options): first the night's almanac (the Sun's
                       and the Moon's events, the Moon's phase, the LST at
                       midnight), then one line per target under a line
                       naming each column and its unit: its RA and Dec at the
                       date; rise, meridian transit (and the altitude there)
                       and set at the horizon; the start and end of its
                       longest observable window (the Sun below --twilight,
                       the target at or above the altitude limit, the Moon at
                       least its limit away) and the hours observable in all;
                       its best time (the highest point in its windows, else
                       in the dark time) with altitude, air mass, hour angle
                       and the Moon's distance; the Moon's least distance in
                       the dark time; "never rises" or "circumpolar". Times
                       as the zone's clock reads them (HH:MM), "-" where
                       there is none in the night. A list holds one target
                       per line, "name, RA, Dec[, epoch[, note]]" with RA
                       and Dec packed (5.3517) or with colons (05:35:17.3),
                       or "name hh mm ss.s +dd mm ss [epoch]"; the epoch is
                       2000.0 when not given; "#" starts a comment line. Bad
                       lines are told on standard error with their numbers;
                       the others are planned
  --sort ORDER         best (the observable targets by best time, then the
                       others), name, ra, or hours (the longest first) (best)
  --min-altitude DEGREES
                       the altitude limit, apparent, 0 to 90     (30)
  --max-airmass X      or the limit as an air mass, 1 to 38 (2 is 29.94 deg)
  --min-moon-distance DEGREES
                       the least distance from the Moon, 0 to 180 (0: off)
  --csv                the table alone, as comma-separated values
  --json               the night and the table as one JSON object: "status",
                       "computation", "night", "targets" (keys listed in the
                       README: times in the night's hours, null where none)
                       and "bad_lines"

Batch
  --batch              read lines of ten TAB-separated texts from standard
                       input: longitude, latitude, zone, date, time, ra,
                       dec, epoch, new epoch, twilight. The texts are read
                       as the window reads what is typed, without the checks
                       above: the number at the start of a text, 0 when
                       there is none. For each line write, TAB-separated,
                       the fields Text2 to Text27 after the calculation (the
                       ten inputs rewritten, new ra, new dec, JD, correction,
                       sidereal time, azimuth, altitude, air mass, hour
                       angle, constellation, galactic l and b, the Sun's ra
                       and dec, dusk, dawn, twilight) and "ok" or the fault;
                       a line without ten texts gives "error". Field options,
                       --site, --json and --night do not go with --batch
  --header             with --batch: first a line naming the columns

  --help               this text
  --version            the version

Exit status: 0 done (--batch: every line ended "ok"); 1 the calculation
ended on an arithmetic fault (--batch: a line did not end "ok"; --targets:
the list has bad lines, the others were planned); 2 a wrong command line, a
value not in its form, an unknown site, a location file that cannot be read
(--targets: a list that cannot be read or is refused whole).
)";
}

}  // namespace orvexal
