#include "pass/pass.h"

#include <cmath>

#include "astro/galactic.h"
#include "astro/heliocentric.h"
#include "astro/horizon.h"
#include "astro/julian_date.h"
#include "astro/precession.h"
#include "astro/sidereal_time.h"
#include "astro/twilight.h"
#include "numbers/fixed_format.h"
#include "numbers/number_text.h"
#include "numbers/packed.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Days in the year of the epoch of date (the tropical year).
constexpr double kTropicalYear = 365.2422;

// The epochs of the constellation boundaries and of the galactic conversion.
constexpr double kBoundaryEpoch = 1875.0;
constexpr double kGalacticEpoch = 2000.0;

// Characters kept of each result's text, sign position included.
constexpr std::size_t kJulianDateChars = 13;
constexpr std::size_t kEpochChars = 10;
constexpr std::size_t kPlaceChars = 9;
constexpr std::size_t kSiderealChars = 10;
constexpr std::size_t kHourAngleChars = 8;
constexpr std::size_t kAirMassChars = 7;
constexpr std::size_t kSunChars = 8;

// The general text of a packed single-precision value (up to 7 digits).
std::string SingleText(float packed)
{
    return GeneralText(packed);
}

// The general text of a packed value widened exactly to double, so that its
// single-precision rounding shows: 20.4058 shows as " 20.4057998657227".
std::string WidenedText(float packed)
{
    return GeneralText(static_cast<double>(packed));
}

