// orlun-cli days: the ISO dates of its records and the records of boundary days (a leap month's
// first and last days, solar terms a few minutes from midnight, the ends of the range).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/core/Limits.h"
#include "calendar/core/Meridian.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/presentation/NativeDayTexts.h"
#include "calendar/western/DatePr2.h"
#include "days/DayRecords.h"

namespace orlun::cli {
namespace {

struct IsoCase {
    WesternDate date;
    const char* expected;
};

TEST(DayRecords, IsoDatesHaveFourDigitYearsAndASign)
{
    const IsoCase cases[] = {
        {{2025, 1, 31}, "2025-01-31"},     {{999, 12, 31}, "0999-12-31"}, {{0, 2, 29}, "0000-02-29"},
        {{-44, 3, 15}, "-0044-03-15"},     {{-3000, 1, 1}, "-3000-01-01"}, {{10000, 1, 1}, "10000-01-01"},
        {{INT32_MIN, 1, 1}, "-2147483648-01-01"},
    };
    for (const IsoCase& c : cases) EXPECT_EQ(IsoDateText(c.date), c.expected) << c.expected;
}

// The place of a column of the table.
size_t ColumnOf(const std::string& name)
{
    for (size_t i = 0; i < kDaysTable.columns.size(); ++i)
        if (kDaysTable.columns[i].name == name) return i;
    ADD_FAILURE() << "no field " << name;
    return 0;
}

// The fields of a record by column name.
std::string Field(const Record& record, const std::string& name) { return FieldText(record.values.at(ColumnOf(name))); }

struct DayCase {
    int32_t year;
    int month, day;
    const char* chl;
    const char* leap;
    const char* term;
};

TEST(DayRecords, DaysOfLeapMonthsAndTermsNearMidnight)
{
    const DayCase cases[] = {
        // The leap second month of 2023: its first and last days, and the days around it.
        {2023, 3, 21, "79-40-02-30 CHL", "0", "Z2"},
        {2023, 3, 22, "79-40-2*-01 CHL", "1", ""},
        {2023, 4, 19, "79-40-2*-29 CHL", "1", ""},
        {2023, 4, 20, "79-40-03-01 CHL", "0", "Z3"},
        // Z11 at 23:59 CCT begins on the 21st, not the 22nd; Z9 at 00:20 on the 24th.
        {2021, 12, 21, nullptr, nullptr, "Z11"},
        {2021, 12, 22, nullptr, nullptr, ""},
        {2023, 10, 23, nullptr, nullptr, ""},
        {2023, 10, 24, nullptr, nullptr, "Z9"},
        // The lunar new year of 2025.
        {2025, 1, 29, "79-42-01-01 CHL", "0", ""},
        // Terms at two seams of the ephemeris files, whose tables the engine computes.
        {599, 12, 21, "55-56-11-26 CHL", "0", "Z11"},
        {600, 1, 5, "55-56-12-12 CHL", "0", "J12"},
        {600, 1, 6, nullptr, nullptr, ""},
        {2999, 12, 22, "95-56-11-24 CHL", "0", "Z11"},
    };
    DayRecordMaker maker(SettingsForCountry(Country::China));
    for (const DayCase& c : cases) {
        const Record r = maker.Of(GregorianJDN(c.year, c.month, c.day));
        const std::string day = IsoDateText({c.year, c.month, c.day});
        ASSERT_EQ(r.values.size(), kDaysTable.columns.size()) << day;
        EXPECT_EQ(Field(r, "ce"), day);
        if (c.chl) {
            EXPECT_EQ(Field(r, "chl"), c.chl) << day;
        }
        if (c.leap) {
            EXPECT_EQ(Field(r, "chl_leap"), c.leap) << day;
        }
        EXPECT_EQ(Field(r, "solar_term"), c.term) << day;
    }
}

TEST(DayRecords, TheRangesEndsAreDays)
{
    DayRecordMaker maker(SettingsForCountry(Country::Japan));
    for (const int32_t day : {kMinJDN, kMaxJDN}) {
        const Record r = maker.Of(DayNumber(day));
        EXPECT_EQ(Field(r, "ce"), day == kMinJDN ? "-3000-01-01" : "3000-01-01");
        EXPECT_NE(Field(r, "chl"), "") << day;
        EXPECT_NE(Field(r, "moon_phase"), "") << day;
    }
}

struct DisplayCase {
    WesternDate date;
    Country country;
};

// A record holds what the main window shows at the day's noon: the day's in a run of records (whose
// terms and Moon phases are remembered) as well as a day on its own.
TEST(DayRecords, FieldsEqualTheWindowsTextsAtNoon)
{
    const DisplayCase cases[] = {
        {{2023, 3, 22}, Country::China},   {{2023, 3, 22}, Country::Vietnam}, {{2021, 12, 21}, Country::Japan},
        {{1599, 12, 31}, Country::China},  {{1600, 1, 1}, Country::China},    {{2099, 12, 31}, Country::Vietnam},
        {{600, 1, 2}, Country::China},     {{-3000, 1, 1}, Country::Japan},   {{3000, 1, 1}, Country::China},
        {{-1, 12, 31}, Country::Vietnam},
    };
    for (const DisplayCase& c : cases) {
        const CalendarSettings settings = SettingsForCountry(c.country);
        const DayNumber day = GregorianJDN(c.date.year, c.date.month, c.date.day);
        DayRecordMaker run(settings);
        for (int32_t d = std::max(kMinJDN, day.value() - 40); d < day.value(); ++d) run.Of(DayNumber(d));
        const Record inRun = run.Of(day);
        const Record alone = DayRecordMaker(settings).Of(day);
        const DisplayTexts t = BuildDisplayTexts(Moment(Meridian(settings.meridian.degreesEast()).NoonOf(day).moment().ajd()), settings);
        const std::string what = IsoDateText(c.date) + " " + CountryAdjective(c.country);
        ASSERT_TRUE(t.chl && t.chs) << what;
        for (const Record* r : {&inRun, &alone}) {
            // The window's line adds the time to the date.
            EXPECT_EQ(t.chineseLunar.value.rfind(Field(*r, "chl") + " ", 0), 0U) << what << ": " << Field(*r, "chl");
            EXPECT_EQ(Field(*r, "chs"), CHSDateStr(*t.chs, false)) << what;
            EXPECT_EQ(Field(*r, "day_name"), t.elementAnimalOfDay.caption + " " + t.elementAnimalOfDay.value) << what;
            EXPECT_EQ(Field(*r, "month_name"), t.elementAnimalOfMonth.value) << what;
            EXPECT_EQ(Field(*r, "year_name"), t.elementAnimalOfYear.value) << what;
            EXPECT_EQ(Field(*r, "moon_phase"), t.moon.phaseText) << what;
            EXPECT_EQ(std::get<Decimal>(r->values.at(ColumnOf("moon_illumination"))).value, t.moon.illumination) << what;
        }
    }
}

} // namespace
} // namespace orlun::cli

