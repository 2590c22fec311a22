// The sexagenary cycle: names of the sixty positions as element-animal pairs (wood-rat) and as
// celestial stem with earthly branch (jia-zi), the arithmetic between positions and names, the
// day's position. The animal names come from the country's profile.
//
// Positions run 1..60, element indices 0..4, animal indices 0..11, stems 1..10, branches 1..12.
// No function here indexes outside its tables: an argument out of its range gives "" for a name
// and -1 for a number.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/core/CycleCounts.h"
#include "calendar/core/DayNumber.h"
#include "calendar/core/Settings.h"
#include "calendar/core/ZoneCodes.h"

namespace orlun {

inline constexpr std::array<std::string_view, kElementCount> kElementNames = {
    "wood", "fire", "earth", "metal", "water"};

// Stem s (1..10) is kStemNames[s - 1].
inline constexpr std::array<std::string_view, kStemCount> kStemNames = {
    "jia", "yi", "bing", "ding", "wu", "ji", "geng", "xin", "ren", "gui"};

// Branch b (1..12) is kBranchNames[b - 1].
inline constexpr std::array<std::string_view, kBranchCount> kBranchNames = {
    "zi", "chou", "yin", "mao", "chen", "si", "wu", "wei", "shen", "you", "xu", "hai"};

// "wood" .. "water" for 0..4.
std::string ElementName(int element);
// The animal of index 0..11 as that country calls it: entries 3, 7 and 11 are "cat", "goat",
// "pig" in Vietnam, "rabbit", "sheep", "pig" in China and "rabbit", "sheep", "boar" in Japan.
// A country number without a profile uses the Chinese names.
std::string AnimalName(int animal, Country country);
// All twelve animal names of the country, rat first.
std::array<std::string, kAnimalCount> AnimalNames(Country country);
// "jia" .. "gui" for 1..10.
std::string StemName(int stem);
// "zi" .. "hai" for 1..12.
std::string BranchName(int branch);
// The country names in list order, then their adjectives: index 0 "Vietnam" .. 3 "Vietnamese"
// ..; "" past them.
std::string CountryName(int index);

// Element index of a position: 1-2 wood, 3-4 fire, ... 9-10 water, 11-12 wood again.
int ElementOfPosition(int position);
// Animal index of a position: (position - 1) mod 12.
int AnimalOfPosition(int position);
// Stem of a position, 1..10.
int StemOfPosition(int position);
// Branch of a position, 1..12 (the animal index + 1).
int BranchOfPosition(int position);

// "jia-zi" for 1, "gui-hai" for 60. This is also the pinyin name of a day or year position.
std::string StemBranchStr(int position);
// "wood-rat" for 1, "water-pig" for 60 (Japan: "water-boar").
std::string ElementAnimalStr(int position, Country country);

// The position 1..60 that has element e and animal a. Every one of the 5 x 12 pairs occurs once
// in the cycle, because a position's element follows its stem and both parities of stem belong
// to each element.
int PositionOfElementAnimal(int element, int animal);

// Position of a month in the 60-month cycle, from the position of its CHL year and the month
// number 1..12; month 1 is always a tiger month. A leap month takes the number it repeats.
int MonthElementOf(int yearPosition, int month);
int MonthAnimalOf(int month);
int MonthPosition(int yearPosition, int month);

// Position of a day from its CJDC day number; 2000-01-01 (2451545) is position 55 (wu-wu).
// Defined for every day number, negative ones included (floor modulo).
int DayPosition(DayNumber jdn);
std::string DayElementAnimalStr(DayNumber jdn, Country country);
std::string DayStemBranchStr(DayNumber jdn);

// Index of the table entry that equals the name exactly, or -1.
int ElementIndexOf(std::string_view name);
// Index of the country's animal name that equals the name exactly, or -1 ("cat" is found for
// Vietnam only, "boar" for Japan only).
int AnimalIndexOf(std::string_view name, Country country);

} // namespace orlun
