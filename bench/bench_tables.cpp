// Cost of the data window's texts: the year data of one moment, a century of month starts and of
// lunar new years, and the 1000 random pairs of the self-test.
#include <benchmark/benchmark.h>

#include "calendar/tables/LunarNewYearList.h"
#include "calendar/tables/MonthStartList.h"
#include "calendar/tables/SelfTest.h"
#include "calendar/tables/YearData.h"

using namespace orlun;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);

void YearDataOfOneMoment(benchmark::State& state)
{
    double ajd = 2456810.0; // 2014-06-01; a new moment each time, so that little is remembered
    for (auto _ : state) {
        benchmark::DoNotOptimize(YearDataText(Moment(ajd), {}, kChina));
        ajd += 4000;
        if (ajd > 2800000) ajd = 700000;
    }
}
BENCHMARK(YearDataOfOneMoment)->Unit(benchmark::kMillisecond);

void MonthStartsOfACentury(benchmark::State& state)
{
    int year = -2800;
    for (auto _ : state) {
        MonthStartList list(year, 100, false, false, kChina);
        benchmark::DoNotOptimize(WholeList(list));
        year = year < 2800 ? year + 600 : -2800;
    }
}
BENCHMARK(MonthStartsOfACentury)->Unit(benchmark::kMillisecond);

void LunarNewYearsOfACentury(benchmark::State& state)
{
    int cycle = 35;
    for (auto _ : state) {
        LunarNewYearList list(std::to_string(cycle) + "-01-01-01 CHL", 100, false, false, kChina);
        benchmark::DoNotOptimize(WholeList(list));
        cycle = cycle < 93 ? cycle + 10 : 35;
    }
}
BENCHMARK(LunarNewYearsOfACentury)->Unit(benchmark::kMillisecond);

void SelfTestOf1000Pairs(benchmark::State& state)
{
    uint32_t seed = 1;
    for (auto _ : state) {
        RandomSelfTest test(seed++, kChina);
        while (!test.Finished()) benchmark::DoNotOptimize(test.NextPair());
    }
}
BENCHMARK(SelfTestOf1000Pairs)->Unit(benchmark::kMillisecond);

} // namespace
