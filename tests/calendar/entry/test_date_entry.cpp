// Date entry: reading the date field with its designation, the time field and the zone into one
// moment, the question for a missing designation, the fields written back, the error codes and
// their messages, the time field, the plus/minus days and the admissible range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calendar/entry/DateEntry.h"
#include "calendar/core/Limits.h"
#include "calendar/chinese/Orlun3.h"

using namespace orlun;

namespace {

constexpr double kDblMax = std::numeric_limits<double>::max();
constexpr double kTolerance = 1e-9; // days; far below a second

// The question box: records every question and gives one answer.
struct QuestionBox {
    bool answer = true;
    std::vector<std::string> asked;
    CalendarQuestion Ask()
    {
        return [this](const std::string& q) {
            asked.push_back(q);
            return answer;
        };
    }
};

DateEntry Entry(const std::string& date, const std::string& time = "", int zone = -1,
                int calendar = kRowCHL)
{
    DateEntry e;
    e.date = date;
    e.time = time;
    e.zoneIndex = zone;
    e.currentCalendar = calendar;
    return e;
}

ParseResult Parse(const DateEntry& e, Country country = Country::China, bool answer = true)
{
    QuestionBox box;
    box.answer = answer;
    return ParseDate(e, SettingsForCountry(country), box.Ask());
}

// The AJD of a day at a time of day in the zone: GMT, or the reference meridian at L degrees.
double AtGMT(int32_t jdn, int minutes) { return jdn + minutes / 1440.0 - 0.5; }
double AtMeridian(int32_t jdn, int minutes, int longitude)
{
    return jdn + minutes / 1440.0 - longitude / 360.0 - 0.5;
}

constexpr int32_t kJDN_2013_02_10 = 2456334;
constexpr int32_t kJDN_2011_02_03 = 2455596; // CHL 79-28-01-01 (Chinese new year 2011)
constexpr int32_t kJDN_2012_05_21 = 2456069; // CHL 79-29-4*-01 (leap fourth month of 2012)

} // namespace

TEST(DateEntryMessages, EveryCodeHasItsExactText)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {1, "No date specified."},
        {2, "Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD)."},
        {3, "Time specification not permitted in date string."},
        {4, "Invalid time specification.  Times must be, e.g., 23:50."},
        {5, "Date separator must be a dash, '-'."},
        {6, "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day"},
        {7, "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day"},
        {9, "Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day\r\n"},
        {10, "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD."},
        {11, "Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day"},
        {12, "Error when parsing date string."},
        {13, "Invalid CHL date.  Day number exceeds number of days in the month."},
        {14, "Invalid plus/minus days."},
        {15, "Date too early."},
        {0, ""},
        {16, "Date is later than 3000-01-01 CE."},
        {17, ""},
        {-1, ""},
    };
    for (const auto& c : cases)
        for (Country country : {Country::Vietnam, Country::China, Country::Japan})
            EXPECT_EQ(DateEntryErrorMessage(static_cast<DateEntryError>(c.code), country), c.text)
                << "code " << c.code << ", country " << static_cast<int>(country);
}

TEST(DateEntryMessages, TheCHLMessageNamesOverseasYearsOnlyInChina)
{
    const std::string china =
        "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'\r\n"
        "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709.\r\n"
        "\r\n"
        "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
        "and specify element-animal using the drop-down boxes.";
    const std::string others =
        "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'.\r\n"
        "\r\n"
        "Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,\r\n"
        "and specify element-animal using the drop-down boxes.";
    EXPECT_EQ(DateEntryErrorMessage(DateEntryError::InvalidCHL, Country::China), china);
    EXPECT_EQ(DateEntryErrorMessage(DateEntryError::InvalidCHL, Country::Vietnam), others);
    EXPECT_EQ(DateEntryErrorMessage(DateEntryError::InvalidCHL, Country::Japan), others);
}

TEST(DateEntryRange, LimitsAreIncludedAndEverythingElseIsRefusedWithItsMessage)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double ajd;
        RangeCheck expected;
    } cases[] = {
        {625333.0, RangeCheck::InRange},
        {2816788.0, RangeCheck::InRange},
        {2451545.0, RangeCheck::InRange},
        {std::nextafter(625333.0, 0.0), RangeCheck::TooEarly},
        {std::nextafter(2816788.0, 3e6), RangeCheck::TooLate},
        {-kDblMax, RangeCheck::TooEarly},
        {kDblMax, RangeCheck::TooLate},
        {-inf, RangeCheck::TooEarly},
        {inf, RangeCheck::TooLate},
        {std::nan(""), RangeCheck::TooLate},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckDateRange(Moment(c.ajd)), c.expected) << "AJD " << c.ajd;

    EXPECT_EQ(DateRangeMessage(RangeCheck::TooEarly), "Date is earlier than -3000-01-01 CE.");
    EXPECT_EQ(DateRangeMessage(RangeCheck::TooLate), "Date is later than 3000-01-01 CE.");
    EXPECT_EQ(DateRangeMessage(RangeCheck::InRange), "");
    EXPECT_STREQ(kDateEntryErrorTitle, "Invalid date or time entry");
    EXPECT_STREQ(kDateRangeTitle, "Date out of range");
    EXPECT_STREQ(kCalendarQuestionTitle, "Calendar?");
}

