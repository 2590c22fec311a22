// The lunar dates of the Julian or Common Era new years (1 January) of successive years, each
// with its stem-branch summary.
#pragma once

#include <cstddef>

#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"
#include "calendar/tables/YearList.h"

namespace orlun {

inline constexpr const char* kEuroNewYearsCaption = "Julian and CE new years";
inline constexpr const char* kOutputFull = "Output window is full.";
// The most text the list writes; the list stops, with kOutputFull, once it has that much.
inline constexpr size_t kMaxListText = 64512;

// The Julian or Gregorian year of the London day of a moment.
int EuroYearOfMoment(Moment ajd, bool julian);

class EuroNewYearList final : public YearList {
public:
    // In a native language both lines of a year end with their native texts.
    EuroNewYearList(int firstYear, int years, bool julian, const CalendarSettings& settings,
                    Language language = Language::English);
    // Hands the lines over ten years at a time and at the end.
    bool Next(std::string& out) override;

private:
    bool Flush(std::string& out);
    CalendarSettings settings_;
    int first_ = 0;
    bool julian_ = false;
    Language language_ = Language::English;
    std::string pending_;
    size_t written_ = 0; // characters handed over, the heading's included
};

} // namespace orlun
