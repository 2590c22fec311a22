// The display texts of the main window's lines for a moment and the settings.
#include <gtest/gtest.h>

#include "calendar/western/DatePr2.h"
#include "calendar/presentation/DisplayModel.h"

using namespace orlun;

namespace {

// Noon at Greenwich is the integral AJD.
double AJDOfGregorianNoon(int year, int month, int day) { return GregorianJDN(year, month, day).value(); }

} // namespace

TEST(DisplayModel, LinesOfAKnownMoment)
{
    const DisplayTexts t = BuildDisplayTexts(Moment(2455900.92), SettingsForCountry(Country::China));
    EXPECT_EQ(t.astronomicalJD.value, "2,455,900.9200 AJD");
    EXPECT_EQ(t.cjdLondon.value, "2,455,901.4200 CJDL");
    EXPECT_EQ(t.commonEra.value, "2011-12-05 CE 10:04 GMT Monday");
    EXPECT_EQ(t.julianCalendar.value, "2011-11-22 JC 10:04 GMT Monday");
    EXPECT_EQ(t.cjdReference.caption, "Chronological JD 120\u00BA East");
    EXPECT_EQ(t.cjdReference.value, "2,455,901.7533 CJDC");
    EXPECT_EQ(t.deltaT.value, "1 minute");
    EXPECT_EQ(t.commonEra.toolTip,
              "The 5th day of December in the year 2011 in the Common Era Calendar (London).");
    EXPECT_EQ(t.julianCalendar.toolTip,
              "The 22nd day of November in the year 2011 in the Julian Calendar (London).");
}

TEST(DisplayModel, WindowOrderAndCaptions)
{
    const DisplayTexts t = BuildDisplayTexts(Moment(2451545.0), SettingsForCountry(Country::China));
    std::vector<std::string> controls, captions;
    for (const DisplayLine* line : t.Lines()) {
        controls.push_back(line->control);
        captions.push_back(line->caption);
    }
    EXPECT_EQ(controls, (std::vector<std::string>{
                            "lblChineseLunarDate", "lblChineseSolarDate",
                            "lblCommonEraDate", "lblJulianCalendarDate",
                            "lblArchetypesCalendarGMT", "lblArchetypesCalendarCCT",
                            "lblElementAnimalOfYear", "lblElementAnimalOfMonth", "lblYear",
                            "lblChronologicalJulianDateLondon",
                            "lblChronologicalJulianDateBeijing", "lblAstronomicalJulianDate",
                            "lblElementAnimalOfDay", "lblPhaseOfMoon", "lblAgeOfMoon",
                            "lblDeltaT"}));
    // The country handler names the Chinese lines without a colon; the second ARC line's caption
    // is the note comparing it with the CHL date (both 11-25 on 2000-01-01).
    EXPECT_EQ(captions, (std::vector<std::string>{
                            "Chinese Lunar", "Chinese Solar",
                            "Common Era (Gregorian):", "Julian Calendar:",
                            "Zodozizidu Zidevuze:", "ARC month & day same as CHL", "", "", "",
                            "Chronological JD London:", "Chronological JD 120\u00BA East",
                            "Astronomical Julian date:", "wu-wu", "Phase of Moon, illumination:",
                            "[Lunation] Age of Moon:", "Delta T:"}));
}

// An AJD of x.9 is CJDL x + 1.4 and, at 120 E, CJDC x + 1.4 + 1/3: 09:36 at Greenwich and
// 17:36 at the reference meridian, each on the civil day of its own meridian.
TEST(DisplayModel, EachMeridianKeepsItsOwnCivilDay)
{
    const DisplayTexts t = BuildDisplayTexts(Moment(2451544.9), SettingsForCountry(Country::China));
    EXPECT_EQ(t.commonEra.value, "2000-01-01 CE 09:36 GMT Saturday");
    EXPECT_DOUBLE_EQ(t.cjdl.cjd(), 2451545.4);
    EXPECT_NEAR(t.cjdc.cjd(), 2451545.4 + 1.0 / 3.0, 1e-9);
    EXPECT_EQ(ReferenceTime(t.cjdc, "CCT"), "17:36 CCT");
    // Late in the Greenwich day the reference meridian is already on the next day.
    const DisplayTexts late = BuildDisplayTexts(Moment(2451545.3), SettingsForCountry(Country::Japan));
    EXPECT_EQ(late.commonEra.value, "2000-01-01 CE 19:12 GMT Saturday");
    EXPECT_EQ(ReferenceTime(late.cjdc, "JST"), "04:12 JST");
    EXPECT_EQ(late.cjdReference.value, "2,451,546.1750 CJDC");
}

