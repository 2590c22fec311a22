#include "DayRecords.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/astro/MoonData.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/chinese/SkyTable.h"
#include "calendar/core/Meridian.h"
#include "calendar/core/TimeScales.h"
#include "calendar/presentation/SexagenaryNames.h"
#include "calendar/western/DatePr2.h"
#include "calendar/presentation/NativeDayTexts.h"
#include "engine/lunev.h"
#include "NativeDayFields.h"

namespace orlun::cli {

const Table kDaysTable{"days",
                       {{"ce"}, {"jc"}, {"chl"}, {"chl_cycle"}, {"chl_year"}, {"chl_month"}, {"chl_leap"},
                        {"chl_day"}, {"chs"}, {"day_name"}, {"month_name"}, {"year_name"}, {"moon_phase"},
                        {"moon_illumination"}, {"solar_term"}, {"solar_term_name"}}};

Table DaysTable(std::optional<NativeLanguage> native) { return WithNativeDayColumns(kDaysTable, native); }

std::string IsoDateText(const WesternDate& date)
{
    // Room for any 32-bit year, its sign and the month and day.
    char text[32];
    const long long year = date.year;
    std::snprintf(text, sizeof text, "%s%04lld-%02d-%02d", year < 0 ? "-" : "", std::llabs(year), date.month, date.day);
    return text;
}

namespace {
// Days from a moment to the farthest instant of its term table, which spans three solar years,
// with room to spare.
constexpr double kTermTableSpan = 4 * 366;
} // namespace

DayRecordMaker::DayRecordMaker(const CalendarSettings& settings, std::optional<NativeLanguage> native)
    : settings_(settings), native_(native)
{
}

int DayRecordMaker::TermBeginningOn(DayNumber day)
{
    // A table holds three years of terms; a day before its first or after its last needs another.
    if (!haveTerms_ || day < terms_.TermDay.front() || day > terms_.TermDay.back()) {
        const LocalTime noon = settings_.meridian.NoonOf(day);
        // The sky table compiled into the program holds the engine's quarter points and crossings;
        // near a seam of the ephemeris files, where the engine's answers depend on what it was
        // asked before, the engine is asked as it always was.
        terms_ = near_ephemeris_seam(noon.moment().ajd(), kTermTableSpan)
                     ? BuildSolarTerms(noon, settings_.method)
                     : BuildSolarTerms(noon, settings_.method, TheSkyTable());
        haveTerms_ = IsValid(terms_);
        if (!haveTerms_) return -1;
    }
    for (int i = 0; i < kTermTableSize; ++i)
        if (terms_.TermDay[i] == day) return i;
    return -1;
}

Record DayRecordMaker::Of(DayNumber day)
{
    // The fields the main window shows at local noon, computed as it computes them but without
    // the lines a record has no field for.
    const Moment ajd = settings_.meridian.NoonOf(day).moment();
    const LocalTime cjdc = CJDLToCJDC(AJDToCJDL(ajd), settings_.meridian);
    const std::optional<ChineseDatesOfDay> dates = CJDateToChDates(cjdc, settings_.epoch);
    const std::optional<ChineseLunarDate> lunar = dates ? dates->lunar : std::nullopt;
    const std::optional<ChineseSolarDate> solar = dates ? dates->solar : std::nullopt;
    const ChineseLunarDate chl = lunar.value_or(ChineseLunarDate{});
    // The dates without the time of the display lines: the record is of the whole day.
    const std::string chlText = lunar ? CHLDateStr(chl, CHLTextForm::CyclePosition, "CHL", settings_.country) : "";
    const std::string chsText = solar ? CHSDateStr(*solar, false) : "";
    // The window names the month and the year only of a day with both dates.
    const bool named = lunar && solar;
    const int dayPosition = DayPosition(cjdc.day());
    const MoonData moon = ComputeMoonData(ajd, moonPhases_);
    const int term = TermBeginningOn(day);
    Record record{{IsoDateText(GregorianDate(day)), IsoDateText(JDNToDate(day, WesternCalendar::Julian)),
             chlText, int64_t{chl.cycle}, int64_t{chl.position}, int64_t{chl.month.number},
             int64_t{chl.month.leap ? 1 : 0}, int64_t{chl.day}, chsText,
             StemBranchStr(dayPosition) + " " + DayNameText(dayPosition, settings_.country),
             named ? MonthNameText(chl, settings_.country) : "", named ? YearNameText(chl, settings_.country) : "",
             moon.phaseText, Decimal{moon.illumination, 4}, term < 0 ? std::string() : SolarTermCodeOfIndex(term),
             term < 0 ? std::string() : SolarTermEnglishNameOfIndex(term)}};
    if (native_) {
        // The native texts are made from the same dates, as the display model would hold them.
        DisplayTexts shown;
        shown.chl = lunar;
        shown.chs = solar;
        shown.dayPosition = dayPosition;
        AppendNativeDay(record, NativeDayTextsOf(*native_, shown));
    }
    return record;
}

} // namespace orlun::cli
