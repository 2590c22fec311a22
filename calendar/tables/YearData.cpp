#include "calendar/tables/YearData.h"

#include <cmath>

#include "calendar/astro/SolEq.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/TimeScales.h"
#include "calendar/tables/NativeColumns.h"
#include "calendar/tables/TableText.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

// A sui or a nian: its name in the cycle and the months counted so far. The first period of the
// table starts at -100 months, so that it is never classified.
struct Period {
    int64_t cycle = 0;
    int position = 0;
    int months = -100;

    void Advance()
    {
        if (++position > 60) {
            position = 1;
            ++cycle;
        }
    }
    std::string Name() const { return SignedText(cycle) + "-" + std::to_string(position); }
};

std::string Classification(int months, const char* kind)
{
    const std::string k = kind;
    switch (months) {
    case 11: return " was a short " + k + ", with 11 months.";
    case 12: return " was a normal " + k + ", with 12 months.";
    case 13: return " was a long " + k + ", with 13 months.";
    default: return "";
    }
}

// "Sui 79-30 was a normal sui, with 12 months." (CR LF only after a sentence).
std::string Closing(const char* word, const char* kind, const Period& p)
{
    const std::string sentence = Classification(p.months, kind);
    return word + p.Name() + sentence + (sentence.empty() ? "" : kCrLf);
}

// " 2013-01-12 CE 03:44 CCT  2,456,304.6556": the day right-aligned by its year, the time and
// the moment.
std::string DayAndMoment(DayNumber day, LocalTime moment, const std::string& cal, bool julian,
                         const std::string& zone)
{
    const std::string date = DateText(EuroDate(day, julian));
    const size_t yearLength = date.find('-', 1);
    const std::string pad(yearLength < 5 ? 5 - yearLength : 0, ' ');
    return pad + date + " " + cal + " " + TimeText(moment.cjd() - day.value()) + " " + zone + "  " +
           DayCountText(moment.cjd());
}

// What a month line says of the month: its label, its count of major terms and, for its native
// name, the month itself.
struct MonthMarks {
    std::string label;
    int majorTerms = 0;
    ChineseMonth month;
};

// Month 0 of the structure can end before the opening winter solstice. The structure then holds
// none of its terms and its walk labels it "10*", which the conversions never read. The table
// shows the number and leap flag the conversions give its first day and its own major terms.
MonthMarks MarksOfMonthBeforeSolstice(const YearStructure& ys, const CalendarSettings& s)
{
    MonthMarks marks{MonthLabelOf(ys, 0), ys.MajorTermCount[0], ChineseMonth{}}; // no native name for "10*"
    const auto dates = CJDateToChDates(s.meridian.MidnightOf(ys.MonthStart[0]), s.epoch);
    const SolarTermTable terms = SolarTermsOf(s.meridian.MidnightOf(ys.MonthStart[0]), TermMethod::TrueSun);
    if (!dates || !dates->lunar || !IsValid(terms)) return marks;
    marks.label = MonthLabelStr(dates->lunar->month);
    marks.month = dates->lunar->month;
    marks.majorTerms = 0;
    for (int i = 0; i < kTermTableSize; i += 2)
        if (terms.TermDay[i] >= ys.MonthStart[0] && terms.TermDay[i] < ys.MonthStart[1]) ++marks.majorTerms;
    return marks;
}

std::string Heading(int64_t cycle, int position, int year, const YearDataOptions& o,
                    const CalendarSettings& s)
{
    const std::string cal = EuroCalendarCode(o.julian);
    std::string h = "Dates, times and chronological Julian dates of dark moons";
    h += kCrLf;
    if (o.majorTerms || o.minorTerms) h += "and solar terms ";
    h += "for 3 solar years beginning" + SignedText(cycle) + "-" + std::to_string(position) + " (" +
         std::to_string(year) + " " + cal + ")," + kCrLf;
    h += EpochMethod(s, false) + ".  ";
    h += "Times are " + s.zoneCode + " times," + kCrLf;
    h += "which assume longitude " + std::to_string(s.meridian.degreesEast()) + "\u00BA E (" +
         CountryName(s.country) + ") as reference meridian." + kCrLf;
    return h;
}

} // namespace

