#include <benchmark/benchmark.h>

#include "night/track.h"
#include "pass/pass.h"

namespace {

using namespace orvexal;

// The inputs of a pass over the designed fields with a date, time and
// latitude typed.
NightInputs InputsAfterPass(const char* date, const char* time, const char* latitude)
{
    FieldTable fields;
    fields.SetText(Field::Date, date);
    fields.SetText(Field::Time, time);
    fields.SetText(Field::Latitude, latitude);
    SunPlace sun;
    ObservedPass observed;
    CalculatePass(fields, ConstellationTables{}, sun, SystemUtcTime, observed);
    return NightInputsOf(observed, LabelsOf(fields));
}

// A night of 10-minute samples: a December night at the designed site
// (16 h, 96 samples), and a night of midnight sun charted noon to noon
// (24 h, 145 samples).
void BM_ComputeNightTrack(benchmark::State& state)
{
    const NightInputs inputs = state.range(0) == 0 ? InputsAfterPass("2026.1204", "22", "53.45289")
                                                   : InputsAfterPass("2026.0621", "22", "69.3857");
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeNightTrack(inputs));
    }
}
BENCHMARK(BM_ComputeNightTrack)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
