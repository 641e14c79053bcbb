// The main window's fields, each described once: the object name of its
// box, its caption, the text it starts with, how the pass writes a result
// into it and how many characters it keeps, what it means (its key and the
// unit and convention of its text), the command-line option that types into
// it, and whether it is typed in or calculated. The pass, the front ends,
// the settings and the window list, name and count the fields from here.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace orvexal {

// The fields by what they hold. Their values are the numbers of the
// window's text boxes Text1 .. Text27; the status line Label2 comes last.
enum class Field : int {
    LocationName = 1,
    Longitude,
    Latitude,
    TimeZone,
    Date,
    Time,
    RightAscension,
    Declination,
    Epoch,
    NewEpoch,
    NewRightAscension,
    NewDeclination,
    JulianDate,
    HeliocentricCorrection,
    SiderealTime,
    Azimuth,
    Altitude,
    AirMass,
    HourAngle,
    Constellation,
    GalacticLongitude,
    GalacticLatitude,
    SunRightAscension,
    SunDeclination,
    Dusk,
    Dawn,
    Twilight,
    Status,
};

enum class FieldRole {
    Input,   // typed in (the pass rewrites the numbers it reads in plain form)
    Result,  // written by the calculation
    Status,  // the status line of the location file
};

// How the pass writes a value into a field, before the text is cut to the
// characters the field keeps (sign position included). Packed values below
// 0.0001 (within a second of zero) are written in plain digits: in exponent
// form the cut would keep the mantissa and drop the exponent, so 0h 00m
// 00.6s would read " 6.001696".
enum class TextForm {
    AsRead,         // no value of the pass's own: a text typed in, a name found
    General,        // the double's general text (15 digits)
    PackedWidened,  // packed in single precision, then widened to double, so
                    // that the rounding shows: 20.4058 as " 20.4057998657227"
    PackedSingle,   // packed in single precision, its 7-digit text
    TwilightPacked, // packed in single precision with the twilight searches'
                    // guard (DecimalToPacked), its 7-digit text
    Fixed,          // 5 decimals right-aligned in 8 characters
    Year,           // the general text without the sign blank
};

// What a value typed on the command line must be beyond a decimal number
// written in full.
enum class OptionRule {
    Number,    // any decimal number: zone, epochs, twilight
    Packed,    // D.MMSS or H.MMSS: minutes and seconds below 60
    Latitude,  // packed, at most 90 degrees from the equator
    Date,      // 0 (now), or YYYY.MMDD with a month 1..12 and a day of that month
};

struct FieldOption {
    std::string_view name;  // "--date"; empty: no option types into the field
    OptionRule rule = OptionRule::Number;
    std::string_view form;  // completes "is not ..."
    std::string_view example;
};

struct FieldDescription {
    Field field;
    std::string_view objectName;    // "Text13"
    std::string_view caption;       // "Julian Date (JD)"; the status line's is its designed text
    std::string_view designedText;  // the text when the window is first loaded
    FieldRole role;
    TextForm form;
    std::size_t keptChars;          // characters of a result's text kept; 0: not cut
    std::string_view key;           // "julian_date"; empty for the status line
    std::string_view unit;          // "days, UT"; empty for the site's name and the status line
    FieldOption option;
    bool keptBetweenRuns;           // saved in the settings file at the end of a run
};

