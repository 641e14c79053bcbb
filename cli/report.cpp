#include "cli/report.h"

#include "pass/field_descriptions.h"

namespace orvexal {
namespace {

// The text column starts after the longest caption ("DEFINITION OF
// TWILIGHT: Sun altitude =") and two blanks; the unit column after the
// longest result text and two blanks.
constexpr std::size_t kCaptionWidth = 40;
constexpr std::size_t kTextWidth = 16;

// What a result the pass did not reach shows.
constexpr const char* kNotReached = "-";

std::string PaddedTo(std::string text, std::size_t width)
{
    text.resize(std::max(width, text.size() + 2), ' ');
    return text;
}

}  // namespace

std::string ReportText(const Outcome& outcome)
{
    std::string report;
    for (const Field field : kWindowOrder) {
        const FieldDescription& row = Describe(field);
        const std::string text = outcome.shown.at(field).value_or(kNotReached);
        report += PaddedTo(std::string(row.caption), kCaptionWidth);
        report += row.unit.empty() ? text : PaddedTo(text, kTextWidth) + std::string(row.unit);
        report += '\n';
    }
    return report;
}

std::string FaultMessage(const PassFault& fault)
{
    return std::string(FaultName(fault.kind)) + " in " + ComputationName(fault.computation)
           + "; the results after it were not calculated";
}

}  // namespace orvexal
