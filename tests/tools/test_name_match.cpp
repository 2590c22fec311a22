// orlun-cli's reading of names: any case and any spelling of the gaps between words, signs and
// separators at either end kept, and no two names of one list read alike.
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

struct KeyCase {
    const char* typed;
    const char* key;
};

TEST(NameMatch, KeysIgnoreCaseAndTheSpellingOfGaps)
{
    const KeyCase cases[] = {
        {"Full-Moon", "full moon"},      {"FULL  MOON", "full moon"},   {" full_moon ", "full moon"},
        {"full - moon", "full moon"},    {"Solstice/equinox + Dark-moon", "solstice/equinox + dark moon"},
        {"60-Year Cycle (chl)", "60 year cycle (chl)"},
        // A hyphen at either end is a sign or the element-animal separator, not a gap.
        {"-2696", "-2696"},              {" -2636 ", "-2636"},          {"wood-", "wood-"},
        {"-Rat", "-rat"},                {"-", "-"},                    {"", ""},
        {"   ", ""},                     {"ÉTÉ º", "ÉtÉ º"},            // only ASCII letters change case
    };
    for (const KeyCase& c : cases) EXPECT_EQ(NameKey(c.typed), c.key) << '"' << c.typed << '"';
}

struct FindCase {
    const char* typed;
    std::vector<std::string> names;
    std::optional<size_t> index;
};

TEST(NameMatch, FindsTheNameATextSpells)
{
    const std::vector<std::string> targets = TargetNames();
    const std::vector<std::string> units = UnitNames("JST");
    const std::vector<std::string> epochs = {"-2696", "-2636"};
    const FindCase cases[] = {
        {"full moon", targets, 0},          {"Full-Moon", targets, 0},          {"FULL MOON", targets, 0},
        {"element animal day", targets, 15}, {"intercalary-month", targets, 21},
        {"chl month", units, 6},            {"CHL-MONTH", units, 6},            {"arc year (jst)", units, 15},
        {" -2636", epochs, 1},
        // A missing gap, a gap inside a word, a lost sign, another zone or a near miss is no name.
        {"fullmoon", targets, std::nullopt}, {"full mo on", targets, std::nullopt},
        {"2696", epochs, std::nullopt},     {"arc year (cct)", units, std::nullopt},
        {"arc year", units, std::nullopt},  {"ful moon", targets, std::nullopt}, {"", targets, std::nullopt},
    };
    for (const FindCase& c : cases) EXPECT_EQ(FindName(c.typed, c.names), c.index) << '"' << c.typed << '"';
}

// A row whose name read like another's could never be chosen.
TEST(NameMatch, NoTwoNamesOfAListReadAlike)
{
    std::vector<std::vector<std::string>> lists = {TargetNames(), {kElementNames.begin(), kElementNames.end()}};
    std::vector<std::string> countries;
    for (const CountryProfile& profile : CountryProfiles()) {
        countries.emplace_back(profile.name);
        lists.push_back(UnitNames(profile.zoneCode));
        const auto animals = AnimalNames(profile.country);
        lists.emplace_back(animals.begin(), animals.end());
    }
    lists.push_back(countries);
    for (const std::vector<std::string>& names : lists) {
        std::set<std::string> keys;
        for (const std::string& name : names) EXPECT_TRUE(keys.insert(NameKey(name)).second) << name;
    }
}

TEST(NameMatch, ListsTheNamesInTheirOrder)
{
    EXPECT_EQ(NameList(std::vector<std::string>{"newyears", "months", "jcce"}), "newyears, months, jcce");
    EXPECT_EQ(NameList(std::vector<std::string>{"Full moon"}), "Full moon");
    EXPECT_EQ(NameList(std::vector<std::string>{}), "");
}

} // namespace
} // namespace orlun::cli
