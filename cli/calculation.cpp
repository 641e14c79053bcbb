#include "cli/calculation.h"

#include "app/location_fields.h"

namespace orvexal {
namespace {

// The location's name when the place was typed rather than picked.
constexpr const char* kTypedPlace = "(as given)";

}  // namespace

FieldTable InputFields(const CommandLine& line, const LocationList& sites, std::optional<std::size_t> site)
{
    FieldTable fields;
    if (site) {
        CopyLocationToFields(sites, *site, fields);
    }
    if (line.typed.contains(Field::Longitude) || line.typed.contains(Field::Latitude)) {
        fields.SetText(Field::LocationName, kTypedPlace);
    }
    for (const auto& [field, text] : line.typed) {
        fields.SetText(field, text);
    }
    return fields;
}

Outcome Calculate(FieldTable fields, AppState& state, const Clock& clock)
{
    WriteRecorder recorder(fields);
    Outcome outcome;
    outcome.fault = CalculatePass(recorder, state.constellations, state.sun, clock, outcome.observed);
    for (const Field field : kWindowOrder) {
        const bool reached = !outcome.fault || !IsResult(Describe(field)) || recorder.Written(field);
        outcome.shown[field] = reached ? std::optional(fields.Text(field)) : std::nullopt;
    }
    return outcome;
}

FieldTable FieldsAfter(const Outcome& outcome)
{
    FieldTable fields;
    for (const auto& [field, text] : outcome.shown) {
        fields.SetText(field, text.value());
    }
    return fields;
}

}  // namespace orvexal