TEST(DisplayModel, TheReferenceMeridianOfEachCountry)
{
    EXPECT_EQ(BuildDisplayTexts(Moment(2455900.92), SettingsForCountry(Country::Vietnam)).cjdReference.value,
              "2,455,901.7117 CJDC");
    EXPECT_EQ(BuildDisplayTexts(Moment(2455900.92), SettingsForCountry(Country::Japan)).cjdReference.value,
              "2,455,901.7950 CJDC");
    EXPECT_EQ(CJDCCaption(Meridian(105)), "Chronological JD 105\u00BA East");
}

TEST(DisplayModel, YearsBeyond9999AreGroupedAndNegativeYearsKeepTheirSign)
{
    EXPECT_EQ(BuildDisplayTexts(Moment(AJDOfGregorianNoon(12345, 1, 1)), {}).commonEra.value.substr(0, 16),
              "12,345-01-01 CE ");
    EXPECT_EQ(BuildDisplayTexts(Moment(AJDOfGregorianNoon(9999, 12, 31)), {}).commonEra.value.substr(0, 14),
              "9999-12-31 CE ");
    EXPECT_EQ(BuildDisplayTexts(Moment(AJDOfGregorianNoon(-3000, 1, 1)), {}).commonEra.value,
              "-3000-01-01 CE 12:00 GMT Wednesday");
    // The Gregorian reform: the day after Julian 1582-10-04 is Gregorian 1582-10-15.
    const DisplayTexts reform = BuildDisplayTexts(Moment(2299161.0), {});
    EXPECT_EQ(reform.commonEra.value, "1582-10-15 CE 12:00 GMT Friday");
    EXPECT_EQ(reform.julianCalendar.value, "1582-10-05 JC 12:00 GMT Friday");
}

TEST(DisplayModel, TimesJustBeforeMidnight)
{
    // One second before midnight at Greenwich shows 23:59 on the same day.
    const DisplayTexts t = BuildDisplayTexts(Moment(2451545.5 - 1.0 / 86400.0), {});
    EXPECT_EQ(t.commonEra.value, "2000-01-01 CE 23:59 GMT Saturday");
    EXPECT_EQ(LondonTime(Meridian::Greenwich().At(2451545.0)), "00:00 GMT");
}

TEST(DisplayModel, DeltaTAsADuration)
{
    const struct {
        double minutes;
        const char* text;
    } cases[] = {
        {0.0, "0 minutes"},
        {0.4, "0 minutes"},
        {1.0, "1 minute"},
        {1.49, "1 minute"},
        {2.0, "2 minutes"},
        {59.6, "1 hour"},
        {60.0, "1 hour"},
        {61.0, "1 hour and 1 minute"},
        {65.0, "1 hour and 5 minutes"},
        {120.0, "2 hours"},
        {1439.0, "23 hours and 59 minutes"},
        {1439.6, "1 day"}, // rounds to 1440
        {1440.0, "1 day"},
        {1440.01, "More than 24 hours"},
        {5000.0, "More than 24 hours"},
    };
    for (const auto& c : cases) EXPECT_EQ(DeltaTText(c.minutes), c.text) << "minutes " << c.minutes;
}

