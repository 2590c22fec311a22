#include "calendar/presentation/DisplayModel.h"

#include <cmath>

#include "calendar/arc/ArcCal.h"
#include "calendar/arc/ArcChlNote.h"
#include "calendar/chinese/Orlun1.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/TimeScales.h"
#include "calendar/presentation/SexagenaryNames.h"
#include "calendar/astro/syzyg.h"

namespace orlun {

namespace {

// "2001-12-31 CE 02:32 GMT Monday": the Western date of the London day, its time and weekday.
DisplayLine WesternLine(const char* control, const char* caption, WesternCalendar calendar,
                        const char* designation, LocalTime london)
{
    const WesternDate date = JDNToDate(london.day(), calendar);
    DisplayLine line;
    line.control = control;
    line.caption = caption;
    line.value = DateText(date) + " " + designation + " " + LondonTime(london) + " " +
                 WeekdayNameOfJDN(london.day());
    line.toolTip = DateLongText(date) + " (London).";
    return line;
}

// "4697-11-25 ARC 12:00 GMT Pluto Day": the ARC date of a day, the time there and the day's name.
DisplayLine ArcLine(const char* control, const char* caption, DayNumber day, const std::string& time,
                    const char* zoneWords)
{
    const ARCDate rec = JDNToARC(day);
    DisplayLine line;
    line.control = control;
    line.caption = caption;
    line.value = ARCDateStr(rec, ARCTextForm::Short) + " " + time + " " + ARCDayName(rec.day);
    line.toolTip = ARCDateStr(rec, ARCTextForm::Long) + " in the Zodozizidu Zidevuze (" + zoneWords + ")";
    return line;
}

// The Chinese lines of the CJDC moment, the year's and month's names and the ARC-CHL note.
void ChineseLines(DisplayTexts& t, const CalendarSettings& settings)
{
    if (const auto dates = CJDateToChDates(t.cjdc, settings.epoch)) {
        t.chl = dates->lunar;
        t.chs = dates->solar;
    }
    const std::string adjective = CountryAdjective(settings.country);
    // A moment far outside the supported years (a single move can go there) has no Chinese
    // dates: their lines and names stay empty rather than show the records' zeros.
    if (!t.chl || !t.chs) {
        t.chineseSolar = {"lblChineseSolarDate", adjective + " Solar", "", ""};
        t.chineseLunar = {"lblChineseLunarDate", adjective + " Lunar", "", ""};
        t.elementAnimalOfYear.control = "lblElementAnimalOfYear";
        t.elementAnimalOfMonth.control = "lblElementAnimalOfMonth";
        t.yearNumber.control = "lblYear";
        return;
    }
    const std::string time = ReferenceTime(t.cjdc, settings.zoneCode);
    const ChineseLunarDate& chl = *t.chl;
    const ChineseSolarDate& chs = *t.chs;

    // On the first day of a solar term the term's code stands where the zone code would: the line
    // ends with the time. (Cutting the last three characters of the whole line, as the older
    // program did, leaves a trailing blank and cuts the wrong text for a zone code of another
    // length.)
    std::string solar = CHSDateStr(chs, true) + " " + time;
    if (chs.day == 1) solar = CHSDateStr(chs, true) + " " + TimeText(t.cjdc.fractionOfDay());
    t.chineseSolar = {"lblChineseSolarDate", adjective + " Solar", solar, CHSLongStr(chs, {}, settings)};

    std::string longForm = CHLLongStr(chl, {.dayName = true, .monthName = true}, settings);
    for (size_t at; (at = longForm.find("\r\n")) != std::string::npos;) longForm.erase(at, 2);
    t.chineseLunar = {"lblChineseLunarDate", adjective + " Lunar",
                      CHLDateStr(chl, CHLTextForm::CyclePosition, "CHL", settings.country) + " " + time, longForm};

    t.yearPosition = chl.position;
    t.elementAnimalOfYear.control = "lblElementAnimalOfYear";
    t.elementAnimalOfYear.value = YearNameText(chl, settings.country);
    t.elementAnimalOfMonth.control = "lblElementAnimalOfMonth";
    t.elementAnimalOfMonth.value = MonthNameText(chl, settings.country);
    t.yearNumber.control = "lblYear";
    t.yearNumber.value = "Year " + std::to_string((int64_t{chl.cycle} - 1) * 60 + chl.position);

    t.arcReference.caption = ArcChlNote(t.chineseLunar.value, t.arcReference.value);
}

std::string CountText(int n, const char* unit)
{
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

} // namespace

std::vector<const DisplayLine*> DisplayTexts::Lines() const
{
    return {&chineseLunar,       &chineseSolar,
            &commonEra,          &julianCalendar, &arcGMT,    &arcReference,
            &elementAnimalOfYear, &elementAnimalOfMonth, &yearNumber,
            &cjdLondon,          &cjdReference,   &astronomicalJD,
            &elementAnimalOfDay, &phaseOfMoon,    &ageOfMoon, &deltaT};
}

const DisplayLine& DisplayTexts::LineOfCalendar(CalendarRow row) const
{
    switch (row) {
    case kRowCE: return commonEra;
    case kRowJC: return julianCalendar;
    case kRowCHL: return chineseLunar;
    case kRowCHS: return chineseSolar;
    case kRowAJD: return astronomicalJD;
    case kRowCJDC: return cjdReference;
    case kRowCJDL: return cjdLondon;
    case kRowARCGMT: return arcGMT;
    case kRowARCCCT: break;
    }
    return arcReference;
}

std::string CJDCCaption(Meridian reference)
{
    return "Chronological JD " + std::to_string(reference.degreesEast()) + "\u00BA East";
}

std::string DeltaTText(double minutes)
{
    if (std::isnan(minutes)) return "";
    if (minutes > 1440) return "More than 24 hours";
    const int m = static_cast<int>(std::lround(minutes));
    if (m == 1440) return "1 day";
    std::string text;
    if (m >= 60) text = CountText(m / 60, "hour");
    const int rest = m % 60;
    if (rest != 0) text += (text.empty() ? "" : " and ") + CountText(rest, "minute");
    return text.empty() ? "0 minutes" : text;
}

DisplayTexts BuildDisplayTexts(Moment ajd, const CalendarSettings& settings)
{
    DisplayTexts t;
    t.ajd = ajd;
    t.cjdl = AJDToCJDL(ajd);
    t.cjdc = CJDLToCJDC(t.cjdl, settings.meridian);

    t.astronomicalJD = {"lblAstronomicalJulianDate", "Astronomical Julian date:",
                        DayCountText(ajd.ajd()) + " AJD", ""};
    t.cjdLondon = {"lblChronologicalJulianDateLondon", "Chronological JD London:",
                   DayCountText(t.cjdl.cjd()) + " CJDL", ""};
    t.commonEra = WesternLine("lblCommonEraDate", "Common Era (Gregorian):", WesternCalendar::Gregorian, "CE", t.cjdl);
    t.julianCalendar = WesternLine("lblJulianCalendarDate", "Julian Calendar:", WesternCalendar::Julian, "JC", t.cjdl);
    t.arcGMT = ArcLine("lblArchetypesCalendarGMT", "Zodozizidu Zidevuze:", t.cjdl.day(),
                       LondonTime(t.cjdl), "GMT timezone");
    t.arcReference = ArcLine("lblArchetypesCalendarCCT", "", t.cjdc.day(),
                             ReferenceTime(t.cjdc, settings.zoneCode), "CCT timezone");
    ChineseLines(t, settings);
    t.cjdReference = {"lblChronologicalJulianDateBeijing", CJDCCaption(settings.meridian),
                      DayCountText(t.cjdc.cjd()) + " CJDC", ""};

    // The day's names follow the civil day at the reference meridian.
    t.dayPosition = DayPosition(t.cjdc.day());
    t.elementAnimalOfDay = {"lblElementAnimalOfDay", StemBranchStr(t.dayPosition),
                            DayNameText(t.dayPosition, settings.country), ""};

    t.moon = ComputeMoonData(ajd);
    t.phaseOfMoon = {"lblPhaseOfMoon", "Phase of Moon, illumination:", t.moon.phaseText, ""};
    t.ageOfMoon = {"lblAgeOfMoon", "[Lunation] Age of Moon:", t.moon.ageText, ""};
    t.deltaT = {"lblDeltaT", "Delta T:", DeltaTText(GetDeltaT(ajd)), ""};
    return t;
}

} // namespace orlun