TEST(DateEntryCalendars, GetCalendarPrefersPrimaryDesignations)
{
    const struct {
        const char* name;
        int row;
    } cases[] = {
        {"CE", 0},   {"JC", 1},     {"CHL", 2},    {"CHS", 3},   {"AJD", 4},   {"CJDC", 5},
        {"CJDL", 6}, {"ARC", 7},    {"ARCGMT", 7}, {"ARCCCT", 8}, {"ce", -1},  {"", -1},
        {"ARC ", -1}, {"GMT", -1},  {"CCT", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetCalendar(c.name), c.row) << "'" << c.name << "'";
}

TEST(DateEntryNumbers, LeadingNumberValueReadsOnlyTheNumberInFrontAndStaysFinite)
{
    const std::string digits400(400, '9');
    const std::string tiny = "0." + std::string(500, '0') + "1e400"; // 1e-101
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"", 0},           {"12", 12},          {"-1.5x", -1.5},       {".5", 0.5},
        {"5.", 5},         {"+3", 3},           {"1e3", 1000},         {"2.5E-1", 0.25},
        {"1e", 1},         {"1e+", 1},          {"1e-x", 1},           {"e5", 0},
        {"-", 0},          {".", 0},            {"-.", 0},             {"x12", 0},
        {"2455000.5AJD", 2455000.5},            {"1-2-3", 1},          {"007", 7},
        {"1e400", kDblMax}, {"-1e400", -kDblMax}, {"1e-400", 0},       {"-1e-400", 0},
        {digits400, kDblMax}, {"-" + digits400, -kDblMax},              {"0e99999", 0},
        {"1e99999999999999999999", kDblMax},    {"1e-99999999999999999999", 0},
        {tiny, 1e-101},
    };
    for (const auto& c : cases) {
        const double v = LeadingNumberValue(c.text);
        EXPECT_TRUE(std::isfinite(v)) << "'" << c.text << "'";
        EXPECT_DOUBLE_EQ(v, c.expected) << "'" << c.text.substr(0, 40) << "'";
    }
}

TEST(DateEntryTime, ParseTimeOfDayReadsHoursAndMinutesAndRewritesPoints)
{
    const struct {
        const char* field;
        int minutes;
        const char* fieldAfter;
    } cases[] = {
        {"9.5", 9 * 60 + 5, "9:5"},
        {"9.30", 9 * 60 + 30, "9:30"},
        {"23:50", 23 * 60 + 50, "23:50"},
        {"23:59", 1439, "23:59"},
        {"0:00", 0, "0:00"},
        {"00:00", 0, "00:00"},
        {" 9 : 05 ", 9 * 60 + 5, " 9 : 05 "},
        {"12:30:45", 12 * 60 + 30, "12:30:45"},
        {"12.30.45", 12 * 60 + 30, "12:30:45"},
        {"12:", 12 * 60, "12:"},
        {"24:00", -1, "24:00"},
        {"7:60", -1, "7:60"},
        {"123:00", -1, "123:00"},
        {":30", -1, ":30"},
        {"12", -1, "12"},
        {"", -1, ""},
        {"-1:00", -1, "-1:00"},
        {"1:-1", -1, "1:-1"},
        {"1:99999999999999999999999", -1, "1:99999999999999999999999"},
        {"1:1e400", -1, "1:1e400"},
    };
    for (const auto& c : cases) {
        std::string field = c.field;
        // -1 stands for no time in the table.
        EXPECT_EQ(ParseTimeOfDay(field).value_or(-1), c.minutes) << "'" << c.field << "'";
        EXPECT_EQ(field, c.fieldAfter) << "'" << c.field << "'";
    }
}

TEST(DateEntryPlusMinus, ValidAmountsAndTheirDays)
{
    const struct {
        const char* text;
        bool valid;
    } validity[] = {
        {"1,000.5", true}, {"+3", true},  {"-1.5", true}, {"10", true}, {"1,000", true},
        {"-", true},       {"3-", false}, {"2 days", false}, {"", false}, {"+-3", false},
        {"-+3", false},    {"1e3", false}, {"3+", false}, {" 3", false},
    };
    for (const auto& c : validity)
        EXPECT_EQ(IsValidPlusMinus(c.text), c.valid) << "'" << c.text << "'";

    const struct {
        std::string text;
        double days;
    } amounts[] = {
        {"1,000.5", 1000.5}, {"+3", 3}, {"-1.5", -1.5}, {"1,000", 1000}, {"+2", 2},
        {"10", 10},          {"-", 0},  {".", 0},       {std::string(400, '9'), kDblMax},
    };
    for (const auto& c : amounts)
        EXPECT_DOUBLE_EQ(PlusMinusAmount(c.text), c.days) << "'" << c.text.substr(0, 20) << "'";
}

