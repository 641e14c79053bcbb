// What orvexal-calc --help prints.
#pragma once

#include <string_view>

namespace orvexal {

// The options in the observer's terms, the packed notation, the sign
// conventions, what a date of 0 means, the exit statuses.
std::string_view HelpText();

}  // namespace orvexal
