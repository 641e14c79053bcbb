#include "cli/field_meanings.h"

#include <array>

namespace orvexal {
namespace {

constexpr std::array<FieldMeaning, 27> kMeanings{{
    {Field::LocationName, "location_name", "", false},
    {Field::Longitude, "longitude", "D.MS, + to the west", false},
    {Field::Latitude, "latitude", "D.MS, + to the north", false},
    {Field::TimeZone, "time_zone", "hours, + to the west (UT = local + zone)", false},
    {Field::Date, "date", "YYYY.MMDD, local", false},
    {Field::Time, "time", "H.MS, local (the zone's clock)", false},
    {Field::RightAscension, "right_ascension", "H.MS, at the epoch above", false},
    {Field::Declination, "declination", "D.MS, at the epoch above", false},
    {Field::Epoch, "epoch", "years", false},
    {Field::NewEpoch, "new_epoch", "years (0 = the epoch of the date)", false},
    {Field::Twilight, "twilight", "degrees, the Sun's altitude at dusk and dawn", false},
    {Field::NewRightAscension, "new_right_ascension", "H.MS, at the new epoch", true},
    {Field::NewDeclination, "new_declination", "D.MS, at the new epoch", true},
    {Field::JulianDate, "julian_date", "days, UT", true},
    {Field::HeliocentricCorrection, "heliocentric_correction", "days, + JD = heliocentric JD", true},
    {Field::SiderealTime, "sidereal_time", "H.MS, local mean sidereal time", true},
    {Field::Azimuth, "azimuth", "D.MS, from north through east", true},
    {Field::Altitude, "altitude", "D.MS, apparent (refraction included)", true},
    {Field::AirMass, "air_mass", "atmospheres, 1 at the zenith, negative below the horizon", true},
    {Field::HourAngle, "hour_angle", "H.MS, positive west of the meridian", true},
    {Field::Constellation, "constellation", "IAU abbreviation", true},
    {Field::GalacticLongitude, "galactic_longitude", "D.MS", true},
    {Field::GalacticLatitude, "galactic_latitude", "D.MS", true},
    {Field::SunRightAscension, "sun_right_ascension", "H.MS, at the date", true},
    {Field::SunDeclination, "sun_declination", "D.MS, at the date", true},
    {Field::Dusk, "dusk", "H.MS, local, of the night (noon to noon) holding the instant; 24 or more is after midnight; none: no dusk that night", true},
    {Field::Dawn, "dawn", "H.MS, local, of the night (noon to noon) holding the instant; below 0 is before midnight; none: no dawn that night", true},
}};

}  // namespace

std::span<const FieldMeaning> FieldMeanings()
{
    return kMeanings;
}

}  // namespace orvexal
