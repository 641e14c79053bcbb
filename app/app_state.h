// Everything the program keeps for the whole run besides the field texts:
// owned by the application and handed by reference to whatever needs it.
#pragma once

#include <string>

#include "astro/constellation.h"
#include "data/location_list.h"
#include "numbers/fault.h"
#include "pass/pass.h"

namespace orvexal {

// The main window's saved position, twips (1440 to the inch).
struct WindowPosition {
    Int16 WinLeft = 100;
    Int16 WinTop = 100;
};

struct AppState {
    ConstellationTables constellations;
    LocationList locations;
    std::string locationFile;  // the location file last opened, as named to open it
    SunPlace sun;
    WindowPosition window;
};

}  // namespace orvexal
