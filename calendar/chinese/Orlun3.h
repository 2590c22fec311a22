// The Chinese year structure and the conversions between CJDC day numbers and CHL/CHS dates.
//
// The lunar calendar is not tabulated: a conversion builds, around its own moment, the lunar
// months of about three and a quarter solar years at the reference meridian and numbers them (the
// calendar cache keeps what it reads from each solar year's structure; see CalendarCache.h).
// Months begin on the CJDC day of the dark moon; a sui (winter solstice to winter solstice) of
// thirteen months gets one leap month, the first of its months without a major solar term.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/ChineseMonth.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/Limits.h"
#include "calendar/core/Meridian.h"
#include "calendar/core/Settings.h"
#include "calendar/astro/SolarTerms.h"

namespace orlun {

class CalendarCache;

// A build spans about 43 months; the tables hold 51.
inline constexpr int kMaxMonths = 51;

// The label of the first month after the last complete sui, where the structure's months are
// listed as texts (MonthLabelOf).
inline constexpr const char* kStopHere = "stop here";

// Moments whose day lies more than this many days outside kMinJDN..kMaxJDN have no structure.
// The margin lets the conversions of the first and last Chinese years seed their builds a little
// outside the supported days (the lunar year -3001 is found from -3001-01-15).
inline constexpr int32_t kStructureMarginDays = 3653;

// The Chinese years (CHL nian and CHS sui, named by Common Era year) that contain a supported
// day. A date of any other year is refused by the conversions to day numbers.
inline constexpr int kMinChineseYear = kMinYear - 1;
inline constexpr int kMaxChineseYear = kMaxYear;

struct YearStructure {
    SolarTermTable terms;                           // TermMoment, TermDay (true sun)
    int MonthCount = 0;                             // month starts found, at most kMaxMonths
    int32_t FirstLunation = 0;                      // lunation number of month 0
    std::array<LocalTime, kMaxMonths> DarkMoon{};   // CJDC instant of each month's dark moon
    std::array<DayNumber, kMaxMonths> MonthStart{}; // CJDC day number of each month's first day
    std::array<int16_t, kMaxMonths> MajorTermCount{}; // major terms whose day falls in the month
    // The month of each start: its number and leap flag for the months of the complete sui, no
    // month ({}: not ok()) from NumberedMonths on.
    std::array<ChineseMonth, kMaxMonths> Month{};
    int NumberedMonths = 0;                         // months of the complete sui, from month 0

    // A moment without a structure gets one without months.
    constexpr bool ok() const { return MonthCount > 0; }
};

// BuildSolarTerms for the conversions: the same table, but the true-sun tables of the last few
// solar years and longitudes are remembered in TheCalendarCache() (a table depends on nothing
// else).
SolarTermTable SolarTermsOf(LocalTime cjdc, TermMethod method);

// "05" for an ordinary month, "5*" for a leap month.
std::string MonthLabelStr(ChineseMonth month);

// The label of month i of a structure as its lists show it: MonthLabelStr of a numbered month,
// "stop here" for the first month after the last complete sui, "" for the months after it.
std::string MonthLabelOf(const YearStructure& ys, int i);

// Reads a month label: its number and whether it carries "*". nullopt for anything but a month
// number 1..12 with or without one "*" ("stop here" and the empty label included).
std::optional<ChineseMonth> ReadMonthLabel(const std::string& label);

// The structure around a local time at the reference meridian (CJDC; true-sun terms always).
// Not ok() for a time without one: not a number, far outside the supported days, a
// lunation the engine cannot find, or more month starts than the tables hold.
YearStructure BuildYearStructure(LocalTime cjdc);
// The same, with the dark moons and term tables remembered in (or, when it is off, computed
// without) the given cache.
YearStructure BuildYearStructure(LocalTime cjdc, CalendarCache& cache);

// Index of the month that contains the day (MonthStart[i] <= day < MonthStart[i + 1]); none
// when no closed month of the structure holds it.
std::optional<int> MonthIndexOfDay(const YearStructure& ys, DayNumber day);

} // namespace orlun

namespace orlun {

// The outcome of a CHL date's conversion to a day number, with the codes the program has always
// reported.
enum class CHLResult : int {
    Found = 0,            // the day is set
    FieldOutOfRange = -1, // a field out of range, or a year outside kMinChineseYear..kMaxChineseYear
    NoSecondNewYear = -2, // the built structure holds no second new year
    MonthNotFound = -3,   // the month was not found before the end of the structure
    DayBeyondMonth = -4,  // the day exceeds the month's length
    NoSuchMonth = -5,     // the month (a leap month, say) does not exist in that year
};

// The day of a CHL date, or why it has none.
struct CHLDay {
    CHLResult result = CHLResult::FieldOutOfRange;
    DayNumber day;  // the CJDC day number when result is Found
    constexpr bool found() const { return result == CHLResult::Found; }
};

// Whether the fields of a CHL date may be looked up at all: position 1..60, month 1..12 and day
// 1..31 (a 31st is looked up and found beyond its month, as the program has always answered).
constexpr bool CHLFieldsInRange(const ChineseLunarDate& date)
{
    return date.position >= 1 && date.position <= 60 && date.month.ok() && date.day >= 1 && date.day <= 31;
}

// CHL date to day number. The cycle counts from settings.epoch (the date's own epoch is not read).
CHLDay ChLDateToJDN(const ChineseLunarDate& date, const CalendarSettings& settings);

// The CHL and CHS dates of one day.
struct ChineseDatesOfDay {
    DayNumber day;                         // floor of the moment
    std::optional<ChineseLunarDate> lunar; // nullopt when the structure holds no month for the day
    std::optional<ChineseSolarDate> solar; // nullopt when its term table holds no term for the day
};

// A local time at the reference meridian (CJDC) to its CHL and CHS dates, their cycles counted
// from the epoch; nullopt when the time has no year structure.
std::optional<ChineseDatesOfDay> CJDateToChDates(LocalTime cjdc, int epoch);

// The CHL date of a day at the reference meridian, or nullopt (CJDateToChDates, its lunar date).
std::optional<ChineseLunarDate> LunarDateOfDay(DayNumber day, int epoch, Meridian reference);

// CHS date to day number, honouring the solar-term method of the settings; the cycle counts from
// settings.epoch. nullopt for a date outside its ranges or the supported years, or a day beyond
// its term.
std::optional<DayNumber> ChSDateToJDN(const ChineseSolarDate& date, const CalendarSettings& settings);

// The length of the date's month: 30 when day 30 of it converts, 29 when that fails with
// DayBeyondMonth, otherwise the failure's code (negative). The date's day is not read.
int CHLMonthLength(const ChineseLunarDate& date, const CalendarSettings& settings);

} // namespace orlun
