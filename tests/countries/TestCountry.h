// The fourth country of the test builds: Korea at 127 E, with an animal word and festivals no
// other row has. It has no pictures of its own; everything else comes from its row.
#pragma once

#include <array>

#include "calendar/core/CountryProfile.h"

namespace orlun::test {

inline constexpr Country kKorea{3};

// Korea's word for the eighth animal: the one word of the test table that no program row uses.
inline constexpr std::string_view kKoreanSheep = "ram";

inline constexpr std::array<Festival, 4> kKoreanFestivals = {{
    {"seollal", FestivalRule::LunarDay, 1, 1, 0, 3, {"Seollal", "", "", "", ""}},
    {"daeboreum", FestivalRule::LunarDay, 1, 15, 0, 1, {"Daeboreum", "", "", "", ""}},
    {"dano", FestivalRule::LunarDay, 5, 5, 0, 1, {"Dano", "", "", "", ""}},
    {"chuseok", FestivalRule::LunarDay, 8, 15, 0, 3, {"Chuseok", "", "", "", ""}},
}};

inline constexpr CountryProfile kKoreaRow{.country = kKorea,
                                          .name = "Korea",
                                          .adjective = "Korean",
                                          .meridian = 127,
                                          .zoneCode = "KST",
                                          .colour = {0, 96, 160},
                                          .pictureSuffix = "_kr",
                                          .animals = {"rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse",
                                                      kKoreanSheep, "monkey", "rooster", "dog", "pig"},
                                          .chineseYearForms = false,
                                          .key = "kr",
                                          .ownLanguage = "ko",
                                          .festivals = kKoreanFestivals};

} // namespace orlun::test
