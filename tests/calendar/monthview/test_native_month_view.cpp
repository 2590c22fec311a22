// The calendar month in a native script: titles with leap and size marks in every language, the
// day names of the cells, the terms and rokuyō of their notes, and English left as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/core/Settings.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/monthview/NativeMonthView.h"
#include "calendar/western/DatePr2.h"

namespace orlun {
namespace {

MonthView MonthOf(int y, int m, int d, Country country, Language language)
{
    const CalendarSettings settings = SettingsForCountry(country);
    const auto first = FirstDayOfMonthAt(GregorianJDN(y, m, d).value() + 0.5, settings);
    EXPECT_TRUE(first.has_value());
    return InLanguage(MonthViewOf(first.value_or(0), 0, settings), language);
}

// The cell of a Gregorian day of the view.
const MonthViewCell& CellOn(const MonthView& view, int y, int m, int d)
{
    const int32_t jdn = GregorianJDN(y, m, d).value();
    const auto at = std::find_if(view.cells.begin(), view.cells.end(), [&](const MonthViewCell& c) { return c.jdn == jdn; });
    EXPECT_NE(at, view.cells.end());
    return at == view.cells.end() ? view.cells.front() : *at;
}

TEST(NativeMonthView, TitlesNameYearMonthLeapAndSize)
{
    struct Case { Country country; Language language; int y, m, d; const char* title; };
    const Case cases[] = {
        // 正月 of 甲辰 runs 2024-02-10 .. 03-09: 29 days; 闰二月 of 癸卯 2023-03-22 .. 04-19: 29 days.
        {Country::China, Language::ChineseSimplified, 2024, 2, 10, "甲辰年\u3000正月小"},
        {Country::China, Language::ChineseSimplified, 2023, 3, 22, "癸卯年\u3000闰二月小"},
        {Country::China, Language::ChineseTraditional, 2023, 3, 22, "癸卯年\u3000閏二月小"},
        {Country::China, Language::ChineseSimplified, 2013, 2, 10, "癸巳年\u3000正月大"},
        {Country::China, Language::ChineseTraditional, 2014, 1, 1, "癸巳年\u3000臘月大"},
        {Country::Vietnam, Language::Vietnamese, 2024, 2, 10, "tháng Giêng (thiếu) năm Giáp Thìn"},
        {Country::Vietnam, Language::Vietnamese, 2023, 3, 22, "tháng Hai nhuận (thiếu) năm Quý Mão"},
        {Country::Japan, Language::Japanese, 2024, 2, 10, "甲辰年\u3000旧暦1月小"},
        {Country::Japan, Language::Japanese, 2023, 3, 22, "癸卯年\u3000旧暦閏2月小"},
    };
    for (const Case& c : cases) {
        const MonthView view = MonthOf(c.y, c.m, c.d, c.country, c.language);
        EXPECT_EQ(view.title, c.title) << c.y << "-" << c.m;
        EXPECT_EQ(view.language, c.language);
    }
}

TEST(NativeMonthView, CellsShowDayNamesTermsAndRokuyo)
{
    const MonthView hans = MonthOf(2024, 2, 10, Country::China, Language::ChineseSimplified);
    ASSERT_EQ(hans.cells.size(), 29u);
    const char* names[] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                           "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                           "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九"};
    for (size_t i = 0; i < hans.cells.size(); ++i) EXPECT_EQ(hans.cells[i].dayText, names[i]) << i;
    // 雨水 on 2024-02-19 and 惊蛰 on 03-05 (Beijing); no other day of the month begins a term.
    EXPECT_EQ(CellOn(hans, 2024, 2, 19).noteText, "雨水");
    EXPECT_EQ(CellOn(hans, 2024, 3, 5).noteText, "惊蛰");
    EXPECT_EQ(std::count_if(hans.cells.begin(), hans.cells.end(), [](const MonthViewCell& c) { return !c.noteText.empty(); }), 2);
    EXPECT_EQ(CellOn(MonthOf(2024, 3, 5, Country::China, Language::ChineseTraditional), 2024, 3, 5).noteText, "驚蟄");
    // 清明 on 2025-04-04.
    EXPECT_EQ(CellOn(MonthOf(2025, 4, 4, Country::China, Language::ChineseSimplified), 2025, 4, 4).noteText, "清明");

    const MonthView vi = MonthOf(2024, 2, 10, Country::Vietnam, Language::Vietnamese);
    EXPECT_EQ(vi.cells[0].dayText, "mùng 1");
    EXPECT_EQ(vi.cells[9].dayText, "mùng 10");
    EXPECT_EQ(vi.cells[10].dayText, "11");
    EXPECT_EQ(CellOn(vi, 2024, 2, 19).noteText, "Vũ thủy");

    // The rokuyō: lunar 1-1 is 先勝, 8-15 仏滅; the Japanese 啓蟄 after the rokuyō.
    const MonthView ja = MonthOf(2024, 2, 10, Country::Japan, Language::Japanese);
    EXPECT_EQ(ja.cells[0].dayText, "1日");
    EXPECT_EQ(ja.cells[0].noteText, "先勝");
    EXPECT_EQ(ja.cells[1].noteText, "友引");
    EXPECT_EQ(CellOn(ja, 2024, 3, 5).noteText, "先勝 啓蟄"); // 1-25: (1 + 25) mod 6 = 2
    const MonthView autumn = MonthOf(2024, 9, 17, Country::Japan, Language::Japanese);
    EXPECT_EQ(CellOn(autumn, 2024, 9, 17).dayText, "15日");
    EXPECT_EQ(CellOn(autumn, 2024, 9, 17).noteText, "仏滅");
}

TEST(NativeMonthView, EnglishAndMonthsOutOfRangeStayAsTheyAre)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    const MonthView english = MonthViewOf(GregorianJDN(2024, 2, 10).value(), 0, china);
    const MonthView same = InLanguage(english, Language::English);
    EXPECT_EQ(same.title, english.title);
    EXPECT_EQ(same.language, Language::English);
    for (size_t i = 0; i < same.cells.size(); ++i) {
        EXPECT_EQ(same.cells[i].dayText, english.cells[i].dayText);
        EXPECT_EQ(same.cells[i].noteText, "");
    }
    EXPECT_EQ(CellOn(english, 2024, 2, 19).term, 5); // the program's term 5, Z1 雨水
    const MonthView none = InLanguage(MonthView{}, Language::Japanese);
    EXPECT_FALSE(none.ok());
    EXPECT_EQ(none.title, "");
    EXPECT_EQ(NativeMonthTitle(NativeLanguage::Japanese, ChineseLunarDate{}, 30), "");
}

TEST(NativeMonthView, EveryTextACellCanShowIsListed)
{
    for (const NativeLanguage language : {NativeLanguage::ChineseSimplified, NativeLanguage::Vietnamese,
                                          NativeLanguage::Japanese}) {
        const auto days = AllNativeDayTexts(language);
        EXPECT_EQ(days.size(), 30u);
        const auto notes = AllNativeCellNotes(language);
        for (int term = 1; term <= 24; ++term)
            for (int day = 1; day <= 30; ++day) {
                const std::string note = NativeCellNote(language, 12, day, term);
                EXPECT_NE(std::find(notes.begin(), notes.end(), note), notes.end()) << note;
            }
    }
}

} // namespace
} // namespace orlun
