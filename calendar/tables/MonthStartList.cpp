#include "calendar/entry/DateEntryMessages.h"
#include "calendar/tables/MonthStartList.h"

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/Limits.h"
#include "calendar/tables/NativeColumns.h"
#include "calendar/tables/TableText.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr size_t kFullWidthCHL = sizeof("12-34-56-78 CHL") - 1;

std::string YearsText(int years) { return std::to_string(years) + (years > 1 ? " years" : " year"); }

// "79-30-01-01  CHL =  2013-02-10 CE = 2456334 JDN  29 days": the CHL texts padded so that the
// columns line up whatever the cycle's digits and the leap mark.
std::string MonthLine(const ChineseLunarDate& rec, DayNumber start, int length, bool julian, Country country,
                      Language language)
{
    std::string chl = CHLDateStr(rec, CHLTextForm::CyclePosition, "CHL", country);
    if (chl.size() < kFullWidthCHL) chl = " " + chl;
    if (!(rec.month.leap && rec.month.number >= 10)) chl.insert(chl.size() - 3, 1, ' '); // see SignedText
    const std::string cal = EuroCalendarCode(julian);
    return chl + " =  " + DateText(EuroDate(start, julian)) + " " + cal + " = " +
           SignedText(start.value()) + " JDN" + (length == 30 ? "  30 days" : "  29 days") +
           LunarDateColumn(language, rec) + kCrLf;
}

} // namespace

int FirstYearOfSpan(int year, int years) { return year - years / 2 + (years % 2 == 0 ? 1 : 0); }

MonthStartList::MonthStartList(int year, int years, bool leapOnly, bool julian,
                               const CalendarSettings& settings, Language language)
    : settings_(settings), first_(FirstYearOfSpan(year, years)), leapOnly_(leapOnly), julian_(julian),
      language_(language)
{
    total_ = years;
    const std::string span = "for " + YearsText(years) + " from " + std::to_string(first_) + " " +
                             EuroCalendarCode(julian);
    const std::string where = "longitude" + SignedText(settings.meridian.degreesEast()) + "\u00BA E, " +
                              CountryName(settings.country) + "):" + kCrLf;
    if (leapOnly) {
        heading_ = std::string("Leap months with corresponding date CE and Julian day number") + kCrLf +
                   span + " (" + EpochMethod(settings, false) + "," + kCrLf + where;
    } else {
        heading_ = std::string("Starts of all months with corresponding date CE") + kCrLf +
                   "and Julian day number " + span + kCrLf + "(" + EpochMethod(settings, false) +
                   ", " + where;
    }
}

bool MonthStartList::Next(std::string& out)
{
    if (done_ >= total_) return false;
    const int year = first_ + done_++;
    if (year > kMaxChineseYear) {
        Stop(DateRangeMessage(RangeCheck::TooLate)); // the list reached the last year
        return false;
    }
    if (year < kMinChineseYear) return true;
    const LunarYearMonths nian = LunarYearMonthsOf(year, settings_);
    ChineseLunarDate rec;
    rec.epoch = settings_.epoch;
    rec.cycle = static_cast<int32_t>(CycleOfYear(year, settings_.epoch));
    rec.position = PositionOfYear(year);
    rec.day = 1;
    for (const LunarMonth& m : nian.months) {
        // The list ends where the supported days end, as a typed date would be refused there.
        if (m.start > kLastSupportedDay) {
            Stop(DateRangeMessage(RangeCheck::TooLate));
            return false;
        }
        if (m.start < kFirstSupportedDay || (leapOnly_ && !m.leap)) continue;
        rec.month = ChineseMonth{m.number, m.leap};
        out += MonthLine(rec, m.start, m.length, julian_, settings_.country, language_);
    }
    return done_ < total_;
}

} // namespace orlun
