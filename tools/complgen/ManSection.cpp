#include "ManSection.h"

#include <vector>

#include "NameTables.h"

namespace orlun::complgen {

namespace {

// "a", "b" and "c" as roff text, each name quoted as it is typed.
std::string QuotedList(const std::vector<std::string>& names)
{
    std::string out;
    for (size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + ("\"" + names[i] + "\"");
    return out;
}

std::string ZoneNote()
{
    std::string note = "The two ARC units name the zone code of the country:";
    const char* separator = " ";
    for (const CountryProfile& country : CountryProfiles()) {
        note += separator + std::string(country.zoneCode) + " (" + std::string(country.name) + ")";
        separator = ", ";
    }
    return note + ".\n";
}

} // namespace

std::string ManSection()
{
    std::vector<std::string> tags = LanguageTags();
    return "[NAMES]\n"
           ".TP\n.B move UNIT\none of " + QuotedList(MoveUnitNames(DefaultCountry())) + ".\n" + ZoneNote() +
           ".TP\n.B search TARGET\none of " + QuotedList(SearchTargetNames()) + ".\n" +
           ".TP\n.B \\-\\-lang L\none of " + QuotedList(tags) + ".\n";
}

} // namespace orlun::complgen
