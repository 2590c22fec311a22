// Log entries and the headings of automatic entries: exact texts, line ends and separators.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/presentation/DisplayModel.h"
#include "calendar/presentation/LogEntry.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/TimeScales.h"

using namespace orlun;

namespace {

const std::string kTitle = "Orlun 1.00";

// 2013-02-10 12:00 GMT: the lunar new year's day of 4711 (79-30), 20:00 at 120 E; the 7th day of
// "Beginning of spring" (term 4), lunation 162 began at 15:20 CCT that day.
LogMoment NewYear2013(Country country = Country::China)
{
    LogMoment m;
    m.settings = SettingsForCountry(country);
    m.ajd = Moment(2456334.0);
    m.cjdl = AJDToCJDL(m.ajd);
    m.cjdc = CJDLToCJDC(m.cjdl, m.settings.meridian);
    const auto dates = CJDateToChDates(m.cjdc, m.settings.epoch);
    m.chl = dates->lunar;
    m.chs = dates->solar;
    m.chlLine = "79-30-01-01 CHL 20:00 CCT";
    m.chsLine = "79-30-04-07 CHS 20:00 CCT";
    m.ceLine = "2013-02-10 CE 12:00 GMT Sunday";
    m.jcLine = "2013-01-28 JC 12:00 GMT Sunday";
    m.phaseLine = "Crescent (waxing), 0.5%";
    m.ageLine = "[162] 0 days, 4 hrs, 39 mins (0.7%)";
    m.countryName = CountryName(country);
    m.longitude = m.settings.meridian;
    m.lunation = 162;
    return m;
}

LogPreferences Everything(bool expanded, bool ganzhi = true)
{
    return LogPreferences::FromArray({expanded, ganzhi, false, true, true, true, true, true, true,
                                      true, true, true, true});
}

LogPreferences Nothing() { return LogPreferences::FromArray({}); }

const std::string kChineseExpanded =
    "79-30-04-07 CHS 20:00 CCT\r\n"
    "= the 7th day of solar term 4 (J1, Beginning of spring, Li chun)\r\n"
    "in the year (sui) at position 30 of cycle 79.\r\n"
    "79-30-01-01 CHL 20:00 CCT\r\n"
    "= the 1st day (fire-sheep ding-wei) of month 1 (jia-yin wood-tiger) \r\n"
    "in the water-snake gui-si year (nian) at position 30 of cycle 79 (year 4711).\r\n"
    "2,456,334.8333 CJDC (chronological Julian date, longitude  120\u00BA E, China)\r\n"
    "Epoch = -2696, method = true sun, longitude = 120\u00BA E, China.\r\n";

const std::string kWesternExpanded =
    "2013-02-10 CE 12:00 GMT\r\n"
    "= the 10th day of February in the year 2013 in the Common Era Calendar, a Sunday.\r\n"
    "2013-01-28 JC 12:00 GMT\r\n"
    "= the 28th day of January in the year 2013 in the Julian Calendar, a Sunday.\r\n"
    "2,456,334.5000 CJDL (chronological Julian date, London)\r\n";

const std::string kAstronomicalExpanded =
    "2,456,334.0000 AJD (astronomical Julian date)\r\n"
    "Crescent (waxing), 0.5% illumination\r\n"
    "Lunation 162, age of Moon = 0 days, 4 hrs, 39 mins (0.7% of lunation)\r\n";

const std::string kSeparator = "--------------------\r\n";

} // namespace

