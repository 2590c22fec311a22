// The traditional festivals of each country: the table of its row (core/CountryFestivals.h) and
// their names by language. The rules that place a festival in a lunar year are in FestivalDates.
#pragma once

#include <span>
#include <string_view>

#include "calendar/core/Festival.h"
#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"

namespace orlun {

// The festivals of the country's row.
std::span<const Festival> FestivalsOf(Country country);

// The name in the language asked for; where the festival has none in it, in the country's own
// language; English for English.
std::string_view FestivalName(const Festival& festival, Language language, Country country);

} // namespace orlun
