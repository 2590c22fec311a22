// The zone codes of the reference meridians 100..145 E, index i for longitude 100 + i: "L" and i
// in two digits, except the meridians with a name of their own: each country's (105 "ICT",
// 120 "CCT", 135 "JST" ...) and 106 "HAN", 109 "CHA", 116 "BEI", 140 "EDO".
#pragma once

#include <array>
#include <string>

namespace orlun {

inline constexpr int kMinRefLongitude = 100;
inline constexpr int kMaxRefLongitude = 145;
inline constexpr int kZoneCodeCount = kMaxRefLongitude - kMinRefLongitude + 1;

using ZoneCodeTable = std::array<std::string, kZoneCodeCount>;

ZoneCodeTable DefaultZoneCodes();
// The default zone code of one longitude, "" outside 100..145.
std::string DefaultZoneCode(int longitude);

} // namespace orlun