TEST(LogEntry, CompactEntryOfEveryItemOnAnEmptyLog)
{
    const std::string expected =
        "Orlun 1.00\r\n"
        "\r\n"
        "79-30-04-07 CHS 20:00 CCT\r\n"
        "79-30-01-01 CHL 20:00 CCT\r\n"
        "2,456,334.8333 CJDC\r\n"
        "Epoch = -2696, method = true sun, longitude = 120\u00BA E, China.\r\n"
        "2013-02-10 CE 12:00 GMT\r\n"
        "2013-01-28 JC 12:00 GMT\r\n"
        "2,456,334.5000 CJDL\r\n"
        "2,456,334.0000 AJD\r\n"
        "Crescent (waxing), 0.5%\r\n"
        "Lunation 162, age of Moon = 0 days, 4 hrs, 39 mins (0.7%)\r\n"
        "\r\n";
    EXPECT_EQ(LogEntryText(NewYear2013(), Everything(false), kTitle, true), expected);
}

TEST(LogEntry, ExpandedEntryOfEveryItemOnALogWithText)
{
    const std::string expected = kChineseExpanded + kSeparator + kWesternExpanded + kSeparator +
                                 kAstronomicalExpanded + "\r\n";
    const LogEntryResult r = BuildLogEntry(NewYear2013(), Everything(true), kTitle, false);
    EXPECT_EQ(r.text, expected);
    EXPECT_EQ(r.error, "");
}

TEST(LogEntry, ExpandedChineseWithoutChineseTerms)
{
    LogPreferences p = Nothing();
    p.verbose = true;
    p.chl = p.chs = true;
    EXPECT_EQ(LogEntryText(NewYear2013(), p, kTitle, false),
              "79-30-04-07 CHS 20:00 CCT\r\n"
              "= the 7th day of solar term 4 (J1, Beginning of spring)\r\n"
              "in the year (sui) at position 30 of cycle 79.\r\n"
              "79-30-01-01 CHL 20:00 CCT\r\n"
              "= the 1st day (fire-sheep) of month 1 (wood-tiger) \r\n"
              "in the water-snake year (nian) at position 30 of cycle 79 (year 4711).\r\n"
              "\r\n");
}

// The separator lines appear only in expanded entries, between groups that both have items.
TEST(LogEntry, SeparatorsBetweenGroupsOfExpandedEntries)
{
    struct Case {
        const char* name;
        bool chl, ce, ajd, expanded;
        std::string expected;
    };
    const std::string chl = "79-30-01-01 CHL 20:00 CCT\r\n";
    const std::string chlLong =
        "= the 1st day (fire-sheep ding-wei) of month 1 (jia-yin wood-tiger) \r\n"
        "in the water-snake gui-si year (nian) at position 30 of cycle 79 (year 4711).\r\n";
    const std::string ce = "2013-02-10 CE 12:00 GMT\r\n";
    const std::string ceLong =
        "= the 10th day of February in the year 2013 in the Common Era Calendar, a Sunday.\r\n";
    const std::string ajd = "2,456,334.0000 AJD\r\n";
    const std::string ajdLong = "2,456,334.0000 AJD (astronomical Julian date)\r\n";
    const std::vector<Case> cases = {
        {"Chinese alone", true, false, false, true, chl + chlLong + "\r\n"},
        {"Western alone", false, true, false, true, ce + ceLong + "\r\n"},
        {"Chinese and Western", true, true, false, true, chl + chlLong + kSeparator + ce + ceLong + "\r\n"},
        {"Chinese and astronomical", true, false, true, true, chl + chlLong + kSeparator + ajdLong + "\r\n"},
        {"Western and astronomical", false, true, true, true, ce + ceLong + kSeparator + ajdLong + "\r\n"},
        {"all three", true, true, true, true,
         chl + chlLong + kSeparator + ce + ceLong + kSeparator + ajdLong + "\r\n"},
        {"all three, compact", true, true, true, false, chl + ce + ajd + "\r\n"},
    };
    for (const Case& c : cases) {
        LogPreferences p = Nothing();
        p.verbose = c.expanded;
        p.includeGanzhi = true;
        p.chl = c.chl;
        p.ce = c.ce;
        p.ajd = c.ajd;
        EXPECT_EQ(LogEntryText(NewYear2013(), p, kTitle, false), c.expected) << c.name;
    }
}