TEST(DateEntryParse, WesternAndARCDatesAreTakenAtTheTimeInTheirZone)
{
    const struct {
        const char* date;
        const char* time;
        int zone;
        double ajd;
        int calendar;
        int zoneAfter;
        const char* dateField;
        const char* timeField;
    } cases[] = {
        {"2013-02-10 CE", "", -1, 2456334.0, kRowCE, 0, "2013-02-10 CE", "12:00"},
        {"2011-10-15 ce", "", -1, AtGMT(2455850, 720), kRowCE, 0, "2011-10-15 CE", "12:00"},
        {"  2013 - 02 - 10   ce  ", "", -1, 2456334.0, kRowCE, 0, "2013 - 02 - 10   CE", "12:00"},
        {"2013-02-10CE", "9.5", -1, AtGMT(kJDN_2013_02_10, 545), kRowCE, 0, "2013-02-10CE", "9:5"},
        {"2013-02-10 CE", "20:00", 1, AtMeridian(kJDN_2013_02_10, 1200, 120), kRowCE, 1,
         "2013-02-10 CE", "20:00"},
        {"2013-02-10 CE", "   ", -1, 2456334.0, kRowCE, 0, "2013-02-10 CE", "12:00"},
        {"2013-01-28 JC", "", -1, 2456334.0, kRowJC, 0, "2013-01-28 JC", "12:00"},
        {"-44-03-15 JC", "0:00", 0, AtGMT(1705061, 0), kRowJC, 0, "-44-03-15 JC", "0:00"},
        {"4697-11-25 ARC", "", -1, 2451545.0, kRowARCGMT, 0, "4697-11-25 ARC", "12:00"},
        {"4697-11-25 arc", "18:00", 1, AtMeridian(2451545, 1080, 120), kRowARCGMT, 1,
         "4697-11-25 ARC", "18:00"},
        {"-3000-01-01 CE", "0:00", 0, AtGMT(kMinJDN, 0), kRowCE, 0, "-3000-01-01 CE", "0:00"},
        {"3000-01-01 CE", "", -1, kMaxAJD, kRowCE, 0, "3000-01-01 CE", "12:00"},
        {"999999-12-31 CE", "", -1, 366963559.0, kRowCE, 0, "999999-12-31 CE", "12:00"},
    };
    for (const auto& c : cases) {
        const ParseResult r = Parse(Entry(c.date, c.time, c.zone, kRowCHL));
        ASSERT_EQ(r.errorCode, DateEntryError::None) << "'" << c.date << "'";
        EXPECT_NEAR(r.ajd.ajd(), c.ajd, kTolerance) << "'" << c.date << "' at '" << c.time << "'";
        EXPECT_EQ(r.fields.currentCalendar, c.calendar) << "'" << c.date << "'";
        EXPECT_TRUE(r.calendarChanged && r.highlight) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.zoneIndex, c.zoneAfter) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.date, c.dateField) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.time, c.timeField) << "'" << c.date << "'";
        EXPECT_FALSE(r.copiedDisplayedDate);
    }
}

TEST(DateEntryParse, ChineseDatesAreTakenAtTheReferenceMeridian)
{
    const struct {
        Country country;
        const char* date;
        int zone;
        int element;
        int animal;
        int32_t jdn;
        int calendar;
    } cases[] = {
        {Country::China, "79-28-01-01 CHL", -1, 5, 12, kJDN_2011_02_03, kRowCHL},
        {Country::China, "79-28-1-1 chl", -1, 5, 12, kJDN_2011_02_03, kRowCHL},
        {Country::China, "4709-1-1 CHL", -1, 5, 12, kJDN_2011_02_03, kRowCHL},
        {Country::China, "4,709-1-1 CHL", -1, 5, 12, kJDN_2011_02_03, kRowCHL},
        {Country::China, "79-29-4*-1 CHL", -1, 5, 12, kJDN_2012_05_21, kRowCHL},
        {Country::China, "79-?-1-1 CHL", -1, 3, 3, kJDN_2011_02_03, kRowCHL},     // metal-rabbit
        {Country::Vietnam, "79-?-1-1 CHL", -1, 3, 3, kJDN_2011_02_03, kRowCHL},   // metal-cat
        {Country::Vietnam, "79-28-01-01 CHL", -1, 5, 12, kJDN_2011_02_03, kRowCHL},
        {Country::China, "79-28-02-29 CHL", 0, 5, 12, kJDN_2011_02_03 + 30 + 28, kRowCHL},
    };
    for (const auto& c : cases) {
        DateEntry e = Entry(c.date, "", c.zone);
        e.element = c.element;
        e.animal = c.animal;
        const ParseResult r = Parse(e, c.country);
        ASSERT_EQ(r.errorCode, DateEntryError::None) << "'" << c.date << "'";
        const int longitude = CountryLongitude(c.country);
        const double expected = c.zone == 0 ? AtGMT(c.jdn, 720) : AtMeridian(c.jdn, 720, longitude);
        EXPECT_NEAR(r.ajd.ajd(), expected, kTolerance) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.currentCalendar, c.calendar) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.zoneIndex, c.zone == -1 ? 1 : c.zone) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.time, "12:00");
    }
}

