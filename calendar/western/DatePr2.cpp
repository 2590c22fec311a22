#include "calendar/western/DatePr2.h"
#include "calendar/core/NumberText.h"

#include "calendar/core/TimeScales.h"

#include <charconv>

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <limits>

namespace orlun {

namespace {

constexpr const char* kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
constexpr const char* kMonthNames[12] = {"January", "February", "March",     "April",
                                         "May",     "June",     "July",      "August",
                                         "September", "October", "November", "December"};

constexpr uint16_t kGregorian = 'G';
constexpr uint16_t kJulian = 'J';
constexpr uint16_t kArchetypes = 'R';


// Years are written plain and grouped only beyond four digits, so 9999 stays "9999".
std::string YearText(int32_t year)
{
    const std::string plain = std::to_string(year);
    if (year > 9999 || year < -9999)
        return SeparateThousands(plain, std::string(1, kThousandsSeparator));
    return plain;
}

} // namespace

int32_t DateToJDN(WesternDate& rec) { return euro_date_to_jdn(&rec); }

void JDNToDate(WesternDate& rec) { jdn_to_euro_date(&rec); }

CEAndJC CEAndJCFromCJD(double x)
{
    // The day count is cut toward zero. A count that is no number or lies beyond the 32-bit day
    // numbers is held at the nearest end and the records are marked invalid.
    int32_t jdn = 0;
    bool inRange = false;
    if (!std::isnan(x)) {
        const double t = std::trunc(x);
        if (t < static_cast<double>(std::numeric_limits<int32_t>::min()))
            jdn = std::numeric_limits<int32_t>::min();
        else if (t > static_cast<double>(std::numeric_limits<int32_t>::max()))
            jdn = std::numeric_limits<int32_t>::max();
        else {
            jdn = static_cast<int32_t>(t);
            inRange = true;
        }
    }
    CEAndJC out;
    out.ce.jdn = jdn;
    out.ce.calendar = kGregorian;
    JDNToDate(out.ce);
    out.ce.valid = inRange ? 1 : 0;
    out.jc.jdn = jdn;
    out.jc.calendar = kJulian;
    JDNToDate(out.jc);
    out.jc.valid = inRange ? 1 : 0;
    return out;
}

int WeekdayNumber(int32_t jdn) { return euro_day_of_week(jdn); }

std::string WeekdayName(int weekday)
{
    if (weekday < 0 || weekday > 6)
        return {};
    return kWeekdayNames[weekday];
}

std::string WeekdayNameOfJDN(int32_t jdn) { return WeekdayName(WeekdayNumber(jdn)); }

std::string MonthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    return kMonthNames[month - 1];
}

std::string TimeText(double fraction)
{
    if (std::isnan(fraction) || fraction < 0.0 || fraction >= 1.0)
        return "XX:XX:XX";
    // A hundred-millionth of a day lifts a time a hair below a full minute (2:31:59.9999) onto it.
    if (fraction > 0.0 && fraction < 0.99999999)
        fraction += 0.00000001;
    int seconds = static_cast<int>(std::floor(fraction * 86400.0));
    if (seconds >= 86400)
        seconds = 86399;
    return TwoDigits(seconds / 3600) + ":" + TwoDigits((seconds / 60) % 60);
}

std::string LondonTime(double cjdl) { return TimeText(FractionOf(cjdl)) + " GMT"; }

std::string ReferenceTime(double cjdc, const std::string& zoneCode)
{
    return TimeText(FractionOf(cjdc)) + " " + zoneCode;
}

std::string DateText(const WesternDate& rec)
{
    return YearText(rec.year) + kDateSeparator + TwoDigits(rec.month) + kDateSeparator +
           TwoDigits(rec.day);
}

std::string DayOrdinal(int day)
{
    // 11th, 12th, 13th (and 111th ...) break the last-digit rule.
    const int lastTwo = std::abs(day % 100);
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (lastTwo % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return std::to_string(day) + suffix;
}

std::string DateLongText(const WesternDate& rec)
{
    const char* calendarName = rec.calendar == kJulian ? "Julian" : "Common Era";
    return "The " + DayOrdinal(rec.day) + " day of " + MonthName(rec.month) + " in the year " +
           YearText(rec.year) + " in the " + calendarName + " Calendar";
}

std::string SeparateThousands(const std::string& numberText, const std::string& separator)
{
    if (separator.empty())
        return numberText;
    // Grouped without dayconv's 20-character buffer, so that a long number is never cut short.
    return group_thousands(numberText, separator[0]);
}

int ParseWesternDate(const std::string& text, WesternDate& rec)
{
    uint16_t letter = rec.calendar;
    if (letter != kArchetypes && letter != kJulian) {
        letter = kGregorian;
        rec.calendar = kGregorian;
    }

    // Blanks and every other character that is neither a digit nor '-' drop out.
    std::string cleaned;
    cleaned.reserve(text.size());
    int dashes = 0;
    for (const char ch : text) {
        if ((ch >= '0' && ch <= '9') || ch == kDateSeparator) {
            cleaned += ch;
            if (ch == kDateSeparator)
                ++dashes;
        }
    }

    int status = 0;
    if (dashes == 2 || dashes == 3) {
        const int32_t result =
            str_to_date(cleaned.c_str(), kOrderYearMonthDay, &rec, static_cast<int16_t>(letter));
        if (result == 0)
            status = 1;
        else if (result == -5)
            status = -1;
    }
    if (status == 1 && letter != kArchetypes)
        DateToJDN(rec);
    rec.valid = status == 1 ? 1 : 0;
    return status;
}

WesternDate GregorianDate(int32_t jdn)
{
    WesternDate rec;
    rec.jdn = jdn;
    rec.calendar = 'G';
    JDNToDate(rec);
    return rec;
}

int32_t GregorianJDN(int32_t year, int month, int day)
{
    WesternDate rec;
    rec.year = year;
    rec.month = month;
    rec.day = day;
    rec.calendar = 'G';
    return DateToJDN(rec);
}

std::string DayCountText(double value)
{
    // to_chars writes "." as the decimal point whatever the process locale says (a desktop
    // session may run under one that writes ","). The widest fixed form of a double has 309
    // whole digits.
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 4);
    if (ec != std::errc()) return "";
    return SeparateThousands(std::string(buf, end), std::string(1, kThousandsSeparator));
}

} // namespace orlun
