// Cost of one search of each target from a fixed moment, and of the multiple element-animal search
// within 1000 years that finds nothing (a wood-rat month never falls in a wood year).
#include <benchmark/benchmark.h>

#include "calendar/core/TimeScales.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/MultipleSearch.h"

using namespace orlun;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);
constexpr double kStart = 2456444.6667; // 2013-06-01 04:00 GMT

void OneSearch(benchmark::State& state)
{
    SearchInputs in;
    in.target = static_cast<SearchTarget>(state.range(0));
    in.choice = {0, 0}; // wood-rat, for the element-animal targets
    state.SetLabel(std::string(SearchTargetText(in.target)));
    for (auto _ : state) benchmark::DoNotOptimize(RunSearch(Moment(kStart), in, kChina));
}
BENCHMARK(OneSearch)->DenseRange(0, 18)->Arg(21)->Unit(benchmark::kMicrosecond);

void MultipleNotFoundIn1000Years(benchmark::State& state)
{
    MultipleCriteria c;
    c[MultipleRow::Month] = {0, 0};
    c[MultipleRow::Year] = {0, kNoAnimalItem};
    const DayNumber a = AJDToCJDC(Moment(kStart), kChina.meridian).day();
    for (auto _ : state) {
        const DayNumber limit = MultipleSearchLimit(a, state.range(0) == 1, 1000, kChina);
        benchmark::DoNotOptimize(MultipleElementAnimalSearch(c, a, state.range(0) == 1, limit, kChina));
    }
}
BENCHMARK(MultipleNotFoundIn1000Years)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
