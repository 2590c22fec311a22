// The fourth country of the test builds: Korea at 127 E. It has no festivals and no pictures of
// its own; everything else comes from its row.
#pragma once

#include "calendar/core/CountryProfile.h"

namespace orlun::test {

inline constexpr Country kKorea{3};

inline constexpr CountryProfile kKoreaRow{.country = kKorea,
                                          .name = "Korea",
                                          .adjective = "Korean",
                                          .meridian = 127,
                                          .zoneCode = "KST",
                                          .colour = {0, 96, 160},
                                          .pictureSuffix = "_kr",
                                          .animals = {"rat", "ox", "tiger", "rabbit", "dragon", "snake", "horse",
                                                      "sheep", "monkey", "rooster", "dog", "pig"},
                                          .chineseYearForms = false,
                                          .key = "kr",
                                          .ownLanguage = "ko"};

} // namespace orlun::test