TEST(DateEntryParse, CHSDatesConvertBackToTheDayTheyNameUnderEitherEpoch)
{
    for (int epoch : {kEpochHuangdi, kEpochAlternative}) {
        CalendarSettings s = SettingsForCountry(Country::China);
        s.epoch = epoch;
        const auto dates = CJDateToChDates(Meridian(s.meridian.degreesEast()).At(kJDN_2013_02_10 + 0.5), epoch);
        ASSERT_TRUE(dates && dates->solar);
        const ChineseSolarDate& chs = *dates->solar;
        const std::string text = std::to_string(chs.cycle) + "-" + std::to_string(chs.position) + "-" +
                                 std::to_string(chs.term) + "-" + std::to_string(chs.day) + " CHS";
        const ParseResult r = ParseDate(Entry(text, "8:00"), s, nullptr);
        ASSERT_EQ(r.errorCode, DateEntryError::None) << text << " epoch " << epoch;
        EXPECT_NEAR(r.ajd.ajd(), AtMeridian(kJDN_2013_02_10, 480, 120), kTolerance) << text;
        EXPECT_EQ(r.fields.currentCalendar, kRowCHS);
        EXPECT_EQ(r.fields.zoneIndex, 1);
    }
}

TEST(DateEntryParse, DayCountsSetTheirOwnTimeAndZone)
{
    const struct {
        std::string date;
        const char* time;
        double ajd;
        int calendar;
        int zone;
        const char* timeAfter;
    } cases[] = {
        {"625333 AJD", "", 625333.0, kRowAJD, 0, "12:00"},
        {"2,455,000.5 AJD", "", 2455000.5, kRowAJD, 0, "00:00"},
        {"2,455,000.75 ajd", "9:00", 2455000.75, kRowAJD, 0, "06:00"},
        {"625333.7 CJDL", "", 625333.2, kRowCJDL, 0, "16:48"},
        {"999999.99 CJDL", "", 999999.49, kRowCJDL, 0, "23:45"},
        {"2455000.75 CJDC", "", 2455000.75 - 1.0 / 3 - 0.5, kRowCJDC, 1, "18:00"},
        {"2,455,901.2920 CJDC", "", 2455901.292 - 1.0 / 3 - 0.5, kRowCJDC, 1, "07:00"},
        {"2455000-1 AJD", "", 2455000.0, kRowAJD, 0, "12:00"},
        {"1e400 AJD", "", kDblMax, kRowAJD, 0, "00:00"},
        {std::string(400, '9') + " AJD", "", kDblMax, kRowAJD, 0, "00:00"},
    };
    for (const auto& c : cases) {
        const ParseResult r = Parse(Entry(c.date, c.time, 1, kRowCE));
        const std::string shown = c.date.substr(0, 40);
        ASSERT_EQ(r.errorCode, DateEntryError::None) << "'" << shown << "'";
        EXPECT_NEAR(r.ajd.ajd(), c.ajd, c.ajd * 1e-15 + kTolerance) << "'" << shown << "'";
        EXPECT_EQ(r.fields.currentCalendar, c.calendar) << "'" << shown << "'";
        EXPECT_EQ(r.fields.zoneIndex, c.zone) << "'" << shown << "'";
        EXPECT_EQ(r.fields.time, c.timeAfter) << "'" << shown << "'";
    }
    // Beyond the upper limit only the range check after the plus/minus days refuses.
    EXPECT_EQ(CheckDateRange(Moment(Parse(Entry("1e400 AJD")).ajd)), RangeCheck::TooLate);
}

