// Dates in the users' own script: every month and day name against the traditional rules, leap
// months in each language, the rokuyō, the tables against docs/glossary.md, and dates whose
// native names every user knows.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "calendar/chinese/Orlun3.h"
#include "calendar/native/Language.h"
#include "calendar/native/NativeDateText.h"
#include "calendar/native/NativeTables.h"
#include "calendar/native/Rokuyo.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

constexpr NativeLanguage kHans = NativeLanguage::ChineseSimplified;
constexpr NativeLanguage kHant = NativeLanguage::ChineseTraditional;
constexpr NativeLanguage kVi = NativeLanguage::Vietnamese;
constexpr NativeLanguage kJa = NativeLanguage::Japanese;

// The cells of every table row of a section of the glossary ("## Solar terms"), header and rule
// rows left out.
std::vector<std::vector<std::string>> GlossaryRows(const std::string& section)
{
    std::ifstream in(std::string(ORLUN_DOCS_DIR) + "/glossary.md");
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool inSection = false, header = true;
    while (std::getline(in, line)) {
        if (line.rfind("## ", 0) == 0) {
            inSection = line == "## " + section;
            header = true;
            continue;
        }
        if (!inSection || line.rfind("|", 0) != 0) continue;
        if (line.rfind("|---", 0) == 0) {
            header = false;
            continue;
        }
        if (header) continue;
        std::vector<std::string> cells;
        std::stringstream s(line.substr(1));
        for (std::string cell; std::getline(s, cell, '|');) {
            const size_t a = cell.find_first_not_of(' '), b = cell.find_last_not_of(' ');
            cells.push_back(a == std::string::npos ? "" : cell.substr(a, b - a + 1));
        }
        rows.push_back(cells);
    }
    return rows;
}

// The CHL date of a Gregorian day at a country's meridian.
ChineseLunarDate LunarOn(int year, int month, int day, int longitude)
{
    return LunarDateOfDay(GregorianJDN(year, month, day), -2696, Meridian(longitude)).value();
}

} // namespace

TEST(NativeDays, ChineseDayNamesFollowTheAlmanac)
{
    const std::map<int, std::string> expected = {{1, "初一"},  {2, "初二"},  {9, "初九"},  {10, "初十"},
                                                 {11, "十一"}, {15, "十五"}, {19, "十九"}, {20, "二十"},
                                                 {21, "廿一"}, {25, "廿五"}, {29, "廿九"}, {30, "三十"}};
    for (const auto& [day, name] : expected) {
        EXPECT_EQ(DayText(kHans, day), name) << day;
        EXPECT_EQ(DayText(kHant, day), name) << day;
    }
    // Every day: 初 for the first ten, 十 for the second (but 二十), 廿 for the third (but 三十).
    for (int day = 1; day <= 30; ++day) {
        const std::string name = DayText(kHans, day);
        const std::string first = name.substr(0, 3);
        const char* expectedFirst = day <= 10 ? "初" : day < 20 ? "十" : day == 20 ? "二" : day < 30 ? "廿" : "三";
        EXPECT_EQ(first, expectedFirst) << day;
        EXPECT_EQ(name.size(), 6u) << day; // two characters
    }
    for (const int bad : {0, 31, -1}) EXPECT_EQ(DayText(kHans, bad), "");
}

TEST(NativeDays, VietnameseAndJapaneseDays)
{
    EXPECT_EQ(DayText(kVi, 1), "mùng 1");
    EXPECT_EQ(DayText(kVi, 10), "mùng 10");
    EXPECT_EQ(DayText(kVi, 11), "11");
    EXPECT_EQ(DayText(kVi, 30), "30");
    EXPECT_EQ(DayText(kJa, 1), "1日");
    EXPECT_EQ(DayText(kJa, 30), "30日");
}

TEST(NativeMonths, EveryMonthAndItsLeapMonthInEachLanguage)
{
    const auto rows = GlossaryRows("Lunar months");
    ASSERT_EQ(rows.size(), 15u);
    for (int month = 1; month <= 12; ++month) {
        const auto& row = rows[static_cast<size_t>(month - 1)];
        EXPECT_EQ(MonthText(kHans, month, false), row[1]);
        EXPECT_EQ(MonthText(kHant, month, false), row[2]);
        EXPECT_EQ(MonthText(kVi, month, false), row[3]);
        EXPECT_EQ(MonthText(kJa, month, false), row[4]);
        // The leap mark: before the name in Chinese and Japanese, after it in Vietnamese.
        EXPECT_EQ(MonthText(kHans, month, true), "闰" + row[1]);
        EXPECT_EQ(MonthText(kHant, month, true), "閏" + row[2]);
        EXPECT_EQ(MonthText(kVi, month, true), row[3] + " nhuận");
        EXPECT_EQ(MonthText(kJa, month, true), "閏" + row[4]);
    }
    EXPECT_EQ(rows[12], (std::vector<std::string>{"leap 2", MonthText(kHans, 2, true), MonthText(kHant, 2, true),
                                                  MonthText(kVi, 2, true), MonthText(kJa, 2, true)}));
    EXPECT_EQ(rows[13][1], MonthSizeText(kHans, 30));
    EXPECT_EQ(rows[14][3], MonthSizeText(kVi, 29));
    EXPECT_EQ(MonthSizeText(kHans, 28), "");
    EXPECT_EQ(MonthText(kHans, 13, false), "");
    EXPECT_EQ(MonthText(kVi, 0, true), "");
}

