#include "app/startup.h"

#include <string>

#include "data/constellation_file.h"
#include "data/file_name_case.h"
#include "data/sequential_text.h"

namespace orvexal {

// Every field text the settings file carries reads back: the files' longest
// item holds the longest field text in UTF-8.
static_assert(kMaxItemLength == 3 * static_cast<std::size_t>(kMaxFieldLength));

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
    fields.SetText(Field::LocationName, settings.Text1);
    fields.SetText(Field::Longitude, settings.Text2);
    fields.SetText(Field::Latitude, settings.Text3);
    fields.SetText(Field::TimeZone, settings.Text4);
    fields.SetText(Field::Twilight, settings.Text27);
}

bool SaveSettings(AppState& state, double leftTwips, double topTwips, const FieldTexts& fields)
{
    state.window = {TwipsToInt16(leftTwips), TwipsToInt16(topTwips)};
    const SettingsRecord settings{state.window.WinLeft, state.window.WinTop,
                                  fields.Text(Field::LocationName), fields.Text(Field::Longitude),
                                  fields.Text(Field::Latitude), fields.Text(Field::TimeZone),
                                  fields.Text(Field::Twilight)};
    // Written back under the name it was read from.
    return WriteSettingsFile(PathIgnoringCase(std::string(kSettingsFile)), settings);
}

}  // namespace orvexal
