// orlun-cli days in process: the records of a run of days and their CSV.
#include <benchmark/benchmark.h>

#include "calendar/astro/MoonData.h"
#include "calendar/core/Meridian.h"
#include "calendar/core/Settings.h"
#include "calendar/western/DatePr2.h"
#include "days/DayRecords.h"
#include "output/OutputFormats.h"

namespace {

using namespace orlun;

// Years 2000 to 2099 as one CSV document, as `orlun-cli days 2000-01-01 2099-12-31 --format csv`.
void BM_DaysCsvCentury(benchmark::State& state)
{
    const DayNumber first = GregorianJDN(2000, 1, 1);
    const DayNumber last = GregorianJDN(2099, 12, 31);
    for (auto _ : state) {
        cli::DayRecordMaker maker(SettingsForCountry(Country::China));
        const auto writer = cli::WriterOfFormat("csv");
        std::string csv = writer->Begin(cli::kDaysTable);
        for (int32_t d = first.value(); d <= last.value(); ++d) csv += writer->Row(maker.Of(DayNumber(d)));
        benchmark::DoNotOptimize(csv);
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_DaysCsvCentury)->Unit(benchmark::kMillisecond);

// The Moon's data at the noons of the same century, each day on its own.
void BM_MoonAtNoonCentury(benchmark::State& state)
{
    const DayNumber first = GregorianJDN(2000, 1, 1);
    const DayNumber last = GregorianJDN(2099, 12, 31);
    const Meridian china(120);
    for (auto _ : state) {
        for (int32_t d = first.value(); d <= last.value(); ++d)
            benchmark::DoNotOptimize(ComputeMoonData(Moment(china.NoonOf(DayNumber(d)).moment())));
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_MoonAtNoonCentury)->Unit(benchmark::kMillisecond);

// The same with the phase instants of the last lunations remembered, as the records of days ask.
void BM_MoonAtNoonCenturyWithMemo(benchmark::State& state)
{
    const DayNumber first = GregorianJDN(2000, 1, 1);
    const DayNumber last = GregorianJDN(2099, 12, 31);
    const Meridian china(120);
    for (auto _ : state) {
        MoonPhaseMemo phases;
        for (int32_t d = first.value(); d <= last.value(); ++d)
            benchmark::DoNotOptimize(ComputeMoonData(Moment(china.NoonOf(DayNumber(d)).moment()), phases));
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_MoonAtNoonCenturyWithMemo)->Unit(benchmark::kMillisecond);

} // namespace
