// The rokuyō (六曜) of a Japanese lunar date: a six-day cycle that restarts at each month, from
// the month and day alone ((month + day) mod 6; the leap month counts as its ordinary month).
#pragma once

#include <optional>
#include <string>

namespace orlun {

// In the order of (month + day) mod 6.
enum class Rokuyo { Taian, Shakko, Sensho, Tomobiki, Senbu, Butsumetsu };

// nullopt for a month outside 1..12 or a day outside 1..30.
std::optional<Rokuyo> RokuyoOf(int month, int day);
// 大安 赤口 先勝 友引 先負 仏滅.
std::string RokuyoText(Rokuyo rokuyo);

} // namespace orlun
