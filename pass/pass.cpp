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
    case TextForm::AsRead: break;
    }
    throw std::logic_error("no text form for a value");
}

// The text a result field shows for a value: its text form, cut to the
// characters the field keeps.
std::string ResultText(Field field, double value)
{
    const FieldDescription& row = Describe(field);
    return FirstChars(FullText(value, row.form), row.keptChars);
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

    // Reads the observation, then computes each result from it and writes
    // it at once; what the night needs of it is handed back.
    ObservedPass Run()
    {
        const Observation o = ReadObservation();
        Show(Field::JulianDate, o.jd);
        At(Computation::EpochOfDate);
        const double newEpoch = NewEpochOf(o);
        At(Computation::Precession);
        const EquatorialPlace place = PlaceAtNewEpochShown(o, newEpoch);
        At(Computation::HeliocentricCorrection);
        Show(Field::HeliocentricCorrection, HeliocentricCorrection(o.jd, o.yearStart, place));
        At(Computation::SiderealTime);
        const double lst = Show(Field::SiderealTime, LocalSiderealTime(o.jd, o.site.longitudeWestDeg));
        At(Computation::HorizonCoordinates);
        HorizonCoordinates(lst, place, o.site.latitudeNorthDeg, *this);
        At(Computation::Constellation);
        ShowConstellation(o);
        At(Computation::GalacticCoordinates);
        ShowGalacticCoordinates(o);
        At(Computation::SunPlace);
        ShowSun(o.jd);
        At(Computation::Twilight);
        return {o, newEpoch, place, ShowTwilight(o)};
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
        if (RaisedFloatingFlags() != 0) {
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

    // The input fields in the window's order, each rewritten in normalised
    // form as it is read; the zone keeps any fraction of an hour; then the
    // instant's Julian Date. 1582 October 5-14, which did not exist, come
    // back as October 4 and stay so for the rest.
    Observation ReadObservation()
    {
        Observation o;
        o.site.longitudeWestDeg = ReadPackedField(Field::Longitude);
        o.site.latitudeNorthDeg = ReadPackedField(Field::Latitude);
        o.zone = SplitZone(LeadingNumber(Text(Field::TimeZone)));
        Write(Field::TimeZone, PlainText(o.zone.hours));
        o.local = ReadDateAndTime(o.zone);
        o.ut = UniversalTime(o.local, o.zone.whole);
        o.target.rightAscension = ReadPackedField(Field::RightAscension) * kDegreesPerHour / kDegreesPerRadian;
        o.target.declination = ReadPackedField(Field::Declination) / kDegreesPerRadian;
        o.epoch = ReadNumberField(Field::Epoch);
        o.newEpoch = ReadNumberField(Field::NewEpoch);
        o.twilightDeg = LeadingNumber(Text(Field::Twilight));
        At(Computation::JulianDate);
        o.yearStart = YearStart(o.ut);
        const DatedJulianDate observed = ObservationJulianDate(o.ut, o.zone);
        o.ut.day = observed.day;
        o.jd = observed.jd;
        return o;
    }

    // A date of 0 stands for the present date and time.
    CalendarTime ReadDateAndTime(const ZoneHours& zone)
    {
        if (LeadingNumber(Text(Field::Date)) == 0) {
            WriteClockDateAndTime(zone);
        } else {
            Write(Field::Date, PlainText(LeadingNumber(Text(Field::Date))));
            Write(Field::Time, PlainText(LeadingNumber(Text(Field::Time))));
        }
        return ReadLocalTime(Text(Field::Date), Text(Field::Time));
    }

    // The present instant as read on the site's zone clock.
    void WriteClockDateAndTime(const ZoneHours& zone)
    {
        const DateTime now = ZoneTime(clock_(), zone.hours);
        Write(Field::Date, ZeroPadded(now.year, 4) + "." + ZeroPadded(now.month, 2) + ZeroPadded(now.day, 2));
        Write(Field::Time, ZeroPadded(now.hour, 2) + "." + ZeroPadded(now.minute, 2) + ZeroPadded(now.second, 2));
    }

    // A new epoch of 0 is the epoch of the date, shown in its field.
    double NewEpochOf(const Observation& o)
    {
        if (o.newEpoch != 0) {
            return o.newEpoch;
        }
        return Show(Field::NewEpoch, EpochOfDate(o.jd, o.yearStart, o.ut.year));
    }

    // Equal epochs echo the typed place.
    EquatorialPlace PlaceAtNewEpochShown(const Observation& o, double newEpoch)
    {
        if (o.epoch == newEpoch) {
            Write(Field::NewRightAscension, Text(Field::RightAscension));
            Write(Field::NewDeclination, Text(Field::Declination));
            return o.target;
        }
        const EquatorialPlace place = PlaceAtNewEpoch(o.epoch, o.target, newEpoch);
        Show(Field::NewRightAscension, place.rightAscension * kDegreesPerRadian / kDegreesPerHour);
        Show(Field::NewDeclination, place.declination * kDegreesPerRadian);
        return place;
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
    void ShowConstellation(const Observation& o)
    {
        const EquatorialPlace place = Precess(o.epoch, o.target, kBoundaryEpoch);
        const double hours = CheckedValue(place.rightAscension * kDegreesPerRadian / kDegreesPerHour);
        const double degrees = CheckedValue(place.declination * kDegreesPerRadian);
        Write(Field::Constellation, constellations_.ConDataLoaded
                                        ? FindConstellation(constellations_, hours, degrees)
                                        : std::string());
    }

    // The galactic conversion expects equinox 2000.
    void ShowGalacticCoordinates(const Observation& o)
    {
        const GalacticPlace galactic = GalacticCoordinates(Precess(o.epoch, o.target, kGalacticEpoch));
        Show(Field::GalacticLongitude, galactic.l * kDegreesPerRadian);
        Show(Field::GalacticLatitude, galactic.b * kDegreesPerRadian);
    }

    // Kept, packed in single precision as the fields show it, for the
    // twilight searches.
    void ShowSun(double jd)
    {
        const double ra = SunRightAscension(jd);
        const double dec = SunDeclination(jd);
        CheckFloatingFaults();
        sun_ = SunPlace{PackDecimal(ra), PackDecimal(dec)};
        Show(Field::SunRightAscension, ra);
        Show(Field::SunDeclination, dec);
    }

    // Both searches start from the local midnight of the observing night
    // that holds the instant, which is handed back.
    double ShowTwilight(const Observation& o)
    {
        const double jd0 = ObservingNightMidnight(o.ut, o.zone, o.jd);
        const double sunRaHours = PackedToDecimal(sun_.SunRA);
        const double sunDecDeg = PackedToDecimal(sun_.SunDec);
        const Observer& site = o.site;
        ShowTwilightTime(Field::Dusk, DuskTime(site.longitudeWestDeg, site.latitudeNorthDeg, o.twilightDeg, jd0,
                                               sunRaHours, sunDecDeg));
        ShowTwilightTime(Field::Dawn, DawnTime(site.longitudeWestDeg, site.latitudeNorthDeg, o.twilightDeg, jd0,
                                               sunRaHours, sunDecDeg));
        return jd0;
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
    ObservedPass observed;
    return CalculatePass(fields, constellations, sun, clock, observed);
}

std::optional<PassFault> CalculatePass(FieldTexts& fields, const ConstellationTables& constellations,
                                       SunPlace& sun, const Clock& clock, ObservedPass& observed)
{
    ClearFloatingFaults();
    Pass pass(fields, constellations, sun, clock);
    try {
        observed = pass.Run();
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
