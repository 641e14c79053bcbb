// The pieces of the headless front end's JSON objects (RFC 8259): strings
// and numbers as JSON writes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvexal {

// A JSON string: quotes, backslashes and control characters escaped, UTF-8
// as it stands, a byte that is not UTF-8 as U+FFFD.
std::string Quoted(std::string_view text);

// The string, or null for nothing.
std::string QuotedOrNull(const std::optional<std::string>& text);

// A JSON number with `decimals` decimals (1.5 with 3 gives 1.500), or null
// for nothing and for a value that is not finite, which JSON cannot write.
std::string JsonNumber(std::optional<double> value, int decimals);

}  // namespace orvexal
