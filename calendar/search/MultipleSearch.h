// The multiple element-animal search: the nearest day whose day, CHL month and CHL year carry the
// chosen elements and animals, within a number of years of the start, in the calendars' range.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "calendar/core/Settings.h"
#include "calendar/search/ElementAnimalChoice.h"

namespace orlun {

enum class MultipleRow : int { Day = 0, Month = 1, Year = 2 };
inline constexpr int kMultipleRowCount = 3;

struct MultipleCriteria {
    std::array<ElementAnimalChoice, kMultipleRowCount> rows{};

    ElementAnimalChoice& operator[](MultipleRow r) { return rows[static_cast<int>(r)]; }
    const ElementAnimalChoice& operator[](MultipleRow r) const { return rows[static_cast<int>(r)]; }
    bool AnySpecified() const;
    // The six list indexes in the order of the saved state (element, animal of day, month, year).
    std::array<int, 6> ToIndexes() const;
    static MultipleCriteria FromIndexes(const std::array<int, 6>& indexes);
};

// The "within" list: its texts and the years they stand for.
inline constexpr int kWithinCount = 4;
inline constexpr std::array<int, kWithinCount> kWithinYears = {1, 10, 100, 1000};
inline constexpr std::array<const char*, kWithinCount> kWithinTexts = {
    "within 1 year", "within 10 years", "within 100 years", "within 1000 years"};
inline constexpr int kDefaultWithin = 2;
// Fixed day counts of 100 and 1000 years.
inline constexpr int32_t kHundredYearsDays = 36890;
inline constexpr int32_t kThousandYearsDays = 365608;

// The day's and the month's names of a moment, year any: the rows of "Same element-animal day
// and month".
MultipleCriteria SameDayAndMonthCriteria(Moment ajd, const CalendarSettings& settings);

// The last day the search may reach from day a: 1 and 10 years by the CHL year move (keeping the
// 30th and the leap month), 100 and 1000 years by fixed day counts; never beyond the range.
DayNumber MultipleSearchLimit(DayNumber a, bool next, int years, const CalendarSettings& settings);

enum class MultipleStatus { Found, NotFound, Stopped };
struct MultipleResult {
    MultipleStatus status = MultipleStatus::NotFound;
    DayNumber day; // the day found, or the last day examined
};

// Called for each candidate day; true stops the search. progress is called on every 20th.
struct MultipleHooks {
    std::function<bool()> stopRequested;
    std::function<void(DayNumber day)> progress;
};

// The nearest day after (before) day a that matches every specified row, up to the limit.
MultipleResult MultipleElementAnimalSearch(const MultipleCriteria& criteria, DayNumber a, bool next, DayNumber limit,
                                           const CalendarSettings& settings, const MultipleHooks& hooks = {});

// The label text of a candidate: "Searching ...    79-30-01-01 CHL   2013-02-10 CE".
std::string MultipleProgressText(DayNumber day, const CalendarSettings& settings);

// "There is no such day within 100 years of today."
std::string MultipleNotFoundText(const std::string& withinText, bool fromToday);
inline constexpr const char* kNotFoundTitle = "Not found";
inline constexpr const char* kInvalidInputTitle = "Invalid input";
inline constexpr const char* kNothingSpecified =
    "You must specify an element or an animal or both\r\nfor one or more of: day, month and year";

// The element list item of a row: plain names for the day; "in a wood", "in an earth" for the
// month and the year, whose empty item reads "in a" ("in an" while the row's animal is ox).
std::string MultipleElementItemText(MultipleRow row, int element, int animal);

// The criteria in words, e.g. "day in an -ox (-chou) month in a water-pig (gui-hai) year".
std::string MultipleElementAnimalStr(const MultipleCriteria& criteria, Country country);

} // namespace orlun
