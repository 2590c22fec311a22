// The calendar month in a native script: titles with leap and size marks in every language, the
// cells' day names and notes (terms, rokuyō), and English left as it was.
#include <gtest/gtest.h>

#include "calendar/monthview/NativeMonthView.h"
#include "calendar/western/DatePr2.h"

namespace orlun {
namespace {

MonthView MonthOf(int y, int m, int d, Country country, Language language)
{
    const CalendarSettings settings = SettingsForCountry(country);
    const auto first = FirstDayOfMonthAt(settings.meridian.NoonOf(GregorianJDN(y, m, d)), settings);
    return InLanguage(MonthViewOf(first.value_or(DayNumber(0)), DayNumber(0), settings), language);
}

// The cell of a day of the month.
const MonthViewCell& CellOn(const MonthView& view, int y, int m, int d)
{
    return view.cells.at(static_cast<size_t>(GregorianJDN(y, m, d) - view.firstDay));
}

TEST(NativeMonthView, TitlesNameYearMonthLeapAndSize)
{
    struct Case { Country country; Language language; int y, m, d; const char* title; };
    const Case cases[] = {
        // 正月 of 甲辰: 2024-02-10 .. 03-09, 29 days; 闰二月 of 癸卯: 2023-03-22 .. 04-19, 29 days.
        {Country::China, Language::ChineseSimplified, 2024, 2, 10, "甲辰年\u3000正月小"},
        {Country::China, Language::ChineseSimplified, 2023, 3, 22, "癸卯年\u3000闰二月小"},
        {Country::China, Language::ChineseTraditional, 2023, 3, 22, "癸卯年\u3000閏二月小"},
        {Country::China, Language::ChineseTraditional, 2014, 1, 1, "癸巳年\u3000臘月大"},
        {Country::Vietnam, Language::Vietnamese, 2023, 3, 22, "tháng Hai nhuận (thiếu) năm Quý Mão"},
        {Country::Vietnam, Language::Vietnamese, 2013, 2, 10, "tháng Giêng (đủ) năm Quý Tỵ"},
        {Country::Japan, Language::Japanese, 2023, 3, 22, "癸卯年\u3000旧暦閏2月小"},
    };
    for (const Case& c : cases) EXPECT_EQ(MonthOf(c.y, c.m, c.d, c.country, c.language).title, c.title) << c.y;
}

// Titles made from a lunar date alone: big months, 臘月, and dates that are not dates.
TEST(NativeMonthView, TitlesOfLunarDates)
{
    struct Case { NativeLanguage language; int position; ChineseMonth month; int length; const char* title; };
    const int jiaChen = 41;
    const Case cases[] = {
        {NativeLanguage::Japanese, jiaChen, {1, false}, 30, "甲辰年\u3000旧暦1月大"},
        {NativeLanguage::ChineseTraditional, jiaChen, {12, false}, 30, "甲辰年\u3000臘月大"},
        {NativeLanguage::Vietnamese, jiaChen, {12, false}, 29, "tháng Chạp (thiếu) năm Giáp Thìn"},
        {NativeLanguage::ChineseSimplified, 61, {1, false}, 30, ""},
        {NativeLanguage::ChineseSimplified, jiaChen, {13, false}, 30, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NativeMonthTitle(c.language, ChineseLunarDate{79, c.position, c.month, 1}, c.length), c.title)
            << c.title;
}

TEST(NativeMonthView, CellsShowDayNamesTermsAndRokuyo)
{
    // 雨水 begins on 2024-02-19 and 惊蛰 on 03-05 (Beijing); no other day of the month has a note.
    const MonthView hans = MonthOf(2024, 2, 10, Country::China, Language::ChineseSimplified);
    EXPECT_EQ(hans.cells[0].dayText + hans.cells[20].dayText, "初一廿一");
    int notes = 0;
    for (const MonthViewCell& c : hans.cells) notes += c.noteText.empty() ? 0 : 1;
    EXPECT_EQ(notes, 2);
    EXPECT_EQ(CellOn(hans, 2024, 2, 19).noteText + CellOn(hans, 2024, 3, 5).noteText, "雨水惊蛰");
    EXPECT_EQ(CellOn(MonthOf(2025, 4, 4, Country::China, Language::ChineseTraditional), 2025, 4, 4).noteText, "清明");
    const MonthView vi = MonthOf(2024, 2, 10, Country::Vietnam, Language::Vietnamese);
    EXPECT_EQ(vi.cells[9].dayText + "|" + vi.cells[10].dayText + "|" + CellOn(vi, 2024, 2, 19).noteText,
              "mùng 10|11|Vũ thủy");
    // Lunar 1-1 is 先勝 and 8-15 仏滅; 1-25 is 先勝 again, before the Japanese 啓蟄.
    const MonthView ja = MonthOf(2024, 2, 10, Country::Japan, Language::Japanese);
    EXPECT_EQ(ja.cells[0].dayText + ja.cells[0].noteText, "1日先勝");
    EXPECT_EQ(CellOn(ja, 2024, 3, 5).noteText, "先勝 啓蟄");
    EXPECT_EQ(CellOn(MonthOf(2024, 9, 17, Country::Japan, Language::Japanese), 2024, 9, 17).noteText, "仏滅");
    // English keeps its texts, the term known but not shown; a month out of range stays empty.
    const MonthView english = MonthOf(2024, 2, 10, Country::China, Language::English);
    EXPECT_EQ(english.cells[9].dayText + CellOn(english, 2024, 2, 19).noteText, "10");
    EXPECT_EQ(CellOn(english, 2024, 2, 19).term, 5); // Z1
    EXPECT_EQ(InLanguage(MonthView{}, Language::Japanese).title, "");
}

TEST(NativeMonthView, CommonEraMonthsInEachLanguage)
{
    struct Case { NativeLanguage language; int y1, m1, d1, y2, m2, d2; const char* text; };
    const Case cases[] = {
        {NativeLanguage::ChineseSimplified, 2024, 2, 10, 2024, 3, 9, "公历2024年2月至3月"},
        {NativeLanguage::ChineseTraditional, 2023, 12, 13, 2024, 1, 10, "公曆2023年12月至2024年1月"},
        {NativeLanguage::Japanese, 2024, 2, 10, 2024, 3, 9, "西暦2024年2月〜3月"},
        {NativeLanguage::Vietnamese, 2024, 2, 10, 2024, 3, 9, "Dương lịch tháng 2 – tháng 3 năm 2024"},
        {NativeLanguage::Vietnamese, 2023, 12, 13, 2024, 1, 10, "Dương lịch tháng 12 năm 2023 – tháng 1 năm 2024"},
        {NativeLanguage::Japanese, 2025, 2, 1, 2025, 2, 27, "西暦2025年2月"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NativeYearAndMonthText(c.language, DayNumber(GregorianJDN(c.y1, c.m1, c.d1).value()),
                                         DayNumber(GregorianJDN(c.y2, c.m2, c.d2).value())),
                  c.text);
}

} // namespace
} // namespace orlun
