// One search of the main window's Search panel, without the window: the target, the direction and
// the element and animal lists in, the new moment or a refusal out. The two targets that open the
// multiple element-animal window are run by the window (or orlun-cli) with MultipleSearch.h.
#pragma once

#include <optional>
#include <string>

#include "calendar/core/Settings.h"
#include "calendar/search/ElementAnimalChoice.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/SearchProgress.h"
#include "calendar/search/SearchTargets.h"

namespace orlun {

inline constexpr const char* kNoElementAnimalChosen = "You must specify an element, an animal or both.";

// Targets whose day is chosen in the multiple element-animal window.
bool UsesMultipleWindow(SearchTarget target);
// Targets that name the element and animal in their list text.
bool IsElementAnimalTarget(SearchTarget target);
// Targets after which the CJD lines give way to the year's and month's names: all but the events.
bool ClearsShowCJDs(SearchTarget target);

// The search from the moment ajd. A result outside the admissible range is refused with the
// range message, as is a search that runs into an end of the range.
MomentOutcome RunSearch(Moment ajd, const SearchInputs& inputs, const CalendarSettings& settings,
                        const SearchProgress& progress = {});

// The list text of an element-animal target: "wood-rat (jia-zi) day", "wood- (jia-, yi-) month",
// "-rat (-zi) year"; without a choice the plain text ("Element-animal day").
std::string ElementAnimalTargetText(SearchTarget target, const ElementAnimalChoice& choice, Country country);

// The target whose list text is the given one (the element-animal items also by their plain text).
std::optional<SearchTarget> SearchTargetFromText(const std::string& text);

} // namespace orlun
