#include "cli/json_report.h"

#include "cli/json_text.h"
#include "pass/field_descriptions.h"

namespace orvexal {
namespace {

// The "inputs" or "results" member: one object per field, one a line.
std::string FieldMembers(const Outcome& outcome, FieldRole role)
{
    std::string members;
    for (const Field field : kWindowOrder) {
        const FieldDescription& row = Describe(field);
        if (row.role != role) {
            continue;
        }
        members += members.empty() ? "\n" : ",\n";
        members += "    " + Quoted(row.key) + ": {\"object\": " + Quoted(row.objectName)
                   + ", \"text\": " + QuotedOrNull(outcome.shown.at(field));
        members += row.unit.empty() ? "}" : ", \"unit\": " + Quoted(row.unit) + "}";
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
           + ",\n  \"inputs\": " + FieldMembers(outcome, FieldRole::Input)
           + ",\n  \"results\": " + FieldMembers(outcome, FieldRole::Result) + "\n}\n";
}

}  // namespace orvexal
