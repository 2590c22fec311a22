// Conversions between CJDC day numbers and the Chinese lunar (CHL) and solar (CHS) dates, read
// from the year structure and the solar-term table of each conversion's own moment: from the
// compact record of its solar year remembered in the calendar cache, or, with the cache off,
// from a structure built afresh.
#include <cmath>
#include <cstddef>
#include <optional>

#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/CalendarCache.h"
#include "calendar/chinese/StructureReading.h"

namespace orlun {

namespace {

// The CHS walk covers the three sui that open at entries 0, 24 and 48 of the solar-term table.
constexpr int kTermsWalked = 72;

size_t At(int i) { return static_cast<size_t>(i); }

// The day number of a Gregorian date; the year is already known to be within the supported
// range, so the result fits in 32 bits.
// Only called for supported Chinese years, which fit 32 bits.
DayNumber GregorianJDNOfYear(int64_t year, int month, int day)
{
    return GregorianJDN(static_cast<int32_t>(year), month, day);
}

// Chinese years (CHL nian and CHS sui alike) are named by Common Era years, which are Gregorian;
// the calendar code is given explicitly rather than left to the library's default.
int32_t GregorianYearOf(DayNumber jdn) { return GregorianDate(jdn).year; }

bool IsSupportedChineseYear(int64_t year) { return year >= kMinChineseYear && year <= kMaxChineseYear; }

// The CHL date of day d0: month and day from the month that contains it, the year from the
// Gregorian year in which the nearest first month at or before it begins.
std::optional<ChineseLunarDate> LunarDateIn(const YearStructure& ys, DayNumber d0, int epoch)
{
    const std::optional<int> found = MonthIndexOfDay(ys, d0);
    if (!found)
        return std::nullopt;
    const int i = *found;
    const ChineseMonth month = ys.Month[At(i)];
    if (!month.ok())
        return std::nullopt;
    int j = i;
    while (j >= 0 && ys.Month[At(j)] != kFirstMonth)
        --j;
    if (j < 0)
        return std::nullopt;
    const int32_t y1 = GregorianYearOf(ys.MonthStart[At(j)]);
    ChineseLunarDate chl;
    chl.cycle = static_cast<int32_t>(CycleOfYear(y1, epoch));
    chl.position = PositionOfYear(y1);
    chl.month = month;
    chl.day = static_cast<int>(d0 - ys.MonthStart[At(i)]) + 1;
    chl.epoch = epoch;
    return chl;
}

// The remembered record of the solar year of the day, or nullptr when the cache is off or does
// not keep that year.
const ChineseYearRecord* CachedYear(DayNumber day, Meridian reference)
{
    CalendarCache& cache = TheCalendarCache();
    return cache.Enabled() ? cache.Years().Find(day, reference, cache) : nullptr;
}

// The remembered term days of the solar year of the day by the settings' method, or nullptr.
const TermDays* CachedTermDays(DayNumber day, const CalendarSettings& settings)
{
    CalendarCache& cache = TheCalendarCache();
    if (!cache.Enabled())
        return nullptr;
    if (settings.method == TermMethod::MeanSun)
        return cache.Years().MeanSunTermDays(day, settings.meridian);
    const ChineseYearRecord* r = cache.Years().Find(day, settings.meridian, cache);
    return r != nullptr && r->firstTermYear ? &r->termDay : nullptr;
}

} // namespace

// The sui number comes from the Gregorian year of the first December solstice of the table and
// counts on by one at each winter solstice (entries 0, 24, 48).
std::optional<ChineseSolarDate> SolarDateIn(const TermDays& termDay, int32_t firstTermYear, DayNumber d0, int epoch)
{
    int64_t cycle = CycleOfYear(firstTermYear, epoch);
    int position = PositionOfYear(firstTermYear);
    for (int i = 0; i < kTermsWalked; ++i) {
        if (i % kTermsPerYear == 0 && ++position > 60) {
            position = 1;
            ++cycle;
        }
        if (termDay[At(i)] <= d0 && d0 < termDay[At(i + 1)]) {
            ChineseSolarDate chs;
            chs.cycle = static_cast<int32_t>(cycle);
            chs.position = position;
            chs.term = i % kTermsPerYear + 1;
            chs.day = static_cast<int>(d0 - termDay[At(i)]) + 1;
            chs.epoch = epoch;
            return chs;
        }
    }
    return std::nullopt;
}

CHLDay ReadCHLDay(const YearStructure& ys, ChineseMonth target, int day)
{
    if (!ys.ok())
        return {CHLResult::NoSecondNewYear, {}};
    int i = 0;
    int newYears = 0;
    for (; i < ys.MonthCount; ++i) {
        if (ys.Month[At(i)] == kFirstMonth && ++newYears == 2)
            break;
    }
    if (i >= ys.MonthCount)
        return {CHLResult::NoSecondNewYear, {}};

    for (;; ++i) {
        // The last month found is never closed, so it is never a month of a complete sui.
        if (i + 1 >= ys.MonthCount)
            return {CHLResult::MonthNotFound, {}};
        if (ys.Month[At(i)] == target) {
            if (ys.MonthStart[At(i + 1)] - ys.MonthStart[At(i)] < day)
                return {CHLResult::DayBeyondMonth, {}};
            return {CHLResult::Found, ys.MonthStart[At(i)] + (day - 1)};
        }
        if (ys.Month[At(i + 1)] == kFirstMonth)
            return {CHLResult::NoSuchMonth, {}};
    }
}

CHLDay ChLDateToJDN(const ChineseLunarDate& date, const CalendarSettings& settings)
{
    if (!CHLFieldsInRange(date))
        return {};
    const int64_t y = YearOfCyclePos(date.cycle, date.position, settings.epoch);
    if (!IsSupportedChineseYear(y))
        return {};

    // A build around the middle of the month's Common Era namesake holds the new years of y - 1
    // and y; the second month "01" is the one of year y.
    const DayNumber seed = GregorianJDNOfYear(y, date.month.number, 15);
    if (const ChineseYearRecord* r = CachedYear(seed, settings.meridian))
        return CHLDayFromRecord(*r, date.month, date.day);
    return ReadCHLDay(BuildYearStructure(settings.meridian.MidnightOf(seed)), date.month, date.day);
}

std::optional<ChineseDatesOfDay> ReadChineseDates(const YearStructure& ys, LocalTime cjdc, int epoch)
{
    if (!ys.ok())
        return std::nullopt;
    // A structure means the day lies near the supported days, well within 32 bits.
    const DayNumber d0 = cjdc.day();
    return ChineseDatesOfDay{d0, LunarDateIn(ys, d0, epoch),
                             SolarDateIn(ys.terms.TermDay, GregorianYearOf(ys.terms.TermDay[0]), d0, epoch)};
}

std::optional<ChineseDatesOfDay> CJDateToChDates(LocalTime cjdc, int epoch)
{
    const double day = std::floor(cjdc.cjd());
    const ChineseYearRecord* r = nullptr;
    if (day >= kMinJDN - kStructureMarginDays && day <= kMaxJDN + kStructureMarginDays) // false for NaN
        r = CachedYear(cjdc.day(), cjdc.meridian());
    if (r == nullptr)
        return ReadChineseDates(BuildYearStructure(cjdc), cjdc, epoch);
    if (!r->ok())
        return std::nullopt;
    const DayNumber d0 = cjdc.day();
    return ChineseDatesOfDay{d0, LunarDateFromRecord(*r, d0, epoch),
                             r->firstTermYear ? SolarDateIn(r->termDay, *r->firstTermYear, d0, epoch) : std::nullopt};
}

std::optional<ChineseLunarDate> LunarDateOfDay(DayNumber day, int epoch, Meridian reference)
{
    const std::optional<ChineseDatesOfDay> dates = CJDateToChDates(reference.NoonOf(day), epoch);
    return dates ? dates->lunar : std::nullopt;
}

std::optional<SolarDayCandidate> SolarDayOf(const ChineseSolarDate& date, const CalendarSettings& settings)
{
    if (!date.ok())
        return std::nullopt;
    const int64_t y = YearOfCyclePos(date.cycle, date.position, settings.epoch);
    if (!IsSupportedChineseYear(y))
        return std::nullopt;

    // Term 1 (the winter solstice of y - 1) is found from January of y, term 24 from December;
    // both lie in the solar year y of the seed, whose terms are entries 24..47.
    const DayNumber seed = GregorianJDNOfYear(y, (date.term + 1) / 2, 1);
    const TermDays* days = CachedTermDays(seed, settings);
    SolarTermTable uncached;
    if (days == nullptr) {
        uncached = SolarTermsOf(settings.meridian.MidnightOf(seed), settings.method);
        if (!IsValid(uncached))
            return std::nullopt;
        days = &uncached.TermDay;
    }
    const DayNumber jdn = (*days)[At(date.term + 23)] + (date.day - 1);
    return SolarDayCandidate{jdn, jdn < (*days)[At(date.term + 24)]};
}

std::optional<DayNumber> ChSDateToJDN(const ChineseSolarDate& date, const CalendarSettings& settings)
{
    const std::optional<SolarDayCandidate> c = SolarDayOf(date, settings);
    if (!c || !c->withinTerm)
        return std::nullopt;
    return c->day;
}

int CHLMonthLength(const ChineseLunarDate& date, const CalendarSettings& settings)
{
    ChineseLunarDate thirtieth = date;
    thirtieth.day = 30;
    const CHLResult result = ChLDateToJDN(thirtieth, settings).result;
    if (result == CHLResult::Found)
        return 30;
    if (result == CHLResult::DayBeyondMonth)
        return 29;
    return static_cast<int>(result);
}

} // namespace orlun
