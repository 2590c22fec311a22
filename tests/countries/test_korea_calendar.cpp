// The calculators with a fourth country in the table: Korea at 127 E takes its meridian, zone
// code, names, animals and festivals from its row alone.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "calendar/core/CountryProfile.h"
#include "calendar/core/Meridian.h"
#include "calendar/core/Settings.h"
#include "calendar/core/ZoneCodes.h"
#include "calendar/entry/DateEntry.h"
#include "calendar/festivals/FestivalDates.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/western/DatePr2.h"
#include "calendar/presentation/DisplayModel.h"
#include "countries/TestCountry.h"

using namespace orlun;
using orlun::test::kKorea;

namespace {

// The dark moon of 2023-05-19 15:53 UT comes before midnight in China (23:53) but after it in
// Korea (00:21 on the 20th) and Japan, so the fourth month starts a day apart.
constexpr double k20May2023At0000UT = 2460084.5;
constexpr double k19May2023At1520UT = 2460084.5 - (8 * 60 + 40) / 1440.0;
constexpr int32_t kJDN_2023_05_19 = 2460084;

} // namespace

TEST(KoreaTable, IsTheFourthRowOfEveryList)
{
    ASSERT_EQ(CountryProfiles().size(), 4u);
    EXPECT_EQ(CountryAt(3), kKorea);
    EXPECT_EQ(CountryAt(4), std::nullopt);
    EXPECT_EQ(CountryAt(-1), std::nullopt);
    EXPECT_EQ(CountryFromName("KOREA"), kKorea);
    EXPECT_EQ(CountryFromName("Korea2"), std::nullopt);
    EXPECT_EQ(CountryNameList("|", "|"), "Vietnam|China|Japan|Korea");
    EXPECT_EQ(CountryNameList(", ", " or "), "Vietnam, China, Japan or Korea");
    // A number without a row reads as China, never past the table.
    EXPECT_EQ(CountryName(Country{4}), "China");
}

TEST(KoreaTable, MeridiansAndZoneCodes)
{
    struct Case {
        int longitude;
        Country country; // the country a saved longitude restores without a chosen country
        const char* zone;
    };
    const Case cases[] = {
        {105, Country::Vietnam, "ICT"}, {120, Country::China, "CCT"}, {126, Country::China, "L26"},
        {127, kKorea, "KST"},           {128, Country::China, "L28"}, {135, Country::Japan, "JST"},
        {140, Country::China, "EDO"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountryOfMeridian(c.longitude), c.country) << c.longitude;
        EXPECT_EQ(DefaultZoneCode(c.longitude), c.zone) << c.longitude;
    }
    const CalendarSettings korea = SettingsForCountry(kKorea);
    EXPECT_EQ(korea.meridian.degreesEast(), 127);
    EXPECT_EQ(korea.zoneCode, "KST");
}

TEST(KoreaDisplay, TheMonthStartsAtItsOwnMeridian)
{
    struct Case {
        Country country;
        double ajd;
        const char* caption;
        const char* lunar;
        const char* cjdc;
    };
    const Case cases[] = {
        {Country::China, k20May2023At0000UT, "Chinese Lunar", "79-40-04-02 CHL 08:00 CCT", "2,460,085.3333 CJDC"},
        {kKorea, k20May2023At0000UT, "Korean Lunar", "79-40-04-01 CHL 08:28 KST", "2,460,085.3528 CJDC"},
        {Country::Japan, k20May2023At0000UT, "Japanese Lunar", "79-40-04-01 CHL 09:00 JST", "2,460,085.3750 CJDC"},
        // 23:20 in China, already the fourth month; 23:48 in Korea, still the third.
        {Country::China, k19May2023At1520UT, "Chinese Lunar", "79-40-04-01 CHL 23:20 CCT", "2,460,084.9722 CJDC"},
        {kKorea, k19May2023At1520UT, "Korean Lunar", "79-40-03-30 CHL 23:48 KST", "2,460,084.9917 CJDC"},
    };
    for (const Case& c : cases) {
        const DisplayTexts t = BuildDisplayTexts(Moment(c.ajd), SettingsForCountry(c.country));
        EXPECT_EQ(t.chineseLunar.caption, c.caption);
        EXPECT_EQ(t.chineseLunar.value, c.lunar) << c.caption << " at " << c.ajd;
        EXPECT_EQ(t.cjdReference.value, c.cjdc) << c.caption << " at " << c.ajd;
    }
    const DisplayTexts korea = BuildDisplayTexts(Moment(k20May2023At0000UT), SettingsForCountry(kKorea));
    EXPECT_EQ(korea.cjdReference.caption, "Chronological JD 127\u00BA East");
    // Not China: no stem-branch names before the element-animal.
    EXPECT_EQ(korea.elementAnimalOfYear.value, "water-rabbit year");
}

