// Cost of a Chinese date conversion: the year structure it builds, day -> CHL/CHS and CHL -> day.
//
// Three access patterns, because the calendar cache remembers what it has computed: "Repeated"
// converts the same day again, "Stepping" walks forward 97 days a call as a list or a repeated
// move does, "Random" jumps across the years -3000..3000 (after the first few thousand calls every
// year has been seen). "Cold" clears the cache before each call: a day of a year never seen.
// "NeverSeenYear" converts one day of each solar year of -3000..3000 in shuffled order, so that
// every call meets a year the process has not seen yet (the cache is cleared, untimed, after the
// last). The argument 1 reads the sky table compiled into the program, 0 asks the engine as the
// program did before there was one.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <utility>
#include <vector>

#include "calendar/core/Limits.h"
#include "calendar/chinese/CalendarCache.h"
#include "calendar/chinese/Orlun3.h"

using namespace orlun;

namespace {

constexpr int kLongitude = 120;

// Noon of a CJDC day at the benchmarks' meridian.
LocalTime Noon(int32_t day) { return Meridian(kLongitude).NoonOf(DayNumber(day)); }
constexpr int32_t kStepDays = 97;
constexpr int32_t kFirstStepDay = 2451545; // 2000-01-01

std::vector<int32_t> RandomDays()
{
    std::mt19937 rng(20130210);
    std::uniform_int_distribution<int32_t> day(kMinJDN, kMaxJDN);
    std::vector<int32_t> out(4096);
    for (auto& d : out)
        d = day(rng);
    return out;
}

// The next day of the pattern: 0 repeated, 1 stepping, 2 random.
class Days {
public:
    explicit Days(int64_t pattern) : pattern_(pattern), random_(RandomDays()) {}
    int32_t Next()
    {
        switch (pattern_) {
        case 0:
            return kFirstStepDay;
        case 1:
            step_ = (step_ + kStepDays > kMaxJDN) ? kMinJDN : step_ + kStepDays;
            return step_;
        default:
            return random_[i_++ % random_.size()];
        }
    }

private:
    int64_t pattern_;
    std::vector<int32_t> random_;
    int32_t step_ = kFirstStepDay;
    size_t i_ = 0;
};

void Patterns(benchmark::internal::Benchmark* b)
{
    b->ArgName("pattern")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
}

void BM_BuildYearStructure(benchmark::State& state)
{
    Days days(state.range(0));
    for (auto _ : state) {
        const YearStructure ys = BuildYearStructure(Meridian(kLongitude).NoonOf(DayNumber(days.Next())));
        benchmark::DoNotOptimize(ys.MonthCount);
    }
}
BENCHMARK(BM_BuildYearStructure)->Apply(Patterns);

void BM_CJDateToChDates(benchmark::State& state)
{
    Days days(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CJDateToChDates(Noon(days.Next()), kEpochHuangdi));
    }
}
BENCHMARK(BM_CJDateToChDates)->Apply(Patterns);

// The CHL dates of the days are found first, outside the timing.
void BM_ChLDateToJDN(benchmark::State& state)
{
    Days days(state.range(0));
    std::vector<ChineseLunarDate> dates(state.range(0) == 0 ? 1 : 256);
    for (auto& d : dates)
        d = CJDateToChDates(Noon(days.Next()), kEpochHuangdi)->lunar.value();
    CalendarSettings settings;
    settings.meridian = Meridian(kLongitude);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChLDateToJDN(dates[i++ % dates.size()], settings));
    }
}
BENCHMARK(BM_ChLDateToJDN)->Apply(Patterns);

// The CHL and CHS dates of the pattern's days, found outside the timing.
std::vector<std::pair<ChineseLunarDate, ChineseSolarDate>> DatesOf(int64_t pattern)
{
    Days days(pattern);
    std::vector<std::pair<ChineseLunarDate, ChineseSolarDate>> dates(pattern == 0 ? 1 : 256);
    for (auto& d : dates) {
        const ChineseDatesOfDay found = CJDateToChDates(Noon(days.Next()), kEpochHuangdi).value();
        d = {found.lunar.value(), found.solar.value()};
    }
    return dates;
}

void BM_ChSDateToJDN(benchmark::State& state)
{
    const auto dates = DatesOf(state.range(0));
    CalendarSettings settings;
    settings.meridian = Meridian(kLongitude);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ChSDateToJDN(dates[i++ % dates.size()].second, settings));
    }
}
BENCHMARK(BM_ChSDateToJDN)->Apply(Patterns);

void BM_CHLMonthLength(benchmark::State& state)
{
    const auto dates = DatesOf(state.range(0));
    CalendarSettings settings;
    settings.meridian = Meridian(kLongitude);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CHLMonthLength(dates[i++ % dates.size()].first, settings));
    }
}
BENCHMARK(BM_CHLMonthLength)->Apply(Patterns);

void BM_CJDateToChDatesCold(benchmark::State& state)
{
    Days days(2);
    for (auto _ : state) {
        state.PauseTiming();
        TheCalendarCache().Clear();
        const int32_t day = days.Next();
        state.ResumeTiming();
        benchmark::DoNotOptimize(CJDateToChDates(Noon(day), kEpochHuangdi));
    }
}
BENCHMARK(BM_CJDateToChDatesCold)->Unit(benchmark::kMicrosecond);

void BM_NeverSeenYear(benchmark::State& state)
{
    CalendarCache& cache = TheCalendarCache();
    cache.SetSkyTableUsed(state.range(0) == 1);
    std::vector<int32_t> days;
    for (int32_t year = kMinYear; year < kMaxYear; ++year)
        days.push_back(kMinJDN + static_cast<int32_t>((year - kMinYear) * 365.2425) + 182);
    std::mt19937 rng(29);
    size_t next = days.size();
    for (auto _ : state) {
        if (next == days.size()) {
            state.PauseTiming();
            cache.Clear();
            std::shuffle(days.begin(), days.end(), rng);
            next = 0;
            CJDateToChDates(Noon(kMinJDN - 400), kEpochHuangdi); // the longitude's tables
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(CJDateToChDates(Noon(days[next++]), kEpochHuangdi));
    }
    cache.SetSkyTableUsed(true);
}
BENCHMARK(BM_NeverSeenYear)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace
