#include "cli/json_report.h"

#include "cli/field_meanings.h"
#include "cli/json_text.h"

namespace orvexal {
namespace {

// The "inputs" or "results" member: one object per field, one a line.
std::string FieldMembers(const Outcome& outcome, bool results)
{
    std::string members;
    for (const FieldMeaning& meaning : FieldMeanings()) {
        if (meaning.result != results) {
            continue;
        }
        members += members.empty() ? "\n" : ",\n";
        members += "    " + Quoted(meaning.key) + ": {\"object\": " + Quoted(FieldName(meaning.field))
                   + ", \"text\": " + QuotedOrNull(outcome.shown.at(meaning.field));
        members += meaning.unit.empty() ? "}" : ", \"unit\": " + Quoted(meaning.unit) + "}";
    }
    return "{" + members + "\n  }";
}

}  // namespace

std::string StatusMembers(const std::optional<PassFault>& fault)
{
    return "\"status\": " + Quoted(fault ? FaultName(fault->kind) : "ok")
           + ",\n  \"computation\": " + (fault ? Quoted(ComputationName(fault->computation)) : "null");
}

std::string JsonReport(const Outcome& outcome)
{
    return "{\n  " + StatusMembers(outcome.fault)
           + ",\n  \"inputs\": " + FieldMembers(outcome, false)
           + ",\n  \"results\": " + FieldMembers(outcome, true) + "\n}\n";
}

}  // namespace orvexal