TEST(DisplayModel, DeltaTAtTheRangeEndsIsLong)
{
    // Delta T is hours long at -3000: the line then reads in hours and minutes.
    const std::string text = BuildDisplayTexts(Moment(625333.0), {}).deltaT.value;
    EXPECT_NE(text.find("hours"), std::string::npos) << text;
}

// The day's names follow the civil day at the reference meridian, not at Greenwich.
TEST(DisplayModel, TheDayIsNamedAfterTheReferenceMeridiansDay)
{
    // 2000-01-01 at 120 E (JDN 2451545) is wu-wu, earth-horse (position 55).
    const DisplayTexts noon = BuildDisplayTexts(Moment(2451545.0), SettingsForCountry(Country::China));
    EXPECT_EQ(noon.dayPosition, 55);
    EXPECT_EQ(noon.elementAnimalOfDay.caption, "wu-wu");
    EXPECT_EQ(noon.elementAnimalOfDay.value, "earth-horse day");
    // 17:00 GMT on 2000-01-01 is already 01:00 of 2000-01-02 at 120 E: ji-wei, earth-sheep;
    // in Vietnam the same day is an earth-goat day, and in Japan too it is already the next day.
    const double evening = 2451545.0 + 5.0 / 24.0;
    EXPECT_EQ(BuildDisplayTexts(Moment(evening), SettingsForCountry(Country::China)).elementAnimalOfDay.value,
              "earth-sheep day");
    EXPECT_EQ(BuildDisplayTexts(Moment(evening), SettingsForCountry(Country::Vietnam)).elementAnimalOfDay.value,
              "earth-goat day");
    // At 105 E it is 00:00 exactly: the new day has begun.
    EXPECT_EQ(BuildDisplayTexts(Moment(evening), SettingsForCountry(Country::Vietnam)).dayPosition, 56);
}

TEST(DisplayModel, TheMoonLinesAtTheDarkMoonOfLunationZero)
{
    const DisplayTexts t = BuildDisplayTexts(Moment(2451550.26), SettingsForCountry(Country::China));
    EXPECT_EQ(t.phaseOfMoon.value, "Dark moon, 0.0%");
    EXPECT_EQ(t.ageOfMoon.value.substr(0, 15), "[0] 0 days, 0 h") << t.ageOfMoon.value;
}

TEST(DisplayModel, TheTwoARCLines)
{
    // 2000-01-01 12:00 GMT is 20:00 at 120 E, the same day: ARC 4697-11-25, a Mars Day.
    const DisplayTexts t = BuildDisplayTexts(Moment(2451545.0), SettingsForCountry(Country::China));
    EXPECT_EQ(t.arcGMT.value, "4697-11-25 ARC 12:00 GMT Mars Day");
    EXPECT_EQ(t.arcGMT.toolTip,
              "The 25th day of Dionysus in the year 4697 in the Zodozizidu Zidevuze (GMT timezone)");
    EXPECT_EQ(t.arcReference.value, "4697-11-25 ARC 20:00 CCT Mars Day");
    EXPECT_EQ(t.arcReference.toolTip,
              "The 25th day of Dionysus in the year 4697 in the Zodozizidu Zidevuze (CCT timezone)");
    // Four hours later Japan is on the next day, London not.
    const DisplayTexts late = BuildDisplayTexts(Moment(2451545.25), SettingsForCountry(Country::Japan));
    EXPECT_EQ(late.arcGMT.value, "4697-11-25 ARC 18:00 GMT Mars Day");
    EXPECT_EQ(late.arcReference.value, "4697-11-26 ARC 03:00 JST Jupiter Day");
}