TEST(KoreaEntry, AChineseDateIsReadAtItsMeridian)
{
    struct Case {
        Country country;
        int32_t day; // the day the date names, on the country's meridian
    };
    const Case cases[] = {{Country::China, kJDN_2023_05_19}, {kKorea, kJDN_2023_05_19 + 1}};
    for (const Case& c : cases) {
        DateEntry entry;
        entry.date = "79-40-04-01 CHL";
        const CalendarSettings settings = SettingsForCountry(c.country);
        const ParseResult r = ParseDate(entry, settings, [](const std::string&) { return true; });
        ASSERT_EQ(r.errorCode, DateEntryError::None) << CountryName(c.country);
        const DayNumber day = Meridian(settings.meridian.degreesEast()).LocalTimeOf(Moment(r.ajd)).day();
        EXPECT_EQ(day.value(), c.day) << CountryName(c.country);
    }
    // The overseas Chinese year is read in China only.
    DateEntry overseas;
    overseas.date = "4720-4-1 CHL";
    EXPECT_EQ(ParseDate(overseas, SettingsForCountry(kKorea), {}).errorCode, DateEntryError::InvalidCHL);
}

TEST(KoreaEntry, ItsOwnAnimalWordNamesTheYear)
{
    // "79-?-01-01" with fire and Korea's ram: the reader takes the year of fire-ram, 79-44 (2027).
    constexpr int kFire = 1;
    constexpr int kEighthAnimal = 7;
    ASSERT_EQ(AnimalName(kEighthAnimal, kKorea), test::kKoreanSheep);
    DateEntry chosen;
    chosen.date = "79-?-01-01 CHL";
    chosen.element = kFire;
    chosen.animal = kEighthAnimal;
    DateEntry typed;
    typed.date = "79-44-01-01 CHL";
    const CalendarSettings korea = SettingsForCountry(kKorea);
    const ParseResult byAnimal = ParseDate(chosen, korea, [](const std::string&) { return true; });
    const ParseResult byNumber = ParseDate(typed, korea, [](const std::string&) { return true; });
    ASSERT_EQ(byAnimal.errorCode, DateEntryError::None);
    ASSERT_EQ(byNumber.errorCode, DateEntryError::None);
    EXPECT_EQ(byAnimal.ajd, byNumber.ajd);
    EXPECT_EQ(BuildDisplayTexts(byAnimal.ajd, korea).elementAnimalOfYear.value, "fire-ram year");
}

TEST(KoreaFestivals, ItsOwnTableAtItsMeridian)
{
    std::map<std::string, std::string> days;
    const FestivalYear year = FestivalsOfLunarYear(2025, SettingsForCountry(kKorea));
    ASSERT_TRUE(year.whole());
    for (const FestivalDay& d : year.days)
        days[std::string(d.festival->key)] = DateText(GregorianDate(DayNumber(d.first)));
    const std::map<std::string, std::string> expected = {
        {"seollal", "2025-01-29"}, {"daeboreum", "2025-02-12"}, {"dano", "2025-05-31"}, {"chuseok", "2025-10-06"}};
    EXPECT_EQ(days, expected);
    EXPECT_EQ(year.days.front().days, 3);
    EXPECT_EQ(FestivalName(*year.days.back().festival, Language::Japanese, kKorea), "Chuseok");
}