// The digits of a clock reading with leading zeros: 4 as "04".
std::string ZeroPadded(int value, std::size_t width)
{
    std::string digits = std::to_string(value);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

bool IsLeapYear(Int16 year)
{
    if (year > 1582) {
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    }
    return year % 4 == 0;  // Julian rule; the remainder is taken toward zero
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
        ComputeJulianDates();
        ComputeEpochOfDate();
        PrecessToNewEpoch();
        ShowHeliocentricCorrection();
        ShowSiderealTime();
        HorizonCoordinates(lst_, newRa_, newDec_, latitude_, *this);
        ShowConstellation();
        ShowGalacticCoordinates();
        ShowSun();
        ShowTwilight();
    }

private:
    std::string Text(Field field) const { return fields_.Text(field); }

    // Every field write is a checkpoint: a fault raised by the arithmetic
    // behind the text ends the pass before the field changes. Whatever the
    // field's owner computes to show the text (a window's layout) is not
    // the calculation's and is not counted.
    void Write(Field field, const std::string& text)
    {
        CheckFloatingFaults();
        fields_.SetText(field, text);
        ClearFloatingFaults();
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

    // Steps 1 to 3: longitude, latitude, time zone (a whole number of hours,
    // halves to the even neighbour).
    void ReadSite()
    {
        longitude_ = ReadPackedField(Field::Text2);
        latitude_ = ReadPackedField(Field::Text3);
        zone_ = ToInt16(LeadingNumber(Text(Field::Text4)));
        Write(Field::Text4, PlainText(zone_));
    }

    // Steps 4 and 5: a date of 0 stands for the present date and time.
    void ReadDateAndTime()
    {
        if (LeadingNumber(Text(Field::Text5)) == 0) {
            WriteClockDateAndTime();
        } else {
            Write(Field::Text5, PlainText(LeadingNumber(Text(Field::Text5))));
            Write(Field::Text6, PlainText(LeadingNumber(Text(Field::Text6))));
        }
        const PackedParts date = ParsePacked(LeadingNumber(Text(Field::Text5)));
        year_ = Narrow16(date.whole * date.sign);
        month_ = date.minutes;
        day_ = ToInt16(date.seconds);
        const PackedParts time = ParsePacked(LeadingNumber(Text(Field::Text6)));
        hour_ = time.whole;
        minute_ = time.minutes;
        second_ = time.seconds;
    }

    void WriteClockDateAndTime()
    {
        const LocalDateTime now = clock_();
        Write(Field::Text5, ZeroPadded(now.year, 4) + "." + ZeroPadded(now.month, 2) + ZeroPadded(now.day, 2));
        Write(Field::Text6, ZeroPadded(now.hour, 2) + "." + ZeroPadded(now.minute, 2) + ZeroPadded(now.second, 2));
    }

    // Steps 6 to 8: universal time, carried into the next day only past 24 h,
    // then the month ends and February of the (possibly changed) year.
    void NormaliseUniversalDate()
    {
        utHour_ = Narrow16(hour_ + zone_);
        if (utHour_ > 24) {
            utHour_ = Narrow16(utHour_ - 24);
            day_ = Narrow16(day_ + 1);
        }
        const bool longMonth = month_ == 1 || month_ == 3 || month_ == 5 || month_ == 7
                               || month_ == 8 || month_ == 10;
        if (longMonth && day_ == 32) {
            month_ = Narrow16(month_ + 1);
            day_ = 1;
        }
        const bool shortMonth = month_ == 4 || month_ == 6 || month_ == 9 || month_ == 11;
        if (shortMonth && day_ == 31) {
            month_ = Narrow16(month_ + 1);
            day_ = 1;
        }
        if (month_ == 12 && day_ == 32) {
            month_ = 1;
            day_ = 1;
            year_ = Narrow16(year_ + 1);
        }
        if (month_ == 2 && day_ == (IsLeapYear(year_) ? 30 : 29)) {
            month_ = 3;
            day_ = 1;
        }
    }

    // Steps 9 to 11: target, epochs, twilight.
    void ReadTargetAndEpochs()
    {
        ra_ = ReadPackedField(Field::Text7) * kDegreesPerHour / kDegreesPerRadian;
        dec_ = ReadPackedField(Field::Text8) / kDegreesPerRadian;
        epoch_ = ReadNumberField(Field::Text9);
        newEpoch_ = ReadNumberField(Field::Text10);
        newEpochFromDate_ = newEpoch_ == 0;
        twilight_ = LeadingNumber(Text(Field::Text27));
    }

    // Step 12. Text13 puts one blank in place of the sign position and keeps
    // 13 characters, five decimals of a present-day JD. A JD before -4712
    // January 1.5 keeps its minus sign there.
    void ComputeJulianDates()
    {
        Int16 firstDay = 1;
        ComputeJulianDate(year_, 1, firstDay, 0, 0, 0, yearStart_);
        ComputeJulianDate(year_, month_, day_, utHour_, minute_, second_, jd_);
        const std::string text = GeneralText(CheckedValue(jd_));
        Write(Field::Text13, text.substr(0, 1) + text.substr(1, kJulianDateChars));
    }

    // Step 13: the year and its elapsed fraction, rounded to 0.001 year.
    void ComputeEpochOfDate()
    {
        if (!newEpochFromDate_) {
            return;
        }
        newEpoch_ = std::floor(((jd_ - yearStart_) / kTropicalYear + year_) * 1000 + 0.5) / 1000;
        const std::string text = GeneralText(CheckedValue(newEpoch_));
        Write(Field::Text10, text[0] == ' ' ? text.substr(1, kEpochChars) : FirstChars(text, kEpochChars));
    }

    // Step 14: equal epochs echo the typed place.
    void PrecessToNewEpoch()
    {
        if (epoch_ == newEpoch_) {
            Write(Field::Text11, Text(Field::Text7));
            Write(Field::Text12, Text(Field::Text8));
            newRa_ = ra_;
            newDec_ = dec_;
            return;
        }
        Precess(epoch_, ra_, dec_, newEpoch_, newRa_, newDec_);
        Write(Field::Text11, FirstChars(WidenedText(PackDecimal(newRa_ * kDegreesPerRadian / kDegreesPerHour)), kPlaceChars));
        Write(Field::Text12, FirstChars(WidenedText(PackDecimal(newDec_ * kDegreesPerRadian)), kPlaceChars));
    }

    // Step 15.
    void ShowHeliocentricCorrection()
    {
        const double correction = HeliocentricCorrection(jd_, yearStart_, newRa_, newDec_);
        Write(Field::Text14, FormatFixed(CheckedValue(correction), 8, 5));
    }

    // Step 16.
    void ShowSiderealTime()
    {
        lst_ = CheckedValue(LocalSiderealTime(jd_, longitude_));
        Write(Field::Text15, FirstChars(WidenedText(PackDecimal(lst_)), kSiderealChars));
    }

    // Step 17, written as the horizon computation hands each value over.
    void HourAngle(double degrees) override
    {
        Write(Field::Text19, FirstChars(SingleText(PackDecimal(CheckedValue(degrees) / kDegreesPerHour)), kHourAngleChars));
    }

    void AirMass(double atmospheres) override
    {
        Write(Field::Text18, FirstChars(GeneralText(CheckedValue(atmospheres)), kAirMassChars));
    }

    void Altitude(double degrees) override
    {
        Write(Field::Text17, FirstChars(WidenedText(PackDecimal(CheckedValue(degrees))), kPlaceChars));
    }

    void Azimuth(double degrees) override
    {
        Write(Field::Text16, FirstChars(SingleText(PackDecimal(CheckedValue(degrees))), kPlaceChars));
    }

    // Step 18: the boundaries are those of equinox 1875.
    void ShowConstellation()
    {
        double ra1875 = 0;
        double dec1875 = 0;
        Precess(epoch_, ra_, dec_, kBoundaryEpoch, ra1875, dec1875);
        const double hours = CheckedValue(ra1875 * kDegreesPerRadian / kDegreesPerHour);
        const double degrees = CheckedValue(dec1875 * kDegreesPerRadian);
        Write(Field::Text20, constellations_.ConDataLoaded
                                 ? FindConstellation(constellations_, hours, degrees)
                                 : std::string());
    }

    // Step 19: the galactic conversion expects equinox 2000.
    void ShowGalacticCoordinates()
    {
        double ra2000 = 0;
        double dec2000 = 0;
        Precess(epoch_, ra_, dec_, kGalacticEpoch, ra2000, dec2000);
        double l = 0;
        double b = 0;
        GalacticCoordinates(ra2000, dec2000, l, b);
        Write(Field::Text21, FirstChars(WidenedText(PackDecimal(CheckedValue(l * kDegreesPerRadian))), kPlaceChars));
        Write(Field::Text22, FirstChars(SingleText(PackDecimal(CheckedValue(b * kDegreesPerRadian))), kPlaceChars));
    }

    // Step 20: kept for the twilight searches.
    void ShowSun()
    {
        const float ra = SunRightAscension(jd_);
        const float dec = SunDeclination(jd_);
        CheckFloatingFaults();
        sun_ = SunPlace{ra, dec};
        Write(Field::Text23, FirstChars(SingleText(sun_.SunRA), kSunChars));
        Write(Field::Text24, FirstChars(SingleText(sun_.SunDec), kSunChars));
    }

    // Step 21: both searches start from local midnight of the universal-time
    // date the pass holds.
    void ShowTwilight()
    {
        const double jd0 = JulianDateOf(year_, month_, day_, zone_, 0, 0);
        const float dusk = DuskTime(longitude_, latitude_, twilight_, jd0, sun_.SunRA, sun_.SunDec);
        Write(Field::Text25, FirstChars(SingleText(dusk), kSunChars));
        const float dawn = DawnTime(longitude_, latitude_, twilight_, jd0, sun_.SunRA, sun_.SunDec);
        Write(Field::Text26, FirstChars(SingleText(dawn), kSunChars));
    }

    FieldTexts& fields_;
    const ConstellationTables& constellations_;
    SunPlace& sun_;
    const Clock& clock_;

    double longitude_ = 0;
    double latitude_ = 0;
    Int16 zone_ = 0;
    Int16 year_ = 0;
    Int16 month_ = 0;
    Int16 day_ = 0;
    Int16 hour_ = 0;
    Int16 minute_ = 0;
    float second_ = 0;
    Int16 utHour_ = 0;
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

std::optional<FaultKind> CalculatePass(FieldTexts& fields, const ConstellationTables& constellations,
                                       SunPlace& sun, const Clock& clock)
{
    ClearFloatingFaults();
    try {
        Pass(fields, constellations, sun, clock).Run();
    } catch (const ArithmeticFault& fault) {
        ClearFloatingFaults();
        return fault.Kind();
    }
    return std::nullopt;
}

}  // namespace orvexal
