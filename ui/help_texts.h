// The contents of the three help pages.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "ui/twips.h"

namespace orvexal {

// One line of a help page: a label at its place whose text starts with a
// number of blanks, which indent continuation lines under the line above.
struct HelpLine {
    double top;
    double left;
    const char* name;
    int blanks;
    const char* text;
};

struct HelpPageDesign {
    const char* name;
    const char* caption;
    double width;  // client area, twips
    double height;
    double lineWidth;
    std::span<const HelpLine> lines;
    Place exit;                     // Command1 "&Exit", the cancel button
    std::optional<Place> previous;  // Command2 "&Prev. Page"
    std::optional<Place> next;      // Command3 "&Next Page", the default button
};

// Pages 1 ("HELP 1 - INPUT"), 2 ("HELP 2 - OUTPUT") and 3
// ("HELP 3 - JUSTIFICATION").
extern const std::array<HelpPageDesign, 3> kHelpPages;

}  // namespace orvexal
