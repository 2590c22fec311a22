// The countries, one row each. A new country is one row here and its festival table (its Moon
// pictures are drawn from the row at build time); its number is the next list index.
#pragma once

#include <array>

#include "calendar/core/CountryFestivals.h"
#include "calendar/core/CountryProfile.h"

namespace orlun {

inline constexpr std::array kCountryRows = {
    CountryProfile{.country = Country::Vietnam,
                   .name = "Vietnam",
                   .adjective = "Vietnamese",
                   .meridian = 105,
                   .zoneCode = "ICT",
                   .colour = {0, 128, 0},
                   .pictureSuffix = "_vn",
                   .animals = {"rat", "ox", "tiger", "cat", "dragon", "snake", "horse", "goat", "monkey",
                               "rooster", "dog", "pig"},
                   .chineseYearForms = false,
                   .key = "vn",
                   .ownLanguage = "vi",
                   .festivals = festival_rows::kVietnam},
    CountryProfile{.country = Country::China,
                   .name = "China",
                   .adjective = "Chinese",
                   .meridian = 120,
                   .zoneCode = "CCT",
                   .colour = {192, 0, 0},
                   .pictureSuffix = "",
                   .animals = {"rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse", "sheep", "monkey",
                               "rooster", "dog", "pig"},
                   .chineseYearForms = true,
                   .key = "cn",
                   .ownLanguage = "zh-Hans",
                   .festivals = festival_rows::kChina,
                   .isDefault = true},
    CountryProfile{.country = Country::Japan,
                   .name = "Japan",
                   .adjective = "Japanese",
                   .meridian = 135,
                   .zoneCode = "JST",
                   .colour = {64, 64, 224},
                   .pictureSuffix = "_jp",
                   .animals = {"rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse", "sheep", "monkey",
                               "rooster", "dog", "boar"},
                   .chineseYearForms = false,
                   .key = "jp",
                   .ownLanguage = "ja",
                   .festivals = festival_rows::kJapan},
};

static_assert(RowsInListOrder(kCountryRows));

} // namespace orlun
