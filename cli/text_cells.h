// The cells of the headless front end's text tables and summaries: numbers
// in fixed columns, local times as the clock reads them, and a summary line
// of a caption and its value.
#pragma once

#include <string>
#include <string_view>

namespace orvexal {

// Between the columns of a table.
inline constexpr const char* kColumnGap = "  ";

// The value with `decimals` decimals, right-aligned in `width` characters
// (wider when it needs more).
std::string Fixed(double value, int width, int decimals);

std::string RightAligned(std::string_view text, int width);
std::string LeftAligned(std::string_view text, int width);

// A field's text without the blanks around it (the blank of its sign
// position among them).
std::string Trimmed(const std::string& text);

// Local hours as the clock reads them, to the nearest minute ("22:30") or
// second ("22:30:00"): 22.5 and 46.5 both read 22:30.
std::string ClockText(double localHours, bool toTheSecond = false);

// "caption" and the value, the values of a summary aligned after the
// longest caption and two blanks.
std::string SummaryLine(std::string caption, const std::string& text);

}  // namespace orvexal
