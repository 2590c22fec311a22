// The calendar cache changes only the time a conversion takes: every day of 1900..2100 and of
// sampled years across the range reads the same CHL and CHS dates (and the same days back) from
// the remembered year records as from a year structure built afresh without any cache, and the
// answers do not depend on the order in which days are converted.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "calendar/chinese/CalendarCache.h"
#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/chinese/StructureReading.h"
#include "calendar/western/DatePr2.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

// 30 solar years spread over -3000..3000, the range ends included.
std::vector<int32_t> SampledYears()
{
    std::vector<int32_t> years;
    for (int k = 0; k < 30; ++k)
        years.push_back(kMinYear + 1 + k * (kMaxYear - kMinYear - 1) / 29);
    return years;
}

// The same day and the same dates (or both without a structure).
bool Same(const std::optional<ChineseDatesOfDay>& a, const std::optional<ChineseDatesOfDay>& b)
{
    if (!a || !b) return !a && !b;
    return a->day == b->day && a->lunar == b->lunar && a->solar == b->solar;
}

// Year structures built with the cache off, one per solar year.
class FreshStructures {
public:
    explicit FreshStructures(int longitude) : longitude_(longitude) {}
    const YearStructure& Of(int32_t day)
    {
        const int32_t b = SolarYearOf(Meridian(longitude_).At(day));
        auto it = built_.find(b);
        if (it == built_.end()) {
            CalendarCache& cache = TheCalendarCache();
            cache.SetEnabled(false);
            it = built_.emplace(b, BuildYearStructure(Meridian(longitude_).MidnightOf(DayNumber(day)))).first;
            cache.SetEnabled(true);
        }
        return it->second;
    }

private:
    int longitude_;
    std::map<int32_t, YearStructure> built_;
};

// Every day of solar year b (cached) against the fresh structure; returns the failures.
int CompareSolarYear(int32_t b, int longitude, FreshStructures& fresh)
{
    CalendarSettings settings;
    settings.meridian = Meridian(longitude);
    int failures = 0;
    const int32_t first = static_cast<int32_t>(std::floor(DecemberSolstice(b - 1, Meridian(longitude)).cjd()));
    const int32_t end = static_cast<int32_t>(std::floor(DecemberSolstice(b, Meridian(longitude)).cjd()));
    for (int32_t d = first; d < end && failures < 5; ++d) {
        for (int epoch : {kEpochHuangdi, kEpochAlternative}) {
            settings.epoch = epoch;
            const LocalTime t = Meridian(longitude).NoonOf(DayNumber(d));
            const std::optional<ChineseDatesOfDay> dates = CJDateToChDates(t, epoch);
            const std::optional<ChineseDatesOfDay> ref = ReadChineseDates(fresh.Of(d), t, epoch);
            const bool same = dates && ref && dates->day == ref->day && dates->lunar == ref->lunar &&
                              dates->solar == ref->solar && dates->lunar && dates->solar;
            const ChineseLunarDate chl = same ? *dates->lunar : ChineseLunarDate{};
            const ChineseSolarDate chs = same ? *dates->solar : ChineseSolarDate{};
            const CHLDay back = ChLDateToJDN(chl, settings);
            const auto nian = static_cast<int32_t>(YearOfCyclePos(chl.cycle, chl.position, epoch));
            const CHLDay refBack =
                ReadCHLDay(fresh.Of(GregorianJDN(nian, chl.month.number, 15).value()), chl.month, chl.day);
            const std::optional<DayNumber> solarBack = ChSDateToJDN(chs, settings);
            if (!same || back.result != refBack.result || back.day != refBack.day || solarBack != DayNumber(d) ||
                back.day != DayNumber(d)) {
                ADD_FAILURE() << "day " << d << " (" << GregorianText(d) << ") at " << longitude << " E: cached "
                              << Text(chl) << " / " << Text(chs)
                              << ", back " << static_cast<int>(back.result) << "/" << static_cast<int>(refBack.result);
                ++failures;
            }
        }
    }
    return failures;
}

TEST(CalendarCache, EveryDayOf1900To2100MatchesAFreshBuild)
{
    FreshStructures fresh(120);
    for (int32_t b = 1900; b <= 2101; ++b)
        ASSERT_EQ(CompareSolarYear(b, 120, fresh), 0) << "solar year " << b;
}

