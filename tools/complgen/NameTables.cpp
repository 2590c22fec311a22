#include "NameTables.h"

#include "calendar/core/MoveUnit.h"
#include "calendar/core/SearchTarget.h"
#include "calendar/native/Language.h"
#include "tools/orlun-cli/CliMoveUnits.h"

namespace orlun::complgen {

std::vector<std::string> MoveUnitNames(Country country)
{
    std::vector<std::string> names;
    for (int i = 0; i < kMoveUnitCount; ++i)
        names.push_back(MoveUnitText(static_cast<MoveUnit>(i), CountryZoneCode(country)));
    names.emplace_back(cli::kOneDayUnit);
    return names;
}

std::vector<std::string> SearchTargetNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < kSearchTargetCount; ++i) {
        const auto target = static_cast<SearchTarget>(i);
        if (target != SearchTarget::MultipleElementAnimalDay) names.emplace_back(SearchTargetText(target));
    }
    return names;
}

std::vector<std::string> LanguageTags()
{
    std::vector<std::string> tags;
    for (const Language language : kLanguages) tags.emplace_back(TagOf(language));
    return tags;
}

} // namespace orlun::complgen