TEST(NativeTerms, TheTwentyFourTermsEqualTheGlossaryInEachLanguage)
{
    const auto rows = GlossaryRows("Solar terms");
    ASSERT_EQ(rows.size(), 24u);
    for (const auto& row : rows) {
        const int term = std::stoi(row[1]);
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(TermText(kHans, term), row[4]);
        EXPECT_EQ(TermText(kHant, term), row[5]);
        EXPECT_EQ(TermText(kVi, term), row[6]);
        EXPECT_EQ(TermText(kJa, term), row[7]);
    }
    // The program's first term is the winter solstice; its fourth the beginning of spring.
    EXPECT_EQ(TermText(kHans, 1), "冬至");
    EXPECT_EQ(TermText(kHans, 4), "立春");
    EXPECT_EQ(TermText(kHans, 8), "清明");
    // The Japanese sekki are not the Chinese forms.
    EXPECT_EQ(TermText(kJa, 6), "啓蟄");
    EXPECT_EQ(TermText(kJa, 11), "小満");
    EXPECT_EQ(TermText(kJa, 17), "処暑");
    EXPECT_EQ(TermText(kHant, 6), "驚蟄");
    EXPECT_EQ(TermText(kVi, 1), "Đông chí");
    EXPECT_EQ(TermText(kVi, 25), "");
}

TEST(NativeCycle, StemsBranchesAndAnimalsEqualTheGlossary)
{
    const auto stems = GlossaryRows("Celestial stems");
    const auto branches = GlossaryRows("Earthly branches and their animals");
    ASSERT_EQ(stems.size(), 10u);
    ASSERT_EQ(branches.size(), 12u);
    for (int position = 1; position <= 60; ++position) {
        const auto& stem = stems[static_cast<size_t>((position - 1) % 10)];
        const auto& branch = branches[static_cast<size_t>((position - 1) % 12)];
        const auto part = [](const std::string& cell, int which) {
            const size_t blank = cell.find(' ');
            return which == 0 ? cell.substr(0, blank) : cell.substr(blank + 1);
        };
        EXPECT_EQ(StemBranchText(kHans, position), stem[2] + part(branch[3], 0));
        EXPECT_EQ(StemBranchText(kVi, position), stem[4] + " " + part(branch[5], 0));
        EXPECT_EQ(AnimalText(kHans, position), part(branch[3], 1));
        EXPECT_EQ(AnimalText(kHant, position), part(branch[4], 1));
        EXPECT_EQ(AnimalText(kVi, position), part(branch[5], 1));
        EXPECT_EQ(AnimalText(kJa, position), part(branch[6], 1));
    }
    EXPECT_EQ(YearText(kHans, 1), "甲子年");
    EXPECT_EQ(YearText(kVi, 41), "năm Giáp Thìn");
    EXPECT_EQ(YearText(kJa, 60), "癸亥年");
    EXPECT_EQ(YearText(kHans, 61), "");
    EXPECT_EQ(StemBranchText(kVi, 0), "");
}

TEST(NativePhases, PhasesEqualTheGlossary)
{
    const auto rows = GlossaryRows("Phases of the Moon");
    ASSERT_EQ(rows.size(), 4u);
    for (int phase = 0; phase < 4; ++phase) {
        const auto& row = rows[static_cast<size_t>(phase)];
        EXPECT_EQ(PhaseText(kHans, phase), row[2]);
        EXPECT_EQ(PhaseText(kHant, phase), row[3]);
        EXPECT_EQ(PhaseText(kVi, phase), row[4]);
        EXPECT_EQ(PhaseText(kJa, phase), row[5]);
    }
    EXPECT_EQ(PhaseText(kJa, 4), "");
}

