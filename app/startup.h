// The start-up sequence of the program, before the main window is first
// shown, and the settings written at the end of a run. Every step traps its
// own faults and goes on; start-up shows no message of its own.
#pragma once

#include <optional>

#include "app/app_state.h"
#include "data/location_file.h"
#include "data/settings_file.h"
#include "pass/fields.h"

namespace orvexal {

struct StartupResult {
    // The outcome of the start-up location load; nothing when it was skipped
    // (the constellation file could not be read).
    std::optional<LocationLoadResult> locationLoad;
    // The settings to apply to the window (its position and the texts of the
    // fields kept between runs);
    // nothing when the settings file could not be read whole, in which case
    // the window goes to 100, 100 twips and keeps its designed texts.
    std::optional<SettingsRecord> settings;
};

// Runs the three data steps in the working folder: Constell.dat into the
// constellation tables, LOCATION.DAT into the location list (skipped when
// the constellation data failed), Orvex3.ini into the result; each name
// also matches a file whose name differs only in case. Sets state.window to
// the position read, or to 100, 100.
StartupResult RunStartup(AppState& state);

// Puts the settings' texts into the fields kept between runs (Text1..Text4
// and Text27).
void ApplySettingsToFields(const SettingsRecord& settings, FieldTexts& fields);

// SaveSettings: stores the window position (twips, as the window reports
// them) into state.window and writes Orvex3.ini in the working folder from
// it and from Text1..Text4 and Text27 (under the name of the settings file
// found there, which may differ in case). Returns false when writing failed;
// the previous file then stays as it was.
bool SaveSettings(AppState& state, double leftTwips, double topTwips, const FieldTexts& fields);

}  // namespace orvexal
