// The present moment from the clock's texts.
#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <regex>
#include <string>

#include "calendar/western/Clock.h"
#include "engine/dayconv.h"

namespace orlun {
namespace {

class FakeClock final : public Clock {
public:
    FakeClock(std::string date, std::string time, int32_t secondsWest)
        : date_(std::move(date)), time_(std::move(time)), west_(secondsWest)
    {
    }
    std::string DateText() const override { return date_; }
    std::string TimeText() const override { return time_; }
    int32_t TimezoneSecondsWest() const override { return west_; }

private:
    std::string date_;
    std::string time_;
    int32_t west_;
};

// Seconds of Universal Time since the start of the civil day of jdn (which begins at jdn - 0.5).
long long SecondsAfterMidnight(double ajd, int32_t jdn)
{
    return std::llround((ajd - (jdn - 0.5)) * 86400.0);
}

TEST(ClockTodayJDN, ReadsMonthDayYear)
{
    const struct {
        const char* date;
        int32_t jdn;
    } cases[] = {
        {"01-01-2000", 2451545},
        {"12-31-1999", 2451544},
        {"02-29-2000", 2451604},
        {"10-15-1582", 2299161},
        {"06-07-12345", 6230136},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TodayJDN(FakeClock(c.date, "00:00:00", 0)).value(), c.jdn) << "date text " << c.date;
}

TEST(ClockCurrentAJDate, NoonAtGreenwichIsAWholeDayNumber)
{
    EXPECT_EQ(CurrentAJDate(FakeClock("01-01-2000", "12:00:00", 0)).ajd(), 2451545.0);
    EXPECT_EQ(CurrentAJDate(FakeClock("01-01-2000", "12:00:00 PM", 0)).ajd(), 2451545.0);
    // 07:00 in a zone five hours West is noon at Greenwich.
    EXPECT_EQ(CurrentAJDate(FakeClock("01-01-2000", "07:00:00", 18000)).ajd(), 2451545.0);
    EXPECT_EQ(CurrentAJDate(FakeClock("01-01-2000", "00:00:00", 0)).ajd(), 2451544.5);
}

TEST(ClockCurrentAJDate, TwelveAndTwentyFourHourTimes)
{
    const struct {
        const char* time;
        long long seconds;
    } cases[] = {
        {"12:05:09 AM", 5 * 60 + 9},
        {"12:05:09 PM", 12 * 3600 + 5 * 60 + 9},
        {"1:05:09 PM", 13 * 3600 + 5 * 60 + 9},
        {"1:05:09 AM", 1 * 3600 + 5 * 60 + 9},
        {"11:59:59 PM", 23 * 3600 + 59 * 60 + 59},
        {"11:59:59 AM", 11 * 3600 + 59 * 60 + 59},
        {"01:05:09 pm", 13 * 3600 + 5 * 60 + 9},
        {"00:05:09", 5 * 60 + 9},
        {"13:05:09", 13 * 3600 + 5 * 60 + 9},
        {"23:59:59", 23 * 3600 + 59 * 60 + 59},
    };
    for (const auto& c : cases) {
        const double ajd = CurrentAJDate(FakeClock("01-01-2000", c.time, 0)).ajd();
        EXPECT_EQ(SecondsAfterMidnight(ajd, 2451545), c.seconds) << "time text \"" << c.time << "\" gave AJD " << ajd;
    }
}

TEST(ClockCurrentAJDate, ZoneRoundedToWholeMinutes)
{
    const struct {
        int32_t secondsWest;
        long long zoneMinutesEast;
    } cases[] = {
        {0, 0},
        {-19800, 330},  // 5.5 hours East: 330 minutes, not 5 or 6 hours
        {-20700, 345},  // 5:45 East
        {-19790, 330},  // odd seconds are rounded away
        {-19810, 330},
        {18000, -300},  // 5 hours West
        {34200, -570},  // 9:30 West
        {-50400, 840},  // 14 hours East
    };
    for (const auto& c : cases) {
        const double ajd = CurrentAJDate(FakeClock("01-01-2000", "12:00:00", c.secondsWest)).ajd();
        EXPECT_EQ(SecondsAfterMidnight(ajd, 2451545), 12 * 3600 - c.zoneMinutesEast * 60)
            << "zone " << c.secondsWest << " s West gave AJD " << ajd;
    }
}

TEST(ClockCurrentAJDate, OddClockTextsGiveAFiniteMoment)
{
    const struct {
        const char* date;
        const char* time;
    } cases[] = {
        {"", ""},
        {"01-01-2000", ""},
        {"", "12:00:00"},
        {"01-01-2000", "PM"},
        {"01-01-2000", "7 PM"},
        {"01-01-2000", "7:30 PM"},
        {"01-01-2000", "::AM"},
        {"01-01-2000", "1"},
        {"01-01-2000", "abc"},
        {"1-1-2000", "1:2:3"},
        {"99999999999999999999-99999999999999-99999999999999999999999", "99999999999999999999:99999999:99999"},
        {"01-01-2000", "99999999999999999999999:00:00 AM"},
        {"--", "-:-:-"},
    };
    for (const auto& c : cases) {
        const double ajd = CurrentAJDate(FakeClock(c.date, c.time, 0)).ajd();
        EXPECT_TRUE(std::isfinite(ajd)) << "date \"" << c.date << "\", time \"" << c.time << "\" gave " << ajd;
    }
    // Missing parts of a readable text count as zero.
    EXPECT_EQ(SecondsAfterMidnight(CurrentAJDate(FakeClock("01-01-2000", "7 PM", 0)).ajd(), 2451545), 19 * 3600);
    EXPECT_EQ(SecondsAfterMidnight(CurrentAJDate(FakeClock("01-01-2000", "7:30 PM", 0)).ajd(), 2451545),
              19 * 3600 + 30 * 60);
    EXPECT_EQ(SecondsAfterMidnight(CurrentAJDate(FakeClock("01-01-2000", "", 0)).ajd(), 2451545), 0);
}

TEST(ClockSystemClock, TextsInTheExpectedForm)
{
    const SystemClock clock;
    const std::string date = clock.DateText();
    const std::string time = clock.TimeText();
    EXPECT_TRUE(std::regex_match(date, std::regex(R"(\d\d-\d\d-\d{4,})"))) << "date text " << date;
    EXPECT_TRUE(std::regex_match(time, std::regex(R"(\d\d:\d\d:\d\d)"))) << "time text " << time;
    EXPECT_EQ(clock.TimezoneSecondsWest(), get_timezone());

    // The moment read from the texts matches the system's count of seconds (the tolerance only
    // absorbs a clock tick between the two readings).
    const double fromClock = CurrentAJDate(clock).ajd();
    const double fromEpoch = 2440587.5 + static_cast<double>(std::time(nullptr)) / 86400.0;
    EXPECT_NEAR(fromClock, fromEpoch, 120.0 / 86400.0) << "date " << date << ", time " << time;
}

} // namespace
} // namespace orlun
