#include "engine/dayconv.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "calendar/core/FloorDivision.h"

namespace {

// The calendar cycles run the same way on both sides of day 0 and year 0.
using orlun::FloorDiv;
using orlun::FloorMod;

// Counting years from March makes the leap day the last day of the year, so the days before a
// month are a fixed linear expression: 0 for March, 306 for January of the following year.
constexpr int64_t DaysBeforeMonthFromMarch(int64_t marchMonth) // 0 = March .. 11 = February
{
    return (153 * marchMonth + 2) / 5;
}

// JDN of the day before 0000-03-01 in each calendar, so that day number = offset + days since
// 0000-03-01.
constexpr int64_t kGregorianMarchEpoch = 1721120;
constexpr int64_t kJulianMarchEpoch = 1721118;

constexpr int64_t kDaysPer400GregorianYears = 146097;
constexpr int64_t kDaysPer4JulianYears = 1461;

bool IsJulian(uint16_t calendar) { return calendar == 'J'; }

int64_t DateToDayNumber(int64_t year, int64_t month, int64_t day, bool julian)
{
    // Months beyond 1..12 count on into the neighbouring years.
    year += FloorDiv(month - 1, 12);
    month = FloorMod(month - 1, 12) + 1;
    const int64_t marchYear = month <= 2 ? year - 1 : year;
    const int64_t marchMonth = month <= 2 ? month + 9 : month - 3;
    int64_t days = 365 * marchYear + FloorDiv(marchYear, 4);
    if (!julian)
        days += -FloorDiv(marchYear, 100) + FloorDiv(marchYear, 400);
    days += DaysBeforeMonthFromMarch(marchMonth) + day - 1;
    return days + (julian ? kJulianMarchEpoch : kGregorianMarchEpoch);
}

struct Ymd {
    int64_t year;
    int64_t month;
    int64_t day;
};

Ymd DayNumberToDate(int64_t jdn, bool julian)
{
    // Whole cycles first, then the year within the cycle (its last year holds the extra leap
    // day of the cycle's end), then the month and day within that March-based year.
    const int64_t z = jdn - (julian ? kJulianMarchEpoch : kGregorianMarchEpoch);
    int64_t firstYearOfCycle = 0;
    int64_t yearOfCycle = 0;
    int64_t dayOfYear = 0; // 0..365, from March 1
    if (julian) {
        const int64_t cycle = FloorDiv(z, kDaysPer4JulianYears);
        const int64_t dayOfCycle = z - cycle * kDaysPer4JulianYears;               // 0..1460
        yearOfCycle = (dayOfCycle - dayOfCycle / 1460) / 365;                       // 0..3
        firstYearOfCycle = cycle * 4;
        dayOfYear = dayOfCycle - 365 * yearOfCycle;
    } else {
        const int64_t cycle = FloorDiv(z, kDaysPer400GregorianYears);
        const int64_t dayOfCycle = z - cycle * kDaysPer400GregorianYears;           // 0..146096
        yearOfCycle = (dayOfCycle - dayOfCycle / 1460 + dayOfCycle / 36524 - dayOfCycle / 146096) /
                      365;                                                           // 0..399
        firstYearOfCycle = cycle * 400;
        dayOfYear = dayOfCycle - (365 * yearOfCycle + yearOfCycle / 4 - yearOfCycle / 100);
    }
    const int64_t marchMonth = (5 * dayOfYear + 2) / 153; // 0..11
    const int64_t day = dayOfYear - DaysBeforeMonthFromMarch(marchMonth) + 1;
    const int64_t month = marchMonth < 10 ? marchMonth + 3 : marchMonth - 9;
    const int64_t year = firstYearOfCycle + yearOfCycle + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

bool IsLeapYear(int64_t year, bool julian)
{
    if (julian)
        return FloorMod(year, 4) == 0;
    return (FloorMod(year, 4) == 0 && FloorMod(year, 100) != 0) || FloorMod(year, 400) == 0;
}

int64_t MonthLength(int64_t year, int64_t month, bool julian)
{
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year, julian))
        return 29;
    return kLengths[month - 1];
}

// A run of decimal digits. Values beyond kCap are held at kCap + 1 so that an endless digit string
// can neither overflow nor pass for a small number.
struct DigitRun {
    int64_t value = 0;
    bool present = false;
};
constexpr int64_t kDigitCap = 1000000000;

