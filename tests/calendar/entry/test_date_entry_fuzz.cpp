// Date entry against random text: whatever is typed into the date, time and plus/minus fields,
// the parse ends with a code 0..15, and a success always carries a finite moment on or after the
// first supported day in some zone (its start at the reference meridian is up to 0.91 day before
// AJD 625333.0, which the range check after the plus/minus days then refuses). Crashes, hangs and out-of-bounds reads show up as a failing
// run (more so under the address and undefined-behaviour sanitizers).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "calendar/entry/DateEntry.h"
#include "calendar/core/Limits.h"

using namespace orlun;

namespace {

constexpr int kInputs = 200000;
constexpr uint64_t kSeed = 0x4f726c756e2d38ULL;

class TextMaker {
public:
    explicit TextMaker(uint64_t seed) : rng_(seed) {}

    int Below(int n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
    bool OneIn(int n) { return Below(n) == 0; }

    std::string RandomBytes(int maxLength)
    {
        std::string s(static_cast<size_t>(Below(maxLength + 1)), '\0');
        for (char& c : s) c = static_cast<char>(Below(256));
        return s;
    }

    std::string Digits(int count)
    {
        std::string s;
        for (int i = 0; i < count; ++i) s += static_cast<char>('0' + Below(10));
        return s;
    }

    // A number as typed in a date field: mostly short, now and then a huge run of digits.
    std::string Number()
    {
        if (OneIn(40)) return Digits(20 + Below(400));
        if (OneIn(10)) return Digits(10 + Below(3)); // around the 32-bit limits
        return Digits(1 + Below(5));
    }

    const std::string& Pick(const std::vector<std::string>& items)
    {
        return items[static_cast<size_t>(Below(static_cast<int>(items.size())))];
    }

    // Tokens of dates, separators, designations and blanks in any order.
    std::string Mix()
    {
        static const std::vector<std::string> tokens = {
            "-", "-", "-", "*", "?", ",", ".", ":", " ", " ", "/", "+", "e", "E", "-?-",
            "CE", "JC", "CHL", "CHS", "AJD", "CJDC", "CJDL", "ARC", "ARCGMT", "ARCCCT",
            "ce", "chl", "arc", "ajd", " CHL", " CE", " AJD", " CJDC", "\t", "x"};
        std::string s;
        const int n = Below(12);
        for (int i = 0; i < n; ++i) s += OneIn(2) ? Number() : Pick(tokens);
        return s;
    }

    // A date shaped like a real entry of some calendar, with fields in and out of range.
    std::string Shaped()
    {
        static const std::vector<std::string> designations = {
            " CE", " JC", " CHL", " CHS", " ARC", " AJD", " CJDC", " CJDL", "", " chl", "CE"};
        std::string s = OneIn(5) ? "-" : "";
        const int fields = 1 + Below(5);
        for (int i = 0; i < fields; ++i) {
            if (i > 0) s += OneIn(20) ? "-?-" : "-";
            s += OneIn(3) ? std::to_string(Below(100)) : Number();
            if (OneIn(15)) s += "*";
            if (OneIn(20)) s += ".";
        }
        return s + Pick(designations);
    }

    // A Chinese date with every field near its range, so that the conversions run to the end.
    std::string Chinese()
    {
        std::string s = std::to_string(20 + Below(80));
        s += '-';
        s += OneIn(10) ? std::string("?") : std::to_string(Below(62));
        s += '-';
        s += std::to_string(Below(26));
        if (OneIn(8)) s += '*';
        s += '-';
        s += std::to_string(Below(32));
        s += OneIn(2) ? " CHL" : " CHS";
        return s;
    }

    std::string Date()
    {
        static const std::vector<std::string> boundaries = {
            "-3000-01-01 CE", "-3001-12-31 CE", "-3000-01-23 JC", "-3001-12-31 JC", "625333 AJD",
            "625332.99 AJD", "625333.5 CJDL", "625333.4 CJDC", "3000-01-01 CE", "2816788.5 CJDL"};
        if (OneIn(100)) return Chinese();
        if (OneIn(50)) return Pick(boundaries);
        switch (Below(10)) {
        case 0: return RandomBytes(40);
        case 1: return "";
        case 2: case 3: return Shaped();
        default: return Mix();
        }
    }

    std::string Time()
    {
        static const std::vector<std::string> times = {"", "", "12:00", "9.5", "24:00", "7:60", "123:00",
                                                       "0:00", "23:59", ":", "1:", " ", "1e400:1", "-1:30"};
        if (OneIn(5)) return RandomBytes(8);
        if (OneIn(5)) return Number() + (OneIn(2) ? ":" : ".") + Number();
        return Pick(times);
    }

    std::string PlusMinus()
    {
        static const std::vector<std::string> amounts = {"", "", "", "10", "-1.5", "1,000", "+2"};
        return Pick(amounts);
    }

    EntryFields Displayed()
    {
        static const std::vector<std::pair<CalendarRow, std::string>> shown = {
            {kRowCE, "2013-02-10 CE 09:30 GMT Sunday"},
            {kRowCHL, "79-30-01-01 CHL 20:00 CCT"},
            {kRowCHS, "79-30-04-01 CHS (J1) 20:00"},
            {kRowCJDC, "2,455,901.2920 CJDC"},
            {kRowARCGMT, "4697-11-25 ARC 12:00 GMT Mars Day"},
        };
        if (OneIn(4)) return EntryFromDisplayedValue(static_cast<CalendarRow>(Below(kCalendarRowCount)), Mix());
        const auto& [row, value] = shown[static_cast<size_t>(Below(static_cast<int>(shown.size())))];
        return EntryFromDisplayedValue(row, value);
    }

    DateEntry Entry()
    {
        DateEntry e;
        e.date = Date();
        e.time = Time();
        e.zoneIndex = Below(5) - 2;        // -2..2: two values no list holds
        e.element = Below(8) - 1;          // -1..6
        e.animal = Below(15) - 1;          // -1..13
        e.plusMinus = PlusMinus();
        e.currentCalendar = Below(12) - 1; // -1..10
        e.currentDisplayed = Displayed();
        return e;
    }

private:
    std::mt19937_64 rng_;
};

} // namespace

TEST(DateEntryFuzz, RandomEntriesEndWithACodeAndAnAdmissibleMoment)
{
    TextMaker maker(kSeed);
    const CalendarSettings countries[] = {SettingsForCountry(Country::Vietnam),
                                          SettingsForCountry(Country::China),
                                          SettingsForCountry(Country::Japan)};
    int parses = 0;
    int accepted = 0;
    int failures = 0;
    std::vector<int> byCode(kMaxDateEntryError + 1, 0);
    std::vector<int> byCalendar(kCalendarRowCount, 0);
    for (int i = 0; i < kInputs && failures < 20; ++i) {
        const DateEntry entry = maker.Entry();
        const CalendarSettings& settings = countries[maker.Below(3)];
        // The first run answers Yes; when a question was asked, the entry runs again answered No.
        for (const bool answer : {true, false}) {
            bool asked = false;
            const ParseResult r = ParseDate(entry, settings, [&](const std::string& q) {
                asked = true;
                EXPECT_EQ(q.rfind("Is this a ", 0), 0u) << q;
                return answer;
            });
            ++parses;
            const int code = static_cast<int>(r.errorCode);
            const bool codeOK = code >= 0 && code <= kMaxDateEntryError && r.errorCode != DateEntryError::InvalidPlusMinus;
            const bool momentOK = code != 0 || (std::isfinite(r.ajd.ajd()) && r.ajd.ajd() > kMinAJD - 1 &&
                                                       r.calendarChanged && r.fields.currentCalendar >= 0 &&
                                                       r.fields.currentCalendar < kCalendarRowCount &&
                                                       (r.fields.zoneIndex == 0 || r.fields.zoneIndex == 1));
            if (!codeOK || !momentOK) {
                ++failures;
                ADD_FAILURE() << "input " << i << " date '" << entry.date.substr(0, 60) << "' time '"
                              << entry.time << "' plus/minus '" << entry.plusMinus << "' answer " << answer
                              << ": code " << code << ", AJD " << r.ajd.ajd() << ", calendar "
                              << r.fields.currentCalendar << ", zone " << r.fields.zoneIndex;
            }
            if (codeOK) ++byCode[static_cast<size_t>(code)];
            if (code == 0) {
                ++accepted;
                ++byCalendar[static_cast<size_t>(r.fields.currentCalendar)];
                (void)CheckDateRange(Moment(r.ajd));
            }
            if (!asked) break;
            if (!answer) {
                EXPECT_EQ(r.errorCode, DateEntryError::NoCalendar) << "'" << entry.date << "' answered No";
            }
        }
    }
    RecordProperty("inputs", kInputs);
    RecordProperty("parses", parses);
    RecordProperty("accepted", accepted);
    std::cout << "[ date entry fuzz ] " << kInputs << " inputs, " << parses << " parses, " << accepted
              << " accepted; by code:";
    for (size_t code = 0; code < byCode.size(); ++code) std::cout << " " << code << ":" << byCode[code];
    std::cout << "; accepted by calendar row:";
    for (size_t row = 0; row < byCalendar.size(); ++row) std::cout << " " << row << ":" << byCalendar[row];
    std::cout << "\n";
}
