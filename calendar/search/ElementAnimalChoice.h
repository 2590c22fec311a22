// An element and an animal chosen from the two lists, either of which may be left empty ("any").
#pragma once

#include "calendar/chinese/Sexagenary.h"
#include "calendar/entry/DateEntry.h"

namespace orlun {

struct ElementAnimalChoice {
    int element = kNoElementItem; // 0..4, or kNoElementItem for any element
    int animal = kNoAnimalItem;   // 0..11, or kNoAnimalItem for any animal

    bool HasElement() const { return element >= 0 && element < kElementCount; }
    bool HasAnimal() const { return animal >= 0 && animal < kAnimalCount; }
    bool Specified() const { return HasElement() || HasAnimal(); }
    bool Matches(int e, int a) const
    {
        return (!HasElement() || e == element) && (!HasAnimal() || a == animal);
    }
    bool MatchesPosition(int position) const
    {
        return Matches(ElementOfPosition(position), AnimalOfPosition(position));
    }
    bool operator==(const ElementAnimalChoice&) const = default;
};

// The Chinese names in parentheses: "jia-zi" for both, "jia-, yi-" for an element alone, "-zi"
// for an animal alone; "" when nothing is chosen.
std::string ChoiceStemBranchText(const ElementAnimalChoice& choice);

// "wood-rat (jia-zi)", "wood- (jia-, yi-)", "-rat (-zi)"; "" when nothing is chosen.
std::string ChoiceText(const ElementAnimalChoice& choice, Country country);

} // namespace orlun