TEST(DateEntryParse, EveryRefusalGivesItsCode)
{
    const std::string nines(30, '9');
    const struct {
        Country country;
        std::string date;
        const char* time;
        DateEntryError code;
    } cases[] = {
        {Country::China, "", "", DateEntryError::NoDate},
        {Country::China, "   ", "", DateEntryError::NoDate},
        {Country::China, ",", "", DateEntryError::NoDate},
        {Country::China, "CE 2011-10-15", "", DateEntryError::NoDate},
        {Country::China, "+2011-10-15 CE", "", DateEntryError::NoDate},
        {Country::China, "2011-10-15 X", "", DateEntryError::NoCalendar},
        {Country::China, "2011-10-15 CE 12:00", "", DateEntryError::NoCalendar},
        {Country::China, "2011-10-15 ARCGMT", "", DateEntryError::NoCalendar},
        {Country::China, "2011-10-15 CE CE", "", DateEntryError::NoCalendar},
        {Country::China, "2011-10-15 12:00 CE", "", DateEntryError::TimeInDate},
        {Country::China, "2455000:5 AJD", "", DateEntryError::TimeInDate},
        {Country::China, "2013-02-10 CE", "24:00", DateEntryError::InvalidTime},
        {Country::China, "2013-02-10 CE", "7:60", DateEntryError::InvalidTime},
        {Country::China, "2013-02-10 CE", "123:00", DateEntryError::InvalidTime},
        {Country::China, "79-28-01-01 CHL", "noon", DateEntryError::InvalidTime},
        {Country::China, "2011/10/15 CE", "", DateEntryError::Separator},
        {Country::China, "2011.10.15 CE", "", DateEntryError::Separator},
        {Country::China, "79.28.1.1 CHL", "", DateEntryError::Separator},
        {Country::China, "2013-02-30 CE", "", DateEntryError::InvalidCE},
        {Country::China, "2013-13-01 CE", "", DateEntryError::InvalidCE},
        {Country::China, "20130210 CE", "", DateEntryError::InvalidCE},
        {Country::China, "1000000-01-01 CE", "", DateEntryError::InvalidCE},
        {Country::China, "2013-01-2147483648 CE", "", DateEntryError::InvalidCE},
        {Country::China, "2013-02-29 JC", "", DateEntryError::InvalidJC},
        {Country::China, "70-?-12-30 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "79-61-01-01 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "79-28-4*-1 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "99999999999-01-01-01 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "79-28-01-2147483648 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, nines + "-1-1 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "-1-1 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "4709 CHL", "", DateEntryError::InvalidCHL},
        {Country::Vietnam, "4709-1-1 CHL", "", DateEntryError::InvalidCHL},
        {Country::Japan, "4709-1-1 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "79-28-01-01-01 CHL", "", DateEntryError::InvalidCHL},
        {Country::China, "79-28-25-01 CHS", "", DateEntryError::InvalidCHS},
        {Country::China, "79-28-01-17 CHS", "", DateEntryError::InvalidCHS},
        {Country::China, "79-?-01-01 CHS", "", DateEntryError::InvalidCHS},
        {Country::China, "99999999999-01-01-01 CHS", "", DateEntryError::InvalidCHS},
        {Country::China, "2455-000-1 AJD", "", DateEntryError::InvalidDayCount},
        {Country::China, "--2455000 CJDL", "", DateEntryError::InvalidDayCount},
        {Country::China, "4697-02-30 ARC", "", DateEntryError::InvalidARC},
        {Country::China, "4697-14-01 ARC", "", DateEntryError::InvalidARC},
        {Country::China, "99999999999-01-01 ARC", "", DateEntryError::InvalidARC},
        {Country::China, "79-28-02-30 CHL", "", DateEntryError::CHLDayBeyondMonth},
        {Country::China, "79-28-02-31 CHL", "", DateEntryError::CHLDayBeyondMonth},
        {Country::China, "4709-2-30 CHL", "", DateEntryError::CHLDayBeyondMonth},
        {Country::China, "-3001-12-31 CE", "", DateEntryError::TooEarly},
        {Country::China, "-999999-01-01 CE", "", DateEntryError::TooEarly},
        {Country::China, "-3001-12-31 JC", "", DateEntryError::TooEarly},
        {Country::China, "-2600-01-01 ARC", "", DateEntryError::TooEarly},
        {Country::China, "625332.9 AJD", "", DateEntryError::TooEarly},
        {Country::China, "625333.2 CJDL", "", DateEntryError::TooEarly},
        {Country::China, "625333.5 CJDC", "", DateEntryError::TooEarly},
        {Country::China, "-1e400 AJD", "", DateEntryError::TooEarly},
        {Country::China, "AJD", "", DateEntryError::NoDate},
        {Country::China, "-AJD", "", DateEntryError::TooEarly},
    };
    for (const auto& c : cases) {
        for (bool answer : {true, false}) {
            const ParseResult r = Parse(Entry(c.date, c.time, -1, kRowCE), c.country, answer);
            EXPECT_EQ(r.errorCode, c.code) << "'" << c.date.substr(0, 40) << "' at '" << c.time
                                           << "', country " << static_cast<int>(c.country);
            EXPECT_EQ(r.ajd.ajd(), 0.0) << "'" << c.date.substr(0, 40) << "'";
        }
    }
}

TEST(DateEntryParse, ADateWithoutDesignationIsQuestionedForTheCurrentCalendar)
{
    const struct {
        int calendar;
        const char* question;
    } rows[] = {
        {kRowCE, "Is this a CE Calendar date?"},   {kRowJC, "Is this a JC Calendar date?"},
        {kRowCHL, "Is this a CHL Calendar date?"}, {kRowCHS, "Is this a CHS Calendar date?"},
        {kRowAJD, "Is this a AJD Calendar date?"}, {kRowCJDC, "Is this a CJDC Calendar date?"},
        {kRowCJDL, "Is this a CJDL Calendar date?"}, {kRowARCGMT, "Is this a ARC Calendar date?"},
        {kRowARCCCT, "Is this a ARC Calendar date?"},
    };
    for (const auto& row : rows) {
        QuestionBox no;
        no.answer = false;
        const ParseResult r = ParseDate(Entry("2011-10-15", "", -1, row.calendar),
                                        SettingsForCountry(Country::China), no.Ask());
        EXPECT_EQ(r.errorCode, DateEntryError::NoCalendar) << row.question;
        ASSERT_EQ(no.asked.size(), 1u) << row.question;
        EXPECT_EQ(no.asked[0], row.question);
        EXPECT_EQ(r.fields.date, "2011-10-15");
        EXPECT_EQ(r.fields.currentCalendar, row.calendar);
        EXPECT_FALSE(r.calendarChanged);
    }

    // Yes: the designation is appended and the parse goes on in that calendar. In China 2011 is
    // then an overseas Chinese year (34-30-10-15); elsewhere the date is no CHL date.
    QuestionBox yes;
    const ParseResult chl = ParseDate(Entry("2011-10-15"), SettingsForCountry(Country::China), yes.Ask());
    ASSERT_EQ(yes.asked, std::vector<std::string>{"Is this a CHL Calendar date?"});
    EXPECT_EQ(chl.errorCode, DateEntryError::None);
    EXPECT_EQ(chl.fields.date, "2011-10-15 CHL");
    const ParseResult direct = Parse(Entry("34-30-10-15 CHL"));
    ASSERT_EQ(direct.errorCode, DateEntryError::None);
    EXPECT_EQ(chl.ajd, direct.ajd);

    const ParseResult vietnam = Parse(Entry("2011-10-15"), Country::Vietnam, true);
    EXPECT_EQ(vietnam.errorCode, DateEntryError::InvalidCHL);
    EXPECT_EQ(vietnam.fields.date, "2011-10-15 CHL");

    const ParseResult ce = Parse(Entry("2013-02-10", "", -1, kRowCE), Country::Japan, true);
    EXPECT_EQ(ce.errorCode, DateEntryError::None);
    EXPECT_EQ(ce.fields.date, "2013-02-10 CE");
    EXPECT_EQ(ce.ajd, Moment(2456334.0));

    const ParseResult ajd = Parse(Entry("2455000.5", "", -1, kRowAJD), Country::China, true);
    EXPECT_EQ(ajd.errorCode, DateEntryError::None);
    EXPECT_EQ(ajd.fields.date, "2455000.5 AJD");
    EXPECT_EQ(ajd.ajd.ajd(), 2455000.5);

    // No question: inner blanks, no current calendar, or no way to ask.
    for (const auto& [date, calendar] : std::vector<std::pair<std::string, int>>{
             {"2011-10-15 X", kRowCHL}, {"2011 10 15", kRowCE}, {"2011-10-15", -1}, {"2011-10-15", 9}}) {
        QuestionBox box;
        const ParseResult r = ParseDate(Entry(date, "", -1, calendar), SettingsForCountry(Country::China), box.Ask());
        EXPECT_EQ(r.errorCode, DateEntryError::NoCalendar) << "'" << date << "' row " << calendar;
        EXPECT_TRUE(box.asked.empty()) << "'" << date << "' row " << calendar;
    }
    EXPECT_EQ(ParseDate(Entry("2011-10-15"), SettingsForCountry(Country::China), nullptr).errorCode,
              DateEntryError::NoCalendar);
}

TEST(DateEntryParse, AFailedEntryKeepsWhatTheStepsBeforeTheFailureWrote)
{
    const struct {
        const char* date;
        const char* time;
        DateEntryError code;
        const char* dateAfter;
        const char* timeAfter;
        int zoneAfter;
        bool calendarChanged;
    } cases[] = {
        // Refused before the time field is looked at: only the date field is rewritten.
        {" 2011/10/15 ce ", "", DateEntryError::Separator, "2011/10/15 CE", "", -1, false},
        {"2011-10-15 12:00 ce", "", DateEntryError::TimeInDate, "2011-10-15 12:00 CE", "", -1, false},
        // Refused by its calendar: the empty time has become noon.
        {"2013-02-30 ce", "", DateEntryError::InvalidCE, "2013-02-30 CE", "12:00", -1, false},
        {"625332.9 ajd", "7:15", DateEntryError::TooEarly, "625332.9 AJD", "7:15", -1, false},
        // Refused for its time: the calendar and the default zone are already taken, and the
        // points of the time are colons.
        {"2013-02-10 ce", "24.00", DateEntryError::InvalidTime, "2013-02-10 CE", "24:00", 0, true},
    };
    for (const auto& c : cases) {
        const ParseResult r = Parse(Entry(c.date, c.time, -1, kRowCHL));
        EXPECT_EQ(r.errorCode, c.code) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.date, c.dateAfter) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.time, c.timeAfter) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.zoneIndex, c.zoneAfter) << "'" << c.date << "'";
        EXPECT_EQ(r.calendarChanged, c.calendarChanged) << "'" << c.date << "'";
        EXPECT_EQ(r.fields.currentCalendar, c.calendarChanged ? kRowCE : kRowCHL) << "'" << c.date << "'";
    }
}

