#include "calendar/DisplayModel.h"

#include <cmath>

#include "calendar/ArcCal.h"
#include "calendar/DatePr2.h"
#include "calendar/Sexagenary.h"
#include "calendar/TimeScales.h"
#include "calendar/syzyg.h"

namespace orlun {

namespace {

// "2001-12-31 CE 02:32 GMT Monday": the Western date of the London day, its time and weekday.
DisplayLine WesternLine(const char* control, const char* caption, char calendarLetter,
                        const char* designation, double cjdl)
{
    WesternDate rec;
    rec.jdn = DayNumberOf(cjdl);
    rec.calendar = static_cast<uint16_t>(calendarLetter);
    JDNToDate(rec);
    DisplayLine line;
    line.control = control;
    line.caption = caption;
    line.value = DateText(rec) + " " + designation + " " + LondonTime(cjdl) + " " +
                 WeekdayNameOfJDN(rec.jdn);
    line.toolTip = DateLongText(rec) + " (London).";
    return line;
}

// "4697-11-25 ARC 12:00 GMT Pluto Day": the ARC date of a day, the time there and the day's name.
DisplayLine ArcLine(const char* control, const char* caption, int32_t day, const std::string& time,
                    const char* zoneWords)
{
    const ARCDate rec = ARCDateOfJDN(day);
    DisplayLine line;
    line.control = control;
    line.caption = caption;
    line.value = ARCDateStr(rec, kARCShortForm) + " " + time + " " + ARCDayName(rec.day);
    line.toolTip = ARCDateStr(rec, kARCLongForm) + " in the Zodozizidu Zidevuze (" + zoneWords + ")";
    return line;
}

std::string CountText(int n, const char* unit)
{
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

} // namespace

std::vector<const DisplayLine*> DisplayTexts::Lines() const
{
    return {&commonEra,          &julianCalendar, &arcGMT,    &arcReference,
            &cjdLondon,          &cjdReference,   &astronomicalJD,
            &elementAnimalOfDay, &phaseOfMoon,    &ageOfMoon, &deltaT};
}

std::string LondonTime(double cjdl) { return TimeText(FractionOf(cjdl)) + " GMT"; }

std::string ReferenceTime(double cjdc, const std::string& zoneCode)
{
    return TimeText(FractionOf(cjdc)) + " " + zoneCode;
}

std::string CJDCCaption(int refLongitude)
{
    return "Chronological JD " + std::to_string(refLongitude) + "\u00BA East";
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

DisplayTexts BuildDisplayTexts(double ajd, const CalendarSettings& settings)
{
    DisplayTexts t;
    t.ajd = ajd;
    t.cjdl = AJDToCJDL(ajd);
    t.cjdc = CJDLToCJDC(t.cjdl, settings.refLongitude);

    t.astronomicalJD = {"lblAstronomicalJulianDate", "Astronomical Julian date:",
                        DayCountText(ajd) + " AJD", ""};
    t.cjdLondon = {"lblChronologicalJulianDateLondon", "Chronological JD London:",
                   DayCountText(t.cjdl) + " CJDL", ""};
    t.commonEra = WesternLine("lblCommonEraDate", "Common Era (Gregorian):", 'G', "CE", t.cjdl);
    t.julianCalendar = WesternLine("lblJulianCalendarDate", "Julian Calendar:", 'J', "JC", t.cjdl);
    t.arcGMT = ArcLine("lblArchetypesCalendarGMT", "Zodozizidu Zidevuze:", DayNumberOf(t.cjdl),
                       LondonTime(t.cjdl), "GMT timezone");
    t.arcReference = ArcLine("lblArchetypesCalendarCCT", "", DayNumberOf(t.cjdc),
                             ReferenceTime(t.cjdc, settings.zoneCode), "CCT timezone");
    t.cjdReference = {"lblChronologicalJulianDateBeijing", CJDCCaption(settings.refLongitude),
                      DayCountText(t.cjdc) + " CJDC", ""};

    // The day's names follow the civil day at the reference meridian.
    const int32_t day = DayNumberOf(t.cjdc);
    t.dayPosition = DayPosition(day);
    t.elementAnimalOfDay = {"lblElementAnimalOfDay", StemBranchStr(t.dayPosition),
                            ElementAnimalStr(t.dayPosition, settings.country) + " day", ""};

    t.moon = ComputeMoonData(ajd);
    t.phaseOfMoon = {"lblPhaseOfMoon", "Phase of Moon, illumination:", t.moon.phaseText, ""};
    t.ageOfMoon = {"lblAgeOfMoon", "[Lunation] Age of Moon:", t.moon.ageText, ""};
    t.deltaT = {"lblDeltaT", "Delta T:", DeltaTText(GetDeltaT(ajd)), ""};
    return t;
}

} // namespace orlun
