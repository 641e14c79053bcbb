#include "cli/report.h"

#include "cli/field_meanings.h"

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
    for (const FieldMeaning& meaning : FieldMeanings()) {
        const std::string text = outcome.shown.at(meaning.field).value_or(kNotReached);
        report += PaddedTo(std::string(FieldCaption(meaning.field)), kCaptionWidth);
        report += meaning.unit.empty() ? text : PaddedTo(text, kTextWidth) + std::string(meaning.unit);
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
