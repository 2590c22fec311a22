// Cost of the astronomical engine calls that every Chinese date conversion makes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "engine/lunev.h"
#include "engine/solev.h"

namespace {

// Lunations of the supported years -3000..3000, in random order so that the ephemeris file
// cache is exercised as by jumps in the calendar, not only by stepping.
std::vector<int32_t> RandomLunations()
{
    std::mt19937 rng(20000106);
    std::uniform_int_distribution<int32_t> lunation(-61900, 12400);
    std::vector<int32_t> out(4096);
    for (auto& n : out)
        n = lunation(rng);
    return out;
}

void BM_SyzygRandomLunations(benchmark::State& state)
{
    const auto lunations = RandomLunations();
    size_t i = 0;
    for (auto _ : state) {
        const int32_t n = lunations[i++ % lunations.size()];
        benchmark::DoNotOptimize(syzyg(n, static_cast<int32_t>(n & 3), nullptr));
    }
}
BENCHMARK(BM_SyzygRandomLunations);

void BM_SyzygConsecutiveLunations(benchmark::State& state)
{
    int32_t n = 300; // 2024
    for (auto _ : state) {
        benchmark::DoNotOptimize(syzyg(n, 0, nullptr));
        n = n < 400 ? n + 1 : 300;
    }
}
BENCHMARK(BM_SyzygConsecutiveLunations);

// One quarter: the December solstice of 2024 to the March equinox of 2025 (TD).
void BM_SolarTermsOneQuarter(benchmark::State& state)
{
    const double t1 = 2460666.8864;
    const double t2 = 2460755.8768;
    double six[6];
    for (auto _ : state) {
        benchmark::DoNotOptimize(solar_terms_true_sun(t1, t2, six));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SolarTermsOneQuarter);

void BM_DeltaT(benchmark::State& state)
{
    double year = -3000.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(deltat(year, 1915));
        year = year < 3000.0 ? year + 1.0 : -3000.0;
    }
}
BENCHMARK(BM_DeltaT);

void BM_MoonAndSunLongitude(benchmark::State& state)
{
    double days = -100.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(moonpos(days));
        benchmark::DoNotOptimize(sun_app(2451545.0 + days, nullptr));
        days = days < 100.0 ? days + 0.37 : -100.0;
    }
}
BENCHMARK(BM_MoonAndSunLongitude);

} // namespace
