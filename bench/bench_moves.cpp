// Cost of one move step in each unit, and of a repeated "CHL month" move of 1,000 steps (the
// computation only; a real repeated move waits for its timer between steps).
#include <benchmark/benchmark.h>

#include "calendar/core/Settings.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/navigation/MoveUnits.h"

using namespace orlun;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);
constexpr double kStart = 2456334.0; // 2013-02-10 12:00 GMT

void OneStep(benchmark::State& state)
{
    const MoveInputs in{MoveUnitRows()[state.range(0)].unit, true, false, false};
    state.SetLabel(MoveUnitText(in.unit, kChina.zoneCode));
    for (auto _ : state) benchmark::DoNotOptimize(MoveStep(Moment(kStart), in, kChina));
}
BENCHMARK(OneStep)->DenseRange(0, kMoveUnitCount - 1)->Unit(benchmark::kMicrosecond);

void ThousandLunarMonths(benchmark::State& state)
{
    const MoveInputs in{MoveUnit::CHLMonth, true, true, false};
    for (auto _ : state) {
        double ajd = kStart;
        for (int i = 0; i < 1000; ++i) {
            const MomentOutcome r = MoveStep(Moment(ajd), in, kChina);
            if (r.ok()) ajd = r->moment.ajd();
        }
        benchmark::DoNotOptimize(ajd);
    }
}
BENCHMARK(ThousandLunarMonths)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