const char* ReadDigits(const char* p, DigitRun& run)
{
    while (*p >= '0' && *p <= '9') {
        run.present = true;
        if (run.value <= kDigitCap)
            run.value = run.value * 10 + (*p - '0');
        if (run.value > kDigitCap)
            run.value = kDigitCap + 1;
        ++p;
    }
    return p;
}

} // namespace

int32_t euro_date_to_jdn(WesternDateRecord* rec)
{
    if (rec == nullptr)
        return 0;
    const int64_t jdn = DateToDayNumber(rec->year, rec->month, rec->day, IsJulian(rec->calendar));
    // Wraps to 32 bits as documented (modular since C++20).
    rec->jdn = static_cast<int32_t>(jdn);
    return rec->jdn;
}

void jdn_to_euro_date(WesternDateRecord* rec)
{
    if (rec == nullptr)
        return;
    const Ymd d = DayNumberToDate(rec->jdn, IsJulian(rec->calendar));
    // Every 32-bit day number lies within about +-5.9 million years, so the fields fit.
    rec->year = static_cast<int32_t>(d.year);
    rec->month = static_cast<int32_t>(d.month);
    rec->day = static_cast<int32_t>(d.day);
}

int32_t euro_day_of_week(int32_t jdn)
{
    // Day 0 was a Monday.
    return static_cast<int32_t>(FloorMod(static_cast<int64_t>(jdn) + 1, 7));
}

int32_t str_to_date(const char* text, int16_t order, WesternDateRecord* rec, int16_t calendar)
{
    if (text == nullptr || rec == nullptr || order != kOrderYearMonthDay)
        return -1;

    const char* p = text;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    DigitRun year, month, day;
    p = ReadDigits(p, year);
    if (!year.present || *p != '-')
        return -1;
    p = ReadDigits(p + 1, month);
    if (!month.present || *p != '-')
        return -1;
    p = ReadDigits(p + 1, day);
    if (!day.present || *p != '\0')
        return -1;

    const int64_t y = negative ? -year.value : year.value;
    if (y < kDayconvMinYear || y > kDayconvMaxYear)
        return -5;

    const uint16_t letter = static_cast<uint16_t>(calendar);
    if (letter == 'R') {
        // Zodozizidu Zidevuze: up to 13 months of up to 30 days. Whether a 13th month or a 30th
        // day exists in the year is the calendar's own rule, checked when it is converted.
        if (month.value < 1 || month.value > 13 || day.value < 1 || day.value > 30)
            return -1;
    } else {
        if (month.value < 1 || month.value > 12)
            return -1;
        if (day.value < 1 || day.value > MonthLength(y, month.value, IsJulian(letter)))
            return -1;
    }

    rec->year = static_cast<int32_t>(y);
    rec->month = static_cast<int32_t>(month.value);
    rec->day = static_cast<int32_t>(day.value);
    rec->calendar = letter;
    return 0;
}

std::string group_thousands(std::string_view number, char separator)
{
    // Whatever precedes the first digit (a sign, a blank) and follows the first run of digits
    // (a fraction) is kept as it is; only the whole part is grouped.
    const size_t first = number.find_first_of("0123456789");
    if (first == std::string_view::npos || separator == '\0')
        return std::string(number);
    size_t end = first;
    while (end < number.size() && number[end] >= '0' && number[end] <= '9')
        ++end;

    std::string out(number.substr(0, first));
    const size_t digits = end - first;
    for (size_t i = 0; i < digits; ++i) {
        if (i > 0 && (digits - i) % 3 == 0)
            out += separator;
        out += number[first + i];
    }
    out += number.substr(end);
    return out;
}

void separate_thousands(const char* number, int16_t separator, char* out)
{
    if (out == nullptr)
        return;
    out[0] = '\0';
    if (number == nullptr)
        return;
    // Only an 8-bit character can be written into the text; any other code leaves it ungrouped.
    const uint16_t code = static_cast<uint16_t>(separator);
    const char sep = code <= 0xFF ? static_cast<char>(code) : '\0';
    const std::string grouped = group_thousands(number, sep);
    const size_t n = std::min(grouped.size(), kSeparateThousandsBuffer - 1);
    grouped.copy(out, n);
    out[n] = '\0';
}

int32_t get_timezone()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        return 0;
    return static_cast<int32_t>(-local.tm_gmtoff);
}