std::string YearDataText(Moment ajd, const YearDataOptions& o, const CalendarSettings& s)
{
    const LocalTime cjdc = AJDToCJDC(ajd, s.meridian);
    const int32_t solarYear = SolarYearOf(s.meridian.At(std::floor(cjdc.cjd())));
    if (solarYear == kNoSolarYear) return "";
    const int year = solarYear - 1;
    const int64_t cycle = CycleOfYear(year, s.epoch);
    const int position = PositionOfYear(year);
    std::string text = Heading(cycle, position, year, o, s);

    const YearStructure ys = BuildYearStructure(cjdc);
    if (!ys.ok()) return text;

    const std::string cal = EuroCalendarCode(o.julian);
    const bool withTerms = o.majorTerms || o.minorTerms;
    Period sui{CycleOfYear(year - 1, s.epoch), PositionOfYear(year - 1)};
    Period nian = sui;
    int suiStarts = 0;
    int i = 0;
    while (i < kTermTableSize && ys.terms.TermDay[i] < ys.MonthStart[0]) ++i;

    std::string table;
    for (int m = 0; m < ys.MonthCount && m < ys.NumberedMonths; ++m) {
        const ChineseMonth month = ys.Month[m];
        const bool suiStart = month == ChineseMonth{11, false};
        const bool nianStart = month == kFirstMonth;
        // A fourth sui would run past the three the table is about.
        if (suiStart && ++suiStarts == 4) break;
        if (suiStart) {
            if (sui.months > 10) table += Closing("Sui", "sui", sui);
            table += kCrLf;
            sui.months = 0;
        } else if (nianStart) {
            if (nian.months > 10) table += Closing("Nian", "nian", nian);
            table += kCrLf;
            nian.months = 0;
        }
        if (withTerms) table += "---------- ";
        if (nianStart) {
            nian.Advance();
            table += "Nian " + nian.Name() + YearColumn(o.language, nian.position);
        } else if (suiStart) {
            sui.Advance();
            table += "Sui" + sui.Name();
        }
        if (suiStart || nianStart || withTerms) table += kCrLf;

        const bool beforeSolstice = m == 0 && ys.MonthCount > 1 && ys.MonthStart[1] <= ys.terms.TermDay[0];
        const MonthMarks marks = beforeSolstice ? MarksOfMonthBeforeSolstice(ys, s)
                                                : MonthMarks{MonthLabelStr(month), ys.MajorTermCount[m], month};
        table += DayAndMoment(ys.MonthStart[m], ys.DarkMoon[m], cal, o.julian, s.zoneCode) +
                 "  LN" + SignedText(int64_t{ys.FirstLunation} + m) + " M" + marks.label + " (" +
                 std::to_string(marks.majorTerms) + " zq)" + MonthColumn(o.language, marks.month) + kCrLf;
        ++sui.months;
        ++nian.months;

        if (m + 1 >= ys.MonthCount) continue;
        for (; i < kTermTableSize && ys.terms.TermDay[i] >= ys.MonthStart[m] &&
               ys.terms.TermDay[i] < ys.MonthStart[m + 1];
             ++i) {
            const bool major = i % 2 == 0;
            if (!(major ? o.majorTerms : o.minorTerms)) continue;
            table += DayAndMoment(ys.terms.TermDay[i], ys.terms.TermMoment[i], cal, o.julian,
                                  s.zoneCode) +
                     "  ST" + SignedText(i % kTermsPerYear + 1) + " " + SolarTermCodeOfIndex(i);
            if (o.termNames)
                table += ' ' + SolarTermPinyinNameOfIndex(i) + " (" + SolarTermEnglishNameOfIndex(i) + ")";
            table += TermColumn(o.language, SolarTermNumberOfIndex(i)) + kCrLf;
        }
    }
    table += Closing("Sui", "sui", sui);
    return text + table;
}

} // namespace orlun
