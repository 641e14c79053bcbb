#include "pass/fields.h"

namespace orvexal {
namespace {

struct FieldDesign {
    std::string_view caption;
    std::string_view text;
};

// Captions and designed texts of Text1 .. Text27 and Label2.
constexpr std::array<FieldDesign, kFieldCount> kDesign{{
    {"LOCATION", "Kestrine Astr. Observatory"},
    {"LONGITUDE (+ to W)", "122.50514"},
    {"LATITUDE (+ to N)", "53.45289"},
    {"TIME ZONE (PST=8)", "8"},
    {"DATE (YYYY.MMDD)", "0"},
    {"TIME (local)", "17.5557"},
    {"RIGHT ASCENSION >>>>", "11.11111"},
    {"DECLINATION >>>>>>>>", "22.22222"},
    {"ABOVE EPOCH", "2000.0"},
    {"NEW EPOCH (0=date)", "2000.0"},
    {"New Right Ascens.", "0"},
    {"New Declination", "0"},
    {"Julian Date (JD)", "0"},
    {"Corr'n (+ JD = HJD)", "0"},
    {"Loc. Sidereal Time", "0"},
    {"Azimuthal Angle", "0"},
    {"Altitude", "0"},
    {"Air Mass", "0"},
    {"Hour Angle", "0"},
    {"Constellation", " "},
    {"Galactic Longitude", "0"},
    {"Galactic Latitude", "0"},
    {"Sun's Right Ascens.", "0"},
    {"Sun's Declination", "0"},
    {"Local Time of Dusk", "0"},
    {"Local Time of Dawn", "0"},
    {"DEFINITION OF TWILIGHT: Sun altitude =", "-10"},
    {"LOCATION file has NOT been loaded", "LOCATION file has NOT been loaded"},
}};

std::size_t IndexOf(Field field)
{
    return static_cast<std::size_t>(static_cast<int>(field) - 1);
}

}  // namespace

std::string FieldName(Field field)
{
    if (field == Field::Status) {
        return "Label2";
    }
    return "Text" + std::to_string(static_cast<int>(field));
}

std::string_view FieldCaption(Field field)
{
    return kDesign[IndexOf(field)].caption;
}

std::string_view DesignedText(Field field)
{
    return kDesign[IndexOf(field)].text;
}

void WriteRecorder::SetText(Field field, const std::string& text)
{
    fields_.SetText(field, text);
    written_[IndexOf(field)] = true;
}

bool WriteRecorder::Written(Field field) const
{
    return written_[IndexOf(field)];
}

FieldTable::FieldTable()
{
    for (int i = 1; i <= kFieldCount; ++i) {
        texts_[IndexOf(static_cast<Field>(i))] = std::string(DesignedText(static_cast<Field>(i)));
    }
}

std::string FieldTable::Text(Field field) const
{
    return texts_[IndexOf(field)];
}

void FieldTable::SetText(Field field, const std::string& text)
{
    texts_[IndexOf(field)] = text;
}

}  // namespace orvexal
