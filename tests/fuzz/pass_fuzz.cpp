// The whole calculation pass on any ten typed texts.
//
// The input is split at line ends into the ten fields the pass reads, in
// this order: longitude (Text2), latitude (Text3), time zone (Text4), date
// (Text5), time (Text6), right ascension (Text7), declination (Text8), epoch
// (Text9), new epoch (Text10) and the twilight Sun altitude (Text27); the
// last one takes the rest of the input, and fields the input does not reach
// keep their designed texts. The shipped boundary data is loaded once and
// the clock is fixed.
//
// A pass either completes, having written every field from Text2 to Text26,
// or ends with a fault kind. No text the pass writes spells "nan" or "inf"
// in any letter case: a value that would print so is a fault. A field the
// pass did not reach keeps the typed text, which may hold anything, so only
// the texts written are checked. The constellation search never sees
// coordinates out of range: precession keeps them within 0 to 24 h and
// -90 to +90 degrees.
#include <set>

#include "pass/pass.h"
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

constexpr Field kTyped[] = {Field::Longitude, Field::Latitude, Field::TimeZone, Field::Date, Field::Time,
                            Field::RightAscension, Field::Declination, Field::Epoch, Field::NewEpoch, Field::Twilight};

DateTime FixedNow() { return {2026, 12, 5, 12, 48, 49}; }

// Field texts that check every text the pass writes.
class CheckedFields : public FieldTable {
public:
    void SetText(Field field, const std::string& text) override
    {
        Require(!SpellsNonFinite(text), "no nan or inf written", FieldName(field) + ": " + text);
        written.insert(field);
        FieldTable::SetText(field, text);
    }

    std::set<Field> written;
};

void Type(std::string_view input, FieldTable& fields)
{
    for (const Field field : kTyped) {
        const bool last = field == Field::Twilight;
        const std::size_t end = last ? std::string_view::npos : input.find('\n');
        fields.FieldTable::SetText(field, std::string(input.substr(0, end)));
        if (end == std::string_view::npos) {
            return;
        }
        input.remove_prefix(end + 1);
    }
}

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    CheckedFields fields;
    Type(TextOf(data, size), fields);
    SunPlace sun;
    const auto fault = CalculatePass(fields, ShippedTables(), sun, FixedNow);
    if (!fault) {
        Require(fields.written.size() == 25 && *fields.written.begin() == Field::Longitude
                    && *fields.written.rbegin() == Field::Dawn,
                "a completed pass writes Text2 to Text26");
    }
    Require(fields.Text(Field::Constellation) != "[invalid coords]", "the search gets coordinates in range");
    return 0;
}
