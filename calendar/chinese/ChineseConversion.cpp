// Conversions between CJDC day numbers and the Chinese lunar (CHL) and solar (CHS) dates, read
// from the year structure and the solar-term table of each conversion's own moment: from the
// compact record of its solar year remembered in the calendar cache, or, with the cache off,
// from a structure built afresh.
#include <cmath>
#include <cstddef>

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
int32_t GregorianJDNOfYear(int64_t year, int month, int day)
{
    return GregorianJDN(static_cast<int32_t>(year), month, day).value();
}

// Chinese years (CHL nian and CHS sui alike) are named by Common Era years, which are Gregorian;
// the calendar code is given explicitly rather than left to the library's default.
int32_t GregorianYearOf(int32_t jdn) { return GregorianDate(DayNumber(jdn)).year; }

bool IsSupportedChineseYear(int64_t year) { return year >= kMinChineseYear && year <= kMaxChineseYear; }

// The CHL date of day d0: month and day from the month that contains it, the year from the
// Gregorian year in which the nearest first month at or before it begins.
bool FillCHL(const YearStructure& ys, int32_t d0, int epoch, CHLDate& chl)
{
    const int i = MonthIndexOfDay(ys, DayNumber(d0));
    if (i < 0)
        return false;
    const ChineseMonth month = ys.Month[At(i)];
    if (!month.ok())
        return false;
    int j = i;
    while (j >= 0 && ys.Month[At(j)] != kFirstMonth)
        --j;
    if (j < 0)
        return false;
    const int32_t y1 = GregorianYearOf(ys.MonthStart[At(j)]);
    chl.cycle = static_cast<int32_t>(CycleOfYear(y1, epoch));
    chl.position = PositionOfYear(y1);
    chl.month = month.number;
    chl.leap = month.leap ? 1 : 0;
    chl.day = d0 - ys.MonthStart[At(i)] + 1;
    return true;
}

// The remembered record of the solar year of the day, or nullptr when the cache is off or does
// not keep that year.
const ChineseYearRecord* CachedYear(int32_t day, int refLongitude)
{
    CalendarCache& cache = TheCalendarCache();
    return cache.Enabled() ? cache.Years().Find(day, refLongitude, cache) : nullptr;
}

// The remembered term days of the solar year of the day by the settings' method, or nullptr.
const TermDays* CachedTermDays(int32_t day, const CalendarSettings& settings)
{
    CalendarCache& cache = TheCalendarCache();
    if (!cache.Enabled())
        return nullptr;
    if (settings.method == TermMethod::MeanSun)
        return cache.Years().MeanSunTermDays(day, settings.refLongitude);
    const ChineseYearRecord* r = cache.Years().Find(day, settings.refLongitude, cache);
    return r != nullptr && r->termsValid ? &r->termDay : nullptr;
}

} // namespace

// The sui number comes from the Gregorian year of the first December solstice of the table and
// counts on by one at each winter solstice (entries 0, 24, 48).
bool FillCHS(const TermDays& termDay, int32_t firstTermYear, int32_t d0, int epoch, CHSDate& chs)
{
    int64_t cycle = CycleOfYear(firstTermYear, epoch);
    int position = PositionOfYear(firstTermYear);
    for (int i = 0; i < kTermsWalked; ++i) {
        if (i % kTermsPerYear == 0 && ++position > 60) {
            position = 1;
            ++cycle;
        }
        if (termDay[At(i)] <= d0 && d0 < termDay[At(i + 1)]) {
            chs.cycle = static_cast<int32_t>(cycle);
            chs.position = position;
            chs.term = i % kTermsPerYear + 1;
            chs.day = d0 - termDay[At(i)] + 1;
            return true;
        }
    }
    return false;
}

CHLResult ReadCHLDay(const YearStructure& ys, CHLDate& rec)
{
    if (!ys.valid)
        return CHLResult::NoSecondNewYear;
    int i = 0;
    int newYears = 0;
    for (; i < ys.MonthCount; ++i) {
        if (ys.Month[At(i)] == kFirstMonth && ++newYears == 2)
            break;
    }
    if (i >= ys.MonthCount)
        return CHLResult::NoSecondNewYear;

    const ChineseMonth target{rec.month, rec.leap == 1};
    for (;; ++i) {
        // The last month found is never closed, so it is never a month of a complete sui.
        if (i + 1 >= ys.MonthCount)
            return CHLResult::MonthNotFound;
        if (ys.Month[At(i)] == target) {
            if (ys.MonthStart[At(i + 1)] - ys.MonthStart[At(i)] < rec.day)
                return CHLResult::DayBeyondMonth;
            rec.valid = 1;
            rec.jdn = ys.MonthStart[At(i)] + rec.day - 1;
            return CHLResult::Found;
        }
        if (ys.Month[At(i + 1)] == kFirstMonth)
            return CHLResult::NoSuchMonth;
    }
}

