// Lunar new years and anniversaries: the same lunar date in successive lunar years, starting with
// a displayed CHL date. From a new year's day (1-1, not a leap month) the list gives each nian's
// number of months and how often the terms J1 and Z1 fall within it.
#pragma once

#include <optional>
#include <string>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"
#include "calendar/tables/YearList.h"

namespace orlun {

inline constexpr const char* kLunarNewYearsCaption = "Lunar new years & anniversaries";

// The months of the nian (cycle, position) and its counts of J1 and Z1; none when the nian lies
// outside the computed years.
struct NianSummary {
    int months = 0;
    int j1 = 0;
    int z1 = 0;
};
std::optional<NianSummary> SummaryOfNian(int64_t cycle, int position, const CalendarSettings& settings);

class LunarNewYearList final : public YearList {
public:
    // displayedCHL: the CHL text of the main window ("79-30-01-01 CHL"). When it cannot be read
    // the list is empty and Message() says so. The list ends, saying so too, at the first date
    // after the supported days. In a native language each date's line ends with its native text.
    LunarNewYearList(const std::string& displayedCHL, int years, bool omitInvalid, bool julian,
                     const CalendarSettings& settings, Language language = Language::English);
    bool Next(std::string& out) override;
    bool NewYearMode() const { return newYearMode_; }

private:
    std::string Line(int k);
    CalendarSettings settings_;
    ChineseLunarDate rec_;
    DayNumber jdn_; // the day of rec_ once it has converted
    int day0_ = 0;
    ChineseMonth month0_;
    bool omitInvalid_ = false;
    bool julian_ = false;
    bool newYearMode_ = false;
    bool readable_ = false;
    Language language_ = Language::English;
};

} // namespace orlun
