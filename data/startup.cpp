#include "data/startup.h"

#include <string>

#include "data/constellation_file.h"

namespace orvexal {

StartupResult RunStartup(AppState& state)
{
    StartupResult result;
    // Each loader traps its own faults; the location file is loaded only
    // when the constellation data was read without one.
    if (LoadConstellationFile(std::string(kConstellationFile), state.constellations)) {
        state.locations.LocFileName = kDefaultLocationFile;
        result.locationLoad = LoadLocationFile(state.locations);
    }
    result.settings = ReadSettingsFile(std::string(kSettingsFile));
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
    return WriteSettingsFile(std::string(kSettingsFile), settings);
}

}  // namespace orvexal
