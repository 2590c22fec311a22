#include "calendar/western/Clock.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "calendar/western/DatePr2.h"
#include "engine/dayconv.h"

namespace orlun {

namespace {

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        local = std::tm{};
    return local;
}

// The leading number of a text: blanks skipped, an optional sign, then digits up to the first
// other character; 0 when there is none. Long digit runs are held at a billion so that a strange
// clock text can never overflow.
int64_t ValueOf(std::string_view text)
{
    constexpr int64_t kCap = 1000000000;
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value >= kCap ? kCap : value * 10 + (text[i] - '0');
    if (value > kCap)
        value = kCap;
    return negative ? -value : value;
}

// Characters first..last (counted from 1) of a text, as far as it reaches.
std::string_view Characters(std::string_view text, size_t first, size_t last)
{
    if (first > text.size())
        return {};
    return text.substr(first - 1, last - first + 1);
}

bool Contains(std::string_view text, char upper)
{
    const char lower = static_cast<char>(upper - 'A' + 'a');
    return text.find(upper) != std::string_view::npos || text.find(lower) != std::string_view::npos;
}

struct TimeOfDay {
    int64_t hours = 0;
    int64_t minutes = 0;
    int64_t seconds = 0;
};

// "1:05:09 PM" or "13:05:09". In the 12-hour form 12 AM is the hour after midnight and 12 PM
// the hour after noon.
TimeOfDay ReadTime(std::string_view text)
{
    TimeOfDay t;
    if (!Contains(text, 'M')) {
        t.hours = ValueOf(Characters(text, 1, 2));
        t.minutes = ValueOf(Characters(text, 4, 5));
        t.seconds = ValueOf(Characters(text, 7, 8));
        return t;
    }
    const size_t colon1 = text.find(':');
    const size_t colon2 = colon1 == std::string_view::npos ? colon1 : text.find(':', colon1 + 1);
    t.hours = ValueOf(text.substr(0, colon1));
    if (colon1 != std::string_view::npos) {
        t.minutes = ValueOf(text.substr(colon1 + 1, colon2 == std::string_view::npos
                                                        ? std::string_view::npos
                                                        : colon2 - colon1 - 1));
    }
    if (colon2 != std::string_view::npos) {
        const std::string_view rest = text.substr(colon2 + 1);
        t.seconds = ValueOf(rest.substr(0, rest.find(' ')));
    }
    const bool morning = Contains(text, 'A');
    if (!morning && t.hours != 12)
        t.hours += 12;
    else if (morning && t.hours == 12)
        t.hours = 0;
    return t;
}

int32_t ClampToInt32(int64_t v)
{
    if (v > INT32_MAX)
        return INT32_MAX;
    if (v < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(v);
}

} // namespace

static std::string DateTextOf(const std::tm& t)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", t.tm_mon + 1, t.tm_mday, t.tm_year + 1900);
    return buf;
}

static std::string TimeTextOf(const std::tm& t)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return buf;
}

ClockReading Clock::Read() const { return {DateText(), TimeText(), TimezoneSecondsWest()}; }

std::string SystemClock::DateText() const { return DateTextOf(LocalNow()); }

std::string SystemClock::TimeText() const { return TimeTextOf(LocalNow()); }

int32_t SystemClock::TimezoneSecondsWest() const { return get_timezone(); }

ClockReading SystemClock::Read() const
{
    const std::tm t = LocalNow();
    return {DateTextOf(t), TimeTextOf(t), static_cast<int32_t>(-t.tm_gmtoff)};
}

// The JDN of a date text "mm-dd-yyyy" (Gregorian).
static DayNumber JDNOfDateText(std::string_view date)
{
    WesternDate d;
    d.month = ClampToInt32(ValueOf(Characters(date, 1, 2)));
    d.day = ClampToInt32(ValueOf(Characters(date, 4, 5)));
    d.year = ClampToInt32(ValueOf(Characters(date, 7, date.size())));
    return DateToJDN(d);
}

DayNumber TodayJDN(const Clock& clock) { return JDNOfDateText(clock.DateText()); }

Moment CurrentAJDate(const Clock& clock)
{
    const ClockReading now = clock.Read();
    const int32_t jdn = JDNOfDateText(now.date).value();
    // Whole minutes East of Greenwich: zones such as 5:30 or 5:45 East keep their minutes.
    const double zoneMinutesEast = std::round(-(static_cast<double>(now.secondsWest) / 60.0));
    const TimeOfDay t = ReadTime(now.time);
    const double seconds = static_cast<double>(t.minutes * 60 + t.hours * 3600 + t.seconds) -
                           zoneMinutesEast * 60.0;
    return Moment(static_cast<double>(jdn) + seconds / 86400.0 - 0.5);
}

} // namespace orlun
