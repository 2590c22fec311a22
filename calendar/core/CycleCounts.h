// The counts of the Chinese calendar's cycles and names, shared by the English names (chinese/,
// astro/) and those in the users' own scripts (native/).
#pragma once

namespace orlun {

inline constexpr int kCyclePositions = 60; // years (and days) of the stem-branch cycle
inline constexpr int kStemCount = 10;      // celestial stems
inline constexpr int kBranchCount = 12;    // earthly branches
inline constexpr int kElementCount = 5;
inline constexpr int kAnimalCount = 12;    // one animal for each branch
inline constexpr int kMonthNumbers = 12;   // the month numbers 1..12 of a lunar year
inline constexpr int kTermsPerYear = 24;   // solar terms in a year, Z11 J12 Z12 J1 ... J11

static_assert(kStemCount * kBranchCount / 2 == kCyclePositions, "stems and branches pair up by parity");

} // namespace orlun
