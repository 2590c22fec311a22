#include "NameTables.h"

#include "calendar/native/Language.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/SearchTargets.h"
#include "tools/orlun-cli/CliMoveUnits.h"

namespace orlun::complgen {

std::vector<std::string> MoveUnitNames(Country country)
{
    std::vector<std::string> names;
    for (const MoveUnitRow& row : MoveUnitRows()) names.push_back(MoveUnitText(row.unit, CountryZoneCode(country)));
    names.emplace_back(cli::kOneDayUnit);
    return names;
}

std::vector<std::string> SearchTargetNames()
{
    std::vector<std::string> names;
    for (const SearchTargetRow& row : SearchTargetRows())
        if (row.kind != TargetKind::OwnWindow) names.emplace_back(row.text);
    return names;
}

std::vector<std::string> LanguageTags()
{
    std::vector<std::string> tags;
    for (const Language language : kLanguages) tags.emplace_back(TagOf(language));
    return tags;
}

} // namespace orlun::complgen
