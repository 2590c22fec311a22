// The data window's lines in a native script: the columns in every language, the lists and the
// year data that end with them, and English lines without them.
#include <gtest/gtest.h>

#include "calendar/chinese/Sexagenary.h"
#include "calendar/tables/EuroNewYearList.h"
#include "calendar/tables/MonthStartList.h"
#include "calendar/tables/NativeColumns.h"
#include "calendar/tables/YearData.h"
#include "calendar/western/DatePr2.h"

namespace orlun {
namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(NativeColumns, EveryLanguageWritesTheLeapMonthAndTheStemBranches)
{
    // 2023-03-22: 癸卯年闰二月初一. 2013-01-01: the year 壬辰, the month 壬子, the day 丁卯.
    const ChineseLunarDate leapDay{79, 40, {2, true}, 1, -2696};
    const int day = DayPosition(DayNumber(GregorianJDN(2013, 1, 1).value()));
    struct Case { Language language; const char* date; const char* stemBranches; const char* term; };
    const Case cases[] = {
        {Language::English, "", "", ""},
        {Language::ChineseSimplified, "  癸卯年闰二月初一", "  壬辰年\u3000壬子月\u3000丁卯日", "  惊蛰"},
        {Language::ChineseTraditional, "  癸卯年閏二月初一", "  壬辰年\u3000壬子月\u3000丁卯日", "  驚蟄"},
        {Language::Vietnamese, "  mùng 1 tháng Hai nhuận năm Quý Mão", "  năm Nhâm Thìn, tháng Nhâm Tý, ngày Đinh Mão",
         "  Kinh trập"},
        {Language::Japanese, "  旧暦閏2月1日", "  壬辰年\u3000壬子月\u3000丁卯日", "  啓蟄"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LunarDateColumn(c.language, leapDay), c.date);
        EXPECT_EQ(StemBranchColumn(c.language, 29, MonthPosition(29, 11), day), c.stemBranches);
        EXPECT_EQ(TermColumn(c.language, 6), c.term); // the program's term 6 is J2
    }
    // What no native text can be made of leaves the line alone.
    EXPECT_EQ(LunarDateColumn(Language::ChineseSimplified, ChineseLunarDate{}) + StemBranchColumn(Language::Vietnamese, 0, 3, 4) +
                  TermColumn(Language::Japanese, 25) + MonthColumn(Language::Japanese, ChineseMonth{}),
              "");
}

TEST(NativeColumns, ListsAndYearDataEndTheirLinesWithThem)
{
    EuroNewYearList euro(2013, 1, false, kChina, Language::ChineseSimplified);
    const std::string newYears = WholeList(euro);
    EXPECT_TRUE(Has(newYears, "2013-01-01 CE = 79-29-11-20 CHL  壬辰年冬月二十\r\n")) << newYears;
    EXPECT_TRUE(Has(newYears, " of cycle 79  壬辰年\u3000壬子月\u3000丁卯日\r\n"));
    MonthStartList leap(2023, 1, true, false, kChina, Language::ChineseTraditional);
    EXPECT_TRUE(Has(WholeList(leap), "2023-03-22 CE =  2460026 JDN  29 days  癸卯年閏二月初一\r\n"));

    YearDataOptions o;
    o.termNames = true;
    o.language = Language::ChineseSimplified;
    const double ajd = GregorianJDN(2014, 6, 1).value() - 0.5;
    const std::string text = YearDataText(Moment(ajd), o, kChina);
    EXPECT_TRUE(Has(text, " M9* (0 zq)  闰九月\r\n")) << text;
    EXPECT_TRUE(Has(text, "---------- Nian  79-31  甲午年\r\n"));
    EXPECT_TRUE(Has(text, " Qing ming (Pure brightness)  清明\r\n"));
    o.language = Language::English;
    EXPECT_TRUE(Has(YearDataText(Moment(ajd), o, kChina), " Qing ming (Pure brightness)\r\n"));
}

} // namespace
} // namespace orlun