// Every field in the order of Field. The Julian Date keeps its sign
// position, a blank for a present-day JD and the minus sign of one before
// -4712 January 1.5, then 13 characters, five decimals of a present-day JD.
inline constexpr FieldDescription kFields[] = {
    {Field::LocationName, "Text1", "LOCATION", "Kestrine Astr. Observatory", FieldRole::Input, TextForm::AsRead, 0,
     "location_name", "", {}, true},
    {Field::Longitude, "Text2", "LONGITUDE (+ to W)", "122.50514", FieldRole::Input, TextForm::AsRead, 0,
     "longitude", "D.MS, + to the west",
     {"--longitude", OptionRule::Packed, "a longitude in D.MMSS form", "122.50514"}, true},
    {Field::Latitude, "Text3", "LATITUDE (+ to N)", "53.45289", FieldRole::Input, TextForm::AsRead, 0,
     "latitude", "D.MS, + to the north",
     {"--latitude", OptionRule::Latitude, "a latitude in D.MMSS form within 90 degrees", "-33.5"}, true},
    {Field::TimeZone, "Text4", "TIME ZONE (PST=8)", "8", FieldRole::Input, TextForm::AsRead, 0,
     "time_zone", "hours, + to the west (UT = local + zone)",
     {"--zone", OptionRule::Number, "a time zone in hours", "-5.5"}, true},
    {Field::Date, "Text5", "DATE (YYYY.MMDD)", "0", FieldRole::Input, TextForm::AsRead, 0,
     "date", "YYYY.MMDD, local",
     {"--date", OptionRule::Date, "a date in YYYY.MMDD form", "2024.0615"}, false},
    {Field::Time, "Text6", "TIME (local)", "17.5557", FieldRole::Input, TextForm::AsRead, 0,
     "time", "H.MS, local (the zone's clock)",
     {"--time", OptionRule::Packed, "a time in H.MMSS form", "22.1530"}, false},
    {Field::RightAscension, "Text7", "RIGHT ASCENSION >>>>", "11.11111", FieldRole::Input, TextForm::AsRead, 0,
     "right_ascension", "H.MS, at the epoch above",
     {"--ra", OptionRule::Packed, "a right ascension in H.MMSS form", "20.4058"}, false},
    {Field::Declination, "Text8", "DECLINATION >>>>>>>>", "22.22222", FieldRole::Input, TextForm::AsRead, 0,
     "declination", "D.MS, at the epoch above",
     {"--dec", OptionRule::Packed, "a declination in D.MMSS form", "-45.1649"}, false},
    {Field::Epoch, "Text9", "ABOVE EPOCH", "2000.0", FieldRole::Input, TextForm::AsRead, 0,
     "epoch", "years",
     {"--epoch", OptionRule::Number, "an epoch in years", "2000.0"}, false},
    // A new epoch of 0 is replaced by the epoch of the date.
    {Field::NewEpoch, "Text10", "NEW EPOCH (0=date)", "2000.0", FieldRole::Input, TextForm::Year, 10,
     "new_epoch", "years (0 = the epoch of the date)",
     {"--new-epoch", OptionRule::Number, "an epoch in years", "2024.5"}, false},
    {Field::NewRightAscension, "Text11", "New Right Ascens.", "0", FieldRole::Result, TextForm::PackedWidened, 9,
     "new_right_ascension", "H.MS, at the new epoch", {}, false},
    {Field::NewDeclination, "Text12", "New Declination", "0", FieldRole::Result, TextForm::PackedWidened, 9,
     "new_declination", "D.MS, at the new epoch", {}, false},
    {Field::JulianDate, "Text13", "Julian Date (JD)", "0", FieldRole::Result, TextForm::General, 14,
     "julian_date", "days, UT", {}, false},
    {Field::HeliocentricCorrection, "Text14", "Corr'n (+ JD = HJD)", "0", FieldRole::Result, TextForm::Fixed, 8,
     "heliocentric_correction", "days, + JD = heliocentric JD", {}, false},
    {Field::SiderealTime, "Text15", "Loc. Sidereal Time", "0", FieldRole::Result, TextForm::PackedWidened, 10,
     "sidereal_time", "H.MS, local mean sidereal time", {}, false},
    {Field::Azimuth, "Text16", "Azimuthal Angle", "0", FieldRole::Result, TextForm::PackedSingle, 9,
     "azimuth", "D.MS, from north through east", {}, false},
    {Field::Altitude, "Text17", "Altitude", "0", FieldRole::Result, TextForm::PackedWidened, 9,
     "altitude", "D.MS, apparent (refraction included)", {}, false},
    {Field::AirMass, "Text18", "Air Mass", "0", FieldRole::Result, TextForm::General, 7,
     "air_mass", "atmospheres, 1 at the zenith, negative below the horizon", {}, false},
    {Field::HourAngle, "Text19", "Hour Angle", "0", FieldRole::Result, TextForm::PackedSingle, 8,
     "hour_angle", "H.MS, positive west of the meridian", {}, false},
    {Field::Constellation, "Text20", "Constellation", " ", FieldRole::Result, TextForm::AsRead, 0,
     "constellation", "IAU abbreviation", {}, false},
    {Field::GalacticLongitude, "Text21", "Galactic Longitude", "0", FieldRole::Result, TextForm::PackedWidened, 9,
     "galactic_longitude", "D.MS", {}, false},
    {Field::GalacticLatitude, "Text22", "Galactic Latitude", "0", FieldRole::Result, TextForm::PackedSingle, 9,
     "galactic_latitude", "D.MS", {}, false},
    {Field::SunRightAscension, "Text23", "Sun's Right Ascens.", "0", FieldRole::Result, TextForm::PackedSingle, 8,
     "sun_right_ascension", "H.MS, at the date", {}, false},
    {Field::SunDeclination, "Text24", "Sun's Declination", "0", FieldRole::Result, TextForm::PackedSingle, 8,
     "sun_declination", "D.MS, at the date", {}, false},
    {Field::Dusk, "Text25", "Local Time of Dusk", "0", FieldRole::Result, TextForm::TwilightPacked, 8,
     "dusk", "H.MS, local, of the night (noon to noon) holding the instant; 24 or more is after midnight; "
             "none: no dusk that night", {}, false},
    {Field::Dawn, "Text26", "Local Time of Dawn", "0", FieldRole::Result, TextForm::TwilightPacked, 8,
     "dawn", "H.MS, local, of the night (noon to noon) holding the instant; below 0 is before midnight; "
             "none: no dawn that night", {}, false},
    {Field::Twilight, "Text27", "DEFINITION OF TWILIGHT: Sun altitude =", "-10", FieldRole::Input, TextForm::AsRead,
     0, "twilight", "degrees, the Sun's altitude at dusk and dawn",
     {"--twilight", OptionRule::Number, "a Sun altitude in degrees", "-10"}, true},
    {Field::Status, "Label2", "LOCATION file has NOT been loaded", "LOCATION file has NOT been loaded",
     FieldRole::Status, TextForm::AsRead, 0, "", "", {}, false},
};