TEST(DisplayModel, TheChineseLinesOfTheWaterSnakeNewYear)
{
    // 2013-02-10 12:00 GMT, 20:00 at 120 E: day 1 of month 1 of the year at position 30 of cycle 79.
    const DisplayTexts t = BuildDisplayTexts(Moment(2456334.0), SettingsForCountry(Country::China));
    EXPECT_EQ(t.chineseLunar.caption, "Chinese Lunar");
    EXPECT_EQ(t.chineseLunar.value, "79-30-01-01 CHL 20:00 CCT");
    EXPECT_EQ(t.chineseLunar.toolTip,
              "The 1st day (fire-sheep) of month 1 (wood-tiger) in the water-snake year (nian) at "
              "position 30 of cycle 79 (year 4711).");
    EXPECT_EQ(t.chineseSolar.value, "79-30-04-07 CHS 20:00 CCT");
    EXPECT_EQ(t.chineseSolar.toolTip,
              "The 7th day of solar term 4 (J1) in the year (sui) at position 30 of cycle 79.");
    EXPECT_EQ(t.elementAnimalOfYear.value, "gui-si water-snake year");
    EXPECT_EQ(t.elementAnimalOfMonth.value, "jia-yin wood-tiger month");
    // The year label counts (cycle - 1) * 60 + position, the long form the overseas Chinese year.
    EXPECT_EQ(t.yearNumber.value, "Year 4710");
    EXPECT_EQ(t.yearPosition, 30);
}

TEST(DisplayModel, OnTheFirstDayOfASolarTermTheCodeReplacesTheZone)
{
    // 2013-02-04 was Li chun (J1) at 120 E.
    const DisplayTexts first = BuildDisplayTexts(Moment(2456328.0), SettingsForCountry(Country::China));
    EXPECT_EQ(first.chineseSolar.value, "79-30-04-01 CHS (J1) 20:00");
    const DisplayTexts second = BuildDisplayTexts(Moment(2456329.0), SettingsForCountry(Country::China));
    EXPECT_EQ(second.chineseSolar.value, "79-30-04-02 CHS 20:00 CCT");
}

TEST(DisplayModel, TheOtherEpochChangesOnlyTheYearNumbers)
{
    CalendarSettings s = SettingsForCountry(Country::China);
    const DisplayTexts a = BuildDisplayTexts(Moment(2456334.0), s);
    s.epoch = -2636;
    const DisplayTexts b = BuildDisplayTexts(Moment(2456334.0), s);
    EXPECT_EQ(b.chineseLunar.value, "78-30-01-01 CHL 20:00 CCT");
    EXPECT_EQ(b.chineseSolar.value, "78-30-04-07 CHS 20:00 CCT");
    EXPECT_EQ(b.yearNumber.value, "Year 4650");
    EXPECT_EQ(a.commonEra.value, b.commonEra.value);
    EXPECT_EQ(a.arcGMT.value, b.arcGMT.value);
    EXPECT_EQ(a.cjdReference.value, b.cjdReference.value);
    EXPECT_EQ(a.elementAnimalOfYear.value, b.elementAnimalOfYear.value);
}

TEST(DisplayModel, CountriesNameTheirCalendarsAndAnimals)
{
    // The lunar year of 1985 began on 1985-01-21 in Vietnam but on 1985-02-20 in China.
    const double ajd = AJDOfGregorianNoon(1985, 2, 1);
    const DisplayTexts vn = BuildDisplayTexts(Moment(ajd), SettingsForCountry(Country::Vietnam));
    const DisplayTexts cn = BuildDisplayTexts(Moment(ajd), SettingsForCountry(Country::China));
    EXPECT_EQ(vn.chineseLunar.caption, "Vietnamese Lunar");
    EXPECT_EQ(vn.chineseLunar.value, "79-02-01-12 CHL 19:00 ICT");
    EXPECT_EQ(cn.chineseLunar.value, "79-01-12-12 CHL 20:00 CCT");
    // The pinyin names are shown for China only.
    EXPECT_EQ(vn.elementAnimalOfYear.value, "wood-ox year");
    EXPECT_EQ(cn.elementAnimalOfYear.value, "jia-zi wood-rat year");
    const DisplayTexts jp = BuildDisplayTexts(Moment(2450000.0), SettingsForCountry(Country::Japan));
    EXPECT_EQ(jp.chineseLunar.caption, "Japanese Lunar");
    EXPECT_NE(jp.chineseLunar.value.find(" JST"), std::string::npos);
}
