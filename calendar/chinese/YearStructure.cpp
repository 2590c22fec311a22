// The Chinese year structure: the lunar months around a moment, their major solar terms and
// their numbers.
#include <cmath>
#include <cstdio>
#include <cstddef>
#include <limits>
#include <optional>
#include <utility>

#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/CalendarCache.h"
#include "calendar/core/TimeScales.h"
#include "calendar/astro/syzyg.h"

namespace orlun {

namespace {

// Working marks of the numbering walk; both are always replaced by month numbers.

// The last term of the table (the March equinox of b + 2) and how far past its day month starts
// are still found, so that the months up to it are all closed.
constexpr int kLastTerm = kTermTableSize - 1;
constexpr int32_t kDaysAfterLastTerm = 40;
constexpr int kOrdinarySui = 12;
constexpr int kLeapSui = 13;

size_t At(int i) { return static_cast<size_t>(i); }

// The structure of a moment that has none: no months (so not ok()), so that no reader indexes
// into it.
YearStructure Invalid(YearStructure ys)
{
    ys.MonthCount = 0;
    ys.Month.fill({});
    ys.NumberedMonths = 0;
    ys.MajorTermCount.fill(0);
    return ys;
}

bool TermsUsable(const SolarTermTable& t)
{
    if (!IsValid(t))
        return false;
    for (int i = 0; i < kTermTableSize; ++i) {
        if (!std::isfinite(t.TermMoment[At(i)].cjd()))
            return false;
        if (i > 0 && t.TermDay[At(i)] <= t.TermDay[At(i - 1)])
            return false;
    }
    return true;
}

// Month starts: the dark moons from the lunation in progress at the first December solstice of
// the table until a month begins more than 40 days after its last term. False when the engine
// gives no instant, the starts do not increase, or they do not fit the tables.
bool FindMonthStarts(YearStructure& ys, CalendarCache& cache)
{
    const auto darkMoonUT = [&cache](int32_t n) { return cache.DarkMoonUT(n); };
    const std::optional<int32_t> first = FindLunation(CJDCToAJD(ys.terms.TermMoment[0]), darkMoonUT);
    if (!first)
        return false;
    ys.FirstLunation = *first;
    const Meridian reference = ys.terms.TermMoment[0].meridian();
    const int64_t lastDay = int64_t{ys.terms.TermDay[kLastTerm].value()} + kDaysAfterLastTerm;
    for (int k = 0;; ++k) {
        const int64_t lunation = int64_t{*first} + k;
        if (lunation > std::numeric_limits<int32_t>::max())
            return false;
        const LocalTime t = AJDToCJDC(darkMoonUT(static_cast<int32_t>(lunation)), reference);
        if (!std::isfinite(t.cjd()))
            return false;
        // A dark moon at any time of a day, exactly at midnight too, makes it the first day.
        const double d = std::floor(t.cjd());
        if (d > static_cast<double>(lastDay)) {
            ys.MonthCount = k;
            return k >= 2;
        }
        if (k == kMaxMonths)
            return false;
        const DayNumber day = t.day(); // within lastDay, so within 32 bits
        if (k > 0 && day <= ys.MonthStart[At(k - 1)])
            return false;
        ys.DarkMoon[At(k)] = t;
        ys.MonthStart[At(k)] = day;
    }
}

// The months that hold a winter solstice, each of which opens a sui.
using SuiStarts = std::array<bool, kMaxMonths>;

// Counts the major terms of each month by day numbers, so a major term on the day of a dark moon
// belongs to the month that begins that day, and marks the months of the winter solstices. The
// last month is never closed and the last term (index 78) never counted.
void CountMajorTerms(YearStructure& ys, SuiStarts& suiStarts)
{
    suiStarts.fill(false);
    ys.MajorTermCount.fill(0);
    for (int j = 0; j + 1 < ys.MonthCount; ++j) {
        for (int i = 0; i < kLastTerm; i += 2) {
            const DayNumber termDay = ys.terms.TermDay[At(i)];
            if (termDay >= ys.MonthStart[At(j + 1)])
                break;
            if (termDay >= ys.MonthStart[At(j)]) {
                ++ys.MajorTermCount[At(j)];
                if (i % kTermsPerYear == 0)
                    suiStarts[At(j)] = true;
            }
        }
    }
}

// A sui of twelve months: the winter solstice's month is 11, then 12, 01 .. 10.
void NumberOrdinarySui(YearStructure& ys, int off)
{
    for (int k = 0; k < kOrdinarySui; ++k)
        ys.Month[At(off + k)] = {(k + 10) % 12 + 1, false};
}

// A sui of thirteen months: the first month without a major term is the leap month and repeats
// its predecessor's number. When the group starts with that month (month 0 of a build whose
// first dark moon after the solstice fell on the solstice's own day) it becomes 10*.
void NumberLeapSui(YearStructure& ys, int off)
{
    int leapAt = -1;
    for (int k = 0; k < kLeapSui && leapAt < 0; ++k) {
        if (ys.MajorTermCount[At(off + k)] == 0)
            leapAt = k;
    }
    int m = 11;
    for (int k = 0; k < kLeapSui; ++k) {
        ChineseMonth& month = ys.Month[At(off + k)];
        if (k == leapAt) {
            month = {k > 0 ? ys.Month[At(off + k - 1)].number : 10, true};
        } else {
            month = {(m - 1) % 12 + 1, false};
            ++m;
        }
    }
}

// Numbers the months sui by sui from month 0, up to the incomplete sui at the end, whose months
// stay unnumbered. False when a group would run past the months found (which the astronomy never
// produces).
bool NumberMonths(YearStructure& ys, const SuiStarts& suiStarts)
{
    int off = 0;
    ys.Month.fill({});
    while (off < ys.MonthCount) {
        ys.NumberedMonths = off;
        int n = 1;
        while (off + n < ys.MonthCount && !suiStarts[At(off + n)])
            ++n;
        if (off + n >= ys.MonthCount)
            return true;
        // Any count other than twelve is taken for a leap sui.
        const int size = (n == kOrdinarySui) ? kOrdinarySui : kLeapSui;
        if (off + size >= ys.MonthCount)
            return false;
        if (size == kOrdinarySui)
            NumberOrdinarySui(ys, off);
        else
            NumberLeapSui(ys, off);
        off += size;
    }
    ys.NumberedMonths = off;
    return true;
}

} // namespace

std::string MonthLabelStr(ChineseMonth month)
{
    char text[16];
    std::snprintf(text, sizeof text, month.leap ? "%d*" : "%02d", month.number);
    return text;
}

std::string MonthLabelOf(const YearStructure& ys, int i)
{
    if (i < ys.NumberedMonths)
        return MonthLabelStr(ys.Month[At(i)]);
    return i == ys.NumberedMonths && i < ys.MonthCount ? kStopHere : "";
}

std::optional<ChineseMonth> ReadMonthLabel(const std::string& label)
{
    size_t pos = 0;
    int number = 0;
    while (pos < label.size() && pos < 2 && label[pos] >= '0' && label[pos] <= '9') {
        number = number * 10 + (label[pos] - '0');
        ++pos;
    }
    if (pos == 0 || number < 1 || number > 12)
        return std::nullopt;
    const std::string rest = label.substr(pos);
    if (!rest.empty() && rest != "*")
        return std::nullopt;
    return ChineseMonth{number, rest == "*"};
}

YearStructure BuildYearStructure(LocalTime cjdc) { return BuildYearStructure(cjdc, TheCalendarCache()); }

YearStructure BuildYearStructure(LocalTime at, CalendarCache& cache)
{
    YearStructure ys;
    const double day = std::floor(at.cjd()); // NaN fails both comparisons below
    if (!(day >= double{kMinJDN} - kStructureMarginDays && day <= double{kMaxJDN} + kStructureMarginDays))
        return Invalid(std::move(ys));
    ys.terms = cache.TrueSunTerms(at);
    if (!TermsUsable(ys.terms) || !FindMonthStarts(ys, cache))
        return Invalid(std::move(ys));
    SuiStarts suiStarts{};
    CountMajorTerms(ys, suiStarts);
    if (!NumberMonths(ys, suiStarts))
        return Invalid(std::move(ys));
    return ys;
}

std::optional<int> MonthIndexOfDay(const YearStructure& ys, DayNumber day)
{
    if (!ys.ok())
        return std::nullopt;
    for (int i = 0; i + 1 < ys.MonthCount && i + 1 < kMaxMonths; ++i) {
        if (ys.MonthStart[At(i)] <= day && day < ys.MonthStart[At(i + 1)])
            return i;
    }
    return std::nullopt;
}

} // namespace orlun
