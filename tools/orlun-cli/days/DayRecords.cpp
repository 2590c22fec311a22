#include "DayRecords.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/astro/SolarTermNames.h"
#include "calendar/chinese/ChineseDateText.h"
#include "calendar/core/Meridian.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/western/DatePr2.h"

namespace orlun::cli {

const Table kDaysTable{"days",
                       {{"ce"}, {"jc"}, {"chl"}, {"chl_cycle"}, {"chl_year"}, {"chl_month"}, {"chl_leap"},
                        {"chl_day"}, {"chs"}, {"day_name"}, {"month_name"}, {"year_name"}, {"moon_phase"},
                        {"moon_illumination"}, {"solar_term"}, {"solar_term_name"}}};

std::string IsoDateText(const WesternDate& date)
{
    // Room for any 32-bit year, its sign and the month and day.
    char text[32];
    const long long year = date.year;
    std::snprintf(text, sizeof text, "%s%04lld-%02d-%02d", year < 0 ? "-" : "", std::llabs(year), date.month, date.day);
    return text;
}

DayRecordMaker::DayRecordMaker(const CalendarSettings& settings) : settings_(settings) {}

int DayRecordMaker::TermBeginningOn(DayNumber day)
{
    const int32_t d = day.value();
    // A table holds three years of terms; a day before its first or after its last needs another.
    if (!haveTerms_ || d < terms_.TermDay.front() || d > terms_.TermDay.back()) {
        terms_ = BuildSolarTerms(Meridian(settings_.refLongitude).NoonOf(day), settings_.method);
        haveTerms_ = IsValid(terms_);
        if (!haveTerms_) return -1;
    }
    for (int i = 0; i < kTermTableSize; ++i)
        if (terms_.TermDay[i] == d) return i;
    return -1;
}

Record DayRecordMaker::Of(DayNumber day)
{
    const LocalTime noon = Meridian(settings_.refLongitude).NoonOf(day);
    const DisplayTexts t = BuildDisplayTexts(noon.moment().ajd(), settings_);
    const ChineseLunarDate chl = t.chl.value_or(ChineseLunarDate{});
    // The dates without the time of the display lines: the record is of the whole day.
    const std::string chlText = t.chl ? CHLDateStr(chl, CHLTextForm::CyclePosition, "CHL", settings_.country) : "";
    const std::string chsText = t.chs ? CHSDateStr(*t.chs, false) : "";
    const int term = TermBeginningOn(day);
    return {{IsoDateText(GregorianDate(day)), IsoDateText(JDNToDate(day, WesternCalendar::Julian)),
             chlText, int64_t{chl.cycle}, int64_t{chl.position}, int64_t{chl.month.number},
             int64_t{chl.month.leap ? 1 : 0}, int64_t{chl.day}, chsText, t.elementAnimalOfDay.caption + " " + t.elementAnimalOfDay.value,
             t.elementAnimalOfMonth.value, t.elementAnimalOfYear.value, t.moon.phaseText,
             Decimal{t.moon.illumination, 4}, term < 0 ? std::string() : SolarTermCodeOfIndex(term),
             term < 0 ? std::string() : SolarTermEnglishNameOfIndex(term)}};
}

} // namespace orlun::cli