TEST(DateEntryParse, AnEmptyDateWithPlusMinusDaysTakesTheDisplayedDate)
{
    const struct {
        int calendar;
        const char* value;
        double ajd;
        const char* dateAfter;
        const char* timeAfter;
        int zoneAfter;
    } cases[] = {
        {kRowCE, "2013-02-10 CE 09:30 GMT Sunday", AtGMT(kJDN_2013_02_10, 570), "2013-02-10 CE", "09:30", 0},
        {kRowCHL, "79-28-01-01 CHL 20:00 CCT", AtMeridian(kJDN_2011_02_03, 1200, 120), "79-28-01-01 CHL",
         "20:00", 1},
        {kRowCJDC, "2,455,901.2920 CJDC", 2455901.292 - 1.0 / 3 - 0.5, "2,455,901.2920 CJDC", "07:00", 1},
        {kRowARCGMT, "4697-11-25 ARC 12:00 GMT Mars Day", 2451545.0, "4697-11-25 ARC", "12:00", 0},
    };
    for (const auto& c : cases) {
        DateEntry e = Entry("", "", -1, c.calendar);
        e.plusMinus = "10";
        e.element = 2;
        e.currentDisplayed = EntryFromDisplayedValue(static_cast<CalendarRow>(c.calendar), c.value);
        const ParseResult r = Parse(e);
        ASSERT_EQ(r.errorCode, DateEntryError::None) << c.value;
        EXPECT_TRUE(r.copiedDisplayedDate) << c.value;
        EXPECT_NEAR(r.ajd.ajd(), c.ajd, 1e-7) << c.value;
        EXPECT_EQ(r.fields.date, c.dateAfter) << c.value;
        EXPECT_EQ(r.fields.time, c.timeAfter) << c.value;
        EXPECT_EQ(r.fields.zoneIndex, c.zoneAfter) << c.value;
        EXPECT_EQ(r.fields.element, c.calendar == kRowCHL ? 2 : kNoElementItem) << c.value;
    }

    // Without plus/minus days, or without a current calendar, there is nothing to take.
    DateEntry none = Entry("", "", -1, kRowCE);
    none.currentDisplayed = EntryFromDisplayedValue(kRowCE, "2013-02-10 CE 09:30 GMT Sunday");
    EXPECT_EQ(Parse(none).errorCode, DateEntryError::NoDate);
    none.plusMinus = "10";
    none.currentCalendar = -1;
    const ParseResult r = Parse(none);
    EXPECT_EQ(r.errorCode, DateEntryError::NoDate);
    EXPECT_FALSE(r.copiedDisplayedDate);
}

