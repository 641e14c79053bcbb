// The pass on ten typed texts split at line ends (Text2 to Text10, Text27):
// it completes, having written Text2 to Text26, or ends on a fault; no text
// it writes spells "nan" or "inf", and the constellation search gets
// coordinates in range.
#include <set>

#include "data/constellation_file.h"
#include "pass/pass.h"
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

DateTime FixedNow() { return {2026, 12, 5, 12, 48, 49}; }

class CheckedFields : public FieldTable {
public:
    void SetText(Field field, const std::string& text) override
    {
        std::string lower = text;
        for (char& c : lower) {
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        }
        Require(lower.find("nan") == std::string::npos && lower.find("inf") == std::string::npos,
                "no nan or inf written", FieldName(field) + ": " + text);
        written.insert(field);
        FieldTable::SetText(field, text);
    }

    std::set<Field> written;
};

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    static ConstellationTables tables;
    static const bool ready = LoadConstellationFile(ORVEXAL_SHARE_DIR "/Constell.dat", tables);
    Require(ready, "shipped boundaries load");
    CheckedFields fields;
    std::string_view input = TextOf(data, size);
    for (int i = 2; i <= 11; ++i) {
        const Field field = i == 11 ? Field::Twilight : static_cast<Field>(i);
        const std::size_t end = i == 11 ? std::string_view::npos : input.find('\n');
        fields.FieldTable::SetText(field, std::string(input.substr(0, end)));
        if (end == std::string_view::npos) {
            break;
        }
        input.remove_prefix(end + 1);
    }
    SunPlace sun;
    if (!CalculatePass(fields, tables, sun, FixedNow)) {
        Require(fields.written.size() == 25 && *fields.written.begin() == Field::Longitude
                    && *fields.written.rbegin() == Field::Dawn,
                "a completed pass writes Text2 to Text26");
    }
    Require(fields.Text(Field::Constellation) != "[invalid coords]", "the search gets coordinates in range");
    return 0;
}
