#include "calendar/search/ElementAnimalChoice.h"

namespace orlun {

std::string ChoiceStemBranchText(const ElementAnimalChoice& c)
{
    if (c.HasElement() && c.HasAnimal()) return StemBranchStr(PositionOfElementAnimal(c.element, c.animal));
    if (c.HasElement()) return StemName(2 * c.element + 1) + "-, " + StemName(2 * c.element + 2) + "-";
    if (c.HasAnimal()) return '-' + BranchName(c.animal + 1); // a char: see SignedText
    return "";
}

std::string ChoiceText(const ElementAnimalChoice& c, Country country)
{
    if (!c.Specified()) return "";
    const std::string element = c.HasElement() ? ElementName(c.element) : "";
    const std::string animal = c.HasAnimal() ? AnimalName(c.animal, country) : "";
    return element + "-" + animal + " (" + ChoiceStemBranchText(c) + ")";
}

} // namespace orlun
