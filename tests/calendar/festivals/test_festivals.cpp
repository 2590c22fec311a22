// Festivals on their days in each country, the eve before any new year, never a leap month, and
// lunar anniversaries on a 30th or in a leap month, held against the month tables.
#include <gtest/gtest.h>

#include <map>

#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/core/Limits.h"
#include "calendar/festivals/Anniversary.h"
#include "calendar/festivals/EventText.h"
#include "calendar/festivals/FestivalDates.h"
#include "calendar/festivals/LunarEvents.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

std::string Day(DayNumber jdn) { return DateText(GregorianDate(jdn)); }

// key -> first day of each festival of the lunar year beginning in `year`.
std::map<std::string, std::string> FestivalDays(int year, Country country)
{
    std::map<std::string, std::string> days;
    for (const FestivalDay& d : FestivalsOfLunarYear(year, SettingsForCountry(country)).days)
        days[std::string(d.festival->key)] = Day(d.first);
    return days;
}

} // namespace

TEST(Festivals, ChinaIn2025)
{
    const std::map<std::string, std::string> expected = {
        {"spring-festival", "2025-01-29"}, {"lantern-festival", "2025-02-12"}, {"dragon-head", "2025-03-01"},
        {"qingming", "2025-04-04"},        {"dragon-boat", "2025-05-31"},      {"qixi", "2025-08-29"},
        {"ghost-festival", "2025-09-06"},  {"mid-autumn", "2025-10-06"},       {"double-ninth", "2025-10-29"},
        {"winter-solstice", "2025-12-21"}, {"laba", "2026-01-26"},             {"little-new-year-north", "2026-02-10"},
        {"little-new-year-south", "2026-02-11"},
        {"new-years-eve", "2026-02-16"}, // after a 29-day month 12
    };
    EXPECT_EQ(FestivalDays(2025, Country::China), expected);
}

TEST(Festivals, TheMeridianDecides)
{
    EXPECT_EQ(FestivalDays(2030, Country::Vietnam)["tet"], "2030-02-02");
    EXPECT_EQ(FestivalDays(2030, Country::China)["spring-festival"], "2030-02-03");
    EXPECT_EQ(FestivalDays(2025, Country::Vietnam)["hung-kings"], "2025-04-07");
    EXPECT_EQ(FestivalDays(2024, Country::Japan)["jugoya"], "2024-09-17");
    EXPECT_EQ(FestivalDays(2024, Country::Japan)["jusanya"], "2024-10-15");
    // Tết lasts three days.
    const FestivalYear vietnam = FestivalsOfLunarYear(2030, SettingsForCountry(Country::Vietnam));
    EXPECT_EQ(vietnam.days.front().days, 3);
}

TEST(Festivals, NeverInTheLeapMonth)
{
    // 2023 has a leap month 2 (from 2023-03-22): the second day of the second month is the ordinary one.
    EXPECT_EQ(FestivalDays(2023, Country::China)["dragon-head"], "2023-02-21");
    // 2025 has a leap month 6: the seventh month's festivals come after it.
    EXPECT_EQ(FestivalDays(2025, Country::China)["qixi"], "2025-08-29");
}

TEST(Festivals, TheEveIsTheDayBeforeTheNextNewYearWhateverMonth12Is)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    int withLeapEnd = 0;
    for (int year = -2999; year <= 2998; year += 1) {
        const LunarYearMonths nian = LunarYearMonthsOf(year, china);
        if (!nian.months.back().leap && year % 97 != 0) continue; // every year with a leap month last, and a sample
        withLeapEnd += nian.months.back().leap;
        const FestivalYear festivals = FestivalsOfLunarYear(year, china);
        ASSERT_TRUE(festivals.ok()) << year;
        const FestivalDay& eve = festivals.days.back();
        EXPECT_EQ(eve.festival->key, "new-years-eve") << year;
        EXPECT_EQ(eve.first, LunarYearMonthsOf(year + 1, china).NewYearDay() - 1) << year;
        EXPECT_EQ(eve.lunar.day, nian.months.back().length) << year;
        EXPECT_EQ(eve.lunar.leap, nian.months.back().leap) << year;
    }
    EXPECT_GT(withLeapEnd, 0); // the range holds years whose last month is a leap month
}

TEST(Festivals, TheRangeEndsCutTheYear)
{
    const FestivalYear last = FestivalsOfLunarYear(2999, SettingsForCountry(Country::China));
    EXPECT_EQ(last.coverage, FestivalCoverage::Cut);
    for (const FestivalDay& d : last.days) EXPECT_LE(d.first, kLastSupportedDay);
    EXPECT_EQ(FestivalsOfLunarYear(2025, SettingsForCountry(Country::China)).coverage, FestivalCoverage::Whole);
}