namespace orlun::cli {
namespace {

struct NativeCase {
    WesternDate date;
    Country country;
    NativeLanguage language;
};

// With a native language a record ends with the native texts of the window's day at noon (the
// term's day, a leap month, the range's end); without one it has only its own fields.
TEST(DayRecords, NativeFieldsAreTheWindowsNativeTexts)
{
    const NativeCase cases[] = {
        {{2025, 4, 4}, Country::China, NativeLanguage::ChineseSimplified},
        {{2023, 3, 22}, Country::Vietnam, NativeLanguage::Vietnamese},
        {{2024, 9, 17}, Country::Japan, NativeLanguage::Japanese},
        {{3000, 1, 1}, Country::China, NativeLanguage::ChineseTraditional},
    };
    for (const NativeCase& c : cases) {
        const CalendarSettings settings = SettingsForCountry(c.country);
        const DayNumber day = GregorianJDN(c.date.year, c.date.month, c.date.day);
        const Record r = DayRecordMaker(settings, c.language).Of(day);
        const Table table = DaysTable(c.language);
        ASSERT_EQ(r.values.size(), table.columns.size()) << IsoDateText(c.date);
        const NativeDayTexts expected = NativeDayTextsOf(
            c.language, BuildDisplayTexts(Moment(Meridian(settings.meridian.degreesEast()).NoonOf(day).moment().ajd()), settings));
        const std::string texts[] = {expected.lunarDate, expected.dayName, expected.term, expected.rokuyo, expected.line};
        const char* names[] = {"lunar_date", "day_name", "term", "rokuyo", "line"};
        for (size_t i = 0; i < std::size(names); ++i) {
            const auto column = std::find_if(table.columns.begin(), table.columns.end(), [&](const Column& col) {
                return col.group == "native" && col.name == names[i];
            });
            ASSERT_NE(column, table.columns.end()) << names[i];
            EXPECT_EQ(FieldText(r.values[column - table.columns.begin()]), texts[i]) << IsoDateText(c.date) << names[i];
        }
        EXPECT_NE(expected.line, "") << IsoDateText(c.date);
    }
    EXPECT_EQ(DayRecordMaker(SettingsForCountry(Country::China)).Of(DayNumber(2460351)).values.size(),
              kDaysTable.columns.size());
    EXPECT_EQ(DaysTable(std::nullopt).columns.size(), kDaysTable.columns.size());
}

} // namespace
} // namespace orlun::cli
