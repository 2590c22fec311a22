// One day's native-script line, on dates whose answer every calendar of the field prints.
#include <gtest/gtest.h>

#include "calendar/presentation/NativeDayTexts.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

// Noon at Greenwich: the same civil day at every reference meridian of the three countries.
NativeDayTexts DayOf(NativeLanguage language, Country country, int year, int month, int day)
{
    const double noon = GregorianJDN(year, month, day).value();
    return NativeDayTextsOf(language, BuildDisplayTexts(Moment(noon), SettingsForCountry(country)));
}

struct LineCase {
    NativeLanguage language;
    Country country;
    int year, month, day;
    const char* line;
};

} // namespace

TEST(NativeDayTexts, LinesOfKnownDays)
{
    const LineCase cases[] = {
        // Lunar new year 4722 (a 甲辰 day); a leap second month; 清明 on the day it begins.
        {NativeLanguage::ChineseSimplified, Country::China, 2024, 2, 10, "甲辰年正月初一\u3000龙年\u3000甲辰日"},
        {NativeLanguage::ChineseTraditional, Country::China, 2023, 3, 22, "癸卯年閏二月初一\u3000兔年\u3000己卯日"},
        {NativeLanguage::Vietnamese, Country::Vietnam, 2024, 2, 10,
         "mùng 1 tháng Giêng năm Giáp Thìn · năm Rồng · ngày Giáp Thìn"},
        {NativeLanguage::Japanese, Country::Japan, 2024, 2, 10, "旧暦1月1日\u3000先勝\u3000甲辰年\u3000甲辰日"},
        {NativeLanguage::Japanese, Country::Japan, 2024, 9, 17, "旧暦8月15日\u3000仏滅\u3000甲辰年\u3000甲申日"},
        {NativeLanguage::ChineseSimplified, Country::China, 2025, 4, 4, "乙巳年三月初七\u3000蛇年\u3000癸卯日\u3000清明"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(DayOf(c.language, c.country, c.year, c.month, c.day).line, c.line) << c.year << "-" << c.month
                                                                                       << "-" << c.day;
}

TEST(NativeDayTexts, TermOnlyOnItsFirstDayAndRokuyoOnlyInJapanese)
{
    EXPECT_EQ(DayOf(NativeLanguage::ChineseSimplified, Country::China, 2025, 4, 4).term, "清明");
    EXPECT_EQ(DayOf(NativeLanguage::ChineseSimplified, Country::China, 2025, 4, 5).term, "");
    EXPECT_EQ(DayOf(NativeLanguage::Japanese, Country::Japan, 2025, 4, 4).term, "清明");
    EXPECT_EQ(DayOf(NativeLanguage::ChineseSimplified, Country::China, 2024, 2, 10).rokuyo, "");
    EXPECT_EQ(DayOf(NativeLanguage::Vietnamese, Country::Vietnam, 2023, 3, 22).month, "tháng Hai nhuận");
}