TEST(LogEntry, NothingIncludedGivesOnlyTheTitleBlock)
{
    // The three boxes without a group and the epoch line name no date of their own.
    LogPreferences p = Nothing();
    p.verbose = p.includeGanzhi = p.viewLogWhenAdd = p.epochEtc = true;
    for (const LogPreferences& prefs : {Nothing(), p}) {
        EXPECT_EQ(LogEntryText(NewYear2013(), prefs, kTitle, true), "Orlun 1.00\r\n\r\n");
        EXPECT_EQ(LogEntryText(NewYear2013(), prefs, kTitle, false), "");
    }
}

TEST(LogEntry, EpochLineOnlyWithAChineseItem)
{
    LogPreferences p = Nothing();
    p.epochEtc = true;
    p.ce = true;
    EXPECT_EQ(LogEntryText(NewYear2013(), p, kTitle, false), "2013-02-10 CE 12:00 GMT\r\n\r\n");

    // Japan, the second epoch and the mean sun: the line follows the settings.
    LogMoment m = NewYear2013(Country::Japan);
    m.settings.epoch = -2636;
    m.settings.method = TermMethod::MeanSun;
    p = Nothing();
    p.epochEtc = p.cjdc = p.verbose = true;
    EXPECT_EQ(LogEntryText(m, p, kTitle, false),
              "2,456,334.8750 CJDC (chronological Julian date, longitude  135\u00BA E, Japan)\r\n"
                  "Epoch = -2636, method = mean sun, longitude = 135\u00BA E, Japan.\r\n\r\n");
}

TEST(LogEntry, FailureEndsTheEntryWhereItStands)
{
    LogMoment m = NewYear2013();
    m.lunation.reset();
    LogPreferences p = Nothing();
    p.phase = p.lunationAge = true;
    const LogEntryResult r = BuildLogEntry(m, p, kTitle, false);
    EXPECT_EQ(r.text, "Crescent (waxing), 0.5%\r\n");
    EXPECT_EQ(r.error, "The lunation of the moment could not be found.");

    // A moment without Chinese dates cannot be written out at length.
    m = NewYear2013();
    m.chl.reset();
    p = Nothing();
    p.chl = p.verbose = true;
    const LogEntryResult chl = BuildLogEntry(m, p, kTitle, true);
    EXPECT_EQ(chl.text, "Orlun 1.00\r\n\r\n79-30-01-01 CHL 20:00 CCT\r\n");
    EXPECT_EQ(chl.error, "The Chinese lunar date of the moment could not be computed.");
}

TEST(LogEntry, MomentOfTheDisplayTexts)
{
    const CalendarSettings s = SettingsForCountry(Country::China);
    const DisplayTexts texts = BuildDisplayTexts(Moment(2456334.0), s);
    const LogMoment m = LogMomentOf(texts, s);
    EXPECT_EQ(m.ceLine, "2013-02-10 CE 12:00 GMT Sunday");
    EXPECT_EQ(m.jcLine, "2013-01-28 JC 12:00 GMT Sunday");
    EXPECT_EQ(m.phaseLine, texts.phaseOfMoon.value);
    EXPECT_EQ(m.ageLine, texts.ageOfMoon.value);
    EXPECT_DOUBLE_EQ(m.cjdc.cjd(), texts.cjdc.cjd());
    EXPECT_EQ(m.countryName, "China");
    EXPECT_EQ(m.longitude, Meridian(120));
    ASSERT_TRUE(m.lunation.has_value());
    EXPECT_EQ(*m.lunation, 162);
    ASSERT_TRUE(m.chl && m.chs);
    EXPECT_EQ(*m.chl, (ChineseLunarDate{79, 30, kFirstMonth, 1, kEpochHuangdi}));
    EXPECT_EQ((std::vector<int>{m.chs->cycle, m.chs->position, m.chs->term, m.chs->day}),
              (std::vector<int>{79, 30, 4, 7}));
}

