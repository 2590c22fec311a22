// Cost of a Chinese date conversion: the year structure it builds, day -> CHL/CHS and CHL -> day.
//
// Three access patterns, because the phase instants and true-sun tables are remembered between
// builds: "Repeated" converts the same day again (all remembered), "Stepping" walks forward 97
// days a call as a list or a repeated move does, "Random" jumps across the years -3000..3000 so
// that almost nothing is remembered (the cost of a conversion on its own).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "calendar/core/Limits.h"
#include "calendar/chinese/Orlun3.h"

using namespace orlun;

namespace {

constexpr int kLongitude = 120;
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
        const YearStructure ys = BuildYearStructure(days.Next() + 0.5, kLongitude);
        benchmark::DoNotOptimize(ys.MonthCount);
    }
}
BENCHMARK(BM_BuildYearStructure)->Apply(Patterns);

void BM_CJDateToChDates(benchmark::State& state)
{
    Days days(state.range(0));
    for (auto _ : state) {
        CHLDate chl;
        CHSDate chs;
        CJDateToChDates(days.Next() + 0.5, kEpochHuangdi, kLongitude, chs, chl);
        benchmark::DoNotOptimize(chl.day);
        benchmark::DoNotOptimize(chs.day);
    }
}
BENCHMARK(BM_CJDateToChDates)->Apply(Patterns);

// The CHL dates of the days are found first, outside the timing.
void BM_ChLDateToJDN(benchmark::State& state)
{
    Days days(state.range(0));
    std::vector<CHLDate> dates(state.range(0) == 0 ? 1 : 256);
    for (auto& d : dates) {
        CHSDate chs;
        CJDateToChDates(days.Next() + 0.5, kEpochHuangdi, kLongitude, chs, d);
    }
    CalendarSettings settings;
    settings.refLongitude = kLongitude;
    size_t i = 0;
    for (auto _ : state) {
        CHLDate rec = dates[i++ % dates.size()];
        benchmark::DoNotOptimize(ChLDateToJDN(rec, settings));
        benchmark::DoNotOptimize(rec.jdn);
    }
}
BENCHMARK(BM_ChLDateToJDN)->Apply(Patterns);

} // namespace
