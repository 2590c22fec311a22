#include "calendar/chinese/Sexagenary.h"

#include "calendar/core/FloorDivision.h"

namespace orlun {

namespace {

const std::array<std::string_view, kAnimalCount>& AnimalTable(Country country)
{
    return ProfileOf(country).animals;
}

bool IsPosition(int position) { return position >= 1 && position <= kCyclePositions; }

template <typename Table>
std::string NameAt(const Table& table, int index)
{
    if (index < 0 || index >= static_cast<int>(table.size()))
        return {};
    return std::string(table[static_cast<size_t>(index)]);
}

template <typename Table>
int IndexOf(const Table& table, std::string_view name)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::string ElementName(int element) { return NameAt(kElementNames, element); }
std::string AnimalName(int animal, Country country) { return NameAt(AnimalTable(country), animal); }

std::array<std::string, kAnimalCount> AnimalNames(Country country)
{
    std::array<std::string, kAnimalCount> names;
    const auto& table = AnimalTable(country);
    for (size_t i = 0; i < table.size(); ++i)
        names[i] = std::string(table[i]);
    return names;
}

std::string StemName(int stem) { return NameAt(kStemNames, stem - 1); }
std::string BranchName(int branch) { return NameAt(kBranchNames, branch - 1); }
std::string CountryName(int index)
{
    const std::span<const CountryProfile> rows = CountryProfiles();
    const auto count = static_cast<int>(rows.size());
    if (index < 0 || index >= 2 * count) return "";
    const CountryProfile& row = rows[static_cast<size_t>(index % count)];
    return std::string(index < count ? row.name : row.adjective);
}

int ElementOfPosition(int position)
{
    if (!IsPosition(position))
        return -1;
    return ((position + 1) / 2 - 1) % kElementCount;
}

int AnimalOfPosition(int position)
{
    if (!IsPosition(position))
        return -1;
    return (position - 1) % kAnimalCount;
}

int StemOfPosition(int position)
{
    if (!IsPosition(position))
        return -1;
    return (position - 1) % kStemCount + 1;
}

int BranchOfPosition(int position)
{
    if (!IsPosition(position))
        return -1;
    return AnimalOfPosition(position) + 1;
}

std::string StemBranchStr(int position)
{
    if (!IsPosition(position))
        return {};
    return StemName(StemOfPosition(position)) + "-" + BranchName(BranchOfPosition(position));
}

std::string ElementAnimalStr(int position, Country country)
{
    if (!IsPosition(position))
        return {};
    return ElementName(ElementOfPosition(position)) + "-" +
           AnimalName(AnimalOfPosition(position), country);
}

int PositionOfElementAnimal(int element, int animal)
{
    if (element < 0 || element >= kElementCount || animal < 0 || animal >= kAnimalCount)
        return -1;
    // Odd animals pair with the second (yin) stem of an element, even ones with the first; the
    // offset f brings 12e - 5a into 1..60.
    int f;
    if (animal % 2 == 1)
        f = (2 * element + 1 < animal) ? 67 : 7;
    else
        f = (2 * element < animal) ? 61 : 1;
    return 12 * element - 5 * animal + f;
}

int MonthElementOf(int yearPosition, int month)
{
    if (!IsPosition(yearPosition) || month < 1 || month > 12)
        return -1;
    return (((yearPosition % 5) * 12 + month - 1) % 10) / 2;
}

int MonthAnimalOf(int month)
{
    if (month < 1 || month > 12)
        return -1;
    return (month + 1) % kAnimalCount;
}

int MonthPosition(int yearPosition, int month)
{
    const int element = MonthElementOf(yearPosition, month);
    if (element < 0)
        return -1;
    return PositionOfElementAnimal(element, MonthAnimalOf(month));
}

int DayPosition(DayNumber jdn)
{
    // A truncating remainder would give positions below 1 for negative day numbers.
    return static_cast<int>(FloorMod(int64_t{jdn.value()} + 49, kCyclePositions)) + 1;
}

std::string DayElementAnimalStr(DayNumber jdn, Country country)
{
    return ElementAnimalStr(DayPosition(jdn), country);
}

std::string DayStemBranchStr(DayNumber jdn) { return StemBranchStr(DayPosition(jdn)); }

int ElementIndexOf(std::string_view name) { return IndexOf(kElementNames, name); }

int AnimalIndexOf(std::string_view name, Country country)
{
    return IndexOf(AnimalTable(country), name);
}

} // namespace orlun