TEST(LogEntry, PreferencesInSavedStateOrder)
{
    LogPreferences p;
    EXPECT_EQ(p.ToArray(), (std::array<bool, 13>{true, true, false, true, false, false, false,
                                                 true, false, false, false, true, false}));
    for (int i = 0; i < kLogPreferenceCount; ++i) {
        std::array<bool, kLogPreferenceCount> one{};
        one[i] = true;
        EXPECT_EQ(LogPreferences::FromArray(one).ToArray(), one) << "only box " << i;
    }
    p = LogPreferences::FromArray({});
    p.lunationAge = true;
    EXPECT_TRUE(p.ToArray()[12]);
    p = LogPreferences::FromArray({});
    p.viewLogWhenAdd = true;
    EXPECT_TRUE(p.ToArray()[2]);
    EXPECT_EQ(DefaultLogPreferences(false), LogPreferences{});
    const LogPreferences withCJDs = DefaultLogPreferences(true);
    EXPECT_TRUE(withCJDs.cjdc && withCJDs.cjdl && withCJDs.ajd);
    EXPECT_EQ(LogPreferences::FromArray({true, true, false, true, false, true, false, true, false,
                                         true, true, true, false}),
              withCJDs);
}

TEST(AutoLog, HeadingOfEveryReason)
{
    struct Case {
        int reason;
        AutoLogContext context;
        std::string heading;
    };
    auto plusMinus = [](const std::string& text, bool plus) {
        AutoLogContext c;
        c.plusMinus = text;
        c.plus = plus;
        return c;
    };
    AutoLogContext move;
    move.moveStep = "CHL month";
    AutoLogContext back = move;
    back.forward = false;
    back.moveStep = "CE year";
    AutoLogContext search;
    search.target = "Full moon";
    AutoLogContext previous = search;
    previous.next = false;
    previous.target = "Solar term + dark moon";
    AutoLogContext multiple = search;
    multiple.target = "Multiple element-animal day";
    multiple.multipleDescription = "day in an -ox (-chou) month in a water-pig (gui-hai) year";
    const std::vector<Case> cases = {
        {1, {}, "Now"},
        {2, plusMinus("", true), ""},
        {2, plusMinus("   ", true), ""},
        {2, plusMinus("1", true), "Plus 1 day"},
        {2, plusMinus(" 1 ", true), "Plus 1 day"},
        {2, plusMinus("1.5", true), "Plus 1.5 days"},
        {2, plusMinus("-1", true), "Plus -1 day"},
        {2, plusMinus("1,000", false), "Minus 1,000 days"},
        {2, plusMinus("0", false), "Minus 0 days"},
        {2, plusMinus("1.0", true), "Plus 1.0 day"},
        {2, plusMinus("0.5", true), "Plus 0.5 days"},
        {2, plusMinus("1e0", true), "Plus 1e0 day"},
        {3, move, "Move forward 1 CHL month"},
        {3, back, "Move back 1 CE year"},
        {4, search, "Search for next full moon"},
        {4, previous, "Search for previous solar term + dark moon"},
        {4, multiple,
         "Search for next day in an -ox (-chou) month in a water-pig (gui-hai) year"},
        {5, move, "Move forward one day "},
        {5, back, "Move back one day"},
        {0, move, ""},
        {6, move, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutoLogHeading(static_cast<AutoLogReason>(c.reason), c.context), c.heading)
            << "reason " << c.reason << ", plus/minus '" << c.context.plusMinus << "'";
}

TEST(AutoLog, HeadingLinesAndUnderline)
{
    AutoLogContext c;
    c.moveStep = "CHL month";
    EXPECT_EQ(AutoLogHeadingText(AutoLogReason::Move, c, false), "Move forward 1 CHL month\r\n");
    EXPECT_EQ(AutoLogHeadingText(AutoLogReason::Move, c, true),
              "Move forward 1 CHL month\r\n------------------------\r\n");
    // A Convert without plus/minus days: an empty heading, underlined by nothing.
    EXPECT_EQ(AutoLogHeadingText(AutoLogReason::Convert, {}, false), "\r\n");
    EXPECT_EQ(AutoLogHeadingText(AutoLogReason::Convert, {}, true), "\r\n\r\n");
    // The underline counts characters, not bytes, and stops at 255.
    c.multipleDescription = "day at 120\u00BA";
    EXPECT_EQ(AutoLogHeadingText(AutoLogReason::Search, c, true),
              "Search for next day at 120\u00BA\r\n" + std::string(27, '-') + "\r\n");
    c.multipleDescription.clear();
    c.target = std::string(300, 'x');
    EXPECT_EQ(AutoLogHeadingText(AutoLogReason::Search, c, true),
              "Search for next " + c.target + "\r\n" + std::string(255, '-') + "\r\n");
}

TEST(AutoLog, WholeAutomaticEntry)
{
    LogPreferences p = Nothing();
    p.ce = true;
    // A log begun by an automatic entry is headed by the title like any other.
    EXPECT_EQ(AutoLogText(static_cast<AutoLogReason>(1), {}, NewYear2013(), p, kTitle, true),
              "Orlun 1.00\r\n\r\nNow\r\n2013-02-10 CE 12:00 GMT\r\n\r\n");
    p.verbose = true;
    EXPECT_EQ(AutoLogText(static_cast<AutoLogReason>(2), {}, NewYear2013(), p, kTitle, false),
              "\r\n\r\n2013-02-10 CE 12:00 GMT\r\n"
              "= the 10th day of February in the year 2013 in the Common Era Calendar, a "
              "Sunday.\r\n\r\n");
    // With nothing dated chosen, an automatic entry is its heading alone.
    EXPECT_EQ(AutoLogText(static_cast<AutoLogReason>(1), {}, NewYear2013(), Nothing(), kTitle, false), "Now\r\n");
}

TEST(AutoLog, WantedOnlyWhenCheckedWithAReasonAndNotCancelled)
{
    EXPECT_TRUE(AutoLogWanted(true, static_cast<AutoLogReason>(1), false));
    EXPECT_TRUE(AutoLogWanted(true, static_cast<AutoLogReason>(5), false));
    EXPECT_FALSE(AutoLogWanted(false, static_cast<AutoLogReason>(1), false));
    EXPECT_FALSE(AutoLogWanted(true, static_cast<AutoLogReason>(0), false));
    EXPECT_FALSE(AutoLogWanted(true, static_cast<AutoLogReason>(-1), false));
    EXPECT_FALSE(AutoLogWanted(true, static_cast<AutoLogReason>(4), true));
}

// The native line follows the CHL item, long form included; no CHL item, no native line.
TEST(LogEntry, NativeLineFollowsTheCHLItem)
{
    LogMoment m = NewYear2013();
    m.nativeLine = "癸巳年正月初一\u3000蛇年\u3000丁未日";
    const std::string chl = "79-30-01-01 CHL 20:00 CCT\r\n", native = m.nativeLine + "\r\n";
    const std::string chs = "79-30-04-07 CHS 20:00 CCT\r\n", ce = "2013-02-10 CE 12:00 GMT\r\n";
    LogPreferences p = Nothing();
    p.chs = p.chl = p.ce = true;
    EXPECT_EQ(LogEntryText(m, p, kTitle, false), chs + chl + native + ce + "\r\n");
    p.chs = p.ce = false;
    p.verbose = true;
    EXPECT_EQ(LogEntryText(m, p, kTitle, false),
              chl + "= the 1st day (fire-sheep) of month 1 (wood-tiger) \r\n"
                    "in the water-snake year (nian) at position 30 of cycle 79 (year 4711).\r\n" + native + "\r\n");
    p = Nothing();
    p.chs = true;
    EXPECT_EQ(LogEntryText(m, p, kTitle, false), chs + "\r\n");
}
