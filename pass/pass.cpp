#include "pass/pass.h"

#include <stdexcept>

#include "astro/galactic.h"
#include "astro/heliocentric.h"
#include "astro/horizon.h"
#include "astro/precession.h"
#include "astro/sidereal_time.h"
#include "astro/sun.h"
#include "astro/twilight.h"
#include "numbers/fixed_format.h"
#include "numbers/number_text.h"
#include "numbers/packed.h"
#include "numbers/units.h"
#include "pass/inputs.h"

namespace orvexal {
namespace {

// Dusk and dawn when the Sun does not cross the twilight altitude that day.
constexpr const char* kNoTwilight = "none";

// The epochs of the constellation boundaries and of the galactic conversion.
constexpr double kBoundaryEpoch = 1875.0;
constexpr double kGalacticEpoch = 2000.0;

// How a result's value becomes its field's text, before it is cut to the
// characters the field keeps (sign position included). Packed values below
// 0.0001 (within a second of zero) are written in plain digits: in exponent
// form the cut would keep the mantissa and drop the exponent, so 0h 00m
// 00.6s would read " 6.001696".
enum class TextForm {
    General,        // the double's general text (15 digits)
    PackedWidened,  // packed in single precision, then widened to double, so
                    // that the rounding shows: 20.4058 as " 20.4057998657227"
    PackedSingle,   // packed in single precision, its 7-digit text
    TwilightPacked, // packed in single precision with the twilight searches'
                    // guard (DecimalToPacked), its 7-digit text
    Fixed,          // 5 decimals right-aligned in 8 characters
    Year,           // the general text without the sign blank, 10 characters
};

struct ResultFormat {
    Field field;
    std::size_t kept;
    TextForm form;
};

// Every result field the pass computes, in the order the pass writes them.
// The Julian Date keeps its sign position, a blank for a present-day JD and
// the minus sign of one before -4712 January 1.5, then 13 characters, five
// decimals of a present-day JD.
constexpr ResultFormat kResultFormats[] = {
    {Field::JulianDate, 14, TextForm::General},
    {Field::NewEpoch, 10, TextForm::Year},
    {Field::NewRightAscension, 9, TextForm::PackedWidened},
    {Field::NewDeclination, 9, TextForm::PackedWidened},
    {Field::HeliocentricCorrection, 8, TextForm::Fixed},
    {Field::SiderealTime, 10, TextForm::PackedWidened},
    {Field::HourAngle, 8, TextForm::PackedSingle},
    {Field::AirMass, 7, TextForm::General},
    {Field::Altitude, 9, TextForm::PackedWidened},
    {Field::Azimuth, 9, TextForm::PackedSingle},
    {Field::GalacticLongitude, 9, TextForm::PackedWidened},
    {Field::GalacticLatitude, 9, TextForm::PackedSingle},
    {Field::SunRightAscension, 8, TextForm::PackedSingle},
    {Field::SunDeclination, 8, TextForm::PackedSingle},
    {Field::Dusk, 8, TextForm::TwilightPacked},
    {Field::Dawn, 8, TextForm::TwilightPacked},
};

const ResultFormat& FormatOf(Field field)
{
    for (const ResultFormat& format : kResultFormats) {
        if (format.field == field) {
            return format;
        }
    }
    throw std::logic_error("no text form for " + FieldName(field));
}

std::string FullText(double value, TextForm form)
{
    switch (form) {
    case TextForm::General: return GeneralText(value);
    case TextForm::PackedWidened: return GeneralTextNoSmallExponent(static_cast<double>(PackDecimal(value)));
    case TextForm::PackedSingle: return GeneralTextNoSmallExponent(PackDecimal(value));
    case TextForm::TwilightPacked: return GeneralTextNoSmallExponent(DecimalToPacked(value));
    case TextForm::Fixed: return FormatFixed(value, 8, 5);
    case TextForm::Year: {
        const std::string text = GeneralText(value);
        return text[0] == ' ' ? text.substr(1) : text;
    }
    }
    throw std::logic_error("unknown text form");
}

// The text a result field shows for a value.
std::string ResultText(Field field, double value)
{
    const ResultFormat& format = FormatOf(field);
    return FirstChars(FullText(value, format.form), format.kept);
}

// The digits of a clock reading with leading zeros: 4 as "04".
std::string ZeroPadded(int value, std::size_t width)
{
    std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

class Pass : private HorizonSink {
public:
    Pass(FieldTexts& fields, const ConstellationTables& constellations, SunPlace& sun,
         const Clock& clock)
        : fields_(fields), constellations_(constellations), sun_(sun), clock_(clock)
    {
    }

    void Run()
    {
        ReadSite();
        ReadDateAndTime();
        NormaliseUniversalDate();
        ReadTargetAndEpochs();
        At(Computation::JulianDate);
        ComputeJulianDates();
        At(Computation::EpochOfDate);
        ComputeEpochOfDate();
        At(Computation::Precession);
        PrecessToNewEpoch();
        At(Computation::HeliocentricCorrection);
        Show(Field::HeliocentricCorrection, HeliocentricCorrection(jd_, yearStart_, {newRa_, newDec_}));
        At(Computation::SiderealTime);
        lst_ = Show(Field::SiderealTime, LocalSiderealTime(jd_, longitude_));
        At(Computation::HorizonCoordinates);
        HorizonCoordinates(lst_, {newRa_, newDec_}, latitude_, *this);
        At(Computation::Constellation);
        ShowConstellation();
        At(Computation::GalacticCoordinates);
        ShowGalacticCoordinates();
        At(Computation::SunPlace);
        ShowSun();
        At(Computation::Twilight);
        ShowTwilight();
    }

    // The computation running now.
    Computation Current() const { return current_; }

private:
    void At(Computation computation) { current_ = computation; }

    std::string Text(Field field) const { return fields_.Text(field); }

    // Every field write is a checkpoint: a fault raised by the arithmetic
    // behind the text ends the pass before the field changes. The flags are
    // read once and cleared only when one was raised (and the pass ends).
    // Whatever the fields' owner raises while it takes the text (a window
    // laying it out) is not the calculation's: the flags, clear before the
    // write, are cleared again after it when the owner raised one.
    void Write(Field field, const std::string& text)
    {
        CheckFloatingFaults();
        fields_.SetText(field, text);
        if (RecordedFloatingFault()) {
            ClearFloatingFaults();
        }
    }

    // A result: written in its field's text form and handed back. The
    // flags its arithmetic raised are read by the write; only its being
    // finite is checked here, before the text is made.
    double Show(Field field, double value)
    {
        const double finite = FiniteValue(Settled(value));
        Write(field, ResultText(field, finite));
        return finite;
    }

    // A packed input field: its decimal value, and the field rewritten as
    // the plain text of the number read from it.
    double ReadPackedField(Field field)
    {
        const double number = LeadingNumber(Text(field));
        const double decimal = ParsePacked(number).decimal;
        Write(field, PlainText(number));
        return decimal;
    }

    double ReadNumberField(Field field)
    {
        const double number = LeadingNumber(Text(field));
        Write(field, PlainText(number));
        return number;
    }

    // Longitude, latitude and time zone; the zone keeps any fraction of an
    // hour.
    void ReadSite()
    {
        longitude_ = ReadPackedField(Field::Longitude);
        latitude_ = ReadPackedField(Field::Latitude);
        zone_ = SplitZone(LeadingNumber(Text(Field::TimeZone)));
        Write(Field::TimeZone, PlainText(zone_.hours));
    }

    // A date of 0 stands for the present date and time.
    void ReadDateAndTime()
    {
        if (LeadingNumber(Text(Field::Date)) == 0) {
            WriteClockDateAndTime();
        } else {
            Write(Field::Date, PlainText(LeadingNumber(Text(Field::Date))));
            Write(Field::Time, PlainText(LeadingNumber(Text(Field::Time))));
        }
        local_ = ReadLocalTime(Text(Field::Date), Text(Field::Time));
    }

    // The present instant as read on the site's zone clock.
    void WriteClockDateAndTime()
    {
        const DateTime now = ZoneTime(clock_(), zone_.hours);
        Write(Field::Date, ZeroPadded(now.year, 4) + "." + ZeroPadded(now.month, 2) + ZeroPadded(now.day, 2));
        Write(Field::Time, ZeroPadded(now.hour, 2) + "." + ZeroPadded(now.minute, 2) + ZeroPadded(now.second, 2));
    }

    void NormaliseUniversalDate() { ut_ = UniversalTime(local_, zone_.whole); }

    void ReadTargetAndEpochs()
    {
        ra_ = ReadPackedField(Field::RightAscension) * kDegreesPerHour / kDegreesPerRadian;
        dec_ = ReadPackedField(Field::Declination) / kDegreesPerRadian;
        epoch_ = ReadNumberField(Field::Epoch);
        newEpoch_ = ReadNumberField(Field::NewEpoch);
        newEpochFromDate_ = newEpoch_ == 0;
        twilight_ = LeadingNumber(Text(Field::Twilight));
    }

    // The start of the year and the observation; 1582 October 5-14, which
    // did not exist, come back as October 4 and stay so for the rest.
    void ComputeJulianDates()
    {
        yearStart_ = YearStart(ut_);
        const DatedJulianDate observed = ObservationJulianDate(ut_, zone_);
        ut_.day = observed.day;
        jd_ = Show(Field::JulianDate, observed.jd);
    }

    void ComputeEpochOfDate()
    {
        if (newEpochFromDate_) {
            newEpoch_ = Show(Field::NewEpoch, EpochOfDate(jd_, yearStart_, ut_.year));
        }
    }

    // Equal epochs echo the typed place.
    void PrecessToNewEpoch()
    {
        if (epoch_ == newEpoch_) {
            Write(Field::NewRightAscension, Text(Field::RightAscension));
            Write(Field::NewDeclination, Text(Field::Declination));
            newRa_ = ra_;
            newDec_ = dec_;
            return;
        }
        const EquatorialPlace place = PlaceAtNewEpoch(epoch_, {ra_, dec_}, newEpoch_);
        newRa_ = place.rightAscension;
        newDec_ = place.declination;
        Show(Field::NewRightAscension, newRa_ * kDegreesPerRadian / kDegreesPerHour);
        Show(Field::NewDeclination, newDec_ * kDegreesPerRadian);
    }

    // The horizon computation hands each value over as it is computed.
    void HourAngle(double degrees) override
    {
        Show(Field::HourAngle, degrees / kDegreesPerHour);
    }

    void AirMass(double atmospheres) override { Show(Field::AirMass, atmospheres); }
    void Altitude(double degrees) override { Show(Field::Altitude, degrees); }
    void Azimuth(double degrees) override { Show(Field::Azimuth, degrees); }

    // The boundaries are those of equinox 1875.
    void ShowConstellation()
    {
        const EquatorialPlace place = Precess(epoch_, {ra_, dec_}, kBoundaryEpoch);
        const double hours = CheckedValue(place.rightAscension * kDegreesPerRadian / kDegreesPerHour);
        const double degrees = CheckedValue(place.declination * kDegreesPerRadian);
        Write(Field::Constellation, constellations_.ConDataLoaded
                                        ? FindConstellation(constellations_, hours, degrees)
                                        : std::string());
    }

    // The galactic conversion expects equinox 2000.
    void ShowGalacticCoordinates()
    {
        const EquatorialPlace place = Precess(epoch_, {ra_, dec_}, kGalacticEpoch);
        const GalacticPlace galactic = GalacticCoordinates(place);
        Show(Field::GalacticLongitude, galactic.l * kDegreesPerRadian);
        Show(Field::GalacticLatitude, galactic.b * kDegreesPerRadian);
    }

    // Kept, packed in single precision as the fields show it, for the
    // twilight searches.
    void ShowSun()
    {
        const double ra = SunRightAscension(jd_);
        const double dec = SunDeclination(jd_);
        CheckFloatingFaults();
        sun_ = SunPlace{PackDecimal(ra), PackDecimal(dec)};
        Show(Field::SunRightAscension, ra);
        Show(Field::SunDeclination, dec);
    }

    // Both searches start from the local midnight of the observing night
    // that holds the instant.
    void ShowTwilight()
    {
        const double jd0 = ObservingNightMidnight(ut_, zone_, jd_);
        const double sunRaHours = PackedToDecimal(sun_.SunRA);
        const double sunDecDeg = PackedToDecimal(sun_.SunDec);
        ShowTwilightTime(Field::Dusk, DuskTime(longitude_, latitude_, twilight_, jd0, sunRaHours, sunDecDeg));
        ShowTwilightTime(Field::Dawn, DawnTime(longitude_, latitude_, twilight_, jd0, sunRaHours, sunDecDeg));
    }

    void ShowTwilightTime(Field field, std::optional<double> time)
    {
        if (time) {
            Show(field, *time);
        } else {
            Write(field, kNoTwilight);
        }
    }

    Computation current_ = Computation::ReadingInputs;
    FieldTexts& fields_;
    const ConstellationTables& constellations_;
    SunPlace& sun_;
    const Clock& clock_;

    double longitude_ = 0;
    double latitude_ = 0;
    ZoneHours zone_;
    CalendarTime local_;
    CalendarTime ut_;
    double ra_ = 0;
    double dec_ = 0;
    double epoch_ = 0;
    double newEpoch_ = 0;
    bool newEpochFromDate_ = false;
    double twilight_ = 0;
    double yearStart_ = 0;
    double jd_ = 0;
    double newRa_ = 0;
    double newDec_ = 0;
    double lst_ = 0;
};

}  // namespace

const char* ComputationName(Computation computation)
{
    switch (computation) {
    case Computation::ReadingInputs: return "the reading of the inputs";
    case Computation::JulianDate: return "the Julian Date";
    case Computation::EpochOfDate: return "the epoch of the date";
    case Computation::Precession: return "the precession to the new epoch";
    case Computation::HeliocentricCorrection: return "the heliocentric correction";
    case Computation::SiderealTime: return "the sidereal time";
    case Computation::HorizonCoordinates: return "the horizon coordinates";
    case Computation::Constellation: return "the constellation";
    case Computation::GalacticCoordinates: return "the galactic coordinates";
    case Computation::SunPlace: return "the Sun's place";
    case Computation::Twilight: return "dusk and dawn";
    }
    return "the calculation";
}

std::optional<PassFault> CalculatePass(FieldTexts& fields, const ConstellationTables& constellations,
                                       SunPlace& sun, const Clock& clock)
{
    ClearFloatingFaults();
    Pass pass(fields, constellations, sun, clock);
    try {
        pass.Run();
    } catch (const ArithmeticFault& fault) {
        // A fault the hardware recorded since the last checkpoint came from
        // arithmetic done before the check that threw (an overflow whose
        // infinity later turned into a NaN), so it names the end.
        const std::optional<FaultKind> earlier = RecordedFloatingFault();
        ClearFloatingFaults();
        return PassFault{earlier.value_or(fault.Kind()), pass.Current()};
    }
    return std::nullopt;
}

}  // namespace orvexal