TEST(DateEntryParse, TheOverseasYearIsCountedFromTheHuangdiEpochUnderEitherEpoch)
{
    // 4709-1-1 is read as 79-28-1-1 whatever the epoch; under -2636 that cycle-position is a year
    // sixty years later, the year the program shows as 4709 under that epoch.
    for (int epoch : {kEpochHuangdi, kEpochAlternative}) {
        CalendarSettings s = SettingsForCountry(Country::China);
        s.epoch = epoch;
        const ParseResult overseas = ParseDate(Entry("4709-1-1 CHL"), s, nullptr);
        const ParseResult direct = ParseDate(Entry("79-28-1-1 CHL"), s, nullptr);
        ASSERT_EQ(overseas.errorCode, DateEntryError::None) << "epoch " << epoch;
        ASSERT_EQ(direct.errorCode, DateEntryError::None) << "epoch " << epoch;
        EXPECT_EQ(overseas.ajd, direct.ajd) << "epoch " << epoch;
    }
}

TEST(DateEntryPlusMinus, DaysMoveTheParsedMomentAndOnlyThenIsTheRangeChecked)
{
    const std::string nines(400, '9');
    const struct {
        const char* date;
        std::string amount;
        bool plus;
        double ajd;
        RangeCheck range;
    } cases[] = {
        {"2013-02-10 CE", "-1.5", true, 2456332.5, RangeCheck::InRange},
        {"2013-02-10 CE", "1,000", true, 2457334.0, RangeCheck::InRange},
        {"2013-02-10 CE", "+2", false, 2456332.0, RangeCheck::InRange},
        {"3000-01-01 CE", "0", true, kMaxAJD, RangeCheck::InRange},
        {"3000-01-01 CE", "0.0001", true, kMaxAJD + 0.0001, RangeCheck::TooLate},
        {"3001-01-01 CE", "1,000", false, 2816788.0 + 365 - 1000, RangeCheck::InRange},
        {"-3000-01-01 CE", "0.5", false, kMinAJD - 0.5, RangeCheck::TooEarly},
        {"1e400 AJD", nines, false, 0.0, RangeCheck::TooEarly},
        {"2816788 AJD", nines, true, kDblMax, RangeCheck::TooLate},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(IsValidPlusMinus(c.amount)) << c.amount.substr(0, 20);
        const ParseResult r = Parse(Entry(c.date, "", -1, kRowCE));
        ASSERT_EQ(r.errorCode, DateEntryError::None) << c.date;
        const double days = PlusMinusAmount(c.amount);
        const double ajd = c.plus ? r.ajd.ajd() + days : r.ajd.ajd() - days;
        EXPECT_NEAR(ajd, c.ajd, 1e-6) << c.date << (c.plus ? " plus " : " minus ") << c.amount.substr(0, 20);
        EXPECT_EQ(CheckDateRange(Moment(ajd)), c.range) << c.date << (c.plus ? " plus " : " minus ")
                                                << c.amount.substr(0, 20) << " = AJD " << ajd;
    }
}

