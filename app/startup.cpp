#include "app/startup.h"

#include <string>

#include "data/constellation_file.h"
#include "data/file_name_case.h"
#include "data/sequential_text.h"

namespace orvexal {

namespace {

// Every field text the settings file carries reads back: the files' longest
// item holds the longest field text in UTF-8.
static_assert(kMaxItemLength == 3 * static_cast<std::size_t>(kMaxFieldLength));

constexpr bool IsKeptBetweenRuns(const FieldDescription& row)
{
    return row.keptBetweenRuns;
}

// The fields whose texts the settings file keeps, in the order of their
// numbers, which is the order of its text lines: the site's name, longitude,
// latitude and zone, and the twilight, whose line reads an unquoted number.
constexpr auto kKeptFields = FieldsWhere<kSettingsTextCount>(IsKeptBetweenRuns);
static_assert(kKeptFields.back() == Field::Twilight);

}  // namespace

StartupResult RunStartup(AppState& state)
{
    StartupResult result;
    // Each loader traps its own faults; the location file is loaded only
    // when the constellation data was read without one. A file whose name
    // differs from the expected one only in case is taken for it.
    if (LoadConstellationFile(PathIgnoringCase(std::string(kConstellationFile)), state.constellations)) {
        state.locationFile = PathIgnoringCase(std::string(kDefaultLocationFile));
        result.locationLoad = LoadLocationFile(state.locationFile, state.locations);
    }
    result.settings = ReadSettingsFile(PathIgnoringCase(std::string(kSettingsFile)));
    state.window = result.settings ? WindowPosition{result.settings->WinLeft, result.settings->WinTop}
                                   : WindowPosition{};
    return result;
}

void ApplySettingsToFields(const SettingsRecord& settings, FieldTexts& fields)
{
    for (std::size_t item = 0; item < kKeptFields.size(); ++item) {
        fields.SetText(kKeptFields[item], settings.texts[item]);
    }
}

bool SaveSettings(AppState& state, double leftTwips, double topTwips, const FieldTexts& fields)
{
    state.window = {TwipsToInt16(leftTwips), TwipsToInt16(topTwips)};
    SettingsRecord settings{state.window.WinLeft, state.window.WinTop, {}};
    for (std::size_t item = 0; item < kKeptFields.size(); ++item) {
        settings.texts[item] = fields.Text(kKeptFields[item]);
    }
    // Written back under the name it was read from.
    return WriteSettingsFile(PathIgnoringCase(std::string(kSettingsFile)), settings);
}

}  // namespace orvexal