TEST(CalendarCache, EveryDayOfSampledYearsMatchesAFreshBuild)
{
    for (int longitude : {105, 120, 135}) {
        FreshStructures fresh(longitude);
        for (int32_t b : SampledYears())
            ASSERT_EQ(CompareSolarYear(b, longitude, fresh), 0) << "solar year " << b << " at " << longitude;
    }
}

// The months of a lunar year, month lengths and mean-sun terms: with and without the cache.
TEST(CalendarCache, MonthsLengthsAndMeanSunTermsMatchWithoutTheCache)
{
    CalendarCache& cache = TheCalendarCache();
    for (int longitude : {105, 135}) {
        CalendarSettings s;
        s.meridian = Meridian(longitude);
        for (int32_t year : SampledYears()) {
            const LunarYearMonths cached = LunarYearMonthsOf(year, s);
            std::vector<std::pair<int, int>> lengths;
            for (const LunarMonth& m : cached.months) {
                const ChineseLunarDate date =
                    Lunar(static_cast<int32_t>(CycleOfYear(year, s.epoch)), PositionOfYear(year), m.number, 1, m.leap);
                lengths.emplace_back(CHLMonthLength(date, s), m.length);
            }
            const ChineseSolarDate meanTerm = Solar(static_cast<int32_t>(CycleOfYear(year, s.epoch)), PositionOfYear(year), 7, 3);
            s.method = TermMethod::MeanSun;
            const std::optional<DayNumber> meanCached = ChSDateToJDN(meanTerm, s);
            s.method = TermMethod::TrueSun;

            cache.SetEnabled(false);
            const LunarYearMonths uncached = LunarYearMonthsOf(year, s);
            s.method = TermMethod::MeanSun;
            const std::optional<DayNumber> meanFresh = ChSDateToJDN(meanTerm, s);
            s.method = TermMethod::TrueSun;
            cache.SetEnabled(true);

            ASSERT_TRUE(cached.ok()) << year;
            ASSERT_EQ(cached.months.size(), uncached.months.size()) << year;
            for (size_t k = 0; k < cached.months.size(); ++k) {
                const LunarMonth& a = cached.months[k];
                const LunarMonth& b = uncached.months[k];
                EXPECT_TRUE(a.number == b.number && a.leap == b.leap && a.start == b.start && a.length == b.length)
                    << year << " month " << k;
                EXPECT_EQ(lengths[k].first, lengths[k].second) << year << " month " << k;
            }
            ASSERT_TRUE(meanCached) << year << ": " << Text(meanTerm);
            EXPECT_EQ(meanCached, meanFresh) << year << ": " << Text(meanTerm);
        }
    }
}

TEST(CalendarCache, RandomOrderGivesTheSameAnswersAsAscending)
{
    std::vector<int32_t> days;
    for (int32_t b : {-2999, -1500, -1, 1600, 2999})
        for (int32_t d = GregorianJDN(b, 1, 1).value(); d < GregorianJDN(b + 1, 1, 1).value(); ++d)
            days.push_back(d);
    auto convertAll = [](const std::vector<int32_t>& order) {
        TheCalendarCache().Clear();
        std::map<int32_t, std::optional<ChineseDatesOfDay>> out;
        for (int32_t d : order)
            out[d] = CJDateToChDates(Meridian(135).At(d + 0.25), kEpochHuangdi);
        return out;
    };
    const auto ascending = convertAll(days);
    std::vector<int32_t> shuffled = days;
    std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(20130210));
    const auto random = convertAll(shuffled);
    for (int32_t d : days) {
        ASSERT_TRUE(Same(ascending.at(d), random.at(d))) << GregorianText(d);
        ASSERT_TRUE(ascending.at(d) && ascending.at(d)->lunar && ascending.at(d)->solar) << GregorianText(d);
    }
}

TEST(CalendarCache, ClearEmptiesItAndNothingChanges)
{
    CalendarCache& cache = TheCalendarCache();
    const LocalTime noon = Meridian(120).At(2456334.5);
    const std::optional<ChineseDatesOfDay> before = CJDateToChDates(noon, kEpochHuangdi);
    const size_t filled = cache.MemoryBytes();
    cache.Clear();
    EXPECT_LT(cache.MemoryBytes(), filled);
    const std::optional<ChineseDatesOfDay> after = CJDateToChDates(noon, kEpochHuangdi);
    EXPECT_TRUE(Same(before, after));
    ASSERT_TRUE(after);
    EXPECT_EQ(Text(after->lunar), Text(Lunar(79, 30, 1, 1)));
}

} // namespace
