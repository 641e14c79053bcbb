#include <benchmark/benchmark.h>

#include "calc/fields.h"
#include "calc/pass.h"

namespace {

using namespace orvexal;

LocalDateTime FixedNow() { return {2026, 12, 5, 4, 48, 49}; }

// One full pass from the designed fields (epochs equal, date 0 replaced by
// the fixed clock on the first pass only).
void BM_CalculatePass(benchmark::State& state)
{
    ConstellationTables tables;
    SunPlace sun;
    const Clock clock = FixedNow;
    for (auto _ : state) {
        FieldTable fields;
        benchmark::DoNotOptimize(CalculatePass(fields, tables, sun, clock));
    }
}
BENCHMARK(BM_CalculatePass);

}  // namespace

BENCHMARK_MAIN();