TEST(Anniversaries, AThirtiethFallsOnTheTwentyNinthOfAShortMonth)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    const Anniversaries found = AnniversariesOf({12, false, 30}, 2010, 20, china);
    ASSERT_EQ(found.days.size(), 20u);
    for (const AnniversaryDay& d : found.days) {
        LunarMonth month12;
        for (const LunarMonth& m : LunarYearMonthsOf(d.year, china).months)
            if (m.number == 12 && !m.leap) month12 = m;
        EXPECT_EQ(d.observed.day, month12.length) << d.year;
        EXPECT_EQ(d.jdn, month12.start + month12.length - 1) << d.year;
    }
    EXPECT_EQ(Day(found.days[15].jdn), "2026-02-16"); // 12-29 of the lunar year 2025
    EXPECT_FALSE(found.reachedRangeEnd);
}

TEST(Anniversaries, ALeapMonthDateIsKeptInTheLeapMonthWhenTheYearHasIt)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    // Born on 闰二月初四 of 2023 (2023-03-25).
    const Anniversaries found = AnniversariesOf({2, true, 4}, 2023, 40, china);
    ASSERT_EQ(found.days.size(), 40u);
    int leapYears = 0;
    for (const AnniversaryDay& d : found.days) {
        bool yearHasLeap2 = false;
        for (const LunarMonth& m : LunarYearMonthsOf(d.year, china).months) yearHasLeap2 |= m.leap && m.number == 2;
        EXPECT_EQ(d.observed.leap, yearHasLeap2) << d.year;
        EXPECT_EQ(d.observed.month, 2);
        EXPECT_EQ(d.observed.day, 4);
        leapYears += yearHasLeap2;
    }
    EXPECT_EQ(Day(found.days[0].jdn), "2023-03-25");
    EXPECT_GE(leapYears, 2); // 2023 itself and a later one
}

TEST(Anniversaries, StopAtTheEndOfTheRange)
{
    const Anniversaries found = AnniversariesOf({1, false, 1}, 2995, 10, SettingsForCountry(Country::China));
    EXPECT_TRUE(found.reachedRangeEnd);
    EXPECT_EQ(found.days.size(), 5u); // 2995 .. 2999; the new year of 3000 lies after 3000-01-01
    EXPECT_TRUE(AnniversariesOf({13, false, 1}, 2000, 5, SettingsForCountry(Country::China)).days.empty());
}

TEST(LunarDays, ReadAndLabelled)
{
    struct Case {
        const char* text;
        bool ok;
        int month;
        bool leap;
        int day;
    } const cases[] = {
        {"12-30", true, 12, false, 30}, {" 4*-15 ", true, 4, true, 15}, {"01-01", true, 1, false, 1},
        {"13-01", false, 0, false, 0},  {"12-31", false, 0, false, 0},  {"0-5", false, 0, false, 0},
        {"12", false, 0, false, 0},     {"a-b", false, 0, false, 0},    {"4**-1", false, 0, false, 0},
        {"+4-15", false, 0, false, 0},  {"4-+15", false, 0, false, 0},  {"4--15", false, 0, false, 0},
        {"99999999999-1", false, 0, false, 0}, {"\t4-15", false, 0, false, 0},
        {"", false, 0, false, 0},
    };
    for (const Case& c : cases) {
        const auto day = ParseLunarDay(c.text);
        ASSERT_EQ(day.has_value(), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(day->month, c.month);
        EXPECT_EQ(day->leap, c.leap);
        EXPECT_EQ(day->day, c.day);
    }
    EXPECT_EQ(LunarDayLabel({4, true, 5}), "04*-05");
}

TEST(LunarEvents, AMonthDayOutsideTheLunarYearStillReadsAsOne)
{
    struct Case {
        const char* text;
        bool monthDay; // of the month-day form, whatever its numbers
        int month;
        int day;
    } const cases[] = {
        {"13-01", true, 13, 1}, {"0-5", true, 0, 5},   {"12-31", true, 12, 31}, {" 13*-1 ", true, 13, 1},
        {"12--5", true, 12, -5}, {"12-30", true, 12, 30}, {"2025-01-03", false, 0, 0}, {"13-01 CE", false, 0, 0},
        {"-3-01", false, 0, 0},  {"13", false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto fields = ParseLunarDayFields(c.text);
        ASSERT_EQ(fields.has_value(), c.monthDay) << c.text;
        if (!c.monthDay) continue;
        EXPECT_EQ(fields->month, c.month) << c.text;
        EXPECT_EQ(fields->day, c.day) << c.text;
        EXPECT_EQ(ParseLunarDay(c.text).has_value(), fields->ok()) << c.text;
    }
}

TEST(LunarEvents, IdsStayTheSameAtEveryExportAndDifferBetweenEvents)
{
    const CalendarSettings vietnam = SettingsForCountry(Country::Vietnam);
    const auto a = AnniversaryEvents(AnniversariesOf({12, false, 30}, 2024, 3, vietnam), {12, false, 30}, "Giỗ bà",
                                     Language::Vietnamese, vietnam);
    const auto b = AnniversaryEvents(AnniversariesOf({12, false, 30}, 2024, 3, vietnam), {12, false, 30}, "Giỗ bà",
                                     Language::Vietnamese, vietnam);
    const auto other = AnniversaryEvents(AnniversariesOf({12, false, 30}, 2024, 3, vietnam), {12, false, 30},
                                         "Giỗ ông", Language::Vietnamese, vietnam);
    ASSERT_EQ(a.size(), 3u);
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].uid, b[i].uid);
        EXPECT_NE(a[i].uid, other[i].uid);
        if (i > 0) {
            EXPECT_NE(a[i].uid, a[i - 1].uid);
        }
    }
    // Month 12 of Giáp Thìn has 29 days: the 30th is kept on the 29th.
    EXPECT_EQ(a[0].description, "Âm lịch: ngày 29 tháng Chạp năm Giáp Thìn");
    const auto festivals = FestivalEvents(FestivalsOfLunarYear(2024, SettingsForCountry(Country::Japan)),
                                          Language::Japanese, SettingsForCountry(Country::Japan));
    EXPECT_EQ(festivals[0].uid, "lunar-new-year-2024-jp@orlun.calendar");
    EXPECT_EQ(festivals[0].description, "旧暦1月1日（先勝）");
    EXPECT_EQ(festivals[1].summary, "十五夜");
}