TEST(NativeWeekdays, WeekdaysEqualTheGlossary)
{
    const auto rows = GlossaryRows("Weekdays");
    ASSERT_EQ(rows.size(), 7u);
    for (int weekday = 0; weekday < 7; ++weekday) {
        const auto& row = rows[static_cast<size_t>(weekday)];
        EXPECT_EQ(WeekdayText(kHans, weekday), row[2]);
        EXPECT_EQ(WeekdayText(kHant, weekday), row[3]);
        EXPECT_EQ(WeekdayText(kVi, weekday), row[4]);
        EXPECT_EQ(WeekdayText(kJa, weekday), row[5]);
    }
    EXPECT_EQ(WeekdayText(kVi, 7), "");
}

TEST(NativeRokuyo, FirstDaysOfMonthsAndAWholeYear)
{
    // The first day of month m is the m-th of 先勝 友引 先負 仏滅 大安 赤口, repeating.
    const std::string firsts[] = {"先勝", "友引", "先負", "仏滅", "大安", "赤口"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(RokuyoText(*RokuyoOf(month, 1)), firsts[(month - 1) % 6]) << month;
    EXPECT_EQ(RokuyoText(*RokuyoOf(8, 15)), "仏滅");
    // Through a whole year the cycle advances by one a day and restarts at each month.
    for (int month = 1; month <= 12; ++month)
        for (int day = 2; day <= 30; ++day)
            EXPECT_EQ((static_cast<int>(*RokuyoOf(month, day)) + 5) % 6, static_cast<int>(*RokuyoOf(month, day - 1)));
    EXPECT_FALSE(RokuyoOf(0, 1));
    EXPECT_FALSE(RokuyoOf(12, 31));
}

TEST(NativeLanguages, TagsReadInAnyCaseAndRegion)
{
    const std::pair<const char*, Language> cases[] = {
        {"en", Language::English},           {"zh-Hans", Language::ChineseSimplified},
        {"ZH_HANS", Language::ChineseSimplified}, {"zh-CN", Language::ChineseSimplified},
        {"zh-hant", Language::ChineseTraditional}, {"zh_TW", Language::ChineseTraditional},
        {"vi", Language::Vietnamese},        {"JA", Language::Japanese},
    };
    for (const auto& [tag, language] : cases) EXPECT_EQ(LanguageOfTag(tag), language) << tag;
    for (const char* bad : {"", "zh", "fr", "vi-", "english"}) EXPECT_FALSE(LanguageOfTag(bad)) << bad;
    for (const Language language : kLanguages) EXPECT_EQ(LanguageOfTag(TagOf(language)), language);
    EXPECT_EQ(OwnNameOf(Language::Vietnamese), "Tiếng Việt");
    EXPECT_FALSE(NativeOf(Language::English));
}

// Dates whose native names every user knows.
TEST(NativeDates, WellKnownDates)
{
    struct Case {
        int y, m, d, longitude;
        NativeLanguage language;
        const char* expected;
    } const cases[] = {
        {2024, 2, 10, 120, kHans, "甲辰年正月初一"},   // Spring Festival of the dragon year
        {2023, 3, 22, 120, kHans, "癸卯年闰二月初一"}, // the leap second month of 2023
        {2023, 3, 22, 120, kHant, "癸卯年閏二月初一"},
        {2024, 9, 17, 120, kHans, "甲辰年八月十五"},   // Mid-Autumn
        {2025, 1, 28, 120, kHans, "甲辰年腊月廿九"},   // New Year's Eve after a 29-day month 12
        {2024, 2, 10, 105, kVi, "mùng 1 tháng Giêng năm Giáp Thìn"},
        {2023, 3, 22, 105, kVi, "mùng 1 tháng Hai nhuận năm Quý Mão"},
        {2024, 9, 17, 105, kVi, "ngày 15 tháng Tám năm Giáp Thìn"},
        {2024, 2, 10, 135, kJa, "旧暦1月1日"},
        {2024, 9, 17, 135, kJa, "旧暦8月15日"},
    };
    for (const Case& c : cases) {
        const ChineseLunarDate chl = LunarOn(c.y, c.m, c.d, c.longitude);
        EXPECT_EQ(LunarDateText(c.language, chl.position, chl.month.number, chl.month.leap, chl.day), c.expected)
            << c.y << "-" << c.m << "-" << c.d;
    }
    const ChineseLunarDate newYear = LunarOn(2024, 2, 10, 135), midAutumn = LunarOn(2024, 9, 17, 135);
    EXPECT_EQ(RokuyoText(*RokuyoOf(newYear.month.number, newYear.day)), "先勝");
    EXPECT_EQ(RokuyoText(*RokuyoOf(midAutumn.month.number, midAutumn.day)), "仏滅");
    EXPECT_EQ(AnimalText(kVi, LunarOn(2023, 3, 22, 105).position), "Mèo"); // the year of the cat
}
