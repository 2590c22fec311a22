// The self-test of the Chinese date conversions: CHS and CHL dates go to a day number and back,
// and a date that does not come back unchanged is reported. "1" marks a date that came back, "0"
// one that was rejected as invalid (random fields are often out of range on purpose).
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"
#include "calendar/entry/DateEntryMessages.h"

namespace orlun {

inline constexpr int kSelfTestPairs = 1000;
inline constexpr const char* kSelfTestHeading = "Doing 1000 random solar,lunar -> JDN -> solar,lunar\r\n";

// Checks both dates both ways and returns the characters to append; failed becomes true when a
// date came back as another date (the text then holds the two-line report).
std::string CheckBothWays(const ChineseSolarDate& chs, const ChineseLunarDate& chl,
                          const CalendarSettings& settings, bool& failed);

// The two checks for the day of a CJDC moment.
std::string CheckMoment(LocalTime cjdc, const CalendarSettings& settings, bool& failed);

// The result for a typed date that could not be read: "Error code = 6" and the line end.
std::string SelfTestEntryErrorText(DateEntryError code);

// The random pairs, one at a time.
class RandomSelfTest {
public:
    RandomSelfTest(uint32_t seed, const CalendarSettings& settings);
    // Tests the next pair and returns its characters; false in done() once all are tested or a
    // date failed.
    std::string NextPair();
    bool Finished() const { return failed_ || done_ >= kSelfTestPairs; }
    bool Failed() const { return failed_; }
    int Done() const { return done_; }

private:
    // Int(r * n) + offset with r uniform in [0, 1).
    int Draw(int n, int offset);
    float Uniform();
    std::mt19937 random_;
    CalendarSettings settings_;
    int done_ = 0;
    bool failed_ = false;
};

} // namespace orlun