CHLResult ChLDateToJDN(CHLDate& rec, const CalendarSettings& settings)
{
    rec.valid = 0;
    if (rec.position < 1 || rec.position > 60 || rec.month < 1 || rec.month > 12 || rec.leap < 0 ||
        rec.leap > 1 || rec.day < 1 || rec.day > 31)
        return CHLResult::FieldOutOfRange;
    rec.epoch = settings.epoch;
    const int64_t y = YearOfCyclePos(rec.cycle, rec.position, settings.epoch);
    if (!IsSupportedChineseYear(y))
        return CHLResult::FieldOutOfRange;

    // A build around the middle of the month's Common Era namesake holds the new years of y - 1
    // and y; the second month "01" is the one of year y.
    const int32_t seed = GregorianJDNOfYear(y, rec.month, 15);
    if (const ChineseYearRecord* r = CachedYear(seed, settings.refLongitude))
        return CHLDayFromRecord(*r, rec);
    return ReadCHLDay(BuildYearStructure(Meridian(settings.refLongitude).MidnightOf(DayNumber(seed))), rec);
}

void ReadChineseDates(const YearStructure& ys, double cjdc, int epoch, CHSDate& chs, CHLDate& chl)
{
    const bool wantCHS = chs.valid != kCHSNotWanted;
    chs.valid = 0;
    chl.valid = 0;
    if (!ys.valid)
        return;
    // A valid structure means the day lies near the supported days, well within 32 bits.
    const auto d0 = static_cast<int32_t>(std::floor(cjdc));

    chl.jdn = d0;
    chl.epoch = epoch;
    if (FillCHL(ys, d0, epoch, chl))
        chl.valid = 1;

    if (wantCHS) {
        chs.jdn = d0;
        chs.epoch = epoch;
        if (FillCHS(ys.terms.TermDay, GregorianYearOf(ys.terms.TermDay[0]), d0, epoch, chs))
            chs.valid = 1;
    }
}

void CJDateToChDates(double cjdc, int epoch, int refLongitude, CHSDate& chs, CHLDate& chl)
{
    const double day = std::floor(cjdc);
    const ChineseYearRecord* r = nullptr;
    if (day >= kMinJDN - kStructureMarginDays && day <= kMaxJDN + kStructureMarginDays) // false for NaN
        r = CachedYear(static_cast<int32_t>(day), refLongitude);
    if (r == nullptr) {
        ReadChineseDates(BuildYearStructure(Meridian(refLongitude).At(cjdc)), cjdc, epoch, chs, chl);
        return;
    }
    const bool wantCHS = chs.valid != kCHSNotWanted;
    chs.valid = 0;
    chl.valid = 0;
    if (!r->valid)
        return;
    const auto d0 = static_cast<int32_t>(day);
    chl.jdn = d0;
    chl.epoch = epoch;
    if (FillCHLFromRecord(*r, d0, epoch, chl))
        chl.valid = 1;
    if (wantCHS) {
        chs.jdn = d0;
        chs.epoch = epoch;
        if (FillCHS(r->termDay, r->firstTermYear, d0, epoch, chs))
            chs.valid = 1;
    }
}

void CHLRefresh(CHLDate& rec, int refLongitude)
{
    CHSDate unused;
    unused.valid = kCHSNotWanted;
    CJDateToChDates(rec.jdn + 0.5, rec.epoch, refLongitude, unused, rec);
}

bool ChSDateToJDN(CHSDate& rec, const CalendarSettings& settings)
{
    rec.valid = 0;
    if (rec.position < 1 || rec.position > 60 || rec.term < 1 || rec.term > 24 || rec.day < 1 ||
        rec.day > 16)
        return false;
    rec.epoch = settings.epoch;
    const int64_t y = YearOfCyclePos(rec.cycle, rec.position, settings.epoch);
    if (!IsSupportedChineseYear(y))
        return false;

    // Term 1 (the winter solstice of y - 1) is found from January of y, term 24 from December;
    // both lie in the solar year y of the seed, whose terms are entries 24..47.
    const int32_t seed = GregorianJDNOfYear(y, (rec.term + 1) / 2, 1);
    const TermDays* days = CachedTermDays(seed, settings);
    SolarTermTable uncached;
    if (days == nullptr) {
        uncached = SolarTermsOf(seed, settings.method, settings.refLongitude);
        if (!IsValid(uncached))
            return false;
        days = &uncached.TermDay;
    }
    rec.jdn = (*days)[At(rec.term + 23)] + rec.day - 1;
    rec.valid = rec.jdn < (*days)[At(rec.term + 24)] ? 1 : 0;
    return rec.valid == 1;
}

int CHLMonthLength(CHLDate& rec, const CalendarSettings& settings)
{
    rec.day = 30;
    const CHLResult result = ChLDateToJDN(rec, settings);
    if (result == CHLResult::Found)
        return 30;
    if (result == CHLResult::DayBeyondMonth)
        return 29;
    return static_cast<int>(result);
}

} // namespace orlun
