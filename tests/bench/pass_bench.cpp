#include <benchmark/benchmark.h>

#include "ephemeris/moon.h"
#include "data/constellation_file.h"
#include "pass/fields.h"
#include "pass/pass.h"

namespace {

using namespace orvexal;

DateTime FixedNow() { return {2026, 12, 5, 12, 48, 49}; }

ConstellationTables ShippedTables()
{
    ConstellationTables tables;
    LoadConstellationFile(ORVEXAL_SHARE_DIR "/Constell.dat", tables);
    return tables;
}

// One full pass from the designed fields, with the shipped boundary data;
// the date 0 is replaced by the fixed clock.
void BM_CalculatePass(benchmark::State& state)
{
    const ConstellationTables tables = ShippedTables();
    SunPlace sun;
    const Clock clock = FixedNow;
    for (auto _ : state) {
        FieldTable fields;
        benchmark::DoNotOptimize(CalculatePass(fields, tables, sun, clock));
    }
}
BENCHMARK(BM_CalculatePass);

// The search over the shipped table, from the north polar cap (first
// record) to the south polar cap (last record).
void BM_FindConstellation(benchmark::State& state)
{
    const ConstellationTables tables = ShippedTables();
    const double declination = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindConstellation(tables, 11.0752, declination));
    }
}
BENCHMARK(BM_FindConstellation)->Arg(89)->Arg(23)->Arg(-89);

// One topocentric Moon: Delta T, the lunar series, nutation, sidereal time
// and parallax.
void BM_MoonTopocentricPlace(benchmark::State& state)
{
    double jd = 2460409.262037;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonTopocentricPlace(jd, {104.138, 25.29}));
        jd += 1e-6;
    }
}
BENCHMARK(BM_MoonTopocentricPlace);

}  // namespace

BENCHMARK_MAIN();