inline constexpr std::size_t kFieldCount = std::size(kFields);

// Row i describes the field numbered i + 1.
static_assert(std::ranges::all_of(kFields, [](const FieldDescription& row) {
    return &row == &kFields[static_cast<std::size_t>(row.field) - 1];
}));

// Names, keys and options tell one field from another, and a field the pass
// writes a value into keeps a part of its text.
constexpr bool Distinct(auto nameOf)
{
    for (const FieldDescription& row : kFields) {
        for (const FieldDescription& other : kFields) {
            if (&row != &other && !nameOf(row).empty() && nameOf(row) == nameOf(other)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(Distinct([](const FieldDescription& row) { return row.objectName; })
              && Distinct([](const FieldDescription& row) { return row.key; })
              && Distinct([](const FieldDescription& row) { return row.option.name; }));
static_assert(std::ranges::all_of(kFields, [](const FieldDescription& row) {
    return (row.form == TextForm::AsRead) == (row.keptChars == 0);
}));

constexpr const FieldDescription& Describe(Field field)
{
    return kFields[static_cast<std::size_t>(field) - 1];
}

// How many fields `chosen` picks.
constexpr std::size_t FieldCountWhere(auto chosen)
{
    return static_cast<std::size_t>(std::ranges::count_if(kFields, chosen));
}

// The Count fields `chosen` picks, in the order of Field; a wrong Count
// does not compile.
template <std::size_t Count>
constexpr std::array<Field, Count> FieldsWhere(auto chosen)
{
    std::array<Field, Count> fields{};
    std::size_t next = 0;
    for (const FieldDescription& row : kFields) {
        if (chosen(row)) {
            fields.at(next++) = row.field;
        }
    }
    return next == Count ? fields : throw "a count that is not the fields'";
}

constexpr bool IsInput(const FieldDescription& row)
{
    return row.role == FieldRole::Input;
}

constexpr bool IsResult(const FieldDescription& row)
{
    return row.role == FieldRole::Result;
}

inline constexpr std::size_t kInputCount = FieldCountWhere(IsInput);
inline constexpr std::size_t kResultCount = FieldCountWhere(IsResult);
inline constexpr std::size_t kTextBoxCount = kInputCount + kResultCount;

// The text boxes in the window's order: the input column from the top
// (the twilight last), then the result column from the top.
inline constexpr std::array<Field, kTextBoxCount> kWindowOrder = [] {
    const auto inputs = FieldsWhere<kInputCount>(IsInput);
    const auto results = FieldsWhere<kResultCount>(IsResult);
    std::array<Field, kTextBoxCount> order{};
    std::ranges::copy(results, std::ranges::copy(inputs, order.begin()).out);
    return order;
}();

}  // namespace orvexal