// The lines of the festival list and of `orlun-cli festivals`: the range word and the brackets of
// each language; English as it always was.
TEST(EventText, RangeWordAndBracketsOfEachLanguage)
{
    struct Case {
        Language language;
        const char* summary;
        const char* description;
        const char* line;
    };
    const Case cases[] = {
        {Language::English, "Tet", "lunar date 01-01", "2024-02-10 to 2024-02-12 Saturday Tet (lunar date 01-01)\n"},
        {Language::ChineseSimplified, "春节", "农历甲辰年正月初一", "2024-02-10至2024-02-12 星期六 春节 (农历甲辰年正月初一)\n"},
        {Language::ChineseTraditional, "春節", "農曆甲辰年正月初一", "2024-02-10至2024-02-12 星期六 春節 (農曆甲辰年正月初一)\n"},
        {Language::Vietnamese, "Tết Nguyên Đán", "Âm lịch: mùng 1 tháng Giêng năm Giáp Thìn",
         "2024-02-10 đến 2024-02-12 Thứ Bảy Tết Nguyên Đán (Âm lịch: mùng 1 tháng Giêng năm Giáp Thìn)\n"},
        // The rokuyō joins the date inside one pair of full-width brackets, none nested.
        {Language::Japanese, "旧正月", "旧暦1月1日（先勝）", "2024-02-10〜2024-02-12 土曜日 旧正月（旧暦1月1日・先勝）\n"},
        {Language::Japanese, "旧正月", "旧暦1月1日", "2024-02-10〜2024-02-12 土曜日 旧正月（旧暦1月1日）\n"},
    };
    for (const Case& c : cases) {
        const LunarEvent event{"id", DayNumber(2460351), 3, c.summary, c.description};
        EXPECT_EQ(EventLines({event}, c.language), c.line) << TagOf(c.language);
        LunarEvent oneDay = event;
        oneDay.days = 1;
        EXPECT_EQ(EventDaysText(oneDay, c.language), "2024-02-10") << TagOf(c.language);
    }
}

TEST(EventText, JapaneseFestivalLineFromTheTables)
{
    const CalendarSettings japan = SettingsForCountry(Country::Japan);
    const auto events = FestivalEvents(FestivalsOfLunarYear(2024, japan), Language::Japanese, japan);
    const std::string lines = EventLines(events, Language::Japanese);
    EXPECT_EQ(lines.substr(0, lines.find('\n')), "2024-02-10 土曜日 旧正月（旧暦1月1日・先勝）");
    EXPECT_EQ(lines.find("("), std::string::npos);
}
