// What orlun-cli search and multiple share: the element and animal names, and the printing of a
// found moment or of the message that refuses it.
#pragma once

#include <optional>
#include <string>

#include "CliArgs.h"
#include "calendar/native/Language.h"
#include "output/Output.h"
#include "calendar/search/MultipleSearch.h"
#include "calendar/search/SearchOutcome.h"

namespace orlun::cli {

// An element or animal name of the country; kNoElementItem / kNoAnimalItem for an empty name.
int ElementOption(const std::string& name);
int AnimalOption(const std::string& name, Country country);

// "wood-rat", "wood-" or "-rat".
ElementAnimalChoice ChoiceOption(const std::string& text, Country country);

// Every display line of the found moment (exit 0), with its native line for a native language,
// or "TITLE: TEXT" (exit 1).
int PrintOutcome(const MomentOutcome& outcome, const CalendarSettings& settings, Output& out,
                 Language language = Language::English);

// The multiple element-animal search from the moment, as its window runs it; within is an index
// of kWithinTexts.
MomentOutcome MultipleOutcome(const MultipleCriteria& criteria, Moment start, bool next, int within,
                              bool fromToday, const CalendarSettings& settings);

} // namespace orlun::cli
