#include "calendar/entry/DateEntryMessages.h"
#include "calendar/tables/EuroNewYearList.h"

#include <cmath>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun1.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/tables/NativeColumns.h"
#include "calendar/tables/TableText.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr int kYearsPerChunk = 10;

} // namespace

int EuroYearOfMoment(Moment ajd, bool julian)
{
    return EuroDate(AJDToCJDL(ajd).day(), julian).year;
}

EuroNewYearList::EuroNewYearList(int firstYear, int years, bool julian, const CalendarSettings& settings,
                                 Language language)
    : settings_(settings), first_(firstYear), julian_(julian), language_(language)
{
    total_ = years;
    heading_ = std::string("Lunar calendar dates of New Years Day in the ") +
               (julian ? "Julian Calendar" : "Common Era Calendar") + kCrLf + "(" +
               SettingsNote(settings, ", ") + ")" + kCrLf;
    written_ = heading_.size();
}

bool EuroNewYearList::Flush(std::string& out)
{
    out += pending_;
    written_ += pending_.size();
    pending_.clear();
    if (written_ < kMaxListText) return true;
    Stop(kOutputFull);
    return false;
}

bool EuroNewYearList::Next(std::string& out)
{
    if (done_ >= total_) return false;
    const WesternDate newYear{first_ + done_, 1, 1, julian_ ? WesternCalendar::Julian : WesternCalendar::Gregorian};
    const DayNumber jdn = DateToJDN(newYear);
    if (jdn < kFirstSupportedDay || jdn > kLastSupportedDay) {
        Stop(DateRangeMessage(jdn < kFirstSupportedDay ? RangeCheck::TooEarly : RangeCheck::TooLate));
        Flush(out);
        return false;
    }
    // Every supported day has a lunar date; the empty fields stand in, as they always have.
    const ChineseLunarDate chl =
        LunarDateOfDay(jdn, settings_.epoch, settings_.meridian).value_or(ChineseLunarDate{});
    pending_ += std::to_string(newYear.year) + "-01-01 " + EuroCalendarCode(julian_) + " = " +
                CHLDateStr(chl, CHLTextForm::CyclePosition, "CHL", settings_.country) +
                LunarDateColumn(language_, chl) + kCrLf;
    pending_ += CHLStemBranchStr(chl, settings_) +
                StemBranchColumn(language_, chl.position, MonthPosition(chl.position, chl.month.number),
                                 DayPosition(jdn)) +
                kCrLf;
    ++done_;
    if (done_ % kYearsPerChunk == 0 || done_ >= total_) {
        if (!Flush(out)) return false;
    }
    return done_ < total_;
}

} // namespace orlun
