#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "night/plan.h"

namespace {

using namespace orvexal;

// 10,000 targets spread evenly over the sphere (a fixed seed), planned for a
// December night at La Palma with the Moon just past full.
void BM_PlanTargets(benchmark::State& state)
{
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> uniform(0, 1);
    std::vector<CatalogPlace> targets(static_cast<std::size_t>(state.range(0)));
    for (CatalogPlace& t : targets) {
        t.place = {uniform(random) * 2 * M_PI, std::asin(2 * uniform(random) - 1)};
    }
    const PlanNight night{{17.88, 28.76}, 2460660.5, -12};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlanTargets(night, targets, {30, 20}));
    }
}
BENCHMARK(BM_PlanTargets)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