// The refusal of an entry: its box, and the date field to be corrected.
TEST(DateEntryMessages, RefusalsAreWarningsThatReturnToTheDateField)
{
    const struct {
        DateEntryError code;
        const char* title;
        const char* text;
    } cases[] = {
        {DateEntryError::InvalidTime, "Invalid date or time entry", "Invalid time specification.  Times must be, e.g., 23:50."},
        {DateEntryError::TooEarly, "Invalid date or time entry", "Date too early."},
        // A Chinese year after the range is answered as a moment after the range is.
        {DateEntryError::TooLate, "Date out of range", "Date is later than 3000-01-01 CE."},
    };
    for (const auto& c : cases) {
        const Refusal r = DateEntryRefusal(c.code, Country::Vietnam);
        EXPECT_EQ(r.title, c.title) << c.text;
        EXPECT_EQ(r.text, c.text);
        EXPECT_EQ(r.icon, MessageIcon::Warning) << c.text;
        EXPECT_EQ(r.next, AfterRefusal::RetypeDate) << c.text;
    }
}

// Where a move or a search starts: the entered moment inside the range, else the refusal.
TEST(DateEntryMessages, AStartingMomentIsInsideTheRange)
{
    const struct {
        const char* date;
        const char* refusal; // "" for a moment
        double ajd;
    } cases[] = {
        {"2013-02-10 CE", "", 2456334.0},
        {"3000-01-01 CE", "", 2816788.0}, // the last admissible moment, 12:00 GMT
        {"3000-01-02 CE", "Date out of range: Date is later than 3000-01-01 CE.", 0},
        {"2013-02-10 QQ", "Invalid date or time entry: Calendar must be specified (one of CHL, CHS, CE, JC, "
                          "ARC, CJDL, CJDC, AJD).", 0},
    };
    for (const auto& c : cases) {
        const Outcome<Moment> start = StartingMoment(Parse(Entry(c.date)), Country::China);
        if (*c.refusal == '\0') {
            ASSERT_TRUE(start.ok()) << c.date << ": " << start.refusal().text;
            EXPECT_DOUBLE_EQ(start.value().ajd(), c.ajd) << c.date;
            continue;
        }
        ASSERT_FALSE(start.ok()) << c.date;
        EXPECT_EQ(start.refusal().title + ": " + start.refusal().text, c.refusal);
        EXPECT_EQ(start.refusal().next, AfterRefusal::RetypeDate) << c.date;
    }
}
