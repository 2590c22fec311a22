// orlun-cli's reading of names: any case and any spelling of the gaps between words, a hyphen at
// either end kept (a sign, the element-animal separator), and no two names of a list read alike.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/CountryProfile.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/SearchTargets.h"
#include "names/NameMatch.h"

namespace orlun::cli {
namespace {

std::vector<std::string> TargetNames()
{
    std::vector<std::string> names;
    for (const SearchTargetRow& row : SearchTargetRows()) names.emplace_back(row.text);
    return names;
}

std::vector<std::string> UnitNames(std::string_view zoneCode)
{
    std::vector<std::string> names;
    for (const MoveUnitRow& row : MoveUnitRows()) names.push_back(MoveUnitText(row.unit, zoneCode));
    return names;
}

struct FindCase {
    const char* typed;
    std::vector<std::string> names;
    std::optional<size_t> index;
};

TEST(NameMatch, FindsTheNameATextSpells)
{
    const std::vector<std::string> targets = TargetNames(), units = UnitNames("JST"), epochs = {"-2696", "-2636"};
    const FindCase cases[] = {
        {"full moon", targets, 0}, {"Full-Moon", targets, 0}, {" FULL _ MOON ", targets, 0},
        {"element animal day", targets, 15}, {"solstice/equinox + Dark-Moon", targets, 13},
        {"chl month", units, 6}, {"60 Year Cycle (chl)", units, 8}, {"arc-year-(jst)", units, 15},
        {" -2636", epochs, 1}, {"wood-", {"wood-", "wood"}, 0}, {"-RAT", {"rat", "-rat"}, 1},
        // A missing gap, a gap inside a word, a lost sign, another zone or a near miss is no name.
        {"fullmoon", targets, std::nullopt}, {"full mo on", targets, std::nullopt},
        {"2696", epochs, std::nullopt}, {"arc year (cct)", units, std::nullopt},
        {"ful moon", targets, std::nullopt}, {"", targets, std::nullopt}, {"-", {""}, std::nullopt},
    };
    for (const FindCase& c : cases) EXPECT_EQ(FindName(c.typed, c.names), c.index) << '"' << c.typed << '"';
}

// A row whose name read like another's could never be chosen.
TEST(NameMatch, NoTwoNamesOfAListReadAlike)
{
    std::vector<std::vector<std::string>> lists = {TargetNames(), {kElementNames.begin(), kElementNames.end()}, {}};
    for (const CountryProfile& profile : CountryProfiles()) {
        lists[2].emplace_back(profile.name);
        lists.push_back(UnitNames(profile.zoneCode));
        const auto animals = AnimalNames(profile.country);
        lists.emplace_back(animals.begin(), animals.end());
    }
    for (const std::vector<std::string>& names : lists) {
        std::set<std::string> keys;
        for (const std::string& name : names) EXPECT_TRUE(keys.insert(NameKey(name)).second) << name;
    }
}

} // namespace
} // namespace orlun::cli
